// The page around the game: loading progress, whole-number scaling of the
// picture, keys and mouse kept for the game, sound after the first input,
// pausing while hidden, and the maze download and upload buttons.
'use strict';

var GameWidth = 504, GameHeight = 378;
var canvas = document.getElementById('canvas');
var note = document.getElementById('note');

var Module = {
  canvas: canvas,
  noAudioDecoding: true,  // sounds are read from the data files, not from preloaded media
  firstFrameAt: 0,  // performance.now() when the first frame was shown
  setStatus: function(text) {
    // The loader reports "Downloading data... (done/total)".
    var progress = document.getElementById('progress');
    var parts = /\((\d+(?:\.\d+)?)\/(\d+(?:\.\d+)?)\)/.exec(text);
    if (parts) {
      progress.max = Number(parts[2]);
      progress.value = Number(parts[1]);
    }
    if (text) document.getElementById('status').textContent = text.replace(/\s*\(.*\)/, '…');
  },
  onFirstFrame: function() {
    Module.firstFrameAt = performance.now();
    document.getElementById('loading').style.display = 'none';
    canvas.focus();
  },
  onGameEnd: function() {
    note.textContent = 'The game has ended: reload the page to play again.';
  },
};

// The largest whole-number scale that fits, so every game pixel stays square
// and sharp; below 1x (a phone), as large as fits.
function fitCanvas() {
  var main = canvas.parentElement;
  var fit = Math.min(main.clientWidth / GameWidth, main.clientHeight / GameHeight);
  var scale = fit >= 1 ? Math.floor(fit) : fit > 0 ? fit : 1;
  canvas.style.width = GameWidth * scale + 'px';
  canvas.style.height = GameHeight * scale + 'px';
}
window.addEventListener('resize', fitCanvas);
fitCanvas();

// Keys that would scroll or move the page belong to the game; so does the right button.
var PageKeys = ['ArrowUp', 'ArrowDown', 'ArrowLeft', 'ArrowRight', ' ', 'PageUp', 'PageDown',
                'Home', 'End', 'Tab', 'F1'];
window.addEventListener('keydown', function(event) {
  if (PageKeys.indexOf(event.key) >= 0) event.preventDefault();
}, {capture: true});
canvas.addEventListener('contextmenu', function(event) { event.preventDefault(); });
canvas.addEventListener('mousedown', function() { canvas.focus(); });

// Browsers let sound start only after the player's first click or key.
['pointerdown', 'keydown'].forEach(function(type) {
  window.addEventListener(type, function() { if (Module.resumeAudio) Module.resumeAudio(); });
});

// A hidden page runs no frames; when shown again the game goes on where it stopped.
document.addEventListener('visibilitychange', function() {
  if (!Module._GulpwiseResume) return;
  if (document.hidden) Module._GulpwiseSaveOptions();
  else Module._GulpwiseResume(Module.gulpwiseGame);
});
window.addEventListener('pagehide', function() {
  if (Module._GulpwiseSaveOptions) Module._GulpwiseSaveOptions();
});

document.getElementById('download').addEventListener('click', function() {
  var file = Module.mazeFile && Module.mazeFile();
  if (!file) {
    note.textContent = 'This maze has not been saved yet.';
    return;
  }
  var link = document.createElement('a');
  link.href = URL.createObjectURL(new Blob([file.bytes], {type: 'text/plain'}));
  link.download = file.name;
  link.click();
  URL.revokeObjectURL(link.href);
  canvas.focus();
});

document.getElementById('upload').addEventListener('change', function(event) {
  var file = event.target.files[0];
  event.target.value = '';
  if (!file || !Module.ccall) return;
  file.text().then(function(text) {
    var opened = Module.ccall('GulpwiseOpenLevel', 'boolean', ['string'], [text]);
    note.textContent = opened ? file.name + ' is in the editor: save it there to keep it.'
                              : 'Open the editor first, and choose a level file (.lev).';
    canvas.focus();
  });
});
