// The nine move procedures through the game: result, board, panel text and redraws.
#include "model/moves.h"

#include <gtest/gtest.h>

#include "support/layout.h"
#include "support/recording_window.h"

namespace quandrel {
namespace {

using testing::LoadedGame;
using testing::Parse;

using Procedure = bool (GameForTest::*)(std::int16_t, std::int16_t, std::int16_t, std::int16_t);

std::string Trace(const std::string& word, int X, int Y, int DirX, int DirY,
                  const std::string& label = "DirX= ") {
    return word + "\r\nX = " + std::to_string(X) + "\r\nY = " + std::to_string(Y) + "\r\n" + label +
           std::to_string(DirX) + "DirY=" + std::to_string(DirY);
}

struct Grip {
    const char* name;
    Procedure procedure;
    const char* word;
    int column;  // grabbed cell within the block
    int row;
};

struct Kind {
    const char* name;
    int width;
    int height;
    std::vector<Grip> grips;
    // The block at anchor (1, 1) on an empty board, and after each step.
    const char* free;
    const char* down;
    const char* up;
    const char* right;
    const char* left;
};

const std::vector<Kind>& Kinds() {
    static const std::vector<Kind> kinds{
        {"single",
         1,
         1,
         {{"MoveSingle", &GameForTest::MoveSingle, "you moved a sing", 0, 0}},
         "00000 01000 00000 00000",
         "00000 00000 01000 00000",
         "01000 00000 00000 00000",
         "00000 00100 00000 00000",
         "00000 10000 00000 00000"},
        {"wide",
         2,
         1,
         {{"MoveWide", &GameForTest::MoveWide, "you moved a wide", 0, 0},
          {"MoveWide2", &GameForTest::MoveWide2, "you moved a wide2", 1, 0}},
         "00000 02300 00000 00000",
         "00000 00000 02300 00000",
         "02300 00000 00000 00000",
         "00000 00230 00000 00000",
         "00000 23000 00000 00000"},
        {"tall",
         1,
         2,
         {{"MoveTall", &GameForTest::MoveTall, "you moved a tall", 0, 0},
          {"MoveTall2", &GameForTest::MoveTall2, "you moved a tall2", 0, 1}},
         "00000 04000 05000 00000",
         "00000 00000 04000 05000",
         "04000 05000 00000 00000",
         "00000 00400 00500 00000",
         "00000 40000 50000 00000"},
        {"big",
         2,
         2,
         {{"MoveBig", &GameForTest::MoveBig, "you moved a big", 0, 0},
          {"MoveBig2", &GameForTest::MoveBig2, "you moved a big2", 1, 0},
          {"MoveBig3", &GameForTest::MoveBig3, "you moved a big3", 0, 1},
          {"MoveBig4", &GameForTest::MoveBig4, "you moved a big4", 1, 1}},
         "00000 06700 08900 00000",
         "00000 00000 06700 08900",
         "06700 08900 00000 00000",
         "00000 00670 00890 00000",
         "00000 67000 89000 00000"},
    };
    return kinds;
}

struct Direction {
    const char* name;
    int DirX;
    int DirY;
};
const Direction kDirections[] = {{"down", 0, 1}, {"up", 0, -1}, {"right", 1, 0}, {"left", -1, 0}};

const char* After(const Kind& kind, const Direction& d) {
    if (d.DirY > 0) return kind.down;
    if (d.DirY < 0) return kind.up;
    return d.DirX > 0 ? kind.right : kind.left;
}

// Moves a block drawn at anchor (1, 1) so that its anchor is at (ax, ay).
Board Shifted(const char* layout, int ax, int ay) {
    const Board from = Parse(layout);
    Board to;
    for (int y = 0; y < kRows; ++y) {
        for (int x = 0; x < kColumns; ++x) {
            const int sx = x - ax + 1;
            const int sy = y - ay + 1;
            if (sx >= 0 && sx < kColumns && sy >= 0 && sy < kRows) to(x, y) = from(sx, sy);
        }
    }
    return to;
}

struct Attempt {
    bool moved;
    Board board;
    std::string text;
    bool redrawn;  // the shapes changed, and show the board
};

Attempt TryGrip(const Grip& grip, const Board& board, int X, int Y, const Direction& d) {
    LoadedGame loaded;
    loaded.form.SetLayout(board);
    const Shapes before = loaded.form.shapes;
    const bool moved = (loaded.form.*grip.procedure)(
        static_cast<std::int16_t>(X), static_cast<std::int16_t>(Y),
        static_cast<std::int16_t>(d.DirX), static_cast<std::int16_t>(d.DirY));
    const GameForTest game(loaded.game);
    return {moved, game.board, game.Text1, game.shapes != before && testing::ShowsBoard(game)};
}

std::string Label(const Grip& grip) {
    return grip.procedure == &GameForTest::MoveTall2 ? "DirX=" : "DirX= ";
}

TEST(MoveProcedures, EveryGripStepsTheBlockInEveryDirection) {
    for (const Kind& kind : Kinds()) {
        for (const Grip& grip : kind.grips) {
            for (const Direction& d : kDirections) {
                SCOPED_TRACE(std::string(grip.name) + " " + d.name);
                const int X = 1 + grip.column;
                const int Y = 1 + grip.row;
                const Attempt a = TryGrip(grip, Parse(kind.free), X, Y, d);
                EXPECT_TRUE(a.moved);
                EXPECT_EQ(a.board, Parse(After(kind, d)));
                EXPECT_TRUE(a.redrawn);
                EXPECT_EQ(a.text, grip.procedure == &GameForTest::MoveSingle
                                      ? "move ther"
                                      : Trace(grip.word, X, Y, d.DirX, d.DirY, Label(grip)));
            }
        }
    }
}

TEST(MoveProcedures, AStepOffTheBoardIsRefusedWithItsTrace) {
    for (const Kind& kind : Kinds()) {
        for (const Grip& grip : kind.grips) {
            for (const Direction& d : kDirections) {
                SCOPED_TRACE(std::string(grip.name) + " " + d.name);
                // Against the edge that the step would cross.
                const int ax = d.DirX > 0 ? kColumns - kind.width : d.DirX < 0 ? 0 : 1;
                const int ay = d.DirY > 0 ? kRows - kind.height : d.DirY < 0 ? 0 : 1;
                const Board board = Shifted(kind.free, ax, ay);
                const int X = ax + grip.column;
                const int Y = ay + grip.row;
                const Attempt a = TryGrip(grip, board, X, Y, d);
                EXPECT_FALSE(a.moved);
                EXPECT_EQ(a.board, board);
                EXPECT_FALSE(a.redrawn);
                EXPECT_EQ(a.text, Trace(grip.word, X, Y, d.DirX, d.DirY, Label(grip)));
            }
        }
    }
}

TEST(MoveProcedures, AStepIntoAnyOccupiedCellIsRefused) {
    for (const Kind& kind : Kinds()) {
        for (const Grip& grip : kind.grips) {
            for (const Direction& d : kDirections) {
                // Each cell the block would enter, occupied in turn by a single block.
                const Board target = Parse(After(kind, d));
                const Board free = Parse(kind.free);
                for (int i = 0; i < kCells; ++i) {
                    if (target.cells[i] == kEmpty || free.cells[i] != kEmpty) continue;
                    SCOPED_TRACE(std::string(grip.name) + " " + d.name + " cell " +
                                 std::to_string(i));
                    Board board = free;
                    board.cells[i] = kSingle;
                    const Attempt a = TryGrip(grip, board, 1 + grip.column, 1 + grip.row, d);
                    EXPECT_FALSE(a.moved);
                    EXPECT_EQ(a.board, board);
                    EXPECT_FALSE(a.redrawn);
                    EXPECT_EQ(a.text, Trace(grip.word, 1 + grip.column, 1 + grip.row, d.DirX,
                                            d.DirY, Label(grip)));
                }
            }
        }
    }
}

TEST(MoveProcedures, ANullStepMovesNothing) {
    for (const Kind& kind : Kinds()) {
        for (const Grip& grip : kind.grips) {
            const Attempt a = TryGrip(grip, Parse(kind.free), 1 + grip.column, 1 + grip.row,
                                      Direction{"none", 0, 0});
            EXPECT_FALSE(a.moved) << grip.name;
            EXPECT_EQ(a.board, Parse(kind.free)) << grip.name;
        }
    }
}

TEST(MoveProcedures, EachWritesItsOwnTraceWhenRefused) {
    const std::pair<Procedure, const char*> cases[] = {
        {&GameForTest::MoveSingle, "you moved a sing\r\nX = 2\r\nY = 1\r\nDirX= -1DirY=0"},
        {&GameForTest::MoveWide, "you moved a wide\r\nX = 2\r\nY = 1\r\nDirX= -1DirY=0"},
        {&GameForTest::MoveWide2, "you moved a wide2\r\nX = 2\r\nY = 1\r\nDirX= -1DirY=0"},
        {&GameForTest::MoveTall, "you moved a tall\r\nX = 2\r\nY = 1\r\nDirX= -1DirY=0"},
        {&GameForTest::MoveTall2, "you moved a tall2\r\nX = 2\r\nY = 1\r\nDirX=-1DirY=0"},
        {&GameForTest::MoveBig, "you moved a big\r\nX = 2\r\nY = 1\r\nDirX= -1DirY=0"},
        {&GameForTest::MoveBig2, "you moved a big2\r\nX = 2\r\nY = 1\r\nDirX= -1DirY=0"},
        {&GameForTest::MoveBig3, "you moved a big3\r\nX = 2\r\nY = 1\r\nDirX= -1DirY=0"},
        {&GameForTest::MoveBig4, "you moved a big4\r\nX = 2\r\nY = 1\r\nDirX= -1DirY=0"},
    };
    for (const auto& [procedure, trace] : cases) {
        LoadedGame loaded;
        loaded.form.SetLayout(Parse("11111 11111 11111 11111"));  // every cell taken
        EXPECT_FALSE((loaded.form.*procedure)(2, 1, -1, 0));
        EXPECT_EQ(loaded.form.Text1, trace);
    }
}

TEST(MoveProcedures, DescribedExamples) {
    LoadedGame loaded;
    GameForTest game(loaded.game);
    EXPECT_TRUE(game.MoveSingle(4, 0, 0, 1));
    EXPECT_EQ(game.Text1, "move ther");
    EXPECT_TRUE(game.MoveWide(2, 0, 1, 0));
    EXPECT_EQ(game.board, Parse("23023 67411 89510 23231"));
    EXPECT_EQ(game.Text1, "you moved a wide\r\nX = 2\r\nY = 0\r\nDirX= 1DirY=0");
    EXPECT_TRUE(testing::ShowsBoard(game));

    // The same step held by the right cell.
    game.Form_Load();
    game.MoveSingle(4, 0, 0, 1);
    EXPECT_TRUE(game.MoveWide2(3, 0, 1, 0));
    EXPECT_EQ(game.board, Parse("23023 67411 89510 23231"));
    EXPECT_EQ(game.Text1, "you moved a wide2\r\nX = 3\r\nY = 0\r\nDirX= 1DirY=0");

    // The big block cannot move at the start, by any of its cells.
    game.Form_Load();
    const Procedure big[] = {&GameForTest::MoveBig, &GameForTest::MoveBig2, &GameForTest::MoveBig3,
                             &GameForTest::MoveBig4};
    for (int cell = 0; cell < 4; ++cell) {
        for (const Direction& d : kDirections) {
            EXPECT_FALSE((game.*big[cell])(
                static_cast<std::int16_t>(cell % 2), static_cast<std::int16_t>(1 + cell / 2),
                static_cast<std::int16_t>(d.DirX), static_cast<std::int16_t>(d.DirY)));
        }
    }
    EXPECT_EQ(game.board, InitialLayout());

    game.SetLayout(Parse("23231 23067 23089 00000"));
    EXPECT_TRUE(game.MoveBig2(4, 1, 0, 1));
    EXPECT_EQ(game.board, Parse("23231 23000 23067 00089"));

    game.SetLayout(Parse("00000 04000 05000 00000"));
    game.MoveTall2(1, 2, 0, -1);
    EXPECT_TRUE(game.Text1.ends_with("\r\nDirX=0DirY=-1"));
    game.MoveTall(1, 0, 0, 1);
    EXPECT_TRUE(game.Text1.ends_with("\r\nDirX= 0DirY=1"));
    EXPECT_EQ(game.MoveSingle(0, 0, -1, 0), false);
    EXPECT_EQ(game.Text1, "you moved a sing\r\nX = 0\r\nY = 0\r\nDirX= -1DirY=0");
}

}  // namespace
}  // namespace quandrel
