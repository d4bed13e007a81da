#include "view/shapes.h"

#include <array>
#include <cmath>

namespace quandrel {
namespace {

constexpr int kSquareSize = 1065;
constexpr int kOutlineInset = 105;
constexpr int kOutlineShort = 855;  // one cell
constexpr int kOutlineLong = 1905;  // two cells

constexpr std::array<std::uint32_t, kCells> kInitialSquareColors{
    0x808000, 0xC0C000, 0xFFFF00, 0xFFFF80, 0xFFFFC0,  //
    0xC0C0FF, 0x8080FF, 0x0000FF, 0x0000C0, 0x000080,  //
    0x000000, 0x404040, 0x808080, 0xE0E0E0, 0xFFFFFF,  //
    0xC0FFC0, 0x80FF80, 0x00FF00, 0x00C000, 0x008000,  //
};

std::vector<Shape> Outlines(int count, int width, int height) {
    std::vector<Shape> shapes;
    for (int i = 0; i < count; ++i) {
        const int x = i % kColumns;
        const int y = i / kColumns;
        shapes.push_back(
            {{kOutlineInset + kCellPitch * x, kOutlineInset + kCellPitch * y, width, height}});
    }
    return shapes;
}

void Show(std::vector<Shape>& array, int index, bool visible) {
    array[static_cast<std::size_t>(index)].visible = visible;
}

}  // namespace

Shapes CreateShapes() {
    Shapes shapes;
    for (int i = 0; i < kCells; ++i) {
        const int x = i % kColumns;
        const int y = i / kColumns;
        shapes.Shape2.push_back({{kCellPitch * x, kCellPitch * y, kSquareSize, kSquareSize},
                                 true,
                                 kInitialSquareColors[static_cast<std::size_t>(i)]});
    }
    shapes.Shape3 = Outlines(15, kOutlineShort, kOutlineLong);
    shapes.Shape4 = Outlines(kCells, kOutlineLong, kOutlineShort);
    shapes.Shape5 = Outlines(kCells, kOutlineShort, kOutlineShort);
    shapes.Shape6 = Outlines(14, kOutlineLong, kOutlineLong);

    // Elements in column 4, where no wide or big block is anchored, stand below the board.
    shapes.Shape4[4].rect = {3990, 4410, 540, 330};
    shapes.Shape4[9].rect = {3990, 4830, 540, 330};
    shapes.Shape4[14].rect = {3990, 5250, 540, 330};
    shapes.Shape4[19].rect = {3990, 5670, 540, 330};
    shapes.Shape6[4].rect = {4830, 4410, 540, 540};
    shapes.Shape6[9].rect = {4935, 4620, 540, 540};
    return shapes;
}

std::uint32_t ShapeColor(double color) {
    return static_cast<std::uint32_t>(static_cast<std::int32_t>(std::nearbyint(color)));
}

void DrawBoard(const Board& board, const ColorTable& color, Shapes& shapes) {
    for (int i = 0; i < kCells; ++i) {
        const Code c = board(i % kColumns, i / kColumns);
        shapes.Shape2[static_cast<std::size_t>(i)].fillColor =
            ShapeColor(color[static_cast<std::size_t>(c)]);
        // Arrays addressed at i, in order: Shape3 up to 14, Shape4 up to 18, Shape5, Shape6 to 13.
        if (i <= 14) Show(shapes.Shape3, i, c == kTallTop);
        if (i <= 18) Show(shapes.Shape4, i, c == kWideLeft);
        Show(shapes.Shape5, i, c == kSingle);
        if (i <= 13) Show(shapes.Shape6, i, c == kBigTopLeft);
    }
}

}  // namespace quandrel
