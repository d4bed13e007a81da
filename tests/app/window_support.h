// The real main window, shown offscreen, with helpers to read its picture and send it input.
#pragma once

#include <QApplication>
#include <QImage>
#include <QTest>
#include <QTimer>
#include <functional>

#include "app/frm_quandrel.h"

namespace quandrel::testing {

struct ShownWindow {
    frmQuandrel window;
    int ends = 0;

    ShownWindow() {
        window.onEnd = [this] { ++ends; };
        window.show();
        QApplication::setActiveWindow(&window);
        (void)QTest::qWaitForWindowExposed(&window);
    }

    QImage Picture() { return window.board()->grab().toImage(); }

    // A point of the client area, in the window's coordinates.
    QPoint InWindow(QPoint client) const { return window.board()->mapTo(&window, client); }
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

// Colour of a 0x00BBGGRR value.
inline QColor Bgr(std::uint32_t bgr) {
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

}  // namespace quandrel::testing
