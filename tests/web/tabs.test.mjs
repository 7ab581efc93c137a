import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import { browse, canvasPixels, clickAt, differingPixels, frames, headlessFrame, headlessHidden, serve, startGame,
         until } from './page.mjs';

let server;
before(async () => { server = await serve(); });
after(() => server.close());

const storedScore = (page) => page.evaluate(() => localStorage.getItem('lumora:/:score.log'));
const title = (score) => headlessFrame('seed 1700000000\nstart\nframes 2\nshot OUT\n', { 'score.log': score });
const hidden = () => headlessHidden('seed 1700000000\nstart\nframes 2\nclick 330 320\nframes 2\nhidden OUT\n');

test('a record saved in one tab shows in the other tab\'s title, and stays once both have saved', async () => {
  const browser = await browse();
  const { context, page: first } = browser;
  try {
    const one = await startGame(browser, server.url);
    const second = await context.newPage();
    const errors = [];
    second.on('pageerror', (e) => errors.push(e.message));
    const two = await startGame({ ...browser, page: second }, server.url);

    await clickAt(second, two.game, 330, 320);
    await frames(second, 2);
    for (const [x, y] of hidden()) await clickAt(second, two.game, x, y);
    await frames(second, 3);
    await second.keyboard.press('Escape');
    await frames(second, 1);
    const record = await until('the second tab\'s record stored', async () => {
      const score = await storedScore(second);
      return /^[1-9][0-9]*\r\n0\r\n0\r\n0\r\n$/.test(score || '') && score;
    });

    // The first tab never read it, yet its title shows it a frame later.
    await frames(first, 2);
    assert.equal(differingPixels(await canvasPixels(first, one.game.id), 640, 480, title(record)), 0);

    await first.keyboard.press('Escape');
    await frames(first, 1);
    await until('the first tab\'s save', async () => (await first.evaluate(() =>
      Array.from(document.querySelectorAll('canvas.lumora-window')).filter((c) => !c.hidden).length)) == 1);
    assert.equal(await storedScore(first), record);
    assert.deepEqual([...browser.errors, ...errors], []);
  } finally {
    await browser.close();
  }
});
