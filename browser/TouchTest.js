// The site on a phone: headless Chromium with touch emulation, in portrait
// (390 x 844) and landscape (844 x 390), plays a custom game by touch alone:
// started by taps, steered by swipes, ghosts selected by a tap, by a box and
// with the group button, sent by a tap on a cell, paused, and ended by the
// Back button; the page must never scroll or zoom and the picture must fit.
//   node TouchTest.js SITE_DIR [SCREENSHOT_DIR]
// Prints each check (every line says touch); exits non-zero on a failure.
'use strict';
const fs = require('fs');
const http = require('http');
const path = require('path');
const puppeteer = require('puppeteer-core');

const [siteDir, shotDir] = process.argv.slice(2);
const Width = 504, Height = 378, CellSize = 18, Columns = 28, Rows = 20;
const State = {GameModeMenu: 1, CustomGameMenu: 4, ControlsInGame: 11, Playing: 14, Paused: 15};
const Players = {InPlay: 1, HumanGulper: 2, HumanGhosts: 4};  // GulpwiseTouchPlayers' bits
const Direction = {right: 0, left: 1, up: 2, down: 3};
const Ghost = {Selected: 0, GoalX: 1, GoalY: 2, CentreX: 3, CentreY: 4};  // GulpwiseGhostField's fields
const Wall = 1;
// Where the buttons are, in game pixels (the panels' fixed places).
const At = {play: [44, 270], customGame: [72, 347], gulperSide: [98, 233], ghostsSide: [98, 269],
            start: [72, 361]};
const Types = {'.html': 'text/html', '.js': 'text/javascript', '.wasm': 'application/wasm'};
const Phones = [{name: 'portrait', width: 390, height: 844}, {name: 'landscape', width: 844, height: 390}];

let failures = 0;
function check(ok, what) {
  console.log((ok ? 'ok   ' : 'FAIL ') + 'touch: ' + what);
  if (!ok) failures++;
}

function serve(dir) {
  const server = http.createServer((request, response) => {
    const file = path.join(dir, path.normalize(decodeURI(request.url.split('?')[0])).replace(/^\/+/, '') || 'index.html');
    fs.readFile(file.endsWith(path.sep) ? file + 'index.html' : file, (error, data) => {
      if (error) { response.writeHead(404); response.end(); return; }
      response.writeHead(200, {'Content-Type': Types[path.extname(file)] || 'application/octet-stream'});
      response.end(data);
    });
  });
  return new Promise(resolve => server.listen(0, '127.0.0.1', () => resolve(server)));
}

// One phone: a fresh browser profile at the phone's size, played by touch.
async function playPhone(browser, url, phone) {
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  const errors = [];
  page.on('console', message => { if (message.type() === 'error') errors.push(message.text()); });
  page.on('pageerror', error => errors.push(String(error)));
  await page.setViewport({width: phone.width, height: phone.height, isMobile: true, hasTouch: true,
                          deviceScaleFactor: 1});
  const cdp = await page.createCDPSession();
  const name = what => `${what} (${phone.name})`;
  const shot = async what => {
    if (shotDir) await page.screenshot({path: path.join(shotDir, `touch-${phone.name}-${what}.png`)});
  };
  const call = (fn, ...args) => page.evaluate((fn, args) => Module['_' + fn](...args), fn, args);
  const waitFor = (fn, args, wanted, ms = 5000) => page.waitForFunction(
    (fn, args, wanted) => Module['_' + fn](...args) === wanted, {timeout: ms, polling: 20}, fn, args, wanted);
  const waitForState = (state, ms) => waitFor('GulpwiseGameState', [], state, ms);

  // Touches, in CSS pixels of the page.
  const touch = (type, points) => cdp.send('Input.dispatchTouchEvent',
    {type, touchPoints: points.map(([x, y], id) => ({x, y, id}))});
  const tap = async point => { await touch('touchStart', [point]); await touch('touchEnd', []); };
  async function drag(from, to, steps = 8) {
    await touch('touchStart', [from]);
    for (let i = 1; i <= steps; i++)
      await touch('touchMove', [[from[0] + (to[0] - from[0]) * i / steps, from[1] + (to[1] - from[1]) * i / steps]]);
    await touch('touchEnd', []);
  }
  // A game pixel's place on the page.
  async function onPage([x, y]) {
    const [left, top, scale] = await page.evaluate(() => {
      const r = canvas.getBoundingClientRect();
      return [r.left, r.top, r.width / 504];
    });
    return [left + (x + 0.5) * scale, top + (y + 0.5) * scale];
  }
  const tapGame = async point => tap(await onPage(point));
  const centreOf = async element => page.evaluate(selector => {
    const r = document.querySelector(selector).getBoundingClientRect();
    return [r.left + r.width / 2, r.top + r.height / 2];
  }, element);
  const tapButton = async key => tap(await centreOf(`#touch [data-key="${key}"]`));
  const players = () => call('GulpwiseTouchPlayers');
  // Sets a side to a person or the computer by tapping its button on the custom game menu.
  async function setSide(bit, button, human) {
    if (((await players() & bit) !== 0) === human) return;
    await tapGame(button);
    await page.waitForFunction((bit, human) => ((Module._GulpwiseTouchPlayers() & bit) !== 0) === human,
                               {timeout: 5000, polling: 20}, bit, human);
  }
  async function startGame() {
    await tapGame(At.start);
    await waitForState(State.Playing, 10000);
  }
  async function swipeOn(selector, way) {
    const [x, y] = selector === 'canvas' ? await onPage([Width / 2, Height / 2]) : await centreOf(selector);
    const d = {right: [60, 0], left: [-60, 0], up: [0, -60], down: [0, 60]}[way];
    await drag([x - d[0] / 2, y - d[1] / 2], [x + d[0] / 2, y + d[1] / 2]);
  }
  async function steer(selector, way) {
    await swipeOn(selector, way);
    await waitFor('GulpwiseGulperDirection', [], Direction[way]);
  }
  const ghostAt = async index => [await call('GulpwiseGhostField', index, Ghost.CentreX),
                                  await call('GulpwiseGhostField', index, Ghost.CentreY)];

  let doing = '';  // the step under way, named when it fails
  try {
    doing = 'loading the page';
    await page.goto(url);
    await page.waitForFunction(() => Module.firstFrameAt > 0, {timeout: 20000, polling: 20});
    const layout = await page.evaluate(() => {
      const c = canvas.getBoundingClientRect(), t = document.getElementById('touch');
      const p = t && t.getBoundingClientRect();
      return {touch: document.body.classList.contains('touch'), left: c.left, right: c.right, top: c.top,
              bottom: c.bottom, width: c.width, innerWidth, innerHeight,
              panel: p && {left: p.left, top: p.top, width: p.width, height: p.height}};
    });
    check(layout.touch && layout.panel && layout.panel.width > 0 && layout.panel.height > 0,
          name('the touch controls are shown on a touch screen'));
    check(layout.left >= 0 && layout.right <= layout.innerWidth + 0.5 && layout.top >= 0 &&
          layout.bottom <= layout.innerHeight + 0.5,
          name(`the picture fits the page (${layout.width.toFixed(1)} px wide of ${layout.innerWidth})`));
    if (phone.name === 'portrait') {
      check(Math.abs(layout.width - layout.innerWidth) < 1 && layout.top === 0 &&
            layout.panel.top >= layout.bottom - 0.5,
            name('the picture is scaled down to the width, on top, with the controls below'));
    } else {
      check(layout.width === Width && layout.panel.left >= layout.right - 0.5,
            name('the picture is at its whole scale 1, with the controls beside it'));
    }
    await shot('menu');

    // A hotseat custom game by taps: a person on each side.
    doing = 'starting a custom game by taps';
    await tapGame(At.play);
    await waitForState(State.GameModeMenu);
    await tapGame(At.customGame);
    await waitForState(State.CustomGameMenu);
    await setSide(Players.HumanGulper, At.gulperSide, true);
    await setSide(Players.HumanGhosts, At.ghostsSide, true);
    check(true, name('taps reach the custom game menu and set both sides to people'));
    await startGame();
    check(true, name('a tap on Start starts the game'));

    // The swipe pad steers the gulper.
    doing = 'steering by swipes on the pad';
    await steer('#pad', 'left');
    await steer('#pad', 'up');
    await steer('#pad', 'right');
    check(true, name('swipes on the pad steer the gulper left, up and right'));

    // A ghost is selected by a tap and sent by a tap on a floor cell.
    doing = 'selecting and sending a ghost by taps';
    const ghosts = await call('GulpwiseGhostCount');
    const first = await ghostAt(0);
    await tapGame(first);
    await waitFor('GulpwiseGhostField', [0, Ghost.Selected], 1);
    const centres = [];
    for (let i = 0; i < ghosts; i++) centres.push(await ghostAt(i));
    let target = null;
    for (let row = 1; row < Rows - 1 && !target; row++) {
      for (let column = 1; column < Columns - 1 && !target; column++) {
        const x = column * CellSize + 9, y = row * CellSize + 9;
        if (await call('GulpwiseCellAt', column, row) !== Wall &&
            centres.every(([gx, gy]) => Math.abs(gx - x) > 40 || Math.abs(gy - y) > 40))
          target = [column, row];
      }
    }
    await tapGame([target[0] * CellSize + 9, target[1] * CellSize + 9]);
    await waitFor('GulpwiseGhostField', [0, Ghost.GoalX], target[0]);
    await waitFor('GulpwiseGhostField', [0, Ghost.GoalY], target[1]);
    check(await call('GulpwiseGhostField', 0, Ghost.Selected) === 1,
          name(`a tap selects ghost 1 and a tap on cell (${target.join(', ')}) sends it there`));
    await shot('game');

    // A tap on a wall lets the selection go; a box drawn around a ghost selects it.
    doing = 'deselecting by a tap on a wall and selecting by a box';
    let wall = null;
    for (let column = 0; column < Columns && !wall; column++)
      if (await call('GulpwiseCellAt', column, 0) === Wall) wall = [column * CellSize + 9, 9];
    await tapGame(wall);
    await waitFor('GulpwiseGhostField', [0, Ghost.Selected], 0);
    const second = ghosts > 1 ? 1 : 0;
    const [sx, sy] = await ghostAt(second);
    const boxFrom = await onPage([sx - 16, sy - 16]), boxTo = await onPage([sx + 16, sy + 16]);
    await drag(boxFrom, boxTo);
    await waitFor('GulpwiseGhostField', [second, Ghost.Selected], 1);
    check(true, name(`a tap on a wall deselects and a box around ghost ${second + 1} selects it`));

    // With the group button on, a tap adds a ghost to the selection.
    doing = 'adding to the selection with Group';
    if (ghosts > 1) {
      await tapButton('group');
      await tapGame(await ghostAt(0));
      await waitFor('GulpwiseGhostField', [0, Ghost.Selected], 1);
      await tapButton('group');
      check(await call('GulpwiseGhostField', second, Ghost.Selected) === 1,
            name('with Group on, a tap adds ghost 1 to the selection'));
    }

    // Pause and the keys help, each left by the same button.
    doing = 'pausing and showing the keys by buttons';
    await tapButton('pause');
    await waitForState(State.Paused);
    await tapButton('pause');
    await waitForState(State.Playing);
    await tapButton('help');
    await waitForState(State.ControlsInGame);
    await shot('keys');
    const names = await page.evaluate(() => [0, 22, 23, 24, 25].map(action =>
      Module.ccall('GulpwiseBoundKeyName', 'string', ['number'], [action])).join(', '));
    check(names === 'right, left shift, p, f1, escape',
          name(`the keys screen names the keys as the desktop does (${names})`));
    await tapButton('help');
    await waitForState(State.Playing);
    check(true, name('the Pause and Keys buttons pause and show the keys, and go back to play'));

    // Back ends the game.
    doing = 'ending the game by Back';
    await tapButton('back');
    await waitForState(State.CustomGameMenu);
    check(true, name('the Back button ends the game and returns to its menu'));

    // Against computer ghosts, a swipe on the maze itself steers; so does a real arrow key.
    doing = 'steering by swipes on the maze and by an arrow key';
    await setSide(Players.HumanGhosts, At.ghostsSide, false);
    await startGame();
    await steer('canvas', 'down');
    await steer('canvas', 'left');
    await page.keyboard.press('ArrowUp');
    await waitFor('GulpwiseGulperDirection', [], Direction.up);
    check(true, name('against computer ghosts, swipes on the maze steer the gulper, and so does an arrow key'));
    await tapButton('back');
    await waitForState(State.CustomGameMenu);

    // Neither swipes nor a pinch moved or zoomed the page.
    doing = 'pinching and swiping the page';
    const pad = await centreOf('#pad');
    await touch('touchStart', [[pad[0] - 10, pad[1]], [pad[0] + 10, pad[1]]]);
    await touch('touchMove', [[pad[0] - 80, pad[1] - 40], [pad[0] + 80, pad[1] + 40]]);
    await touch('touchEnd', []);
    await drag([phone.width / 2, phone.height - 10], [phone.width / 2, 10]);
    const view = await page.evaluate(() => ({
      x: window.scrollX, y: window.scrollY, top: document.scrollingElement.scrollTop,
      scale: window.visualViewport.scale, wide: document.documentElement.scrollWidth,
      tall: document.documentElement.scrollHeight, innerWidth, innerHeight}));
    check(view.x === 0 && view.y === 0 && view.top === 0 && view.scale === 1 &&
          view.wide <= view.innerWidth && view.tall <= view.innerHeight,
          name(`the page never scrolls or zooms (scroll ${view.x},${view.y}, zoom ${view.scale}, ` +
               `content ${view.wide} x ${view.tall})`));
    check(errors.length === 0, name(`the console shows no errors${errors.length ? ': ' + errors.join(' | ') : ''}`));
  } catch (error) {
    check(false, name(`the session ran to its end (it failed while ${doing}): ${error}`));
    await shot('failure');
  } finally {
    await context.close();
  }
}

(async () => {
  const server = await serve(siteDir);
  const url = `http://127.0.0.1:${server.address().port}/`;
  const browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium', headless: true,
    args: ['--no-sandbox', '--autoplay-policy=no-user-gesture-required']});
  try {
    for (const phone of Phones) await playPhone(browser, url, phone);
  } finally {
    await browser.close();
    server.close();
  }
  console.log(failures ? `${failures} touch checks failed` : 'every touch check passed');
  process.exit(failures ? 1 : 0);
})();
