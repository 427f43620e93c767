// Online play from the page in a real browser, through the relay, against the
// desktop's headless peer: the relay serves the site (--site) on a port the
// OS chooses, headless Chromium opens it, and gulpwise-netpeer plays the other side.
//   node OnlineTest.js BUILD_DIR SITE_DIR [SCREENSHOT_DIR]
// Prints each check (every line with "online" in it); exits non-zero on a failure.
'use strict';
const {spawn, spawnSync} = require('child_process');
const fs = require('fs');
const http = require('http');
const os = require('os');
const path = require('path');
const readline = require('readline');
const puppeteer = require('puppeteer-core');

const [buildDir, siteDir, shotDir] = process.argv.slice(2);
const Relay = path.join(buildDir, 'relayserver/gulpwise-relay');
const NetPeer = path.join(buildDir, 'tools/netpeer/gulpwise-netpeer');
const Sim = path.join(buildDir, 'tools/sim/gulpwise-sim');
const CodePattern = /^[ABCDEFGHJKMNPQRSTUVWXYZ23456789]{6}$/;
const LevelSeconds = 8;  // the level's time limit, set by the peer that hosts it
// Where the buttons are, in game pixels: the main menu's Play, the online screen's "Join online".
const At = {play: [44, 270], join: [72, 282]};
const Timeout = 60000;   // the longest any one thing is waited for, in milliseconds

let failures = 0;
function check(ok, what) {
  console.log((ok ? 'ok   ' : 'FAIL ') + what);
  if (!ok) failures++;
}

// A program started with its output read line by line: lines() has them all
// so far; line(pattern) waits for one that matches and gives its match.
function start(program, args) {
  const child = spawn(program, args, {stdio: ['ignore', 'pipe', 'pipe']});
  const seen = [], waiting = [];
  let ended = false;
  const take = text => {
    seen.push(text);
    for (const w of waiting.slice()) {
      const match = w.pattern.exec(text);
      if (match) { waiting.splice(waiting.indexOf(w), 1); w.resolve(match); }
    }
  };
  readline.createInterface({input: child.stdout}).on('line', take);
  readline.createInterface({input: child.stderr}).on('line', line => seen.push('stderr: ' + line));
  const exited = new Promise(resolve => child.on('exit', code => {
    ended = true;
    for (const w of waiting.splice(0)) w.reject(new Error(`${path.basename(program)} ended without "${w.pattern.source}": ${seen.join(' | ')}`));
    resolve(code);
  }));
  return {
    child, exited, lines: () => seen,
    line(pattern, ms = Timeout) {
      for (const text of seen) { const match = pattern.exec(text); if (match) return Promise.resolve(match); }
      if (ended) return Promise.reject(new Error(`${path.basename(program)} ended without "${pattern.source}": ${seen.join(' | ')}`));
      return new Promise((resolve, reject) => {
        const w = {pattern, resolve, reject};
        waiting.push(w);
        setTimeout(() => {
          if (waiting.includes(w)) {
            waiting.splice(waiting.indexOf(w), 1);
            reject(new Error(`no "${pattern.source}" from ${path.basename(program)} in ${ms} ms: ${seen.join(' | ')}`));
          }
        }, ms);
      });
    },
    stop() { if (!ended) child.kill('SIGTERM'); return exited; },
  };
}

// The hash after a replay's last frame: the file's last 8 bytes, little-endian.
const endHash = bytes => Buffer.from(bytes).readBigUInt64LE(bytes.length - 8).toString(16).padStart(16, '0');

function verify(file) {
  const run = spawnSync(Sim, ['--verify', file], {encoding: 'utf8'});
  return {ok: run.status === 0 && /: OK$/m.test(run.stdout), text: (run.stdout + run.stderr).trim()};
}

(async () => {
  const temp = fs.mkdtempSync(path.join(os.tmpdir(), 'gulpwise-online-'));
  const profile = path.join(temp, 'profile');
  const relay = start(Relay, ['--port', '0', '--site', siteDir]);
  const peers = [];
  let browser = null, plain = null;
  try {
    const port = (await relay.line(/gulpwise-relay listening on [^ ]+:(\d+)/))[1];
    const base = `http://127.0.0.1:${port}/`, relayUrl = `ws://127.0.0.1:${port}/`;
    browser = await puppeteer.launch({
      executablePath: process.env.CHROMIUM || '/usr/bin/chromium', headless: true, userDataDir: profile,
      args: ['--no-sandbox', '--autoplay-policy=no-user-gesture-required']});
    const errors = [];
    async function open(url, context = browser) {
      const page = await context.newPage();
      page.on('console', message => { if (message.type() === 'error') errors.push(message.text()); });
      page.on('pageerror', error => errors.push(String(error)));
      await page.setViewport({width: 1100, height: 900});
      await page.goto(url);
      await page.waitForFunction(() => Module.firstFrameAt > 0, {timeout: 20000, polling: 20});
      return page;
    }
    const shot = async (page, name) => {
      if (shotDir) await page.screenshot({path: path.join(shotDir, name + '.png')});
    };
    const newContext = () => (browser.createBrowserContext || browser.createIncognitoBrowserContext).call(browser);
    // A click on the picture, in game pixels.
    async function click(page, [x, y]) {
      const [left, top, scale] = await page.evaluate(() => {
        const r = canvas.getBoundingClientRect();
        return [r.left, r.top, r.width / 504];
      });
      await page.mouse.click(left + (x + 0.5) * scale, top + (y + 0.5) * scale);
      await page.waitForFunction(n => Module._GulpwiseFramesRun(Module.gulpwiseGame) > n + 2,
                                 {polling: 20}, await page.evaluate(() => Module._GulpwiseFramesRun(Module.gulpwiseGame)));
    }
    const online = page => page.evaluate(() => Module.online);
    const waitOnline = (page, test, ms = Timeout) =>
      page.waitForFunction(`(${test})(Module.online)`, {timeout: ms, polling: 50});

    // "Play online" makes a room and shows its link; the desktop peer joins by the code.
    const host = await open(base);
    await host.click('#play-online');
    await waitOnline(host, o => o.link !== '');
    const hosting = await online(host);
    check(CodePattern.test(hosting.code) && hosting.link === `${base}?room=${hosting.code}`,
          `online: "Play online" shows the room's link to share (${hosting.link})`);
    check(await host.$eval('#online-share', e => !e.hidden && e.querySelector('button').textContent === 'Copy'),
          'online: the link has a copy button');
    await shot(host, 'online-room');
    // Another browser opens the link and joins the room: browser against browser.
    const guest = await open(hosting.link, await newContext());
    await waitOnline(guest, o => o.role === 'join' && o.phase === 'lobby');
    await waitOnline(host, o => o.phase === 'lobby');
    check(true, 'online: another page opens the link ?room=CODE and joins the room');
    await shot(host, 'online-lobby');
    await guest.close();
    await host.close();

    // The desktop peer hosts a level; the page joins it through the game's
    // own online screen (Play, O, the code typed, "Join online") and a second
    // page watches it by ?watch=CODE. Both players end the level with the
    // same hash, and both replays verify.
    const replays = path.join(temp, 'replays');
    fs.mkdirSync(replays);
    // Paced at the real frame rate, as a desktop game plays: its level's end
    // pause then lasts long enough for the page to play the level's last
    // frames before the host leaves.
    const peer = start(NetPeer, ['--relay', relayUrl, '--create', '--time', String(LevelSeconds),
                                 '--seed', '7', '--paced', '--replays', replays]);
    peers.push(peer);
    const code = (await peer.line(/^room (\w+)$/))[1];
    const player = await open(base);
    const before = await player.evaluate(() => Module.replayFiles().length);
    await click(player, At.play);
    await player.keyboard.press('o');
    await player.keyboard.type(code.toLowerCase());
    await shot(player, 'online-screen');
    await click(player, At.join);
    await waitOnline(player, o => o.role === 'join' && (o.phase === 'lobby' || o.phase === 'level'));
    check(true, 'online: the page joins the desktop peer\'s room through the game\'s own online screen');
    // The spectator in a browser context of its own: its storage is not the player's.
    const watcher = await open(`${base}?watch=${code}`, await newContext());
    await waitOnline(watcher, o => o.role === 'watch' && ['lobby', 'level', 'ended'].includes(o.phase));
    check(true, 'online: ?watch=CODE reaches a watching state');
    await shot(watcher, 'online-watch');
    await shot(player, 'online-level');
    const line = await peer.line(/^level 1: .*end hash ([0-9a-f]{16})$/, Timeout + LevelSeconds * 1000);
    await player.waitForFunction(n => Module.replayFiles().length > n, {timeout: Timeout, polling: 100}, before);
    const files = (await player.evaluate(() => Module.replayFiles())).sort();
    const bytes = await player.evaluate(name => Array.from(Module.replayBytes(name)), files[files.length - 1]);
    const pageReplay = path.join(temp, 'page.gwr');
    fs.writeFileSync(pageReplay, Buffer.from(bytes));
    const pageHash = endHash(bytes), peerHash = line[1];
    check(pageHash === peerHash, `online: the page and the desktop peer end the level with the same hash (${pageHash}, ${peerHash})`);
    const pageCheck = verify(pageReplay), peerCheck = verify(path.join(replays, 'level_1.gwr'));
    check(pageCheck.ok, `online: the page's replay verifies (${pageCheck.text})`);
    check(peerCheck.ok, `online: the desktop peer's replay verifies (${peerCheck.text})`);
    check(await peer.exited === 0, 'online: the desktop peer ends well');
    check(errors.length === 0, `online: the console shows no errors${errors.length ? ': ' + errors.join(' | ') : ''}`);

    // Without a relay (a plain static server) the page still loads, and "Play online" says so.
    plain = http.createServer((request, response) => {
      const name = request.url.split('?')[0].replace(/^\/+/, '') || 'index.html';
      fs.readFile(path.join(siteDir, path.basename(name)), (error, data) => {
        response.writeHead(error ? 404 : 200);
        response.end(error ? undefined : data);
      });
    });
    await new Promise(resolve => plain.listen(0, '127.0.0.1', resolve));
    const alone = await open(`http://127.0.0.1:${plain.address().port}/`);
    await alone.click('#play-online');
    await alone.waitForFunction(() => /relay cannot be reached/.test(document.getElementById('online-note').textContent),
                                {timeout: Timeout, polling: 50});
    check(true, 'online: without a relay, "Play online" says the relay cannot be reached');
    await shot(alone, 'online-no-relay');
    // ?relay=URL names the relay: the same page then hosts a room there, and its link keeps the relay.
    const named = await open(`http://127.0.0.1:${plain.address().port}/?relay=${encodeURIComponent(relayUrl)}`);
    await named.click('#play-online');
    await waitOnline(named, o => o.link !== '');
    const elsewhere = await online(named);
    check(elsewhere.link.endsWith(`?room=${elsewhere.code}&relay=${encodeURIComponent(relayUrl)}`),
          `online: ?relay=URL names the relay, and the room's link keeps it (${elsewhere.link})`);
  } catch (error) {
    check(false, 'online: the session ran to its end: ' + error);
  } finally {
    if (browser) await browser.close();
    if (plain) plain.close();
    for (const peer of peers) await peer.stop();
    await relay.stop();
    fs.rmSync(temp, {recursive: true, force: true});
  }
  console.log(failures ? `${failures} online checks failed` : 'every online check passed');
  process.exit(failures ? 1 : 0);
})();
