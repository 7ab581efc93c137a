// The page's costs: its transfer, gzip; the time from load to the start
// dialog in headless Chromium on a throttled network, on a first visit and
// on a second, from the service worker's cache; the browser's share of a core (its renderer
// and GPU processes) on the dialog, the title and in play, each beside a bare
// page given the same input and changing a canvas as often, and beside the
// native game's share from bench/whole_program.sh when its table is given;
// the game's work a turn in WebAssembly.
// Arguments: the page's folder, and optionally whole_program.sh's table.
import fs from 'node:fs';
import path from 'node:path';
import { browse, clickAt, serve, windowOfSize } from '../tests/web/page.mjs';

const pageDir = path.resolve(process.argv[2] || 'build-web');
const nativeTable = process.argv[3];
const ticksPerSecond = 100;
const stretchMs = 10000;
const sleep = (ms) => new Promise((r) => setTimeout(r, ms));

// DevTools' "Slow 4G": latency in ms, throughput in bytes a second.
const slow4g = { offline: false, latency: 562.5, downloadThroughput: (1.6 * 1024 * 1024 / 8) * 0.9,
                 uploadThroughput: (750 * 1024 / 8) * 0.9 };

// Milliseconds from the address given to the start dialog shown, on a tab of
// its own with the network throttled; the bytes and requests the server saw.
async function visit(context, server) {
  const page = await context.newPage();
  const cdp = await context.newCDPSession(page);
  await cdp.send('Network.enable');
  await cdp.send('Network.emulateNetworkConditions', slow4g);
  const [sent, asked] = [server.sent, server.answers.length];
  const start = Date.now();
  await page.goto(server.url);
  await windowOfSize(page, 390, 283);
  return { page, ms: Date.now() - start, bytes: server.sent - sent, asked: server.answers.slice(asked) };
}

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

// CPU ticks of each process, by pid.
function cpuTicks(pids) {
  const ticks = new Map();
  for (const pid of pids) {
    try {
      const stat = fs.readFileSync(`/proc/${pid}/stat`, 'utf8');
      const fields = stat.slice(stat.lastIndexOf(')') + 2).split(' ');
      ticks.set(pid, Number(fields[11]) + Number(fields[12]));
    } catch {}
  }
  return ticks;
}

// The share of a core over one stretch while `drive` runs, with the game's
// turns and canvas changes in it when the page is the game's.
async function share(page, drive = async () => {}) {
  const before = cpuTicks(browserProcesses());
  const counters = () => page.evaluate(() => {
    const p = window.Module && Module.lumoraPage;
    return p ? [p.workMs || 0, p.workTurns || 0, p.puts || 0] : [0, 0, window.puts || 0];
  });
  const [ms0, turns0, puts0] = await counters();
  const start = Date.now();
  await drive(start + stretchMs);
  const left = start + stretchMs - Date.now();
  if (left > 0) await sleep(left);
  const seconds = (Date.now() - start) / 1000;
  // A process that ends within the stretch takes its ticks with it; one that
  // starts counts whole.
  let used = 0;
  for (const [pid, ticks] of cpuTicks(browserProcesses())) used += (ticks - (before.get(pid) || 0)) / ticksPerSecond;
  const [ms1, turns1, puts1] = await counters();
  return { percent: 100 * used / seconds, turns: turns1 - turns0, workUs: 1000 * (ms1 - ms0) / Math.max(1, turns1 - turns0),
           putsPerSecond: (puts1 - puts0) / seconds };
}

// The pointer over the board, cell to cell, twenty moves a second.
function pointerMoving(page, game) {
  return async (end) => {
    for (let i = 0; Date.now() < end; i++) {
      await page.mouse.move(game.x + 140 + (i * 7) % 380, game.y + 60 + (i * 13) % 380);
      await sleep(50);
    }
  };
}

// The page served gzip, as a static host serves it.
const server = await serve({ gzip: true });
server.dir = pageDir;
let browser = await browse();
let page;
const rows = [];
try {
  // The first visit, then, once the service worker has the whole build, a
  // second in a new tab. The second visit's files come from the worker's
  // cache, which no network throttling touches; the server's log shows what
  // still went over the network.
  const first = await visit(browser.context, server);
  await first.page.evaluate(() => navigator.serviceWorker.ready);
  const cached = server.sent;
  await first.page.close();
  const second = await visit(browser.context, server);
  page = second.page;
  const mb = (n) => (n / 1e6).toFixed(2) + ' MB';
  console.log(`first visit: the page ${mb(first.bytes)} gzip, and with its service worker's cache filled ${mb(cached)}`);
  console.log(`load to dialog, Slow 4G: first visit ${first.ms} ms, second visit ${second.ms} ms ` +
              `(the second's network: ${second.asked.join(', ') || 'nothing'}, ${second.bytes} bytes)`);
  const dialog = await windowOfSize(page, 390, 283);
  // The browser compiles the game's code again, optimised, in the seconds
  // after the load and again when the game first runs new code; each stretch
  // is measured after a warm-up, and the title's first seconds on their own.
  await sleep(6000);
  rows.push({ name: 'start dialog', ...(await share(page)) });
  await clickAt(page, dialog, 100, 255);
  const game = await windowOfSize(page, 640, 480);
  const firstTitle = await share(page);
  await sleep(10000);
  rows.push({ name: 'title', ...(await share(page)) });
  // 20 x 20: three steps right from 6x6, then the start button.
  for (let i = 0; i < 3; i++) await page.keyboard.press('ArrowRight');
  await page.keyboard.press('Enter');
  await sleep(3000);
  const moving = pointerMoving(page, game);
  await moving(Date.now() + 3000);
  rows.push({ name: '20 x 20, pointer moving', moves: true, ...(await share(page, moving)) });
  await page.mouse.move(game.x + 300, game.y + 300);
  await page.keyboard.down('h');
  await sleep(3000);
  rows.push({ name: '20 x 20, hints held', ...(await share(page)) });
  await page.keyboard.up('h');
  console.log(`title, its first 10 s, while the browser optimises the code it runs anew: ${firstTitle.percent.toFixed(1)}% of a core`);

  // The floor: a bare page in the same browser with the game's canvas,
  // changed as often as the game changed it, given the same pointer moves.
  await browser.close();
  browser = await browse();
  page = browser.page;
  await sleep(6000);
  for (const row of rows) {
    await page.goto('data:text/html,' + encodeURIComponent(`<body style="margin:0;background:#2b3a4a"><canvas id=c width=640 height=480
      style="position:absolute;left:192px;top:144px"></canvas><script>
      const canvas = document.getElementById('c');
      const context = canvas.getContext('2d', { alpha: false });
      const patch = new ImageData(12, 12);
      window.puts = 0;
      if (${row.putsPerSecond} > 0) setInterval(() => {
        ++window.puts;
        patch.data.fill(window.puts * 40 % 256);
        context.putImageData(patch, window.puts * 37 % 620, window.puts * 53 % 460);
      }, ${Math.round(1000 / Math.max(row.putsPerSecond, 0.001))});
      </script></body>`));
    const drive = row.moves ? pointerMoving(page, { x: 192, y: 144 }) : async () => {};
    await drive(Date.now() + 3000);
    row.bare = await share(page, drive);
  }
} finally {
  await browser.close();
  server.close();
}

// The native game's line of the same stretch: "| name | game% | X% |".
const native = new Map();
if (nativeTable && fs.existsSync(nativeTable))
  for (const line of fs.readFileSync(nativeTable, 'utf8').split('\n')) {
    const cells = line.split('|').map((c) => c.trim());
    if (cells.length >= 4 && /%$/.test(cells[2])) native.set(cells[1], `${cells[2]} (X server ${cells[3]})`);
  }
console.log(`\n| stretch (${stretchMs / 1000} s)            | page   | bare page, same input and changes | canvas changes/s | game work a turn | native game |`);
console.log('|---------------------------|--------|-----------------------------------|------------------|------------------|-------------|');
for (const r of rows)
  console.log(`| ${r.name.padEnd(25)} | ${(r.percent.toFixed(1) + '%').padStart(6)} | ${(r.bare.percent.toFixed(1) + '%').padStart(33)} |` +
              ` ${r.putsPerSecond.toFixed(1).padStart(16)} | ${(r.workUs.toFixed(0) + ' µs').padStart(16)} | ${native.get(r.name) || ''} |`);
