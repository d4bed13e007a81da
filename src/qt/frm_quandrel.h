// The main window: owns the game, shows its shapes and trace, and forwards window events to it.
#pragma once

#include <QMainWindow>
#include <functional>

#include "game/game.h"
#include "qt/board_widget.h"
#include "qt/outer_geometry.h"

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
    // Shows the game's shapes and panel text, updating only what differs from what is shown.
    void showState();

    Game game_{*this};
    BoardWidget* board_;
    QPlainTextEdit* text1_;
    QAction* mnuQuit_ = nullptr;
    OuterGeometry outerGeometry_{*this};
    bool ending_ = false;
    std::string shownText_;
};

}  // namespace quandrel
