// Breadth-first search over the layouts that the move rules reach from a start layout.
#pragma once

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

// Every step the move rules allow on `board`, with the layout it leads to.
template <typename Visit>
void ForEachMove(const Board& board, Visit&& visit);

// Number of distinct layouts reachable from `start`, `start` included.
std::size_t CountLayouts(const Board& start);

// A shortest sequence of steps that brings the big block into columns 3 and 4, or nullopt when
// no sequence does. Empty when `start` is already a goal.
std::optional<std::vector<Move>> ShortestSolution(const Board& start);

// ---------------------------------------------------------------------------------------------

template <typename Visit>
void ForEachMove(const Board& board, Visit&& visit) {
    constexpr int kSteps[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
    for (int y = 0; y < kRows; ++y) {
        for (int x = 0; x < kColumns; ++x) {
            const auto size = AnchorSize(board(x, y));
            if (!size) continue;
            for (const auto& step : kSteps) {
                // The cell of the block's leading edge in the direction of the step.
                const int gx = step[0] > 0 ? x + size->width - 1 : x;
                const int gy = step[1] > 0 ? y + size->height - 1 : y;
                const Move move{board(gx, gy), static_cast<std::int16_t>(gx),
                                static_cast<std::int16_t>(gy), static_cast<std::int16_t>(step[0]),
                                static_cast<std::int16_t>(step[1])};
                Board next = board;
                if (ApplyMove(next, *ProcedureFor(move.code), move.X, move.Y, move.DirX,
                              move.DirY)) {
                    visit(move, next);
                }
            }
        }
    }
}

}  // namespace quandrel
