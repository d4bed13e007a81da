// Keyboard play: the cursor, the keyboard drag step against the mouse's, and the board in words.
#include <gtest/gtest.h>

#include <set>

#include "game/traces.h"
#include "game/words.h"
#include "support/layout.h"
#include "support/recording_window.h"

namespace quandrel {
namespace {

using testing::LoadedGame;
using testing::Parse;

// The centre of a drag-grid cell, in mouse units.
float DragX(int column) { return static_cast<float>(148 * column + 74); }
float DragY(int row) { return static_cast<float>(126 * row + 63); }

Arrow ArrowFor(int dx, int dy) {
    if (dx > 0) return Arrow::Right;
    if (dx < 0) return Arrow::Left;
    return dy > 0 ? Arrow::Down : Arrow::Up;
}

// Shows the cursor at (column, row): the first arrow puts it at the anchor's drag cell.
void ShowCursorAt(LoadedGame& loaded, int column, int row) {
    loaded.form.SetAnchor(static_cast<std::int16_t>(DragX(column)),
                          static_cast<std::int16_t>(DragY(row)));
    loaded.game.ArrowKey(Arrow::Left, false);
}

struct StepCase {
    const char* layout;
    int column, row, dx, dy;
    bool moves;
};

// One case per piece code that moves and one that is refused, each with an empty pointer cell,
// so that a mouse drag step can take it too.
const StepCase kSteps[] = {
    {"00000 01000 00000 00000", 1, 1, 1, 0, true},  {"00000 01000 00000 00000", 1, 1, 0, 1, true},
    {"00000 02300 00000 00000", 1, 1, 0, 1, true},  {"00000 02300 00100 00000", 1, 1, 0, 1, false},
    {"00000 02300 00000 00000", 2, 1, 0, -1, true}, {"01000 02300 00000 00000", 2, 1, 0, -1, false},
    {"00000 04000 05000 00000", 1, 1, 1, 0, true},  {"00000 04000 05100 00000", 1, 1, 1, 0, false},
    {"00000 04000 05000 00000", 1, 2, -1, 0, true}, {"00000 14000 05000 00000", 1, 2, -1, 0, false},
    {"00000 06700 08900 00000", 1, 1, 0, -1, true}, {"00100 06700 08900 00000", 1, 1, 0, -1, false},
    {"00000 06700 08900 00000", 2, 1, 1, 0, true},  {"00000 06700 08910 00000", 2, 1, 1, 0, false},
    {"00000 06700 08900 00000", 1, 2, -1, 0, true}, {"00000 16700 08900 00000", 1, 2, -1, 0, false},
    {"00000 06700 08900 00000", 2, 2, 0, 1, true},  {"00000 06700 08900 01000", 2, 2, 0, 1, false},
};

TEST(KeyboardStep, WritesAndMovesAsTheMouseStepWithTheSameCellAndDirection) {
    for (const StepCase& c : kSteps) {
        SCOPED_TRACE(std::string(c.layout) + " at " + std::to_string(c.column) + "," +
                     std::to_string(c.row));
        LoadedGame mouse;
        mouse.form.SetLayout(Parse(c.layout));
        mouse.form.Form_MouseDown(1, 0, DragX(c.column), DragY(c.row));
        mouse.form.Form_MouseMove(1, 0, DragX(c.column + c.dx), DragY(c.row + c.dy));

        LoadedGame keys;
        keys.form.SetLayout(Parse(c.layout));
        ShowCursorAt(keys, c.column, c.row);
        const std::int16_t dragX = keys.form.dragX, dragY = keys.form.dragY;
        keys.game.ArrowKey(ArrowFor(c.dx, c.dy), true);

        EXPECT_EQ(keys.form.Text1, mouse.form.Text1);
        EXPECT_EQ(keys.form.board, mouse.form.board);
        EXPECT_EQ(keys.form.board != Parse(c.layout), c.moves);
        EXPECT_TRUE(testing::ShowsBoard(keys.form));
        EXPECT_EQ(keys.form.dragX, dragX);
        EXPECT_EQ(keys.form.dragY, dragY);
        const int followed = c.moves ? c.column + c.dx + 5 * (c.row + c.dy) : c.column + 5 * c.row;
        EXPECT_EQ(keys.game.cursorCell(), followed);
        const std::string announced = keys.game.TakeUpdate(1).announcement;
        EXPECT_NE(announced.find(c.moves ? " moved " : " cannot move "), std::string::npos)
            << announced;
    }
}

TEST(KeyboardStep, TheMoveRulesDecideWhereTheMouseNeedsAnEmptyPointerCell) {
    struct Case {
        const char* layout;
        int column, row, dx, dy;
        const char* board;  // after the step
        const char* text1;
    };
    const Case cases[] = {
        // A wide block pushed right by its left cell: the cell beside it is its own.
        {"02300 00000 00000 00000", 1, 0, 1, 0, "00230 00000 00000 00000",
         "you moved a wide\r\nX = 1\r\nY = 0\r\nDirX= 1DirY=0"},
        // Off the board: the drag trace, then the move procedure's trace, and nothing moves.
        {"10000 00000 00000 00000", 0, 0, -1, 0, "10000 00000 00000 00000",
         "you moved a sing\r\nX = 0\r\nY = 0\r\nDirX= -1DirY=0"},
        // An empty cell under the cursor has no move procedure: only the drag trace stays.
        {"00000 00000 00000 00001", 0, 0, 1, 0, "00000 00000 00000 00001",
         "movemouse, board(0,0)=0"},
    };
    for (const Case& c : cases) {
        LoadedGame keys;
        keys.form.SetLayout(Parse(c.layout));
        ShowCursorAt(keys, c.column, c.row);
        keys.game.ArrowKey(ArrowFor(c.dx, c.dy), true);
        EXPECT_EQ(keys.form.board, Parse(c.board)) << c.layout;
        EXPECT_EQ(keys.form.Text1, c.text1) << c.layout;
    }
}

TEST(Cursor, HiddenAtStartShownByTheFirstArrowAndKeptOnTheBoard) {
    LoadedGame loaded;
    EXPECT_EQ(loaded.game.cursorCell(), std::nullopt);
    const Board start = loaded.form.board;
    loaded.game.ArrowKey(Arrow::Right, true);  // only shows it, at the anchor's cell (0, 0)
    EXPECT_EQ(loaded.game.cursorCell(), 0);
    EXPECT_EQ(loaded.form.board, start);
    struct Case {
        Arrow arrow;
        int presses;
        int cell;
    };
    const Case walk[] = {{Arrow::Left, 1, 0},  {Arrow::Up, 1, 0},    {Arrow::Right, 6, 4},
                         {Arrow::Down, 5, 19}, {Arrow::Left, 2, 17}, {Arrow::Up, 1, 12}};
    for (const Case& step : walk) {
        for (int i = 0; i < step.presses; ++i) loaded.game.ArrowKey(step.arrow, false);
        EXPECT_EQ(loaded.game.cursorCell(), step.cell);
    }
    EXPECT_EQ(loaded.form.board, start);

    // A press of any button hides it; the next arrow shows it at the new anchor's cell: pixel
    // (150, 60) is the drag grid's (2, 0).
    loaded.game.Mouse({MouseAction::Press, 2, 2, 0, 150, 60, 1});
    EXPECT_EQ(loaded.game.cursorCell(), std::nullopt);
    loaded.game.ArrowKey(Arrow::Down, false);
    EXPECT_EQ(loaded.game.cursorCell(), 2);
}

TEST(Cursor, ShownAtTheTopLeftWhenTheAnchorIsOffTheBoard) {
    LoadedGame loaded;
    loaded.form.SetAnchor(800, 63);
    loaded.game.ArrowKey(Arrow::Down, false);
    EXPECT_EQ(loaded.game.cursorCell(), 0);
}

TEST(Cursor, ArrowsDoNothingWhileABoxIsOpenOrOnceTheProgramEnds) {
    LoadedGame loaded;
    loaded.window.closeAtOnce = false;
    loaded.game.ArrowKey(Arrow::Down, false);
    loaded.game.Menu(Command::HelpAbout);
    loaded.game.ArrowKey(Arrow::Right, false);
    loaded.game.ArrowKey(Arrow::Down, true);
    EXPECT_EQ(loaded.game.cursorCell(), 0);
    EXPECT_EQ(loaded.form.board, InitialLayout());
    loaded.game.BoxClosed(kOk);
    loaded.game.Key(KeyTarget::Form, 27, false);
    loaded.game.ArrowKey(Arrow::Right, false);
    EXPECT_EQ(loaded.game.cursorCell(), 0);
}

TEST(Cursor, RepaintsOnlyTheSquaresItLeavesAndEnters) {
    LoadedGame loaded;
    loaded.game.TakeUpdate(2);
    loaded.game.ArrowKey(Arrow::Down, false);
    const ScreenUpdate shown = loaded.game.TakeUpdate(2);
    EXPECT_TRUE(shown.cursorChanged);
    EXPECT_EQ(shown.repaint, (std::vector<PixelRect>{{0, 0, 142, 142}}));
    loaded.game.ArrowKey(Arrow::Right, false);
    const ScreenUpdate moved = loaded.game.TakeUpdate(2);
    EXPECT_EQ(moved.repaint, (std::vector<PixelRect>{{0, 0, 142, 142}, {140, 0, 282, 142}}));
    loaded.game.ArrowKey(Arrow::Up, false);  // at the edge: it stays
    const ScreenUpdate still = loaded.game.TakeUpdate(2);
    EXPECT_FALSE(still.cursorChanged);
    EXPECT_TRUE(still.repaint.empty());
}

TEST(Words, CellsAreRenamedWhenTheirBlocksChange) {
    LoadedGame loaded;
    const ScreenUpdate first = loaded.game.TakeUpdate(1);
    EXPECT_EQ(first.renamed.size(), 20u) << "every cell is named at first";
    // The single at (3, 1) steps right into (4, 1): those two cells change.
    ShowCursorAt(loaded, 3, 1);
    loaded.game.ArrowKey(Arrow::Right, true);
    const ScreenUpdate step = loaded.game.TakeUpdate(1);
    EXPECT_EQ(step.renamed, (std::vector<int>{8, 9}));
    EXPECT_EQ(step.announcement, "single block moved right");
    EXPECT_EQ(loaded.game.CellName(9), "single block, column 5, row 2");
    EXPECT_EQ(loaded.game.CellName(8), "empty, column 4, row 2");
    EXPECT_EQ(loaded.game.TakeUpdate(1).announcement, "") << "said once";
    // It stays the note of the cursor's cell until the cursor moves.
    EXPECT_EQ(loaded.game.CellNote(9), "single block moved right");
    EXPECT_EQ(loaded.game.CellNote(8), "");
    loaded.game.ArrowKey(Arrow::Left, false);
    EXPECT_EQ(loaded.game.CellNote(8), "");
}

TEST(Words, EachPartOfEachBlockHasItsName) {
    const Board start = InitialLayout();  // 23231 67410 89510 23231
    const std::pair<int, const char*> cells[] = {
        {0, "wide block, left part, column 1, row 1"},
        {1, "wide block, right part, column 2, row 1"},
        {5, "big block, top-left part, column 1, row 2"},
        {6, "big block, top-right part, column 2, row 2"},
        {10, "big block, bottom-left part, column 1, row 3"},
        {11, "big block, bottom-right part, column 2, row 3"},
        {7, "tall block, top part, column 3, row 2"},
        {12, "tall block, bottom part, column 3, row 3"},
        {8, "single block, column 4, row 2"},
        {14, "empty, column 5, row 3"},
    };
    std::set<std::string> names;
    for (int i = 0; i < kCells; ++i) names.insert(CellDescription(start, i % 5, i / 5));
    EXPECT_EQ(names.size(), 20u) << "every cell's name is its own";
    for (const auto& [index, name] : cells) {
        EXPECT_EQ(CellDescription(start, index % 5, index / 5), name);
    }
    EXPECT_EQ(StepAnnouncement(kBigBottomRight, {0, -1}, false), "big block cannot move up");
    EXPECT_EQ(StepAnnouncement(kWideRight, {-1, 0}, true), "wide block moved left");
    EXPECT_EQ(StepAnnouncement(kEmpty, {0, 1}, false), "no block to move");
}

}  // namespace
}  // namespace quandrel
