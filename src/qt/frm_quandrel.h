// The main window: owns the game, shows its shapes and trace, and forwards window events to it.
#pragma once

#include <QMainWindow>
#include <functional>

#include "game/game.h"
#include "qt/board_widget.h"
#include "qt/outer_geometry.h"

class QKeyEvent;
class QPlainTextEdit;

namespace quandrel {

class frmQuandrel : public QMainWindow, public Window {
  public:
    frmQuandrel();

    Game& game() { return game_; }
    BoardWidget* board() const { return board_; }
    QPlainTextEdit* Text1();  // made on first use

    // What ending the program does; quits the application unless replaced (tests record it).
    std::function<void()> onEnd;

    // Window
    double scale() const override { return board_->scale(); }
    void present(const ScreenUpdate& update) override;
    void openBox(const std::string& prompt, int flags, const std::string& title) override;
    void setOuterGeometry(int leftTwips, int topTwips, int widthTwips, int heightTwips) override;
    void endProgram() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // What the window's mapping can do without, added when it is first exposed, before its first
    // paint: the icon, the menu bar and the panel, with their fonts, and the board shown.
    void completeWindow();
    void createMenus();
    bool forwardMouse(QEvent* event);
    bool forwardKey(QObject* watched, const QKeyEvent& key);

    Game game_{*this, "\n"};
    QWidget* client_;
    BoardWidget* board_;
    QPlainTextEdit* text1_ = nullptr;
    OuterGeometry outerGeometry_{*this};
};

}  // namespace quandrel
