// Places the main window by its outer bounds, frame and title bar included, grown where the frame
// leaves the client area too small for the whole board.
#pragma once

#include <QMargins>
#include <QObject>
#include <QRect>
#include <QTimer>

class QMainWindow;

namespace quandrel {

// Qt sets a window's position by its frame but its size without the frame, and the window
// manager tells the frame's margins only once it has framed the window (or restored it from
// maximized), without an event of their own. So for two seconds after a request, counted from
// when the window is shown, the size follows every change of the normal frame's margins and of
// the menu bar; a maximized or full-screen frame is the window manager's business.
class OuterGeometry : public QObject {
  public:
    explicit OuterGeometry(QMainWindow& window);

    void Set(QRect outer);
    // Applies the request again if the frame's margins or the menu bar have changed since.
    void Follow();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QMargins FrameMargins() const;
    int MenuBarHeight() const;  // 0 while there is none
    void Apply();
    bool Framed() const;  // maximized, minimized and full-screen frames are not followed

    static constexpr int kChecks = 40;  // of 50 ms
    QMainWindow& window_;
    QRect outer_;
    QMargins applied_;
    int appliedMenuBar_ = 0;
    QTimer timer_;
    int checksLeft_ = 0;
    bool pending_ = false;
};

}  // namespace quandrel
