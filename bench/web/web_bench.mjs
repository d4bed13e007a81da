// Figures for the web build, printed, not tested: the size of the folder, the time from
// navigation to the first painted board against a minimal Emscripten page in the same browser
// and run, and the cost of one drag step and one keyboard step.
// Usage: node web_bench.mjs SITE MINIMAL_SITE TESTS_WEB (the folder with Playwright installed)
import { createServer } from 'node:http';
import { readFile, readdir } from 'node:fs/promises';
import { createRequire } from 'node:module';
import { extname, join } from 'node:path';
import { gzipSync } from 'node:zlib';

const [site, minimalSite, testsWeb, kitPath] = process.argv.slice(2);
const { DRAG_POINTS } = await import(new URL(`file://${kitPath}`).href);
const { chromium } = createRequire(join(testsWeb, 'package.json'))('playwright-core');
const types = { '.html': 'text/html', '.js': 'text/javascript', '.wasm': 'application/wasm',
                '.css': 'text/css', '.svg': 'image/svg+xml', '.png': 'image/png' };
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

let plain = 0, gzipped = 0;
for (const name of await readdir(site)) {
  const bytes = await readFile(join(site, name));
  plain += bytes.length;
  gzipped += gzipSync(bytes, { level: 9 }).length;
}
console.log(`web folder: ${plain} bytes, ${gzipped} bytes gzipped file by file (goal <= 40960)`);

const server = createServer(async (request, response) => {
  const path = new URL(request.url, 'http://x').pathname;
  const [root, name] = path.startsWith('/minimal/') ? [minimalSite, path.slice(9)] : [site, path.slice(1)];
  const file = name || 'index.html';
  try {
    const body = await readFile(join(root, file));
    response.writeHead(200, { 'Content-Type': types[extname(file)] ?? 'application/octet-stream' });
    response.end(body);
  } catch {
    response.writeHead(404).end();
  }
});
await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
const origin = `http://127.0.0.1:${server.address().port}`;
const browser = await chromium.launch({
  executablePath: '/usr/bin/chromium',
  args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
         '--disable-background-networking', '--disable-component-update', '--disable-sync'],
});

// Milliseconds from navigation to the first frame in which the canvas shows green at (35, 35):
// a script that runs before the page's own looks at every frame from the first. Each load is
// cold: a new context, with an empty cache and no service worker yet.
async function firstPaint(url) {
  const context = await browser.newContext();
  await context.addInitScript(() => {
    // The board's own 2-d context, as the page creates it.
    const getContext = HTMLCanvasElement.prototype.getContext;
    let board = null;
    HTMLCanvasElement.prototype.getContext = function (...args) {
      const context = getContext.apply(this, args);
      if (this.id === 'board') board = context;
      return context;
    };
    window.firstPainted = new Promise((resolve) => {
      const check = () => {
        const pixel = board?.getImageData(35, 35, 1, 1).data;
        if (pixel && pixel[1] === 192) resolve(performance.now());
        else requestAnimationFrame(check);
      };
      requestAnimationFrame(check);
    });
  });
  const page = await context.newPage();
  await page.goto(url, { waitUntil: 'commit' });
  const ms = await page.evaluate(() => window.firstPainted);
  await context.close();
  return ms;
}

const game = [], minimal = [];
const LOADS = Number(process.env.QUANDREL_BENCH_LOADS ?? 21);
for (let i = 0; i < LOADS; ++i) {
  // Each goes first in every other pair.
  const pair = [[game, `${origin}/`], [minimal, `${origin}/minimal/minimal.html`]];
  for (const [times, url] of i % 2 === 0 ? pair : pair.reverse()) times.push(await firstPaint(url));
}
const g = median(game), m = median(minimal);
console.log(`navigation to first painted board (median of ${LOADS}): game ${g.toFixed(1)} ms, ` +
            `minimal page ${m.toFixed(1)} ms, ratio ${(g / m).toFixed(3)} (goal <= 1.20)`);

// One drag step: the pointer's position through the game's conversion, rules and canvas paint,
// the single block going right and back; and a real mouse move through the browser, round trip.
const context = await browser.newContext({ serviceWorkers: 'block' });
const page = await context.newPage();
await page.goto(`${origin}/`);
await page.waitForSelector('body[data-ready="true"]');
// `game` is the page script's module: the same call its pointer handlers make.
// Drag cells (3, 1) and (4, 1), in device pixels.
const perStep = await page.evaluate(([[x3, y], [x4]]) => {
  const at = (c) => (c === 3 ? x3 : x4) * devicePixelRatio;
  y *= devicePixelRatio;
  game._quandrel_mouse(0, 1, 1, 0, at(3), y, devicePixelRatio);
  const steps = 2000;
  const start = performance.now();
  for (let i = 0; i < steps; ++i) {
    game._quandrel_mouse(1, 0, 1, 0, at(i % 2 === 0 ? 4 : 3), y, devicePixelRatio);
  }
  return (performance.now() - start) / steps;
}, [DRAG_POINTS[8], DRAG_POINTS[9]]);
const client = await page.locator('#client').boundingBox();
const rounds = [];
await page.mouse.move(client.x + 118, client.y + 100);
await page.mouse.down();
for (let i = 0; i < 100; ++i) {
  const start = performance.now();
  await page.mouse.move(client.x + (i % 2 === 0 ? 368 : 118), client.y + 100);
  rounds.push(performance.now() - start);
}
await page.mouse.up();
console.log(`drag step, pointer event to painted canvas: ${(perStep * 1000).toFixed(0)} us ` +
            `(goal < 1000 us); real mouse move round trip through the browser: ` +
            `${median(rounds).toFixed(2)} ms median`);

// One keyboard step: Shift+arrow on the board through the page's key handler, the rules, the
// canvas paint, the cell names and the status region, the single block at (3, 1) right and back.
await page.goto(`${origin}/`);
await page.waitForSelector('body[data-ready="true"]');
for (const key of ['ArrowRight', 'ArrowRight', 'ArrowRight', 'ArrowRight', 'ArrowDown']) {
  await page.keyboard.press(key);
}
const perKeyStep = await page.evaluate(() => {
  const grid = document.getElementById('grid');
  const steps = 2000;
  const start = performance.now();
  for (let i = 0; i < steps; ++i) {
    grid.dispatchEvent(new KeyboardEvent('keydown', {
      key: i % 2 === 0 ? 'ArrowRight' : 'ArrowLeft', shiftKey: true, bubbles: true }));
  }
  return (performance.now() - start) / steps;
});
const keyRounds = [];
for (let i = 0; i < 100; ++i) {
  const start = performance.now();
  await page.keyboard.press(i % 2 === 0 ? 'Shift+ArrowRight' : 'Shift+ArrowLeft');
  keyRounds.push(performance.now() - start);
}
console.log(`keyboard step, key event to painted canvas: ${(perKeyStep * 1000).toFixed(0)} us ` +
            `(goal < 1000 us); real key press round trip through the browser: ` +
            `${median(keyRounds).toFixed(2)} ms median`);
await browser.close();
server.close();
