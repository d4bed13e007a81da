#include "x_session.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <stdexcept>
#include <thread>
#include <utility>
#include <vector>

namespace quandrel::e2e {
namespace {

// Windows come and go while the tests look at them: a request on a window that is gone fails
// harmlessly instead of ending the test program.
int IgnoreErrors(Display*, XErrorEvent*) { return 0; }

std::vector<unsigned long> CardinalProperty(Display* d, Window w, const char* name) {
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char* data = nullptr;
    std::vector<unsigned long> values;
    if (XGetWindowProperty(d, w, XInternAtom(d, name, False), 0, 1 << 20, False, AnyPropertyType,
                           &type, &format, &count, &after, &data) == Success &&
        data != nullptr && format == 32) {
        const auto* longs = reinterpret_cast<unsigned long*>(data);
        values.assign(longs, longs + count);
    }
    if (data) XFree(data);
    return values;
}

std::string StringProperty(Display* d, Window w, const char* name) {
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char* data = nullptr;
    std::string value;
    if (XGetWindowProperty(d, w, XInternAtom(d, name, False), 0, 1024, False, AnyPropertyType,
                           &type, &format, &count, &after, &data) == Success &&
        data != nullptr && format == 8) {
        value.assign(reinterpret_cast<char*>(data), count);
    }
    if (data) XFree(data);
    return value;
}

}  // namespace

Child::Child(const std::vector<std::string>& argv, const std::string& display, int keepFd,
             bool quiet) {
    // What a child leaves behind when it ends comes to the test program, which ends it too.
    static const bool subreaper = prctl(PR_SET_CHILD_SUBREAPER, 1) == 0;
    (void)subreaper;
    pid_ = fork();
    if (pid_ < 0) throw std::runtime_error("fork");
    if (pid_ != 0) {
        setpgid(pid_, pid_);  // also here, so that Stop finds the group however the race goes
        group_ = pid_;
        return;
    }
    setpgid(0, 0);
    if (quiet) {
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        dup2(null, STDERR_FILENO);
    }
    if (!display.empty()) setenv("DISPLAY", display.c_str(), 1);
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    for (int fd = 3; fd < 256; ++fd) {
        if (fd != keepFd) close(fd);
    }
    std::vector<char*> args;
    for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    execvp(args[0], args.data());
    _exit(127);
}

Child& Child::operator=(Child&& other) noexcept {
    if (this != &other) {
        Stop();
        pid_ = std::exchange(other.pid_, -1);
        group_ = std::exchange(other.group_, -1);
    }
    return *this;
}

std::optional<int> Child::Poll() {
    if (pid_ <= 0) return std::nullopt;
    int raw = 0;
    if (waitpid(pid_, &raw, WNOHANG) != pid_) return std::nullopt;
    pid_ = -1;
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw);
}

void Child::Stop() {
    if (group_ <= 0) return;
    const pid_t group = std::exchange(group_, -1);
    pid_ = -1;
    // Reaps what has ended of the group, orphans included (the test program is their
    // subreaper); true once none of it is left.
    const auto gone = [&] {
        pid_t reaped;
        while ((reaped = waitpid(-group, nullptr, WNOHANG)) > 0) {
        }
        return reaped < 0;
    };
    kill(-group, SIGTERM);
    if (WaitFor(gone, std::chrono::seconds(2))) return;
    kill(-group, SIGKILL);
    while (waitpid(-group, nullptr, 0) > 0) {
    }
}

bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < end) {
        if (condition()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return condition();
}

bool WaitForWindowManager(Display* d, std::chrono::milliseconds timeout) {
    const Window root = DefaultRootWindow(d);
    const Window probe = XCreateSimpleWindow(d, root, 0, 0, 10, 10, 0, 0, 0);
    XStoreName(d, probe, "window manager probe");
    XMapWindow(d, probe);
    const Atom wake = XInternAtom(d, "_QUANDREL_TEST_WAKE", False);
    long count = 0;
    const bool managed = WaitFor(
        [&] {
            ++count;
            XChangeProperty(d, root, wake, XA_CARDINAL, 32, PropModeReplace,
                            reinterpret_cast<unsigned char*>(&count), 1);
            XSync(d, False);
            const auto clients = CardinalProperty(d, root, "_NET_CLIENT_LIST");
            return std::find(clients.begin(), clients.end(), probe) != clients.end() &&
                   CardinalProperty(d, probe, "_NET_FRAME_EXTENTS").size() == 4;
        },
        timeout);
    XDeleteProperty(d, root, wake);
    XDestroyWindow(d, probe);
    XSync(d, False);
    return managed;
}

XServer::XServer(const std::vector<std::string>& windowManager) {
    int fds[2];
    if (pipe(fds) != 0) throw std::runtime_error("pipe");
    xvfb_ = Child({"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0", "1024x768x24",
                   "-nolisten", "tcp"},
                  "", fds[1]);
    close(fds[1]);
    std::string number;
    char c;
    while (read(fds[0], &c, 1) == 1 && c != '\n') number += c;
    close(fds[0]);
    if (number.empty()) throw std::runtime_error("Xvfb did not start");
    display_name_ = ":" + number;
    XSetErrorHandler(IgnoreErrors);
    display_.reset(XOpenDisplay(display_name_.c_str()));
    if (!display_) throw std::runtime_error("cannot open " + display_name_);
    windowManager_ = Child(windowManager, display_name_);
    if (!WaitForWindowManager(display(), std::chrono::seconds(20))) {
        throw std::runtime_error(windowManager[0] + " does not manage windows");
    }
}

XServer::~XServer() = default;

Program::Program(XServer& server, const std::vector<std::string>& command, bool quiet)
    : server_(server), process_(command, server.name(), -1, quiet) {
    Display* d = server.display();
    const bool found = WaitFor([&] {
        for (const unsigned long w :
             CardinalProperty(d, DefaultRootWindow(d), "_NET_CLIENT_LIST")) {
            if (CardinalProperty(d, w, "_NET_WM_PID") ==
                    std::vector<unsigned long>{static_cast<unsigned long>(process_.pid())} &&
                CardinalProperty(d, w, "_NET_FRAME_EXTENTS").size() == 4) {
                window_ = w;
                return true;
            }
        }
        return false;
    });
    if (!found) throw std::runtime_error("the program's window did not appear");
    WaitUntilSettled();
}

// Scans down the client area's column at x 35 for the board's top-left cell (green); -1 while
// it is not painted.
int Program::MenuHeight() const {
    const Rect client = ClientGeometry();
    for (int y = client.y; y < client.y + 60; ++y) {
        if (PixelAt(server_.display(), client.x + 35, y) == Rgb{0, 192, 0}) return y - client.y;
    }
    return -1;
}

void Program::WaitUntilSettled() {
    std::optional<std::pair<Rect, int>> last;
    WaitFor([&] {
        const std::pair now{FrameGeometry(), MenuHeight()};
        const bool same = now.second >= 0 && last == now;
        last = now;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        return same;
    });
    menu_height_ = std::max(last->second, 0);
}

Rect Program::ClientGeometry() const {
    Display* d = server_.display();
    XWindowAttributes attributes;
    XGetWindowAttributes(d, window_, &attributes);
    int x = 0, y = 0;
    Window child;
    XTranslateCoordinates(d, window_, DefaultRootWindow(d), 0, 0, &x, &y, &child);
    return {x, y, attributes.width, attributes.height};
}

Rect Program::FrameGeometry() const {
    const auto extents = CardinalProperty(server_.display(), window_, "_NET_FRAME_EXTENTS");
    const Rect client = ClientGeometry();
    if (extents.size() != 4) return client;
    const int left = static_cast<int>(extents[0]), right = static_cast<int>(extents[1]);
    const int top = static_cast<int>(extents[2]), bottom = static_cast<int>(extents[3]);
    return {client.x - left, client.y - top, client.width + left + right,
            client.height + top + bottom};
}

std::vector<unsigned long> Program::Property(const char* name) const {
    return CardinalProperty(server_.display(), window_, name);
}

std::string Program::Title() const {
    const std::string net = StringProperty(server_.display(), window_, "_NET_WM_NAME");
    return net.empty() ? StringProperty(server_.display(), window_, "WM_NAME") : net;
}

Rect Program::Board() const {
    const Rect client = ClientGeometry();
    return {client.x, client.y + menu_height_, client.width, client.height - menu_height_};
}

bool Program::Running() { return process_.pid() > 0 && !process_.Poll(); }

std::optional<int> Program::WaitForExit(std::chrono::milliseconds timeout) {
    std::optional<int> status;
    WaitFor([&] { return (status = process_.Poll()).has_value(); }, timeout);
    return status;
}

Rgb PixelAt(Display* display, int x, int y) {
    XImage* image = XGetImage(display, DefaultRootWindow(display), x, y, 1, 1, AllPlanes, ZPixmap);
    if (image == nullptr) return {-1, -1, -1};
    const unsigned long pixel = XGetPixel(image, 0, 0);
    const Rgb rgb{static_cast<int>((pixel & image->red_mask) >> 16),
                  static_cast<int>((pixel & image->green_mask) >> 8),
                  static_cast<int>(pixel & image->blue_mask)};
    XDestroyImage(image);
    return rgb;
}

void MoveMouse(Display* display, int x, int y) {
    XTestFakeMotionEvent(display, DefaultScreen(display), x, y, CurrentTime);
    XSync(display, False);
}

void Button(Display* display, unsigned int button, bool down) {
    XTestFakeButtonEvent(display, button, down ? True : False, CurrentTime);
    XSync(display, False);
}

void Key(Display* display, const char* keysym, bool down) {
    const KeyCode code = XKeysymToKeycode(display, XStringToKeysym(keysym));
    XTestFakeKeyEvent(display, code, down ? True : False, CurrentTime);
    XSync(display, False);
}

void Tap(Display* display, const char* keysym, std::initializer_list<const char*> held) {
    for (const char* k : held) Key(display, k, true);
    Key(display, keysym, true);
    Key(display, keysym, false);
    for (const char* k : held) Key(display, k, false);
}

void AskWindowManager(Display* display, Window window, const char* message,
                      std::initializer_list<long> data) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, message, False);
    event.xclient.format = 32;
    int i = 0;
    for (const long value : data) event.xclient.data.l[i++] = value;
    XSendEvent(display, DefaultRootWindow(display), False,
               SubstructureRedirectMask | SubstructureNotifyMask, &event);
    XSync(display, False);
}

void Settle(Display* display, int milliseconds) {
    XSync(display, False);
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

}  // namespace quandrel::e2e
