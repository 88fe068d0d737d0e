// shell.js -- the page's side of the game: the canvas and its scale, the player's files kept in IndexedDB, the notes
'use strict';

var Module = (function () {
  var canvas = document.getElementById('canvas');
  var context = canvas.getContext('2d');
  var status = document.getElementById('status');
  var framesNote = document.getElementById('frames');
  var W = 640, H = 400;

  // The largest whole step of 640 x 400 that fits the page: every game pixel
  // stays a square of screen pixels.
  var scale = 1;
  function fit() {
    var stage = document.getElementById('stage');
    scale = Math.max(1, Math.floor(Math.min(stage.clientWidth / W, stage.clientHeight / H)));
    canvas.style.width = W * scale + 'px';
    canvas.style.height = H * scale + 'px';
  }
  window.addEventListener('resize', fit);
  fit();
  canvas.addEventListener('contextmenu', function (e) { e.preventDefault(); });
  canvas.focus();

  // What each frame's work cost, the last few hundred frames.
  var work = [], periods = [], frames = 0, lastFrame = 0;
  var KEEP = 600;
  function frameStats() {
    var sorted = work.slice().sort(function (a, b) { return a - b; });
    var n = sorted.length;
    if (!n) return { frames: 0, mean: 0, p95: 0, max: 0, period: 0 };
    var sum = sorted.reduce(function (a, b) { return a + b; }, 0);
    var gaps = periods.slice().sort(function (a, b) { return a - b; });
    var period = gaps.length ? gaps[Math.floor(gaps.length / 2)] : 0;
    return { frames: frames, mean: sum / n, p95: sorted[Math.floor(n * 0.95)], max: sorted[n - 1], period: period };
  }
  setInterval(function () {
    var s = frameStats();
    if (s.frames) framesNote.textContent = 'A frame\'s work here: ' + s.mean.toFixed(1) + ' ms on average, ' +
        s.p95.toFixed(1) + ' ms at most in 95 of 100 frames (the game allows 24 ms).';
  }, 1000);

  // The kept directory goes to IndexedDB after each change; changes that come
  // while it is being stored are stored after it.
  var storing = false, storeAgain = false;
  function store() {
    if (storing) { storeAgain = true; return; }
    storing = true;
    Module.FS.syncfs(false, function (err) {
      storing = false;
      if (err) say('Your progress could not be stored in this browser: ' + err);
      else Module.hmStores++;
      if (storeAgain) { storeAgain = false; store(); }
    });
  }

  function say(text) { status.textContent = text; }

  // The game's wait for its frame: a timer that ends in a message, since
  // timers set from timers are held to 4 ms each and messages are not.
  var wakeChannel = new MessageChannel(), wakeUp = null;
  wakeChannel.port1.onmessage = function () {
    var wake = wakeUp;
    wakeUp = null;
    wake();
  };
  function sleep(ms, wake) {
    setTimeout(function () {
      wakeUp = wake;
      wakeChannel.port2.postMessage(0);
    }, ms);
  }

  return {
    canvas: canvas,
    hmStores: 0,
    preRun: [function () {
      // The kept directory comes back from IndexedDB before the game starts.
      var FS = Module.FS;
      FS.mkdir('/kept');
      FS.mount(FS.filesystems.IDBFS, {}, '/kept');
      Module.addRunDependency('kept');
      FS.syncfs(true, function (err) {
        if (err) say('This browser keeps no saves (' + err + '): the game runs, but forgets.');
        Module.removeRunDependency('kept');
      });
    }],
    onRuntimeInitialized: function () { say('Hollowmere is running.'); },
    setStatus: function (text) { if (text) say(text); },
    print: function (text) { console.log(text); },
    printErr: function (text) { console.error(text); },
    hmPresent: function (px, w, h) {
      context.putImageData(new ImageData(new Uint8ClampedArray(px.buffer, px.byteOffset, px.length), w, h), 0, 0);
    },
    hmFrameWork: function (ms) {
      var now = performance.now();
      if (frames) periods.push(now - lastFrame);
      lastFrame = now;
      frames++;
      work.push(ms);
      if (work.length > KEEP) work.shift();
      if (periods.length > KEEP) periods.shift();
    },
    hmFrameStats: frameStats,
    hmStoreSaves: store,
    hmSleep: sleep,
    hmMessage: function (text) { say(text); console.warn(text); },
    hmScale: function () { return canvas.getBoundingClientRect().width / W; }
  };
})();
