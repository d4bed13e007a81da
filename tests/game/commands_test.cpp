// Menu commands, message boxes and keys, with a window that records what it is asked.
#include <gtest/gtest.h>

#include "support/layout.h"
#include "support/recording_window.h"

namespace quandrel {
namespace {

using testing::LoadedGame;
using testing::Parse;

TEST(Reset, BringsBackLayoutColoursAndGeometryButKeepsPanelAndAnchor) {
    LoadedGame loaded;
    GameForTest game(loaded.game);
    game.Form_MouseDown(1, 0, 518.0f, 189.0f);
    game.Form_MouseMove(1, 0, 666.0f, 189.0f);
    ASSERT_NE(game.board, InitialLayout());
    game.SetColor(3, 1);
    const std::string panel = game.Text1;

    game.mnuReset_Click();
    EXPECT_EQ(game.board, InitialLayout());
    EXPECT_EQ(game.color[3], 49152);
    EXPECT_EQ(game.dragX, 666);
    EXPECT_EQ(game.dragY, 189);
    EXPECT_EQ(game.Text1, panel);
    EXPECT_EQ(loaded.window.geometries.back(), (std::array<int, 4>{200, 200, 5430, 4950}));
    EXPECT_EQ(game.shapes.Shape5[9].visible, false);
    EXPECT_EQ(game.shapes.Shape5[8].visible, true);
}

TEST(Object, ShowsTheGoalWhileTheBoxIsOpenAndRestoresTheBoard) {
    const char* boards[] = {
        "23231 67410 89510 23231",
        "23231 23067 23089 11400",  // big block already at the goal
        "23231 67401 89510 23231",
        "00000 00000 00000 00000",
    };
    for (const char* layout : boards) {
        for (const int result : {1, 2}) {
            LoadedGame loaded;
            loaded.window.boxResult = result;
            loaded.form.SetLayout(Parse(layout));
            loaded.form.SetText1("unchanged");
            loaded.form.mnuObject_Click();
            ASSERT_EQ(loaded.window.boxes.size(), 1u);
            const auto& box = loaded.window.boxes[0];
            EXPECT_EQ(box.boardWhileOpen, Parse("00000 00067 00089 00000")) << layout;
            EXPECT_EQ(box.shapesWhileOpen,
                      testing::Drawn(loaded.form.shapes, box.boardWhileOpen, loaded.form.color));
            EXPECT_EQ(box.title, "Object");
            EXPECT_EQ(box.prompt, "The object is to get the large block to the other side.");
            EXPECT_EQ(box.flags, 0);
            EXPECT_EQ(loaded.form.board, Parse(layout)) << layout;
            EXPECT_TRUE(testing::ShowsBoard(loaded.form));
            EXPECT_EQ(loaded.form.Text1, "unchanged");
        }
    }
}

TEST(MessageBoxes, SolutionAndAboutShowTheirTextsAndRedraw) {
    struct Case {
        void (GameForTest::*click)();
        const char* title;
        const char* prompt;
    };
    const Case cases[] = {
        {&GameForTest::mnuHelpSolv_Click, "There Is No Help",
         "The author of this program  does not know how to solve this quandrel.\r"
         "But it is possable."},
        {&GameForTest::mnuHelpAbout_Click, "About Quandrel1",
         "Quandrel1\rQuandrel Designer : Unknown\rProgram : Orvell\rJuly 19, 1999"},
    };
    for (const Case& c : cases) {
        LoadedGame loaded;
        loaded.form.SetLayout(Parse("00000 00067 00089 00000"));
        const Shapes before = loaded.form.shapes;
        (loaded.form.*c.click)();
        ASSERT_EQ(loaded.window.boxes.size(), 1u);
        EXPECT_EQ(loaded.window.boxes[0].title, c.title);
        EXPECT_EQ(loaded.window.boxes[0].prompt, c.prompt);
        EXPECT_EQ(loaded.window.boxes[0].flags, 0);
        EXPECT_EQ(loaded.window.boxes[0].shapesWhileOpen, before);
        EXPECT_TRUE(testing::ShowsBoard(loaded.form)) << "redrawn after the box";
        EXPECT_EQ(loaded.form.board, Parse("00000 00067 00089 00000"));
    }
}

TEST(Keys, EndKeysEndFromBothHandlersAndNothingElseRuns) {
    struct Case {
        int KeyAscii;
        bool formEnds;
        bool formDumps;
        bool panelEnds;
    };
    const Case cases[] = {
        {27, true, false, true},    {17, true, false, true},   {3, true, false, true},
        {24, true, false, true},    {100, false, true, false}, {68, false, false, false},
        {113, false, false, false}, {0, false, false, false},  {13, false, false, false},
    };
    for (const Case& c : cases) {
        LoadedGame form;
        const Shapes shapes = form.form.shapes;
        form.form.Form_KeyPress(static_cast<std::int16_t>(c.KeyAscii));
        EXPECT_EQ(form.window.ends, c.formEnds ? 1 : 0) << c.KeyAscii;
        EXPECT_EQ(form.form.Text1, c.formDumps ? "i=19 board(4,3)=1\r\n color=16711680" : "")
            << c.KeyAscii;
        EXPECT_EQ(form.form.shapes != shapes, c.formDumps) << c.KeyAscii;

        LoadedGame panel;
        const Shapes panelShapes = panel.form.shapes;
        panel.form.Text1_KeyPress(static_cast<std::int16_t>(c.KeyAscii));
        EXPECT_EQ(panel.window.ends, c.panelEnds ? 1 : 0) << c.KeyAscii;
        EXPECT_EQ(panel.form.Text1, "") << c.KeyAscii;
        EXPECT_EQ(panel.form.shapes, panelShapes) << c.KeyAscii;
    }
}

TEST(Quit, EndsTheProgram) {
    LoadedGame loaded;
    loaded.form.mnuQuit_Click();
    EXPECT_EQ(loaded.window.ends, 1);
    EXPECT_TRUE(loaded.window.boxes.empty());
}

}  // namespace
}  // namespace quandrel
