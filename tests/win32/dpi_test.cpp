// The window on a Windows without the per-monitor DPI calls (7, 8, 8.1), under Wine: the same
// place and size, and the whole board in the client area.
#include <gtest/gtest.h>
#include <windows.h>

#include "frm_quandrel.h"

namespace quandrel {
namespace {

TEST(Dpi, TheFallbackPlacesTheWindowAsThePerMonitorCallsDo) {
    const DpiApi fallback = DpiApi::Fallback();
    ASSERT_EQ(fallback.getDpiForWindow, nullptr);
    ASSERT_EQ(fallback.adjustWindowRectExForDpi, nullptr);
    for (const DpiApi& api : {DpiApi::Load(), fallback}) {
        frmQuandrel window(GetModuleHandleW(nullptr), api);
        const HWND hwnd = window.hwnd();
        const HDC screen = GetDC(nullptr);
        EXPECT_EQ(api.WindowDpi(hwnd), static_cast<UINT>(GetDeviceCaps(screen, LOGPIXELSY)));
        ReleaseDC(nullptr, screen);

        RECT outer;
        GetWindowRect(hwnd, &outer);
        EXPECT_EQ(outer.left, 13);
        EXPECT_EQ(outer.top, 13);
        EXPECT_EQ(outer.right - outer.left, 362);
        EXPECT_EQ(outer.bottom - outer.top, 330);
        // The client area less the menu bar holds the 351 x 281-pixel board.
        RECT client;
        GetClientRect(hwnd, &client);
        EXPECT_GE(client.right, 351);
        EXPECT_GE(client.bottom, 281);
        const SIZE frame = api.NonClientSize(hwnd, api.WindowDpi(hwnd));
        EXPECT_EQ(frame.cx, (outer.right - outer.left) - client.right);
        EXPECT_EQ(frame.cy, (outer.bottom - outer.top) - client.bottom);
    }
}

}  // namespace
}  // namespace quandrel
