// Test helper: looks at the running game's window from another process.
//
//   quandrel-peek text    prints the panel's text, as the window shows it
//   quandrel-peek rect    prints the window's outer bounds: left top width height, in pixels
//   quandrel-peek close   asks the window to close, as its close box does
//   quandrel-peek cells   reads the board as an MSAA client does: "role R", "children N",
//                         "focus ID", then "ID NAME" and "at ID LEFT TOP WIDTH HEIGHT" for each
//                         cell (ids 1..20), and "description ID TEXT" for the focused one
//   quandrel-peek events MS   listens MS milliseconds to the game's focus, name and
//                         description events: "focus NAME", "name NAME", "say TEXT" (the
//                         new description), a line each as it comes
//   quandrel-peek panel   prints the trace panel's accessible name
//   quandrel-peek probe   calls every IAccessible method of the board with children out of
//                         range and of the wrong type; prints "probed N"
//
// Each waits up to ten seconds for the window; exit status 1 when it does not appear.
#include <fcntl.h>
#include <io.h>
#include <windows.h>
// After windows.h:
#include <ole2.h>
#include <oleacc.h>

#include <cstdio>
#include <string>
#include <vector>

#include "board_accessible.h"
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

std::string Text(BSTR text) {
    if (text == nullptr) return {};
    const std::wstring wide(text, SysStringLen(text));
    SysFreeString(text);
    return Narrow(wide);
}

VARIANT Child(long id) {
    VARIANT child;
    child.vt = VT_I4;
    child.lVal = id;
    return child;
}

int Cells(HWND window) {
    IAccessible* board = nullptr;
    if (FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT),
                                          quandrel::kIidIAccessible,
                                          reinterpret_cast<void**>(&board)))) {
        std::fputs("quandrel-peek: no accessible object\n", stderr);
        return 1;
    }
    VARIANT role;
    board->get_accRole(Child(CHILDID_SELF), &role);
    long children = 0;
    board->get_accChildCount(&children);
    VARIANT focus;
    focus.vt = VT_EMPTY;
    board->get_accFocus(&focus);
    BSTR name = nullptr;
    board->get_accName(Child(CHILDID_SELF), &name);
    std::printf("role %ld\nchildren %ld\nfocus %ld\nname %s\n", role.lVal, children,
                focus.vt == VT_I4 ? focus.lVal : -1L, Text(name).c_str());
    for (long id = 1; id <= children; ++id) {
        BSTR cell = nullptr;
        board->get_accName(Child(id), &cell);
        long left = 0, top = 0, width = 0, height = 0;
        board->accLocation(&left, &top, &width, &height, Child(id));
        std::printf("%ld %s\nat %ld %ld %ld %ld %ld\n", id, Text(cell).c_str(), id, left, top,
                    width, height);
    }
    if (focus.vt == VT_I4 && focus.lVal > 0) {
        BSTR description = nullptr;
        if (board->get_accDescription(Child(focus.lVal), &description) == S_OK) {
            std::printf("description %ld %s\n", focus.lVal, Text(description).c_str());
        }
    }
    board->Release();
    return 0;
}

void CALLBACK Heard(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD,
                    DWORD) {
    if (object != OBJID_CLIENT) return;
    IAccessible* board = nullptr;
    if (FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT),
                                          quandrel::kIidIAccessible,
                                          reinterpret_cast<void**>(&board)))) {
        return;
    }
    BSTR text = nullptr;
    const char* kind = event == EVENT_OBJECT_FOCUS        ? "focus"
                       : event == EVENT_OBJECT_NAMECHANGE ? "name"
                                                          : "say";
    if (event == EVENT_OBJECT_DESCRIPTIONCHANGE) {
        board->get_accDescription(Child(child), &text);
    } else {
        board->get_accName(Child(child), &text);
    }
    std::printf("%s %s\n", kind, Text(text).c_str());
    std::fflush(stdout);
    board->Release();
}

int PanelName(HWND window) {
    IAccessible* panel = nullptr;
    const HWND text1 = FindWindowExW(window, nullptr, L"EDIT", nullptr);
    if (text1 == nullptr || FAILED(AccessibleObjectFromWindow(
                                text1, static_cast<DWORD>(OBJID_CLIENT), quandrel::kIidIAccessible,
                                reinterpret_cast<void**>(&panel)))) {
        return 1;
    }
    BSTR name = nullptr;
    panel->get_accName(Child(CHILDID_SELF), &name);
    std::printf("%s\n", Text(name).c_str());
    panel->Release();
    return 0;
}

// Every method, with each child: ids past both ends, a string, nothing.
int Probe(HWND window) {
    IAccessible* board = nullptr;
    if (FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT),
                                          quandrel::kIidIAccessible,
                                          reinterpret_cast<void**>(&board)))) {
        return 1;
    }
    std::vector<VARIANT> children;
    for (const long id : {-1L, 21L, 1000L, 0x7fffffffL}) children.push_back(Child(id));
    VARIANT text;
    text.vt = VT_BSTR;
    text.bstrVal = SysAllocString(L"1");
    VARIANT empty;
    empty.vt = VT_EMPTY;
    children.push_back(text);
    children.push_back(empty);
    int calls = 0;
    for (const VARIANT& child : children) {
        BSTR out = nullptr;
        VARIANT result;
        IDispatch* dispatch = nullptr;
        long l = 0;
        board->get_accChild(child, &dispatch);
        board->get_accName(child, &out);
        board->get_accValue(child, &out);
        board->get_accDescription(child, &out);
        board->get_accRole(child, &result);
        board->get_accState(child, &result);
        board->get_accHelp(child, &out);
        board->get_accHelpTopic(&out, child, &l);
        board->get_accKeyboardShortcut(child, &out);
        board->get_accDefaultAction(child, &out);
        board->accSelect(SELFLAG_TAKEFOCUS, child);
        board->accLocation(&l, &l, &l, &l, child);
        board->accNavigate(NAVDIR_NEXT, child, &result);
        board->accDoDefaultAction(child);
        board->put_accName(child, nullptr);
        board->put_accValue(child, nullptr);
        calls += 16;
    }
    long l = 0;
    board->accHitTest(-100000, 100000, &empty);
    board->get_accChildCount(&l);
    calls += 2;
    std::printf("probed %d\n", calls);
    board->Release();
    return 0;
}

int Events(HWND window, DWORD milliseconds) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    const HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_DESCRIPTIONCHANGE,
                                               nullptr, Heard, process, 0, WINEVENT_OUTOFCONTEXT);
    if (hook == nullptr) return 1;
    std::puts("listening");
    std::fflush(stdout);
    const DWORD end = GetTickCount() + milliseconds;
    for (DWORD now = GetTickCount(); now < end; now = GetTickCount()) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, end - now, QS_ALLINPUT);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    }
    UnhookWinEvent(hook);
    return 0;
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
    } else if (command == L"cells") {
        CoInitialize(nullptr);
        return Cells(window);
    } else if (command == L"panel") {
        CoInitialize(nullptr);
        return PanelName(window);
    } else if (command == L"probe") {
        CoInitialize(nullptr);
        return Probe(window);
    } else if (command == L"events" && argc > 2) {
        CoInitialize(nullptr);
        return Events(window, static_cast<DWORD>(_wtoi(argv[2])));
    } else {
        std::fputs("usage: quandrel-peek text|rect|close|cells|events MS|panel|probe\n", stderr);
        return 2;
    }
    return 0;
}
