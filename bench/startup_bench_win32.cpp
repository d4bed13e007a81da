// Start-up time (process start to the first paint of the board) and working set of the Windows
// game, against a minimal Win32 window with a menu bar and a multi-line EDIT control.
//
//   startup_bench            runs both kinds several times and prints the figures and ratios
//   startup_bench game       one run of the game window (reports on stdout)
//   startup_bench minimal    one run of the minimal window
#include <windows.h>
// psapi.h needs windows.h first.
#include <psapi.h>

#include <cstdio>
#include <string>
#include <vector>

#include "frm_quandrel.h"
#include "startup_figures.h"

namespace {

LRESULT CALLBACK MinimalProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

HWND ShowMinimal(HINSTANCE instance) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = MinimalProc;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = L"Minimal";
    RegisterClassW(&windowClass);
    HMENU file = CreatePopupMenu();
    AppendMenuW(file, MF_STRING, 1, L"&Reset");
    HMENU bar = CreateMenu();
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"&File");
    AppendMenuW(bar, MF_STRING, 2, L"&Quit");
    const HWND window = CreateWindowExW(0, L"Minimal", L"Minimal", WS_OVERLAPPEDWINDOW, 13, 13, 362,
                                        330, nullptr, bar, instance, nullptr);
    CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"",
                    WS_CHILD | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL | ES_MULTILINE, 7, 350, 239,
                    171, window, nullptr, instance, nullptr);
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    return window;
}

// Runs the message loop until `window` has nothing left to paint, then reports the peak memory.
int ReportFirstPaint(HWND window) {
    MSG message;
    while (GetUpdateRect(window, nullptr, FALSE)) {
        if (GetMessageW(&message, nullptr, 0, 0) <= 0) return 1;
        DispatchMessageW(&message);
    }
    PROCESS_MEMORY_COUNTERS counters{};
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    std::printf("painted %zu %zu\n", counters.WorkingSetSize / 1024,
                counters.PeakWorkingSetSize / 1024);
    std::fflush(stdout);
    return 0;
}

int RunOnce(HINSTANCE instance, bool game) {
    if (game) {
        quandrel::frmQuandrel window(instance);
        return ReportFirstPaint(window.hwnd());
    }
    return ReportFirstPaint(ShowMinimal(instance));
}

using Sample = quandrel::bench::StartUpSample;

// Starts this program in `mode` and times it until it reports its first paint.
Sample Measure(const wchar_t* mode) {
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring command = L"\"" + std::wstring(self) + L"\" " + mode;
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE read = nullptr, write = nullptr;
    CreatePipe(&read, &write, &inherit, 0);
    SetHandleInformation(read, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = write;
    PROCESS_INFORMATION process{};
    LARGE_INTEGER frequency, start, painted;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                   &process);
    CloseHandle(write);
    std::string line;
    char c;
    DWORD count = 0;
    while (ReadFile(read, &c, 1, &count, nullptr) && count == 1 && c != '\n') line += c;
    QueryPerformanceCounter(&painted);
    WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    CloseHandle(read);
    double resident = 0, peak = 0;
    std::sscanf(line.c_str(), "painted %lf %lf", &resident, &peak);
    return {1000.0 * static_cast<double>(painted.QuadPart - start.QuadPart) /
                static_cast<double>(frequency.QuadPart),
            resident, peak};
}

// The size of the game's program, beside this one's build folder.
long long GameSize() {
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring game(path);
    game = game.substr(0, game.find_last_of(L'\\')) + L"\\..\\src\\quandrel.exe";
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(game.c_str(), GetFileExInfoStandard, &data)) return -1;
    return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    if (argc > 1) return RunOnce(instance, std::wstring(argv[1]) == L"game");
    quandrel::bench::CompareStartUps(" (to the first paint, under Wine)", [](bool game) {
        return Measure(game ? L"game" : L"minimal");
    });
    std::printf("quandrel.exe: %lld bytes (goal: under 1 MB)\n", GameSize());
    return 0;
}
