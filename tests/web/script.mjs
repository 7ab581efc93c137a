// Plays a script of the headless game's runner into the page as a player
// would, and compares each frame it asks for with the headless game's.
import { canvasPixels, clickAt, differingPixels, enlarged, frames, headlessFrame, openGame, windowOfSize }
  from './page.mjs';

const keyNames = { 13: 'Enter', 27: 'Escape', 32: 'Space', 37: 'ArrowLeft', 38: 'ArrowUp', 39: 'ArrowRight',
                   40: 'ArrowDown' };
export const keyName = (code) => keyNames[code] || String.fromCharCode(code).toLowerCase();

// The steps up to each shot, so that the headless game draws that shot alone.
function prefixes(script) {
  const lines = script.trim().split('\n').map((l) => l.trim()).filter((l) => l && !l.startsWith('#'));
  const shots = [];
  lines.forEach((line, i) => {
    if (/^(shot|dialogshot)\b/.test(line))
      shots.push(lines.slice(0, i).filter((l) => !/^(shot|dialogshot)\b/.test(l)).join('\n') + '\n' +
                 line.split(' ')[0] + ' OUT\n');
  });
  return { lines, shots };
}

// Gives, for each shot, how many pixels of the page's canvas differ from the
// headless frame (-1 for a different size).
export async function playScript(browser, page, url, script) {
  const { lines, shots } = prefixes(script);
  const scale = browser.scale;
  const seed = lines.find((l) => l.startsWith('seed '));
  const dialog = await openGame({ ...browser, page }, url, seed ? { at: Number(seed.split(' ')[1]) * 1000 } : {});
  let game = null;
  const gameWindow = async () => game || (game = await windowOfSize(page, 640 * scale, 480 * scale));
  const results = [];
  for (const line of lines) {
    const [step, ...args] = line.split(/\s+/);
    const [a, b] = args.map(Number);
    const button = args.includes('right') ? 'right' : 'left';
    if (step == 'start') await clickAt(page, dialog, 100 * scale, 255 * scale);
    else if (step == 'frames') await frames(page, a);
    else if (step == 'click') await clickAt(page, await gameWindow(), a * scale, b * scale, { button });
    else if (step == 'move' || step == 'press' || step == 'release') {
      const w = await gameWindow();
      const k = w.cssWidth / w.width;
      await page.mouse.move(w.x + (a * scale + 0.5) * k, w.y + (b * scale + 0.5) * k);
      if (step == 'press') await page.mouse.down({ button });
      if (step == 'release') await page.mouse.up({ button });
    } else if (step == 'key') await page.keyboard.down(keyName(a));
    else if (step == 'shot' || step == 'dialogshot') {
      // Events still queued are taken when the game next wakes, as the
      // headless runner takes them before its shot, without a frame.
      const w = step == 'shot' ? await gameWindow() : dialog;
      const expected = enlarged(headlessFrame(shots[results.length], {}, browser.language), scale);
      const pixels = await canvasPixels(page, w.id);
      results.push(differingPixels(pixels, w.width, w.height, expected));
    }
  }
  return results;
}
