// The game played to its goal through the real window, with mouse events only.
#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QPlainTextEdit>

#include "input/drag_grid.h"
#include "model/solver.h"
#include "window_support.h"

namespace quandrel {
namespace {

using testing::ShownWindow;

// A client-area pixel that the drag grid maps to (column, row), both as anchor and as pointer.
QPoint CellPoint(int column, int row) {
    const double x = (148.0 * column + 74.0) * kTwipsPerUnitX / 15.0;
    const double y = (126.0 * row + 63.0) * kTwipsPerUnitY / 15.0;
    return QPoint(qRound(x), qRound(y));
}

struct Player {
    ShownWindow& shown;
    QWindow* handle() { return shown.window.windowHandle(); }

    void Press(QPoint client, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mousePress(handle(), button, {}, shown.InWindow(client));
    }
    void MoveTo(QPoint client) { QTest::mouseMove(handle(), shown.InWindow(client)); }
    void Release(QPoint client, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseRelease(handle(), button, {}, shown.InWindow(client));
    }
    // One step of the block grabbed at (X, Y) toward (X + DirX, Y + DirY).
    void Drag(const Move& move) {
        const QPoint from = CellPoint(move.X, move.Y);
        const QPoint to = CellPoint(move.X + move.DirX, move.Y + move.DirY);
        Press(from);
        MoveTo(to);
        Release(to);
    }
};

TEST(Play, AShortestSolutionByDragsReachesTheGoalAndTheBigBlockComesBack) {
    ShownWindow shown;
    Player player{shown};
    Game& game = shown.window.game();
    const auto solution = ShortestSolution(game.board);
    ASSERT_TRUE(solution.has_value());
    for (std::size_t i = 0; i < solution->size(); ++i) {
        const Board before = game.board;
        player.Drag((*solution)[i]);
        ASSERT_NE(game.board, before) << "step " << i << " was not made by its drag";
        ASSERT_FALSE(IsGoal(game.board) && i + 1 < solution->size());
    }
    EXPECT_TRUE(IsGoal(game.board));
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
        if (!movedAway && PartOf(move.code)->anchor == kBigTopLeft && !IsGoal(next)) {
            player.Drag(move);
            movedAway = true;
        }
    });
    ASSERT_TRUE(movedAway) << "the goal layout from the solution lets the big block leave";
    EXPECT_FALSE(IsGoal(game.board));
    EXPECT_TRUE(shown.window.Text1()->toPlainText().startsWith("you moved a big"));
}

TEST(Play, OnePressCarriesABlockThereAndBack) {
    ShownWindow shown;
    Player player{shown};
    Game& game = shown.window.game();
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

TEST(Play, TheSecondPressOfADoubleClickMovesTheAnchor) {
    ShownWindow shown;
    Game& game = shown.window.game();
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
    Game& game = shown.window.game();
    game.board = Board{};
    game.board(1, 0) = kSingle;
    game.DrawBoard();
    player.Press(CellPoint(1, 0));
    player.MoveTo(QPoint(-10, CellPoint(0, 0).y()));  // left of the client area: column 0
    EXPECT_EQ(game.board(0, 0), kSingle);
    player.Release(QPoint(-10, 30));
}

}  // namespace
}  // namespace quandrel
