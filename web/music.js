// music.js -- the game's MIDI pieces played in the page with WebAudio: a small synthesizer of our own
//
// Browsers let a page make sound only after the player has clicked or pressed a
// key: the piece asked for before that starts then, from its beginning.
'use strict';

var HollowmereMusic = (function () {
  // -- reading a Standard MIDI File into notes in seconds -------------------
  function parse(bytes) {
    var pos = 0;
    function u8() { return bytes[pos++]; }
    function u16() { return (u8() << 8) | u8(); }
    function u32() { return ((u16() << 16) >>> 0) + u16(); }
    function tag() { return String.fromCharCode(u8(), u8(), u8(), u8()); }
    function vlq() {
      var v = 0, b;
      do { b = u8(); v = v * 128 + (b & 127); } while (b & 128 && pos < bytes.length);
      return v;
    }
    if (bytes.length < 14 || tag() !== 'MThd') return null;
    var headerEnd = u32() + 8;
    u16();
    var tracks = u16(), division = u16();
    if (division & 0x8000 || !division) return null;   // time code divisions: not ours
    pos = headerEnd;
    var events = [];
    for (var t = 0; t < tracks && pos + 8 <= bytes.length; t++) {
      if (tag() !== 'MTrk') return null;
      var end = Math.min(bytes.length, u32() + pos), tick = 0, running = 0;
      while (pos < end) {
        tick += vlq();
        var status = bytes[pos] & 128 ? u8() : running;
        if (status === 0xff) {
          var type = u8(), len = vlq();
          if (type === 0x51 && len === 3) events.push({ tick: tick, tempo: (bytes[pos] << 16) | (bytes[pos + 1] << 8) | bytes[pos + 2] });
          pos += len;
        } else if (status === 0xf0 || status === 0xf7) {
          pos += vlq();
        } else if (status & 128) {
          running = status;
          var kind = status & 0xf0, a = u8(), b = kind === 0xc0 || kind === 0xd0 ? 0 : u8();
          events.push({ tick: tick, kind: kind, ch: status & 15, a: a, b: b });
        } else {
          return null;   // data with no status before it
        }
      }
      pos = end;
    }
    events.forEach(function (e, i) { e.order = i; });
    events.sort(function (x, y) { return x.tick - y.tick || x.order - y.order; });

    var tempo = 500000, lastTick = 0, time = 0, programs = [], open = {}, notes = [];
    function close(key, at) {
      var n = open[key];
      if (!n) return;
      delete open[key];
      n.dur = Math.max(0.05, at - n.t);
      notes.push(n);
    }
    events.forEach(function (e) {
      time += (e.tick - lastTick) * tempo / 1e6 / division;
      lastTick = e.tick;
      if (e.tempo) { tempo = e.tempo; return; }
      var key = e.ch * 128 + e.a;
      if (e.kind === 0xc0) programs[e.ch] = e.a;
      else if (e.kind === 0x90 && e.b > 0) {
        close(key, time);
        open[key] = { t: time, note: e.a, vel: e.b, ch: e.ch, prog: programs[e.ch] || 0 };
      } else if (e.kind === 0x80 || e.kind === 0x90) close(key, time);
    });
    Object.keys(open).forEach(function (k) { close(k, time); });
    notes.sort(function (x, y) { return x.t - y.t; });
    return { notes: notes, length: time };
  }

  // -- the synthesizer ------------------------------------------------------
  var ctx = null, master = null, noise = null, volume = 1;
  var piece = null;   // { name, song, loop, gain, start, next }
  var wanted = null;  // asked for before sound was allowed
  var scheduled = 0;
  var LOOKAHEAD = 0.4;

  // A voice's sound by General MIDI family.
  function wave(prog) {
    if (prog >= 16 && prog < 24) return 'square';        // organs
    if (prog >= 40 && prog < 56) return 'sawtooth';      // strings and choirs
    if (prog >= 64 && prog < 80) return 'sine';          // reeds and pipes
    return 'triangle';                                   // keys, plucked, basses
  }

  function playNote(n, at, out) {
    var g = ctx.createGain(), peak = 0.12 * n.vel / 127, end = at + n.dur;
    g.gain.setValueAtTime(0, at);
    if (n.ch === 9) {
      // Drums: a burst of noise, higher for the higher notes.
      var src = ctx.createBufferSource(), band = ctx.createBiquadFilter();
      src.buffer = noise;
      band.type = 'bandpass';
      band.frequency.value = 200 + (n.note - 35) * 120;
      g.gain.linearRampToValueAtTime(peak * 1.5, at + 0.005);
      g.gain.exponentialRampToValueAtTime(0.0001, at + 0.18);
      src.connect(band).connect(g).connect(out);
      src.start(at);
      src.stop(at + 0.2);
      return;
    }
    var osc = ctx.createOscillator(), type = wave(n.prog);
    osc.type = type;
    osc.frequency.value = 440 * Math.pow(2, (n.note - 69) / 12);
    if (type === 'square' || type === 'sawtooth') peak *= 0.45;
    g.gain.linearRampToValueAtTime(peak, at + 0.015);
    g.gain.linearRampToValueAtTime(peak * 0.7, at + Math.min(0.2, n.dur));
    g.gain.setValueAtTime(peak * 0.7, end);
    g.gain.linearRampToValueAtTime(0, end + 0.12);
    osc.connect(g).connect(out);
    osc.start(at);
    osc.stop(end + 0.15);
  }

  function schedule() {
    if (!ctx || !piece) return;
    var song = piece.song, until = ctx.currentTime + LOOKAHEAD;
    for (;;) {
      if (piece.next >= song.notes.length) {
        if (!piece.loop || song.length <= 0) return;
        piece.start += song.length;
        piece.next = 0;
      }
      var n = song.notes[piece.next];
      if (piece.start + n.t > until) return;
      if (piece.start + n.t >= ctx.currentTime - 0.05) {
        playNote(n, Math.max(ctx.currentTime, piece.start + n.t), piece.gain);
        scheduled++;
      }
      piece.next++;
    }
  }

  function stop() {
    if (piece && ctx) {
      var g = piece.gain;
      g.gain.setTargetAtTime(0, ctx.currentTime, 0.03);
      setTimeout(function () { g.disconnect(); }, 300);
    }
    piece = null;
  }

  function start(name, song, loop) {
    stop();
    var g = ctx.createGain();
    g.connect(master);
    piece = { name: name, song: song, loop: loop, gain: g, start: ctx.currentTime + 0.05, next: 0 };
    schedule();
  }

  // The first click or key press lets the page make sound.
  function allow() {
    if (ctx) return;
    var Context = window.AudioContext || window.webkitAudioContext;
    if (!Context) return;
    ctx = new Context();
    master = ctx.createGain();
    master.gain.value = volume;
    master.connect(ctx.destination);
    noise = ctx.createBuffer(1, ctx.sampleRate / 4, ctx.sampleRate);
    var d = noise.getChannelData(0);
    for (var i = 0; i < d.length; i++) d[i] = Math.random() * 2 - 1;
    setInterval(schedule, 100);
    if (wanted) start(wanted.name, wanted.song, wanted.loop);
    wanted = null;
  }
  window.addEventListener('pointerdown', allow, true);
  window.addEventListener('keydown', allow, true);

  return {
    // bytes: the file's contents; an unreadable piece leaves silence.
    play: function (name, bytes, loop) {
      var song = bytes && parse(bytes);
      if (!song || !song.notes.length) { stop(); wanted = null; return; }
      if (ctx) start(name, song, loop);
      else wanted = { name: name, song: song, loop: loop };
    },
    stop: function () { stop(); wanted = null; },
    volume: function (v) {
      volume = Math.max(0, Math.min(255, v)) / 255;
      if (master) master.gain.value = volume;
    },
    // For the page's test: what plays, and how many notes went to the sound card.
    state: function () {
      return { piece: piece ? piece.name : wanted ? wanted.name : '', sound: ctx ? ctx.state : 'not allowed yet',
               notes: scheduled };
    },
    parse: parse
  };
})();
