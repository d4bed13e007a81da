#include "model/solver.h"

#include <algorithm>
#include <bit>

namespace quandrel {
namespace {

// Three bits a cell: empty, the four anchor codes, or a covered cell. The anchors alone fix the
// layout, so equal keys mean equal boards. The top bit keeps every key non-zero.
constexpr std::uint64_t kClass[10] = {0, 1, 2, 5, 3, 5, 4, 5, 5, 5};
constexpr std::uint64_t kCovered = 5;

std::uint64_t Key(const Board& board) {
    std::uint64_t key = 1;
    for (const Code code : board.cells) key = key << 3 | kClass[static_cast<std::size_t>(code)];
    return key;
}

int FieldShift(int cell) { return 3 * (kCells - 1 - cell); }

// The steps of the block grabbed at `grab` that no other block hinders: one toward an empty
// cell next to the grabbed one, as the pointer leads; none toward the cells in the `skip` mask.
template <typename Visit>
void ForEachStepOf(const Board& board, int grab, std::uint32_t skip, Visit&& visit) {
    const int gx = grab % kColumns;
    const int gy = grab / kColumns;
    const Code code = board.cells[static_cast<std::size_t>(grab)];
    for (const Step& step : kSteps) {
        const int px = gx + step.DirX;
        const int py = gy + step.DirY;
        if (!IsOnBoard(gx, gy, step.DirX, step.DirY) || board(px, py) != kEmpty ||
            (skip >> (py * kColumns + px) & 1u)) {
            continue;
        }
        const Move move{code, static_cast<std::int16_t>(gx), static_cast<std::int16_t>(gy),
                        step.DirX, step.DirY};
        Board next = board;
        if (ApplyMove(next, RuleFor(code), move.X, move.Y, move.DirX, move.DirY)) {
            visit(move, next, py * kColumns + px);
        }
    }
}

// Cells as bits, bit i for cell i.
using Cells = std::uint32_t;

Cells EmptyCells(const Board& board) {
    Cells empty = 0;
    for (int i = 0; i < kCells; ++i) {
        if (board.cells[static_cast<std::size_t>(i)] == kEmpty) empty |= 1u << i;
    }
    return empty;
}

// The cells of a block of `part`'s size with its top-left cell at `anchor`; 0 when it does not
// fit on the board there.
Cells BlockCells(const BlockPart& part, int anchor) {
    const int x = anchor % kColumns, y = anchor / kColumns;
    if (anchor < 0 || x + part.width > kColumns || y + part.height > kRows) return 0;
    const Cells row = (1u << part.width) - 1;
    const Cells shape = part.height == 2 ? row | row << kColumns : row;
    return shape << anchor;
}

// `key` with the cells of the block of `part` at anchor `anchor` empty.
std::uint64_t WithoutBlock(std::uint64_t key, const BlockPart& part, int anchor) {
    for (Cells cells = BlockCells(part, anchor); cells != 0; cells &= cells - 1) {
        key &= ~(std::uint64_t{7} << FieldShift(std::countr_zero(cells)));
    }
    return key;
}

// The key fields of the block of `part` standing at anchor `anchor`.
std::uint64_t BlockFields(const BlockPart& part, int anchor) {
    std::uint64_t fields = kClass[static_cast<std::size_t>(part.anchor)] << FieldShift(anchor);
    for (Cells cells = BlockCells(part, anchor) & ~(1u << anchor); cells != 0; cells &= cells - 1) {
        fields |= kCovered << FieldShift(std::countr_zero(cells));
    }
    return fields;
}

// `board` with the block of `part` moved from anchor `from` to anchor `to`.
Board MovedBoard(Board board, const BlockPart& part, int from, int to) {
    for (Cells cells = BlockCells(part, from); cells != 0; cells &= cells - 1) {
        board.cells[static_cast<std::size_t>(std::countr_zero(cells))] = kEmpty;
    }
    for (int dy = 0; dy < part.height; ++dy) {
        for (int dx = 0; dx < part.width; ++dx) {
            board.cells[static_cast<std::size_t>(to + dy * kColumns + dx)] = part.CodeAt(dx, dy);
        }
    }
    return board;
}

// Every drag on `board`, as the grabbed cell, the block's part there, its anchor before and
// after, and the key of the layout it leads to. Each block is grabbed by each of its cells next
// to an empty one and led, one cell a step, wherever the pointer finds an empty cell next to the
// grabbed one and the block finds room, as the move rules let it; each place once.
template <typename Visit>
void ForEachDrag(const Board& board, std::uint64_t key, Visit&& visit) {
    constexpr Cells kNotLeft = 0b11110'11110'11110'11110;  // shifted right, column 0 wraps
    constexpr Cells kNotRight = 0b01111'01111'01111'01111;
    const Cells empty = EmptyCells(board);
    // Only a cell next to an empty one can lead its block.
    const Cells leaders = ((empty << 1 & kNotLeft) | (empty >> 1 & kNotRight) | empty << kColumns |
                           empty >> kColumns) &
                          ~empty & ((1u << kCells) - 1);
    std::array<Cells, kCells> placed{};  // by the block's anchor: the anchors it was led to
    for (Cells left = leaders; left != 0; left &= left - 1) {
        const int grab = std::countr_zero(left);
        const Code code = board.cells[static_cast<std::size_t>(grab)];
        const BlockPart part = *PartOf(code);
        const int home = grab - part.row * kColumns - part.column;
        const Cells room = empty | BlockCells(part, home);  // free for this block to stand in
        const std::uint64_t keyWithout = WithoutBlock(key, part, home);
        std::array<int, kCells> queue;
        int tail = 0;
        Cells reached = 1u << home;
        queue[static_cast<std::size_t>(tail++)] = home;
        for (int head = 0; head < tail; ++head) {
            const int at = queue[static_cast<std::size_t>(head)];
            const int gx = at % kColumns + part.column, gy = at / kColumns + part.row;
            for (const Step& step : kSteps) {
                if (!IsOnBoard(gx, gy, step.DirX, step.DirY)) continue;
                const int px = gx + step.DirX, py = gy + step.DirY;
                const Cells pointer = 1u << (py * kColumns + px);
                // The pointer's cell must be empty: free, and not the block's own.
                if (!(room & pointer) || (BlockCells(part, at) & pointer)) continue;
                // A step off the board has its pointer off the board or on the block itself, so
                // `to` never wraps into another row.
                const int to = at + step.DirY * kColumns + step.DirX;
                const Cells cells = BlockCells(part, to);
                if (cells == 0 || (cells & ~room) || (reached >> to & 1u)) continue;
                reached |= 1u << to;
                queue[static_cast<std::size_t>(tail++)] = to;
                auto& places = placed[static_cast<std::size_t>(home)];
                if (places >> to & 1u) continue;
                places |= 1u << to;
                visit(grab, part, home, to, keyWithout | BlockFields(part, to));
            }
        }
    }
}

// Open addressing over non-zero 64-bit keys.
class KeySet {
  public:
    KeySet() : slots_(1 << 16) {}

    // Adds `key`; false when it was there already.
    bool Insert(std::uint64_t key) {
        if (2 * (size_ + 1) > slots_.size()) Grow();
        if (!Place(slots_, key)) return false;
        ++size_;
        return true;
    }

  private:
    static bool Place(std::vector<std::uint64_t>& slots, std::uint64_t key) {
        const std::size_t mask = slots.size() - 1;
        for (std::size_t i = (key * 0x9E3779B97F4A7C15ull) >> 40 & mask;; i = (i + 1) & mask) {
            if (slots[i] == key) return false;
            if (slots[i] == 0) {
                slots[i] = key;
                return true;
            }
        }
    }
    void Grow() {
        std::vector<std::uint64_t> bigger(slots_.size() * 2);
        for (const std::uint64_t key : slots_) {
            if (key != 0) Place(bigger, key);
        }
        slots_.swap(bigger);
    }

    std::vector<std::uint64_t> slots_;
    std::size_t size_ = 0;
};

struct Node {
    Board board;
    std::int32_t parent;
    Move move;  // the step, or for a drag the grabbed cell
};

// Breadth-first from `start` in `metric`; stops at the first goal when `goal` is given. Returns
// the index of the goal node, or -1.
std::int32_t Search(const Board& start, Metric metric, std::optional<Goal> goal,
                    std::vector<Node>& nodes) {
    KeySet seen;
    nodes.clear();
    nodes.reserve(1 << 15);
    nodes.push_back({start, -1, {}});
    seen.Insert(Key(start));
    if (goal && IsGoal(start, *goal)) return 0;
    for (std::size_t head = 0; head < nodes.size(); ++head) {
        const Board board = nodes[head].board;
        std::int32_t found = -1;
        // Adds the layout of `key`, made by `next()`, unless it was reached before.
        const auto reach = [&](std::uint64_t key, const Move& move, auto&& next) {
            if (found >= 0 || !seen.Insert(key)) return;
            nodes.push_back({next(), static_cast<std::int32_t>(head), move});
            if (goal && IsGoal(nodes.back().board, *goal)) {
                found = static_cast<std::int32_t>(nodes.size() - 1);
            }
        };
        if (metric == Metric::Steps) {
            ForEachMove(board, [&](const Move& move, const Board& next) {
                reach(Key(next), move, [&] { return next; });
            });
        } else {
            ForEachDrag(board, Key(board),
                        [&](int grab, const BlockPart& part, int from, int to, std::uint64_t key) {
                            const Move grabbed{board.cells[static_cast<std::size_t>(grab)],
                                               static_cast<std::int16_t>(grab % kColumns),
                                               static_cast<std::int16_t>(grab / kColumns), 0, 0};
                            reach(key, grabbed, [&] { return MovedBoard(board, part, from, to); });
                        });
        }
        if (found >= 0) return found;
    }
    return -1;
}

// The nodes from the start to `goal`, the start left out.
std::vector<const Node*> PathTo(const std::vector<Node>& nodes, std::int32_t goal) {
    std::vector<const Node*> path;
    for (std::int32_t at = goal; nodes[static_cast<std::size_t>(at)].parent >= 0;
         at = nodes[static_cast<std::size_t>(at)].parent) {
        path.push_back(&nodes[static_cast<std::size_t>(at)]);
    }
    std::reverse(path.begin(), path.end());
    return path;
}

// The fewest steps of the block grabbed at (grab.X, grab.Y) that lead from `from` to `to`.
Drag StepsOfDrag(const Board& from, const Move& grab, const Board& to) {
    struct Reached {
        Board board;
        int cell;  // where the grabbed cell stands
        int parent;
        Move step;
    };
    const int start = grab.Y * kColumns + grab.X;
    std::vector<Reached> reached{{from, start, -1, {}}};
    std::uint32_t cells = 1u << start;
    for (std::size_t head = 0; head < reached.size() && reached.back().board != to; ++head) {
        const Reached here = reached[head];  // `reached` grows below
        ForEachStepOf(here.board, here.cell, cells,
                      [&](const Move& step, const Board& next, int cell) {
                          if (reached.back().board == to) return;
                          cells |= 1u << cell;
                          reached.push_back({next, cell, static_cast<int>(head), step});
                      });
    }
    Drag drag;
    for (const Reached* at = &reached.back(); at->parent >= 0;
         at = &reached[static_cast<std::size_t>(at->parent)]) {
        drag.steps.push_back(at->step);
    }
    std::reverse(drag.steps.begin(), drag.steps.end());
    return drag;
}

}  // namespace

bool IsGoal(const Board& board, Goal goal) {
    if (goal == Goal::Object) return board(3, 1) == kBigTopLeft;
    for (int y = 0; y < kRows - 1; ++y) {
        if (board(3, y) == kBigTopLeft) return true;
    }
    return false;
}

std::size_t CountLayouts(const Board& start, Metric metric) {
    std::vector<Node> nodes;
    Search(start, metric, std::nullopt, nodes);
    return nodes.size();
}

std::optional<std::vector<Move>> ShortestSolution(const Board& start, Goal goal) {
    std::vector<Node> nodes;
    const std::int32_t found = Search(start, Metric::Steps, goal, nodes);
    if (found < 0) return std::nullopt;
    std::vector<Move> moves;
    for (const Node* node : PathTo(nodes, found)) moves.push_back(node->move);
    return moves;
}

std::optional<std::vector<Drag>> ShortestSolution(const Board& start, Goal goal, Metric metric) {
    std::vector<Node> nodes;
    const std::int32_t found = Search(start, metric, goal, nodes);
    if (found < 0) return std::nullopt;
    std::vector<Drag> drags;
    for (const Node* node : PathTo(nodes, found)) {
        if (metric == Metric::Steps) {
            drags.push_back({{node->move}});
        } else {
            drags.push_back(StepsOfDrag(nodes[static_cast<std::size_t>(node->parent)].board,
                                        node->move, node->board));
        }
    }
    return drags;
}

}  // namespace quandrel
