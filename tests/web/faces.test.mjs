// The page's cut-down faces go out as its licence asks: under names of their
// own, with the licence and a note on the originals, named on the page.
import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import { test } from 'node:test';
import { browse, pageDir, serve, until } from './page.mjs';

// The name table's records, { id, text }, read from the font file.
function names(file) {
  const font = fs.readFileSync(file);
  const tables = font.readUInt16BE(4);
  for (let i = 0; i < tables; i++) {
    const entry = 12 + i * 16;
    if (font.toString('latin1', entry, entry + 4) != 'name') continue;
    const table = font.readUInt32BE(entry + 8);
    const strings = table + font.readUInt16BE(table + 4);
    return Array.from({ length: font.readUInt16BE(table + 2) }, (_, r) => {
      const at = table + 6 + r * 12;
      const [platform, id, length, offset] = [0, 6, 8, 10].map((o) => font.readUInt16BE(at + o));
      const bytes = font.subarray(strings + offset, strings + offset + length);
      // Windows and Unicode records are UTF-16BE; Mac Roman ones here are ASCII.
      const text = platform == 1 ? bytes.toString('latin1') : Buffer.from(bytes).swap16().toString('utf16le');
      return { id, text };
    });
  }
  return [];
}

test('the cut-down faces carry names of their own, beside the licence and a note on the originals', () => {
  for (const [file, family] of [['LumoraGothic.ttf', 'Lumora Gothic'], ['LumoraPGothic.ttf', 'Lumora PGothic']]) {
    const records = names(path.join(pageDir, 'FONTS', file));
    const naming = records.filter((r) => [1, 3, 4, 6, 16, 17, 18, 21].includes(r.id));
    assert.ok(naming.length > 0, file);
    for (const r of naming) assert.doesNotMatch(r.text, /IPA/i, `${file}: record ${r.id}`);
    assert.deepEqual(new Set(records.filter((r) => r.id == 1).map((r) => r.text)), new Set([family]));
    // The copyright and the licence's records stay.
    assert.ok(records.some((r) => r.id == 0 && /IPA/.test(r.text)), file);
  }
  assert.deepEqual(fs.readdirSync(path.join(pageDir, 'FONTS')).filter((f) => /^ipa/i.test(f)), []);
  const licence = fs.readFileSync(path.join(pageDir, 'FONTS/LICENSE.txt'), 'utf8');
  assert.match(licence, /IPA Font License Agreement v1\.0/);
  assert.match(licence, /IPAフォントライセンスv1\.0/);
  const note = fs.readFileSync(path.join(pageDir, 'FONTS/README.txt'), 'utf8');
  for (const word of ['IPAGothic', 'IPAPGothic', 'ipag.ttf', 'ipagp.ttf', 'LICENSE.txt']) assert.ok(note.includes(word), word);
});

test('the page names the faces and links their licence and the note on them', async () => {
  const server = await serve();
  const browser = await browse();
  try {
    await browser.page.goto(server.url);
    const about = await until('the page\'s about line in Japanese', () => browser.page.evaluate(() => {
      const a = document.getElementById('about');
      return a.lang == 'ja' && { text: a.textContent, links: Array.from(a.querySelectorAll('a'), (l) => l.href) };
    }));
    assert.ok(about.text.includes('Lumora Gothic') && about.text.includes('IPAフォントライセンス'), about.text);
    await browser.page.click('#about summary');
    assert.ok(await browser.page.isVisible('#about a[href="FONTS/LICENSE.txt"]'));
    for (const link of about.links) assert.equal((await browser.page.request.get(link)).status(), 200, link);
    assert.equal(about.links.length, 2);
  } finally {
    await browser.close();
    server.close();
  }
});
