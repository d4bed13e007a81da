#include "model/board.h"

namespace quandrel {

void LoadColors(ColorTable& color) {
    color[kEmpty] = 0;          // black
    color[kSingle] = 16711680;  // blue
    color[kWideLeft] = 49152;   // green
    color[kWideRight] = 49152;
    color[kTallTop] = 12632256;  // light grey
    color[kTallBottom] = 12632256;
    color[kBigTopLeft] = 192;  // dark red
    color[kBigTopRight] = 192;
    color[kBigBottomLeft] = 192;
    color[kBigBottomRight] = 192;
    color[kMarkerColor] = 65535;  // yellow
}

Board InitialLayout() {
    return Board{{
        2, 3, 2, 3, 1,  //
        6, 7, 4, 1, 0,  //
        8, 9, 5, 1, 0,  //
        2, 3, 2, 3, 1,  //
    }};
}

Board GoalLayout() {
    Board goal;
    goal(3, 1) = kBigTopLeft;
    goal(4, 1) = kBigTopRight;
    goal(3, 2) = kBigBottomLeft;
    goal(4, 2) = kBigBottomRight;
    return goal;
}

bool IsGoal(const Board& board) {
    for (int y = 0; y < kRows - 1; ++y) {
        if (board(3, y) == kBigTopLeft) return true;
    }
    return false;
}

std::optional<BlockSize> AnchorSize(Code code) {
    switch (code) {
        case kSingle: return BlockSize{1, 1};
        case kWideLeft: return BlockSize{2, 1};
        case kTallTop: return BlockSize{1, 2};
        case kBigTopLeft: return BlockSize{2, 2};
        default: return std::nullopt;
    }
}

std::optional<int> FirstBrokenCell(const Board& board) {
    // Every block cell must be claimed by an anchor that comes before it in index order. A
    // mismatch found ahead of the scan is remembered, so the lowest broken index is reported.
    std::array<bool, kCells> claimed{};
    std::optional<int> broken;
    const auto flag = [&broken](int cell) {
        if (!broken || cell < *broken) broken = cell;
    };
    for (int i = 0; i < kCells && !(broken && *broken <= i); ++i) {
        const int x = i % kColumns;
        const int y = i / kColumns;
        const Code code = board(x, y);
        if (code < kEmpty || code > kBigBottomRight) return i;
        if (code == kEmpty) continue;
        const auto size = AnchorSize(code);
        if (!size) {
            if (!claimed[static_cast<std::size_t>(i)]) return i;
            continue;
        }
        if (x + size->width > kColumns || y + size->height > kRows) return i;
        for (int dy = 0; dy < size->height; ++dy) {
            for (int dx = 0; dx < size->width; ++dx) {
                const int cell = i + dx + kColumns * dy;
                const Code expected = static_cast<Code>(code + dx + size->width * dy);
                if (board(x + dx, y + dy) != expected) flag(cell);
                claimed[static_cast<std::size_t>(cell)] = true;
            }
        }
    }
    return broken;
}

}  // namespace quandrel
