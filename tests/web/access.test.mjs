// The page for everyone: axe-core's WCAG 2.1 A and AA rules in every state of the game, focus
// that shows and that Tab brings back, and a window that can be reached at 400 % zoom.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { openGame, useBrowser } from './harness.mjs';

useBrowser();

async function expectNoViolations(game, state) {
  assert.deepEqual(await game.axeViolations(), [], state);
}

test('axe finds no WCAG 2.1 AA violation at start, in the menus, boxes, after moves and at the end',
  async () => {
    const game = await openGame();
    const keys = game.page.keyboard;
    await expectNoViolations(game, 'at start');
    for (const menu of ['f', 'h']) {
      await keys.press(`Alt+${menu}`);
      await expectNoViolations(game, `menu ${menu} open`);
      await keys.press('Escape');
      await keys.press('Escape');
    }
    for (const [menu, entry] of [['h', 'a'], ['h', 'o'], ['h', 's']]) {
      await keys.press(`Alt+${menu}`);
      await keys.press(entry);
      await game.page.waitForSelector('#box[open]');
      await expectNoViolations(game, `box ${entry} open`);
      await keys.press('Enter');
    }
    await game.cursorTo([3, 1]);
    await keys.press('Shift+ArrowRight');
    await keys.press('Shift+ArrowLeft');
    await expectNoViolations(game, 'after keyboard moves');
    await keys.press('Escape');
    assert.ok(await game.ended());
    await expectNoViolations(game, 'once the game has ended');
    await game.close();
  });

// The contrast of two CSS colours, as WCAG computes it.
function contrast(a, b) {
  const luminance = (css) => {
    const [r, g, b] = css.match(/[\d.]+/g).slice(0, 3).map((v) => {
      const c = Number(v) / 255;
      return c <= 0.03928 ? c / 12.92 : ((c + 0.055) / 1.055) ** 2.4;
    });
    return 0.2126 * r + 0.7152 * g + 0.0722 * b;
  };
  const [high, low] = [luminance(a), luminance(b)].sort((x, y) => y - x);
  return (high + 0.05) / (low + 0.05);
}

// What shows the focus of the focused element: its outline, and the colour behind it.
const focusStyle = (game) => game.page.evaluate(() => {
  const element = document.activeElement;
  const style = getComputedStyle(element);
  let behind = element;
  while (behind && getComputedStyle(behind).backgroundColor.endsWith(', 0)')) behind = behind.parentElement;
  return { id: element.id || element.textContent, outline: style.outlineStyle,
           width: parseFloat(style.outlineWidth), color: style.outlineColor,
           background: behind ? getComputedStyle(behind).backgroundColor : 'rgb(255, 255, 255)' };
});

for (const forcedColors of ['none', 'active']) {
  test(`every element that takes the focus shows it at 3:1 or better (forced colours ${forcedColors})`,
    async () => {
      const game = await openGame();
      await game.page.emulateMedia({ forcedColors });
      const keys = game.page.keyboard;
      const seen = new Set();
      const check = async () => {
        const style = await focusStyle(game);
        seen.add(style.id);
        assert.notEqual(style.outline, 'none', style.id);
        assert.ok(style.width >= 2, `${style.id}: outline ${style.width}px`);
        if (forcedColors === 'none') {
          assert.ok(contrast(style.color, style.background) >= 3,
                    `${style.id}: ${style.color} on ${style.background}`);
        }
      };
      // The board, once a key has been pressed (no ring before), then by Tab the panel and, past
      // the page's end, the menu bar; the drop-down's entries; the box's OK.
      assert.equal((await focusStyle(game)).outline, 'none', 'no ring before the keyboard is used');
      await keys.press('Shift');
      await check();
      for (let i = 0; i < 4 && !seen.has('mnuFile'); ++i) {
        await keys.press('Tab');
        if (await game.page.evaluate(() => document.activeElement !== document.body)) await check();
      }
      await keys.press('ArrowDown');
      await check();
      await keys.press('ArrowDown');
      await check();
      await keys.press('Escape');
      await keys.press('Escape');
      await keys.press('Alt+h');
      await keys.press('a');
      await game.page.waitForSelector('#box[open]');
      await check();
      await keys.press('Tab');
      assert.equal(await game.page.evaluate(() => document.activeElement.id), 'box-ok',
                   'Tab stays in the box');
      await keys.press('Enter');
      assert.ok(['grid', 'Text1', 'mnuFile', 'mnuReset', 'box-ok'].every((id) => seen.has(id)), [...seen].join());
      await game.close();
    });
}

test('Tab always comes back to the board, and leaving the panel brings the board back into view',
  async () => {
    const game = await openGame();
    const keys = game.page.keyboard;
    const focused = () => game.page.evaluate(() => document.activeElement.id);
    const scrolled = () => game.page.evaluate(() => {
      const client = document.getElementById('client');
      return client.scrollTop + client.scrollLeft;
    });
    await keys.press('Tab');
    assert.equal(await focused(), 'Text1');
    await keys.press('Shift+Tab');
    assert.equal(await focused(), 'grid');
    assert.equal(await scrolled(), 0, 'the board is back in view');
    const ring = [];
    for (let i = 0; i < 6; ++i) {
      await keys.press('Tab');
      ring.push(await focused());
    }
    assert.ok(ring.lastIndexOf('grid') > ring.indexOf('Text1'), ring.join());
    assert.equal(await scrolled(), 0);
    await game.close();
  });

test('at 320 x 256 CSS pixels (400 % zoom) the whole window can be reached by scrolling', async () => {
  const game = await openGame({ viewport: { width: 320, height: 256 } });
  // Scrolled as a user scrolls (a script could scroll even what the user cannot).
  await game.page.mouse.move(300, 240);
  for (let i = 0; i < 5; ++i) await game.page.mouse.wheel(0, 200);
  await game.settle();
  const reach = await game.page.evaluate(() => {
    const box = document.getElementById('window').getBoundingClientRect();
    return { left: box.left, top: box.top, right: box.right, bottom: box.bottom,
             width: innerWidth, height: innerHeight };
  });
  assert.ok(reach.right <= reach.width && reach.left >= 0, JSON.stringify(reach));
  assert.ok(reach.bottom <= reach.height, `the window's bottom is cut off: ${JSON.stringify(reach)}`);
  await game.close();
});
