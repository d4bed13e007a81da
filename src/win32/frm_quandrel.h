// The main window on Win32: owns the game, shows its shapes and panel, forwards window events.
#pragma once

#include <windows.h>

#include <string>

#include "game/game.h"

namespace quandrel {

class frmQuandrel : public Window {
  public:
    static constexpr const wchar_t* kClassName = L"Quandrel";

    explicit frmQuandrel(HINSTANCE instance);
    ~frmQuandrel() override;
    frmQuandrel(const frmQuandrel&) = delete;
    frmQuandrel& operator=(const frmQuandrel&) = delete;

    HWND hwnd() const { return hwnd_; }
    Game& game() { return game_; }

    // Window
    int messageBox(const std::string& prompt, int flags, const std::string& title) override;
    void setOuterGeometry(int leftTwips, int topTwips, int widthTwips, int heightTwips) override;
    void endProgram() override;

  private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK Text1Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);

    void createText1();
    void layoutText1();
    void paint();
    bool forwardMouse(UINT message, WPARAM wParam, LPARAM lParam);
    void command(WORD id);
    // Shows the game's shapes and panel text, updating only what differs from what is shown.
    void showState();
    UINT dpi() const;

    Game game_{*this};
    HWND hwnd_ = nullptr;
    HWND text1_ = nullptr;
    WNDPROC text1Default_ = nullptr;
    HFONT font_ = nullptr;
    HWND focus_ = nullptr;  // restored when the window is activated again
    Shapes painted_ = game_.shapes;
    std::wstring shownText_;
    bool ending_ = false;
};

}  // namespace quandrel
