// The one paint routine, against a painter that records what it is asked to draw.
#include "view/paint.h"

#include <gtest/gtest.h>

#include <set>

#include "game/form_layout.h"
#include "support/layout.h"

namespace quandrel {
namespace {

struct Drawn {
    bool filled;
    PixelRect rect;
    std::uint32_t bgr;
    bool operator==(const Drawn&) const = default;
};

class RecordingPainter : public Painter {
  public:
    std::vector<Drawn> drawn;
    void fillRect(PixelRect rect, std::uint32_t bgr) override {
        drawn.push_back({true, rect, bgr});
    }
    void outlineRect(PixelRect rect) override { drawn.push_back({false, rect, 0}); }
};

Shapes StartUpShapes() {
    Shapes shapes = CreateShapes();
    ColorTable color{};
    LoadColors(color);
    DrawBoard(InitialLayout(), color, shapes);
    return shapes;
}

constexpr PixelRect kEverything{-100000, -100000, 100000, 100000};

TEST(PaintShapes, SquaresFirstThenTheVisibleOutlinesInStackingOrder) {
    const Shapes shapes = StartUpShapes();
    RecordingPainter painter;
    PaintShapes(shapes, 1, kEverything, painter);
    ASSERT_EQ(painter.drawn.size(), 20u + 11u);
    for (int i = 0; i < kCells; ++i) {
        const Drawn& square = painter.drawn[static_cast<std::size_t>(i)];
        EXPECT_TRUE(square.filled);
        EXPECT_EQ(square.bgr, shapes.Shape2[static_cast<std::size_t>(i)].fillColor);
        EXPECT_EQ(square.rect,
                  (PixelRect{70 * (i % 5), 70 * (i / 5), 70 * (i % 5) + 71, 70 * (i / 5) + 71}));
    }
    // Shape3 7, Shape4 0, 2, 15, 17 and 19 (never hidden, below the board), Shape5 4, 8, 13,
    // 19, Shape6 5.
    const std::vector<PixelRect> outlines = {
        {147, 77, 204, 204},  {7, 7, 134, 64},      {147, 7, 274, 64}, {7, 217, 134, 274},
        {147, 217, 274, 274}, {266, 378, 302, 400}, {287, 7, 344, 64}, {217, 77, 274, 134},
        {217, 147, 274, 204}, {287, 217, 344, 274}, {7, 77, 134, 204},
    };
    for (std::size_t k = 0; k < outlines.size(); ++k) {
        EXPECT_EQ(painter.drawn[20 + k], (Drawn{false, outlines[k], 0})) << k;
    }
}

TEST(PaintShapes, OnlyWhatMeetsTheClip) {
    const Shapes shapes = StartUpShapes();
    RecordingPainter painter;
    // Inside cell (2, 1) alone, inside the tall block's outline.
    PaintShapes(shapes, 1, {150, 80, 200, 130}, painter);
    const std::vector<Drawn> expected = {{true, {140, 70, 211, 141}, 0xC0C0C0},
                                         {false, {147, 77, 204, 204}, 0}};
    EXPECT_EQ(painter.drawn, expected);
    // The one-pixel overlap of two squares belongs to both.
    painter.drawn.clear();
    PaintShapes(shapes, 1, {70, 0, 71, 1}, painter);
    ASSERT_EQ(painter.drawn.size(), 2u);
    painter.drawn.clear();
    PaintShapes(shapes, 1, {0, 300, 260, 400}, painter);
    EXPECT_TRUE(painter.drawn.empty()) << "below the board";
}

TEST(PaintShapes, NeighboursOverlapAndOutlinesStayApartAtEveryScale) {
    const Shapes shapes = CreateShapes();
    for (const double scale : {1.0, 1.25, 1.5, 2.0, 2.625}) {
        for (int i = 0; i < kCells; ++i) {
            const auto at = [&](int cell) {
                return ToPixels(shapes.Shape2[static_cast<std::size_t>(cell)].rect, scale);
            };
            const PixelRect square = at(i);
            const PixelRect outline =
                ToPixels(shapes.Shape5[static_cast<std::size_t>(i)].rect, scale);
            // A square overlaps its right and lower neighbours by at least one pixel: no gaps.
            if (i % 5 < 4) {
                EXPECT_GT(square.right, at(i + 1).left) << scale << " " << i;
            }
            if (i < 15) {
                EXPECT_GT(square.bottom, at(i + 5).top) << scale << " " << i;
            }
            // An outline lies inside its cell with room for a one-pixel line on every side.
            EXPECT_GT(outline.left, square.left) << scale;
            EXPECT_LT(outline.right, square.right) << scale;
            EXPECT_GE(outline.right - outline.left, 3) << scale;
        }
        const PixelRect board = ToPixels(kBoardExtent, scale);
        EXPECT_EQ(board.right, ToPixels(shapes.Shape2[19].rect, scale).right) << scale;
        EXPECT_EQ(board.bottom, ToPixels(shapes.Shape2[19].rect, scale).bottom) << scale;
    }
    EXPECT_EQ(ToPixels({1050, 1050, 1065, 1065}, 1.25), (PixelRect{88, 88, 176, 176}));
    EXPECT_EQ(ToPixels({1050, 1050, 1065, 1065}, 1.5), (PixelRect{105, 105, 212, 212}));
    EXPECT_EQ(ToPixels({1050, 1050, 1065, 1065}, 2), (PixelRect{140, 140, 282, 282}));
}

TEST(Covering, TheWholePixelsAroundAScaledRectangle) {
    const struct {
        PixelRect rect;
        double factor;
        PixelRect covering;
    } cases[] = {
        {{0, 0, 70, 70}, 1.0, {0, 0, 70, 70}},
        {{35, 35, 105, 106}, 1 / 1.5, {23, 23, 70, 71}},  // device pixels to logical at 150 %
        {{23, 23, 70, 71}, 1.5, {34, 34, 105, 107}},      // and back: never less than before
        {{-3, -3, 3, 3}, 0.5, {-2, -2, 2, 2}},
    };
    for (const auto& c : cases) EXPECT_EQ(Covering(c.rect, c.factor), c.covering);
}

TEST(PixelRect, JoinedIsTheSmallestRectangleAroundBoth) {
    EXPECT_EQ((PixelRect{0, 10, 70, 80}.Joined({140, 0, 210, 70})), (PixelRect{0, 0, 210, 80}));
    EXPECT_EQ((PixelRect{5, 5, 9, 9}.Joined({0, 0, 20, 20})), (PixelRect{0, 0, 20, 20}));
}

TEST(GrownToShowBoard, GrowsOnlyWhatTheClientAreaLacks) {
    struct Case {
        PixelSize outer;
        PixelSize frame;
        double scale;
        PixelSize grown;
    };
    const Case cases[] = {
        {{362, 330}, {8, 46}, 1, {362, 330}},   // openbox: room to spare
        {{362, 330}, {10, 68}, 1, {362, 349}},  // a thick title bar
        {{362, 330}, {22, 58}, 1, {373, 339}},  // Windows 10 metrics
        {{724, 660}, {16, 92}, 2, {724, 660}}, {{100, 100}, {0, 0}, 1.5, {527, 422}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(GrownToShowBoard(c.outer, c.frame, c.scale), c.grown)
            << c.frame.width << "x" << c.frame.height;
    }
}

TEST(PaintRing, AWhiteAndABlackBandInsideTheSquareAtEveryScale) {
    const TwipRect square{1050, 2100, 1065, 1065};
    for (const double scale : {1.0, 1.5, 2.0, 3.0}) {
        RecordingPainter painter;
        PaintRing(square, scale, kEverything, painter);
        const PixelRect cell = ToPixels(square, scale);
        std::set<std::uint32_t> colours;
        long area = 0;
        for (const Drawn& d : painter.drawn) {
            EXPECT_TRUE(d.filled);
            EXPECT_GT(d.rect.left, cell.left) << scale;
            EXPECT_GT(d.rect.top, cell.top) << scale;
            EXPECT_LT(d.rect.right, cell.right) << scale;
            EXPECT_LT(d.rect.bottom, cell.bottom) << scale;
            ASSERT_LT(d.rect.left, d.rect.right);
            ASSERT_LT(d.rect.top, d.rect.bottom);
            colours.insert(d.bgr);
            area += long{d.rect.right - d.rect.left} * (d.rect.bottom - d.rect.top);
        }
        EXPECT_EQ(colours, (std::set<std::uint32_t>{0x000000, 0xFFFFFF})) << scale;
        EXPECT_LT(area, long{cell.right - cell.left} * (cell.bottom - cell.top) / 2)
            << "a ring, not a filled square";
        RecordingPainter clipped;
        PaintRing(square, scale, {0, 0, cell.left, cell.top}, clipped);
        EXPECT_TRUE(clipped.drawn.empty()) << "nothing outside the clip";
    }
}

}  // namespace
}  // namespace quandrel
