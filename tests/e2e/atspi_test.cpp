// The real program's board read over AT-SPI by a real client, under its own D-Bus session (run
// by dbus-run-session), while XTEST keys play the keyboard scenario.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "hearing.h"
#include "x_session.h"

namespace quandrel::e2e {
namespace {

TEST(AtSpi, AClientReadsTheBoardsCellsAndHearsWhatTheGameTells) {
    ASSERT_NE(std::getenv("DBUS_SESSION_BUS_ADDRESS"), nullptr) << "run under dbus-run-session";
    setenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1", 1);
    XServer server;
    Program game(server, {QUANDREL_BINARY});
    const std::string out = ::testing::TempDir() + "atspi-heard.txt";
    std::remove(out.c_str());
    Child listener({"/usr/bin/python3", QUANDREL_ATSPI_LISTEN, out}, server.name(), -1, false);
    Hearing hearing(out);
    ASSERT_TRUE(WaitFor([&] { return hearing.All().find("listening\n") != std::string::npos; },
                        std::chrono::seconds(60)))
        << hearing.All();
    const std::string cells = hearing.All();
    EXPECT_NE(cells.find("table 4 5\n"), std::string::npos) << cells;
    for (const char* cell :
         {"cell 0 wide block, left part, column 1, row 1",
          "cell 5 big block, top-left part, column 1, row 2",
          "cell 8 single block, column 4, row 2", "cell 9 empty, column 5, row 2",
          "cell 19 single block, column 5, row 4"}) {
        EXPECT_NE(cells.find(std::string(cell) + "\n"), std::string::npos) << cells;
    }

    Display* d = server.display();
    ASSERT_TRUE(hearing.Hears("probed 1448")) << hearing.All();
    EXPECT_TRUE(game.Running()) << "no AT-SPI call ends the game";

    PlayHeardScenario(
        [d](const char* key, bool shift) { shift ? Tap(d, key, {"Shift_L"}) : Tap(d, key); },
        hearing);
    EXPECT_NE(hearing.All().find("text Trace\n"), std::string::npos) << "the panel's new text";
    Tap(d, "Tab");
    EXPECT_TRUE(hearing.Hears("focus Trace")) << hearing.All();
    Tap(d, "Tab", {"Shift_L"});
    EXPECT_TRUE(hearing.Hears("focus empty, column 4, row 2")) << "back on the cursor's cell";
}

}  // namespace
}  // namespace quandrel::e2e
