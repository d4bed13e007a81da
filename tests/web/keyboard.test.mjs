// Playing with the keyboard alone, and the board as a screen reader reads it: no pointer event is
// sent in these tests.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { BLACK, BLUE, RED, SCENARIO, START_COLOURS, openGame, useBrowser } from './harness.mjs';
import { coloursOf, shortestSolution } from './solver.mjs';

useBrowser();

const PARTS = { 1: ['single block'], 2: ['wide block, left part', 'wide block, right part'],
                4: ['tall block, top part', 'tall block, bottom part'],
                6: ['big block, top-left part', 'big block, top-right part',
                    'big block, bottom-left part', 'big block, bottom-right part'] };

// The cell names a board of blocks has, by cell index: what each holds, as the grid says where.
function namesOf(blocks) {
  return Array.from({ length: 20 }, (_, i) => {
    const [x, y] = [i % 5, Math.floor(i / 5)];
    const b = blocks.find((o) => x >= o.x && x < o.x + o.w && y >= o.y && y < o.y + o.h);
    return b ? PARTS[b.code][(x - b.x) + b.w * (y - b.y)] : 'empty';
  });
}

const status = (game) => game.page.locator('#status').textContent();
// The focused element and the grid's active cell, a frame after the last key.
const activeCell = (game) => game.page.evaluate(async () => {
  await new Promise(requestAnimationFrame);
  const grid = document.getElementById('grid');
  return [document.activeElement.id, grid.getAttribute('aria-activedescendant')];
});

test('the board has the focus at start and is a grid of 4 rows of 5 named cells', async () => {
  const game = await openGame();
  assert.deepEqual(await activeCell(game), ['grid', null]);
  const grid = game.page.getByRole('grid', { name: 'Quandrel board' });
  assert.equal(await grid.getByRole('row').count(), 4);
  assert.equal(await grid.getByRole('gridcell').count(), 20);
  assert.equal(await grid.getByRole('gridcell', { name: 'big block, top-left part' }).count(), 1);
  const tree = await grid.ariaSnapshot();
  assert.match(tree, /- gridcell "wide block, left part"/);
  assert.match(tree, /- gridcell "empty"/);
  await game.close();
});

test('arrows move the cursor, Shift+arrow a block, and the status region says what happened', async () => {
  const game = await openGame();
  await game.cursorTo([3, 1]);
  assert.deepEqual(await activeCell(game), ['grid', 'cell8']);
  assert.deepEqual(await game.colours(), START_COLOURS, 'moving the cursor moves nothing');
  // The ring: a white band 4 pixels into the square, a black one inside it.
  assert.deepEqual(await game.pixel([3 * 70 + 5, 70 + 35]), [255, 255, 255]);
  assert.deepEqual(await game.pixel([3 * 70 + 8, 70 + 35]), [0, 0, 0]);
  assert.deepEqual(await game.pixel([3 * 70 + 35, 70 + 35]), BLUE);
  await game.page.keyboard.press('Shift+ArrowRight');
  const moved = [...START_COLOURS];
  moved[8] = BLACK;
  moved[9] = BLUE;
  await game.waitForColours(moved);
  assert.equal(await game.text1(), 'move ther');
  assert.equal(await status(game), 'single block moved right');
  assert.deepEqual(await activeCell(game), ['grid', 'cell9'], 'the cursor follows the block');
  assert.equal((await game.cellNames())[9], 'single block');
  await game.page.keyboard.press('Shift+ArrowRight');
  assert.equal(await status(game), 'single block cannot move right');
  await game.page.keyboard.press('Shift+ArrowRight');
  assert.match(await status(game), /^single block cannot move right\u00a0?$/, 'said again');
  // The big block cannot move at the start.
  await game.cursorTo([0, 1], [4, 1]);
  await game.page.keyboard.press('Shift+ArrowDown');
  assert.equal(await status(game), 'big block cannot move down');
  assert.deepEqual(await game.pixel([35, 105]), RED);
  await game.close();
});

test('the keyboard scenario: after each key, the page tells what the game tells', async () => {
  const game = await openGame();
  await game.listen();
  for (const { key, shift, heard } of SCENARIO) {
    await game.page.keyboard.press(shift ? `Shift+${key}` : key);
    await game.hears(heard);
  }
  await game.close();
});

test('a shortest solution played with arrows and Shift+arrows brings the big block across', async () => {
  const game = await openGame();
  const { steps, goal } = shortestSolution();
  let cursor;
  for (const { from, to } of steps) {
    cursor = await game.cursorTo(from, cursor);
    const key = to[0] > from[0] ? 'ArrowRight' : to[0] < from[0] ? 'ArrowLeft'
      : to[1] > from[1] ? 'ArrowDown' : 'ArrowUp';
    await game.page.keyboard.press(`Shift+${key}`);
    cursor = [...to];
  }
  // The cell centres, which the ring leaves clear, show the goal, and the cells say it.
  await game.waitForColours(coloursOf(goal));
  assert.deepEqual(await game.cellNames(), namesOf(goal));
  await game.close();
});
