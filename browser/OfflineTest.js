// The site offline: headless Chromium visits once, saves an option, a maze
// and a replay, waits for the service worker to control the page, then loses
// the network (the browser set offline and the server stopped), reloads, and
// must show the first frame, keep the saves and start a game. Then the server
// comes back with a new build of the site: the next visit must replace the old
// build's cache with the new one's.
//   node OfflineTest.js SITE_DIR
// Prints each check (every line says offline); exits non-zero on a failure.
'use strict';
const {execFileSync} = require('child_process');
const fs = require('fs');
const http = require('http');
const os = require('os');
const path = require('path');
const puppeteer = require('puppeteer-core');

const [siteDir] = process.argv.slice(2);
const State = {GameModeMenu: 1, CustomGameMenu: 4, LevelEditor: 12, Playing: 14};
const HumanGulper = 2;  // a bit of GulpwiseTouchPlayers
// Where the buttons are, in game pixels (the panels' fixed places).
const At = {play: [44, 270], editor: [44, 336], customGame: [72, 347], gulperSide: [98, 233],
            start: [72, 361], editorSave: [301, 368], wallCell: [327, 108]};
const Types = {'.html': 'text/html', '.js': 'text/javascript', '.wasm': 'application/wasm',
               '.png': 'image/png', '.webmanifest': 'application/manifest+json'};

let failures = 0;
function check(ok, what) {
  console.log((ok ? 'ok   ' : 'FAIL ') + 'offline: ' + what);
  if (!ok) failures++;
}

// Serves a folder on the port given (0: one the system picks); resolves to the server.
function serve(dir, port) {
  const server = http.createServer((request, response) => {
    const file = path.join(dir, path.normalize(decodeURI(request.url.split('?')[0])).replace(/^\/+/, '') || 'index.html');
    fs.readFile(file.endsWith(path.sep) ? file + 'index.html' : file, (error, data) => {
      if (error) { response.writeHead(404); response.end(); return; }
      response.writeHead(200, {'Content-Type': Types[path.extname(file)] || 'application/octet-stream'});
      response.end(data);
    });
  });
  return new Promise(resolve => server.listen(port, '127.0.0.1', () => resolve(server)));
}
function stop(server) {
  return new Promise(resolve => { server.close(resolve); server.closeAllConnections(); });
}

(async () => {
  // A copy of the site, so that a new build of it can be made in place.
  const site = fs.mkdtempSync(path.join(os.tmpdir(), 'gulpwise-site-'));
  fs.cpSync(siteDir, site, {recursive: true});
  let server = await serve(site, 0);
  const port = server.address().port;
  const url = `http://127.0.0.1:${port}/`;
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'gulpwise-browser-'));
  const browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium', headless: true, userDataDir: profile,
    args: ['--no-sandbox', '--autoplay-policy=no-user-gesture-required']});
  const page = await browser.newPage();
  const errors = [];
  page.on('pageerror', error => errors.push(String(error)));
  await page.setViewport({width: 1100, height: 900});

  const waitForState = (state, ms = 5000) =>
    page.waitForFunction(s => Module._GulpwiseGameState() === s, {timeout: ms, polling: 20}, state);
  const flushed = () => page.waitForFunction(() => !Module.savesPending(), {timeout: 5000, polling: 20});
  async function click([x, y]) {
    const [left, top, scale] = await page.evaluate(() => {
      const r = canvas.getBoundingClientRect();
      return [r.left, r.top, r.width / 504];
    });
    await page.mouse.click(left + (x + 0.5) * scale, top + (y + 0.5) * scale);
  }
  const firstFrame = () => page.waitForFunction(() => Module.firstFrameAt > 0, {timeout: 20000, polling: 20});
  const saves = () => page.evaluate(() => ({
    gulperHuman: (Module._GulpwiseTouchPlayers() & 2) !== 0,
    maze: Array.from(Module.mazeFile() ? Module.mazeFile().bytes : []).join(','),
    replays: Module.replayFiles().join(' ')}));
  const cacheNames = () => page.evaluate(() => caches.keys());
  let doing = '';  // the step under way, named when it fails

  try {
    // The first visit: saves made, the worker in control.
    doing = 'visiting and saving';
    await page.goto(url);
    await firstFrame();
    await click(At.play);
    await waitForState(State.GameModeMenu);
    await click(At.customGame);
    await waitForState(State.CustomGameMenu);
    await click(At.gulperSide);  // the gulper's side: Human to the computer
    await page.waitForFunction(bit => (Module._GulpwiseTouchPlayers() & bit) === 0, {timeout: 5000, polling: 20},
                               HumanGulper);
    await click(At.start);
    await waitForState(State.Playing, 10000);
    // A level left after some play: its replay is kept.
    const framesRun = () => page.evaluate(() => Module._GulpwiseFramesRun(Module.gulpwiseGame));
    await page.waitForFunction(n => Module._GulpwiseFramesRun(Module.gulpwiseGame) > n,
                               {timeout: 5000, polling: 20}, await framesRun() + 10);
    await page.keyboard.press('Escape');
    await waitForState(State.CustomGameMenu);
    await page.keyboard.press('Escape');
    await waitForState(State.GameModeMenu);
    await page.keyboard.press('Escape');
    await waitForState(0);
    await click(At.editor);
    await waitForState(State.LevelEditor);
    await click(At.wallCell);
    const savesBefore = await page.evaluate(() => Module.savesFlushed);
    await click(At.editorSave);
    await page.waitForFunction(n => Module.savesFlushed > n && !Module.savesPending(),
                               {timeout: 5000, polling: 20}, savesBefore);
    await page.evaluate(() => Module._GulpwiseSaveOptions());
    await flushed();
    const before = await saves();
    doing = 'waiting for the service worker';
    await page.waitForFunction(() => navigator.serviceWorker.controller !== null, {timeout: 20000, polling: 50});
    const [oldCache] = await cacheNames();
    const manifest = await page.evaluate(async () => {
      const link = document.querySelector('link[rel="manifest"]');
      const response = await fetch(link.href);
      return response.json();
    });
    const icons = (manifest.icons || []).map(icon => icon.sizes).join(' ');
    check(manifest.display === 'standalone' && icons.includes('192x192') && icons.includes('512x512'),
          `the page has a web app manifest for an installable app (${manifest.display}, icons ${icons})`);
    const iconsLoad = await page.evaluate(async () => {
      for (const size of [192, 512]) {
        const image = new Image();
        image.src = `gulpwise_${size}.png`;
        await image.decode();
        if (image.naturalWidth !== size || image.naturalHeight !== size) return false;
      }
      return true;
    });
    check(iconsLoad, 'the icons are PNG pictures of 192 and 512 pixels');
    check(before.replays.length > 0 && before.maze.length > 0 && !before.gulperHuman,
          `a worker controls the page after one visit, with saves made (replays ${before.replays})`);

    // No network: the browser offline and the server gone.
    doing = 'reloading offline';
    await stop(server);
    await page.setOfflineMode(true);
    await page.reload();
    await firstFrame();
    const loadMs = await page.evaluate(() => Module.firstFrameAt);
    check(true, `with the network off the page reloads and shows its first frame (${loadMs.toFixed(0)} ms)`);
    const after = await saves();
    check(after.gulperHuman === before.gulperHuman && after.maze === before.maze &&
          after.replays === before.replays, 'the saves stay: the option, the maze and the replays');
    doing = 'starting a game offline';
    await click(At.play);
    await waitForState(State.GameModeMenu);
    await click(At.customGame);
    await waitForState(State.CustomGameMenu);
    await click(At.start);
    await waitForState(State.Playing, 10000);
    check(true, 'a game starts with the network off');
    await page.keyboard.press('Escape');
    await waitForState(State.CustomGameMenu);

    // A new build: one file changed, its worker written again by the build's own script.
    doing = 'visiting a new build';
    fs.appendFileSync(path.join(site, 'page.js'), '\n// a new build\n');
    execFileSync('cmake', [`-DSITE=${site}`, `-DTEMPLATE=${path.join(__dirname, 'sw.js')}`,
                           '-P', path.join(__dirname, 'Worker.cmake')]);
    const newVersion = /var Version = '([0-9a-f]+)'/.exec(fs.readFileSync(path.join(site, 'sw.js'), 'utf8'))[1];
    check(oldCache !== 'gulpwise-' + newVersion, `a new build has a new cache name (${oldCache} to gulpwise-${newVersion})`);
    server = await serve(site, port);
    await page.setOfflineMode(false);
    await page.reload();
    await firstFrame();
    await page.waitForFunction(async name => {
      const names = await caches.keys();
      return names.length === 1 && names[0] === name;
    }, {timeout: 20000, polling: 100}, 'gulpwise-' + newVersion);
    await page.reload();
    await firstFrame();
    const newPage = await page.evaluate(async () => (await (await fetch('page.js')).text()).includes('a new build'));
    check(newPage, 'the next visit replaces the old cache with the new build\'s, and serves the new files');
    check(errors.length === 0, `the page shows no errors${errors.length ? ': ' + errors.join(' | ') : ''}`);
  } catch (error) {
    check(false, `the session ran to its end (it failed while ${doing}): ${error}`);
  } finally {
    await browser.close();
    await stop(server);
    fs.rmSync(profile, {recursive: true, force: true});
    fs.rmSync(site, {recursive: true, force: true});
  }
  console.log(failures ? `${failures} offline checks failed` : 'every offline check passed');
  process.exit(failures ? 1 : 0);
})();
