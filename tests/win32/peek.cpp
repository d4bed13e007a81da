// Test helper: looks at the running game's window from another process.
//
//   quandrel-peek text    prints the panel's text, as the window shows it
//   quandrel-peek rect    prints the window's outer bounds: left top width height, in pixels
//   quandrel-peek close   asks the window to close, as its close box does
//
// Each waits up to ten seconds for the window; exit status 1 when it does not appear.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <string>

#include "frm_quandrel.h"

namespace {

HWND FindGame() {
    for (int i = 0; i < 200; ++i) {
        const HWND window = FindWindowW(quandrel::frmQuandrel::kClassName, nullptr);
        if (window != nullptr && IsWindowVisible(window)) return window;
        Sleep(50);
    }
    return nullptr;
}

// UTF-16 to UTF-8, as the tests read the output.
std::string Narrow(const std::wstring& utf16) {
    if (utf16.empty()) return {};
    const int size = static_cast<int>(utf16.size());
    std::string narrow(static_cast<std::size_t>(WideCharToMultiByte(CP_UTF8, 0, utf16.data(), size,
                                                                    nullptr, 0, nullptr, nullptr)),
                       '\0');
    WideCharToMultiByte(CP_UTF8, 0, utf16.data(), size, narrow.data(),
                        static_cast<int>(narrow.size()), nullptr, nullptr);
    return narrow;
}

std::wstring PanelText(HWND window) {
    const HWND text1 = FindWindowExW(window, nullptr, L"EDIT", nullptr);
    if (text1 == nullptr) return {};
    // Messages, not GetWindowText, which does not ask a window of another process for its text.
    std::wstring text(static_cast<std::size_t>(SendMessageW(text1, WM_GETTEXTLENGTH, 0, 0)) + 1,
                      L'\0');
    text.resize(static_cast<std::size_t>(
        SendMessageW(text1, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
    return text;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring command = argc > 1 ? argv[1] : L"";
    _setmode(_fileno(stdout), _O_BINARY);  // the panel's "\r\n" as they stand
    const HWND window = FindGame();
    if (window == nullptr) {
        std::fputs("quandrel-peek: no game window\n", stderr);
        return 1;
    }
    if (command == L"text") {
        std::fputs(Narrow(PanelText(window)).c_str(), stdout);
    } else if (command == L"rect") {
        RECT r;
        GetWindowRect(window, &r);
        std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
    } else if (command == L"close") {
        PostMessageW(window, WM_CLOSE, 0, 0);
    } else {
        std::fputs("usage: quandrel-peek text|rect|close\n", stderr);
        return 2;
    }
    return 0;
}
