// Mapping positions to cells and dragging blocks through the mouse handlers.
#include <gtest/gtest.h>

#include <limits>

#include "input/drag_grid.h"
#include "support/layout.h"
#include "support/recording_window.h"

namespace quandrel {
namespace {

using testing::LoadedGame;
using testing::Parse;

// Centre of a drag-grid cell, in mouse units.
float CellX(int column) { return 148.0f * static_cast<float>(column) + 74.0f; }
float CellY(int row) { return 126.0f * static_cast<float>(row) + 63.0f; }

TEST(DragGrid, PointerAndAnchorMapping) {
    struct Case {
        float position;
        int pointerColumn;
        int pointerRow;
    };
    const Case cases[] = {
        // 147.9 * 5 is 739.5 in single precision, which rounds to the even 740.
        {0.0f, 0, 0},         {147.7f, 0, 1},          {147.9f, 1, 1},    {148.0f, 1, 1},
        {-147.0f, 0, -1},     {-147.9f, -1, -1},       {-148.0f, -1, -1}, {-100.0f, 0, 0},
        {-125.0f, 0, 0},      {-126.0f, 0, -1},        {739.0f, 4, 5},    {740.0f, 5, 5},
        {753.0f, 5, 5},       {503.0f, 3, 3},          {504.0f, 3, 4},    {125.9f, 0, 1},
        {1e9f, 32767, 32767}, {-1e9f, -32768, -32768},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PointerColumn(c.position), c.pointerColumn) << c.position;
        EXPECT_EQ(PointerRow(c.position), c.pointerRow) << c.position;
    }
    // The anchor rounds the position first: 147.7 is stored as 148, which is column 1.
    EXPECT_EQ(Round16(147.7f), 148);
    EXPECT_EQ(AnchorColumn(Round16(147.7f)), 1);
    EXPECT_EQ(Round16(2.5f), 2);
    EXPECT_EQ(Round16(3.5f), 4);
    EXPECT_EQ(Round16(-2.5f), -2);
    EXPECT_EQ(AnchorColumn(-147), 0);
    EXPECT_EQ(AnchorColumn(-148), -1);
    EXPECT_EQ(AnchorRow(-125), 0);
    EXPECT_EQ(AnchorRow(-126), -1);
    EXPECT_EQ(AnchorColumn(6553), 44);
    EXPECT_EQ(AnchorRow(8191), 65);
    // Beyond 16 bits nothing wraps back onto the board.
    for (const std::int16_t big : {std::int16_t{6554}, std::int16_t{13107}, std::int16_t{32767}}) {
        EXPECT_GT(AnchorColumn(big), 4);
        EXPECT_GT(AnchorRow(big), 3);
        EXPECT_LT(AnchorColumn(static_cast<std::int16_t>(-big)), 0);
        EXPECT_LT(AnchorRow(static_cast<std::int16_t>(-big)), 0);
    }
    EXPECT_EQ(Round16(1e6f), 32767);
    EXPECT_EQ(Round16(-1e6f), -32768);
    EXPECT_EQ(Round16(std::numeric_limits<float>::quiet_NaN()), -32768);
    EXPECT_LT(PointerColumn(std::numeric_limits<float>::quiet_NaN()), 0);
    // 5100 twips from the left, over the drawn fifth column, is drag column 5.
    EXPECT_EQ(PointerColumn(static_cast<float>(5100 / kTwipsPerUnitX)), 5);
}

TEST(FindDirection, StepsAlongTheLargerDifference) {
    struct Case {
        int toColumn, toRow, DirX, DirY;
    };
    const Case cases[] = {{2, 2, 0, 1},   {0, 0, 0, -1}, {3, 1, 1, 0}, {1, 1, 0, -1},
                          {-2, 2, -1, 0}, {1, 0, 0, -1}, {4, 3, 1, 0}, {1, 3, 0, 1}};
    for (const Case& c : cases) {
        std::int16_t DirX = 9, DirY = 9;
        FindDirection(1, 1, static_cast<std::int16_t>(c.toColumn),
                      static_cast<std::int16_t>(c.toRow), DirX, DirY);
        EXPECT_EQ(DirX, c.DirX) << c.toColumn << "," << c.toRow;
        EXPECT_EQ(DirY, c.DirY) << c.toColumn << "," << c.toRow;
    }
}

struct Drag : ::testing::Test {
    LoadedGame loaded;
    GameForTest& game = loaded.form;
    void Press(int column, int row, std::int16_t button = 1) {
        game.Form_MouseDown(button, 0, CellX(column), CellY(row));
    }
    void MoveTo(float x, float y, std::int16_t buttons = 1) {
        game.Form_MouseMove(buttons, 0, x, y);
    }
    void MoveTo(int column, int row, std::int16_t buttons = 1) {
        MoveTo(CellX(column), CellY(row), buttons);
    }
};

TEST_F(Drag, ASingleBlockFollowsThePointerCellByCell) {
    Press(3, 1);
    MoveTo(4, 1);
    EXPECT_EQ(game.board, Parse("23231 67401 89510 23231"));
    EXPECT_EQ(game.Text1, "move ther");
    EXPECT_EQ(game.dragX, static_cast<std::int16_t>(CellX(4)));
    MoveTo(3, 1);
    EXPECT_EQ(game.board, InitialLayout());
    MoveTo(4, 1);
    MoveTo(4, 2);  // (4, 2) is empty: the block steps down
    EXPECT_EQ(game.board, Parse("23231 67400 89511 23231"));
    EXPECT_TRUE(testing::ShowsBoard(game));
}

TEST_F(Drag, RefusedAndIgnoredMoves) {
    Press(3, 1);
    MoveTo(4, 2);  // diagonal: vertical step into the single at (3, 2)
    EXPECT_EQ(game.board, InitialLayout());
    EXPECT_EQ(game.Text1, "you moved a sing\r\nX = 3\r\nY = 1\r\nDirX= 0DirY=1");
    EXPECT_EQ(game.dragX, static_cast<std::int16_t>(CellX(3))) << "the anchor stays";

    game.SetText1("unchanged");
    MoveTo(3, 2);  // over a block: nothing at all
    MoveTo(4, 1, 3);
    MoveTo(4, 1, 2);
    MoveTo(4, 1, 0);
    MoveTo(800.0f, 63.0f);  // off the drag grid
    EXPECT_EQ(game.Text1, "unchanged");
    EXPECT_EQ(game.board, InitialLayout());

    Press(4, 1);  // an empty cell under the anchor
    MoveTo(4, 2);
    EXPECT_EQ(game.Text1, "movemouse, board(4,1)=0");
    EXPECT_EQ(game.board, InitialLayout());

    game.SetText1("");
    game.Form_MouseMove(1, 7, CellX(4), CellY(1));  // Shift makes no difference
    EXPECT_EQ(game.Text1, "movemouse, board(4,1)=0");
}

TEST_F(Drag, TheDrawnFifthColumnLiesBeyondTheDragGrid) {
    Press(4, 0);
    game.SetText1("unchanged");
    // 5100 twips across is over the drawn cell (4, 1) but in drag column 5.
    MoveTo(static_cast<float>(5100 / kTwipsPerUnitX), CellY(1));
    EXPECT_EQ(game.board, InitialLayout());
    EXPECT_EQ(game.Text1, "unchanged");
    MoveTo(4, 1);
    EXPECT_EQ(game.board, Parse("23230 67411 89510 23231"));
}

TEST_F(Drag, PositionsLeftOfAndAboveTheClientAreaAreColumnAndRowZero) {
    game.SetLayout(Parse("01000 00000 00000 00000"));
    Press(1, 0);
    MoveTo(-100.0f, -100.0f);  // column 0, row 0: step left
    EXPECT_EQ(game.board, Parse("10000 00000 00000 00000"));
    EXPECT_EQ(game.dragX, -100);
    EXPECT_EQ(game.dragY, -100);
    MoveTo(CellX(0), CellY(1));  // anchor (-100, -100) is still cell (0, 0)
    EXPECT_EQ(game.board, Parse("00000 10000 00000 00000"));
    game.SetLayout(Parse("10000 00000 00000 00000"));
    Press(0, 0);
    MoveTo(-148.0f, CellY(0));  // column -1: off the board
    EXPECT_EQ(game.board, Parse("10000 00000 00000 00000"));
}

TEST_F(Drag, BeforeAnyPressTheAnchorIsCellZero) {
    game.SetLayout(Parse("10000 00000 00000 00000"));
    MoveTo(1, 0);
    EXPECT_EQ(game.board, Parse("01000 00000 00000 00000"));
}

TEST_F(Drag, APullOfTwoCellsLeavesTheAnchorOverAnEmptyCell) {
    game.SetLayout(Parse("10000 00000 00000 00000"));
    Press(0, 0);
    MoveTo(2, 0);
    EXPECT_EQ(game.board, Parse("01000 00000 00000 00000"));
    MoveTo(3, 0);
    EXPECT_EQ(game.board, Parse("01000 00000 00000 00000"));
    EXPECT_EQ(game.Text1, "movemouse, board(2,0)=0");
}

TEST_F(Drag, HugePositionsNeverMapOntoACell) {
    game.SetLayout(Parse("10000 00000 00000 00000"));
    game.SetText1("");
    const float far[] = {1e30f,
                         -1e30f,
                         32767.0f,
                         -32768.0f,
                         40000.0f,
                         -40000.0f,
                         6554.0f,
                         -6554.0f,
                         13107.0f,
                         8192.0f,
                         -8193.0f,
                         16384.0f,
                         std::numeric_limits<float>::infinity(),
                         std::numeric_limits<float>::quiet_NaN()};
    for (const float x : far) {
        for (const float y : far) {
            game.Form_MouseDown(1, 0, x, y);
            MoveTo(1, 0);
            MoveTo(0, 1);
            EXPECT_EQ(game.board, Parse("10000 00000 00000 00000")) << x << "," << y;
            game.Form_MouseDown(1, 0, CellX(0), CellY(0));
            MoveTo(x, y);
            EXPECT_EQ(game.board, Parse("10000 00000 00000 00000")) << x << "," << y;
        }
    }
    EXPECT_EQ(game.Text1, "");
}

TEST_F(Drag, RightReleaseReportsTheAnchorCell) {
    Press(3, 1, 2);
    game.Form_MouseUp(2, 0, CellX(0), CellY(0));
    EXPECT_EQ(game.Text1, "board(3,1)=1");
    game.SetText1("unchanged");
    game.Form_MouseUp(1, 0, CellX(0), CellY(0));
    game.Form_MouseUp(4, 0, CellX(0), CellY(0));
    EXPECT_EQ(game.Text1, "unchanged");

    game.Form_MouseDown(1, 0, 0.0f, 0.0f);
    game.Form_MouseUp(2, 0, 500.0f, 400.0f);
    EXPECT_EQ(game.Text1, "board(0,0)=2");

    Press(3, 1);
    MoveTo(4, 1);  // the anchor follows the step
    game.Form_MouseUp(2, 0, 0.0f, 0.0f);
    EXPECT_EQ(game.Text1, "board(4,1)=1");
    game.Form_MouseUp(2, 0, 0.0f, 0.0f);
    EXPECT_EQ(game.Text1, "board(4,1)=1");

    // Off the board: nothing is written.
    for (const float x : {-148.0f, 740.0f, 1e9f}) {
        game.Form_MouseDown(2, 0, x, x);
        game.SetText1("unchanged");
        game.Form_MouseUp(2, 0, 0.0f, 0.0f);
        EXPECT_EQ(game.Text1, "unchanged") << x;
    }
}

}  // namespace
}  // namespace quandrel
