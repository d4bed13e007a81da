#include "frm_quandrel.h"

#include <windowsx.h>

#include <limits>

#include "game/prompts.h"
#include "gdi_board.h"
#include "input/drag_grid.h"
#include "utf16.h"

namespace quandrel {
namespace {

constexpr int kText1Id = 1;

// The menu commands, by the id of their entry.
struct MenuCommand {
    WORD id;
    void (Game::*click)();
};
constexpr MenuCommand kCommands[] = {
    {101, &Game::mnuReset_Click},     {102, &Game::mnuHelpAbout_Click},
    {103, &Game::mnuObject_Click},    {104, &Game::mnuHelpSolv_Click},
    {105, &Game::mnuQuit_Click},
};

HMENU CreateMenuBar() {
    HMENU mnuFile = CreatePopupMenu();
    AppendMenuW(mnuFile, MF_STRING, 101, L"&Reset");
    HMENU mnuHelp = CreatePopupMenu();
    AppendMenuW(mnuHelp, MF_STRING, 102, L"&About Quandrel");
    AppendMenuW(mnuHelp, MF_STRING, 103, L"&Object");
    AppendMenuW(mnuHelp, MF_STRING, 104, L"&Solution");
    HMENU bar = CreateMenu();
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(mnuFile), L"&File");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(mnuHelp), L"&Help");
    AppendMenuW(bar, MF_STRING, 105, L"&Quit");  // a command on the bar itself
    return bar;
}

void RegisterWindowClass(HINSTANCE instance, WNDPROC proc) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = proc;  // no CS_DBLCLKS: a double click's second press is a press
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = frmQuandrel::kClassName;
    RegisterClassExW(&windowClass);
}

// Button bits: 1 left, 2 right, 4 middle.
std::int16_t ButtonBits(WPARAM keys) {
    return static_cast<std::int16_t>(((keys & MK_LBUTTON) ? 1 : 0) | ((keys & MK_RBUTTON) ? 2 : 0) |
                                     ((keys & MK_MBUTTON) ? 4 : 0));
}

// Modifier bits: 1 Shift, 2 Ctrl, 4 Alt.
std::int16_t ShiftBits(WPARAM keys) {
    return static_cast<std::int16_t>(((keys & MK_SHIFT) ? 1 : 0) | ((keys & MK_CONTROL) ? 2 : 0) |
                                     (GetKeyState(VK_MENU) < 0 ? 4 : 0));
}

// The button whose press or release `message` reports.
std::int16_t ButtonOf(UINT message) {
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP: return 1;
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP: return 2;
        default: return 4;
    }
}

// A prompt's lines are separated by "\r"; the box breaks lines at "\r\n".
std::wstring PromptLines(const std::string& prompt) {
    std::string lines;
    for (const char c : prompt) {
        lines += c;
        if (c == '\r') lines += '\n';
    }
    return Widen(lines);
}

}  // namespace

frmQuandrel::frmQuandrel(HINSTANCE instance) {
    RegisterWindowClass(instance, WindowProc);
    CreateWindowExW(0, kClassName, L" Quandrel", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                    CW_USEDEFAULT, CW_USEDEFAULT, nullptr, CreateMenuBar(), instance, this);
    createText1();
    game_.Form_Load();
    showState();
    ShowWindow(hwnd_, SW_SHOWNORMAL);
    SetFocus(hwnd_);  // the window's own key handler has the keys until the panel is clicked
    UpdateWindow(hwnd_);
}

frmQuandrel::~frmQuandrel() {
    if (hwnd_ != nullptr) DestroyWindow(hwnd_);
    if (font_ != nullptr) DeleteObject(font_);
}

UINT frmQuandrel::dpi() const { return GetDpiForWindow(hwnd_); }

void frmQuandrel::createText1() {
    text1_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"",
                             WS_CHILD | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL | ES_MULTILINE |
                                 ES_AUTOHSCROLL | ES_AUTOVSCROLL,
                             0, 0, 0, 0, hwnd_, reinterpret_cast<HMENU>(kText1Id),
                             reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(hwnd_, GWLP_HINSTANCE)),
                             nullptr);
    SetWindowLongPtrW(text1_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    text1Default_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(text1_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Text1Proc)));
    layoutText1();
}

void frmQuandrel::layoutText1() {
    const RECT rect = ToPixels({105, 5250, 3585, 2565}, dpi());
    MoveWindow(text1_, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, TRUE);
    const HFONT old = font_;
    font_ = CreateFontW(-MulDiv(12, static_cast<int>(dpi()), 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE,
                        FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                        DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"MS Sans Serif");
    SendMessageW(text1_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
    if (old != nullptr) DeleteObject(old);
}

// Window -----------------------------------------------------------------------------------------

int frmQuandrel::messageBox(const std::string& prompt, int flags, const std::string& title) {
    showState();
    UpdateWindow(hwnd_);
    return MessageBoxW(hwnd_, PromptLines(prompt).c_str(), Widen(title).c_str(),
                       static_cast<UINT>(flags));
}

void frmQuandrel::setOuterGeometry(int leftTwips, int topTwips, int widthTwips, int heightTwips) {
    // A maximized or minimized window takes a position and size only once it is restored.
    if (IsZoomed(hwnd_) || IsIconic(hwnd_)) ShowWindow(hwnd_, SW_RESTORE);
    const UINT at = dpi();
    SetWindowPos(hwnd_, nullptr, TwipsToPixels(leftTwips, at), TwipsToPixels(topTwips, at),
                 TwipsToPixels(widthTwips, at), TwipsToPixels(heightTwips, at),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void frmQuandrel::endProgram() {
    if (ending_) return;
    ending_ = true;
    DestroyWindow(hwnd_);  // WM_DESTROY ends the message loop with status 0
}

// Showing the state ------------------------------------------------------------------------------

void frmQuandrel::showState() {
    if (ending_) return;
    const UINT at = dpi();
    UpdateShown(game_.shapes, painted_, [&](const TwipRect& rect) {
        const RECT pixels = ToPixels(rect, at);
        InvalidateRect(hwnd_, &pixels, FALSE);
    });
    std::wstring text = Widen(game_.Text1);
    if (text == shownText_) return;
    shownText_ = std::move(text);
    SetWindowTextW(text1_, shownText_.c_str());
}

void frmQuandrel::paint() {
    PAINTSTRUCT ps;
    const HDC dc = BeginPaint(hwnd_, &ps);
    const RECT& dirty = ps.rcPaint;
    const int width = dirty.right - dirty.left;
    const int height = dirty.bottom - dirty.top;
    if (width > 0 && height > 0) {
        // Painted off screen first, so that the squares never show without their outlines.
        const HDC buffer = CreateCompatibleDC(dc);
        const HBITMAP bitmap = CreateCompatibleBitmap(dc, width, height);
        const HGDIOBJ old = SelectObject(buffer, bitmap);
        SetViewportOrgEx(buffer, -dirty.left, -dirty.top, nullptr);
        FillRect(buffer, &dirty, GetSysColorBrush(COLOR_BTNFACE));
        PaintShapes(buffer, dirty, game_.shapes, dpi());
        BitBlt(dc, dirty.left, dirty.top, width, height, buffer, dirty.left, dirty.top, SRCCOPY);
        SelectObject(buffer, old);
        DeleteObject(bitmap);
        DeleteDC(buffer);
    }
    EndPaint(hwnd_, &ps);
}

// Events -----------------------------------------------------------------------------------------

LRESULT CALLBACK frmQuandrel::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<frmQuandrel*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<frmQuandrel*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    return self != nullptr ? self->handle(message, wParam, lParam)
                           : DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT frmQuandrel::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    if (forwardMouse(message, wParam, lParam)) return 0;
    switch (message) {
        case WM_CHAR:
            if (!ending_ && wParam < 0x8000) {
                game_.Form_KeyPress(static_cast<std::int16_t>(wParam));
                showState();
            }
            return 0;
        case WM_COMMAND:
            if (lParam == 0) command(LOWORD(wParam));  // menu entries, not the panel's notices
            return 0;
        case WM_PAINT: paint(); return 0;
        case WM_ERASEBKGND: return 1;  // the paint covers the background itself
        case WM_ACTIVATE:
            // Keep the focus where the user left it: on the window, or in the panel once clicked.
            if (LOWORD(wParam) == WA_INACTIVE) {
                focus_ = GetFocus();
            } else {
                SetFocus(focus_ == text1_ ? text1_ : hwnd_);
            }
            return 0;
        case WM_DPICHANGED: {
            const auto* suggested = reinterpret_cast<const RECT*>(lParam);
            SetWindowPos(hwnd_, nullptr, suggested->left, suggested->top,
                         suggested->right - suggested->left, suggested->bottom - suggested->top,
                         SWP_NOZORDER | SWP_NOACTIVATE);
            layoutText1();
            InvalidateRect(hwnd_, nullptr, FALSE);
            return 0;
        }
        case WM_DESTROY:
            hwnd_ = nullptr;
            PostQuitMessage(0);
            return 0;
        default: return DefWindowProcW(hwnd_, message, wParam, lParam);
    }
}

bool frmQuandrel::forwardMouse(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP:
        case WM_MOUSEMOVE: break;
        default: return false;
    }
    if (ending_) return true;
    // Client pixels (negative outside the window while the mouse is captured) to the mouse scale.
    const double twipsPerPixel = 1440.0 / dpi();
    const auto x = static_cast<float>(GET_X_LPARAM(lParam) * twipsPerPixel / kTwipsPerUnitX);
    const auto y = static_cast<float>(GET_Y_LPARAM(lParam) * twipsPerPixel / kTwipsPerUnitY);
    const std::int16_t shift = ShiftBits(wParam);
    if (message == WM_MOUSEMOVE) {
        game_.Form_MouseMove(ButtonBits(wParam), shift, x, y);
    } else if (message == WM_LBUTTONUP || message == WM_RBUTTONUP || message == WM_MBUTTONUP) {
        if (ButtonBits(wParam) == 0) ReleaseCapture();
        game_.Form_MouseUp(ButtonOf(message), shift, x, y);
    } else {
        SetFocus(hwnd_);  // a click on the board takes the keys back from the panel
        SetCapture(hwnd_);
        game_.Form_MouseDown(ButtonOf(message), shift, x, y);
    }
    showState();
    return true;
}

void frmQuandrel::command(WORD id) {
    for (const MenuCommand& entry : kCommands) {
        if (entry.id != id || ending_) continue;
        (game_.*entry.click)();
        showState();
    }
}

LRESULT CALLBACK frmQuandrel::Text1Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<frmQuandrel*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (message == WM_CHAR && wParam < 0x8000) {
        if (self->ending_) return 0;
        self->game_.Text1_KeyPress(static_cast<std::int16_t>(wParam));
        if (self->ending_) return 0;  // an end key is not also the panel's (Ctrl+C copies nothing)
        self->showState();
    }
    return CallWindowProcW(self->text1Default_, hwnd, message, wParam, lParam);
}

}  // namespace quandrel
