// Presses at every device pixel ratio and on a phone: each lands on the
// picture's pixel under it, in the window and full screen.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import { devices } from 'playwright-core';
import { browse, differingPixels, frames, headlessFrame, openGame, serve, until, windowOfSize } from './page.mjs';

let server;
before(async () => { server = await serve(); });
after(() => server.close());

// Where a picture of w x h stands on a window's canvas: enlarged from the
// corner by the page's scale, or full screen at the largest whole factor.
const fitOf = (page, id, w, h) => page.evaluate(([id, w, h]) => {
  const c = document.getElementById('lumora-window-' + id);
  const r = c.getBoundingClientRect();
  const full = c.classList.contains('full-screen');
  const k = full ? Math.min(Math.floor(c.width / w), Math.floor(c.height / h)) : Math.round(c.width / w);
  return { k, left: full ? Math.floor((c.width - w * k) / 2) : 0, top: full ? Math.floor((c.height - h * k) / 2) : 0,
           x: r.x, y: r.y, cssX: r.width / c.width, cssY: r.height / c.height };
}, [id, w, h]);

// A click, or a tap, on a point of a window's picture; two frames after it.
async function press(browser, id, [x, y], size = [640, 480]) {
  const f = await fitOf(browser.page, id, ...size);
  const at = [f.x + (f.left + (x + 0.5) * f.k) * f.cssX, f.y + (f.top + (y + 0.5) * f.k) * f.cssY];
  if (browser.taps) await browser.page.touchscreen.tap(...at);
  else await browser.page.mouse.click(...at);
  await frames(browser.page, 2);
  return at;
}

// The game's picture as its canvas shows it: the first pixel of each square.
async function pictureOf(page, id) {
  const f = await fitOf(page, id, 640, 480);
  return Uint8Array.from(await page.evaluate(([id, { k, left, top }]) => {
    const all = document.getElementById('lumora-window-' + id).getContext('2d')
      .getImageData(left, top, 640 * k, 480 * k).data;
    const out = new Uint8Array(640 * 480 * 4);
    for (let y = 0; y < 480; y++)
      for (let x = 0; x < 640; x++) out.set(all.subarray((y * 640 * k + x) * k * 4, (y * 640 * k + x) * k * 4 + 4),
                                            (y * 640 + x) * 4);
    return Array.from(out);
  }, [id, f]));
}

const fullScreen = (page, id, on) => until(on ? 'full screen' : 'back in the window', () => page.evaluate(
  ([id, on]) => document.getElementById('lumora-window-' + id).classList.contains('full-screen') == on &&
                !!document.fullscreenElement == on, [id, on]));

// A board started, a cell switched and the menu opened, in the window; then
// full screen, another cell and the menu again; and the headless game's
// frame after the same presses.
const windowed = [[330, 320], [150, 70], [590, 45]];
const full = [[590, 45], [590, 13], [170, 90], [590, 45]];
const headless = (...presses) => headlessFrame('seed 1700000000\nstart\nframes 2\n' +
  presses.flat().map(([x, y]) => `click ${x} ${y}\nframes 2\n`).join('') + 'shot OUT\n');

const settings = [...[1, 1.5, 2, 2.625, 3].map((ratio) => [`a device pixel ratio of ${ratio}`, { ratio }]),
                  ...['Pixel 7', 'Pixel 7 landscape'].map((name) => [`a phone (${name}), by taps`,
                                                                    { device: devices[name] }])];
for (const [setting, options] of settings) {
  test(`at ${setting} presses act on the game, in the window and full screen`, async () => {
    const browser = await browse(options);
    const { page, scale } = browser;
    browser.taps = !!options.device;
    const { width, height } = options.device?.viewport || { width: 1024, height: 768 };
    try {
      const dialog = await openGame(browser, server.url);
      await press(browser, dialog.id, [100, 255], [390, 283]);
      const game = await windowOfSize(page, 640 * scale, 480 * scale);
      for (const w of [dialog, game])
        assert.ok(w.x >= -0.01 && w.y >= -0.01 && w.x + w.cssWidth <= width + 0.01 &&
                  w.y + w.cssHeight <= height + 0.01, JSON.stringify(w));
      for (const p of windowed) await press(browser, game.id, p);
      assert.equal(differingPixels(await pictureOf(page, game.id), 640, 480, headless(windowed)), 0, 'window');

      if (options.device) {
        // The game takes the whole of the side that limits it. Beside it, two
        // fingers spread apart leave the page at its scale, and one drawn
        // down scrolls nothing.
        assert.ok(Math.max(game.cssWidth / width, game.cssHeight / height) > 0.99, JSON.stringify(game));
        const portrait = height > width;
        const [x, y] = portrait ? [width / 2, height - 120] : [30, height / 2];
        const cdp = await browser.context.newCDPSession(page);
        const fingers = async (...paths) => {
          for (let i = 0; i <= 10; i++)
            await cdp.send('Input.dispatchTouchEvent', { type: i ? 'touchMove' : 'touchStart', touchPoints:
              paths.map(([dx, dy], id) => ({ id, x: x + dx * i, y: y + dy * i })) });
          await cdp.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
        };
        await fingers(portrait ? [-10, 0] : [0, -10], portrait ? [10, 0] : [0, 10]);
        await fingers([0, 10]);
        assert.deepEqual(await page.evaluate(() => [visualViewport.scale, scrollX, scrollY]), [1, 0, 0]);
      }

      for (const p of full.slice(0, 2)) await press(browser, game.id, p);
      await fullScreen(page, game.id, true);
      for (const p of full.slice(2)) await press(browser, game.id, p);
      assert.equal(differingPixels(await pictureOf(page, game.id), 640, 480, headless(windowed, full)), 0, 'full');

      if (!options.device) {
        // Back in the window, the title strip drags it.
        for (const p of [[590, 45], [590, 13]]) await press(browser, game.id, p);
        await fullScreen(page, game.id, false);
        const before = await windowOfSize(page, 640 * scale, 480 * scale);
        const [x, y] = await press(browser, game.id, [100, 12]);
        await page.mouse.down();
        await frames(page, 1);
        await page.mouse.move(x + 40, y + 30);
        await frames(page, 1);
        await page.mouse.up();
        await frames(page, 1);
        const moved = await windowOfSize(page, 640 * scale, 480 * scale);
        assert.deepEqual([moved.x - before.x, moved.y - before.y], [40, 30]);
      }
      assert.deepEqual(browser.errors, []);
    } finally {
      await browser.close();
    }
  });
}
