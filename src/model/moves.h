// The rules of the nine move procedures, one per piece code: how a block steps one cell.
#pragma once

#include <cstdint>

#include "model/board.h"

namespace quandrel {

// Which axis a procedure tries first when it reads its step.
enum class StepOrder {
    AsGiven,          // the single block steps by (DirX, DirY) as it stands
    HorizontalFirst,  // wide blocks: DirX > 0, DirX < 0, then vertical by DirY
    VerticalFirst,    // the tall and the big block: DirY > 0, DirY < 0, then horizontal by DirX
};

struct MoveRule {
    Code code;  // piece code of the grabbed cell
    StepOrder order;
};

// The rule for piece code 1..9.
const MoveRule& RuleFor(Code code);

// The rule alone: moves the block grabbed at (X, Y) one cell and returns true, or returns false
// and leaves the board untouched. (X, Y) must hold the rule's code on a consistent board.
bool ApplyMove(Board& board, const MoveRule& rule, std::int16_t X, std::int16_t Y,
               std::int16_t DirX, std::int16_t DirY);

}  // namespace quandrel
