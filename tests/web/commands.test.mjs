// The menu commands, their boxes, Reset and the ways the game ends.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { BLACK, BLUE, RED, START_COLOURS, openGame, useBrowser } from './harness.mjs';

useBrowser();

const GOAL = START_COLOURS.map((_, i) => ([8, 9, 13, 14].includes(i) ? RED : BLACK));
const BOXES = [
  { menu: ['Help', 'Object'], title: 'Object', lines: ['The object is to get the large block to the other side.'] },
  { menu: ['Help', 'Solution'], title: 'There Is No Help',
    lines: ['The author of this program  does not know how to solve this quandrel.', 'But it is possable.'] },
  { menu: ['Help', 'About Quandrel'], title: 'About Quandrel1',
    lines: ['Quandrel1', 'Quandrel Designer : Unknown', 'Program : Orvell', 'July 19, 1999'] },
];
const CLOSERS = {
  Enter: (page) => page.keyboard.press('Enter'),
  Esc: (page) => page.keyboard.press('Escape'),
  'the close box': (page) => page.getByRole('alertdialog').getByRole('button', { name: 'Close' }).click(),
  OK: (page) => page.getByRole('alertdialog').getByRole('button', { name: 'OK' }).click(),
};

for (const box of BOXES) {
  for (const [closer, close] of Object.entries(CLOSERS)) {
    test(`${box.title}: its box, closed with ${closer}`, async () => {
      const game = await openGame();
      const { page } = game;
      await game.drag([4, 0], [4, 1]);
      const played = await game.colours();
      await game.menu(...box.menu);
      const dialog = page.getByRole('alertdialog', { name: box.title });
      await dialog.waitFor();
      assert.equal(await page.locator('#box-prompt').innerText(), box.lines.join('\n'));
      if (box.title === 'Object') {
        await game.waitForColours(GOAL, 'the goal shows while the box is open');
        // No input reaches the game while the box is open.
        await page.mouse.click(...await game.at([300, 100]), { button: 'right' });
        assert.equal(await game.text1(), 'move ther');
      }
      await close(page);
      await page.waitForFunction(() => !document.getElementById('box').open);
      await game.waitForColours(played, 'the player\'s board is back');
      await game.close();
    });
  }
}

test('Reset after a move, a window move and a resize brings back the board and the window', async () => {
  const game = await openGame();
  const { page } = game;
  await game.drag([4, 0], [4, 1]);
  const title = await page.locator('#titlebar').boundingBox();
  await page.mouse.move(title.x + 100, title.y + 10);
  await page.mouse.down();
  await page.mouse.move(title.x + 160, title.y + 60, { steps: 3 });
  await page.mouse.up();
  const corner = await page.locator('.edge[data-edge="se"]').boundingBox();
  await page.mouse.move(corner.x + 5, corner.y + 5);
  await page.mouse.down();
  await page.mouse.move(corner.x + 45, corner.y + 215, { steps: 3 });
  await page.mouse.up();
  assert.deepEqual(await page.locator('#window').boundingBox(), { x: 73, y: 63, width: 402, height: 540 });
  assert.ok(await page.locator('#Text1').isVisible());
  await game.menu('File', 'Reset');
  assert.deepEqual(await page.locator('#window').boundingBox(), { x: 13, y: 13, width: 362, height: 330 });
  await game.waitForColours(START_COLOURS);
  assert.equal(await game.text1(), 'move ther', 'the panel keeps its text');
  await game.close();
});

const END_KEYS = { Esc: 'Escape', 'Ctrl+Q': 'Control+q', 'Ctrl+C': 'Control+c', 'Ctrl+X': 'Control+x' };
for (const [name, key] of Object.entries(END_KEYS)) {
  for (const inPanel of [false, true]) {
    test(`${name} ends the game from the ${inPanel ? 'panel' : 'board'}`, async () => {
      const game = await openGame();
      const { page } = game;
      if (inPanel) {
        await page.locator('#Text1').click();
        await page.keyboard.type('typed');
        await page.keyboard.press('Control+a');
      }
      const copied = page.evaluate(() => new Promise((resolve) => {
        document.addEventListener('copy', () => resolve(true), { once: true });
        setTimeout(() => resolve(false), 300);
      }));
      await page.keyboard.press(key);
      assert.ok(await game.ended(), 'the window is gone');
      assert.equal(await copied, false, 'nothing was copied');
      assert.ok(await page.getByRole('link', { name: 'Start a new game' }).isVisible());
      await game.close();
    });
  }
}

test('Quit on the bar ends the game at once; a new game starts from the link', async () => {
  const game = await openGame();
  const { page } = game;
  await game.menu('Quit');
  assert.ok(await game.ended());
  await page.getByRole('link', { name: 'Start a new game' }).click();
  await page.waitForSelector('body[data-ready="true"]');
  await game.settle();
  assert.deepEqual(await game.colours(), START_COLOURS);
  await game.close();
});

test('the window\'s close box ends the game', async () => {
  const game = await openGame();
  await game.page.locator('#close').click();
  assert.ok(await game.ended());
  await game.close();
});

test('keys reach the menus: Alt+H opens Help, its access key runs the entry', async () => {
  const game = await openGame();
  const { page } = game;
  await page.keyboard.press('Alt+h');
  assert.equal(await page.getByRole('menuitem', { name: 'Help' }).getAttribute('aria-expanded'), 'true');
  await page.keyboard.press('o');
  await page.getByRole('alertdialog', { name: 'Object' }).waitFor();
  await page.keyboard.press('Enter');
  await page.waitForFunction(() => !document.getElementById('box').open);
  await game.waitForColours(START_COLOURS);
  assert.deepEqual(await game.pixel([315, 35]), BLUE);
  await game.close();
});
