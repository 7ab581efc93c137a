import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import crypto from 'node:crypto';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { after, before, test } from 'node:test';
import { fileURLToPath } from 'node:url';
import { PNG } from 'pngjs';
import { browse, pageDir, serve, until, windowOfSize } from './page.mjs';
import { playScript } from './script.mjs';

const webSource = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../../web');
let server;
before(async () => { server = await serve(); });
after(() => server.close());

// Once the page's service worker has the whole build and answers its loads.
const ready = (page) => until('the service worker', () => page.evaluate(async () =>
  !!(await navigator.serviceWorker.getRegistration())?.active));

test('the page is an installable app, named in the browser\'s language', async () => {
  for (const [language, name] of [['ja', 'ルモラ'], ['en', 'Lumora']]) {
    const browser = await browse({ language });
    try {
      await browser.page.goto(server.url);
      await windowOfSize(browser.page, 390, 283);
      await ready(browser.page);
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
  // A launcher's mask keeps the circle of 80% of the width: outside it the
  // maskable icon is its plain ground, and the lit cell stands within.
  const icon = PNG.sync.read(fs.readFileSync(path.join(pageDir, 'ICONS/lumora-maskable-512.png')));
  const at = (x, y) => icon.data.readUInt32BE((y * icon.width + x) * 4);
  let outside = 0;
  for (let y = 0; y < icon.height; y++)
    for (let x = 0; x < icon.width; x++)
      if (Math.hypot(x + 0.5 - 256, y + 0.5 - 256) > 0.4 * 512 && at(x, y) != at(0, y)) outside++;
  assert.equal(outside, 0);
  assert.notEqual(at(256, 256), at(0, 256));
});

test('after one visit the page starts and plays a board with the server stopped', async () => {
  const offline = await serve();
  const browser = await browse();
  try {
    await browser.page.goto(offline.url);
    await windowOfSize(browser.page, 390, 283);
    assert.ok(await ready(browser.page));
    offline.close();
    const differing = await playScript(browser, browser.page, offline.url,
                                       'seed 1700000000\nstart\nframes 2\nclick 330 320\nframes 2\nclick 280 200\n' +
                                       'click 300 220\nframes 5\nmove 320 240\nframes 1\nshot OUT\n');
    assert.deepEqual(differing, [0]);
    assert.deepEqual(browser.errors, []);
  } finally {
    await browser.close();
    offline.close();
  }
});

// A copy of the built page whose game marks itself with `mark`, with other
// changes made by `change`, and listed afresh as a build would list it.
function build(mark, change = () => {}) {
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), `lumora-build-${mark}-`));
  fs.cpSync(pageDir, dir, { recursive: true, filter: (from) => path.basename(from) != '.work' });
  fs.appendFileSync(path.join(dir, 'lumora.js'), `\nglobalThis.lumoraBuild = '${mark}';\n`);
  change(dir);
  execFileSync(path.join(webSource, 'stamp_page.py'), [webSource, dir]);
  const sw = fs.readFileSync(path.join(dir, 'sw.js'), 'utf8');
  return { dir, name: JSON.parse(sw.match(/const build = (".*");/)[1]),
           files: JSON.parse(sw.match(/const files = (\{.*\});/)[1]) };
}

// What a page runs: its game's mark, the digest of a sheet it read, and the
// contents (by digest) of every file it asked for.
const running = (page) => page.evaluate(async () => {
  const hex = async (bytes) => Array.from(new Uint8Array(await crypto.subtle.digest('SHA-256', bytes)),
                                          (b) => b.toString(16).padStart(2, '0')).join('');
  const asked = performance.getEntriesByType('resource').map((e) => new URL(e.name))
    .filter((u) => u.searchParams.has('v')).map((u) => [u.pathname.slice(1), u.searchParams.get('v')]);
  return { mark: globalThis.lumoraBuild, sheet: await hex(Module.FS.readFile('/IMAGE/Back.dat')), asked };
});
const sha256 = (file) => crypto.createHash('sha256').update(fs.readFileSync(file)).digest('hex');

test('an update replaces every file at once; a page still open on the old build keeps it', async () => {
  const a = build('A');
  const b = build('B', (dir) => {
    // Another sheet, and other code: the same game with a section of its own.
    const sheet = path.join(dir, 'IMAGE/Back.dat');
    const bytes = fs.readFileSync(sheet);
    bytes[bytes.length - 2] ^= 0x21;
    fs.writeFileSync(sheet, bytes);
    const tag = Buffer.from('\x04mark', 'latin1');
    fs.appendFileSync(path.join(dir, 'lumora.wasm'), Buffer.concat([Buffer.from([0, tag.length]), tag]));
  });
  const site = await serve();
  const browser = await browse();
  const { context } = browser;
  try {
    // The page open on A was loaded under A's service worker.
    site.dir = a.dir;
    const old = browser.page;
    await old.goto(site.url);
    await windowOfSize(old, 390, 283);
    await ready(old);
    await old.reload();
    await windowOfSize(old, 390, 283);
    const before = site.answers.length;
    site.dir = b.dir;
    await old.evaluate(() => navigator.serviceWorker.getRegistration().then((r) => r.update()));
    await until('the new build to take over', () => old.evaluate(async (name) =>
      (await caches.keys()).length > 0 && (await caches.keys()).every((k) => k.endsWith(':' + name)), b.name));
    // Only what changed came again; the rest was taken from the old cache.
    const fetched = [...new Set(site.answers.slice(before).map((a) => a.split(' ')[1]))].sort();
    assert.deepEqual(fetched, ['/IMAGE/Back.dat', '/index.html', '/lumora.js', '/lumora.wasm', '/sw.js']);

    const fresh = await context.newPage();
    await fresh.goto(site.url);
    await windowOfSize(fresh, 390, 283);
    const now = await running(fresh);
    assert.equal(now.mark, 'B');
    assert.equal(now.sheet, sha256(path.join(b.dir, 'IMAGE/Back.dat')));
    assert.ok(now.asked.length >= 10);
    for (const [name, version] of now.asked) assert.equal(version, b.files[name][1].slice(0, 16), name);

    const kept = await running(old);
    assert.equal(kept.mark, 'A');
    assert.equal(kept.sheet, sha256(path.join(a.dir, 'IMAGE/Back.dat')));
    await old.keyboard.press('Enter');
    await windowOfSize(old, 640, 480);
    assert.deepEqual(browser.errors, []);
  } finally {
    await browser.close();
    site.close();
    for (const dir of [a.dir, b.dir]) fs.rmSync(dir, { recursive: true, force: true });
  }
});
