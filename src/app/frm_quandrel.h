// The main window: owns the game, shows its shapes and trace, and forwards window events to it.
#pragma once

#include <QMainWindow>
#include <functional>

#include "app/outer_geometry.h"
#include "game/game.h"
#include "view/board_widget.h"

class QAction;
class QMenu;
class QPlainTextEdit;

namespace quandrel {

class frmQuandrel : public QMainWindow, public Window {
  public:
    frmQuandrel();

    Game& game() { return game_; }
    BoardWidget* board() const { return board_; }
    QPlainTextEdit* Text1() const { return text1_; }
    QAction* mnuQuit() const { return mnuQuit_; }

    // What ending the program does; quits the application unless replaced (tests record it).
    std::function<void()> onEnd;

    // Window
    void setTraceText(const std::string& text) override;
    void shapesChanged() override;
    int messageBox(const std::string& prompt, int flags, const std::string& title) override;
    void setOuterGeometry(int leftTwips, int topTwips, int widthTwips, int heightTwips) override;
    void endProgram() override;

    // Mouse positions in the client area, pixels to the window's mouse scale.
    static QPointF ToMouseScale(QPointF pixels);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void createMenus();
    bool forwardEvent(QObject* watched, QEvent* event);
    bool forwardMouse(QEvent* event);
    void flushTrace();

    Game game_{*this};
    BoardWidget* board_;
    QPlainTextEdit* text1_;
    QAction* mnuQuit_ = nullptr;
    OuterGeometry outerGeometry_{*this};
    bool ending_ = false;
    std::string pendingTrace_;
    bool tracePending_ = false;
};

}  // namespace quandrel
