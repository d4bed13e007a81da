// Breadth-first search over the layouts that the move rules reach from a start layout.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "model/board.h"
#include "model/moves.h"

namespace quandrel {

// One step of one cell: the block is grabbed at (X, Y), which holds `code`. The grabbed cell is
// on the block's leading edge, so the cell it steps into is empty before the step.
struct Move {
    Code code;
    std::int16_t X;
    std::int16_t Y;
    std::int16_t DirX;
    std::int16_t DirY;
    bool operator==(const Move&) const = default;
};

// One press of the button: steps of one block, each grabbed where the one before left the
// grabbed cell, as the pointer leads it cell by cell through empty cells.
struct Drag {
    std::vector<Move> steps;
    bool operator==(const Drag&) const = default;
};

// Edge: the big block in columns 3 and 4, any rows. Object: the position Help > Object shows,
// the big block's top-left cell at column 3, row 1.
enum class Goal { Object, Edge };
// How solutions are counted: in drags (one block moved any distance) or in one-cell steps.
enum class Metric { Drags, Steps };

bool IsGoal(const Board& board, Goal goal = Goal::Object);

// Every step the move rules allow on `board`, with the layout it leads to, each once.
template <typename Visit>
void ForEachMove(const Board& board, Visit&& visit);

// Number of distinct layouts reachable from `start`, `start` included.
std::size_t CountLayouts(const Board& start, Metric metric = Metric::Steps);

// A shortest sequence of steps to `goal`, or nullopt when no sequence reaches it. Empty when
// `start` is already a goal.
std::optional<std::vector<Move>> ShortestSolution(const Board& start, Goal goal = Goal::Object);

// A shortest solution in `metric`: in steps, one drag per step.
std::optional<std::vector<Drag>> ShortestSolution(const Board& start, Goal goal, Metric metric);

// ---------------------------------------------------------------------------------------------

// A step across a wide or big block enters two cells, so it is found from both of them when both
// are empty. It is taken only from the first: the left one for a vertical step, the top one for
// a horizontal step.
inline bool IsSecondOfEdge(Code code, bool vertical) {
    return vertical ? code == kWideRight || code == kBigTopRight || code == kBigBottomRight
                    : code == kTallBottom || code == kBigBottomLeft || code == kBigBottomRight;
}

template <typename Visit>
void ForEachMove(const Board& board, Visit&& visit) {
    // A block can only step into an empty cell, so only the neighbours of the empty cells are
    // tried: the block next to an empty cell is grabbed by that neighbour, its leading cell.
    for (int i = 0; i < kCells; ++i) {
        if (board.cells[static_cast<std::size_t>(i)] != kEmpty) continue;
        const int ex = i % kColumns;
        const int ey = i / kColumns;
        for (const Step& step : kSteps) {
            if (!IsOnBoard(ex, ey, -step.DirX, -step.DirY)) continue;
            const int gx = ex - step.DirX;
            const int gy = ey - step.DirY;
            const Code code = board(gx, gy);
            if (code == kEmpty || IsSecondOfEdge(code, step.DirY != 0)) continue;
            const Move move{code, static_cast<std::int16_t>(gx), static_cast<std::int16_t>(gy),
                            step.DirX, step.DirY};
            Board next = board;
            if (!ApplyMove(next, RuleFor(code), move.X, move.Y, move.DirX, move.DirY)) {
                continue;
            }
            visit(move, next);
        }
    }
}

}  // namespace quandrel
