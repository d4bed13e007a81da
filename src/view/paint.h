// Painting the shape arrays through a front end's drawing primitives, in device pixels.
#pragma once

#include <algorithm>
#include <cstdint>

#include "view/shapes.h"

namespace quandrel {

// Edges in device pixels: left and top inside, right and bottom just outside.
struct PixelRect {
    int left;
    int top;
    int right;
    int bottom;
    bool operator==(const PixelRect&) const = default;
    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    bool Meets(const PixelRect& other) const {
        return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
    }
    // The smallest rectangle around both.
    PixelRect Joined(const PixelRect& other) const {
        return {std::min(left, other.left), std::min(top, other.top), std::max(right, other.right),
                std::max(bottom, other.bottom)};
    }
};

// What a front end draws with.
class Painter {
  public:
    virtual ~Painter() = default;
    virtual void fillRect(PixelRect rect, std::uint32_t bgr) = 0;  // 0x00BBGGRR
    // A line one device pixel wide just inside `rect`, in the window-text colour.
    virtual void outlineRect(PixelRect rect) = 0;
};

// Twips to device pixels at `scale` device pixels per device-independent pixel (15 twips), to
// the nearest. Each edge is rounded by itself, so that squares that overlap or meet in twips
// overlap or meet in pixels at every scale.
int TwipsToPixels(int twips, double scale);
PixelRect ToPixels(const TwipRect& rect, double scale);
// The whole pixels that cover `rect` scaled by `factor`: device pixels to a toolkit's logical
// pixels and back.
PixelRect Covering(const PixelRect& rect, double factor);

// The cell squares, then the outlines in their stacking order; only the visible elements that
// meet `clip`.
void PaintShapes(const Shapes& shapes, double scale, PixelRect clip, Painter& painter);

// The keyboard cursor's ring inside the cell square `square`: a white band around a black one,
// so that one of them stands out against every colour a square takes.
void PaintRing(const TwipRect& square, double scale, PixelRect clip, Painter& painter);

}  // namespace quandrel
