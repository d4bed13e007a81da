// Quandrel in the browser: draws the window the game describes, forwards the player's input to
// the game (compiled to WebAssembly) and does what the game asks of its window. GAME, the numbers
// the game takes (mouse actions, button and modifier bits, the OK result), is written into the
// page with it.
'use strict';

const LONG_PRESS_MS = 500, LONG_PRESS_SLOP = 8;  // CSS pixels a still finger may wander
const MARGIN = 13;  // kept right of the window when a narrow screen scales it down

const $ = (id) => document.getElementById(id);
const ui = {
  desktop: $('desktop'), window: $('window'), caption: $('caption'), menubar: $('menubar'),
  client: $('client'), canvas: $('board'), text1: $('Text1'), close: $('close'),
  box: $('box'), boxTitle: $('box-title'), boxPrompt: $('box-prompt'), boxOk: $('box-ok'),
  boxClose: $('box-close'), ended: $('ended'), grid: $('grid'), status: $('status'),
};
const cells = [...ui.grid.querySelectorAll('[role="gridcell"]')];
const ctx = ui.canvas.getContext('2d', { alpha: false });

let game = null;     // the module's exports, once it has loaded
let zoom = 1;        // the window's scale on a screen narrower than it
let ended = false;
const place = { left: 0, top: 0, width: 0, height: 0 };

// Device pixels per CSS pixel of the client area, as the game's paint and mouse scale take it.
const scale = () => window.devicePixelRatio * zoom;
const cssColor = (bgr) => `rgb(${bgr & 255},${(bgr >> 8) & 255},${(bgr >> 16) & 255})`;
const styleColor = (name) => getComputedStyle(document.documentElement).getPropertyValue(name).trim();
let faceColor, textColor;  // read at the first paint, once the page is styled

// What the game asks of its window -------------------------------------------------------------

const page = {
  beginArea(l, t, r, b) {
    faceColor ??= styleColor('--face');
    textColor ??= styleColor('--window-text');
    ctx.save();
    ctx.beginPath();
    ctx.rect(l, t, r - l, b - t);
    ctx.clip();
    ctx.fillStyle = faceColor;
    ctx.fillRect(l, t, r - l, b - t);
  },
  endArea() { ctx.restore(); },
  fill(l, t, r, b, bgr) {
    ctx.fillStyle = cssColor(bgr);
    ctx.fillRect(l, t, r - l, b - t);
  },
  // One device pixel just inside the rectangle.
  outline(l, t, r, b) {
    ctx.fillStyle = textColor;
    ctx.fillRect(l, t, r - l, 1);
    ctx.fillRect(l, b - 1, r - l, 1);
    ctx.fillRect(l, t, 1, b - t);
    ctx.fillRect(r - 1, t, 1, b - t);
  },
  writeText1(text) { ui.text1.value = text; },
  // Shown a frame later, once the menu has gone, for screen readers; the status region emptied.
  openBox(prompt, flags, title) {
    ui.boxTitle.textContent = title;
    ui.boxPrompt.textContent = prompt;
    ui.status.textContent = '';
    requestAnimationFrame(() => {
      ui.box.showModal();
      ui.boxOk.focus();
    });
  },
  place(left, top, width, height) {
    Object.assign(place, { left, top, width, height });
    layOut();
  },
  frameWidth() { return ui.window.offsetWidth - ui.client.clientWidth; },
  frameHeight() { return ui.window.offsetHeight - ui.client.clientHeight; },
  nameCell(index, name) { cells[index].firstChild.textContent = name; },
  cursor(index) {
    if (index < 0) ui.grid.removeAttribute('aria-activedescendant');
    else ui.grid.setAttribute('aria-activedescendant', cells[index].id);
  },
  // A live region speaks a change: the same words again differ by a trailing no-break space.
  announce(text) {
    ui.status.textContent = ui.status.textContent === text ? `${text}\u00a0` : text;
  },
  endProgram() {
    ended = true;
    ui.window.remove();
    ui.ended.hidden = false;
  },
};

// The box closes with 1 however it is closed: OK, Enter, Esc or its close box. Then the board
// takes the focus anew, for a screen reader to tell it (and leave its browse mode).
ui.box.addEventListener('close', () => {
  game._quandrel_box_closed(GAME.ok);
  requestAnimationFrame(() => {
    if (document.activeElement !== ui.grid || ended) return;
    ui.grid.blur();
    focusBoard();
  });
});
ui.boxClose.addEventListener('click', () => ui.box.close());
// A click beside the box leaves the focus on OK.
ui.box.addEventListener('mousedown', (e) => { if (e.target === ui.box) e.preventDefault(); });
// Enter anywhere in it means OK, and Tab stays on OK, its one control.
ui.box.addEventListener('keydown', (e) => {
  if (e.key === 'Enter') {
    e.preventDefault();
    ui.box.close();
  } else if (e.key === 'Tab') {
    e.preventDefault();
    ui.boxOk.focus();
  }
});

// The window's place and size --------------------------------------------------------------------

function layOut() {
  zoom = Math.min(1, (document.documentElement.clientWidth - MARGIN) / (place.left + place.width));
  ui.desktop.style.transform = zoom < 1 ? `scale(${zoom})` : '';
  Object.assign(ui.window.style, {
    left: `${place.left}px`, top: `${place.top}px`,
    width: `${place.width}px`, height: `${place.height}px`,
  });
  sizeCanvas();
}

// The canvas covers the client area (by its style) with device pixels.
function sizeCanvas() {
  const s = scale();
  ui.canvas.width = Math.round(ui.client.clientWidth * s);
  ui.canvas.height = Math.round(ui.client.clientHeight * s);
  if (game) game._quandrel_repaint(s, ui.canvas.width, ui.canvas.height);
}

window.addEventListener('resize', layOut);
function watchPixelRatio() {
  matchMedia(`(resolution: ${window.devicePixelRatio}dppx)`)
    .addEventListener('change', () => { sizeCanvas(); watchPixelRatio(); }, { once: true });
}

// Moving by the title bar and resizing by the edges, as a window manager does.
function follow(handle, onMove) {
  handle.addEventListener('pointerdown', (e) => {
    if (e.button !== 0 || ui.close.contains(e.target)) return;
    e.preventDefault();
    handle.setPointerCapture(e.pointerId);
    const start = { x: e.clientX, y: e.clientY, ...place };
    const move = (m) => {
      onMove(start, (m.clientX - start.x) / zoom, (m.clientY - start.y) / zoom);
      layOut();
    };
    handle.addEventListener('pointermove', move);
    handle.addEventListener('pointerup', () => handle.removeEventListener('pointermove', move),
                            { once: true });
  });
}
follow($('titlebar'), (start, dx, dy) => {
  place.left = start.left + dx;
  place.top = Math.max(0, start.top + dy);
});
for (const edge of document.querySelectorAll('.edge')) {
  const horizontal = edge.dataset.edge.includes('e'), vertical = edge.dataset.edge.includes('s');
  follow(edge, (start, dx, dy) => {
    if (horizontal) place.width = Math.max(120, start.width + dx);
    if (vertical) place.height = Math.max(80, start.height + dy);
  });
}
ui.close.addEventListener('click', () => page.endProgram());

// Mouse, pen and touch on the client area ---------------------------------------------------------

// Pointer button 0 is the left, 1 the middle, 2 the right; any other is none of the three.
const buttonBit = (e) => [GAME.left, GAME.middle, GAME.right][e.button] ?? 0;
const heldBits = (e) => (e.buttons & 1 ? GAME.left : 0) | (e.buttons & 2 ? GAME.right : 0) |
  (e.buttons & 4 ? GAME.middle : 0);
const shiftBits = (e) =>
  (e.shiftKey ? GAME.shift : 0) | (e.ctrlKey ? GAME.ctrl : 0) | (e.altKey ? GAME.alt : 0);

function sendMouse(action, button, buttons, e) {
  const box = ui.client.getBoundingClientRect();
  const s = window.devicePixelRatio;  // device pixels from the client area's corner
  game._quandrel_mouse(action, button, buttons, shiftBits(e),
                       (e.clientX - box.left - ui.client.clientLeft * zoom) * s,
                       (e.clientY - box.top - ui.client.clientTop * zoom) * s, scale());
}

let longPress = null;  // a finger held still reports its cell as a right click does

ui.client.addEventListener('pointerdown', (e) => {
  if (!game || ended || e.target === ui.text1) return;
  e.preventDefault();
  delete ui.grid.dataset.keyboard;  // played by the pointer: no keyboard focus ring until a key
  focusBoard();
  ui.client.setPointerCapture(e.pointerId);
  sendMouse(GAME.press, buttonBit(e), heldBits(e), e);
  if (e.pointerType === 'touch') {
    clearTimeout(longPress?.timer);
    longPress = {
      x: e.clientX, y: e.clientY, event: e,
      timer: setTimeout(() => {
        if (!ended) sendMouse(GAME.release, GAME.right, GAME.left, longPress.event);
      },
                        LONG_PRESS_MS),
    };
  }
});

ui.client.addEventListener('pointermove', (e) => {
  if (!game || ended || !ui.client.hasPointerCapture(e.pointerId)) {
    if (game && !ended && e.pointerType === 'mouse' && e.target !== ui.text1) {
      sendMouse(GAME.move, 0, heldBits(e), e);  // a move with no button held
    }
    return;
  }
  if (longPress && Math.hypot(e.clientX - longPress.x, e.clientY - longPress.y) > LONG_PRESS_SLOP) {
    clearTimeout(longPress.timer);
    longPress = null;
  }
  if (e.button >= 0) {
    // A second button pressed or released while another is held comes as a move.
    const bit = buttonBit(e);
    sendMouse((heldBits(e) & bit) ? GAME.press : GAME.release, bit, heldBits(e), e);
  } else {
    sendMouse(GAME.move, 0, heldBits(e), e);
  }
});

function release(e) {
  if (!game || ended || !ui.client.hasPointerCapture(e.pointerId)) return;
  if (longPress) {
    clearTimeout(longPress.timer);
    longPress = null;
  }
  sendMouse(GAME.release, buttonBit(e), heldBits(e), e);
}
ui.client.addEventListener('pointerup', release);
ui.client.addEventListener('pointercancel', release);
// The panel lies below the client area's visible part: focused, it scrolls the client area to
// itself; left, it gives the board its place back.
ui.text1.addEventListener('blur', () => { ui.client.scrollTop = ui.client.scrollLeft = 0; });
ui.client.addEventListener('contextmenu', (e) => { if (e.target !== ui.text1) e.preventDefault(); });

// Keys -------------------------------------------------------------------------------------------

const NAMED_KEYS = { Escape: 27, Enter: 13, Tab: 9, Backspace: 8 };
const ARROWS = { ArrowLeft: GAME.arrowLeft, ArrowRight: GAME.arrowRight, ArrowUp: GAME.arrowUp,
                 ArrowDown: GAME.arrowDown };
const focusBoard = () => ui.grid.focus({ preventScroll: true });
for (const [type, focused] of [['focus', 1], ['blur', 0]]) {
  ui.grid.addEventListener(type, () => { if (game && !ended) game._quandrel_board_focus(focused); });
}
const typedCode = (e) => NAMED_KEYS[e.key] ?? (e.key.length <= 2 ? e.key.codePointAt(0) : -1);

function onKey(e, text1) {
  if (!game || ended || e.isComposing) return;
  if (game._quandrel_key(text1 ? 1 : 0, typedCode(e), e.ctrlKey ? 1 : 0)) e.preventDefault();
}
ui.window.addEventListener('keydown', (e) => {
  ui.grid.dataset.keyboard = '';
  if (e.altKey && !e.ctrlKey && openMenuByKey(e.key)) {
    e.preventDefault();
  } else if (e.target === ui.grid && e.key in ARROWS) {
    if (!game || ended || e.metaKey) return;
    if (game._quandrel_arrow(ARROWS[e.key], shiftBits(e))) e.preventDefault();
  } else if (e.target === ui.grid) {
    onKey(e, false);
  } else if (e.target === ui.text1) {
    onKey(e, true);
  }
});

// Menus: the ARIA menubar pattern over the menu tree the page was written with -----------------

const bar = [];  // { item, key, menu (or null), command, entries: [{ item, key, command }] }
const accessKey = (item) => item.querySelector('u')?.textContent.toLowerCase() ?? '';
const commandOf = (item) => Number(item.dataset.command ?? 0);

function wireMenus() {
  for (const holder of ui.menubar.children) {
    const item = holder.firstElementChild, menu = item.nextElementSibling;
    const entries = [...(menu?.children ?? [])].map(
      (entry) => ({ item: entry, key: accessKey(entry), command: commandOf(entry) }));
    bar.push({ item, key: accessKey(item), menu, command: commandOf(item), entries });
  }
  for (const [index, top] of bar.entries()) {
    top.item.addEventListener('click', () => {
      if (top.menu) {
        top.menu.hidden ? openMenu(index, false) : closeMenus(true);
      } else {
        run(top.command);
      }
    });
    top.item.addEventListener('keydown', (e) => barKey(e, index));
    top.item.addEventListener('pointerenter', () => {
      if (bar.some((t) => t.menu && !t.menu.hidden) && top.menu) openMenu(index, false);
    });
    for (const [at, entry] of top.entries.entries()) {
      entry.item.addEventListener('click', () => run(entry.command));
      entry.item.addEventListener('keydown', (e) => menuKey(e, index, at));
      entry.item.addEventListener('pointerenter', () => entry.item.focus());
    }
  }
}
wireMenus();

function focusBarItem(index) {
  for (const top of bar) top.item.tabIndex = -1;
  bar[index].item.tabIndex = 0;
  bar[index].item.focus();
}

function openMenu(index, focusFirst) {
  closeMenus(false);
  const top = bar[index];
  focusBarItem(index);
  if (!top.menu) return;
  top.menu.hidden = false;
  top.item.setAttribute('aria-expanded', 'true');
  if (focusFirst) top.entries[0].item.focus();
}

function closeMenus(keepFocus) {
  for (const top of bar) {
    if (!top.menu) continue;
    top.menu.hidden = true;
    top.item.setAttribute('aria-expanded', 'false');
  }
  if (!keepFocus && bar.some((t) => t.menu && t.menu.contains(document.activeElement))) {
    focusBoard();
  }
}

function run(command) {
  closeMenus(false);
  focusBoard();
  game._quandrel_menu(command);
}

function openMenuByKey(key) {
  const index = bar.findIndex((t) => t.key === key.toLowerCase());
  if (index < 0) return false;
  if (bar[index].menu) openMenu(index, true);
  else run(bar[index].command);
  return true;
}

function barKey(e, index) {
  const top = bar[index];
  const next = (step) => (index + step + bar.length) % bar.length;
  switch (e.key) {
    case 'ArrowRight': case 'ArrowLeft': {
      const open = bar.some((t) => t.menu && !t.menu.hidden);
      const to = next(e.key === 'ArrowRight' ? 1 : -1);
      open ? openMenu(to, true) : focusBarItem(to);
      break;
    }
    case 'ArrowDown': case 'Enter': case ' ':
      if (top.menu) openMenu(index, true);
      else run(top.command);
      break;
    case 'ArrowUp':
      if (top.menu) { openMenu(index, false); top.entries.at(-1).item.focus(); }
      break;
    case 'Escape':
      // An open menu closes; on the bar alone, the keys go back to the window.
      if (bar.some((t) => t.menu && !t.menu.hidden)) closeMenus(true);
      else focusBoard();
      break;
    case 'Tab':
      closeMenus(true);
      return;
    default:
      if (e.key.length === 1 && !e.ctrlKey && !e.altKey) openMenuByKey(e.key);
      else return;
  }
  e.preventDefault();
  e.stopPropagation();
}

function menuKey(e, index, at) {
  const entries = bar[index].entries;
  const step = (by) => entries[(at + by + entries.length) % entries.length].item.focus();
  switch (e.key) {
    case 'ArrowDown': step(1); break;
    case 'ArrowUp': step(-1); break;
    case 'Home': entries[0].item.focus(); break;
    case 'End': entries.at(-1).item.focus(); break;
    case 'ArrowRight': case 'ArrowLeft':
      openMenu((index + (e.key === 'ArrowRight' ? 1 : -1) + bar.length) % bar.length, true);
      break;
    case 'Enter': case ' ': run(entries[at].command); break;
    case 'Escape': closeMenus(true); focusBarItem(index); break;
    case 'Tab': closeMenus(true); return;
    default: {
      const match = entries.find((entry) => entry.key === e.key.toLowerCase());
      if (match && !e.ctrlKey && !e.altKey) run(match.command);
      else return;
    }
  }
  e.preventDefault();
  e.stopPropagation();
}

document.addEventListener('pointerdown', (e) => {
  if (!ui.menubar.contains(e.target)) closeMenus(true);
});

// Start-up ---------------------------------------------------------------------------------------

// The module compiles the code as it arrives, from the fetch that the page's head started.
const instantiateWasm = (imports, receive) => {
  WebAssembly.instantiateStreaming(window.quandrelWasm, imports)
    .then((result) => receive(result.instance));
  return {};
};

// The board has the keys from the first, or a screen reader reads the loaded page aloud.
focusBoard();
createQuandrel({ page, instantiateWasm }).then((module) => {
  game = module;
  game._quandrel_start(scale());
  watchPixelRatio();
  game._quandrel_board_focus(document.activeElement === ui.grid ? 1 : 0);
  focusBoard();
  document.body.dataset.ready = 'true';
  requestAnimationFrame(() => setTimeout(addExtras));
});

// What the first board does without, added once it has been painted: the web app manifest and
// offline play (no worker, as on an insecure origin, just means no offline play).
function addExtras() {
  const manifest = { rel: 'manifest', href: 'manifest.webmanifest' };
  document.head.append(Object.assign(document.createElement('link'), manifest));
  navigator.serviceWorker?.register('sw.js').catch(() => {});
}
