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

bool IsGoal(const Board& board, Goal goal);

// Every step the move rules allow on `board`, with the layout it leads to, each once.
template <typename Visit>
void ForEachMove(const Board& board, Visit&& visit);

// Every drag on `board` as its grabbed cell and the layout it leads to: each block, grabbed by
// each of its cells next to an empty one, to every other place its steps lead it.
template <typename Visit>
void ForEachDrag(const Board& board, Visit&& visit);

// Number of distinct layouts reachable from `start`, `start` included.
std::size_t CountLayouts(const Board& start, Metric metric = Metric::Steps);

// A shortest sequence of steps that brings the big block into columns 3 and 4, or nullopt when
// no sequence does. Empty when `start` is already a goal.
std::optional<std::vector<Move>> ShortestSolution(const Board& start, Goal goal = Goal::Edge);

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
    constexpr int kSteps[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
    for (int i = 0; i < kCells; ++i) {
        if (board.cells[static_cast<std::size_t>(i)] != kEmpty) continue;
        const int ex = i % kColumns;
        const int ey = i / kColumns;
        for (const auto& step : kSteps) {
            const int gx = ex - step[0];
            const int gy = ey - step[1];
            if (gx < 0 || gx >= kColumns || gy < 0 || gy >= kRows) continue;
            const Code code = board(gx, gy);
            if (code == kEmpty || IsSecondOfEdge(code, step[1] != 0)) continue;
            const Move move{code, static_cast<std::int16_t>(gx), static_cast<std::int16_t>(gy),
                            static_cast<std::int16_t>(step[0]), static_cast<std::int16_t>(step[1])};
            Board next = board;
            if (!ApplyMove(next, RuleFor(code), move.X, move.Y, move.DirX, move.DirY)) {
                continue;
            }
            visit(move, next);
        }
    }
}

// The steps of the block grabbed at `grab` that no other block hinders: one toward an empty
// cell next to the grabbed one, as the pointer leads; none toward the cells in the `skip` mask.
template <typename Visit>
void ForEachStepOf(const Board& board, int grab, std::uint32_t skip, Visit&& visit) {
    constexpr int kSteps[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
    const int gx = grab % kColumns;
    const int gy = grab / kColumns;
    const Code code = board.cells[static_cast<std::size_t>(grab)];
    for (const auto& step : kSteps) {
        const int px = gx + step[0];
        const int py = gy + step[1];
        if (px < 0 || px >= kColumns || py < 0 || py >= kRows || board(px, py) != kEmpty ||
            (skip >> (py * kColumns + px) & 1u)) {
            continue;
        }
        const Move move{code, static_cast<std::int16_t>(gx), static_cast<std::int16_t>(gy),
                        static_cast<std::int16_t>(step[0]), static_cast<std::int16_t>(step[1])};
        Board next = board;
        if (ApplyMove(next, RuleFor(code), move.X, move.Y, move.DirX, move.DirY)) {
            visit(move, next, py * kColumns + px);
        }
    }
}

template <typename Visit>
void ForEachDrag(const Board& board, Visit&& visit) {
    // Only a cell next to an empty one can lead its block.
    std::uint32_t empty = 0;
    for (int i = 0; i < kCells; ++i) {
        if (board.cells[static_cast<std::size_t>(i)] == kEmpty) empty |= 1u << i;
    }
    constexpr std::uint32_t kNotLeft = 0b11110'11110'11110'11110;
    constexpr std::uint32_t kNotRight = 0b01111'01111'01111'01111;
    const std::uint32_t nextToEmpty =
        ((empty << 1 & kNotLeft) | (empty >> 1 & kNotRight) | empty << kColumns |
         empty >> kColumns) & ~empty & ((1u << kCells) - 1);
    std::array<Board, kCells> layouts;
    std::array<int, kCells> queue;
    // The places each block has been led to, by its top-left cell, so that a place reached by
    // grabbing another of its cells is not visited twice.
    std::array<std::uint32_t, kCells> placed{};
    for (int grab = 0; grab < kCells; ++grab) {
        if (!(nextToEmpty >> grab & 1u)) continue;
        const BlockPart part = *PartOf(board.cells[static_cast<std::size_t>(grab)]);
        const int anchor = grab - part.row * kColumns - part.column;
        // Breadth-first over the cells the grabbed cell can reach; the block stands wherever the
        // grabbed cell is, so each cell is one layout.
        std::uint32_t reached = 1u << grab;
        int tail = 0;
        layouts[static_cast<std::size_t>(grab)] = board;
        queue[static_cast<std::size_t>(tail++)] = grab;
        for (int head = 0; head < tail; ++head) {
            const int at = queue[static_cast<std::size_t>(head)];
            ForEachStepOf(layouts[static_cast<std::size_t>(at)], at, reached,
                          [&](const Move&, const Board& next, int to) {
                              reached |= 1u << to;
                              layouts[static_cast<std::size_t>(to)] = next;
                              queue[static_cast<std::size_t>(tail++)] = to;
                              auto& places = placed[static_cast<std::size_t>(anchor)];
                              const std::uint32_t place = 1u << (anchor + to - grab);
                              if (places & place) return;
                              places |= place;
                              visit(grab, next);
                          });
        }
    }
}

}  // namespace quandrel
