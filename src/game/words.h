// The board in words, for a player who cannot see it: what each cell holds and what a keyboard
// step did. Every front end says these texts to its platform's assistive technology.
#pragma once

#include <string>

#include "model/board.h"

namespace quandrel {

inline constexpr const char* kBoardName = "Quandrel board";
inline constexpr const char* kText1Name = "Trace";  // the trace panel

// "wide block, left part, column 2, row 1" or "empty, column 4, row 2"; columns and rows are
// counted from 1 at the top-left.
std::string CellDescription(const Board& board, int column, int row);
// The same without the place, for a cell whose place its table says: "wide block, left part".
std::string CellContent(const Board& board, int column, int row);

// What a keyboard step of the block of `code` by `step` did: "single block moved right",
// "big block cannot move up", or for an empty cell "no block to move".
std::string StepAnnouncement(Code code, Step step, bool moved);

// What an arrow that would take the cursor off the board says: "left edge", "bottom edge".
std::string EdgeAnnouncement(Step step);

}  // namespace quandrel
