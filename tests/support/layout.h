// Boards written as 20 digits, row by row from the top-left; any other character is skipped.
#pragma once

#include <string_view>

#include "model/board.h"

namespace quandrel::testing {

inline Board Parse(std::string_view digits) {
    Board board;
    std::size_t i = 0;
    for (const char c : digits) {
        if (c >= '0' && c <= '9' && i < board.cells.size())
            board.cells[i++] = static_cast<Code>(c - '0');
    }
    return board;
}

inline constexpr std::string_view kStart = "23231 67410 89510 23231";

}  // namespace quandrel::testing
