// The touch controls for phones and tablets: on a touch screen the picture
// sits above (or, in landscape, beside) a panel of buttons and a swipe pad,
// and every touch is turned into the keys and mouse clicks the game already
// takes, so the game itself does not know a finger from a mouse.
//   - In play, a swipe steers the gulper (the key bound to the way pressed and let go).
//   - With a person commanding the ghosts, a tap on a ghost selects it (a left
//     click), a drag draws a box around ghosts (a left-button drag), and a tap
//     on a floor cell sends the selected ghosts there (a right click); a tap on
//     a wall lets the selection go. The swipe pad steers then (the gulper, or
//     with a computer gulper the one selected ghost).
//   - Outside play a finger is the mouse: menus work by tapping, the editor
//     paints by dragging.
//   - Buttons press the keys bound to pause, stopping the gulper, the keys help,
//     the group selection and exit.
'use strict';

(function() {
  // The game's actions the touch controls press (their numbers in the key
  // files), and the DOM key codes of their default keys.
  var Action = {right: 0, left: 1, up: 2, down: 3, stop: 4, group: 22, pause: 23, help: 24, back: 25};
  var DefaultKey = {right: 39, left: 37, up: 38, down: 40, stop: 32, group: 16, pause: 80, help: 112, back: 27};
  // The DOM key codes of the desktop's key numbers that are not letters or
  // digits (the key files hold the desktop's numbers); a right-hand modifier
  // is its key on the right.
  var DomKeyOf = {8: 8, 9: 9, 13: 13, 27: 27, 32: 32, 127: 46, 273: 38, 274: 40, 275: 39, 276: 37,
                  277: 45, 278: 36, 279: 35, 280: 33, 281: 34, 303: 16, 304: 16, 305: 17, 306: 17,
                  307: 18, 308: 18};
  var RightHand = {303: true, 305: true, 307: true};
  var FirstFunctionKey = 282, LastFunctionKey = 293, DomF1 = 112;  // F1 to F12
  var LeftButton = 0, RightButton = 2;  // MouseEvent.button
  var TapSlop = 10;       // CSS pixels a finger may wander and still tap
  var SwipeStep = 24;     // CSS pixels of travel that make one swipe
  var ControlsTall = 200; // CSS pixels kept below the picture in portrait
  var ControlsWide = 220; // CSS pixels kept beside the picture in landscape
  // The answers of the game's probes (browser/TouchProbe.cpp).
  var InPlay = 1, HumanGhosts = 4;
  var TapSends = 2;

  var main = canvas.parentElement;
  var panel = null;     // the controls, made when touch is first seen
  var fingers = {};     // what each finger on the screen is doing, by touch identifier

  // The key the player has bound to what a control does, as a DOM key event's
  // code and location; the default key when the bound one has no DOM code here.
  function keyOf(name) {
    var desktop = probe('GulpwiseBoundKey', [Action[name]], 0);
    var code = desktop >= 97 && desktop <= 122 ? desktop - 32                     // a to z
             : desktop >= 48 && desktop <= 57 ? desktop                           // 0 to 9
             : desktop >= FirstFunctionKey && desktop <= LastFunctionKey ? desktop - FirstFunctionKey + DomF1
             : DomKeyOf[desktop];
    return code ? {code: code, location: RightHand[desktop] ? 2 : 0} : {code: DefaultKey[name], location: 0};
  }

  function dispatchKey(type, key) {
    var code = key.code;
    var event = new KeyboardEvent(type, {keyCode: code, which: code, location: key.location,
                                         bubbles: true, cancelable: true});
    if (event.keyCode !== code) {  // a browser that leaves the legacy codes out of the init
      Object.defineProperty(event, 'keyCode', {get: function() { return code; }});
      Object.defineProperty(event, 'which', {get: function() { return code; }});
    }
    document.dispatchEvent(event);
  }
  function pressKey(key) {
    dispatchKey('keydown', key);
    dispatchKey('keyup', key);
  }

  function dispatchMouse(type, button, x, y) {
    var held = type === 'mouseup' ? 0 : (button === RightButton ? 2 : 1);
    canvas.dispatchEvent(new MouseEvent(type, {clientX: x, clientY: y, button: button, buttons: held,
                                               bubbles: true, cancelable: true, view: window}));
  }
  function click(button, x, y) {
    dispatchMouse('mousedown', button, x, y);
    dispatchMouse('mouseup', button, x, y);
  }

  function probe(name, args, otherwise) {
    var call = Module['_' + name];
    return typeof call === 'function' && Module.calledRun ? call.apply(null, args) : otherwise;
  }
  // A point of the page in game pixels.
  function gamePoint(x, y) {
    var r = canvas.getBoundingClientRect();
    return [Math.floor((x - r.left) * GameWidth / r.width), Math.floor((y - r.top) * GameHeight / r.height)];
  }

  // A swipe: each SwipeStep of travel presses the arrow of the way it went, when that way is new.
  function swipe(finger, x, y) {
    var dx = x - finger.anchorX, dy = y - finger.anchorY;
    if (Math.max(Math.abs(dx), Math.abs(dy)) < SwipeStep) return;
    var way = Math.abs(dx) > Math.abs(dy) ? (dx > 0 ? 'right' : 'left') : (dy > 0 ? 'down' : 'up');
    if (way !== finger.way) pressKey(keyOf(way));
    finger.way = way;
    finger.anchorX = x;
    finger.anchorY = y;
  }

  // A finger on the picture: the mouse outside play, a tap, a box or a swipe in play.
  var picture = {
    start: function(finger, x, y) {
      var players = probe('GulpwiseTouchPlayers', [], 0);
      if (players & InPlay) {
        finger.mode = 'pending';
        finger.boxes = (players & HumanGhosts) !== 0;
      } else {
        finger.mode = 'mouse';
        dispatchMouse('mousedown', LeftButton, x, y);
      }
    },
    move: function(finger, x, y) {
      if (finger.mode === 'pending' &&
          Math.max(Math.abs(x - finger.startX), Math.abs(y - finger.startY)) > TapSlop) {
        finger.mode = finger.boxes ? 'box' : 'swipe';
        if (finger.boxes) dispatchMouse('mousedown', LeftButton, finger.startX, finger.startY);
      }
      if (finger.mode === 'mouse' || finger.mode === 'box') dispatchMouse('mousemove', LeftButton, x, y);
      else if (finger.mode === 'swipe') swipe(finger, x, y);
    },
    end: function(finger, x, y) {
      if (finger.mode === 'mouse' || finger.mode === 'box') {
        dispatchMouse('mouseup', LeftButton, x, y);
      } else if (finger.mode === 'pending') {
        var at = gamePoint(finger.startX, finger.startY);
        var sends = probe('GulpwiseTapMeaning', at, 0) === TapSends;
        click(sends ? RightButton : LeftButton, finger.startX, finger.startY);
      }
    },
  };

  // A finger on the pad: swipes only.
  var pad = {
    start: function() {},
    move: function(finger, x, y) { swipe(finger, x, y); },
    end: function() {},
  };

  // A finger on a button: its key is held while the finger is; the group button holds until tapped again.
  function button(element) {
    var name = element.dataset.key, key = keyOf(name);
    return {
      start: function() {
        if (name === 'group') {
          var on = !element.classList.contains('on');
          element.classList.toggle('on', on);
          dispatchKey(on ? 'keydown' : 'keyup', key);
          return;
        }
        element.classList.add('on');
        dispatchKey('keydown', key);
      },
      move: function() {},
      end: function() {
        if (name === 'group') return;
        element.classList.remove('on');
        dispatchKey('keyup', key);
      },
    };
  }

  function handlerFor(target) {
    if (target === canvas) return picture;
    if (!panel || !panel.contains(target)) return null;
    var keyButton = target.closest('[data-key]');
    return keyButton ? button(keyButton) : pad;
  }

  function onTouch(event) {
    if (!panel) show();
    // Every touch is the game's: no scrolling, zooming, or mouse events made up by the browser.
    event.preventDefault();
    event.stopPropagation();
    if (Module.resumeAudio) Module.resumeAudio();
    for (var i = 0; i < event.changedTouches.length; i++) {
      var touch = event.changedTouches[i], x = touch.clientX, y = touch.clientY;
      var finger = fingers[touch.identifier];
      if (event.type === 'touchstart') {
        var handler = handlerFor(touch.target);
        if (!handler) continue;
        finger = fingers[touch.identifier] = {handler: handler, startX: x, startY: y,
                                              anchorX: x, anchorY: y, way: '', mode: ''};
        handler.start(finger, x, y);
      } else if (!finger) {
        continue;
      } else if (event.type === 'touchmove') {
        finger.handler.move(finger, x, y);
      } else {
        delete fingers[touch.identifier];
        finger.handler.end(finger, x, y);
      }
    }
  }
  // On the window, before the game's own touch handling on the canvas.
  ['touchstart', 'touchmove', 'touchend', 'touchcancel'].forEach(function(type) {
    window.addEventListener(type, onTouch, {capture: true, passive: false});
  });

  // Portrait: the picture on top, the controls below; landscape: side by side.
  // The picture takes the largest whole scale that fits, or below 1x the width.
  function layout() {
    var width = window.innerWidth, height = window.innerHeight, portrait = height >= width;
    document.body.classList.toggle('portrait', portrait);
    document.body.classList.toggle('landscape', !portrait);
    var fit = Math.min((portrait ? width : width - ControlsWide) / GameWidth,
                       (portrait ? height - ControlsTall : height) / GameHeight);
    var scale = fit >= 1 ? Math.floor(fit) : Math.max(fit, 0.1);
    main.style.width = GameWidth * scale + 'px';
    main.style.height = GameHeight * scale + 'px';
    fitCanvas();
  }

  var Style =
    'body.touch header, body.touch footer { display: none; }' +
    'body.touch main { flex: none; }' +
    'body.touch.landscape { flex-direction: row; }' +
    '#touch { display: flex; flex: 1; flex-direction: column; align-self: stretch; gap: 8px;' +
    '         padding: 8px; box-sizing: border-box; min-width: 0; min-height: 0; }' +
    '#touch .buttons { display: flex; flex-wrap: wrap; gap: 8px; }' +
    '#touch button { flex: 1 0 28%; padding: 12px 0; font: 16px sans-serif; color: #c8c8d0;' +
    '                background: #2a2a34; border: 1px solid #44444f; border-radius: 6px; }' +
    '#touch button.on { background: #5a5020; color: #f0d040; }' +
    '#pad { flex: 1; min-height: 60px; display: flex; align-items: center; justify-content: center;' +
    '       text-align: center; color: #6a6a78; border: 2px dashed #44444f; border-radius: 10px; }';

  function show() {
    var style = document.createElement('style');
    style.textContent = Style;
    document.head.appendChild(style);
    panel = document.createElement('div');
    panel.id = 'touch';
    panel.innerHTML =
      '<div class="buttons">' +
      '<button type="button" data-key="pause">Pause</button>' +
      '<button type="button" data-key="stop">Stop</button>' +
      '<button type="button" data-key="help">Keys</button>' +
      '<button type="button" data-key="group">Group</button>' +
      '<button type="button" data-key="back">Back</button>' +
      '</div>' +
      '<div id="pad">Swipe here or on the maze to steer.<br>Tap a ghost, then a cell, to send it;<br>' +
      'drag a box to pick several.</div>';
    main.parentElement.insertBefore(panel, main.nextSibling);
    document.body.classList.add('touch');
    window.addEventListener('resize', layout);
    layout();
  }

  if (window.matchMedia && window.matchMedia('(pointer: coarse)').matches) show();
})();
