#include "model/moves.h"

#include <array>
#include <cassert>

namespace quandrel {
namespace {

// The rules of MoveSingle .. MoveBig4: code and order of direction tests.
constexpr std::array<MoveRule, 9> kRules{{
    {1, StepOrder::AsGiven},
    {2, StepOrder::HorizontalFirst},
    {3, StepOrder::HorizontalFirst},
    {4, StepOrder::VerticalFirst},
    {5, StepOrder::VerticalFirst},
    {6, StepOrder::VerticalFirst},
    {7, StepOrder::VerticalFirst},
    {8, StepOrder::VerticalFirst},
    {9, StepOrder::VerticalFirst},
}};

std::int16_t Sign(int value) { return static_cast<std::int16_t>((value > 0) - (value < 0)); }

// The step a procedure takes from (DirX, DirY), following its order of direction tests.
Step ReadStep(StepOrder order, std::int16_t DirX, std::int16_t DirY) {
    switch (order) {
        case StepOrder::AsGiven: return {DirX, DirY};
        case StepOrder::HorizontalFirst:
            return DirX != 0 ? Step{Sign(DirX), 0} : Step{0, Sign(DirY)};
        case StepOrder::VerticalFirst: return DirY != 0 ? Step{0, Sign(DirY)} : Step{Sign(DirX), 0};
    }
    return {0, 0};
}

struct Rect {
    int left;
    int top;
    int width;
    int height;
    bool Contains(int x, int y) const {
        return x >= left && x < left + width && y >= top && y < top + height;
    }
};

}  // namespace

const MoveRule& RuleFor(Code code) {
    assert(code >= kSingle && code <= kBigBottomRight);
    return kRules[static_cast<std::size_t>(code - kSingle)];
}

bool ApplyMove(Board& board, const MoveRule& rule, std::int16_t X, std::int16_t Y,
               std::int16_t DirX, std::int16_t DirY) {
    const Step step = ReadStep(rule.order, DirX, DirY);
    if (step.DirX == 0 && step.DirY == 0) return false;

    // The rule trusts the board: its code names the block and where (X, Y) lies in it.
    const BlockPart part = *PartOf(rule.code);
    const Rect from{X - part.column, Y - part.row, part.width, part.height};
    const Rect to{from.left + step.DirX, from.top + step.DirY, from.width, from.height};
    const int right = to.left + to.width - 1;
    const int bottom = to.top + to.height - 1;
    if (!IsOnBoard(static_cast<std::int16_t>(to.left), static_cast<std::int16_t>(to.top), 0, 0) ||
        !IsOnBoard(static_cast<std::int16_t>(right), static_cast<std::int16_t>(bottom), 0, 0)) {
        return false;
    }
    for (int y = to.top; y <= bottom; ++y) {
        for (int x = to.left; x <= right; ++x) {
            if (!from.Contains(x, y) && board(x, y) != kEmpty) return false;
        }
    }

    for (int y = from.top; y < from.top + from.height; ++y) {
        for (int x = from.left; x < from.left + from.width; ++x) {
            if (!to.Contains(x, y)) board(x, y) = kEmpty;
        }
    }
    for (int dy = 0; dy < to.height; ++dy) {
        for (int dx = 0; dx < to.width; ++dx) {
            board(to.left + dx, to.top + dy) = part.CodeAt(dx, dy);
        }
    }
    return true;
}

}  // namespace quandrel
