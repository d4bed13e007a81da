#include "game/cells.h"

#include "game/form_layout.h"

namespace quandrel {

PixelRect CellRect(int index, double scale) {
    static const Shapes kLayout = CreateShapes();
    return ToPixels(kLayout.Shape2.at(static_cast<std::size_t>(index)).rect, scale);
}

PixelRect BoardRect(double scale) { return ToPixels(kBoardExtent, scale); }

std::optional<int> CellAt(int x, int y, double scale) {
    for (int i = 0; i < kCells; ++i) {
        const PixelRect r = CellRect(i, scale);
        if (x >= r.left && x < r.right && y >= r.top && y < r.bottom) return i;
    }
    return std::nullopt;
}

}  // namespace quandrel
