// The window's five shape arrays as plain data: geometry in twips, visibility and fill colour.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/board.h"
#include "model/units.h"

namespace quandrel {

struct TwipRect {
    int left;
    int top;
    int width;
    int height;
    bool operator==(const TwipRect&) const = default;
};

struct Shape {
    TwipRect rect;
    bool visible = true;
    std::uint32_t fillColor = 0;  // 0x00BBGGRR; painted only by Shape2
    bool operator==(const Shape&) const = default;
};

// Element i of each array stands at cell i; an array has no elements past its size.
struct Shapes {
    std::vector<Shape> Shape2;  // cell squares, filled, beneath all outlines
    std::vector<Shape> Shape3;  // tall block outlines, 0..14
    std::vector<Shape> Shape4;  // wide block outlines, 0..19 (4, 9, 14, 19 parked below the board)
    std::vector<Shape> Shape5;  // single block outlines, 0..19
    std::vector<Shape> Shape6;  // big block outlines, 0..13 (4 and 9 parked below the board)

    bool operator==(const Shapes&) const = default;
};

// The four outline arrays, in the order they are stacked over the cell squares.
inline constexpr std::vector<Shape> Shapes::*kOutlineArrays[] = {&Shapes::Shape3, &Shapes::Shape4,
                                                                 &Shapes::Shape5, &Shapes::Shape6};

// Brings `shown` (what a window last painted) in line with `shapes`, calling `changed` with the
// rectangle of every element that differed, so that only those are painted again.
template <typename Changed>
void UpdateShown(const Shapes& shapes, Shapes& shown, Changed&& changed) {
    const auto update = [&](std::vector<Shape> Shapes::*array) {
        const auto& now = shapes.*array;
        auto& before = shown.*array;
        for (std::size_t i = 0; i < now.size(); ++i) {
            if (now[i] == before[i]) continue;
            changed(now[i].rect);
            before[i] = now[i];
        }
    };
    update(&Shapes::Shape2);
    for (const auto array : kOutlineArrays) update(array);
}

// The layout the window is created with: every element visible, Shape2 in its initial colours.
Shapes CreateShapes();

inline constexpr int kCellPitch = 1050;  // twips

// Every cell square's colour from the board and each block's outline at its anchor.
void DrawBoard(const Board& board, const ColorTable& color, Shapes& shapes);

// Colour converted to the nearest 32-bit integer, as a shape takes it.
std::uint32_t ShapeColor(double color);

}  // namespace quandrel
