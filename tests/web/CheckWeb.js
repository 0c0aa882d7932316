// The web page in real Chromium: the first battle drawn, keys flying the craft, "1" and the mouse
// on the navigation screen, F12's PNG, bad addresses, no console errors, and each recorded
// session's trace with fast=1 equal to the native runner's, line for line. Run as:
//   node CheckWeb.js SITE RUNNER GAME_DIR SESSIONS_DIR WORK [--measure] SESSION...
'use strict';
const childProcess = require('child_process');
const fs = require('fs');
const http = require('http');
const os = require('os');
const path = require('path');
const puppeteer = require('puppeteer-core');

const [site, runner, gameDir, sessionsDir, work, ...rest] = process.argv.slice(2);
const measure = rest.includes('--measure');
const sessions = rest.filter((word) => !word.startsWith('--'));
const frames = 3750;
// Bounds on waiting, so that a hung page fails instead of stalling the suite.
const patience = { timeout: 180000, polling: 50 };

const types = { '.html': 'text/html', '.js': 'text/javascript', '.wasm': 'application/wasm',
                '.data': 'application/octet-stream', '.txt': 'text/plain' };

// The site as any static host serves it, with the sessions' scripts beside index.html.
function serve() {
  const server = http.createServer((request, response) => {
    const name = decodeURIComponent(new URL(request.url, 'http://x').pathname).slice(1) ||
                 'index.html';
    const file = [site, sessionsDir].map((root) => path.join(root, path.basename(name)))
      .find((candidate) => fs.existsSync(candidate));
    if (!file || name.includes('/')) {
      response.writeHead(404).end();
      return;
    }
    response.writeHead(200, { 'Content-Type': types[path.extname(file)] || 'text/plain' });
    fs.createReadStream(file).pipe(response);
  });
  return new Promise((resolve) => server.listen(0, '127.0.0.1', () => resolve(server)));
}

let failures = 0;
function check(ok, what) {
  console.log((ok ? 'ok    ' : 'FAIL  ') + what);
  if (!ok) failures += 1;
}

function nativeTrace(session) {
  const folder = path.join(work, 'native-' + session);
  fs.rmSync(folder, { recursive: true, force: true });
  fs.mkdirSync(folder, { recursive: true });
  for (const file of fs.readdirSync(gameDir)) {
    if (file.endsWith('.bmp') || file === 'controls.cfg') {
      fs.copyFileSync(path.join(gameDir, file), path.join(folder, file));
    }
  }
  const trace = path.join(folder, 'trace.jsonl');
  const started = process.hrtime.bigint();
  childProcess.execFileSync(runner, ['--frames', String(frames), '--dir', folder, '--input',
                                     path.join(sessionsDir, session + '.txt'), '--trace', trace]);
  const seconds = Number(process.hrtime.bigint() - started) / 1e9;
  const linesOf = (file) => fs.readFileSync(file, 'utf8').split('\n').slice(0, -1);
  return { lines: linesOf(trace), log: linesOf(path.join(folder, 'log.txt')), seconds };
}

async function open(browser, base, query, errors) {
  const page = await browser.newPage();
  await page.setViewport({ width: 800, height: 600 });
  page.on('console', (message) => {
    if (message.type() === 'error') errors.push(message.text());
  });
  page.on('pageerror', (error) => errors.push(String(error)));
  await page.goto(base + 'index.html' + query);
  return page;
}

const finished = () => window.corvanes && window.corvanes.done;

async function exactness(browser, base, errors, session) {
  const native = nativeTrace(session);
  const page = await open(browser, base, '?input=' + session + '.txt&frames=' + frames +
                          '&trace=1&fast=1', errors);
  const started = Date.now();
  await page.waitForFunction(finished, patience);
  const seconds = (Date.now() - started) / 1000;
  const result = await page.evaluate(() => ({ error: window.corvanes.error,
                                              passes: window.corvanes.passes,
                                              trace: window.corvanes.trace,
                                              log: window.corvanes.log,
                                              playing: window.corvanes.doneMs -
                                                       window.corvanes.firstPassMs }));
  await page.close();
  let first = -1;
  const count = Math.max(result.trace.length, native.lines.length);
  for (let i = 0; i < count && first < 0; ++i) {
    if (result.trace[i] !== native.lines[i]) first = i;
  }
  check(result.error === null && result.passes === frames && first < 0,
        session + ': ' + result.trace.length + ' trace lines equal the runner\'s ' +
        native.lines.length + (first < 0 ? '' : '; first difference at line ' + (first + 1) +
        ':\n  page:   ' + result.trace[first] + '\n  runner: ' + native.lines[first]));
  check(JSON.stringify(result.log) === JSON.stringify(native.log),
        session + ': the log\'s ' + result.log.length + ' lines equal the runner\'s');
  if (measure) {
    console.log('      ' + session + ': page ' + Math.round(frames / (result.playing / 1000)) +
                ' passes/s (' + Math.round(frames / seconds) + ' with the load), runner ' +
                Math.round(frames / native.seconds) + ' passes/s (its whole process)');
  }
}

// The last trace entry, once the page has run `passes` passes past `from`.
async function passOn(page, from, passes) {
  await page.waitForFunction((n) => window.corvanes.trace.length >= n, patience, from + passes);
  return page.evaluate(() => JSON.parse(window.corvanes.trace[window.corvanes.trace.length - 1]));
}

async function live(browser, base, errors) {
  const page = await open(browser, base, '?trace=1', errors);
  let now = await passOn(page, 0, 10);
  const lit = await page.evaluate(() => {
    const canvas = document.getElementById('canvas');
    const copy = document.createElement('canvas');
    copy.width = canvas.width;
    copy.height = canvas.height;
    copy.getContext('2d').drawImage(canvas, 0, 0);
    const pixels = copy.getContext('2d').getImageData(0, 0, copy.width, copy.height).data;
    let lit = 0;
    for (let i = 0; i < pixels.length; i += 4) lit += pixels[i] | pixels[i + 1] | pixels[i + 2] ? 1 : 0;
    return { lit, width: canvas.width, height: canvas.height };
  });
  check(now.mode === 1 && lit.width === 800 && lit.height === 600 && lit.lit > 1000,
        'the first battle is drawn (' + lit.lit + ' lit pixels of 800 x 600)');
  if (measure) await page.screenshot({ path: path.join(work, 'battle.png') });

  // The default controls: the up arrow steers up.
  const before = now.player.y;
  await page.keyboard.down('ArrowUp');
  now = await passOn(page, await page.evaluate(() => window.corvanes.trace.length), 20);
  await page.keyboard.up('ArrowUp');
  check(now.player.y < before, 'the up arrow flies the craft up (y ' + before + ' to ' +
        now.player.y + ')');

  await page.keyboard.press('Digit1');
  await page.waitForFunction(() => JSON.parse(window.corvanes.trace.at(-1)).mode === 2, patience);
  now = await passOn(page, await page.evaluate(() => window.corvanes.trace.length), 2);
  check(now.mode === 2, '"1" opens the navigation screen');

  // The pointer moves over the canvas from its middle; the cursor follows it pixel for pixel
  // onto the sector that the navigation session clicks.
  await page.mouse.move(400, 300);
  const start = (await passOn(page, await page.evaluate(() => window.corvanes.trace.length), 2))
    .cursor;
  const target = [300, 325];
  await page.mouse.move(400 + target[0] - start[0], 300 + target[1] - start[1], { steps: 8 });
  now = await passOn(page, await page.evaluate(() => window.corvanes.trace.length), 3);
  check(now.cursor[0] === target[0] && now.cursor[1] === target[1],
        'the mouse moves the cursor from ' + start + ' to ' + now.cursor);
  if (measure) await page.screenshot({ path: path.join(work, 'navigation.png') });
  await page.mouse.down();
  await passOn(page, await page.evaluate(() => window.corvanes.trace.length), 3);
  await page.mouse.up();
  await page.waitForFunction(() => JSON.parse(window.corvanes.trace.at(-1)).mode === 1, patience);
  check(true, 'a click on the sector starts a battle');

  // F12 offers the frame as a PNG.
  await page.evaluate(() => {
    window.offered = null;
    document.addEventListener('click', (e) => {
      if (e.target.download) {
        window.offered = { name: e.target.download, href: e.target.href };
        e.preventDefault();
      }
    }, true);
  });
  await page.keyboard.press('F12');
  await page.waitForFunction(() => window.offered !== null, patience);
  const png = await page.evaluate(async () => {
    const bytes = new Uint8Array(await (await fetch(window.offered.href)).arrayBuffer());
    const view = new DataView(bytes.buffer);
    return { name: window.offered.name, signature: Array.from(bytes.slice(1, 4)),
             width: view.getUint32(16), height: view.getUint32(20) };
  });
  check(png.name.endsWith('.png') && String.fromCharCode(...png.signature) === 'PNG' &&
        png.width === 800 && png.height === 600, 'F12 offers the frame as ' + png.name);

  // Alt+Enter and the button switch full screen; meanwhile Escape is the browser's.
  await page.keyboard.down('AltLeft');
  await page.keyboard.press('Enter');
  await page.keyboard.up('AltLeft');
  await page.waitForFunction(() => document.fullscreenElement !== null, patience);
  await page.keyboard.press('Escape');
  const passes = await page.evaluate(() => window.corvanes.trace.length);
  await passOn(page, passes, 3);
  // The locked pointer's clicks all go to the picture.
  const locked = await page.evaluate(() => document.pointerLockElement !== null);
  await page.evaluate(() => document.exitPointerLock());
  await page.click('#full-screen');
  await page.waitForFunction(() => document.fullscreenElement === null, patience);
  check(!(await page.evaluate(() => window.corvanes.done)),
        'Alt+Enter and the button switch full screen, where Escape does not end the game');

  // The controls panel: what is typed there goes to the browser's storage and the game's file at
  // once, not to the game's keys; a line without a code is warned about; a reload keeps it.
  // "1" typed into the panel would open the navigation screen if it reached the game.
  const typed = '0\n1\n57\nnone\n300\n';
  await page.click('#controls-button');
  await page.evaluate(() => {
    const text = document.getElementById('controls-text');
    text.focus();
    text.select();
  });
  await page.keyboard.type(typed);
  const panel = await page.evaluate(() => ({
    warnings: document.querySelectorAll('#controls-warnings li').length,
    file: Module.FS.readFile('/game/controls.cfg', { encoding: 'utf8' }),
  }));
  now = await passOn(page, await page.evaluate(() => window.corvanes.trace.length), 3);
  check(panel.warnings === 2 && panel.file === typed && now.mode === 1,
        'the controls panel writes the game\'s file as typed and warns about ' + panel.warnings +
        ' lines (the pointer was ' + (locked ? '' : 'not ') + 'locked)');
  await page.waitForFunction((text) => new Promise((resolve) => {
    indexedDB.open('corvanes').onsuccess = (e) => {
      const get = e.target.result.transaction('files').objectStore('files').get('controls.cfg');
      get.onsuccess = () => resolve(get.result === text);
    };
  }), patience, typed);
  await page.reload();
  await page.waitForFunction(() => window.corvanes.passes > 0, patience);
  const kept = await page.evaluate(() => document.getElementById('controls-text').value);
  check(kept === typed, 'the controls file is still there after a reload');

  if (measure) {
    const first = await page.evaluate(() => window.corvanes.firstPassMs);
    console.log('      first pass ' + first.toFixed(0) + ' ms after navigation');
  }
  await page.close();
}

// A pad with the standard mapping, its stick held up, steers the craft once the player's
// controls file asks for the joystick.
async function gamepad(browser, base, errors) {
  const page = await browser.newPage();
  await page.evaluateOnNewDocument(() => {
    const buttons = Array.from({ length: 17 }, () => ({ pressed: false, value: 0 }));
    const pad = { id: 'check pad', index: 0, connected: true, mapping: 'standard', timestamp: 0,
                  axes: [0, -1, 0, 0], buttons };
    navigator.getGamepads = () => [pad];
  });
  page.on('console', (message) => {
    if (message.type() === 'error') errors.push(message.text());
  });
  await page.goto(base + 'index.html?trace=1');
  await page.waitForFunction(() => window.corvanes.passes > 0, patience);
  await page.evaluate(() => {
    const text = document.getElementById('controls-text');
    text.value = '1\n';
    text.dispatchEvent(new Event('input'));
  });
  await page.waitForFunction(() => new Promise((resolve) => {
    indexedDB.open('corvanes').onsuccess = (e) => {
      const get = e.target.result.transaction('files').objectStore('files').get('controls.cfg');
      get.onsuccess = () => resolve(get.result === '1\n');
    };
  }), patience);
  await page.reload();
  const first = await passOn(page, 0, 2);
  const later = await passOn(page, 2, 30);
  check(later.player.y < first.player.y, 'the pad\'s stick flies the craft up (y ' +
        first.player.y + ' to ' + later.player.y + ')');
  await page.close();
}

async function badAddresses(browser, base) {
  for (const query of ['?input=missing.txt&frames=10', '?input=flight.txt',
                       '?input=flight.txt&frames=ten']) {
    const errors = [];
    const page = await open(browser, base, query, errors);
    await page.waitForFunction(finished, patience);
    const state = await page.evaluate(() => ({ error: window.corvanes.error,
                                               passes: window.corvanes.passes,
                                               shown: document.getElementById('notice').textContent }));
    check(typeof state.error === 'string' && state.passes === 0 && state.shown === state.error &&
          errors.some((line) => line.includes(state.error)),
          query + ' is refused: ' + state.error);
    await page.close();
  }
}

async function stats(browser, base, errors) {
  const page = await open(browser, base, '?input=combat.txt&frames=1200&stats=1', errors);
  await page.waitForFunction(finished, patience);
  const run = await page.evaluate(() => ({ times: window.corvanes.stats.passMs,
                                           playing: window.corvanes.doneMs -
                                                    window.corvanes.firstPassMs }));
  const times = run.times.sort((a, b) => a - b);
  console.log('      paced: ' + (times.length / (run.playing / 1000)).toFixed(1) + ' passes/s');
  const at = (q) => times[Math.min(times.length - 1, Math.floor(q * times.length))];
  console.log('      pass + present, paced: median ' + at(0.5).toFixed(3) + ' ms, 99th ' +
              at(0.99).toFixed(3) + ' ms over ' + times.length + ' passes');
  await page.close();
}

(async () => {
  fs.mkdirSync(work, { recursive: true });
  const server = await serve();
  const base = 'http://127.0.0.1:' + server.address().port + '/';
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'corvanes-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    headless: true,
    userDataDir: profile,
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
           '--disable-background-networking', '--disable-component-update', '--disable-sync'],
  });
  const errors = [];
  try {
    for (const session of sessions) await exactness(browser, base, errors, session);
    await live(browser, base, errors);
    await gamepad(browser, base, errors);
    await badAddresses(browser, base);
    if (measure) await stats(browser, base, errors);
    check(errors.length === 0, 'no console errors' + (errors.length ? ': ' + errors.join('\n') : ''));
  } catch (error) {
    check(false, String(error && error.stack ? error.stack : error));
  } finally {
    await browser.close();
    server.close();
    fs.rmSync(profile, { recursive: true, force: true });
  }
  process.exit(failures === 0 ? 0 : 1);
})();
