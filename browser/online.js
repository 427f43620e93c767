// Online play from the page: "Play online" hosts a room and shows its link
// to share (…/?room=CODE) with a copy button; opening such a link joins the
// room, and …/?watch=CODE watches it. The relay is the host that served the
// page (ws://, or wss:// for an https page) unless ?relay=URL says another.
// Runs after page.js and before the game starts.
'use strict';

(function() {
  var params = new URLSearchParams(location.search);
  var relay = params.get('relay') || (location.protocol === 'https:' ? 'wss://' + location.host + '/'
                                    : location.protocol === 'http:' ? 'ws://' + location.host + '/' : '');
  var Roles = {host: 0, join: 1, watch: 2};  // GulpwisePlayOnline's numbers
  var button = document.getElementById('play-online');
  var share = document.getElementById('online-share');
  var linkField = document.getElementById('online-link');
  var copyButton = document.getElementById('online-copy');
  var said = document.getElementById('online-note');

  // What the game last told of online play, for the page and its tests.
  Module.online = {phase: 'none', role: '', code: '', status: '', link: ''};

  function go(role, code) {
    if (!relay) {
      said.textContent = 'Online play needs the page served by the relay, or ?relay=URL.';
      return false;
    }
    var ok = Module.ccall('GulpwisePlayOnline', 'boolean', ['number', 'string'], [role, code || '']);
    if (!ok) said.textContent = 'Not a room code: ' + code;
    return ok;
  }

  function roomLink(code) {
    var link = location.origin + location.pathname + '?room=' + encodeURIComponent(code);
    return params.get('relay') ? link + '&relay=' + encodeURIComponent(params.get('relay')) : link;
  }

  Module.onOnline = function(phase, role, code, status) {
    var playing = phase !== 'none' && phase !== 'offline';
    var link = role === 'host' && code && playing ? roomLink(code) : '';
    Module.online = {phase: phase, role: role, code: code, status: status, link: link};
    share.hidden = !link;
    if (link && linkField.value !== link) linkField.value = link;
    if (/cannot reach the relay|refused the connection/.test(status))
      said.textContent = 'The relay cannot be reached: ' + relay;
    else
      said.textContent = link ? '' : status;  // with the link shown, the game's picture says the rest
  };

  var firstFrame = Module.onFirstFrame;
  Module.onFirstFrame = function() {
    firstFrame();
    if (relay) Module.ccall('GulpwiseSetRelay', null, ['string'], [relay]);
    button.disabled = false;
    if (params.get('room')) go(Roles.join, params.get('room'));
    else if (params.get('watch')) go(Roles.watch, params.get('watch'));
  };

  button.addEventListener('click', function() {
    go(Roles.host, '');
    canvas.focus();
  });

  copyButton.addEventListener('click', function() {
    var copied = function() { copyButton.textContent = 'Copied'; };
    if (navigator.clipboard && window.isSecureContext) {
      navigator.clipboard.writeText(linkField.value).then(copied, function() {});
    } else {
      linkField.select();
      if (document.execCommand('copy')) copied();
    }
    canvas.focus();
  });
})();
