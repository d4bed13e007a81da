#include "model/board.h"

#include <gtest/gtest.h>

#include "support/layout.h"
#include "support/recording_window.h"

namespace quandrel {
namespace {

using testing::LoadedGame;
using testing::Parse;

TEST(InitialLayout, HoldsTheTenBlocksWithTwoEmptyCells) {
    const Board board = InitialLayout();
    EXPECT_EQ(board, Parse(testing::kStart));
    EXPECT_EQ(board.cells[7], kTallTop);  // (2, 1)
    EXPECT_EQ(board.cells[19], kSingle);  // (4, 3)
    for (int i = 0; i < kCells; ++i) {
        const bool empty = i == 9 || i == 14;
        EXPECT_EQ(board.cells[static_cast<std::size_t>(i)] == kEmpty, empty) << "cell " << i;
    }
    EXPECT_EQ(FirstBrokenCell(board), std::nullopt);
}

TEST(ColorTable, StartUpWritesThePieceColoursAndTheMarker) {
    ColorTable color;
    color.fill(-1);
    LoadColors(color);
    const double expected[] = {0, 16711680, 49152, 49152, 12632256, 12632256, 192, 192, 192, 192};
    for (int code = 0; code <= 9; ++code) EXPECT_EQ(color[code], expected[code]) << code;
    EXPECT_EQ(color[14], 65535);
    for (int unused : {10, 11, 12, 13, 15, 16}) EXPECT_EQ(color[unused], -1) << "not written";

    LoadedGame loaded;
    for (int unused : {10, 11, 12, 13, 15, 16}) EXPECT_EQ(loaded.form.color[unused], 0);
    EXPECT_EQ(loaded.form.color[14], 65535);
}

TEST(IsOnBoard, TestsTheCellOneStepAway) {
    struct Case {
        int X, Y, DirX, DirY;
        bool expected;
    };
    const Case cases[] = {
        {0, 0, -1, 0, false}, {4, 3, 0, 0, true},   {4, 3, 1, 0, false}, {2, 3, 0, 1, false},
        {3, 0, 1, 0, true},   {0, 0, 0, -1, false}, {0, 0, 0, 0, true},  {4, 0, 0, 1, true},
        {5, 0, 0, 0, false},  {0, 4, 0, 0, false},  {-1, 0, 1, 0, true}, {0, 3, 0, 1, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsOnBoard(static_cast<std::int16_t>(c.X), static_cast<std::int16_t>(c.Y),
                            static_cast<std::int16_t>(c.DirX), static_cast<std::int16_t>(c.DirY)),
                  c.expected)
            << c.X << "," << c.Y << " step " << c.DirX << "," << c.DirY;
    }
}

TEST(FirstBrokenCell, NamesTheLowestCellThatBreaksTheRules) {
    struct Case {
        const char* layout;
        std::optional<int> broken;
    };
    const Case cases[] = {
        {"23231 67410 89510 23231", std::nullopt},
        {"00000 00067 00089 00000", std::nullopt},
        {"20000 00000 00000 00000", 1},   // wide without its right cell
        {"30000 00000 00000 00000", 0},   // right cell without its left
        {"00002 30000 00000 00000", 4},   // wide cut by the board's edge
        {"00000 00000 00000 00400", 17},  // tall cut by the bottom edge
        {"40000 10000 00000 00000", 5},   // tall top over a single
        {"67000 89000 00000 00000", std::nullopt},
        {"67000 98000 00000 00000", 5},
        {"06700 08000 00000 00000", 7},
        {"01000 00000 00009 00000", 14},  // big cell without its anchor
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FirstBrokenCell(Parse(c.layout)), c.broken) << c.layout;
    }
    Board unknown = InitialLayout();
    unknown(1, 2) = 12;
    EXPECT_EQ(FirstBrokenCell(unknown), 11);
    unknown(1, 2) = -1;
    EXPECT_EQ(FirstBrokenCell(unknown), 11);
}

TEST(FormLoad, RestoresLayoutColoursAndGeometryAndIsIdempotent) {
    LoadedGame loaded;
    GameForTest game(loaded.game);
    game.SetLayout(Parse("00000 00067 00089 00000"));
    ColorTable sevens{};
    sevens.fill(7);
    game.SetColors(sevens);
    game.SetAnchor(33, -4);
    game.SetText1("kept");
    game.Form_Load();

    EXPECT_EQ(game.board, InitialLayout());
    ColorTable expected{};
    expected.fill(7);
    LoadColors(expected);
    EXPECT_EQ(game.color, expected);
    ASSERT_EQ(loaded.window.geometries.size(), 1u);
    EXPECT_EQ(loaded.window.geometries[0], (std::array<int, 4>{200, 200, 5430, 4950}));
    EXPECT_EQ(game.dragX, 33);
    EXPECT_EQ(game.dragY, -4);
    EXPECT_EQ(game.Text1, "kept");
    EXPECT_TRUE(testing::ShowsBoard(game));

    const Board board = game.board;
    const Shapes shapes = game.shapes;
    const ColorTable color = game.color;
    game.Form_Load();
    EXPECT_EQ(game.board, board);
    EXPECT_EQ(game.shapes, shapes);
    EXPECT_EQ(game.color, color);
}

}  // namespace
}  // namespace quandrel
