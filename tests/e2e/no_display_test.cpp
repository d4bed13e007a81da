// The program started where it cannot open a display, as from a console or over SSH.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace quandrel::e2e {
namespace {

struct Start {
    const char* environment;  // as `env` takes it
    const char* message;
};

TEST(NoDisplay, SaysWhichDisplayInOneLineAndExitsWithStatusOne) {
    if (std::getenv("QUANDREL_WINDOWS_BUILD")) GTEST_SKIP() << "the Linux program only";
    const char* game = std::getenv("QUANDREL_GAME");
    const std::string runtime = testing::TempDir();
    const Start starts[] = {
        {"-u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_SESSION_TYPE",
         "quandrel: cannot open an X display (DISPLAY is not set)\n"},
        {"-u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:99999",
         "quandrel: cannot open the X display :99999\n"},
        {"-u DISPLAY QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=quandrel-none",
         "quandrel: cannot open the Wayland display quandrel-none\n"},
        {"-u QT_QPA_PLATFORM DISPLAY=:99999 WAYLAND_DISPLAY=quandrel-none",
         "quandrel: cannot open the X display :99999 or the Wayland display quandrel-none\n"},
    };
    for (const Start& start : starts) {
        const std::string command = std::string("env ") + start.environment + " XDG_RUNTIME_DIR='" +
                                    runtime + "' '" + (game ? game : QUANDREL_BINARY) + "' 2>&1";
        FILE* pipe = popen(command.c_str(), "r");
        ASSERT_NE(pipe, nullptr);
        std::string out;
        char buffer[512];
        while (const std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe))
            out.append(buffer, n);
        const int status = pclose(pipe);
        EXPECT_EQ(out, start.message) << start.environment;
        ASSERT_TRUE(WIFEXITED(status)) << start.environment << ": ended by a signal";
        EXPECT_EQ(WEXITSTATUS(status), 1) << start.environment;
    }
}

}  // namespace
}  // namespace quandrel::e2e
