// A shortest solution by blocks as rectangles, written apart from the game's own rules: each step
// moves one block one cell into free cells; the goal is the big block in columns 3 and 4.
const COLOURS = { 1: [0, 0, 255], 2: [0, 192, 0], 4: [192, 192, 192], 6: [192, 0, 0] };
const START = '23231 67410 89510 23231';

export function blocksOf(layout) {
  const codes = layout.replace(/ /g, '');
  const size = { 1: [1, 1], 2: [2, 1], 4: [1, 2], 6: [2, 2] };
  const blocks = [];
  for (let i = 0; i < 20; ++i) {
    const code = Number(codes[i]);
    if (size[code]) blocks.push({ code, x: i % 5, y: Math.floor(i / 5), w: size[code][0], h: size[code][1] });
  }
  return blocks;
}

const key = (blocks) => blocks.map((b) => `${b.code}${b.x}${b.y}`).sort().join();
const covers = (b, x, y) => x >= b.x && x < b.x + b.w && y >= b.y && y < b.y + b.h;

// The colour of each cell, by cell index.
export function coloursOf(blocks) {
  return Array.from({ length: 20 }, (_, i) => {
    const block = blocks.find((b) => covers(b, i % 5, Math.floor(i / 5)));
    return block ? COLOURS[block.code] : [0, 0, 0];
  });
}

// { steps, goal }: the steps { from: the grabbed cell, to: the free cell it enters } of a
// shortest solution, and the blocks at the goal.
export function shortestSolution(layout = START) {
  const start = blocksOf(layout);
  const seen = new Map([[key(start), null]]);
  let frontier = [start];
  while (frontier.length) {
    const next = [];
    for (const blocks of frontier) {
      if (blocks.some((b) => b.code === 6 && b.x === 3)) return pathTo(blocks, seen);
      for (const [index, block] of blocks.entries()) {
        for (const [dx, dy] of [[1, 0], [-1, 0], [0, 1], [0, -1]]) {
          const moved = { ...block, x: block.x + dx, y: block.y + dy };
          if (moved.x < 0 || moved.y < 0 || moved.x + moved.w > 5 || moved.y + moved.h > 4) continue;
          const free = blocks.every((other, o) => o === index ||
            other.x >= moved.x + moved.w || moved.x >= other.x + other.w ||
            other.y >= moved.y + moved.h || moved.y >= other.y + other.h);
          if (!free) continue;
          const after = blocks.map((b, o) => (o === index ? moved : b));
          const k = key(after);
          if (seen.has(k)) continue;
          seen.set(k, { before: blocks, index, dx, dy });
          next.push(after);
        }
      }
    }
    frontier = next;
  }
  return null;
}

function pathTo(blocks, seen) {
  const steps = [];
  for (let at = seen.get(key(blocks)); at; at = seen.get(key(at.before))) {
    const b = at.before[at.index];
    // Grabbed by the cell on the side it moves toward; the pointer goes into the cell it enters.
    const from = [at.dx > 0 ? b.x + b.w - 1 : b.x, at.dy > 0 ? b.y + b.h - 1 : b.y];
    steps.push({ before: at.before, from, to: [from[0] + at.dx, from[1] + at.dy] });
  }
  return { steps: steps.reverse(), goal: blocks };
}
