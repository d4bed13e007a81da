// The texts the game writes into its trace panel: numbers in plain decimal (doubles to fifteen
// significant digits, whole ones without a decimal point), cells, and the move trace of the nine
// move procedures.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/board.h"

namespace quandrel {

std::string NumberText(int value);
std::string NumberText(double value);

// "board(c,r)=code", as the drag trace, the cell report and the dump write a cell.
std::string CellText(int c, int r, int code);

// The text a move procedure writes on entry, before it tests anything; `code` is 1..9.
std::string MoveTrace(Code code, std::int16_t X, std::int16_t Y, std::int16_t DirX,
                      std::int16_t DirY);

// The text that replaces the trace once the block of `code` has stepped, or nullptr.
const char* MovedText(Code code);

}  // namespace quandrel
