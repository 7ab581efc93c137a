import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import { browse, canvasPixels, differingPixels, headlessFrame, openGame, serve, until } from './page.mjs';

let server;
before(async () => { server = await serve(); });
after(() => server.close());

test('the page loads and shows the start dialog as the headless game draws it', async () => {
  const browser = await browse();
  try {
    const dialog = await openGame(browser, server.url);
    const expected = headlessFrame('seed 1700000000\nframes 1\ndialogshot OUT\n');
    const pixels = await canvasPixels(browser.page, dialog.id);
    assert.equal(differingPixels(pixels, dialog.width, dialog.height, expected), 0);
    assert.deepEqual(browser.errors, []);
    // Every file the page asks for is there, its icon among them.
    await until('the icon asked for', () => server.answers.some((a) => /icon|lumora-32/.test(a)));
    assert.deepEqual(server.answers.filter((a) => !a.startsWith('200')), []);
  } finally {
    await browser.close();
  }
});
