#include "frm_quandrel.h"

#include <windowsx.h>

#include <optional>

#include "game/words.h"

namespace quandrel {
namespace {

// The core's UTF-8 text as the wide-character API takes it.
std::wstring Widen(const std::string& utf8) {
    const int size = static_cast<int>(utf8.size());
    std::wstring wide(
        static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0)),
        L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), static_cast<int>(wide.size()));
    return wide;
}

// The drawing primitives in GDI: squares with the DC brush, outlines with the DC pen, which a
// 1-pixel pen draws inside the rectangle's extent while the null brush leaves the inside clear.
class GdiPainter : public Painter {
  public:
    explicit GdiPainter(HDC dc)
        : dc_(dc),
          pen_(SelectObject(dc, GetStockObject(DC_PEN))),
          brush_(SelectObject(dc, GetStockObject(NULL_BRUSH))) {
        SetDCPenColor(dc_, GetSysColor(COLOR_WINDOWTEXT));
    }
    ~GdiPainter() override {
        SelectObject(dc_, brush_);
        SelectObject(dc_, pen_);
    }
    GdiPainter(const GdiPainter&) = delete;
    GdiPainter& operator=(const GdiPainter&) = delete;

    void fillRect(PixelRect rect, std::uint32_t bgr) override {
        const RECT r{rect.left, rect.top, rect.right, rect.bottom};
        SetDCBrushColor(dc_, bgr);  // 0x00BBGGRR, as a COLORREF is
        FillRect(dc_, &r, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    }
    void outlineRect(PixelRect rect) override {
        Rectangle(dc_, rect.left, rect.top, rect.right, rect.bottom);
    }

  private:
    HDC dc_;
    HGDIOBJ pen_, brush_;  // the DC's own, put back when done
};

constexpr int kText1Id = 1;
constexpr WORD kFirstCommandId = 100;  // a menu entry's id is this plus its Command

HMENU CreateMenuBar() {
    const HMENU bar = CreateMenu();
    HMENU dropDown = nullptr;
    for (const MenuEntry& entry : kMenus) {
        const std::wstring caption = Widen(entry.caption);
        if (entry.opensDropDown()) {
            dropDown = CreatePopupMenu();
            AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(dropDown), caption.c_str());
            continue;
        }
        const auto id = static_cast<UINT_PTR>(kFirstCommandId + static_cast<int>(entry.command));
        AppendMenuW(entry.level == 0 ? bar : dropDown, MF_STRING, id, caption.c_str());
    }
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

// The buttons and modifiers a mouse message reports as held.
std::int16_t ButtonBits(WPARAM keys) {
    return quandrel::ButtonBits(keys & MK_LBUTTON, keys & MK_RBUTTON, keys & MK_MBUTTON);
}
std::int16_t ShiftBits(WPARAM keys) {
    return quandrel::ShiftBits(keys & MK_SHIFT, keys & MK_CONTROL, GetKeyState(VK_MENU) < 0);
}
// The modifiers held with a key.
std::int16_t HeldShiftBits() {
    return quandrel::ShiftBits(GetKeyState(VK_SHIFT) < 0, GetKeyState(VK_CONTROL) < 0,
                               GetKeyState(VK_MENU) < 0);
}

// The button a message reports, and what it does with it.
struct MouseMessage {
    UINT message;
    MouseAction action;
    std::int16_t button;
};
constexpr MouseMessage kMouseMessages[] = {
    {WM_LBUTTONDOWN, MouseAction::Press, 1}, {WM_RBUTTONDOWN, MouseAction::Press, 2},
    {WM_MBUTTONDOWN, MouseAction::Press, 4}, {WM_LBUTTONUP, MouseAction::Release, 1},
    {WM_RBUTTONUP, MouseAction::Release, 2}, {WM_MBUTTONUP, MouseAction::Release, 4},
    {WM_MOUSEMOVE, MouseAction::Move, 0},
};

std::optional<Arrow> ArrowOf(WPARAM key) {
    switch (key) {
        case VK_LEFT: return Arrow::Left;
        case VK_RIGHT: return Arrow::Right;
        case VK_UP: return Arrow::Up;
        case VK_DOWN: return Arrow::Down;
        default: return std::nullopt;
    }
}

}  // namespace

frmQuandrel::frmQuandrel(HINSTANCE instance, DpiApi dpiApi) : dpiApi_(dpiApi) {
    RegisterWindowClass(instance, WindowProc);
    CreateWindowExW(0, kClassName, Widen(kCaption).c_str(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, CreateMenuBar(), instance,
                    this);
    accessible_ = new BoardAccessible(hwnd_, game_, [this] { return scale(); });
    createText1();
    game_.Start();
    ShowWindow(hwnd_, SW_SHOWNORMAL);
    SetFocus(hwnd_);  // the window's own key handler has the keys until the panel is clicked
    UpdateWindow(hwnd_);
}

frmQuandrel::~frmQuandrel() {
    if (hwnd_ != nullptr) DestroyWindow(hwnd_);
    if (accessible_ != nullptr) {
        accessible_->Disconnect();  // clients may hold it still
        accessible_->Release();
    }
    if (font_ != nullptr) DeleteObject(font_);
}

void frmQuandrel::createText1() {
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(hwnd_, GWLP_HINSTANCE));
    // A hidden label just before the panel names it for MSAA clients.
    CreateWindowExW(0, L"STATIC", Widen(kText1Name).c_str(), WS_CHILD, 0, 0, 0, 0, hwnd_, nullptr,
                    instance, nullptr);
    text1_ =
        CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"",
                        WS_CHILD | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL | ES_MULTILINE |
                            ES_AUTOHSCROLL | ES_AUTOVSCROLL,
                        0, 0, 0, 0, hwnd_, reinterpret_cast<HMENU>(kText1Id), instance, nullptr);
    SetWindowLongPtrW(text1_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    text1Default_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(text1_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Text1Proc)));
    layoutText1();
}

void frmQuandrel::layoutText1() {
    const PixelRect rect = ToPixels(kText1Rect, scale());
    MoveWindow(text1_, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, TRUE);
    const HFONT old = font_;
    font_ = CreateFontW(-MulDiv(kText1Font.points, static_cast<int>(dpi()), 72), 0, 0, 0,
                        kText1Font.weight, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                        CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                        Widen(kText1Font.face).c_str());
    SendMessageW(text1_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
    if (old != nullptr) DeleteObject(old);
}

// Window -----------------------------------------------------------------------------------------

void frmQuandrel::openBox(const std::string& prompt, int flags, const std::string& title) {
    UpdateWindow(hwnd_);
    game_.BoxClosed(
        MessageBoxW(hwnd_, Widen(prompt).c_str(), Widen(title).c_str(), static_cast<UINT>(flags)));
}

void frmQuandrel::setOuterGeometry(int leftTwips, int topTwips, int widthTwips, int heightTwips) {
    // A maximized or minimized window takes a position and size only once it is restored.
    if (IsZoomed(hwnd_) || IsIconic(hwnd_)) ShowWindow(hwnd_, SW_RESTORE);
    const PixelRect outer = ToPixels({leftTwips, topTwips, widthTwips, heightTwips}, scale());
    placeShowingBoard({outer.left, outer.top, outer.right, outer.bottom});
}

void frmQuandrel::placeShowingBoard(RECT outer) {
    const SIZE frame = dpiApi_.NonClientSize(hwnd_, dpi());
    const PixelSize size = GrownToShowBoard({outer.right - outer.left, outer.bottom - outer.top},
                                            {frame.cx, frame.cy}, scale());
    SetWindowPos(hwnd_, nullptr, outer.left, outer.top, size.width, size.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void frmQuandrel::endProgram() {
    DestroyWindow(hwnd_);  // WM_DESTROY ends the message loop with status 0
}

// Showing the state ------------------------------------------------------------------------------

void frmQuandrel::present(const ScreenUpdate& update) {
    for (const PixelRect& rect : update.repaint) {
        const RECT pixels{rect.left, rect.top, rect.right, rect.bottom};
        InvalidateRect(hwnd_, &pixels, FALSE);
    }
    if (update.text1) SetWindowTextW(text1_, Widen(*update.text1).c_str());
    if (accessible_ != nullptr && hwnd_ != nullptr) accessible_->Tell(update.access);
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
        {
            GdiPainter painter(buffer);
            game_.Paint(scale(), {dirty.left, dirty.top, dirty.right, dirty.bottom}, painter);
        }
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
        auto* self =
            static_cast<frmQuandrel*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
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
        case WM_CHAR: game_.Key(KeyTarget::Form, static_cast<int>(wParam), false); return 0;
        case WM_KEYDOWN:
            if (const auto arrow = ArrowOf(wParam);
                arrow && game_.ArrowKey(*arrow, HeldShiftBits())) {
                return 0;
            }
            return DefWindowProcW(hwnd_, message, wParam, lParam);
        case WM_SETFOCUS:
        case WM_KILLFOCUS: game_.BoardFocus(message == WM_SETFOCUS); return 0;
        case WM_COMMAND:
            if (lParam == 0) {  // menu entries only
                game_.Menu(CommandNumbered(LOWORD(wParam) - kFirstCommandId));
            }
            return 0;
        case WM_GETOBJECT:
            if (static_cast<DWORD>(lParam) == static_cast<DWORD>(OBJID_CLIENT) &&
                accessible_ != nullptr) {
                return LresultFromObject(kIidIAccessible, wParam, accessible_);
            }
            return DefWindowProcW(hwnd_, message, wParam, lParam);
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
        case WM_DPICHANGED:
            placeShowingBoard(*reinterpret_cast<const RECT*>(lParam));
            layoutText1();
            InvalidateRect(hwnd_, nullptr, FALSE);
            return 0;
        case WM_DESTROY:
            hwnd_ = nullptr;
            PostQuitMessage(0);
            return 0;
        default: return DefWindowProcW(hwnd_, message, wParam, lParam);
    }
}

bool frmQuandrel::forwardMouse(UINT message, WPARAM wParam, LPARAM lParam) {
    for (const MouseMessage& mouse : kMouseMessages) {
        if (mouse.message != message) continue;
        if (mouse.action == MouseAction::Press && !game_.ending()) {
            SetFocus(hwnd_);  // a click on the board takes the keys back from the panel
            SetCapture(hwnd_);
        } else if (mouse.action == MouseAction::Release && ButtonBits(wParam) == 0) {
            ReleaseCapture();
        }
        // Client pixels, negative outside the window while the mouse is captured.
        game_.Mouse({mouse.action, mouse.button, ButtonBits(wParam), ShiftBits(wParam),
                     static_cast<double>(GET_X_LPARAM(lParam)),
                     static_cast<double>(GET_Y_LPARAM(lParam)), scale()});
        return true;
    }
    return false;
}

LRESULT CALLBACK frmQuandrel::Text1Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<frmQuandrel*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (message == WM_CHAR) {
        // An end key is not also the panel's (Ctrl+C copies nothing).
        if (self->game_.Key(KeyTarget::Text1, static_cast<int>(wParam), false)) return 0;
    }
    return CallWindowProcW(self->text1Default_, hwnd, message, wParam, lParam);
}

}  // namespace quandrel
