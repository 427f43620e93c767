// The site's service worker: keeps every file of the site in the browser's
// cache, so that after one visit the game loads and plays with the network
// off. This is a template: the build writes the site's file list and its
// version, a hash of the built files, in place of the two marks
// (browser/Worker.cmake). A new build is thus a new worker, which on the next
// visit fetches the new files and then drops the old build's cache.
'use strict';

var Version = '@SITE_VERSION@';
var Files = [
@SITE_FILES@];
var Prefix = 'gulpwise-';  // every cache of this site's workers
var CacheName = Prefix + Version;

self.addEventListener('install', function(event) {
  event.waitUntil(caches.open(CacheName).then(function(cache) {
    // Past the browser's own HTTP cache, which may still hold the old build's files.
    return cache.addAll(Files.map(function(file) { return new Request(file, {cache: 'reload'}); }));
  }).then(function() { return self.skipWaiting(); }));
});

self.addEventListener('activate', function(event) {
  event.waitUntil(caches.keys().then(function(names) {
    return Promise.all(names.filter(function(name) { return name.startsWith(Prefix) && name !== CacheName; })
                            .map(function(name) { return caches.delete(name); }));
  }).then(function() { return self.clients.claim(); }));
});

// The kept file when there is one (a page asked for with ?room=... is still
// the page; a folder's address is its index.html), else the network. Other
// pages of the same server (its /health, say) are not the game's page.
self.addEventListener('fetch', function(event) {
  var request = event.request;
  var address = new URL(request.url);
  if (request.method !== 'GET' || address.origin !== self.location.origin) return;
  var key = address.pathname.endsWith('/') ? new URL('index.html', address).href : request;
  event.respondWith(caches.open(CacheName).then(function(cache) {
    return cache.match(key, {ignoreSearch: true});
  }).then(function(kept) { return kept || fetch(request); }));
});
