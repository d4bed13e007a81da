// Keyboard play: the cursor, the keyboard drag step against the mouse's, and the board in words.
#include <gtest/gtest.h>

#include <functional>
#include <set>

#include "game/cells.h"
#include "game/traces.h"
#include "game/words.h"
#include "support/layout.h"
#include "support/points.h"
#include "support/recording_window.h"

namespace quandrel {
namespace {

using testing::LoadedGame;
using testing::Parse;

// The centre of a drag-grid cell, in mouse units.
float DragX(int column) { return static_cast<float>(testing::DragUnitsX(column)); }
float DragY(int row) { return static_cast<float>(testing::DragUnitsY(row)); }

Arrow ArrowFor(int dx, int dy) {
    if (dx > 0) return Arrow::Right;
    if (dx < 0) return Arrow::Left;
    return dy > 0 ? Arrow::Down : Arrow::Up;
}

// Shows the cursor at (column, row): the first arrow puts it at the anchor's drag cell.
void ShowCursorAt(LoadedGame& loaded, int column, int row) {
    loaded.form.SetAnchor(static_cast<std::int16_t>(DragX(column)),
                          static_cast<std::int16_t>(DragY(row)));
    loaded.game.ArrowKey(Arrow::Left, 0);
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
        keys.game.ArrowKey(ArrowFor(c.dx, c.dy), kShiftBit);

        EXPECT_EQ(keys.form.Text1, mouse.form.Text1);
        EXPECT_EQ(keys.form.board, mouse.form.board);
        EXPECT_EQ(keys.form.board != Parse(c.layout), c.moves);
        EXPECT_TRUE(testing::ShowsBoard(keys.form));
        EXPECT_EQ(keys.form.dragX, dragX);
        EXPECT_EQ(keys.form.dragY, dragY);
        const int followed = c.moves ? c.column + c.dx + 5 * (c.row + c.dy) : c.column + 5 * c.row;
        EXPECT_EQ(keys.game.cursorCell(), followed);
        const std::string announced = testing::Spoken(keys.window.Take());
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
        keys.game.ArrowKey(ArrowFor(c.dx, c.dy), kShiftBit);
        EXPECT_EQ(keys.form.board, Parse(c.board)) << c.layout;
        EXPECT_EQ(keys.form.Text1, c.text1) << c.layout;
    }
}

TEST(Cursor, HiddenAtStartShownByTheFirstArrowAndKeptOnTheBoard) {
    LoadedGame loaded;
    EXPECT_EQ(loaded.game.cursorCell(), std::nullopt);
    const Board start = loaded.form.board;
    loaded.game.ArrowKey(Arrow::Right, kShiftBit);  // only shows it, at the anchor's cell (0, 0)
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
        for (int i = 0; i < step.presses; ++i) loaded.game.ArrowKey(step.arrow, 0);
        EXPECT_EQ(loaded.game.cursorCell(), step.cell);
    }
    EXPECT_EQ(loaded.form.board, start);

    // A press of any button hides it; the next arrow shows it at the new anchor's cell: pixel
    // (150, 60) is the drag grid's (2, 0).
    loaded.game.Mouse({MouseAction::Press, 2, 2, 0, 150, 60, 1});
    EXPECT_EQ(loaded.game.cursorCell(), std::nullopt);
    loaded.game.ArrowKey(Arrow::Down, 0);
    EXPECT_EQ(loaded.game.cursorCell(), 2);
}

TEST(Cursor, ShownAtTheTopLeftWhenTheAnchorIsOffTheBoard) {
    LoadedGame loaded;
    loaded.form.SetAnchor(800, 63);
    loaded.game.ArrowKey(Arrow::Down, 0);
    EXPECT_EQ(loaded.game.cursorCell(), 0);
}

TEST(Cursor, ArrowsDoNothingWhileABoxIsOpenOrOnceTheProgramEnds) {
    LoadedGame loaded;
    loaded.window.closeAtOnce = false;
    loaded.game.ArrowKey(Arrow::Down, 0);
    loaded.game.Menu(Command::HelpAbout);
    loaded.game.ArrowKey(Arrow::Right, 0);
    loaded.game.ArrowKey(Arrow::Down, kShiftBit);
    EXPECT_EQ(loaded.game.cursorCell(), 0);
    EXPECT_EQ(loaded.form.board, InitialLayout());
    loaded.game.BoxClosed(kOk);
    loaded.game.Key(KeyTarget::Form, 27, false);
    loaded.game.ArrowKey(Arrow::Right, 0);
    EXPECT_EQ(loaded.game.cursorCell(), 0);
}

TEST(Cursor, RepaintsOnlyTheSquaresItLeavesAndEnters) {
    LoadedGame loaded;
    loaded.window.pixelRatio = 2;
    loaded.window.Take();
    loaded.game.ArrowKey(Arrow::Down, 0);
    const ScreenUpdate shown = loaded.window.Take();
    EXPECT_EQ(testing::Focused(shown), std::vector<int>{0});
    EXPECT_EQ(shown.repaint, (std::vector<PixelRect>{{0, 0, 142, 142}}));
    loaded.game.ArrowKey(Arrow::Right, 0);
    const ScreenUpdate moved = loaded.window.Take();
    EXPECT_EQ(moved.repaint, (std::vector<PixelRect>{{0, 0, 142, 142}, {140, 0, 282, 142}}));
    loaded.game.ArrowKey(Arrow::Up, 0);  // at the edge: it stays
    const ScreenUpdate still = loaded.window.Take();
    EXPECT_TRUE(testing::Focused(still).empty());
    EXPECT_TRUE(still.repaint.empty());
}

TEST(Words, CellsAreRenamedWhenTheirBlocksChange) {
    LoadedGame loaded;
    const ScreenUpdate first = loaded.window.Take();
    EXPECT_EQ(testing::Renamed(first).size(), 20u) << "every cell is named at first";
    // The single at (3, 1) steps right into (4, 1): those two cells change.
    ShowCursorAt(loaded, 3, 1);
    loaded.game.ArrowKey(Arrow::Right, kShiftBit);
    const ScreenUpdate step = loaded.window.Take();
    EXPECT_EQ(testing::Renamed(step), (std::vector<int>{8, 9}));
    EXPECT_EQ(testing::Spoken(step), "single block moved right");
    EXPECT_EQ(loaded.game.CellName(9), "single block, column 5, row 2");
    EXPECT_EQ(loaded.game.CellName(8), "empty, column 4, row 2");
    EXPECT_EQ(testing::Spoken(loaded.window.Take()), "") << "said once";
    // It stays the note of the cursor's cell until the cursor moves.
    EXPECT_EQ(loaded.game.CellNote(9), "single block moved right");
    EXPECT_EQ(loaded.game.CellNote(8), "");
    loaded.game.ArrowKey(Arrow::Left, 0);
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

// What assistive technology is told after each input, in order: every key on the board has an
// answer, and the board's taking the focus back says where the cursor stands.
TEST(Telling, EveryKeyOnTheBoardIsAnswered) {
    using Kind = AccessEvent::Kind;
    const auto focus = [](int cell) { return AccessEvent{Kind::Focus, cell, {}}; };
    const auto renamed = [](int cell) { return AccessEvent{Kind::Renamed, cell, {}}; };
    const auto say = [](int cell, const char* text) {
        return AccessEvent{Kind::Speak, cell, text};
    };
    const std::int16_t ctrl = kCtrlBit, shift = kShiftBit;
    struct Case {
        const char* input;
        std::function<void(LoadedGame&)> run;
        std::vector<AccessEvent> told;
    };
    const Case cases[] = {
        {"first arrow", [](LoadedGame& g) { g.game.ArrowKey(Arrow::Down, 0); }, {focus(0)}},
        {"up at the top",
         [](LoadedGame& g) { g.game.ArrowKey(Arrow::Up, 0); },
         {say(0, "top edge")}},
        {"again", [](LoadedGame& g) { g.game.ArrowKey(Arrow::Up, 0); }, {say(0, "top edge")}},
        {"ctrl+right", [&](LoadedGame& g) { g.game.ArrowKey(Arrow::Right, ctrl); }, {focus(4)}},
        {"down", [](LoadedGame& g) { g.game.ArrowKey(Arrow::Down, 0); }, {focus(9)}},
        {"shift on empty",
         [&](LoadedGame& g) { g.game.ArrowKey(Arrow::Left, shift); },
         {say(9, "no block to move")}},
        {"left", [](LoadedGame& g) { g.game.ArrowKey(Arrow::Left, 0); }, {focus(8)}},
        {"a step",
         [&](LoadedGame& g) { g.game.ArrowKey(Arrow::Right, shift); },
         {renamed(8), renamed(9), focus(9), say(9, "single block moved right")}},
        {"refused",
         [&](LoadedGame& g) { g.game.ArrowKey(Arrow::Right, shift); },
         {say(9, "single block cannot move right")}},
        {"refused again",
         [&](LoadedGame& g) { g.game.ArrowKey(Arrow::Right, shift | ctrl); },
         {say(9, "single block cannot move right")}},
        {"alt+arrow is not the game's",
         [](LoadedGame& g) { EXPECT_FALSE(g.game.ArrowKey(Arrow::Left, kAltBit)); },
         {}},
        {"focus away and back",
         [](LoadedGame& g) {
             g.game.BoardFocus(false);
             g.game.BoardFocus(true);
         },
         {focus(9)}},
        {"a box closed",
         [](LoadedGame& g) {
             g.window.closeAtOnce = false;
             g.game.Menu(Command::HelpAbout);
             g.game.BoxClosed(kOk);
         },
         {focus(9)}},
        {"a press hides the cursor",
         [](LoadedGame& g) {
             g.game.Mouse({MouseAction::Press, 1, 1, 0, 600, 400, 1});
         },
         {focus(AccessEvent::kBoardItself)}},
        {"ctrl+up shows it again",
         [&](LoadedGame& g) { g.game.ArrowKey(Arrow::Up, ctrl); },
         {focus(0)}},
    };
    LoadedGame loaded;
    loaded.window.Take();
    for (const Case& c : cases) {
        c.run(loaded);
        EXPECT_EQ(loaded.window.Take().access, c.told) << c.input;
    }
    loaded.game.BoardFocus(false);
    loaded.game.ArrowKey(Arrow::Right, 0);
    EXPECT_TRUE(testing::Focused(loaded.window.Take()).empty()) << "no focus event off the board";
}

TEST(Cells, EachCellIsFoundAtItsOwnSquareAtEveryScale) {
    for (const double scale : {1.0, 1.25, 2.0}) {
        for (int i = 0; i < kCells; ++i) {
            const PixelRect r = CellRect(i, scale);
            EXPECT_EQ(CellAt((r.left + r.right) / 2, (r.top + r.bottom) / 2, scale), i) << scale;
            EXPECT_EQ(CellAt(r.right - 1, r.bottom - 1, scale), i) << "shared edge: first index";
        }
        const PixelRect board = BoardRect(scale);
        EXPECT_EQ(CellAt(board.right, 0, scale), std::nullopt);
        EXPECT_EQ(CellAt(-1, 0, scale), std::nullopt);
        EXPECT_EQ(board.Joined(CellRect(19, scale)), board);
    }
}

}  // namespace
}  // namespace quandrel
