// The real program's board read over AT-SPI by a real client, under its own D-Bus session (run
// by dbus-run-session), while XTEST keys play a keyboard step.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "x_session.h"

namespace quandrel::e2e {
namespace {

std::string ReadAll(const std::string& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(AtSpi, AClientReadsTheBoardsCellsAndHearsAKeyboardStep) {
    ASSERT_NE(std::getenv("DBUS_SESSION_BUS_ADDRESS"), nullptr) << "run under dbus-run-session";
    setenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1", 1);
    XServer server;
    Program game(server, {QUANDREL_BINARY});
    const std::string out = ::testing::TempDir() + "atspi-heard.txt";
    std::remove(out.c_str());
    Child listener({"/usr/bin/python3", QUANDREL_ATSPI_LISTEN, out}, server.name(), -1, false);
    const auto heard = [&](const std::string& line) {
        return WaitFor([&] { return ReadAll(out).find(line + "\n") != std::string::npos; });
    };
    ASSERT_TRUE(heard("listening")) << ReadAll(out);
    const std::string cells = ReadAll(out);
    EXPECT_NE(cells.find("table 4 5\n"), std::string::npos) << cells;
    for (const char* cell :
         {"cell 0 wide block, left part, column 1, row 1",
          "cell 5 big block, top-left part, column 1, row 2",
          "cell 8 single block, column 4, row 2", "cell 9 empty, column 5, row 2",
          "cell 19 single block, column 5, row 4"}) {
        EXPECT_NE(cells.find(std::string(cell) + "\n"), std::string::npos) << cells;
    }

    Display* d = server.display();
    Tap(d, "Down");  // the cursor, at (0, 0)
    EXPECT_TRUE(heard("focus wide block, left part, column 1, row 1")) << ReadAll(out);
    for (int i = 0; i < 3; ++i) Tap(d, "Right");
    Tap(d, "Down");
    EXPECT_TRUE(heard("focus single block, column 4, row 2")) << ReadAll(out);
    Tap(d, "Right", {"Shift_L"});
    EXPECT_TRUE(heard("name empty, column 4, row 2")) << ReadAll(out);
    EXPECT_TRUE(heard("name single block, column 5, row 2")) << ReadAll(out);
    EXPECT_TRUE(heard("focus single block, column 5, row 2")) << ReadAll(out);
    EXPECT_TRUE(heard("description single block, column 5, row 2: single block moved right"))
        << ReadAll(out);
    EXPECT_TRUE(heard("text Trace")) << "the panel's new text: " << ReadAll(out);
}

}  // namespace
}  // namespace quandrel::e2e
