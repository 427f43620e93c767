// Runs inside the game's module, before it starts: the player's data/ folder
// lives in the browser's IndexedDB storage, read in before the game starts
// and written back after every file the game saves.
Module['preRun'] = Module['preRun'] || [];
Module['preRun'].push(function() {
  addRunDependency('player data');
  FS.mkdir('/data');
  FS.mount(IDBFS, {}, '/data');
  FS.syncfs(true, function(error) {
    if (error) console.warn('Gulpwise: the saved data could not be read; starting afresh', error);
    removeRunDependency('player data');
  });
});

// One write-back at a time; saves made meanwhile are written by one more round.
(function() {
  var writing = false;  // a write-back is under way
  var again = false;    // a file was saved since it began
  Module['savesFlushed'] = 0;  // write-backs finished, for the page and its tests
  Module['persistSaves'] = function() {
    if (writing) {
      again = true;
      return;
    }
    writing = true;
    FS.syncfs(false, function(error) {
      writing = false;
      if (error) console.warn('Gulpwise: a save could not be stored', error);
      else Module['savesFlushed']++;
      if (again) {
        again = false;
        Module['persistSaves']();
      }
    });
  };
  Module['savesPending'] = function() { return writing || again; };
})();

// Sound may start only once the player has clicked or pressed a key.
Module['resumeAudio'] = function() {
  if (typeof SDL !== 'undefined' && SDL.audioContext && SDL.audioContext.state === 'suspended')
    SDL.audioContext.resume();
};

// The custom maze's file, for the page's download button.
Module['mazeFile'] = function() {
  var name = 'map_' + Module['_GulpwiseMapNumber']() + '.lev';
  try {
    return {name: name, bytes: FS.readFile('/data/' + name)};
  } catch (e) {
    return null;
  }
};

// The replays kept in the browser's storage (data/replays/), by name.
Module['replayFiles'] = function() {
  try {
    return FS.readdir('/data/replays').filter(function(name) { return name.endsWith('.gwr'); });
  } catch (e) {
    return [];
  }
};

// A replay's bytes from the browser's storage, by name (for the page's tests); null when there is none.
Module['replayBytes'] = function(name) {
  try {
    return FS.readFile('/data/replays/' + name);
  } catch (e) {
    return null;
  }
};
