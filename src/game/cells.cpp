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
        if (CellRect(i, scale).Contains(x, y)) return i;
    }
    return std::nullopt;
}

}  // namespace quandrel
