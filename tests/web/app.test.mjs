import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import crypto from 'node:crypto';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { test } from 'node:test';
import { PNG } from 'pngjs';
import { browse, pageDir, serve, until, windowOfSize } from './page.mjs';
import { playScript } from './script.mjs';

// A first visit, until the page's service worker has the whole build.
async function visit(page, url) {
  await page.goto(url);
  await windowOfSize(page, 390, 283);
  await until('the service worker', () => page.evaluate(async () => !!(await navigator.serviceWorker.getRegistration())?.active));
}

test('the page is an installable app, named in the browser\'s language', async () => {
  const server = await serve();
  try {
    for (const [language, name] of [['ja', 'ルモラ'], ['en', 'Lumora']]) {
      const browser = await browse({ language });
      try {
        await visit(browser.page, server.url);
        const cdp = await browser.context.newCDPSession(browser.page);
        const manifest = await cdp.send('Page.getAppManifest');
        assert.match(manifest.url, new RegExp(`manifest-${language}\\.webmanifest$`));
        assert.equal(JSON.parse(manifest.data).name, name);
        assert.deepEqual((await cdp.send('Page.getInstallabilityErrors')).installabilityErrors, [], language);
        assert.deepEqual(browser.errors, []);
      } finally {
        await browser.close();
      }
    }
  } finally {
    server.close();
  }
  // A launcher's mask keeps the circle of 80% of the width: outside it the
  // maskable icon is its plain ground, row by row.
  const icon = PNG.sync.read(fs.readFileSync(path.join(pageDir, 'ICONS/lumora-maskable-512.png')));
  const at = (x, y) => icon.data.readUInt32BE((y * 512 + x) * 4);
  for (let y = 0; y < 512; y++)
    for (let x = 0; x < 512; x++) if (Math.hypot(x + 0.5 - 256, y + 0.5 - 256) > 204.8) assert.equal(at(x, y), at(0, y));
  assert.notEqual(at(256, 256), at(0, 256));
});

test('after one visit the page starts and plays a board with the server stopped', async () => {
  const server = await serve();
  const browser = await browse();
  try {
    await visit(browser.page, server.url);
    server.close();
    assert.deepEqual(await playScript(browser, browser.page, server.url, 'seed 1700000000\nstart\nframes 2\n' +
      'click 330 320\nframes 2\nclick 280 200\nclick 300 220\nframes 5\nmove 320 240\nframes 1\nshot OUT\n'), [0]);
    assert.deepEqual(browser.errors, []);
  } finally {
    await browser.close();
  }
});

// A copy of the built page whose game marks itself with `mark`, changed by
// `change`, and listed afresh as a build lists it.
function build(mark, change = () => {}) {
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), `lumora-build-${mark}-`));
  fs.cpSync(pageDir, dir, { recursive: true, filter: (from) => path.basename(from) != '.work' });
  fs.appendFileSync(path.join(dir, 'lumora.js'), `\nglobalThis.lumoraBuild = '${mark}';\n`);
  change(dir);
  execFileSync(new URL('../../web/stamp_page.py', import.meta.url).pathname, [new URL('../../web', import.meta.url).pathname, dir]);
  const sw = fs.readFileSync(path.join(dir, 'sw.js'), 'utf8');
  return { dir, name: JSON.parse(sw.match(/const build = (".*");/)[1]), files: JSON.parse(sw.match(/const files = (\{.*\});/)[1]),
           sheet: crypto.createHash('sha256').update(fs.readFileSync(path.join(dir, 'IMAGE/Back.dat'))).digest('hex') };
}

// What a page runs: its game's mark, the digest of a sheet it read, and the
// digest in the address of each file it asked for.
const running = (page) => page.evaluate(async () => ({
  mark: globalThis.lumoraBuild,
  sheet: Array.from(new Uint8Array(await crypto.subtle.digest('SHA-256', Module.FS.readFile('/IMAGE/Back.dat'))),
                    (b) => b.toString(16).padStart(2, '0')).join(''),
  asked: performance.getEntriesByType('resource').map((e) => new URL(e.name)).filter((u) => u.searchParams.has('v'))
    .map((u) => [u.pathname.slice(1), u.searchParams.get('v')]),
}));

test('an update replaces every file at once; a page still open on the old build keeps it', async () => {
  const a = build('A');
  const b = build('B', (dir) => {
    // Another sheet, and other code: the same game with a section of its own.
    const sheet = fs.readFileSync(path.join(dir, 'IMAGE/Back.dat'));
    sheet[sheet.length - 2] ^= 0x21;
    fs.writeFileSync(path.join(dir, 'IMAGE/Back.dat'), sheet);
    fs.appendFileSync(path.join(dir, 'lumora.wasm'), Buffer.from('\x00\x05\x04mark', 'latin1'));
  });
  const site = await serve();
  const browser = await browse();
  try {
    // The page open on A was loaded under A's service worker.
    site.dir = a.dir;
    const old = browser.page;
    await visit(old, site.url);
    await old.reload();
    await windowOfSize(old, 390, 283);
    const before = site.answers.length;
    site.dir = b.dir;
    await old.evaluate(() => navigator.serviceWorker.getRegistration().then((r) => r.update()));
    await until('the new build to take over', () => old.evaluate(async (name) =>
      (await caches.keys()).join() == `lumora:${location.origin}/:${name}`, b.name));
    // Only what changed came again; the rest was taken from the old cache.
    assert.deepEqual([...new Set(site.answers.slice(before).map((a) => a.split(' ')[1]))].sort(),
                     ['/IMAGE/Back.dat', '/index.html', '/lumora.js', '/lumora.wasm', '/sw.js']);

    const fresh = await browser.context.newPage();
    await fresh.goto(site.url);
    await windowOfSize(fresh, 390, 283);
    const now = await running(fresh);
    assert.deepEqual([now.mark, now.sheet], ['B', b.sheet]);
    assert.ok(now.asked.length >= 10);
    for (const [name, version] of now.asked) assert.equal(version, b.files[name][1].slice(0, 16), name);
    const kept = await running(old);
    assert.deepEqual([kept.mark, kept.sheet], ['A', a.sheet]);
    await old.keyboard.press('Enter');
    await windowOfSize(old, 640, 480);
    assert.deepEqual(browser.errors, []);
  } finally {
    await browser.close();
    site.close();
    for (const dir of [a.dir, b.dir]) fs.rmSync(dir, { recursive: true, force: true });
  }
});
