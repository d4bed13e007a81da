#include <gtest/gtest.h>

#include "support/layout.h"
#include "support/recording_window.h"
#include "view/shapes.h"

namespace quandrel {
namespace {

using testing::LoadedGame;
using testing::Parse;

using Array = std::vector<Shape> Shapes::*;

struct Shown {
    const char* array;
    Array member;
    std::vector<int> visible;
};

std::vector<int> VisibleIndices(const Shapes& shapes, Array member) {
    std::vector<int> visible;
    const auto& array = shapes.*member;
    for (std::size_t i = 0; i < array.size(); ++i) {
        if (member == &Shapes::Shape4 && i == 19) continue;  // never addressed, checked apart
        if (array[i].visible) visible.push_back(static_cast<int>(i));
    }
    return visible;
}

TEST(Shapes, ArraysHaveTheirElementsAndGeometry) {
    const Shapes shapes = CreateShapes();
    EXPECT_EQ(shapes.Shape2.size(), 20u);
    EXPECT_EQ(shapes.Shape3.size(), 15u);
    EXPECT_EQ(shapes.Shape4.size(), 20u);
    EXPECT_EQ(shapes.Shape5.size(), 20u);
    EXPECT_EQ(shapes.Shape6.size(), 14u);
    EXPECT_EQ(shapes.Shape2[13].rect, (TwipRect{3150, 2100, 1065, 1065}));
    EXPECT_EQ(shapes.Shape2[13].fillColor, 0xE0E0E0u);
    EXPECT_EQ(shapes.Shape5[19].rect, (TwipRect{4305, 3255, 855, 855}));
    EXPECT_EQ(shapes.Shape3[14].rect, (TwipRect{4305, 2205, 855, 1905}));
    EXPECT_EQ(shapes.Shape4[18].rect, (TwipRect{3255, 3255, 1905, 855}));
    EXPECT_EQ(shapes.Shape6[13].rect, (TwipRect{3255, 2205, 1905, 1905}));
    EXPECT_EQ(shapes.Shape4[14].rect, (TwipRect{3990, 5250, 540, 330}));
    EXPECT_EQ(shapes.Shape6[9].rect, (TwipRect{4935, 4620, 540, 540}));
    for (const auto* array :
         {&shapes.Shape2, &shapes.Shape3, &shapes.Shape4, &shapes.Shape5, &shapes.Shape6}) {
        for (const Shape& shape : *array) EXPECT_TRUE(shape.visible);
    }
}

TEST(DrawBoard, ShowsEachBlockAtItsAnchorOnly) {
    struct Case {
        const char* layout;
        std::vector<Shown> shown;
    };
    const Case cases[] = {
        {"23231 67410 89510 23231",
         {{"Shape3", &Shapes::Shape3, {7}},
          {"Shape4", &Shapes::Shape4, {0, 2, 15, 17}},
          {"Shape5", &Shapes::Shape5, {4, 8, 13, 19}},
          {"Shape6", &Shapes::Shape6, {5}}}},
        // Tall at cell 14, big at 13, wide at 18, single at 19.
        {"00000 00000 00674 11895",
         {{"Shape3", &Shapes::Shape3, {14}},
          {"Shape4", &Shapes::Shape4, {}},
          {"Shape5", &Shapes::Shape5, {15, 16}},
          {"Shape6", &Shapes::Shape6, {12}}}},
        {"00000 00067 00089 00231",
         {{"Shape3", &Shapes::Shape3, {}},
          {"Shape4", &Shapes::Shape4, {17}},
          {"Shape5", &Shapes::Shape5, {19}},
          {"Shape6", &Shapes::Shape6, {8}}}},
        {"00000 00000 00067 00089",
         {{"Shape3", &Shapes::Shape3, {}},
          {"Shape4", &Shapes::Shape4, {}},
          {"Shape5", &Shapes::Shape5, {}},
          {"Shape6", &Shapes::Shape6, {13}}}},
        {"00000 00000 00004 00235",
         {{"Shape3", &Shapes::Shape3, {14}},
          {"Shape4", &Shapes::Shape4, {17}},
          {"Shape5", &Shapes::Shape5, {}},
          {"Shape6", &Shapes::Shape6, {}}}},
        {"00000 00000 00000 00023",
         {{"Shape3", &Shapes::Shape3, {}},
          {"Shape4", &Shapes::Shape4, {18}},
          {"Shape5", &Shapes::Shape5, {}},
          {"Shape6", &Shapes::Shape6, {}}}},
    };
    for (const Case& c : cases) {
        LoadedGame loaded;
        loaded.form.SetLayout(Parse(c.layout));
        loaded.form.SetText1("unchanged");
        loaded.form.DrawBoard();
        for (const Shown& s : c.shown) {
            EXPECT_EQ(VisibleIndices(loaded.form.shapes, s.member), s.visible)
                << c.layout << " " << s.array;
        }
        // Squares take the colour of their cell's code; parked elements stay hidden.
        for (int i = 0; i < kCells; ++i) {
            EXPECT_EQ(loaded.form.shapes.Shape2[static_cast<std::size_t>(i)].fillColor,
                      ShapeColor(loaded.form.color[static_cast<std::size_t>(
                          loaded.form.board.cells[static_cast<std::size_t>(i)])]));
        }
        // Shape4 19 is never addressed, so it keeps the visibility it was created with.
        EXPECT_TRUE(loaded.form.shapes.Shape4[19].visible);
        EXPECT_EQ(loaded.form.Text1, "unchanged");
    }
}

TEST(DrawBoard, StartUpSquareColours) {
    LoadedGame loaded;
    const std::uint32_t g = 0x00C000, b = 0xFF0000, r = 0x0000C0, l = 0xC0C0C0, k = 0;
    const std::uint32_t expected[kCells] = {g, g, g, g, b, r, r, l, b, k,
                                            r, r, l, b, k, g, g, g, g, b};
    for (int i = 0; i < kCells; ++i) {
        EXPECT_EQ(loaded.form.shapes.Shape2[static_cast<std::size_t>(i)].fillColor, expected[i])
            << "square " << i;
    }
}

TEST(DumpBoard, RepaintsSquaresMarksSquareOneAndEndsWithTheLastCell) {
    LoadedGame loaded;
    GameForTest game(loaded.game);
    game.SetSquareColor(7, 0x123456);  // repainted from the board
    game.DumpBoard();
    // Twenty writes, each replacing the last: only the message for cell (4, 3) is left.
    EXPECT_EQ(game.Text1, "i=19 board(4,3)=1\r\n color=16711680");
    EXPECT_EQ(game.shapes.Shape2[1].fillColor, 65535u);
    EXPECT_EQ(game.shapes.Shape2[7].fillColor, 12632256u);
    EXPECT_EQ(game.shapes.Shape2[9].fillColor, 0u);
    EXPECT_EQ(game.board, InitialLayout());

    const Shapes first = game.shapes;
    game.DumpBoard();
    EXPECT_EQ(game.shapes, first);
    EXPECT_EQ(game.Text1, "i=19 board(4,3)=1\r\n color=16711680");

    game.SetLayout(Parse("00000 00067 00089 00000"));
    game.DumpBoard();
    EXPECT_EQ(game.Text1, "i=19 board(4,3)=0\r\n color=0");

    game.MoveBig(3, 1, 0, -1);
    EXPECT_EQ(game.Text1, "you moved a big\r\nX = 3\r\nY = 1\r\nDirX= 0DirY=-1");
    EXPECT_EQ(game.shapes.Shape2[1].fillColor, 0u) << "the next redraw clears the marker";
}

}  // namespace
}  // namespace quandrel
