import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import { browse, canvasPixels, differingPixels, frames, headlessFrame, openGame, serve, shownWindows, until,
         windowOfSize } from './page.mjs';

let server;
before(async () => { server = await serve(); });
after(() => server.close());

// The one window shown that is neither the dialog nor the game.
const box = (page) => until('an error box', async () =>
  (await shownWindows(page)).find((w) => !(w.width == 390 && w.height == 283) && !(w.width == 640 && w.height == 480)));
const noBox = (page) => until('the box to close', async () => (await shownWindows(page)).length == 1);
// The box shown as the headless game draws it with `text`, closed by Enter,
// and the game started from the dialog by Enter: its window.
async function closeBoxAndStart(page, text) {
  const shown = await box(page);
  const expected = headlessFrame(`boxshot OUT ${text}\n`);
  assert.equal(differingPixels(await canvasPixels(page, shown.id), shown.width, shown.height, expected), 0);
  await page.keyboard.press('Enter');
  await frames(page, 1);
  await noBox(page);
  await page.keyboard.press('Enter');
  await frames(page, 1);
  return windowOfSize(page, 640, 480);
}

test('a bad stored value shows the error box, and the game plays on with the defaults', async () => {
  const browser = await browse();
  const { page } = browser;
  try {
    await page.addInitScript(() => {
      if (!sessionStorage.getItem('seeded')) {
        sessionStorage.setItem('seeded', '1');
        localStorage.setItem('lumora:/:score.log', '12\r\nabc\r\n');
      }
    });
    await openGame(browser, server.url);
    const game = await closeBoxAndStart(page, "'abc' は数値ではありません");
    await frames(page, 1);
    // The first score was read before the bad line; the title shows it.
    const title = headlessFrame('seed 1700000000\nstart\nframes 2\nshot OUT\n', { 'score.log': '12\r\n0\r\n0\r\n0\r\n' });
    assert.equal(differingPixels(await canvasPixels(page, game.id), 640, 480, title), 0);
  } finally {
    await browser.close();
  }
});

test('storage that is refused gets the game\'s box for each file, and the dialog comes back', async () => {
  const browser = await browse();
  const { page } = browser;
  try {
    await page.addInitScript(() => {
      Storage.prototype.setItem = () => { throw new DOMException('full', 'QuotaExceededError'); };
    });
    await openGame(browser, server.url);
    await page.keyboard.press('Enter');
    await frames(page, 1);
    await windowOfSize(page, 640, 480);
    await page.keyboard.press('Escape');
    for (const name of ['win_state.log', 'select_game.log', 'score.log']) {
      await frames(page, 1);
      const shown = await box(page);
      const expected = headlessFrame(`boxshot OUT ﾌｧｲﾙ /DATA/${name} を作成できません\n`);
      assert.equal(differingPixels(await canvasPixels(page, shown.id), shown.width, shown.height, expected), 0, name);
      await page.keyboard.press('Enter');
    }
    await frames(page, 2);
    await windowOfSize(page, 390, 283);
    assert.equal((await shownWindows(page)).length, 1);
    assert.deepEqual(browser.errors, []);
  } finally {
    await browser.close();
  }
});

test('a stored value the browser will not give is reported and never written over', async () => {
  const browser = await browse();
  const { page } = browser;
  try {
    await page.addInitScript(() => {
      const getItem = Storage.prototype.getItem;
      const setItem = Storage.prototype.setItem;
      window.written = [];
      Storage.prototype.getItem = function (key) {
        if (key.endsWith(':score.log')) throw new DOMException('denied', 'SecurityError');
        return getItem.call(this, key);
      };
      Storage.prototype.setItem = function (key, value) {
        window.written.push(key);
        return setItem.call(this, key, value);
      };
    });
    await openGame(browser, server.url);
    await closeBoxAndStart(page, 'ﾌｧｲﾙ /DATA/score.log は開けません');
    await page.keyboard.press('Escape');
    await frames(page, 2);
    await windowOfSize(page, 390, 283);
    assert.deepEqual(await page.evaluate(() => window.written), ['lumora:/:win_state.log', 'lumora:/:select_game.log']);
  } finally {
    await browser.close();
  }
});
