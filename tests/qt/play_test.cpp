// The game played to its goal through the real window, with mouse events only.
#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QPlainTextEdit>

#include "input/drag_grid.h"
#include "model/solver.h"
#include "support/layout.h"
#include "window_support.h"

namespace quandrel {
namespace {

using testing::CellPoint;
using testing::Player;
using testing::ShownWindow;

TEST(Play, AShortestSolutionByDragsReachesTheGoalAndTheBigBlockComesBack) {
    ShownWindow shown;
    Player player{shown};
    GameForTest game(shown.window.game());
    const auto solution = ShortestSolution(game.board, Goal::Edge);
    ASSERT_TRUE(solution.has_value());
    for (std::size_t i = 0; i < solution->size(); ++i) {
        const Board before = game.board;
        player.Drag((*solution)[i]);
        ASSERT_NE(game.board, before) << "step " << i << " was not made by its drag";
        ASSERT_FALSE(IsGoal(game.board, Goal::Edge) && i + 1 < solution->size());
    }
    EXPECT_TRUE(IsGoal(game.board, Goal::Edge));
    int bigColumn = -1;
    for (int y = 0; y < kRows; ++y) {
        for (int x = 0; x < kColumns; ++x) {
            if (game.board(x, y) == kBigTopLeft) bigColumn = x;
        }
    }
    EXPECT_EQ(bigColumn, 3);

    // Drag the big block away again, by any step that takes it off the goal.
    Board board = game.board;
    bool movedAway = false;
    ForEachMove(board, [&](const Move& move, const Board& next) {
        if (!movedAway && PartOf(move.code)->anchor == kBigTopLeft && !IsGoal(next, Goal::Edge)) {
            player.Drag(move);
            movedAway = true;
        }
    });
    ASSERT_TRUE(movedAway) << "the goal layout from the solution lets the big block leave";
    EXPECT_FALSE(IsGoal(game.board, Goal::Edge));
    EXPECT_TRUE(shown.window.Text1()->toPlainText().startsWith("you moved a big"));
}

TEST(Play, OnePressCarriesABlockThereAndBack) {
    ShownWindow shown;
    Player player{shown};
    GameForTest game(shown.window.game());
    player.Press(CellPoint(3, 1));
    player.MoveTo(CellPoint(4, 1));
    EXPECT_EQ(game.board(4, 1), kSingle);
    player.MoveTo(CellPoint(3, 1));
    EXPECT_EQ(game.board, InitialLayout());
    player.Release(CellPoint(3, 1));
    EXPECT_EQ(shown.window.Text1()->toPlainText(), "move ther");

    // Right-button release reports the anchor cell, not the release point.
    player.Press(CellPoint(2, 1), Qt::RightButton);
    player.Release(CellPoint(0, 0), Qt::RightButton);
    EXPECT_EQ(shown.window.Text1()->toPlainText(), "board(2,1)=4");
}

TEST(Play, ThePanelShowsTheMoveTraceThatReplacedTheDragTrace) {
    ShownWindow shown;
    Player player{shown};
    player.Drag(Move{kSingle, 4, 0, 0, 1});
    player.Press(CellPoint(2, 0));  // the wide block by its left cell, the pointer two cells on
    player.MoveTo(CellPoint(4, 0));
    player.Release(CellPoint(4, 0));
    EXPECT_EQ(GameForTest(shown.window.game()).board, testing::Parse("23023 67411 89510 23231"));
    EXPECT_EQ(shown.window.Text1()->toPlainText(), "you moved a wide\nX = 2\nY = 0\nDirX= 1DirY=0");
}

TEST(Play, PressesThePanelIgnoresDoNotReachTheForm) {
    for (const Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
        ShownWindow shown;
        GameForTest game(shown.window.game());
        game.Form_MouseDown(1, 0, 111.0f, 222.0f);
        QWidget* viewport = shown.window.Text1()->viewport();
        for (QWidget* target : {viewport, static_cast<QWidget*>(shown.window.Text1())}) {
            const QPointF at(1, 1);
            QMouseEvent press(QEvent::MouseButtonPress, at, target->mapToGlobal(at), button, button,
                              Qt::NoModifier);
            QApplication::sendEvent(target, &press);
            QMouseEvent release(QEvent::MouseButtonRelease, at, target->mapToGlobal(at), button,
                                Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(target, &release);
        }
        EXPECT_EQ(game.dragX, 111) << button;
        EXPECT_EQ(game.dragY, 222) << button;
        EXPECT_EQ(game.Text1, "") << "no cell report";
    }
}

TEST(Play, TheSecondPressOfADoubleClickMovesTheAnchor) {
    ShownWindow shown;
    GameForTest game(shown.window.game());
    const QPoint at = CellPoint(3, 1);
    QMouseEvent doubleClick(QEvent::MouseButtonDblClick, at, shown.window.board()->mapToGlobal(at),
                            Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(shown.window.board(), &doubleClick);
    EXPECT_EQ(AnchorColumn(game.dragX), 3);
    EXPECT_EQ(AnchorRow(game.dragY), 1);
}

TEST(Play, TheDragFollowsThePointerOutsideTheWindow) {
    ShownWindow shown;
    Player player{shown};
    GameForTest game(shown.window.game());
    game.SetLayout(testing::Parse("01000 00000 00000 00000"));
    player.Press(CellPoint(1, 0));
    player.MoveTo(QPoint(-10, CellPoint(0, 0).y()));  // left of the client area: column 0
    EXPECT_EQ(game.board(0, 0), kSingle);
    player.Release(QPoint(-10, 30));
}

}  // namespace
}  // namespace quandrel

namespace quandrel {
namespace {

TEST(Play, TheSameReportAgainReplacesWhatWasTypedIntoThePanel) {
    ShownWindow shown;
    Player player{shown};
    QPlainTextEdit* panel = shown.window.Text1();
    for (int i = 0; i < 2; ++i) {
        player.Press(CellPoint(2, 1), Qt::RightButton);
        player.Release(CellPoint(2, 1), Qt::RightButton);
        EXPECT_EQ(panel->toPlainText(), "board(2,1)=4") << i;
        panel->setFocus();
        QTest::keyClicks(panel, "typed");
        ASSERT_NE(panel->toPlainText(), "board(2,1)=4");
    }
}

TEST(Keyboard, ArrowsOnTheBoardShowAndMoveTheRingAndShiftArrowsStepTheBlock) {
    ShownWindow shown;
    QWidget* board = shown.window.board();
    ASSERT_EQ(QApplication::focusWidget(), board);
    const auto ringAt = [&](int column, int row) {
        const QImage picture = shown.Picture();
        return picture.pixelColor(70 * column + 5, 70 * row + 35) == QColor(Qt::white) &&
               picture.pixelColor(70 * column + 8, 70 * row + 35) == QColor(Qt::black);
    };
    QTest::keyClick(board, Qt::Key_Down);  // shows the ring at (0, 0)
    EXPECT_TRUE(QTest::qWaitFor([&] { return ringAt(0, 0); }));
    for (int i = 0; i < 3; ++i) QTest::keyClick(board, Qt::Key_Right);
    QTest::keyClick(board, Qt::Key_Down);
    EXPECT_TRUE(QTest::qWaitFor([&] { return ringAt(3, 1); }));
    EXPECT_FALSE(ringAt(0, 0));
    QTest::keyClick(board, Qt::Key_Right, Qt::ShiftModifier);
    GameForTest game(shown.window.game());
    EXPECT_EQ(game.board, testing::Parse("23231 67401 89510 23231"));
    EXPECT_EQ(shown.window.Text1()->toPlainText(), "move ther");
    EXPECT_TRUE(QTest::qWaitFor([&] { return ringAt(4, 1); })) << "the ring follows the block";
    // A press hides it.
    Player{shown}.Press(CellPoint(0, 3));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !ringAt(4, 1); }));
}

TEST(Keyboard, TabAndShiftTabGoBetweenTheBoardAndTheNamedPanel) {
    ShownWindow shown;
    QWidget* board = shown.window.board();
    EXPECT_EQ(board->accessibleName(), "Quandrel board");
    EXPECT_EQ(shown.window.Text1()->accessibleName(), "Trace");
    QTest::keyClick(board, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), shown.window.Text1());
    QTest::keyClick(shown.window.Text1(), Qt::Key_Left);  // the panel's own: no cursor appears
    EXPECT_EQ(shown.window.game().cursorCell(), std::nullopt);
    QTest::keyClick(shown.window.Text1(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), board);
}

}  // namespace
}  // namespace quandrel
