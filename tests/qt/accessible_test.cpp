// The board as assistive technology reads it through QAccessible, in the real window offscreen.
#include <gtest/gtest.h>

#include <QAccessible>

#include "game/words.h"
#include "support/layout.h"
#include "window_support.h"

namespace quandrel {
namespace {

using testing::CellPoint;
using testing::Player;
using testing::ShownWindow;

TEST(Accessible, TheBoardIsATableOfFourRowsOfFiveNamedCells) {
    ShownWindow shown;
    QAccessibleInterface* board = QAccessible::queryAccessibleInterface(shown.window.board());
    ASSERT_NE(board, nullptr);
    EXPECT_EQ(board->role(), QAccessible::Table);
    EXPECT_EQ(board->text(QAccessible::Name), "Quandrel board");
    QAccessibleTableInterface* table = board->tableInterface();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->rowCount(), 4);
    EXPECT_EQ(table->columnCount(), 5);
    EXPECT_EQ(board->childCount(), 20);
    const Game& game = shown.window.game();
    for (int i = 0; i < 20; ++i) {
        QAccessibleInterface* cell = table->cellAt(i / 5, i % 5);
        ASSERT_NE(cell, nullptr);
        EXPECT_EQ(board->child(i), cell);
        EXPECT_EQ(board->indexOfChild(cell), i);
        EXPECT_EQ(cell->role(), QAccessible::ListItem) << "Orca reads a row of table cells";
        EXPECT_EQ(cell->text(QAccessible::Name).toStdString(), game.CellName(i));
        EXPECT_EQ(cell->tableCellInterface()->rowIndex(), i / 5);
        EXPECT_EQ(cell->tableCellInterface()->columnIndex(), i % 5);
        EXPECT_EQ(cell->parent(), board);
        const QRect square(shown.window.board()->mapToGlobal(QPoint(70 * (i % 5), 70 * (i / 5))),
                           QSize(71, 71));
        EXPECT_EQ(cell->rect(), square) << i;
        EXPECT_EQ(board->childAt(square.center().x(), square.center().y()), cell);
    }
    // Outside the table, an invalid cell rather than nullptr, which Qt's AT-SPI adaptor would use.
    for (const auto& [row, column] : {std::pair{4, 0}, {-1, 0}, {0, 5}, {9, 9}}) {
        QAccessibleInterface* outside = table->cellAt(row, column);
        ASSERT_NE(outside, nullptr);
        EXPECT_FALSE(outside->isValid());
        EXPECT_EQ(outside->tableCellInterface()->rowExtent(), 0);
        EXPECT_EQ(outside->text(QAccessible::Name), "");
    }
    EXPECT_EQ(board->focusChild(), nullptr) << "no cursor yet";
}

// The events that tell of these changes, and the words of a step (a notification), need a
// running accessibility bridge: the end-to-end tests over AT-SPI and with Orca hear them.
TEST(Accessible, TheFocusFollowsTheCursorAndCellsAreRenamedAfterAStep) {
    ShownWindow shown;
    QWidget* widget = shown.window.board();
    QAccessibleInterface* board = QAccessible::queryAccessibleInterface(widget);
    const auto focusedIndex = [&] {
        QAccessibleInterface* focused = board->focusChild();
        return focused ? board->indexOfChild(focused) : -1;
    };
    QTest::keyClick(widget, Qt::Key_Down);  // the cursor at (0, 0)
    EXPECT_EQ(focusedIndex(), 0);
    for (int i = 0; i < 3; ++i) QTest::keyClick(widget, Qt::Key_Right);
    QTest::keyClick(widget, Qt::Key_Down);
    EXPECT_EQ(focusedIndex(), 8);
    EXPECT_TRUE(board->child(8)->state().focused);
    EXPECT_FALSE(board->child(0)->state().focused);

    QTest::keyClick(widget, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(focusedIndex(), 9);
    EXPECT_EQ(board->child(8)->text(QAccessible::Name), "empty, column 4, row 2");
    EXPECT_EQ(board->child(9)->text(QAccessible::Name), "single block, column 5, row 2");

    Player{shown}.Press(CellPoint(0, 3));  // a press hides the cursor: no cell has the focus
    EXPECT_EQ(board->focusChild(), nullptr);
}

}  // namespace
}  // namespace quandrel
