// The window's DPI and non-client metrics on every Windows from 7 on: the per-monitor calls of
// Windows 10 are looked up at run time, with the system DPI in their place where they are missing.
#pragma once

#include <windows.h>

namespace quandrel {

struct DpiApi {
    UINT(WINAPI* getDpiForWindow)(HWND) = nullptr;
    BOOL(WINAPI* adjustWindowRectExForDpi)(RECT*, DWORD, BOOL, DWORD, UINT) = nullptr;

    static DpiApi Load();      // what USER32 has
    static DpiApi Fallback();  // as on Windows 7: none of them

    UINT WindowDpi(HWND window) const;
    // Frame, title bar and menu bar around a client area, at `dpi`, for `window`'s styles.
    SIZE NonClientSize(HWND window, UINT dpi) const;
};

}  // namespace quandrel
