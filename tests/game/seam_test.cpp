// The game as a front end drives it: platform input, boxes that close later, the ending flag and
// what each event asks the front end to show.
#include <gtest/gtest.h>

#include <limits>

#include "game/text.h"
#include "input/drag_grid.h"
#include "input/platform_input.h"
#include "support/layout.h"
#include "support/points.h"
#include "support/recording_window.h"

namespace quandrel {
namespace {

using testing::LoadedGame;
using testing::Parse;

// Device pixels at `scale` of the centre of drag cell (column, row).
MouseInput At(MouseAction action, int column, int row, double scale, std::int16_t button = 1,
              std::int16_t buttons = 1) {
    const testing::Point at = testing::DragPoint(column, row);
    return {action, button, buttons, 0, at.x * scale, at.y * scale, scale};
}

// The single block at (3, 1) dragged into (4, 1) through platform input.
void DragSingleRight(GameForTest& game, double scale = 1) {
    game.Mouse(At(MouseAction::Press, 3, 1, scale));
    game.Mouse(At(MouseAction::Move, 4, 1, scale));
    game.Mouse(At(MouseAction::Release, 4, 1, scale, 1, 0));
}

constexpr const char* kStart = "23231 67410 89510 23231";
constexpr const char* kSingleMoved = "23231 67401 89510 23231";

TEST(PlatformInput, DevicePixelsAtAnyScaleReachTheSameCells) {
    for (const double scale : {1.0, 1.25, 1.5, 2.0}) {
        LoadedGame loaded;
        DragSingleRight(loaded.form, scale);
        EXPECT_EQ(loaded.form.board, Parse(kSingleMoved)) << scale;
        EXPECT_EQ(loaded.form.Text1, "move ther") << scale;
    }
}

TEST(PlatformInput, KeysBecomeTheirCharacterCodes) {
    struct Case {
        int typed;
        bool control;
        int code;
    };
    const Case cases[] = {
        {'q', true, 17},   {'Q', true, 17},  {'c', true, 3},   {'x', true, 24}, {27, false, 27},
        {'d', false, 100}, {'D', false, 68}, {'1', true, '1'}, {-1, false, -1}, {0x8000, false, -1},
    };
    for (const Case& c : cases) EXPECT_EQ(KeyAscii(c.typed, c.control), c.code) << c.typed;
}

TEST(PlatformInput, MousePositionsBeyondFloatAreClamped) {
    EXPECT_EQ(ToMouseX(1e300, 1), std::numeric_limits<float>::max());
    EXPECT_EQ(ToMouseY(-1e300, 1), -std::numeric_limits<float>::max());
    LoadedGame loaded;
    loaded.game.Mouse({MouseAction::Press, 1, 1, 0, 1e300, -1e300, 1});
    EXPECT_EQ(loaded.form.dragX, 32767);
    EXPECT_EQ(loaded.form.dragY, -32768);
}

TEST(PlatformText, LineBreaksBecomeThePlatforms) {
    struct Case {
        const char* text;
        const char* lineBreak;
        const char* result;
    };
    const Case cases[] = {
        {"i=19 board(4,3)=1\r\n color=16711680", "\n", "i=19 board(4,3)=1\n color=16711680"},
        {"i=19 board(4,3)=1\r\n color=16711680", "\r\n", "i=19 board(4,3)=1\r\n color=16711680"},
        {"a\rb\r\rc", "\r\n", "a\r\nb\r\n\r\nc"},
        {"a\rb\r\rc", "", "a\rb\r\rc"},
        {"\r\n\r\n", "\n", "\n\n"},
        {"move ther", "\n", "move ther"},
        {"", "\n", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(WithLineBreak(c.text, c.lineBreak), c.result) << c.text;
    EXPECT_EQ(ReplaceAll("a&b&", "&", "&amp;"), "a&amp;b&amp;");
}

TEST(PlatformText, TheFrontEndGetsItsOwnLineBreaks) {
    testing::RecordingWindow window;
    Game game(window, "\n");
    window.game = &game;
    game.Start();
    game.Menu(Command::HelpAbout);
    ASSERT_EQ(window.boxes.size(), 1u);
    EXPECT_EQ(window.boxes[0].prompt,
              "Quandrel1\nQuandrel Designer : Unknown\nProgram : Orvell\nJuly 19, 1999");
    window.Take();
    game.Key(KeyTarget::Form, 'd', false);
    EXPECT_EQ(window.Take().text1, "i=19 board(4,3)=1\n color=16711680");
    EXPECT_EQ(GameForTest(game).Text1, "i=19 board(4,3)=1\r\n color=16711680");
}

TEST(Boxes, NoInputReachesTheGameWhileABoxIsOpen) {
    for (const Command command : {Command::Object, Command::HelpSolv, Command::HelpAbout}) {
        LoadedGame loaded;
        GameForTest game(loaded.game);
        loaded.window.closeAtOnce = false;
        game.Menu(command);
        ASSERT_TRUE(game.boxOpen());
        const Board board = game.board;
        const Shapes shapes = game.shapes;
        loaded.window.Take();

        DragSingleRight(game);
        game.Mouse(At(MouseAction::Release, 0, 0, 1, 2, 0));  // would report a cell
        EXPECT_TRUE(game.Key(KeyTarget::Form, 27, false) == false);
        game.Key(KeyTarget::Form, 'd', false);
        game.Key(KeyTarget::Text1, 'q', true);
        for (const Command other : {Command::Reset, Command::Object, Command::Quit}) {
            game.Menu(other);
        }
        EXPECT_EQ(game.board, board);
        EXPECT_EQ(game.shapes, shapes);
        EXPECT_EQ(game.Text1, "");
        EXPECT_EQ(game.dragX, 0);
        EXPECT_EQ(loaded.window.ends, 0);
        EXPECT_EQ(loaded.window.boxes.size(), 1u);
        EXPECT_EQ(loaded.window.geometries.size(), 0u);
        EXPECT_TRUE(loaded.window.Take().empty()) << "nothing presented while the box is open";

        game.BoxClosed(kOk);
        EXPECT_FALSE(game.boxOpen());
        DragSingleRight(game);
        EXPECT_EQ(game.board, Parse(kSingleMoved)) << "input flows again once the box closes";
    }
}

TEST(Menus, ACommandOutsideTheMenuTreeDoesNothing) {
    for (const int command : {0, 6, 1000, -1}) {
        LoadedGame loaded;
        loaded.game.Menu(static_cast<Command>(command));
        EXPECT_TRUE(loaded.window.boxes.empty()) << command;
        EXPECT_TRUE(loaded.window.geometries.empty()) << command;
        EXPECT_EQ(loaded.window.ends, 0) << command;
    }
}

TEST(Boxes, ObjectPutsThePlayersBoardBackWhenItsBoxClosesWhateverTheResult) {
    for (const int result : {kOk, 2, 0}) {
        LoadedGame loaded;
        loaded.window.closeAtOnce = false;
        DragSingleRight(loaded.form);
        loaded.game.Menu(Command::Object);
        EXPECT_EQ(loaded.form.board, GoalLayout());
        EXPECT_TRUE(testing::ShowsBoard(loaded.form));
        loaded.game.BoxClosed(result);
        EXPECT_EQ(loaded.form.board, Parse(kSingleMoved)) << result;
        EXPECT_TRUE(testing::ShowsBoard(loaded.form)) << result;
        // A second report of the same box changes nothing.
        loaded.form.SetLayout(Parse(kStart));
        loaded.game.BoxClosed(result);
        EXPECT_EQ(loaded.form.board, Parse(kStart));
    }
}

TEST(Boxes, SolutionRedrawsOnlyWhenClosedWithOk) {
    for (const int result : {kOk, 2}) {
        LoadedGame loaded;
        loaded.window.closeAtOnce = false;
        loaded.game.Menu(Command::HelpSolv);
        loaded.form.DumpBoard();  // square 1 in the marker colour until the next DrawBoard
        loaded.game.BoxClosed(result);
        EXPECT_EQ(testing::ShowsBoard(loaded.form), result == kOk) << result;
    }
}

TEST(Ending, NoHandlerRunsAfterAnEndKeyOrQuit) {
    struct Case {
        const char* name;
        void (*end)(GameForTest&);
    };
    const Case cases[] = {
        {"Esc in the window",
         [](GameForTest& g) { EXPECT_TRUE(g.Key(KeyTarget::Form, 27, false)); }},
        {"Ctrl+C in the panel",
         [](GameForTest& g) { EXPECT_TRUE(g.Key(KeyTarget::Text1, 'c', true)); }},
        {"Quit", [](GameForTest& g) { g.Menu(Command::Quit); }},
    };
    for (const Case& c : cases) {
        LoadedGame loaded;
        GameForTest game(loaded.game);
        c.end(game);
        EXPECT_TRUE(game.ending()) << c.name;
        EXPECT_EQ(loaded.window.ends, 1) << c.name;

        DragSingleRight(game);
        game.Mouse({MouseAction::Release, 2, 0, 0, 10, 10, 1});
        EXPECT_TRUE(game.Key(KeyTarget::Form, 'd', false)) << c.name;
        game.Key(KeyTarget::Text1, 27, false);
        game.Menu(Command::Reset);
        game.Menu(Command::HelpAbout);
        game.Menu(Command::Quit);
        EXPECT_EQ(game.board, Parse(kStart)) << c.name;
        EXPECT_EQ(game.Text1, "") << c.name;
        EXPECT_EQ(loaded.window.ends, 1) << c.name;
        EXPECT_TRUE(loaded.window.boxes.empty()) << c.name;
        EXPECT_TRUE(loaded.window.geometries.empty()) << c.name;
    }
}

TEST(ScreenUpdates, NameTheChangedShapesAndEveryWriteOfThePanel) {
    LoadedGame loaded;
    GameForTest game(loaded.game);
    const ScreenUpdate startUp = loaded.window.Take();
    EXPECT_FALSE(startUp.text1);
    EXPECT_FALSE(startUp.repaint.empty()) << "start-up recolours the initial squares";
    game.Mouse(At(MouseAction::Move, 2, 1, 1, 0, 0));
    EXPECT_TRUE(loaded.window.Take().empty()) << "a move that changes nothing presents nothing";

    // A right click reports the cell; the same report again is a write again.
    for (int i = 0; i < 2; ++i) {
        game.Mouse(At(MouseAction::Press, 2, 1, 1, 2, 2));
        game.Mouse(At(MouseAction::Release, 2, 1, 1, 2, 0));
        const ScreenUpdate update = loaded.window.Take();
        EXPECT_TRUE(update.text1) << i;
        EXPECT_TRUE(update.repaint.empty()) << i;
        EXPECT_EQ(game.Text1, "board(2,1)=4");
    }
    // A step repaints the squares and outlines of the two cells it changes, in device pixels.
    loaded.window.pixelRatio = 2;
    DragSingleRight(game, 2);
    const ScreenUpdate step = loaded.window.Take();
    EXPECT_TRUE(step.text1);
    const std::vector<PixelRect> expected = {
        {420, 140, 562, 282}, {560, 140, 702, 282}, {434, 154, 548, 268}, {574, 154, 688, 268}};
    EXPECT_EQ(step.repaint, expected);
}

}  // namespace
}  // namespace quandrel
