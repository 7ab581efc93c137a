// The page's costs: its transfer, gzip; the time from load to the start
// dialog in headless Chromium; the browser's share of a core (its renderer
// and GPU processes) on the title and in play; the game's work a frame in
// WebAssembly.
import fs from 'node:fs';
import path from 'node:path';
import zlib from 'node:zlib';
import { browse, clickAt, serve, windowOfSize } from '../tests/web/page.mjs';

const pageDir = path.resolve(process.argv[2] || 'build-web');
const ticksPerSecond = 100;
const stretchMs = 10000;

function* pageFiles(dir) {
  for (const entry of fs.readdirSync(dir, { withFileTypes: true })) {
    if (entry.name.startsWith('.')) continue;
    const full = path.join(dir, entry.name);
    if (entry.isDirectory()) yield* pageFiles(full);
    else yield full;
  }
}

let raw = 0;
let gzip = 0;
for (const file of pageFiles(pageDir)) {
  const bytes = fs.readFileSync(file);
  raw += bytes.length;
  gzip += zlib.gzipSync(bytes, { level: 9 }).length;
}
console.log(`page transfer: ${(gzip / 1e6).toFixed(2)} MB gzip (${(raw / 1e6).toFixed(2)} MB as stored)`);

// The browser's processes: every descendant of this one whose command line
// names a renderer or the GPU process.
function browserProcesses() {
  const parents = new Map();
  for (const pid of fs.readdirSync('/proc').filter((p) => /^\d+$/.test(p))) {
    try {
      const stat = fs.readFileSync(`/proc/${pid}/stat`, 'utf8');
      parents.set(Number(pid), Number(stat.slice(stat.lastIndexOf(')') + 2).split(' ')[1]));
    } catch {}
  }
  const mine = (pid) => { for (let p = pid; p > 1; p = parents.get(p)) if (p == process.pid) return true; return false; };
  return [...parents.keys()].filter((pid) => pid != process.pid && mine(pid)).filter((pid) => {
    try {
      const cmd = fs.readFileSync(`/proc/${pid}/cmdline`, 'utf8');
      return /--type=(renderer|gpu-process)/.test(cmd);
    } catch { return false; }
  });
}

function cpuTicks(pids) {
  let sum = 0;
  for (const pid of pids) {
    try {
      const stat = fs.readFileSync(`/proc/${pid}/stat`, 'utf8');
      const fields = stat.slice(stat.lastIndexOf(')') + 2).split(' ');
      sum += Number(fields[11]) + Number(fields[12]);
    } catch {}
  }
  return sum;
}

async function share(page, label, during = async () => {}) {
  const pids = browserProcesses();
  const before = cpuTicks(pids);
  await page.evaluate(() => { Module.lumoraPage.workMs = 0; Module.lumoraPage.workTurns = 0; });
  const start = Date.now();
  await during(start + stretchMs);
  const left = start + stretchMs - Date.now();
  if (left > 0) await new Promise((r) => setTimeout(r, left));
  const seconds = (Date.now() - start) / 1000;
  const used = (cpuTicks(pids) - before) / ticksPerSecond;
  const work = await page.evaluate(() => [Module.lumoraPage.workMs, Module.lumoraPage.workTurns]);
  console.log(`${label}: browser ${(100 * used / seconds).toFixed(1)}% of a core; ` +
              `${work[1]} turns in ${seconds.toFixed(1)} s, ${(1000 * work[0] / work[1]).toFixed(0)} µs of game work a turn`);
}

const server = await serve();
const browser = await browse();
const { page } = browser;
try {
  const start = Date.now();
  await page.goto(server.url);
  const dialog = await windowOfSize(page, 390, 283);
  console.log(`load to dialog: ${Date.now() - start} ms`);
  // The browser compiles the game's code again, optimised, in the seconds
  // after the load; the shares are of the game running after that.
  await new Promise((r) => setTimeout(r, 6000));
  await share(page, 'start dialog');
  await clickAt(page, dialog, 100, 255);
  const game = await windowOfSize(page, 640, 480);
  await share(page, 'title');
  // 20 x 20: three steps right from 6x6, then the start button.
  for (let i = 0; i < 3; i++) await page.keyboard.press('ArrowRight');
  await page.keyboard.press('Enter');
  await share(page, '20 x 20, pointer moving', async (end) => {
    for (let i = 0; Date.now() < end; i++) {
      await page.mouse.move(game.x + 140 + (i * 7) % 380, game.y + 60 + (i * 13) % 380);
      await new Promise((r) => setTimeout(r, 50));
    }
  });
  await page.keyboard.down('h');
  await share(page, '20 x 20, hints held');
  await page.keyboard.up('h');
} finally {
  await browser.close();
  server.close();
}
