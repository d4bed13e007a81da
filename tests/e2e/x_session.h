// The real program under Xvfb with a window manager, driven by XTEST input and read from
// screenshots.
#pragma once

#include <X11/Xlib.h>
#include <sys/types.h>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace quandrel::e2e {

struct Rect {
    int x = 0, y = 0, width = 0, height = 0;
    bool operator==(const Rect&) const = default;
};

struct Rgb {
    int r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

inline const std::vector<std::string> kOpenbox = {"openbox", "--sm-disable"};
// GNOME's window manager, with its thick title bar.
inline const std::vector<std::string> kMutter = {
    "dbus-run-session", "--", "mutter", "--x11", "--replace", "--sm-disable"};

// A process started in a process group of its own; the whole group ends with the object, so
// what it starts in turn (dbus-run-session's dbus-daemon, Wine's loader) ends with it too.
class Child {
  public:
    Child() = default;
    // `keepFd` stays open in the child; a quiet child's output goes to /dev/null.
    Child(const std::vector<std::string>& argv, const std::string& display, int keepFd = -1,
          bool quiet = true);
    ~Child() { Stop(); }
    Child(Child&& other) noexcept
        : pid_(std::exchange(other.pid_, -1)), group_(std::exchange(other.group_, -1)) {}
    Child& operator=(Child&& other) noexcept;

    pid_t pid() const { return pid_; }
    // Exit status (128 + signal when killed) once the process has ended, or nullopt while it
    // runs; what is left of its group ends with the object.
    std::optional<int> Poll();
    // Ends the group and reaps it: TERM, then KILL for what is still there after two seconds.
    void Stop();

  private:
    pid_t pid_ = -1;    // the process, until it is reaped
    pid_t group_ = -1;  // its group, until it is ended
};

// Waits until the window manager on `display` manages windows: a probe window is mapped, framed
// and listed in _NET_CLIENT_LIST. A window manager that has set its properties but not yet
// entered its event loop may hold a map request until some other event wakes it; the wait
// touches a property of the root window at every look to give it one.
bool WaitForWindowManager(Display* display, std::chrono::milliseconds timeout);

// Xvfb and a window manager for one test suite.
class XServer {
  public:
    explicit XServer(const std::vector<std::string>& windowManager = kOpenbox);
    ~XServer();
    XServer(const XServer&) = delete;
    XServer& operator=(const XServer&) = delete;

    const std::string& name() const { return display_name_; }
    Display* display() const { return display_.get(); }

  private:
    struct CloseDisplay {
        void operator()(Display* d) const { XCloseDisplay(d); }
    };

    // Members end in reverse order, also when the constructor throws: the connection, then
    // the window manager, then Xvfb.
    Child xvfb_;
    std::string display_name_;
    std::unique_ptr<Display, CloseDisplay> display_;
    Child windowManager_;
};

// One run of the program on a server: `command` is its path and arguments, such as
// {"wine", "quandrel.exe"}. A quiet program's output goes nowhere: Wine's server outlives the
// program and would hold the test's output open.
class Program {
  public:
    Program(XServer& server, const std::vector<std::string>& command, bool quiet = false);

    // The top-level window, once it is mapped and framed.
    ::Window window() const { return window_; }
    Rect FrameGeometry() const;
    Rect ClientGeometry() const;
    std::string Title() const;
    // A 32-bit property of the window, such as _NET_WM_ICON.
    std::vector<unsigned long> Property(const char* name) const;
    // Top-left of the board (the client area below the menu bar), in screen pixels.
    Rect Board() const;
    // Waits until the frame has stopped moving and the board is painted (a window manager, or
    // the program itself, may place the window elsewhere first), and finds the board again.
    void WaitUntilSettled();

    // Exit status once the process has ended, or nullopt after the timeout.
    std::optional<int> WaitForExit(std::chrono::milliseconds timeout);
    bool Running();

  private:
    int MenuHeight() const;

    XServer& server_;
    Child process_;
    ::Window window_ = 0;
    int menu_height_ = 0;
};

// Input and pictures of the whole screen.
Rgb PixelAt(Display* display, int x, int y);
void MoveMouse(Display* display, int x, int y);
void Button(Display* display, unsigned int button, bool down);
void Key(Display* display, const char* keysym, bool down);
// Taps `keysym` with the modifier keysyms held, e.g. Tap(d, "q", {"Control_L"}).
void Tap(Display* display, const char* keysym, std::initializer_list<const char*> held = {});
void Settle(Display* display, int milliseconds = 150);
// Sends the window manager a client message about `window`, as pagers and title bars do.
void AskWindowManager(Display* display, ::Window window, const char* message,
                      std::initializer_list<long> data);

// Polls `condition` until it holds or the timeout passes.
bool WaitFor(const std::function<bool()>& condition,
             std::chrono::milliseconds timeout = std::chrono::seconds(10));

}  // namespace quandrel::e2e
