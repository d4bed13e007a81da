// Serves the built web folder on 127.0.0.1 and drives it in Debian's Chromium, headless, with
// real input. Every page fails its test on a console error or an uncaught exception.
import assert from 'node:assert/strict';
import { createServer } from 'node:http';
import { readFile } from 'node:fs/promises';
import { extname, join, normalize } from 'node:path';
import { after, before } from 'node:test';
import { chromium } from 'playwright-core';

const axePath = new URL('node_modules/axe-core/axe.min.js', import.meta.url).pathname;
const site = process.env.QUANDREL_SITE ?? new URL('../../build/web/site', import.meta.url).pathname;
const types = {
  '.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css', '.wasm': 'application/wasm',
  '.png': 'image/png', '.svg': 'image/svg+xml', '.webmanifest': 'application/manifest+json',
};

// The game's numbers, written by write_kit from its definitions.
const kit = await import(process.env.QUANDREL_KIT ??
                         new URL('../../build/web/kit.mjs', import.meta.url).href);

// Drag-grid cell centres and drawn-cell centres, in CSS pixels from the client area's corner.
export const dragPoint = (c, r) => kit.DRAG_POINTS[c + 5 * r];
export const cellCentre = (c, r) => kit.CELL_CENTRES[c + 5 * r];

// The colours of the empty cell and of each kind of block, and the dump's marker.
const colourOf = (code) => kit.CODE_COLOURS[code];
export const BLACK = colourOf(0), BLUE = colourOf(1), GREEN = colourOf(2), GREY = colourOf(4),
  RED = colourOf(6), YELLOW = colourOf(kit.MARKER);
export const START_COLOURS = kit.START.map(colourOf);

// The keyboard scenario every platform's assistive-technology test plays, with the lines the
// game tells after each key.
export const SCENARIO = kit.SCENARIO;

let server, browser;
export let origin;

export function useBrowser() {
  before(async () => {
    server = createServer(async (request, response) => {
      const path = normalize(decodeURIComponent(new URL(request.url, 'http://x').pathname));
      const file = join(site, path.endsWith('/') ? `${path}index.html` : path);
      try {
        const body = await readFile(file);
        response.writeHead(200, { 'Content-Type': types[extname(file)] ?? 'application/octet-stream' });
        response.end(body);
      } catch {
        response.writeHead(404).end();
      }
    });
    await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
    origin = `http://127.0.0.1:${server.address().port}`;
    browser = await chromium.launch({
      executablePath: '/usr/bin/chromium',
      args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
             '--disable-background-networking', '--disable-component-update', '--disable-sync'],
    });
  });
  after(async () => {
    await browser?.close();
    server?.close();
  });
}

// A fresh browser context with Playwright's `options`.
export const newContext = (options) => browser.newContext(options);

// A fresh context and page at the game, once it has started. `options` are Playwright's context
// options (viewport, deviceScaleFactor, hasTouch), and `extraStyle` CSS added to the page.
export async function openGame({ extraStyle, ...options } = {}) {
  const context = await browser.newContext({ viewport: { width: 800, height: 600 }, ...options });
  if (extraStyle) {
    // The page as served, with more style after its own.
    await context.route(`${origin}/`, async (route) => {
      const response = await route.fetch();
      const html = (await response.text()).replace('</head>', `<style>${extraStyle}</style></head>`);
      await route.fulfill({ response, body: html });
    });
  }
  const page = await context.newPage();
  const errors = [];
  page.on('console', (message) => { if (message.type() === 'error') errors.push(message.text()); });
  page.on('pageerror', (error) => errors.push(String(error)));
  await page.goto(`${origin}/`);
  await page.waitForSelector('body[data-ready="true"]');
  const game = new Game(page, context, errors);
  await game.settle();
  return game;
}

export class Game {
  constructor(page, context, errors) {
    Object.assign(this, { page, context, errors });
  }

  async close() {
    await this.context.close();
    assert.deepEqual(this.errors, [], 'console errors');
  }

  async settle() { await this.page.evaluate(() => new Promise(requestAnimationFrame)); }

  // Listens, in the page, to what it tells assistive technology, a line each, as every
  // platform's listener writes them: "focus NAME" when the grid's active cell is set, "name
  // NAME" when a cell is renamed, "say TEXT" when the status region speaks.
  async listen() {
    await this.page.evaluate(() => {
      const heard = window.quandrelHeard = [];
      const grid = document.getElementById('grid'), status = document.getElementById('status');
      new MutationObserver((records) => {
        for (const record of records) {
          const target = record.target.nodeType === Node.TEXT_NODE ? record.target.parentNode
            : record.target;
          if (record.attributeName === 'aria-activedescendant') {
            const cell = grid.getAttribute('aria-activedescendant');
            if (cell) heard.push(`focus ${document.getElementById(cell).textContent}`);
          } else if (target === status) {
            if (status.textContent) heard.push(`say ${status.textContent.replace(/\u00a0$/, '')}`);
          } else if (target.closest('[role="gridcell"]')) {
            heard.push(`name ${target.textContent}`);
          }
        }
      }).observe(document.getElementById('client').parentNode, {
        attributes: true, attributeFilter: ['aria-activedescendant'], subtree: true,
        childList: true, characterData: true });
    });
    this.heardUpTo = 0;
  }

  // Waits until each of `lines` has been told since the last lines heard, in any order.
  async hears(lines) {
    const from = this.heardUpTo;
    const upTo = await this.page.waitForFunction(([from, lines]) => {
      const heard = window.quandrelHeard.slice(from);
      let past = 0;
      for (const line of lines) {
        const at = heard.indexOf(line);
        if (at < 0) return false;
        heard[at] = null;
        past = Math.max(past, at + 1);
      }
      return from + past;
    }, [from, lines], { timeout: 5000 }).catch(async () => {
      const heard = await this.page.evaluate((from) => window.quandrelHeard.slice(from), from);
      assert.fail(`not heard: ${JSON.stringify(lines)} in ${JSON.stringify(heard)}`);
    });
    this.heardUpTo = await upTo.jsonValue();
  }

  // The client area's top-left corner in page coordinates, and its scale on a narrow screen.
  async client() {
    return this.page.evaluate(() => {
      const client = document.getElementById('client');
      const box = client.getBoundingClientRect();
      return { x: box.left, y: box.top, zoom: box.width / client.offsetWidth,
               width: client.clientWidth, height: client.clientHeight };
    });
  }
  async at([x, y]) {
    const client = await this.client();
    return [client.x + x * client.zoom, client.y + y * client.zoom];
  }

  // The canvas pixel under a point of the client area (CSS pixels): its first device pixel, or
  // with `last` its last one.
  async pixel([x, y], { last = false } = {}) {
    return this.page.evaluate(([x, y, last]) => {
      const canvas = document.getElementById('board');
      const s = canvas.width / canvas.clientWidth;
      const at = (v) => (last ? Math.ceil((v + 1) * s) - 1 : Math.floor(v * s));
      const data = canvas.getContext('2d').getImageData(at(x), at(y), 1, 1).data;
      return [data[0], data[1], data[2]];
    }, [x, y, last]);
  }
  // The colour at the centre of each drawn cell, by cell index.
  async colours() {
    return this.page.evaluate((centres) => {
      const canvas = document.getElementById('board');
      const s = canvas.width / canvas.clientWidth;
      const data = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
      return Array.from({ length: 20 }, (_, i) => {
        const [x, y] = centres[i];
        const at = (Math.floor(y * s) * canvas.width + Math.floor(x * s)) * 4;
        return [data[at], data[at + 1], data[at + 2]];
      });
    }, kit.CELL_CENTRES);
  }
  async waitForColours(expected, message) {
    const end = Date.now() + 5000;
    let now;
    while (Date.now() < end) {
      now = await this.colours();
      if (JSON.stringify(now) === JSON.stringify(expected)) return;
      await this.page.waitForTimeout(20);
    }
    assert.deepEqual(now, expected, message);
  }

  async text1() { return this.page.locator('#Text1').inputValue(); }

  // A press on one drag cell, a move into another, and the release there, with the mouse.
  async drag(from, to, { release = true } = {}) {
    const mouse = this.page.mouse;
    await mouse.move(...await this.at(dragPoint(...from)));
    await mouse.down();
    await mouse.move(...await this.at(dragPoint(...to)), { steps: 2 });
    if (release) await mouse.up();
  }

  async rightClick(cell) {
    await this.page.mouse.click(...await this.at(dragPoint(...cell)), { button: 'right' });
  }

  async menu(...names) {
    for (const name of names) await this.page.getByRole('menuitem', { name, exact: true }).click();
  }

  // The keyboard cursor's cell, [column, row], moved there by arrows alone (the first arrow
  // shows the cursor, at (0, 0) when nothing was pressed); `cursor` is where it is now.
  async cursorTo([column, row], cursor) {
    const keys = this.page.keyboard;
    if (!cursor) {
      await keys.press('ArrowLeft');
      cursor = [0, 0];
    }
    for (; cursor[0] < column; ++cursor[0]) await keys.press('ArrowRight');
    for (; cursor[0] > column; --cursor[0]) await keys.press('ArrowLeft');
    for (; cursor[1] < row; ++cursor[1]) await keys.press('ArrowDown');
    for (; cursor[1] > row; --cursor[1]) await keys.press('ArrowUp');
    return cursor;
  }

  // The names of the board grid's cells, by cell index.
  async cellNames() {
    return this.page.evaluate(() => [...document.querySelectorAll('#grid [role="gridcell"]')]
      .map((cell) => cell.textContent));
  }

  // What axe-core finds against WCAG 2.1 A and AA on the page as it is now.
  async axeViolations() {
    await this.page.addScriptTag({ path: axePath });
    const result = await this.page.evaluate(() => window.axe.run(document, {
      runOnly: { type: 'tag', values: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa'] },
    }));
    return result.violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target).join(' ')}`);
  }

  async ended() {
    return this.page.evaluate(() => !document.getElementById('window') &&
                                    !document.getElementById('ended').hidden);
  }
}
