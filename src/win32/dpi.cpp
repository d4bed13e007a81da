#include "dpi.h"

namespace quandrel {
namespace {

template <typename Function>
Function Resolve(const char* name) {
    const HMODULE user32 = GetModuleHandleW(L"user32.dll");
    return user32 != nullptr ? reinterpret_cast<Function>(
                                   reinterpret_cast<void (*)()>(GetProcAddress(user32, name)))
                             : nullptr;
}

UINT SystemDpi() {
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<UINT>(dpi) : 96;
}

}  // namespace

DpiApi DpiApi::Load() {
    DpiApi api;
    api.getDpiForWindow = Resolve<decltype(api.getDpiForWindow)>("GetDpiForWindow");
    api.adjustWindowRectExForDpi =
        Resolve<decltype(api.adjustWindowRectExForDpi)>("AdjustWindowRectExForDpi");
    return api;
}

DpiApi DpiApi::Fallback() { return {}; }

UINT DpiApi::WindowDpi(HWND window) const {
    const UINT dpi = getDpiForWindow != nullptr ? getDpiForWindow(window) : 0;
    return dpi != 0 ? dpi : SystemDpi();
}

SIZE DpiApi::NonClientSize(HWND window, UINT dpi) const {
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
    const auto exStyle = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE));
    const BOOL menu = GetMenu(window) != nullptr;
    RECT rect{0, 0, 0, 0};
    if (adjustWindowRectExForDpi != nullptr) {
        adjustWindowRectExForDpi(&rect, style, menu, exStyle, dpi);
    } else {
        AdjustWindowRectEx(&rect, style, menu, exStyle);
    }
    return {rect.right - rect.left, rect.bottom - rect.top};
}

}  // namespace quandrel
