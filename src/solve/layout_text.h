// Layouts and solution steps as the command-line solver reads and prints them.
#pragma once

#include <string>
#include <string_view>
#include <variant>

#include "model/board.h"
#include "model/solver.h"

namespace quandrel {

// A layout that could not be read or breaks the rules of the board.
struct LayoutError {
    std::string message;
};

// 20 piece codes as digits, row by row from the top-left. Blanks and , ; / | . : - _ may
// separate them. The layout must be consistent and hold exactly one big block.
std::variant<Board, LayoutError> ParseLayout(std::string_view text);

// "cell 7 (column 2, row 1)"
std::string CellName(int index);

// "single block, grabbed at (4, 2), down"
std::string DescribeMove(const Move& move);

// "wide block, grabbed at (2, 0): right, down"
std::string DescribeDrag(const Drag& drag);

// `text` with every byte that cannot be shown as itself written as \x and two hex digits.
std::string HexEscaped(std::string_view text);

// Four lines of five codes separated by blanks.
std::string FormatBoard(const Board& board);

}  // namespace quandrel
