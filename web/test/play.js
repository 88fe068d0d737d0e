// play.js -- make web-test: serves the browser build on this machine and plays it in headless Chromium
//
//   node web/test/play.js SITE OUT
// SITE is build/web; the screenshots go to OUT.  A new player is made by
// clicking and typing, the village must be shown, P must leave a screenshot,
// and after a reload the player's files must come back from IndexedDB and his
// game load.
'use strict';

const fs = require('fs');
const http = require('http');
const os = require('os');
const path = require('path');
const puppeteer = require('puppeteer-core');
const zlib = require('zlib');

const [site, out] = process.argv.slice(2);
if (!site || !out) {
  console.error('usage: node play.js SITE OUT');
  process.exit(2);
}
fs.mkdirSync(out, { recursive: true });

const TYPES = { '.html': 'text/html', '.js': 'text/javascript', '.wasm': 'application/wasm',
                '.data': 'application/octet-stream' };

// Any static server does; this one keeps the test to Node alone.
function serve(dir) {
  const root = path.resolve(dir);
  const server = http.createServer((req, res) => {
    const name = decodeURIComponent(req.url.split('?')[0]);
    const file = path.join(root, name === '/' ? 'index.html' : path.normalize(name));
    if (!file.startsWith(root + path.sep) || !fs.existsSync(file) || fs.statSync(file).isDirectory()) {
      res.writeHead(404);
      res.end();
      return;
    }
    res.writeHead(200, { 'Content-Type': TYPES[path.extname(file)] || 'application/octet-stream' });
    fs.createReadStream(file).pipe(res);
  });
  return new Promise((resolve) => server.listen(0, '127.0.0.1', () => resolve(server)));
}

const sleep = (ms) => new Promise((r) => setTimeout(r, ms));

let failures = 0, checks = 0;
function check(ok, what) {
  checks++;
  if (!ok) failures++;
  console.log((ok ? 'ok   ' : 'FAIL ') + what);
}

async function waitFor(page, fn, what, ms = 60000, arg) {
  try {
    await page.waitForFunction(fn, { timeout: ms, polling: 200 }, arg);
    return true;
  } catch (e) {
    check(false, what + ' (waited ' + ms / 1000 + ' s)');
    return false;
  }
}

// How many of the canvas's pixels in a game rectangle are not black.
function litPixels(page, x, y, w, h) {
  return page.evaluate((x, y, w, h) => {
    const c = document.getElementById('canvas').getContext('2d').getImageData(x, y, w, h).data;
    let lit = 0;
    for (let i = 0; i < c.length; i += 4) if (c[i] + c[i + 1] + c[i + 2] > 24) lit++;
    return lit / (w * h);
  }, x, y, w, h);
}

// The bytes of a PNG's rows (filter bytes included), its sums checked; -1 for no PNG.
function pngRows(png) {
  if (png.length < 8 || png.toString('latin1', 1, 4) !== 'PNG') return -1;
  const idat = [];
  for (let at = 8; at + 12 <= png.length;) {
    const len = png.readUInt32BE(at), type = png.toString('latin1', at + 4, at + 8);
    if (type === 'IDAT') idat.push(png.subarray(at + 8, at + 8 + len));
    at += 12 + len;
  }
  try {
    return zlib.inflateSync(Buffer.concat(idat)).length;
  } catch (e) {
    return -1;
  }
}

// Game pixel (x, y) on the page, by the canvas's place and scale.
async function at(page, x, y) {
  const r = await page.evaluate(() => {
    const b = document.getElementById('canvas').getBoundingClientRect();
    return { left: b.left, top: b.top, scale: b.width / 640 };
  });
  return [r.left + (x + 0.5) * r.scale, r.top + (y + 0.5) * r.scale, r.scale];
}

async function click(page, x, y) {
  const [px, py] = await at(page, x, y);
  await page.mouse.move(px, py);
  await sleep(150);   // a few frames: the game's pointer gets there first
  await page.mouse.down();
  await sleep(80);
  await page.mouse.up();
}

async function start(page, url) {
  await page.goto(url, { waitUntil: 'load' });
  return waitFor(page, () => window.Module && Module.hmFrameStats && Module.hmFrameStats().frames > 30,
                 'the game runs its frames');
}

async function main() {
  const server = await serve(site);
  const url = 'http://127.0.0.1:' + server.address().port + '/';
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'hm-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    headless: true,
    userDataDir: profile,
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
           '--disable-component-update', '--disable-sync', '--disable-dev-shm-usage'],
  });
  try {
    const page = await browser.newPage();
    page.on('pageerror', (e) => check(false, 'no error on the page: ' + e.message));
    page.on('console', (m) => { if (m.type() === 'error' || process.env.HM_VERBOSE) console.log('page: ' + m.text()); });
    // Room for the picture twice over: the page must scale it by a whole step.
    await page.setViewport({ width: 1400, height: 960 });

    if (!(await start(page, url))) return;
    const [, , scale] = await at(page, 0, 0);
    check(scale === 2, 'the picture is scaled by a whole step (' + scale + ')');
    await sleep(1500);
    check((await litPixels(page, 0, 0, 640, 400)) > 0.3, 'the title is shown');
    await page.screenshot({ path: path.join(out, 'title.png') });

    // A new player: the title's new-player line, a name, Enter.
    await click(page, 330, 212);
    await sleep(500);
    await page.keyboard.type('tester', { delay: 120 });
    await page.keyboard.press('Enter', { delay: 60 });
    await sleep(2500);
    // The opening narration's button.
    await click(page, 303, 126);
    await sleep(2500);
    // The clicks let the page make sound: the village's piece plays.
    const music = await page.evaluate(() => HollowmereMusic.state());
    check(music.piece === 'm2.mid' && music.notes > 0,
          'the village\'s music plays (' + music.piece + ', ' + music.notes + ' notes, sound ' + music.sound + ')');
    const view = await litPixels(page, 20, 20, 400, 240);
    check(view > 0.8, 'the village fills the view (' + (view * 100).toFixed(0) + '% lit)');
    await page.screenshot({ path: path.join(out, 'village.png') });

    // P: a screenshot of the game's own, kept with the player's files.
    await page.keyboard.press('KeyP', { delay: 60 });
    await waitFor(page, () => Module.FS.readdir('/kept').some((f) => /^hollowmere-\d+\.png$/.test(f)),
                  'the P screenshot is kept', 10000);
    const shot = await page.evaluate(() => {
      const name = Module.FS.readdir('/kept').find((f) => /^hollowmere-\d+\.png$/.test(f));
      return name ? Array.from(Module.FS.readFile('/kept/' + name)) : [];
    });
    if (shot.length) fs.writeFileSync(path.join(out, 'game-shot.png'), Buffer.from(shot));
    check(pngRows(Buffer.from(shot)) === 400 * (1 + 640 * 3), 'the game\'s screenshot is a PNG of the whole screen');

    // The frame budget: what the game's own work takes per frame, in this browser.
    await sleep(3000);
    const s = await page.evaluate(() => Module.hmFrameStats());
    console.log('frame work in the browser: ' + s.mean.toFixed(2) + ' ms mean, ' + s.p95.toFixed(2) +
                ' ms at the 95th percentile, ' + s.max.toFixed(2) + ' ms worst, over the last ' +
                Math.min(s.frames, 600) + ' of ' + s.frames + ' frames; a frame every ' + s.period.toFixed(1) + ' ms (median)');
    check(s.p95 <= 24, 'a frame\'s work fits in 24 ms (95th percentile ' + s.p95.toFixed(2) + ' ms)');

    // The player's files are in IndexedDB: a reload finds them.
    await waitFor(page, () => Module.hmStores > 0 && Module.FS.readdir('/kept').includes('tester.cha'),
                  'the save is stored', 10000);
    await sleep(1000);
    if (!(await start(page, url))) return;
    const back = await page.evaluate(() => ({
      names: new TextDecoder().decode(Module.FS.readFile('/hollowmere/pnames.txt')),
      save: Module.FS.readdir('/hollowmere').includes('tester.cha'),
    }));
    check(back.names.includes('tester') && back.save, 'after a reload the player and his save are back');
    // ... and the game loads him: Players, his row, Load.
    await sleep(1500);
    await click(page, 330, 188);
    await sleep(800);
    await page.screenshot({ path: path.join(out, 'players-after-reload.png') });
    await click(page, 300, 55);
    await sleep(300);
    await click(page, 320, 212);
    await sleep(3000);
    const loaded = await litPixels(page, 20, 20, 400, 240);
    check(loaded > 0.8, 'the saved game is loaded after the reload (' + (loaded * 100).toFixed(0) + '% of the view lit)');
    await page.screenshot({ path: path.join(out, 'loaded-after-reload.png') });
  } catch (e) {
    check(false, 'the test ran to its end: ' + e.message);
  } finally {
    await browser.close();
    server.close();
    fs.rmSync(profile, { recursive: true, force: true });
    console.log(checks - failures + ' passed, ' + failures + ' failed');
    process.exitCode = failures ? 1 : 0;
  }
}

main().catch((e) => {
  console.error(e);
  process.exit(1);
});
