#include "model/solver.h"

#include <algorithm>

namespace quandrel {
namespace {

// Three bits a cell: empty, the four anchor codes, or a covered cell. The anchors alone fix the
// layout, so equal keys mean equal boards. The top bit keeps every key non-zero.
std::uint64_t Key(const Board& board) {
    constexpr std::uint64_t kClass[10] = {0, 1, 2, 5, 3, 5, 4, 5, 5, 5};
    std::uint64_t key = 1;
    for (const Code code : board.cells) key = key << 3 | kClass[static_cast<std::size_t>(code)];
    return key;
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
        const auto reach = [&](const Move& move, const Board& next) {
            if (found >= 0 || !seen.Insert(Key(next))) return;
            nodes.push_back({next, static_cast<std::int32_t>(head), move});
            if (goal && IsGoal(next, *goal)) found = static_cast<std::int32_t>(nodes.size() - 1);
        };
        if (metric == Metric::Steps) {
            ForEachMove(board, reach);
        } else {
            ForEachDrag(board, [&](int grab, const Board& next) {
                const auto x = static_cast<std::int16_t>(grab % kColumns);
                const auto y = static_cast<std::int16_t>(grab / kColumns);
                reach({board.cells[static_cast<std::size_t>(grab)], x, y, 0, 0}, next);
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
        int parent;
        Move step;
    };
    std::vector<Reached> reached{{from, -1, {}}};
    std::uint32_t cells = 1u << (grab.Y * kColumns + grab.X);
    std::vector<int> at{grab.Y * kColumns + grab.X};
    for (std::size_t head = 0; head < reached.size() && reached.back().board != to; ++head) {
        const Board here = reached[head].board;  // `reached` grows below
        ForEachStepOf(here, at[head], cells, [&](const Move& step, const Board& next, int cell) {
            if (reached.back().board == to) return;
            cells |= 1u << cell;
            reached.push_back({next, static_cast<int>(head), step});
            at.push_back(cell);
        });
    }
    Drag drag;
    for (int i = static_cast<int>(reached.size()) - 1; reached[static_cast<std::size_t>(i)].parent >= 0;
         i = reached[static_cast<std::size_t>(i)].parent) {
        drag.steps.push_back(reached[static_cast<std::size_t>(i)].step);
    }
    std::reverse(drag.steps.begin(), drag.steps.end());
    return drag;
}

}  // namespace

bool IsGoal(const Board& board, Goal goal) {
    return goal == Goal::Edge ? IsGoal(board) : board(3, 1) == kBigTopLeft;
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
