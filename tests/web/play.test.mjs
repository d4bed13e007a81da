// Playing with the mouse: drags, the traces in the panel, the cell report, the dump, and a whole
// solution played by drags.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { BLACK, BLUE, GREEN, START_COLOURS, YELLOW, dragPoint, openGame, useBrowser } from './harness.mjs';
import { coloursOf, shortestSolution } from './solver.mjs';

useBrowser();

const withCells = (changes) => {
  const colours = [...START_COLOURS];
  for (const [cell, colour] of Object.entries(changes)) colours[cell] = colour;
  return colours;
};

test('a single block goes into an empty cell and back in one press, tracing each step', async () => {
  const game = await openGame();
  await game.drag([3, 1], [4, 1], { release: false });
  await game.waitForColours(withCells({ 8: BLACK, 9: BLUE }));
  assert.equal(await game.text1(), 'move ther');
  await game.page.mouse.move(...await game.at(dragPoint(3, 1)), { steps: 2 });
  await game.waitForColours(START_COLOURS);
  await game.page.mouse.up();
  // A wide block held by its right cell: the move trace with its four lines.
  await game.drag([4, 0], [4, 1]);
  await game.drag([3, 0], [4, 0]);
  assert.equal(await game.text1(), 'you moved a wide2\nX = 3\nY = 0\nDirX= 1DirY=0');
  // A press on an empty cell leaves the drag trace.
  await game.drag([2, 0], [2, 0]);
  await game.page.mouse.move(...await game.at(dragPoint(2, 0)), { steps: 1 });
  await game.page.mouse.down();
  await game.page.mouse.move(...await game.at(dragPoint(4, 2)), { steps: 1 });
  await game.page.mouse.up();
  assert.equal(await game.text1(), 'movemouse, board(2,0)=0');
  await game.close();
});

test('a drag that leaves the window goes on with positions outside it', async () => {
  const game = await openGame();
  await game.drag([4, 0], [4, 1], { release: false });
  await game.waitForColours(withCells({ 4: BLACK, 9: BLUE }));
  // Above the window, a position up to a row's height out still counts as row 0.
  await game.page.mouse.move(...await game.at([dragPoint(4, 0)[0], -50]), { steps: 3 });
  await game.waitForColours(START_COLOURS);
  await game.page.mouse.up();
  await game.close();
});

test('a right click reports the cell under the last press; d marks square 1 and writes the dump', async () => {
  const game = await openGame();
  await game.rightClick([2, 1]);
  assert.equal(await game.text1(), 'board(2,1)=4');
  // The same report again replaces what was typed into the panel.
  await game.page.locator('#Text1').click();
  await game.page.keyboard.type('typed');
  await game.rightClick([2, 1]);
  assert.equal(await game.text1(), 'board(2,1)=4');
  assert.equal(await game.page.evaluate(() => document.activeElement.id), 'grid');
  await game.page.keyboard.press('Shift+D');
  await game.settle();
  assert.deepEqual(await game.colours(), START_COLOURS, 'upper-case D does nothing');
  await game.page.keyboard.press('d');
  await game.waitForColours(withCells({ 1: YELLOW }));
  assert.equal(await game.text1(), 'i=19 board(4,3)=1\n color=16711680');
  // Typed into the panel, d is the panel's.
  await game.page.locator('#Text1').click();
  await game.page.keyboard.press('End');
  await game.page.keyboard.type('d');
  assert.equal(await game.text1(), 'i=19 board(4,3)=1\n color=16711680d');
  assert.deepEqual(await game.pixel([35, 35]), GREEN);
  await game.close();
});

test('a shortest solution played by mouse drags brings the big block to the other side', async () => {
  const game = await openGame();
  const { steps, goal } = shortestSolution();
  for (const step of steps) {
    await game.drag(step.from, step.to);
  }
  await game.waitForColours(coloursOf(goal), `after ${steps.length} drags`);
  await game.close();
});
