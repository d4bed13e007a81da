// The real main window, shown offscreen, with helpers to read its picture and send it input.
#pragma once

#include <QApplication>
#include <QImage>
#include <QTest>
#include <QTimer>
#include <functional>

#include "input/drag_grid.h"
#include "model/solver.h"
#include "qt/frm_quandrel.h"
#include "support/game_for_test.h"
#include "support/points.h"

namespace quandrel::testing {

struct ShownWindow {
    frmQuandrel window;
    int ends = 0;

    ShownWindow() {
        window.onEnd = [this] { ++ends; };
        window.show();
        QApplication::setActiveWindow(&window);
        (void)QTest::qWaitForWindowExposed(&window);
        QApplication::processEvents();  // what comes with the first exposure: menus and panel
    }

    QImage Picture() { return window.board()->grab().toImage(); }

    // A point of the client area, in the window's coordinates.
    QPoint InWindow(QPoint client) const { return window.board()->mapTo(&window, client); }
};

// A client-area pixel that the drag grid maps to (column, row), both as anchor and as pointer.
inline QPoint CellPoint(int column, int row) {
    const Point at = DragPoint(column, row);
    return QPoint(qRound(at.x), qRound(at.y));
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

// Runs `inspect` with the next modal box once it is open.
inline void WhenBoxOpens(std::function<void(QWidget*)> inspect) {
    QTimer::singleShot(0, [inspect] {
        QWidget* box = QApplication::activeModalWidget();
        if (box == nullptr) {
            WhenBoxOpens(inspect);
            return;
        }
        inspect(box);
    });
}

// Runs the event loop until the box that `opened` tells of has opened and closed again.
inline bool BoxHasClosed(const bool& opened) {
    return QTest::qWaitFor([&] { return opened && QApplication::activeModalWidget() == nullptr; });
}

// Colour of a 0x00BBGGRR value.
inline QColor Bgr(std::uint32_t bgr) {
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

}  // namespace quandrel::testing
