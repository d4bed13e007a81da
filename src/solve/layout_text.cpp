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

std::string GrabbedAt(const Move& move) {
    return std::string(KindName(move.code)) + " block, grabbed at (" + std::to_string(move.X) +
           ", " + std::to_string(move.Y) + ")";
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
            if (count >= kCells) {
                return LayoutError{"too many codes: a layout has 20 piece codes, and '" +
                                   HexEscaped({&c, 1}) + "' comes after the 20th"};
            }
            return LayoutError{"unknown piece code '" + HexEscaped({&c, 1}) + "' at " +
                               CellName(count) + "; codes are the digits 0 to 9"};
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

std::string DescribeMove(const Move& move) { return GrabbedAt(move) + ", " + DirectionName(move); }

std::string DescribeDrag(const Drag& drag) {
    std::string text = GrabbedAt(drag.steps.front()) + ":";
    for (const Move& step : drag.steps) text += std::string(" ") + DirectionName(step) + ",";
    text.pop_back();
    return text;
}

std::string HexEscaped(std::string_view text) {
    constexpr const char* kHex = "0123456789abcdef";
    std::string shown;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (std::isprint(byte)) {
            shown += c;
        } else {
            shown += std::string("\\x") + kHex[byte >> 4] + kHex[byte & 15];
        }
    }
    return shown;
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
