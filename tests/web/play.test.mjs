import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import { browse, canvasPixels, differingPixels, frames, headlessFrame, headlessHidden, openGame, serve, seedMs,
         until, windowOfSize } from './page.mjs';

let server;
before(async () => { server = await serve(); });
after(() => server.close());

const storedScore = (page) => page.evaluate(() => localStorage.getItem('lumora:/:score.log'));
// The 6x6 board the headless game hides at the seed's second.
const hidden = () => headlessHidden('seed 1700000000\nstart\nframes 2\nclick 330 320\nframes 2\nhidden OUT\n');
// On a touch screen: the dialog's button tapped, then the title's start;
// the game's window on a fresh 6x6 board, and a tap at a point of a window.
async function touchBoard(browser) {
  const { page } = browser;
  const tap = (w, x, y) => page.touchscreen.tap(w.x + x + 0.5, w.y + y + 0.5);
  await tap(await openGame(browser, server.url), 100, 255);
  await frames(page, 1);
  const game = await windowOfSize(page, 640, 480);
  await frames(page, 1);
  await tap(game, 330, 320);
  await frames(page, 2);
  return { game, tap };
}
const solvedScript = (cells) => 'seed 1700000000\nstart\nframes 2\nclick 330 320\nframes 2\n' +
  cells.map(([x, y]) => `click ${x} ${y}\n`).join('') + 'frames 3\nshot OUT\n';

test('a board solved by keys alone; its score is kept and survives a reload', async () => {
  const browser = await browse();
  const { page } = browser;
  try {
    await openGame(browser, server.url);
    await page.keyboard.press('Enter');
    await frames(page, 1);
    const game = await windowOfSize(page, 640, 480);
    await frames(page, 1);
    await page.keyboard.press('Enter');
    await frames(page, 2);
    // The cell cursor starts on the top-left cell, column and row 7.
    let column = 7;
    let row = 7;
    for (const [x, y] of hidden()) {
      const [c, r] = [(x - 140) / 20, (y - 60) / 20];
      for (; column < c; column++) await page.keyboard.press('ArrowRight');
      for (; column > c; column--) await page.keyboard.press('ArrowLeft');
      for (; row < r; row++) await page.keyboard.press('ArrowDown');
      for (; row > r; row--) await page.keyboard.press('ArrowUp');
      await page.keyboard.press('Space');
      await frames(page, 1);
    }
    await frames(page, 3);
    const result = headlessFrame(solvedScript(hidden()));
    // The key cursor's frame stands where the pointer is not: only that differs.
    assert.ok(differingPixels(await canvasPixels(page, game.id), 640, 480, result) < 400);
    await page.keyboard.press('Enter');
    await frames(page, 2);
    await page.keyboard.press('Escape');
    await frames(page, 1);
    const score = await storedScore(page);
    assert.match(score, /^[1-9][0-9]*\r\n0\r\n0\r\n0\r\n$/);

    await page.reload();
    await page.clock.pauseAt(seedMs + 60_000);
    await windowOfSize(page, 390, 283);
    assert.equal(await storedScore(page), score);
    await page.keyboard.press('Enter');
    await frames(page, 1);
    const again = await windowOfSize(page, 640, 480);
    await frames(page, 1);
    const title = headlessFrame('seed 1700000000\nstart\nframes 2\nshot OUT\n', { 'score.log': score });
    assert.equal(differingPixels(await canvasPixels(page, again.id), 640, 480, title), 0);
    assert.deepEqual(browser.errors, []);
  } finally {
    await browser.close();
  }
});

test('a board solved by touch', async () => {
  const browser = await browse({ touch: true });
  const { page } = browser;
  try {
    const { game, tap } = await touchBoard(browser);
    const cells = hidden();
    await page.evaluate(() => {
      const p = Module.lumoraPage;
      p.states = [];
      p.audio.onstatechange = () => p.states.push(p.audio.state);
    });
    for (const [x, y] of cells) await tap(game, x, y);
    await frames(page, 3);
    const solved = headlessFrame(solvedScript(cells));
    assert.equal(differingPixels(await canvasPixels(page, game.id), 640, 480, solved), 0);
    // Each switch played the click, decoded once; the audio context runs
    // while it plays and is put to rest once it ends.
    const sound = await until('the click decoded', () => page.evaluate(() => {
      const p = Module.lumoraPage;
      const decoded = Object.values(p.sounds);
      return decoded.length == 1 && decoded[0] && { played: p.played, seconds: decoded[0].duration };
    }));
    assert.ok(sound.played >= cells.length && sound.seconds > 0, JSON.stringify(sound));
    // A click that ends before its 'running' event is handled reads
    // 'suspended' in that handler too, so two changes also tell of a run.
    await until('the audio context at rest', () => page.evaluate(() => {
      const p = Module.lumoraPage;
      return (p.states.includes('running') || p.states.length >= 2) && p.audio.state == 'suspended';
    }));
  } finally {
    await browser.close();
  }
});

test('the page\'s hint button holds the hints, as the right button does', async () => {
  const browser = await browse({ touch: true });
  const { page } = browser;
  try {
    const { game, tap } = await touchBoard(browser);
    const cells = hidden().slice(0, 3);
    for (const [x, y] of cells) await tap(game, x, y);
    await frames(page, 2);
    await page.evaluate(() => document.getElementById('hint').dispatchEvent(new PointerEvent('pointerdown')));
    await frames(page, 11);
    const held = headlessFrame('seed 1700000000\nstart\nframes 2\nclick 330 320\nframes 2\n' +
      cells.map(([x, y]) => `click ${x} ${y}\n`).join('') + 'frames 2\nkey 72\nframes 11\nshot OUT\n');
    assert.equal(differingPixels(await canvasPixels(page, game.id), 640, 480, held), 0);
  } finally {
    await browser.close();
  }
});
