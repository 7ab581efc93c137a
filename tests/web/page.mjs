// What the browser tests share: the page served over http, headless Chromium
// with an empty profile, the canvases read back, and the frames of the
// headless game to compare them with.
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import http from 'node:http';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { chromium } from 'playwright-core';
import { PNG } from 'pngjs';

const root = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');
export const pageDir = path.join(root, process.env.WEB || 'build-web');
const nativeBuild = path.join(root, process.env.BUILD || 'build');
export const seedMs = 1_700_000_000_000;

const types = { '.html': 'text/html', '.js': 'text/javascript', '.wasm': 'application/wasm' };

// A static server of the page's folder, as any host would serve it.
// Each answer is kept in `answers` as "status path".
export async function serve() {
  const answers = [];
  const server = http.createServer((req, res) => {
    const name = decodeURIComponent(new URL(req.url, 'http://x').pathname);
    const file = path.join(pageDir, name.endsWith('/') ? name + 'index.html' : name);
    if (!file.startsWith(pageDir) || !fs.existsSync(file) || fs.statSync(file).isDirectory()) {
      answers.push('404 ' + name);
      res.writeHead(404).end();
      return;
    }
    answers.push('200 ' + name);
    const bytes = fs.readFileSync(file);
    res.writeHead(200, { 'Content-Type': types[path.extname(file)] || 'application/octet-stream',
                         'Content-Length': bytes.length });
    res.end(bytes);
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  return { url: `http://127.0.0.1:${server.address().port}/`, answers, close: () => server.close() };
}

// Chromium as this machine runs it headless, on a profile of its own, at a
// device pixel `ratio` or as one of playwright's `device`s. The browser
// speaks `language` (ja, as the original game, or en) first. `scale` is the
// whole factor the page draws at.
export async function browse({ ratio = 1, viewport = { width: 1024, height: 768 }, touch = false, language = 'ja',
                               device = {} } = {}) {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'lumora-profile-'));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: '/usr/bin/chromium',
    headless: true,
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
           '--disable-component-update', '--disable-sync'],
    viewport, deviceScaleFactor: ratio, hasTouch: touch, ...device, locale: language === 'ja' ? 'ja-JP' : 'en-US',
  });
  const scale = Math.max(1, Math.floor(device.deviceScaleFactor || ratio));
  const page = context.pages()[0] || await context.newPage();
  const errors = [];
  page.on('pageerror', (e) => errors.push(e.message));
  return {
    context, page, errors, scale, language,
    close: async () => {
      await context.close();
      fs.rmSync(profile, { recursive: true, force: true });
    },
  };
}

// Polls `check` until it gives a true value or the deadline passes.
export async function until(what, check, ms = 20000) {
  const end = Date.now() + ms;
  for (;;) {
    const value = await check();
    if (value) return value;
    if (Date.now() > end) throw new Error('timed out waiting for ' + what);
    await new Promise((r) => setTimeout(r, 25));
  }
}

// The page's windows: id, place and size in CSS pixels, shown or not.
export async function windows(page) {
  return page.evaluate(() => Array.from(document.querySelectorAll('canvas.lumora-window'), (c) => {
    const r = c.getBoundingClientRect();
    return { id: c.lumoraId, shown: !c.hidden, x: r.x, y: r.y, width: c.width, height: c.height,
             cssWidth: r.width, cssHeight: r.height };
  }));
}

export async function shownWindows(page) {
  return (await windows(page)).filter((w) => w.shown);
}

// Waits until a window of the given canvas size is shown, and gives it.
export async function windowOfSize(page, width, height) {
  return until(`a ${width} x ${height} window`, async () =>
    (await shownWindows(page)).find((w) => w.width == width && w.height == height));
}

// The canvas's own pixels, RGBA.
export async function canvasPixels(page, id) {
  const data = await page.evaluate((id) => {
    const c = document.getElementById('lumora-window-' + id);
    return Array.from(c.getContext('2d').getImageData(0, 0, c.width, c.height).data);
  }, id);
  return Uint8Array.from(data);
}

// Plays a script into the headless game, in a game folder of its own with
// the build's first-run state files (or the `data` given, by file name), and
// reads back what it wrote to OUT; in `language`, whatever this machine's locale.
export function headlessRun(script, data = {}, language = 'ja') {
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'lumora-headless-'));
  try {
    for (const sub of ['IMAGE', 'WAVE', 'DATA', 'locale']) fs.cpSync(path.join(pageDir, sub), path.join(folder, sub), { recursive: true });
    for (const [name, text] of Object.entries(data)) fs.writeFileSync(path.join(folder, 'DATA', name), text);
    const out = path.join(folder, 'out');
    fs.writeFileSync(path.join(folder, 'script.txt'), script.replaceAll('OUT', out));
    execFileSync(path.join(nativeBuild, 'tools/script_runner'), [folder, path.join(folder, 'script.txt')],
                 { stdio: ['ignore', 'ignore', 'pipe'], env: { PATH: process.env.PATH, LANG: 'C.UTF-8', LANGUAGE: language } });
    return fs.readFileSync(out);
  } finally {
    fs.rmSync(folder, { recursive: true, force: true });
  }
}

export function headlessFrame(script, data = {}, language = 'ja') {
  const png = PNG.sync.read(headlessRun(script, data, language));
  return { width: png.width, height: png.height, data: png.data };
}

// The points a click on each hidden cell of the board takes, [x, y].
export function headlessHidden(script) {
  return headlessRun(script).toString().trim().split('\n').map((l) => l.split(' ').map(Number));
}

// The pixels of a picture enlarged by a whole factor, RGBA.
export function enlarged(frame, k) {
  const width = frame.width * k;
  const height = frame.height * k;
  const data = new Uint8Array(width * height * 4);
  for (let y = 0; y < height; y++)
    for (let x = 0; x < width; x++) {
      const from = ((Math.floor(y / k) * frame.width) + Math.floor(x / k)) * 4;
      data.set(frame.data.subarray(from, from + 4), (y * width + x) * 4);
    }
  return { width, height, data };
}

// How many pixels differ between a canvas and a frame; -1 when the sizes do.
export function differingPixels(canvas, width, height, frame) {
  if (width != frame.width || height != frame.height) return -1;
  let n = 0;
  for (let i = 0; i < width * height * 4; i += 4)
    if (canvas[i] != frame.data[i] || canvas[i + 1] != frame.data[i + 1] || canvas[i + 2] != frame.data[i + 2]) n++;
  return n;
}

// The page with its clock held at the headless game's seed: timers run only
// as the test moves the clock, a frame each 50 ms.
export async function openGame(browser, url, { at = seedMs } = {}) {
  const { page } = browser;
  await page.clock.install({ time: at - 1000 });
  await page.clock.pauseAt(at);
  await page.goto(url);
  return windowOfSize(page, 390 * browser.scale, 283 * browser.scale);
}

// The game opened and its start button pressed: the dialog, and the game's
// window on its title.
export async function startGame(browser, url) {
  const { page, scale } = browser;
  const dialog = await openGame(browser, url);
  await clickAt(page, dialog, 100 * scale, 255 * scale);
  await frames(page, 2);
  return { dialog, game: await windowOfSize(page, 640 * scale, 480 * scale) };
}

// Clicks a point of a window, given in its canvas pixels.
export async function clickAt(page, win, x, y, options = {}) {
  const k = win.cssWidth / win.width;
  await page.mouse.click(win.x + (x + 0.5) * k, win.y + (y + 0.5) * k, options);
}

export async function frames(page, n) {
  for (let i = 0; i < n; i++) await page.clock.runFor(50);
}
