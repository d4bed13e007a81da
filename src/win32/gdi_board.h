// Paints the shape arrays with GDI: cell squares beneath, block outlines over them.
#pragma once

#include <windows.h>

#include "view/shapes.h"

namespace quandrel {

// Twips to pixels at `dpi` (15 twips a pixel at 96 dpi), rounded to the nearest.
int TwipsToPixels(int twips, UINT dpi);
// The pixel rectangle of a shape; neighbours that meet in twips meet in pixels.
RECT ToPixels(const TwipRect& rect, UINT dpi);

// Paints the elements that meet `dirty` into `dc`.
void PaintShapes(HDC dc, const RECT& dirty, const Shapes& shapes, UINT dpi);

}  // namespace quandrel
