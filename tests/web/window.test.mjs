// The page as a desktop window: title, frame, board, menu bar and panel at start-up.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { BLACK, BLUE, START_COLOURS, newContext, openGame, origin, useBrowser } from './harness.mjs';

useBrowser();

// Bottom-right pixels of the visible outlines: Shape4 0, 2, 15, 17, Shape6 5, Shape3 7,
// Shape5 4, 8, 13, 19 (CSS pixels from the client area's corner).
const OUTLINE_CORNERS = [[133, 63], [273, 63], [133, 273], [273, 273], [133, 203], [203, 203],
                         [343, 63], [273, 133], [273, 203], [343, 273]];

async function expectStartUpPicture(game) {
  assert.deepEqual(await game.colours(), START_COLOURS);
  for (const corner of OUTLINE_CORNERS) {
    assert.deepEqual(await game.pixel(corner, { last: true }), BLACK, `${corner}`);
  }
  assert.deepEqual(await game.pixel([350, 280], { last: true }), BLUE, 'the board\'s last pixel');
}

test('starts as the described window: title, frame at 13, 13 with 362 x 330, the whole board', async () => {
  const game = await openGame();
  const { page } = game;
  assert.equal(await page.title(), 'Quandrel');
  assert.equal(await page.locator('#caption').textContent(), ' Quandrel');
  const frame = await page.locator('#window').boundingBox();
  assert.deepEqual(frame, { x: 13, y: 13, width: 362, height: 330 });
  const client = await game.client();
  assert.ok(client.width >= 351 && client.height >= 281, `client ${client.width} x ${client.height}`);
  assert.ok(client.height < 350, 'the panel is out of view');
  assert.equal(await page.locator('#board').boundingBox().then((b) => b.y - client.y), 0);
  await expectStartUpPicture(game);
  await game.close();
});

test('the page as served is the whole window, laid out before any script runs', async () => {
  const context = await newContext({ javaScriptEnabled: false });
  const page = await context.newPage();
  await page.goto(`${origin}/`);
  assert.equal(await page.locator('#caption').textContent(), ' Quandrel');
  assert.deepEqual(await page.locator('#window').boundingBox(), { x: 13, y: 13, width: 362, height: 330 });
  assert.deepEqual(await page.locator('#menubar > .bar-item > [role="menuitem"]').allTextContents(),
                   ['File', 'Help', 'Quit']);
  assert.deepEqual(await page.locator('#mnuHelp + [role="menu"] > *').allTextContents(),
                   ['About Quandrel', 'Object', 'Solution']);
  const panel = await page.locator('#Text1').evaluate((t) => {
    const style = getComputedStyle(t);
    return [t.offsetLeft, t.offsetTop, t.offsetWidth, t.offsetHeight, style.fontFamily, style.fontSize];
  });
  assert.deepEqual(panel, [7, 350, 239, 171, '"MS Sans Serif", sans-serif', '16px']);
  await context.close();
});

test('a frame thicker than the start-up size allows for grows the window just enough', async () => {
  const game = await openGame({ extraStyle: '#titlebar { flex-basis: 60px; }' });
  const frame = await game.page.locator('#window').boundingBox();
  const client = await game.client();
  assert.deepEqual([frame.x, frame.y, frame.width], [13, 13, 362]);
  assert.equal(client.height, 281, 'the client area is just tall enough for the board');
  assert.ok(frame.height > 330);
  await expectStartUpPicture(game);
  await game.close();
});

test('the menu bar follows the menubar pattern, built from the game\'s menu tree', async () => {
  const game = await openGame();
  const { page } = game;
  const bar = page.getByRole('menubar');
  const top = bar.getByRole('menuitem');
  assert.deepEqual(await top.evaluateAll((items) => items.filter((i) => !i.closest('[role=menu]'))
                                                         .map((i) => i.textContent)),
                   ['File', 'Help', 'Quit']);
  assert.deepEqual(await page.locator('#menubar u').allTextContents(), ['F', 'R', 'H', 'A', 'O', 'S', 'Q']);
  await page.getByRole('menuitem', { name: 'Help' }).click();
  assert.equal(await page.getByRole('menuitem', { name: 'Help' }).getAttribute('aria-expanded'), 'true');
  assert.deepEqual(await page.getByRole('menu', { name: 'Help' }).getByRole('menuitem').allTextContents(),
                   ['About Quandrel', 'Object', 'Solution']);
  // Keyboard: Esc closes, arrows move along the bar and into a menu, Enter runs.
  await page.keyboard.press('Escape');
  assert.equal(await page.getByRole('menuitem', { name: 'Help' }).getAttribute('aria-expanded'), 'false');
  await page.keyboard.press('ArrowLeft');
  await page.keyboard.press('ArrowDown');
  assert.equal(await page.evaluate(() => document.activeElement.textContent), 'Reset');
  await page.keyboard.press('ArrowRight');
  await page.keyboard.press('ArrowDown');
  assert.equal(await page.evaluate(() => document.activeElement.textContent), 'Object');
  await page.keyboard.press('Enter');
  await page.getByRole('alertdialog', { name: 'Object' }).waitFor();
  await page.keyboard.press('Enter');
  // Tab reaches the bar from the window, at the entry last used.
  await page.locator('#window').focus();
  await page.keyboard.press('Tab');
  assert.equal(await page.evaluate(() => document.activeElement.textContent), 'Help');
  await game.close();
});

test('the panel: a multi-line text box with both scroll bars at 105, 5250 twips, 3585 x 2565', async () => {
  const game = await openGame();
  const { page } = game;
  const panel = page.getByRole('textbox', { name: 'Trace' });
  assert.equal(await panel.evaluate((t) => [t.tagName, t.getAttribute('wrap'), getComputedStyle(t).overflowX,
                                           getComputedStyle(t).overflowY].join()), 'TEXTAREA,off,scroll,scroll');
  const client = await game.client();
  const box = await panel.boundingBox();
  assert.deepEqual([box.x - client.x, box.y - client.y, box.width, box.height], [7, 350, 239, 171]);
  assert.match(await panel.evaluate((t) => getComputedStyle(t).fontFamily), /MS Sans Serif.*sans-serif/);
  assert.equal(await panel.evaluate((t) => getComputedStyle(t).fontSize), '16px');  // 12 pt
  await game.close();
});

test('sharp at devicePixelRatio 2: the canvas has device pixels and outlines one pixel wide', async () => {
  const game = await openGame({ deviceScaleFactor: 2 });
  const size = await game.page.evaluate(() => {
    const c = document.getElementById('board');
    return [c.width, c.height, c.clientWidth, c.clientHeight];
  });
  assert.deepEqual([size[0], size[1]], [size[2] * 2, size[3] * 2]);
  await expectStartUpPicture(game);
  // Shape5 4's right edge ends at device pixel 688: one black pixel, blue inside it.
  const line = await game.page.evaluate(() => {
    const data = document.getElementById('board').getContext('2d').getImageData(684, 60, 4, 1).data;
    return [0, 4, 8, 12].map((i) => data[i + 2]);
  });
  assert.deepEqual(line, [255, 255, 255, 0], 'the blue of pixels 684 to 686, then the outline');
  await game.close();
});
