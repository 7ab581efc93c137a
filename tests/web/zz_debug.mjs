import fs from 'node:fs';
import { PNG } from 'pngjs';
import { browse, serve, canvasPixels, headlessFrame, windowOfSize } from './page.mjs';
import { playScript } from './script.mjs';
const server = await serve();
const b = await browse();
const page = b.page;
const script = `seed 1700000000
start
frames 2
click 330 320
frames 2
click 280 200
click 300 220
frames 5
move 320 240
frames 1
shot OUT`;
await playScript(b, page, server.url, script);
const w = await windowOfSize(page, 640, 480);
const px = await canvasPixels(page, w.id);
const exp = headlessFrame(script);
let x0=1e9,y0=1e9,x1=-1,y1=-1;
for (let y=0;y<480;y++) for (let x=0;x<640;x++){const i=(y*640+x)*4; if (px[i]!=exp.data[i]||px[i+1]!=exp.data[i+1]||px[i+2]!=exp.data[i+2]){x0=Math.min(x0,x);y0=Math.min(y0,y);x1=Math.max(x1,x);y1=Math.max(y1,y);}}
console.log('diff box', x0,y0,x1,y1);
const out = new PNG({width:640,height:480}); out.data=Buffer.from(px); fs.writeFileSync('/tmp/web.png', PNG.sync.write(out));
const o2 = new PNG({width:640,height:480}); o2.data=Buffer.from(exp.data); fs.writeFileSync('/tmp/headless.png', PNG.sync.write(o2));
await b.close(); server.close();
