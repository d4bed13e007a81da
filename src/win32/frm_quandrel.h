// The main window on Win32: owns the game, shows its shapes and panel, forwards window events.
#pragma once

#include <windows.h>

#include <string>

#include "board_accessible.h"
#include "dpi.h"
#include "game/game.h"

namespace quandrel {

class frmQuandrel : public Window {
  public:
    static constexpr const wchar_t* kClassName = L"Quandrel";

    explicit frmQuandrel(HINSTANCE instance, DpiApi dpiApi = DpiApi::Load());
    ~frmQuandrel() override;
    frmQuandrel(const frmQuandrel&) = delete;
    frmQuandrel& operator=(const frmQuandrel&) = delete;

    HWND hwnd() const { return hwnd_; }
    Game& game() { return game_; }

    // Window
    double scale() const override { return dpi() / 96.0; }
    void present(const ScreenUpdate& update) override;
    void openBox(const std::string& prompt, int flags, const std::string& title) override;
    void setOuterGeometry(int leftTwips, int topTwips, int widthTwips, int heightTwips) override;
    void endProgram() override;

  private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK Text1Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);

    void createText1();
    void layoutText1();
    // Moves the window to `outer` (pixels), grown just enough to show the whole board.
    void placeShowingBoard(RECT outer);
    void paint();
    bool forwardMouse(UINT message, WPARAM wParam, LPARAM lParam);
    UINT dpi() const { return dpiApi_.WindowDpi(hwnd_); }

    DpiApi dpiApi_;
    Game game_{*this, "\r\n"};  // the EDIT control and MessageBox break lines at "\r\n"
    HWND hwnd_ = nullptr;
    HWND text1_ = nullptr;
    WNDPROC text1Default_ = nullptr;
    HFONT font_ = nullptr;
    HWND focus_ = nullptr;                   // restored when the window is activated again
    BoardAccessible* accessible_ = nullptr;  // the client area for MSAA clients
};

}  // namespace quandrel
