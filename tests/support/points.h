// Where tests point at the board, from the game's own definitions.
#pragma once

#include "game/cells.h"
#include "input/drag_grid.h"
#include "model/board.h"
#include "model/units.h"

namespace quandrel::testing {

// The centre of drag-grid cell (column, row), in mouse units.
constexpr double DragUnitsX(int column) { return (column + 0.5) * kDragGridWidth / kColumns; }
constexpr double DragUnitsY(int row) { return (row + 0.5) * kDragGridHeight / kRows; }

struct Point {
    double x;
    double y;
};

// Device-independent pixels from the client area's corner that the drag grid maps to (column,
// row), both as anchor and as pointer.
constexpr Point DragPoint(int column, int row) {
    return {DragUnitsX(column) * kTwipsPerUnitX / kTwipsPerPixel,
            DragUnitsY(row) * kTwipsPerUnitY / kTwipsPerPixel};
}

// The centre of cell (column, row)'s drawn square, in device pixels at `scale`.
inline Point CellCentre(int column, int row, double scale = 1) {
    const PixelRect r = CellRect(column + kColumns * row, scale);
    return {static_cast<double>((r.left + r.right) / 2),
            static_cast<double>((r.top + r.bottom) / 2)};
}

}  // namespace quandrel::testing
