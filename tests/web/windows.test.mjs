import assert from 'node:assert/strict';
import fs from 'node:fs';
import { after, before, test } from 'node:test';
import { browse, canvasPixels, clickAt, differingPixels, frames, headlessFrame, openGame, serve, startGame, until,
         windows, windowOfSize } from './page.mjs';
import { playScript } from './script.mjs';

let server;
before(async () => { server = await serve(); });
after(() => server.close());

const title = 'seed 1700000000\nstart\nframes 2\nshot OUT\n';
const desktop = (page) => page.evaluate(() => {
  const r = document.getElementById('desktop').getBoundingClientRect();
  return { x: r.x, y: r.y, width: r.width, height: r.height };
});

test('the title strip drags the game inside the page, held at its edges', async () => {
  const browser = await browse();
  const { page } = browser;
  try {
    let { game } = await startGame(browser, server.url);
    const screen = await desktop(page);
    await page.mouse.move(game.x + 100, game.y + 12);
    await page.mouse.down();
    await frames(page, 1);
    // Far past the page's top-left corner, and the pointer off the canvas.
    for (const [x, y] of [[50, 10], [-300, -200], [-500, -400]]) {
      await page.mouse.move(x, y);
      await frames(page, 1);
    }
    game = await windowOfSize(page, 640, 480);
    assert.deepEqual([game.x, game.y], [screen.x, screen.y]);
    for (const [x, y] of [[900, 700], [2000, 1500]]) {
      await page.mouse.move(x, y);
      await frames(page, 1);
    }
    await page.mouse.up();
    await frames(page, 1);
    game = await windowOfSize(page, 640, 480);
    assert.deepEqual([game.x + 640, game.y + 480], [screen.x + screen.width, screen.y + screen.height]);
  } finally {
    await browser.close();
  }
});

test('at a device pixel ratio of 2 the picture is doubled, pixel for pixel', async () => {
  const browser = await browse({ ratio: 2 });
  try {
    assert.deepEqual(await playScript(browser, browser.page, server.url, title), [0]);
    const game = await windowOfSize(browser.page, 1280, 960);
    assert.deepEqual([game.cssWidth, game.cssHeight], [640, 480]);
  } finally {
    await browser.close();
  }
});

test('a viewport smaller than the game shows it whole, scaled down, and still takes clicks', async () => {
  const viewport = { width: 480, height: 400 };
  const browser = await browse({ viewport });
  try {
    assert.deepEqual(await playScript(browser, browser.page, server.url, title), [0]);
    const game = await windowOfSize(browser.page, 640, 480);
    assert.ok(game.x >= 0 && game.y >= 0 && game.x + game.cssWidth <= viewport.width + 0.01 &&
              game.y + game.cssHeight <= viewport.height + 0.01, JSON.stringify(game));
  } finally {
    await browser.close();
  }
});

test('leaving the page sets the game aside with the panel, whose button brings it back', async () => {
  const browser = await browse();
  const { page } = browser;
  try {
    const dialog = await openGame(browser, server.url);
    await clickAt(page, dialog, 100, 255);
    await frames(page, 2);
    await page.evaluate(() => window.dispatchEvent(new Event('blur')));
    await frames(page, 1);
    const panel = await windowOfSize(page, 150, 220);
    const script = fs.readFileSync(new URL('../../docs/screenshots/panel.txt', import.meta.url), 'utf8');
    const expected = headlessFrame(script.replace(/^dialogshot .*$/m, 'dialogshot OUT'));
    // The page draws no frame: the panel's client is its whole outer size,
    // and the headless one's is what its frame leaves, from the same corner.
    const pixels = await canvasPixels(page, panel.id);
    const corner = new Uint8Array(expected.width * expected.height * 4);
    for (let y = 0; y < expected.height; y++)
      corner.set(pixels.subarray(y * 150 * 4, (y * 150 + expected.width) * 4), y * expected.width * 4);
    assert.equal(differingPixels(corner, expected.width, expected.height, expected), 0);
    assert.equal((await windowOfSize(page, 150, 220)).id, dialog.id);
    await page.evaluate(() => window.dispatchEvent(new Event('focus')));
    await clickAt(page, panel, 70, 170);
    await frames(page, 2);
    await windowOfSize(page, 640, 480);
  } finally {
    await browser.close();
  }
});

test('full screen shows the game at the largest whole factor that fits, centred on black', async () => {
  const browser = await browse();
  const { page } = browser;
  try {
    const { game } = await startGame(browser, server.url);
    await clickAt(page, game, 590, 13);
    await frames(page, 2);
    const full = await until('the game full screen', async () =>
      (await windows(page)).find((w) => w.id == game.id && w.width == 1024 && w.height == 768));
    assert.deepEqual([full.x, full.y, full.cssWidth, full.cssHeight], [0, 0, 1024, 768]);
    const pixels = await canvasPixels(page, game.id);
    const expected = headlessFrame('seed 1700000000\nstart\nframes 2\nclick 590 13\nframes 2\nshot OUT\n');
    const picture = new Uint8Array(640 * 480 * 4);
    for (let y = 0; y < 480; y++)
      picture.set(pixels.subarray(((144 + y) * 1024 + 192) * 4, ((144 + y) * 1024 + 832) * 4), y * 640 * 4);
    assert.equal(differingPixels(picture, 640, 480, expected), 0);
    assert.deepEqual(Array.from(pixels.subarray(0, 4)), [0, 0, 0, 255]);
  } finally {
    await browser.close();
  }
});
