// Presses at every device pixel ratio and on a phone: the pointer has to
// land on the picture's pixel under it, in the window and full screen.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import { devices } from 'playwright-core';
import { browse, differingPixels, frames, headlessFrame, openGame, serve, until, windows, windowOfSize }
  from './page.mjs';

let server;
before(async () => { server = await serve(); });
after(() => server.close());

// A point of a window's picture in the page's CSS pixels: enlarged from the
// corner by the page's scale, or full screen at the largest whole factor.
const pointOf = (page, id, x, y, size) => page.evaluate(([id, x, y, [w, h]]) => {
  const c = document.getElementById('lumora-window-' + id);
  const r = c.getBoundingClientRect();
  const full = c.classList.contains('full-screen');
  const k = full ? Math.min(Math.floor(c.width / w), Math.floor(c.height / h)) : Math.round(c.width / w);
  const left = full ? Math.floor((c.width - w * k) / 2) : 0;
  const top = full ? Math.floor((c.height - h * k) / 2) : 0;
  return [r.x + (left + (x + 0.5) * k) * r.width / c.width, r.y + (top + (y + 0.5) * k) * r.height / c.height];
}, [id, x, y, size]);

// The game's picture as its canvas shows it: the first pixel of each square.
const pictureOf = async (page, id) => {
  const data = await page.evaluate((id) => {
    const c = document.getElementById('lumora-window-' + id);
    const full = c.classList.contains('full-screen');
    const k = full ? Math.min(Math.floor(c.width / 640), Math.floor(c.height / 480)) : Math.round(c.width / 640);
    const left = full ? Math.floor((c.width - 640 * k) / 2) : 0;
    const top = full ? Math.floor((c.height - 480 * k) / 2) : 0;
    const all = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;
    const out = new Uint8Array(640 * 480 * 4);
    for (let y = 0; y < 480; y++)
      for (let x = 0; x < 640; x++)
        out.set(all.subarray(((top + y * k) * c.width + left + x * k) * 4, ((top + y * k) * c.width + left + x * k) * 4 + 4),
                (y * 640 + x) * 4);
    return Array.from(out);
  }, id);
  return Uint8Array.from(data);
};

// Presses on the game as the player makes them, each followed by two frames,
// and the headless game's frame after the same presses.
async function press(browser, game, points, tap) {
  for (const [x, y] of points) {
    const [cx, cy] = await pointOf(browser.page, game.id, x, y, [640, 480]);
    if (tap) await browser.page.touchscreen.tap(cx, cy);
    else await browser.page.mouse.click(cx, cy);
    await frames(browser.page, 2);
  }
}
const headless = (steps) => headlessFrame('seed 1700000000\nstart\nframes 2\n' +
  steps.flat().map(([x, y]) => `click ${x} ${y}\nframes 2\n`).join('') + 'shot OUT\n');
const fullScreen = (page, id, on) => until(on ? 'full screen' : 'back in the window', () => page.evaluate(
  ([id, on]) => document.getElementById('lumora-window-' + id).classList.contains('full-screen') == on, [id, on]));

// A board started, a cell switched and the menu opened: in the window, then
// full screen.
const windowed = [[330, 320], [150, 70], [590, 45]];
const full = [[590, 45], [590, 13], [170, 90], [590, 45]];

async function startAndOpen(browser, tap) {
  const { page, scale } = browser;
  const dialog = await openGame(browser, server.url);
  const [x, y] = await pointOf(page, dialog.id, 100, 255, [390, 283]);
  if (tap) await page.touchscreen.tap(x, y);
  else await page.mouse.click(x, y);
  await frames(page, 2);
  return { dialog, game: await windowOfSize(page, 640 * scale, 480 * scale) };
}

for (const ratio of [1, 1.5, 2, 2.625, 3]) {
  test(`at a device pixel ratio of ${ratio} clicks and drags act on the game, in the window and full screen`, async () => {
    const browser = await browse({ ratio });
    const { page } = browser;
    try {
      const { game } = await startAndOpen(browser, false);
      await press(browser, game, windowed);
      assert.equal(differingPixels(await pictureOf(page, game.id), 640, 480, headless([windowed])), 0, 'window');
      await press(browser, game, full.slice(0, 2));
      await fullScreen(page, game.id, true);
      await press(browser, game, full.slice(2));
      assert.equal(differingPixels(await pictureOf(page, game.id), 640, 480, headless([windowed, full])), 0, 'full');

      await press(browser, game, [[590, 45], [590, 13]]);
      await fullScreen(page, game.id, false);
      const before = await windowOfSize(page, 640 * browser.scale, 480 * browser.scale);
      const [x, y] = await pointOf(page, game.id, 100, 12, [640, 480]);
      await page.mouse.move(x, y);
      await page.mouse.down();
      await frames(page, 1);
      await page.mouse.move(x + 40, y + 30);
      await frames(page, 1);
      await page.mouse.up();
      await frames(page, 1);
      const moved = await windowOfSize(page, 640 * browser.scale, 480 * browser.scale);
      assert.deepEqual([moved.x - before.x, moved.y - before.y], [40, 30]);
      assert.deepEqual(browser.errors, []);
    } finally {
      await browser.close();
    }
  });
}

for (const name of ['Pixel 7', 'Pixel 7 landscape']) {
  test(`on a phone (${name}) the game fits the screen, takes taps and goes full screen; nothing zooms or scrolls`,
       async () => {
    const browser = await browse({ device: devices[name] });
    const { page } = browser;
    const { width, height } = devices[name].viewport;
    const inside = (w) => w.x >= -0.01 && w.y >= -0.01 && w.x + w.cssWidth <= width + 0.01 &&
                          w.y + w.cssHeight <= height + 0.01;
    try {
      const { dialog, game } = await startAndOpen(browser, true);
      assert.ok(inside(dialog), JSON.stringify(dialog));
      assert.ok(inside(game), JSON.stringify(game));
      // It takes the whole of the side that limits it.
      assert.ok(Math.max(game.cssWidth / width, game.cssHeight / height) > 0.99, JSON.stringify(game));

      await press(browser, game, windowed, true);
      assert.equal(differingPixels(await pictureOf(page, game.id), 640, 480, headless([windowed])), 0, 'window');

      // Beside the game, two fingers spread apart leave the page at its
      // scale, and one drawn down scrolls nothing.
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
      assert.deepEqual(await page.evaluate(() => [visualViewport.scale, scrollX, scrollY,
                                                  document.scrollingElement.scrollTop]), [1, 0, 0, 0]);

      await press(browser, game, full.slice(0, 2), true);
      await fullScreen(page, game.id, true);
      assert.ok(await page.evaluate(() => document.fullscreenElement?.classList.contains('lumora-window')));
      await press(browser, game, full.slice(2), true);
      assert.equal(differingPixels(await pictureOf(page, game.id), 640, 480, headless([windowed, full])), 0, 'full');
      assert.deepEqual(browser.errors, []);
    } finally {
      await browser.close();
    }
  });
}
