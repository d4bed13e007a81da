#include "game/words.h"

#include "game/traces.h"

namespace quandrel {
namespace {

const char* KindName(Code anchor) {
    switch (anchor) {
        case kSingle: return "single block";
        case kWideLeft: return "wide block";
        case kTallTop: return "tall block";
        default: return "big block";
    }
}

// Which part of its block a cell is; "" for a block of one cell.
const char* PartName(const BlockPart& part) {
    static constexpr const char* kParts[2][2][2] = {
        {{"left part", "right part"}, {"", ""}},  // one row
        {{"top-left part", "top-right part"}, {"bottom-left part", "bottom-right part"}},
    };
    if (part.width == 1 && part.height == 1) return "";
    if (part.width == 1) return part.row == 0 ? "top part" : "bottom part";
    return kParts[part.height - 1][part.row][part.column];
}

const char* StepName(Step step) {
    if (step.DirX > 0) return "right";
    if (step.DirX < 0) return "left";
    return step.DirY > 0 ? "down" : "up";
}

}  // namespace

std::string CellContent(const Board& board, int column, int row) {
    const auto part = PartOf(board(column, row));
    if (!part) return "empty";
    const std::string partName = PartName(*part);
    return std::string(KindName(part->anchor)) + (partName.empty() ? "" : ", " + partName);
}

std::string CellDescription(const Board& board, int column, int row) {
    return CellContent(board, column, row) + ", column " + NumberText(column + 1) + ", row " +
           NumberText(row + 1);
}

std::string StepAnnouncement(Code code, Step step, bool moved) {
    const auto part = PartOf(code);
    if (!part) return "no block to move";
    return std::string(KindName(part->anchor)) + (moved ? " moved " : " cannot move ") +
           StepName(step);
}

std::string EdgeAnnouncement(Step step) {
    static constexpr const char* kEdges[] = {"left edge", "right edge", "top edge", "bottom edge"};
    if (step.DirX != 0) return kEdges[step.DirX > 0 ? 1 : 0];
    return kEdges[step.DirY > 0 ? 3 : 2];
}

}  // namespace quandrel
