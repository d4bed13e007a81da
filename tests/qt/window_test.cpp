// The real main window offscreen: its picture, menus, geometry, boxes and keys.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QMenuBar>
#include <QMessageBox>
#include <QPaintEvent>
#include <QPlainTextEdit>
#include <QRegularExpression>

#include "support/layout.h"
#include "window_support.h"

namespace quandrel {
namespace {

using testing::Bgr;
using testing::ShownWindow;

constexpr int kPitch = 70;  // pixels

// What the board must look like: the colour of the last square under each pixel, and the
// outline colour on the border of every visible outline.
QRect ToQRect(const TwipRect& twips) {
    const PixelRect r = ToPixels(twips, 1.0);
    return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

QImage ExpectedPicture(const Shapes& shapes, QColor outline, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    for (const Shape& square : shapes.Shape2) {
        const QRect rect = ToQRect(square.rect);
        for (int y = rect.top(); y <= rect.bottom() && y < size.height(); ++y) {
            for (int x = rect.left(); x <= rect.right() && x < size.width(); ++x) {
                image.setPixelColor(x, y, Bgr(square.fillColor));
            }
        }
    }
    for (const auto* array : {&shapes.Shape3, &shapes.Shape4, &shapes.Shape5, &shapes.Shape6}) {
        for (const Shape& shape : *array) {
            if (!shape.visible) continue;
            const QRect r = ToQRect(shape.rect);
            for (int x = r.left(); x <= r.right(); ++x) {
                for (const int y : {r.top(), r.bottom()}) {
                    if (QRect(QPoint(), size).contains(x, y)) image.setPixelColor(x, y, outline);
                }
            }
            for (int y = r.top(); y <= r.bottom(); ++y) {
                for (const int x : {r.left(), r.right()}) {
                    if (QRect(QPoint(), size).contains(x, y)) image.setPixelColor(x, y, outline);
                }
            }
        }
    }
    return image;
}

void ExpectPictureShowsBoard(ShownWindow& shown) {
    const QImage picture = shown.Picture();
    const GameForTest game(shown.window.game());
    const QColor outline = shown.window.board()->palette().color(QPalette::WindowText);
    // Cell centres carry the cell colour.
    for (int i = 0; i < kCells; ++i) {
        const QColor centre = picture.pixelColor(35 + kPitch * (i % 5), 35 + kPitch * (i / 5));
        EXPECT_EQ(centre, Bgr(ShapeColor(game.color[static_cast<std::size_t>(
                              game.board.cells[static_cast<std::size_t>(i)])])))
            << "cell " << i;
    }
    // Every pixel of the board: outlines where shown, the square colour elsewhere.
    const QSize board(4 * kPitch + 71, 3 * kPitch + 71);
    ASSERT_GE(picture.width(), board.width());
    ASSERT_GE(picture.height(), board.height());
    const QImage expected = ExpectedPicture(game.shapes, outline, board);
    int wrong = 0;
    for (int y = 0; y < board.height(); ++y) {
        for (int x = 0; x < board.width(); ++x) {
            if (picture.pixelColor(x, y) != expected.pixelColor(x, y) && ++wrong <= 5) {
                ADD_FAILURE() << "pixel " << x << "," << y << " is "
                              << picture.pixelColor(x, y).name().toStdString() << ", expected "
                              << expected.pixelColor(x, y).name().toStdString();
            }
        }
    }
    EXPECT_EQ(wrong, 0);
}

TEST(Window, StartUpPictureShowsTheLayout) {
    ShownWindow shown;
    const QImage picture = shown.Picture();
    // A shown outline: the single block at cell 4 has its border at (7 + 280, 7).
    const QColor outline = shown.window.board()->palette().color(QPalette::WindowText);
    EXPECT_EQ(picture.pixelColor(287, 30), outline);
    // Hidden: no outline at the empty cell 9.
    EXPECT_EQ(picture.pixelColor(287, 100), QColor(Qt::black));
    EXPECT_EQ(picture.pixelColor(287, 30 + kPitch), picture.pixelColor(290, 100));
    ExpectPictureShowsBoard(shown);
}

TEST(Window, PictureFollowsOtherBoards) {
    for (const char* layout :
         {"00000 00067 00089 00000", "11000 00674 02895 23231", "23231 67410 89510 23231"}) {
        ShownWindow shown;
        GameForTest(shown.window.game()).SetLayout(testing::Parse(layout));
        SCOPED_TRACE(layout);
        ExpectPictureShowsBoard(shown);
    }
}

// Records the regions a widget repaints.
class PaintRecorder : public QObject {
  public:
    QRegion painted;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) painted += static_cast<QPaintEvent*>(event)->region();
        return false;
    }
};

TEST(Window, AMoveRepaintsOnlyTheCellsItChanges) {
    ShownWindow shown;
    PaintRecorder recorder;
    shown.window.board()->installEventFilter(&recorder);
    QApplication::processEvents();
    recorder.painted = QRegion();
    testing::Player{shown}.Drag(Move{kSingle, 4, 0, 0, 1});
    QApplication::processEvents();
    const QRegion painted = recorder.painted;
    EXPECT_TRUE(painted.contains(QPoint(35 + 4 * kPitch, 35)));
    EXPECT_TRUE(painted.contains(QPoint(35 + 4 * kPitch, 35 + kPitch)));
    for (const QPoint unchanged : {QPoint(35, 35), QPoint(35 + 2 * kPitch, 35 + kPitch),
                                   QPoint(35 + 3 * kPitch, 35 + 3 * kPitch)}) {
        EXPECT_FALSE(painted.contains(unchanged)) << unchanged.x() << "," << unchanged.y();
    }
    ExpectPictureShowsBoard(shown);
}

TEST(Window, TitleGeometryPanelAndFocus) {
    ShownWindow shown;
    EXPECT_EQ(shown.window.windowTitle(), " Quandrel");
    // Offscreen there is no frame: the outer bounds are the window's own.
    EXPECT_EQ(shown.window.frameGeometry(), QRect(13, 13, 362, 330));

    QPlainTextEdit* text1 = shown.window.Text1();
    EXPECT_EQ(text1->geometry(), QRect(7, 350, 239, 171));
    EXPECT_EQ(text1->font().family(), "MS Sans Serif");
    EXPECT_EQ(text1->font().pointSize(), 12);
    EXPECT_EQ(text1->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(text1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_GT(text1->y(), shown.window.board()->height()) << "below the visible client area";
    EXPECT_TRUE(shown.window.board()->hasFocus());
    EXPECT_FALSE(text1->hasFocus());
}

TEST(Window, MapsFirstAndPaintsWithMenuBarPanelAndIcon) {
    frmQuandrel window;
    window.onEnd = [] {};
    EXPECT_EQ(window.menuWidget(), nullptr) << "no fonts to load before the window is mapped";
    EXPECT_EQ(window.findChild<QPlainTextEdit*>("Text1"), nullptr);
    struct FirstPaint : QObject {
        frmQuandrel& window;
        bool painted = false, complete = false;
        explicit FirstPaint(frmQuandrel& w) : window(w) {}
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Paint && !painted) {
                painted = true;
                complete = window.menuWidget() != nullptr && !window.windowIcon().isNull() &&
                           window.findChild<QPlainTextEdit*>("Text1") != nullptr &&
                           window.board()->y() == window.menuWidget()->height();
            }
            return false;
        }
    } first(window);
    window.board()->installEventFilter(&first);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QApplication::processEvents();
    EXPECT_TRUE(first.painted);
    EXPECT_TRUE(first.complete) << "the first paint shows the board below the menu bar";
    EXPECT_EQ(window.focusWidget(), window.board()) << "the keys go to the board";
}

TEST(Window, MenuBarEntriesAndOrder) {
    ShownWindow shown;
    const auto entries = shown.window.menuBar()->actions();
    ASSERT_EQ(entries.size(), 3);
    EXPECT_EQ(entries[0]->text(), "&File");
    EXPECT_EQ(entries[1]->text(), "&Help");
    EXPECT_EQ(entries[2]->text(), "&Quit");
    EXPECT_EQ(entries[2]->menu(), nullptr) << "Quit is a command on the bar";
    ASSERT_NE(entries[0]->menu(), nullptr);
    ASSERT_NE(entries[1]->menu(), nullptr);
    QStringList file, help;
    for (QAction* a : entries[0]->menu()->actions()) file << a->text() + "=" + a->objectName();
    for (QAction* a : entries[1]->menu()->actions()) help << a->text() + "=" + a->objectName();
    EXPECT_EQ(file, QStringList({"&Reset=mnuReset"}));
    EXPECT_EQ(help, QStringList({"&About Quandrel=mnuHelpAbout", "&Object=mnuObject",
                                 "&Solution=mnuHelpSolv"}));
    for (QAction* a : entries[1]->menu()->actions()) EXPECT_TRUE(a->shortcut().isEmpty());
}

TEST(Window, NoMenuActionIsMovedByItsRole) {
    ShownWindow shown;
    const auto actions = shown.window.findChildren<QAction*>(QRegularExpression("^mnu"));
    EXPECT_EQ(actions.size(), 5);
    for (const QAction* action : actions) {
        EXPECT_EQ(action->menuRole(), QAction::NoRole) << action->objectName().toStdString();
    }
}

TEST(Window, QuitOnTheBarTriggersWithoutOpeningAMenu) {
    ShownWindow shown;
    QMenuBar* bar = shown.window.menuBar();
    auto* quit = shown.window.findChild<QAction*>(QStringLiteral("mnuQuit"));
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(quit).center());
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_EQ(shown.ends, 1);
}

enum class CloseBy { Ok, Enter, Escape, CloseButton };

void Close(QWidget* box, CloseBy how) {
    switch (how) {
        case CloseBy::Ok: static_cast<QMessageBox*>(box)->button(QMessageBox::Ok)->click(); break;
        case CloseBy::Enter: QTest::keyClick(box, Qt::Key_Return); break;
        case CloseBy::Escape: QTest::keyClick(box, Qt::Key_Escape); break;
        case CloseBy::CloseButton: box->close(); break;
    }
}

TEST(Window, ObjectBoxShowsTheGoalUntilItClosesHoweverItCloses) {
    for (const CloseBy how : {CloseBy::Ok, CloseBy::Enter, CloseBy::Escape, CloseBy::CloseButton}) {
        ShownWindow shown;
        GameForTest game(shown.window.game());
        game.MoveSingle(4, 0, 0, 1);
        const Board before = game.board;
        bool opened = false;
        testing::WhenBoxOpens([&](QWidget* box) {
            opened = true;
            EXPECT_EQ(box->windowTitle(), "Object");
            EXPECT_EQ(static_cast<QMessageBox*>(box)->text(),
                      "The object is to get the large block to the other side.");
            EXPECT_EQ(static_cast<QMessageBox*>(box)->icon(), QMessageBox::NoIcon);
            EXPECT_EQ(game.board, GoalLayout());
            const QImage picture = shown.Picture();
            EXPECT_EQ(picture.pixelColor(35 + 3 * kPitch, 35 + kPitch), Bgr(192));
            EXPECT_EQ(picture.pixelColor(35, 35), QColor(Qt::black));
            Close(box, how);
        });
        shown.window.findChild<QAction*>("mnuObject")->trigger();
        EXPECT_TRUE(shown.window.game().boxOpen()) << "the command waited for the box";
        EXPECT_TRUE(testing::BoxHasClosed(opened));
        EXPECT_EQ(game.board, before);
        EXPECT_EQ(shown.Picture().pixelColor(35 + 4 * kPitch, 35 + kPitch), Bgr(0xFF0000));
    }
}

TEST(Window, SolutionAndAboutBoxesShowTheirLines) {
    struct Case {
        const char* action;
        const char* title;
        const char* text;
    };
    const Case cases[] = {
        {"mnuHelpSolv", "There Is No Help",
         "The author of this program  does not know how to solve this quandrel.\n"
         "But it is possable."},
        {"mnuHelpAbout", "About Quandrel1",
         "Quandrel1\nQuandrel Designer : Unknown\nProgram : Orvell\nJuly 19, 1999"},
    };
    for (const Case& c : cases) {
        for (const CloseBy how : {CloseBy::Ok, CloseBy::Escape, CloseBy::CloseButton}) {
            ShownWindow shown;
            bool opened = false;
            testing::WhenBoxOpens([&](QWidget* box) {
                opened = true;
                auto* message = static_cast<QMessageBox*>(box);
                EXPECT_EQ(message->windowTitle(), c.title);
                EXPECT_EQ(message->text(), c.text);
                EXPECT_EQ(message->buttons().size(), 1);
                // Read by a screen reader as an alert, its prompt as its text.
                QAccessibleInterface* alert = QAccessible::queryAccessibleInterface(box);
                EXPECT_EQ(alert->role(), QAccessible::AlertMessage);
                EXPECT_EQ(alert->text(QAccessible::Value), c.text);
                Close(box, how);
            });
            shown.window.findChild<QAction*>(c.action)->trigger();
            EXPECT_TRUE(shown.window.game().boxOpen()) << "the command waited for the box";
            EXPECT_TRUE(testing::BoxHasClosed(opened)) << c.action;
            EXPECT_EQ(GameForTest(shown.window.game()).board, InitialLayout());
        }
    }
}

TEST(Window, ResetRestoresBoardAndGeometry) {
    ShownWindow shown;
    GameForTest(shown.window.game()).MoveSingle(4, 0, 0, 1);
    shown.window.setGeometry(100, 120, 500, 600);
    shown.window.findChild<QAction*>("mnuReset")->trigger();
    EXPECT_EQ(GameForTest(shown.window.game()).board, InitialLayout());
    EXPECT_EQ(shown.window.frameGeometry(), QRect(13, 13, 362, 330));
    ExpectPictureShowsBoard(shown);
}

TEST(Window, KeysReachTheWindowAndThePanelWithTheirCodes) {
    // Platforms differ in the text they send with Ctrl: a control character, the letter, or none.
    struct Case {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char* text;
        bool ends;
    };
    const Case cases[] = {{Qt::Key_Escape, {}, "\x1b", true},
                          {Qt::Key_Escape, {}, "", true},
                          {Qt::Key_Q, Qt::ControlModifier, "\x11", true},
                          {Qt::Key_Q, Qt::ControlModifier, "", true},
                          {Qt::Key_C, Qt::ControlModifier, "\x03", true},
                          {Qt::Key_C, Qt::ControlModifier, "c", true},
                          {Qt::Key_X, Qt::ControlModifier, "", true},
                          {Qt::Key_Q, {}, "q", false},
                          {Qt::Key_D, Qt::ShiftModifier, "D", false},
                          {Qt::Key_A, Qt::ControlModifier, "", false}};
    for (const Case& c : cases) {
        for (const bool panel : {false, true}) {
            ShownWindow shown;
            QWidget* target =
                panel ? static_cast<QWidget*>(shown.window.Text1()) : shown.window.board();
            target->setFocus();
            shown.window.Text1()->setPlainText("kept");
            QKeyEvent press(QEvent::KeyPress, c.key, c.modifiers, QString::fromLatin1(c.text));
            QApplication::sendEvent(target, &press);
            SCOPED_TRACE(std::string(c.text) + (panel ? " to the panel" : " to the window"));
            EXPECT_EQ(shown.ends, c.ends ? 1 : 0);
            EXPECT_EQ(GameForTest(shown.window.game()).shapes.Shape2[1].fillColor, 49152u)
                << "no dump";
            if (c.ends) {
                EXPECT_EQ(shown.window.Text1()->toPlainText(), "kept");
                EXPECT_FALSE(shown.window.isVisible());
            }
        }
    }
}

TEST(Window, LowerCaseDDumpsTheBoardFromTheWindowOnly) {
    ShownWindow shown;
    QTest::keyClick(shown.window.board(), Qt::Key_D);
    EXPECT_EQ(shown.window.Text1()->toPlainText(), "i=19 board(4,3)=1\n color=16711680");
    EXPECT_EQ(shown.Picture().pixelColor(35 + kPitch, 35), QColor(Qt::yellow));

    ShownWindow panel;
    QTest::mouseClick(panel.window.Text1()->viewport(), Qt::LeftButton);
    EXPECT_TRUE(panel.window.Text1()->hasFocus());
    QTest::keyClick(panel.window.Text1(), Qt::Key_D);
    EXPECT_EQ(panel.window.Text1()->toPlainText(), "d") << "the panel's own handling";
    EXPECT_EQ(GameForTest(panel.window.game()).shapes.Shape2[1].fillColor, 49152u);
}

}  // namespace
}  // namespace quandrel
