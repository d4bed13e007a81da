#include "input/drag_grid.h"

#include <cmath>
#include <cstdlib>
#include <limits>

#include "model/board.h"

namespace quandrel {
namespace {

std::int16_t Saturate16(double value) {
    if (std::isnan(value)) return std::numeric_limits<std::int16_t>::min();
    if (value <= std::numeric_limits<std::int16_t>::min()) {
        return std::numeric_limits<std::int16_t>::min();
    }
    if (value >= std::numeric_limits<std::int16_t>::max()) {
        return std::numeric_limits<std::int16_t>::max();
    }
    return static_cast<std::int16_t>(value);
}

std::int16_t PointerCell(float position, int cells, int span) {
    const float product = position * static_cast<float>(cells);
    return Saturate16(std::trunc(std::nearbyint(static_cast<double>(product)) / span));
}

}  // namespace

std::int16_t Round16(float position) { return Saturate16(std::nearbyint(position)); }

std::int16_t AnchorColumn(std::int16_t dragX) {
    return static_cast<std::int16_t>(dragX * kColumns / kDragGridWidth);
}

std::int16_t AnchorRow(std::int16_t dragY) {
    return static_cast<std::int16_t>(dragY * kRows / kDragGridHeight);
}

std::int16_t PointerColumn(float mouseisX) {
    return PointerCell(mouseisX, kColumns, kDragGridWidth);
}

std::int16_t PointerRow(float mouseisY) { return PointerCell(mouseisY, kRows, kDragGridHeight); }

void FindDirection(std::int16_t fromColumn, std::int16_t fromRow, std::int16_t toColumn,
                   std::int16_t toRow, std::int16_t& DirX, std::int16_t& DirY) {
    const int dx = toColumn - fromColumn;
    const int dy = toRow - fromRow;
    if (std::abs(dx) > std::abs(dy)) {
        DirX = dx > 0 ? 1 : -1;
        DirY = 0;
    } else {
        DirY = dy > 0 ? 1 : -1;
        DirX = 0;
    }
}

}  // namespace quandrel
