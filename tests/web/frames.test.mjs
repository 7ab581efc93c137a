import assert from 'node:assert/strict';
import fs from 'node:fs';
import { after, before, test } from 'node:test';
import { browse, headlessFrame, serve } from './page.mjs';
import { playScript } from './script.mjs';

let server;
let browser;
before(async () => {
  server = await serve();
  browser = await browse();
});
after(async () => {
  await browser.close();
  server.close();
});

const screenshots = new URL('../../docs/screenshots/', import.meta.url);
const readme = (name) => fs.readFileSync(new URL(name + '.txt', screenshots), 'utf8');

// Each picture, played into the page, equals the headless game's frame of the
// same moment, pixel for pixel.
const scripts = {
  title: readme('title'),
  'a 6x6 board': `seed 1700000000
start
frames 2
click 330 320
frames 2
click 280 200
click 300 220
frames 5
move 320 240
frames 1
shot OUT`,
  'hints held': readme('hint'),
  menu: readme('menu'),
  result: readme('failed'),
  // With the clock held at another second, giving up shows the pattern the
  // generator hides from that second.
  'a given-up board at another second': `seed 1712345678
start
frames 2
click 330 320
frames 2
click 590 45
click 320 252
frames 2
shot OUT`,
};
for (const [name, script] of Object.entries(scripts)) {
  test(`${name}: the canvas equals the headless frame`, async () => {
    const page = await browser.context.newPage();
    try {
      const differing = await playScript(browser, page, server.url, script.replace(/^(shot|dialogshot) .*$/m, '$1 OUT'));
      assert.ok(differing.length > 0);
      assert.deepEqual(differing, differing.map(() => 0));
    } finally {
      await page.close();
    }
  });
}

// A browser that puts English first gets the English game: its words, its
// sheets, and the same frames as the headless game in English.
test('in English, the title and the menu equal the English headless frames', async () => {
  const english = await browse({ language: 'en' });
  try {
    for (const name of ['title', 'menu']) {
      const differing = await playScript(english, english.page, server.url,
                                         readme(name).replace(/^(shot|dialogshot) .*$/m, '$1 OUT'));
      assert.ok(differing.length > 0, name);
      assert.deepEqual(differing, differing.map(() => 0), name);
    }
    // And those frames are not the Japanese ones.
    const title = readme('title').replace(/^shot .*$/m, 'shot OUT');
    assert.notDeepEqual(headlessFrame(title, {}, 'en').data, headlessFrame(title, {}, 'ja').data);
  } finally {
    await english.close();
  }
});
