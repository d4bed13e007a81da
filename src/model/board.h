// The board of piece codes, the colour table and the start-up layout.
#pragma once

#include <array>
#include <cassert>
#include <cstdint>
#include <optional>

namespace quandrel {

using Code = std::int16_t;

inline constexpr int kColumns = 5;
inline constexpr int kRows = 4;
inline constexpr int kCells = kColumns * kRows;

// Piece codes: 0 empty; anchors (top-left cells) are 1, 2, 4 and 6.
enum : Code {
    kEmpty = 0,
    kSingle = 1,
    kWideLeft = 2,
    kWideRight = 3,
    kTallTop = 4,
    kTallBottom = 5,
    kBigTopLeft = 6,
    kBigTopRight = 7,
    kBigBottomLeft = 8,
    kBigBottomRight = 9,
};

// board(x, y): column x 0..4 from the left, row y 0..3 from the top; cell index x + 5 * y.
struct Board {
    std::array<Code, kCells> cells{};

    Code& operator()(int x, int y) { return cells[Index(x, y)]; }
    Code operator()(int x, int y) const { return cells[Index(x, y)]; }

    static std::size_t Index(int x, int y) {
        assert(x >= 0 && x < kColumns && y >= 0 && y < kRows);
        return static_cast<std::size_t>(x + kColumns * y);
    }
    bool operator==(const Board&) const = default;
};

// Colours 0x00BBGGRR held as whole doubles, indexed by piece code.
using ColorTable = std::array<double, 17>;
inline constexpr Code kMarkerColor = 14;

void LoadColors(ColorTable& color);
Board InitialLayout();

// Big block alone in columns 3 and 4, rows 1 and 2.
Board GoalLayout();

// A step of one cell: DirX = +1 is one column to the right, DirY = +1 one row down.
struct Step {
    std::int16_t DirX;
    std::int16_t DirY;
};
// The four steps: right, left, down, up.
inline constexpr Step kSteps[] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};

// True when the cell one step from (X, Y) lies on the board; with a zero step, (X, Y) itself.
inline bool IsOnBoard(std::int16_t X, std::int16_t Y, std::int16_t DirX, std::int16_t DirY) {
    const int x = X + DirX;
    const int y = Y + DirY;
    return (x >= 0) & (x < kColumns) & (y >= 0) & (y < kRows);
}

// A cell of a block: which block, where the cell lies in it, and the block's size in cells.
struct BlockPart {
    Code anchor;  // code of the block's top-left cell: 1, 2, 4 or 6
    int column;
    int row;
    int width;
    int height;

    bool IsAnchor() const { return column == 0 && row == 0; }
    // Code of the block's cell (dx, dy) from its top-left cell.
    Code CodeAt(int dx, int dy) const { return static_cast<Code>(anchor + dx + width * dy); }
};

// The part that piece code 1..9 names; nullopt for an empty cell or an unknown code.
inline std::optional<BlockPart> PartOf(Code code) {
    // clang-format off
    static constexpr std::array<BlockPart, 9> kParts{{
        //  anchor       column row width height
        {kSingle,     0, 0, 1, 1},
        {kWideLeft,   0, 0, 2, 1}, {kWideLeft,   1, 0, 2, 1},
        {kTallTop,    0, 0, 1, 2}, {kTallTop,    0, 1, 1, 2},
        {kBigTopLeft, 0, 0, 2, 2}, {kBigTopLeft, 1, 0, 2, 2},
        {kBigTopLeft, 0, 1, 2, 2}, {kBigTopLeft, 1, 1, 2, 2},
    }};
    // clang-format on
    if (code < kSingle || code > kBigBottomRight) return std::nullopt;
    return kParts[static_cast<std::size_t>(code - kSingle)];
}

// The first cell index that breaks the board's rules: an unknown code, a block cut in two, or a
// block cell without its anchor. nullopt for a consistent board.
std::optional<int> FirstBrokenCell(const Board& board);

}  // namespace quandrel
