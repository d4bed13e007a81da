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
    Move move;
};

// Breadth-first from `start`; stops at the first goal when `stopAtGoal`. Returns the index of
// the goal node, or -1.
std::int32_t Search(const Board& start, bool stopAtGoal, std::vector<Node>& nodes) {
    KeySet seen;
    nodes.clear();
    nodes.reserve(1 << 15);
    nodes.push_back({start, -1, {}});
    seen.Insert(Key(start));
    if (stopAtGoal && IsGoal(start)) return 0;
    for (std::size_t head = 0; head < nodes.size(); ++head) {
        const Board board = nodes[head].board;
        std::int32_t found = -1;
        ForEachMove(board, [&](const Move& move, const Board& next) {
            if (found >= 0 || !seen.Insert(Key(next))) return;
            nodes.push_back({next, static_cast<std::int32_t>(head), move});
            if (stopAtGoal && IsGoal(next)) found = static_cast<std::int32_t>(nodes.size() - 1);
        });
        if (found >= 0) return found;
    }
    return -1;
}

}  // namespace

std::size_t CountLayouts(const Board& start) {
    std::vector<Node> nodes;
    Search(start, false, nodes);
    return nodes.size();
}

std::optional<std::vector<Move>> ShortestSolution(const Board& start) {
    std::vector<Node> nodes;
    const std::int32_t goal = Search(start, true, nodes);
    if (goal < 0) return std::nullopt;
    std::vector<Move> moves;
    for (std::int32_t at = goal; nodes[static_cast<std::size_t>(at)].parent >= 0;
         at = nodes[static_cast<std::size_t>(at)].parent) {
        moves.push_back(nodes[static_cast<std::size_t>(at)].move);
    }
    std::reverse(moves.begin(), moves.end());
    return moves;
}

}  // namespace quandrel
