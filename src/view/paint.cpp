#include "view/paint.h"

#include <cmath>
#include <utility>

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

void PaintRing(const TwipRect& square, double scale, PixelRect clip, Painter& painter) {
    constexpr int kInset = 60;  // twips: 4 pixels clear of the block outlines
    constexpr int kBand = 45;   // twips: 3 pixels
    constexpr std::uint32_t kWhite = 0xFFFFFF, kBlack = 0;
    for (const auto& [inset, bgr] :
         {std::pair{kInset, kWhite}, std::pair{kInset + kBand, kBlack}}) {
        const PixelRect outer = ToPixels({square.left + inset, square.top + inset,
                                          square.width - 2 * inset, square.height - 2 * inset},
                                         scale);
        const int band = std::max(1, TwipsToPixels(kBand, scale));
        const PixelRect sides[] = {
            {outer.left, outer.top, outer.right, outer.top + band},
            {outer.left, outer.bottom - band, outer.right, outer.bottom},
            {outer.left, outer.top + band, outer.left + band, outer.bottom - band},
            {outer.right - band, outer.top + band, outer.right, outer.bottom - band},
        };
        for (const PixelRect& side : sides) {
            if (side.Meets(clip)) painter.fillRect(side, bgr);
        }
    }
}

}  // namespace quandrel
