#include "model/solver.h"

#include <algorithm>
#include <unordered_map>

namespace quandrel {
namespace {

// Three bits a cell: empty, the four anchor codes, or a covered cell. The anchors alone fix the
// layout, so equal keys mean equal boards.
std::uint64_t Key(const Board& board) {
    std::uint64_t key = 0;
    for (const Code code : board.cells) {
        std::uint64_t cell = 5;
        switch (code) {
            case kEmpty: cell = 0; break;
            case kSingle: cell = 1; break;
            case kWideLeft: cell = 2; break;
            case kTallTop: cell = 3; break;
            case kBigTopLeft: cell = 4; break;
            default: break;
        }
        key = key << 3 | cell;
    }
    return key;
}

struct Node {
    Board board;
    std::int32_t parent;
    Move move;
};

// Breadth-first from `start`; stops at the first goal when `stopAtGoal`. Returns the index of
// the goal node, or -1.
std::int32_t Search(const Board& start, bool stopAtGoal, std::vector<Node>& nodes) {
    std::unordered_map<std::uint64_t, std::int32_t> seen;
    seen.reserve(1 << 16);
    nodes.clear();
    nodes.push_back({start, -1, {}});
    seen.emplace(Key(start), 0);
    if (stopAtGoal && IsGoal(start)) return 0;
    for (std::size_t head = 0; head < nodes.size(); ++head) {
        const Board board = nodes[head].board;
        std::int32_t found = -1;
        ForEachMove(board, [&](const Move& move, const Board& next) {
            if (found >= 0 || !seen.emplace(Key(next), 0).second) return;
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
