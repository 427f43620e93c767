// Keeps the site for play with the network off: registers the service worker
// (sw.js), which holds every file of the site after the first visit. A page
// opened from a file, where workers cannot run, simply goes without.
'use strict';

if ('serviceWorker' in navigator && /^https?:$/.test(location.protocol)) {
  window.addEventListener('load', function() {
    navigator.serviceWorker.register('sw.js').catch(function(error) {
      console.warn('Gulpwise: the site cannot be kept for play offline', error);
    });
  });
}
