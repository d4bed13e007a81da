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
        if (code == kEmpty) continue;
        const auto part = PartOf(code);
        if (!part) return i;
        if (!part->IsAnchor()) {
            if (!claimed[static_cast<std::size_t>(i)]) return i;
            continue;
        }
        if (x + part->width > kColumns || y + part->height > kRows) return i;
        for (int dy = 0; dy < part->height; ++dy) {
            for (int dx = 0; dx < part->width; ++dx) {
                const int cell = i + dx + kColumns * dy;
                if (board(x + dx, y + dy) != part->CodeAt(dx, dy)) flag(cell);
                claimed[static_cast<std::size_t>(cell)] = true;
            }
        }
    }
    return broken;
}

}  // namespace quandrel
