#include "view/paint.h"

#include <cmath>

namespace quandrel {

int TwipsToPixels(int twips, double scale) {
    return static_cast<int>(std::lround(twips * scale / kTwipsPerPixel));
}

PixelRect ToPixels(const TwipRect& rect, double scale) {
    return {TwipsToPixels(rect.left, scale), TwipsToPixels(rect.top, scale),
            TwipsToPixels(rect.left + rect.width, scale),
            TwipsToPixels(rect.top + rect.height, scale)};
}

PixelRect Covering(const PixelRect& rect, double factor) {
    return {static_cast<int>(std::floor(rect.left * factor)),
            static_cast<int>(std::floor(rect.top * factor)),
            static_cast<int>(std::ceil(rect.right * factor)),
            static_cast<int>(std::ceil(rect.bottom * factor))};
}

void PaintShapes(const Shapes& shapes, double scale, PixelRect clip, Painter& painter) {
    for (const Shape& square : shapes.Shape2) {
        const PixelRect rect = ToPixels(square.rect, scale);
        if (square.visible && rect.Meets(clip)) painter.fillRect(rect, square.fillColor);
    }
    for (const auto array : kOutlineArrays) {
        for (const Shape& outline : shapes.*array) {
            const PixelRect rect = ToPixels(outline.rect, scale);
            if (outline.visible && rect.Meets(clip)) painter.outlineRect(rect);
        }
    }
}

}  // namespace quandrel
