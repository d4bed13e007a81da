#include "qt/outer_geometry.h"

#include <QEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QWindow>

#include "game/form_layout.h"

namespace quandrel {

OuterGeometry::OuterGeometry(QMainWindow& window) : window_(window) {
    window_.installEventFilter(this);
    timer_.setInterval(50);
    connect(&timer_, &QTimer::timeout, this, [this] {
        --checksLeft_;
        Follow();
    });
}

void OuterGeometry::Set(QRect outer) {
    outer_ = outer;
    checksLeft_ = kChecks;
    if (window_.isVisible()) timer_.start();
    if (Framed() || FrameMargins().isNull()) {
        Apply();
        return;
    }
    // Coming back from maximized: wait for the normal frame's margins, so that no request made
    // with the maximized ones reaches the window manager after the right one.
    window_.showNormal();
    applied_ = FrameMargins();
    pending_ = true;
}

bool OuterGeometry::Framed() const {
    return !(window_.isMaximized() || window_.isMinimized() || window_.isFullScreen());
}

QMargins OuterGeometry::FrameMargins() const {
    const QWindow* handle = window_.windowHandle();
    return handle != nullptr ? handle->frameMargins() : QMargins();
}

int OuterGeometry::MenuBarHeight() const {
    const QWidget* bar = window_.menuWidget();
    return bar != nullptr ? bar->sizeHint().height() : 0;
}

void OuterGeometry::Apply() {
    pending_ = false;
    applied_ = FrameMargins();
    appliedMenuBar_ = MenuBarHeight();
    // Around the client area: the frame, and inside it the menu bar.
    const PixelSize frame{applied_.left() + applied_.right(),
                          applied_.top() + applied_.bottom() + appliedMenuBar_};
    const PixelSize size = GrownToShowBoard({outer_.width(), outer_.height()}, frame, 1.0);
    window_.move(outer_.topLeft());  // a window's position is that of its frame
    window_.resize(QSize(size.width, size.height).shrunkBy(applied_));
}

void OuterGeometry::Follow() {
    if (checksLeft_ <= 0) {
        timer_.stop();
        if (pending_) Apply();
        return;
    }
    if (Framed() && (FrameMargins() != applied_ || MenuBarHeight() != appliedMenuBar_)) Apply();
}

bool OuterGeometry::eventFilter(QObject*, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::Show && checksLeft_ > 0) timer_.start();
    if (type == QEvent::Move || type == QEvent::Resize) Follow();
    return false;
}

}  // namespace quandrel
