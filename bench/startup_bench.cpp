// Start-up of the Qt program against a minimal Qt Widgets window (one empty QMainWindow): the time
// from process start to its first top-level window mapped on the X server, its resident memory
// then, and its peak memory once it has settled. Runs under an X server (xvfb-run); both programs
// are started in turn, as a player would start them. With a third program, a minimal window that
// shows text, it also prints the game's peak memory against that one's.
//   startup_bench GAME MINIMAL [MINIMAL_WITH_TEXT]
#include <X11/Xlib.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "startup_figures.h"

namespace {

using Clock = std::chrono::steady_clock;

// A field of /proc/PID/status in KiB ("VmRSS", "VmHWM").
double StatusKiB(pid_t pid, const std::string& field) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field + ":", 0) == 0) return std::stod(line.substr(field.size() + 1));
    }
    return 0;
}

// Starts `program` and waits for the first window mapped on the root window; then lets it settle,
// reads its memory and ends it.
quandrel::bench::StartUpSample Measure(Display* display, const char* program) {
    const auto start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    XEvent event;
    do {
        XNextEvent(display, &event);
    } while (event.type != MapNotify);
    const auto mapped = Clock::now();
    const double resident = StatusKiB(pid, "VmRSS");
    std::this_thread::sleep_for(std::chrono::milliseconds(400));
    const quandrel::bench::StartUpSample sample{
        std::chrono::duration<double, std::milli>(mapped - start).count(), resident,
        StatusKiB(pid, "VmHWM")};
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    // Skip what the ending window sent.
    XSync(display, True);
    return sample;
}

// Fonts, text shaping and the menu bar's code cost any window that shows text: the game's peak
// memory against the least such window.
void PeakAgainstText(Display* display, const char* game, const char* text) {
    std::vector<double> peaks[2];
    for (int i = 0; i < quandrel::bench::Runs(); ++i) {
        peaks[0].push_back(Measure(display, game).peakKiB);
        peaks[1].push_back(Measure(display, text).peakKiB);
    }
    const double ofGame = quandrel::bench::Median(peaks[0]);
    const double ofText = quandrel::bench::Median(peaks[1]);
    std::printf(
        "peak memory (median of %zu): game %.1f KiB, minimal window with a menu bar and a "
        "text box %.1f KiB, ratio %.3f\n",
        peaks[0].size(), ofGame, ofText, ofGame / ofText);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: startup_bench GAME MINIMAL [MINIMAL_WITH_TEXT]\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "startup_bench: no X display\n");
        return 1;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, True);
    quandrel::bench::CompareStartUps(" (process start to its window mapped)", [&](bool game) {
        return Measure(display, argv[game ? 1 : 2]);
    });
    if (argc == 4) PeakAgainstText(display, argv[1], argv[3]);
    XCloseDisplay(display);
    return 0;
}
