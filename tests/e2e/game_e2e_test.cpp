// The installed-style program under a real X server and window manager, with real input.
// GoogleTest comes before Xlib, whose macros (None, Bool) clash with it.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>

#include "model/moves.h"
#include "model/solver.h"
#include "support/points.h"
// After the game's headers:
#include "hearing.h"
#include "x_session.h"

namespace quandrel::e2e {
namespace {

using testing::CellCentre;
using testing::DragPoint;
using testing::Point;

constexpr Rgb kGreen{0, 192, 0}, kBlue{0, 0, 255}, kRed{192, 0, 0}, kGrey{192, 192, 192},
    kBlack{0, 0, 0}, kYellow{255, 255, 0};

const Rect kStartUpFrame{13, 13, 362, 330};

const Rgb kStartColours[20] = {kGreen, kGreen, kGreen, kGreen, kBlue,  kRed,  kRed,
                               kGrey,  kBlue,  kBlack, kRed,   kRed,   kGrey, kBlue,
                               kBlack, kGreen, kGreen, kGreen, kGreen, kBlue};

class EndToEnd : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        if (UnderWine()) {
            setenv("WINEPREFIX", QUANDREL_WINE_PREFIX, 1);
            setenv("WINEDEBUG", "-all", 1);
        }
        server_ = std::make_unique<XServer>();
    }
    static void TearDownTestSuite() {
        // Wine's server and services belong to this X server: they end with it.
        if (UnderWine()) std::system("wineserver -k 2>/dev/null; wineserver -w");
        server_.reset();
    }

    // QUANDREL_GAME names another build of the game, such as an installed one;
    // QUANDREL_WINDOWS_BUILD names a build folder of the Windows game, run under Wine.
    void SetUp() override {
        if (UnderWine()) {
            program_ = std::make_unique<Program>(
                *server_, std::vector<std::string>{"wine", WindowsBuild() + "/src/quandrel.exe"},
                true);
        } else {
            const char* game = std::getenv("QUANDREL_GAME");
            program_ = std::make_unique<Program>(
                *server_, std::vector<std::string>{game ? game : QUANDREL_BINARY});
        }
    }
    void TearDown() override { program_.reset(); }

    static bool UnderWine() { return std::getenv("QUANDREL_WINDOWS_BUILD") != nullptr; }
    static std::string WindowsBuild() { return std::getenv("QUANDREL_WINDOWS_BUILD"); }
    // What the Windows build's test helper says of the game's window: "text" or "rect".
    static std::string Peek(const char* what) {
        const std::string command =
            "wine '" + WindowsBuild() + "/tests/win32/quandrel-peek.exe' " + what + " 2>/dev/null";
        FILE* pipe = popen(command.c_str(), "r");
        if (pipe == nullptr) return {};
        std::string out;
        char buffer[256];
        while (const std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe))
            out.append(buffer, n);
        pclose(pipe);
        return out;
    }

    Display* display() { return server_->display(); }
    Program& program() { return *program_; }

    // Screen point at the centre of a drawn cell.
    std::pair<int, int> DrawnCell(int column, int row) {
        const Rect board = program().Board();
        const Point at = CellCentre(column, row);
        return {board.x + static_cast<int>(at.x), board.y + static_cast<int>(at.y)};
    }
    // Screen point that the drag grid maps to (column, row).
    std::pair<int, int> DragCell(int column, int row) {
        const Rect board = program().Board();
        const Point at = DragPoint(column, row);
        return {board.x + static_cast<int>(at.x), board.y + static_cast<int>(at.y)};
    }
    // Presses on one drag-grid cell, moves into another and releases there.
    void DragBetween(int fromColumn, int fromRow, int toColumn, int toRow) {
        const auto [fx, fy] = DragCell(fromColumn, fromRow);
        const auto [tx, ty] = DragCell(toColumn, toRow);
        MoveMouse(display(), fx, fy);
        Button(display(), 1, true);
        MoveMouse(display(), tx, ty);
        Button(display(), 1, false);
    }
    Rgb CellColour(int column, int row) {
        const auto [x, y] = DrawnCell(column, row);
        return PixelAt(display(), x, y);
    }
    bool ShowsColours(const Rgb (&expected)[20]) {
        for (int i = 0; i < 20; ++i) {
            if (CellColour(i % 5, i / 5) != expected[i]) return false;
        }
        return true;
    }
    void ExpectColours(const Rgb (&expected)[20]) {
        WaitFor([&] { return ShowsColours(expected); });
        for (int i = 0; i < 20; ++i) {
            const Rgb c = CellColour(i % 5, i / 5);
            EXPECT_EQ(c, expected[i]) << "cell " << i << " is " << c.r << "," << c.g << "," << c.b;
        }
    }
    void ExpectEndsWithStatusZero() {
        const auto status = program().WaitForExit(std::chrono::seconds(10));
        ASSERT_TRUE(status.has_value()) << "the program is still running";
        EXPECT_EQ(*status, 0);
    }
    void Click(int x, int y) {
        MoveMouse(display(), x, y);
        Button(display(), 1, true);
        Button(display(), 1, false);
    }
    // Left 200, Top 200, Width 5430, Height 4950 twips as outer bounds. Under Wine those are the
    // Windows window rectangle, with Windows' frame; openbox frames the client area that Wine
    // places inside it with its own, thinner frame, so what a user sees is within a few pixels.
    bool ShowsStartUpFrame() {
        const Rect frame = program().FrameGeometry();
        if (!UnderWine()) return frame == kStartUpFrame;
        const Rect& r = kStartUpFrame;
        std::ostringstream windows;
        windows << r.x << ' ' << r.y << ' ' << r.width << ' ' << r.height << '\n';
        const int left = frame.x - r.x, top = frame.y - r.y;
        const int right = r.x + r.width - frame.x - frame.width;
        const int bottom = r.y + r.height - frame.y - frame.height;
        return Peek("rect") == windows.str() && std::abs(left) <= 4 && std::abs(top) <= 4 &&
               std::abs(right) <= 4 && std::abs(bottom) <= 4;
    }
    void ExpectStartUpFrame() {
        WaitFor([&] { return ShowsStartUpFrame(); });
        const Rect frame = program().FrameGeometry();
        EXPECT_TRUE(ShowsStartUpFrame())
            << frame.x << "," << frame.y << " " << frame.width << "x" << frame.height
            << (UnderWine() ? ", Windows: " + Peek("rect") : "");
    }
    // Opens a menu with Alt and its access key, then chooses an entry by its key, until `done`
    // holds: a press that comes while the menu is still opening may be lost.
    void ChooseFromMenu(const char* menu, const char* entry, const std::function<bool()>& done) {
        // The entry keys do nothing in the window when the menu is not open.
        for (int attempt = 0; attempt < 3; ++attempt) {
            Tap(display(), menu, {"Alt_L"});
            for (int press = 0; press < 2; ++press) {
                Settle(display(), 300);
                Tap(display(), entry);
                if (WaitFor(done, std::chrono::seconds(3))) return;
            }
        }
    }
    void ResetByMenuAndExpectStartUpFrame() {
        ChooseFromMenu("f", "r", [&] { return ShowsStartUpFrame(); });
        ExpectStartUpFrame();
    }
    // Makes the window tall enough to show the trace panel and clicks into it.
    void FocusPanel() {
        const Rect client = program().ClientGeometry();
        XResizeWindow(display(), program().window(), static_cast<unsigned>(client.width), 600);
        XSync(display(), False);
        ASSERT_TRUE(WaitFor([&] { return program().ClientGeometry().height == 600; }));
        const Rect board = program().Board();
        WaitFor([&] {
            return PixelAt(display(), board.x + 100, board.y + 400) == Rgb{255, 255, 255};
        });
        Click(board.x + 100, board.y + 400);
        Settle(display());
    }
    // The window whose title is `title`, other than the game's own, waiting up to `timeout_ms`.
    Window FindWindow(const char* title, int timeout_ms = 10000) {
        Window found = 0;
        WaitFor(
            [&] {
                Window root, parent, *children = nullptr;
                unsigned int count = 0;
                XQueryTree(display(), DefaultRootWindow(display()), &root, &parent, &children,
                           &count);
                for (unsigned int i = 0; i < count && !found; ++i) {
                    Window r2, p2, *inner = nullptr;
                    unsigned int n = 0;
                    XQueryTree(display(), children[i], &r2, &p2, &inner, &n);
                    for (unsigned int j = 0; j < n && !found; ++j) {
                        char* name = nullptr;
                        if (XFetchName(display(), inner[j], &name) && name &&
                            std::string(name) == title) {
                            found = inner[j];
                        }
                        if (name) XFree(name);
                    }
                    if (inner) XFree(inner);
                }
                if (children) XFree(children);
                return found != 0;
            },
            std::chrono::milliseconds(timeout_ms));
        return found;
    }

    static std::unique_ptr<XServer> server_;
    std::unique_ptr<Program> program_;
};

std::unique_ptr<XServer> EndToEnd::server_;

TEST_F(EndToEnd, StartsWithTitleFrameAndBoard) {
    EXPECT_EQ(program().Title(), " Quandrel");
    ExpectStartUpFrame();
    ExpectColours(kStartColours);
}

TEST_F(EndToEnd, ShowsTheBoardIconInItsFrame) {
    // _NET_WM_ICON: width, height, then ARGB pixels, for each size.
    const auto icon = program().Property("_NET_WM_ICON");
    // Qt gives every size of the SVG, Wine the 32 x 32 and 16 x 16 images of the .ico.
    bool found = false;
    for (std::size_t at = 0; at + 2 < icon.size();) {
        const std::size_t width = icon[at], height = icon[at + 1];
        if (width >= 32 && width == height && at + 2 + width * height <= icon.size()) {
            const unsigned long argb = icon[at + 2 + width * (height / 2) + width * 14 / 64];
            EXPECT_EQ(argb & 0xFFFFFF, 0xC00000u) << "the big block's middle, " << width << " px";
            found = true;
        }
        at += 2 + width * height;
    }
    EXPECT_TRUE(found) << "no icon of 32 x 32 or larger in _NET_WM_ICON";
}

TEST_F(EndToEnd, DragsASingleBlockIntoAnEmptyCellAndBackInOnePress) {
    const auto [fx, fy] = DragCell(3, 1);
    const auto [tx, ty] = DragCell(4, 1);
    MoveMouse(display(), fx, fy);
    Button(display(), 1, true);
    MoveMouse(display(), (fx + tx) / 2, fy);
    MoveMouse(display(), tx, ty);
    Rgb moved[20];
    std::copy(std::begin(kStartColours), std::end(kStartColours), moved);
    moved[8] = kBlack;
    moved[9] = kBlue;
    ExpectColours(moved);
    MoveMouse(display(), fx, fy);
    ExpectColours(kStartColours);
    Button(display(), 1, false);
}

TEST_F(EndToEnd, PanelShowsTheTraceOfADrag) {
    if (!UnderWine()) GTEST_SKIP() << "reads the Windows build's panel through its EDIT control";
    DragBetween(3, 1, 4, 1);
    EXPECT_TRUE(WaitFor([&] { return CellColour(4, 1) == kBlue; }));
    EXPECT_EQ(Peek("text"), "move ther");
}

TEST_F(EndToEnd, DKeyMarksSquareOneYellow) {
    Tap(display(), "D", {"Shift_L"});  // upper case does nothing
    Settle(display());
    EXPECT_EQ(CellColour(1, 0), kGreen);
    Tap(display(), "d");
    EXPECT_TRUE(WaitFor([&] { return CellColour(1, 0) == kYellow; }));
    EXPECT_EQ(CellColour(0, 0), kGreen);
}

// The colour each cell of `board` shows.
void ColoursOf(const Board& board, Rgb (&colours)[20]) {
    const Rgb byCode[] = {kBlack, kBlue, kGreen, kGreen, kGrey, kGrey, kRed, kRed, kRed, kRed};
    for (int i = 0; i < 20; ++i) colours[i] = byCode[board.cells[static_cast<std::size_t>(i)]];
}

TEST_F(EndToEnd, AShortestSolutionPlayedWithTheArrowKeysReachesTheGoal) {
    const auto solution = ShortestSolution(InitialLayout(), Goal::Object, Metric::Steps);
    ASSERT_TRUE(solution.has_value());
    Board board = InitialLayout();
    Tap(display(), "Left");  // shows the cursor, at (0, 0): nothing has been pressed
    const Rect area = program().Board();
    EXPECT_TRUE(WaitFor([&] {
        return PixelAt(display(), area.x + 5, area.y + 35) == Rgb{255, 255, 255} &&
               PixelAt(display(), area.x + 8, area.y + 35) == kBlack;
    })) << "the ring in the top-left square";
    Display* d = display();
    PlayWithArrows(
        *solution,
        [d](const char* key, bool shift) { shift ? Tap(d, key, {"Shift_L"}) : Tap(d, key); },
        [&](const quandrel::Move& step) {
            ApplyMove(board, RuleFor(step.code), step.X, step.Y, step.DirX, step.DirY);
            return true;
        });
    ASSERT_EQ(board(3, 1), kBigTopLeft);
    Rgb goal[20];
    ColoursOf(board, goal);
    ExpectColours(goal);
}

TEST_F(EndToEnd, AnMsaaClientReadsTheBoardAndHearsAKeyboardStep) {
    if (!UnderWine()) GTEST_SKIP() << "MSAA is the Windows program's; e2e.AtSpi reads Linux's";
    const auto has = [](const std::string& text, const std::string& line) {
        return text.find(line + "\n") != std::string::npos;
    };
    const std::string start = Peek("cells");
    for (const char* line :
         {"role 24", "children 20", "focus 0", "name Quandrel board",
          "1 wide block, left part, column 1, row 1", "6 big block, top-left part, column 1, row 2",
          "10 empty, column 5, row 2", "20 single block, column 5, row 4"}) {
        EXPECT_TRUE(has(start, line)) << line << " in\n" << start;
    }
    const Rect board = program().Board();
    std::ostringstream corner;
    corner << "at 2 " << board.x + 70 << ' ' << board.y << " 71 71";
    EXPECT_TRUE(has(start, corner.str())) << corner.str() << " in\n" << start;

    const std::string heard = ::testing::TempDir() + "msaa-heard.txt";
    std::remove(heard.c_str());
    Child listener(
        {"sh", "-c",
         "exec wine '" + WindowsBuild() + "/tests/win32/quandrel-peek.exe' events 20000 >'" +
             heard + "' 2>/dev/null"},
        server_->name());
    Hearing hearing(heard);
    ASSERT_TRUE(hearing.Hears("listening"));
    // The client reads a cell's name when the event reaches it: each key waits for that.
    Display* d = display();
    PlayHeardScenario(
        [d](const char* key, bool shift) { shift ? Tap(d, key, {"Shift_L"}) : Tap(d, key); },
        hearing);

    const std::string after = Peek("cells");
    for (const char* line :
         {"focus 9", "9 empty, column 4, row 2", "10 single block, column 5, row 2",
          "description 9 no block to move"}) {
        EXPECT_TRUE(has(after, line)) << line << " in\n" << after;
    }
    EXPECT_EQ(Peek("panel"), "Trace\n");
    EXPECT_TRUE(has(Peek("probe"), "probed 98"));
    EXPECT_TRUE(program().Running()) << "no MSAA call ends the game";
}

TEST_F(EndToEnd, ObjectShowsTheGoalWhileItsBoxIsUp) {
    Window box = 0;
    ChooseFromMenu("h", "o", [&] { return (box = FindWindow("Object", 0)) != 0; });
    ASSERT_NE(box, 0u);
    Rgb goal[20];
    std::fill(std::begin(goal), std::end(goal), kBlack);
    goal[8] = goal[9] = goal[13] = goal[14] = kRed;
    // Move the box off the board to see the whole goal position (again, should it be placed
    // after the first move).
    WaitFor([&] {
        XMoveWindow(display(), box, 600, 500);
        Settle(display(), 50);
        return ShowsColours(goal);
    });
    ExpectColours(goal);
    Tap(display(), "Return");
    ExpectColours(kStartColours);
    EXPECT_TRUE(program().Running());
}

TEST_F(EndToEnd, ResetRestoresBoardAndFrameAfterMoveAndResize) {
    DragBetween(4, 0, 4, 1);
    ASSERT_TRUE(WaitFor([&] { return CellColour(4, 0) == kBlack; }));

    XMoveResizeWindow(display(), program().window(), 150, 120, 480, 420);
    XSync(display(), False);
    ASSERT_TRUE(WaitFor([&] { return program().ClientGeometry().width == 480; }));
    ResetByMenuAndExpectStartUpFrame();
    ExpectColours(kStartColours);
}

TEST_F(EndToEnd, StaysMaximizedAndResetBringsTheStartUpFrameBack) {
    // As the title bar's maximize button does.
    AskWindowManager(
        display(), program().window(), "_NET_WM_STATE",
        {1, static_cast<long>(XInternAtom(display(), "_NET_WM_STATE_MAXIMIZED_VERT", False)),
         static_cast<long>(XInternAtom(display(), "_NET_WM_STATE_MAXIMIZED_HORZ", False))});
    ASSERT_TRUE(WaitFor([&] { return program().ClientGeometry().width > 900; }));
    Settle(display(), 300);
    EXPECT_GT(program().ClientGeometry().width, 900) << "the window left its maximized state";

    ResetByMenuAndExpectStartUpFrame();
}

TEST_F(EndToEnd, QuitOnTheBarEnds) {
    // The bar's entries are the three runs of text pixels in the menu bar's middle row.
    const Rect client = program().ClientGeometry();
    const int row = (client.y + program().Board().y) / 2;
    std::vector<std::pair<int, int>> words;
    int gap = 100;
    for (int x = client.x; x < client.x + client.width; ++x) {
        const Rgb p = PixelAt(display(), x, row);
        const bool ink = p.r + p.g + p.b < 300;
        if (ink && gap > 6) words.push_back({x, x});
        if (ink) words.back().second = x;
        gap = ink ? 0 : gap + 1;
    }
    ASSERT_GE(words.size(), 3u);
    Click((words[2].first + words[2].second) / 2, row);
    ExpectEndsWithStatusZero();
}

TEST_F(EndToEnd, TheCloseButtonEnds) {
    // As the frame's close button does (2: on the user's behalf).
    AskWindowManager(display(), program().window(), "_NET_CLOSE_WINDOW", {0, 2});
    ExpectEndsWithStatusZero();
}

// Desktops whose frames leave less room than the outer size asks for: GNOME's window manager,
// whose title bar is thick, and Windows 10's window metrics under Wine.
class ThickFrames : public EndToEnd {
  protected:
    static void SetUpTestSuite() {
        if (UnderWine()) {
            setenv("WINEPREFIX", QUANDREL_WINE_PREFIX "-win10", 1);
            setenv("WINEDEBUG", "-all", 1);
            server_ = std::make_unique<XServer>();
        } else {
            server_ = std::make_unique<XServer>(kMutter);
        }
    }

    // The outer bounds: under Wine, the Windows window rectangle.
    Rect Outer() {
        if (!UnderWine()) return program().FrameGeometry();
        Rect r;
        std::istringstream(Peek("rect")) >> r.x >> r.y >> r.width >> r.height;
        return r;
    }
    bool AtStartUpPlace() {
        const Rect outer = Outer();
        return outer.x == 13 && outer.y == 13 && outer.width < 400 && outer.height < 400;
    }
    // Waits for the start-up place, then for the window to keep still there: the window manager
    // may pass through other sizes on the way.
    void WaitForStartUpPlace() {
        WaitFor([&] { return AtStartUpPlace(); });
        program().WaitUntilSettled();
    }
    // Every square and the bottom-right pixel of every outline show below the menu bar, the
    // panel does not, and the outer size grew only by what the client area lacked.
    void ExpectWholeBoard() {
        ExpectColours(kStartColours);
        const Rect board = program().Board();
        EXPECT_GE(board.width, 351);
        EXPECT_GE(board.height, 281);
        EXPECT_LT(board.height, 350) << "the panel shows";
        // Shape4 0, 2, 15, 17, Shape6 5, Shape3 7, Shape5 4, 8, 13, 19.
        const std::pair<int, int> corners[] = {{133, 63},  {273, 63},  {133, 273}, {273, 273},
                                               {133, 203}, {203, 203}, {343, 63},  {273, 133},
                                               {273, 203}, {343, 273}};
        for (const auto& [x, y] : corners) {
            EXPECT_EQ(PixelAt(display(), board.x + x, board.y + y), kBlack) << x << "," << y;
        }
        EXPECT_EQ(PixelAt(display(), board.x + 350, board.y + 280), kBlue) << "the last pixel";
        const Rect outer = Outer();
        EXPECT_EQ(outer.x, 13);
        EXPECT_EQ(outer.y, 13);
        EXPECT_TRUE(outer.width == 362 || (outer.width > 362 && board.width == 351))
            << outer.width << " wide, board " << board.width;
        EXPECT_TRUE(outer.height == 330 || (outer.height > 330 && board.height == 281))
            << outer.height << " high, board " << board.height;
    }
};

TEST_F(ThickFrames, StartUpShowsTheWholeBoard) {
    WaitForStartUpPlace();
    ExpectWholeBoard();
}

TEST_F(ThickFrames, ResetAfterAResizeShowsTheWholeBoard) {
    XMoveResizeWindow(display(), program().window(), 150, 120, 300, 200);
    XSync(display(), False);
    ASSERT_TRUE(WaitFor([&] { return program().ClientGeometry().width == 300; }));
    ChooseFromMenu("f", "r", [&] { return AtStartUpPlace(); });
    WaitForStartUpPlace();
    ExpectWholeBoard();
}

struct EndKey {
    const char* name;
    const char* keysym;
    bool control;
};
void PrintTo(const EndKey& key, std::ostream* out) { *out << key.name; }

const EndKey kEndKeys[] = {
    {"Esc", "Escape", false}, {"CtrlQ", "q", true}, {"CtrlC", "c", true}, {"CtrlX", "x", true}};

class EndKeys : public EndToEnd, public ::testing::WithParamInterface<std::tuple<EndKey, bool>> {};

TEST_P(EndKeys, EndTheProgramWithStatusZero) {
    const auto [key, panel] = GetParam();
    if (panel) {
        FocusPanel();
        // Typed into the panel, d does not reach the window's dump.
        Tap(display(), "d");
        Settle(display());
        ASSERT_EQ(CellColour(1, 0), kGreen) << "the panel does not have the focus";
    }
    if (key.control) {
        Tap(display(), key.keysym, {"Control_L"});
    } else {
        Tap(display(), key.keysym);
    }
    ExpectEndsWithStatusZero();
}

INSTANTIATE_TEST_SUITE_P(WindowAndPanel, EndKeys,
                         ::testing::Combine(::testing::ValuesIn(kEndKeys),
                                            ::testing::Values(false, true)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) +
                                    (std::get<1>(info.param) ? "_Panel" : "_Window");
                         });

}  // namespace
}  // namespace quandrel::e2e
