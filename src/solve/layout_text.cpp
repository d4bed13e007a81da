#include "solve/layout_text.h"

#include <cctype>
#include <string_view>

namespace quandrel {
namespace {

constexpr std::string_view kSeparators = " \t\r\n,;/|.:-_";

const char* KindName(Code code) {
    switch (code) {
        case kSingle: return "single";
        case kWideLeft:
        case kWideRight: return "wide";
        case kTallTop:
        case kTallBottom: return "tall";
        default: return "big";
    }
}

const char* DirectionName(const Move& move) {
    if (move.DirX > 0) return "right";
    if (move.DirX < 0) return "left";
    return move.DirY > 0 ? "down" : "up";
}

}  // namespace

std::string CellName(int index) {
    return "cell " + std::to_string(index) + " (column " + std::to_string(index % kColumns) +
           ", row " + std::to_string(index / kColumns) + ")";
}

std::variant<Board, LayoutError> ParseLayout(std::string_view text) {
    Board board;
    int count = 0;
    for (const char c : text) {
        if (kSeparators.find(c) != std::string_view::npos) continue;
        if (!std::isdigit(static_cast<unsigned char>(c))) {
            const std::string shown = std::isprint(static_cast<unsigned char>(c))
                                          ? std::string(1, c)
                                          : "\\x" + std::to_string(static_cast<unsigned char>(c));
            return LayoutError{"unknown piece code '" + shown + "' at " + CellName(count) +
                               "; codes are the digits 0 to 9"};
        }
        if (count < kCells)
            board.cells[static_cast<std::size_t>(count)] = static_cast<Code>(c - '0');
        ++count;
    }
    if (count != kCells) {
        return LayoutError{"a layout has 20 piece codes, this one has " + std::to_string(count)};
    }
    if (const auto broken = FirstBrokenCell(board)) {
        return LayoutError{"a block is cut in two at " + CellName(*broken)};
    }
    int bigBlocks = 0;
    for (int i = 0; i < kCells; ++i) {
        if (board.cells[static_cast<std::size_t>(i)] != kBigTopLeft) continue;
        if (++bigBlocks == 2) return LayoutError{"a second big block at " + CellName(i)};
    }
    if (bigBlocks == 0) return LayoutError{"no big block (codes 6 7 over 8 9)"};
    return board;
}

std::string DescribeMove(const Move& move) {
    return std::string(KindName(move.code)) + " block, grabbed at (" + std::to_string(move.X) +
           ", " + std::to_string(move.Y) + "), " + DirectionName(move);
}

std::string FormatBoard(const Board& board) {
    std::string text;
    for (int y = 0; y < kRows; ++y) {
        for (int x = 0; x < kColumns; ++x) {
            text += static_cast<char>('0' + board(x, y));
            text += x + 1 < kColumns ? ' ' : '\n';
        }
    }
    return text;
}

}  // namespace quandrel
