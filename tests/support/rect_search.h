// An independent search for checking the solver: blocks as rectangles slid by plain geometry,
// with no piece codes and none of the game's move rules.
#pragma once

#include <algorithm>
#include <optional>
#include <queue>
#include <set>
#include <vector>

#include "model/board.h"

namespace quandrel::testing {

struct Block {
    int x, y, w, h;
    auto operator<=>(const Block&) const = default;
};
using Blocks = std::vector<Block>;

inline Blocks ToBlocks(const Board& board) {
    Blocks blocks;
    for (int y = 0; y < kRows; ++y) {
        for (int x = 0; x < kColumns; ++x) {
            switch (board(x, y)) {
                case kSingle: blocks.push_back({x, y, 1, 1}); break;
                case kWideLeft: blocks.push_back({x, y, 2, 1}); break;
                case kTallTop: blocks.push_back({x, y, 1, 2}); break;
                case kBigTopLeft: blocks.push_back({x, y, 2, 2}); break;
                default: break;
            }
        }
    }
    std::sort(blocks.begin(), blocks.end());
    return blocks;
}

struct RectSearch {
    std::size_t layouts = 0;
    std::optional<int> goalDistance;  // steps (or drags) to the nearest goal layout
};

inline bool Covers(const Block& b, int x, int y) {
    return b.x <= x && x < b.x + b.w && b.y <= y && y < b.y + b.h;
}

// Every layout that one drag of block `b` leads to: grabbed by one of its cells, each step goes
// toward an empty cell next to the grabbed one, into free room.
template <typename Visit>
void ForEachRectDrag(const Blocks& layout, std::size_t b, Visit&& visit) {
    const Block home = layout[b];
    for (int ox = 0; ox < home.w; ++ox) {
        for (int oy = 0; oy < home.h; ++oy) {
            std::set<Block> reached{home};
            std::queue<Block> queue;
            queue.push(home);
            while (!queue.empty()) {
                const Block at = queue.front();
                queue.pop();
                for (const auto& [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
                    const Block moved{at.x + dx, at.y + dy, at.w, at.h};
                    if (moved.x < 0 || moved.y < 0 || moved.x + moved.w > kColumns ||
                        moved.y + moved.h > kRows || Covers(at, at.x + ox + dx, at.y + oy + dy)) {
                        continue;
                    }
                    const bool overlaps =
                        std::any_of(layout.begin(), layout.end(), [&](const Block& o) {
                            return &o != &layout[b] && o.x < moved.x + moved.w &&
                                   moved.x < o.x + o.w && o.y < moved.y + moved.h &&
                                   moved.y < o.y + o.h;
                        });
                    if (overlaps || !reached.insert(moved).second) continue;
                    queue.push(moved);
                    Blocks next = layout;
                    next[b] = moved;
                    std::sort(next.begin(), next.end());
                    visit(next);
                }
            }
        }
    }
}

// Breadth-first in drags, or in one-cell steps; the goal is the big block at column 3 and, with
// `objectGoal`, row 1.
inline RectSearch SearchByRectangles(const Board& start, bool objectGoal = false,
                                     bool drags = false) {
    const auto isGoal = [&](const Blocks& blocks) {
        return std::any_of(blocks.begin(), blocks.end(), [&](const Block& b) {
            return b.w == 2 && b.h == 2 && b.x == 3 && (!objectGoal || b.y == 1);
        });
    };
    RectSearch result;
    std::set<Blocks> seen{ToBlocks(start)};
    std::queue<std::pair<Blocks, int>> queue;
    queue.push({ToBlocks(start), 0});
    while (!queue.empty()) {
        // Named copies, not a structured binding: lambdas below capture them.
        const Blocks layout = queue.front().first;
        const int depth = queue.front().second;
        queue.pop();
        if (!result.goalDistance && isGoal(layout)) result.goalDistance = depth;
        if (drags) {
            for (std::size_t b = 0; b < layout.size(); ++b) {
                ForEachRectDrag(layout, b, [&](const Blocks& next) {
                    if (seen.insert(next).second) queue.push({next, depth + 1});
                });
            }
            continue;
        }
        for (std::size_t b = 0; b < layout.size(); ++b) {
            for (const auto& [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
                Block moved = layout[b];
                moved.x += dx;
                moved.y += dy;
                if (moved.x < 0 || moved.y < 0 || moved.x + moved.w > kColumns ||
                    moved.y + moved.h > kRows) {
                    continue;
                }
                const bool overlaps =
                    std::any_of(layout.begin(), layout.end(), [&](const Block& o) {
                        return &o != &layout[b] && o.x < moved.x + moved.w && moved.x < o.x + o.w &&
                               o.y < moved.y + moved.h && moved.y < o.y + o.h;
                    });
                if (overlaps) continue;
                Blocks next = layout;
                next[b] = moved;
                std::sort(next.begin(), next.end());
                if (seen.insert(next).second) queue.push({next, depth + 1});
            }
        }
    }
    result.layouts = seen.size();
    return result;
}

}  // namespace quandrel::testing
