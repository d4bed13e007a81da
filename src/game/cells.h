// Where the board and each of its cells stand on the client area, in device pixels at `scale`
// device pixels per device-independent pixel: for hit tests and for assistive technology.
#pragma once

#include <optional>

#include "view/paint.h"

namespace quandrel {

// The square of cell `index` (x + 5 * y, 0..19); neighbouring squares share their edge pixel.
PixelRect CellRect(int index, double scale);
// The coloured board, all 20 squares.
PixelRect BoardRect(double scale);
// The cell whose square holds the point, the first in index order where two meet; nullopt off
// the board.
std::optional<int> CellAt(int x, int y, double scale);

}  // namespace quandrel
