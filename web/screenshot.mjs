// The README's picture of the page: a 10x10 board in play, the page around it.
//   node web/screenshot.mjs OUT.png
import { browse, clickAt, frames, serve, startGame } from '../tests/web/page.mjs';

const server = await serve();
const browser = await browse({ viewport: { width: 1024, height: 680 } });
const { page } = browser;
try {
  const { game } = await startGame(browser, server.url);
  for (const [x, y] of [[280, 230], [330, 320]]) {
    await clickAt(page, game, x, y);
    await frames(page, 2);
  }
  for (const [x, y] of [[260, 220], [260, 240], [300, 300], [360, 220], [380, 200], [420, 180]]) {
    await clickAt(page, game, x, y);
    await frames(page, 1);
  }
  await page.mouse.move(game.x + 320, game.y + 260);
  await frames(page, 40);
  await page.screenshot({ path: process.argv[2] });
} finally {
  await browser.close();
  server.close();
}
