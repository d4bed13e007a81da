// Mapping mouse positions to board cells, and the step toward the pointer.
//
// Positions are in the window's mouse scale (x units = twips / 6.771435, y units = twips / 7.95)
// from the client area's top-left corner. The drag grid takes the board as 740 x 504 units, so it
// lags the drawn 1050-twip grid, and division truncates toward zero, so positions slightly left of
// or above the client area still count as column or row 0.
#pragma once

#include <cstdint>

#include "model/units.h"

namespace quandrel {

// The board as the drag grid takes it, in mouse units.
inline constexpr int kDragGridWidth = 740;
inline constexpr int kDragGridHeight = 504;

// A position as the anchor stores it: nearest integer, halves to even. Positions beyond 16 bits
// saturate (NaN goes to the lowest value), which keeps them off the board.
std::int16_t Round16(float position);

// Cell of the stored anchor: (dragX * 5) div 740 and (dragY * 4) div 504. The products are formed
// wide enough never to wrap: every anchor that fits the board maps as in 16-bit arithmetic and
// every other one maps off the board.
std::int16_t AnchorColumn(std::int16_t dragX);
std::int16_t AnchorRow(std::int16_t dragY);

// Cell of the pointer: the product is formed in floating point and rounded (halves to even)
// before the division. Results beyond 16 bits saturate; NaN maps off the board.
std::int16_t PointerColumn(float mouseisX);
std::int16_t PointerRow(float mouseisY);

// One cell from (fromColumn, fromRow) toward (toColumn, toRow), along the axis of the larger
// difference; a tie or no difference gives a vertical step, upward when dy <= 0.
void FindDirection(std::int16_t fromColumn, std::int16_t fromRow, std::int16_t toColumn,
                   std::int16_t toRow, std::int16_t& DirX, std::int16_t& DirY);

}  // namespace quandrel
