// Beyond the mouse: a finger, a phone's narrow screen, and play with the network gone.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { BLACK, BLUE, START_COLOURS, dragPoint, openGame, useBrowser } from './harness.mjs';

useBrowser();

const MOVED = START_COLOURS.map((c, i) => (i === 8 ? BLACK : i === 9 ? BLUE : c));

// Trusted touch input through the DevTools protocol.
async function touch(game) {
  const cdp = await game.context.newCDPSession(game.page);
  const send = (type, points) => cdp.send('Input.dispatchTouchEvent', {
    type, touchPoints: points.map(([x, y]) => ({ x, y })),
  });
  return {
    start: async (point) => send('touchStart', [await game.at(point)]),
    move: async (point) => send('touchMove', [await game.at(point)]),
    end: () => send('touchEnd', []),
  };
}

test('a finger drags a block there and back like the left button', async () => {
  const game = await openGame({ hasTouch: true });
  const finger = await touch(game);
  await finger.start(dragPoint(3, 1));
  await finger.move(dragPoint(4, 1));
  await game.waitForColours(MOVED);
  await finger.move(dragPoint(3, 1));
  await game.waitForColours(START_COLOURS);
  await finger.end();
  assert.equal(await game.text1(), 'move ther');
  await game.close();
});

test('a long press reports the cell as a right click does; a short one does not', async () => {
  const game = await openGame({ hasTouch: true });
  const finger = await touch(game);
  await finger.start(dragPoint(2, 1));
  await game.page.waitForTimeout(200);
  await finger.end();
  await game.page.waitForTimeout(500);
  assert.equal(await game.text1(), '');
  await finger.start(dragPoint(2, 1));
  await game.page.waitForFunction(() => document.getElementById('Text1').value !== '');
  assert.equal(await game.text1(), 'board(2,1)=4');
  await finger.end();
  await game.close();
});

test('on a 360-pixel phone screen the window scales down to fit and drags still hit their cells', async () => {
  const game = await openGame({ viewport: { width: 360, height: 640 }, deviceScaleFactor: 3,
                                isMobile: true, hasTouch: true });
  const frame = await game.page.locator('#window').boundingBox();
  assert.ok(frame.x + frame.width <= 360, `the window ends at ${frame.x + frame.width}`);
  assert.ok(Math.abs(frame.width / frame.height - 362 / 330) < 0.01, 'scaled, not squeezed');
  const finger = await touch(game);
  await finger.start(dragPoint(3, 1));
  await finger.move(dragPoint(4, 1));
  await finger.end();
  await game.waitForColours(MOVED);
  await game.close();
});

test('after one visit the game loads and plays with the network cut', async () => {
  const game = await openGame();
  const { page, context } = game;
  await page.evaluate(async () => {
    await navigator.serviceWorker.ready;
    const cache = await caches.open('quandrel');
    while (!(await cache.match('quandrel.wasm'))) await new Promise((r) => setTimeout(r, 50));
  });
  await context.setOffline(true);
  await page.reload();
  await page.waitForSelector('body[data-ready="true"]');
  await game.settle();
  assert.deepEqual(await game.colours(), START_COLOURS);
  await game.drag([3, 1], [4, 1]);
  await game.waitForColours(MOVED);
  await context.setOffline(false);
  await game.close();
});

test('installable: a manifest with 192 and 512-pixel icons, standalone, and a service worker', async () => {
  const game = await openGame();
  const { page } = game;
  const manifest = await page.evaluate(async () => {
    const link = document.querySelector('link[rel=manifest]');
    return (await fetch(link.href)).json();
  });
  assert.equal(manifest.display, 'standalone');
  assert.equal(manifest.name, 'Quandrel');
  for (const size of ['192x192', '512x512']) {
    const icon = manifest.icons.find((i) => i.sizes === size);
    const dimensions = await page.evaluate(async (src) => {
      const image = new Image();
      image.src = src;
      await image.decode();
      return `${image.naturalWidth}x${image.naturalHeight}`;
    }, icon.src);
    assert.equal(dimensions, size);
  }
  assert.ok(await page.evaluate(async () => Boolean(await navigator.serviceWorker.ready)));
  await game.close();
});
