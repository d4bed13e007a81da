// quandrel-solve run as a program: its solutions replayed through the move rules, its errors.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <map>
#include <regex>
#include <sstream>

#include "model/moves.h"
#include "model/solver.h"
#include "support/layout.h"
#include "support/recording_window.h"
#include "support/rect_search.h"

namespace quandrel {
namespace {

struct Result {
    int status;
    std::string out;
};

Result Solve(const std::string& arguments) {
    // Error output first joins the pipe, so arguments can send standard output elsewhere.
    const std::string command = std::string(QUANDREL_SOLVE) + " 2>&1 " + arguments;
    FILE* pipe = popen(command.c_str(), "r");
    std::string out;
    char buffer[4096];
    while (const std::size_t n = fread(buffer, 1, sizeof buffer, pipe)) out.append(buffer, n);
    const int status = pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
}

const std::map<std::string, Code> kKinds{{"single", 1}, {"wide", 2}, {"tall", 4}, {"big", 6}};

std::pair<int, int> Step(const std::string& direction) {
    return {direction == "right"  ? 1
            : direction == "left" ? -1
                                  : 0,
            direction == "down" ? 1
            : direction == "up" ? -1
                                : 0};
}

// A press, moves and release at the drag grid's cell centres, through the game's own handlers.
class Player {
  public:
    explicit Player(const Board& start) { loaded_.form.SetLayout(start); }
    const Board& board() const { return loaded_.form.board; }
    void Press(int x, int y) { loaded_.form.Form_MouseDown(1, 0, X(x), Y(y)); }
    void MoveTo(int x, int y) { loaded_.form.Form_MouseMove(1, 0, X(x), Y(y)); }
    void Release(int x, int y) { loaded_.form.Form_MouseUp(1, 0, X(x), Y(y)); }

  private:
    static float X(int column) { return static_cast<float>(148 * column + 74); }
    static float Y(int row) { return static_cast<float>(126 * row + 63); }
    testing::LoadedGame loaded_;
};

struct SolveRun {
    const char* layout;  // nullptr: the start-up layout
    bool objectGoal;
    bool drags;
};

// Replays one drag line from (x, y) through the game; false when a step does not move.
bool PlayDrag(Player& player, int x, int y, const std::string& directions) {
    player.Press(x, y);
    std::istringstream list(directions);
    for (std::string direction; std::getline(list, direction, ',');) {
        direction.erase(0, direction.find_first_not_of(' '));
        const auto [dx, dy] = Step(direction);
        const Board before = player.board();
        x += dx;
        y += dy;
        player.MoveTo(x, y);
        if (player.board() == before) return false;
    }
    player.Release(x, y);
    return true;
}

// Replays the printed solution from its start and checks the count, the goal, the final board
// and, with the tests' own search, that no shorter one exists.
void ExpectSolutionReplays(const SolveRun& run) {
    std::string arguments = run.objectGoal ? "" : "--goal edge";
    if (!run.drags) arguments += " --steps";
    if (run.layout != nullptr) arguments += std::string(" --from '") + run.layout + "'";
    SCOPED_TRACE(arguments);
    const Result result = Solve(arguments);
    ASSERT_EQ(result.status, 0) << result.out;
    const Board start = run.layout ? testing::Parse(run.layout) : InitialLayout();

    std::istringstream lines(result.out);
    std::string line;
    std::getline(lines, line);
    std::smatch m;
    const std::regex heading(run.drags ? R"(Shortest solution: (\d+) drags?)"
                                       : R"(Shortest solution: (\d+) steps?)");
    ASSERT_TRUE(std::regex_match(line, m, heading)) << line;
    const int count = std::stoi(m[1]);
    const std::regex entry(
        run.drags ? R"( *(\d+)\. (single|wide|tall|big) block, grabbed at \((\d), (\d)\): (.+))"
                  : R"( *(\d+)\. (single|wide|tall|big) block, grabbed at \((\d), (\d)\), (\w+))");
    Player player(start);
    Board board = start;
    for (int i = 1; i <= count; ++i) {
        std::getline(lines, line);
        ASSERT_TRUE(std::regex_match(line, m, entry)) << line;
        EXPECT_EQ(std::stoi(m[1]), i);
        const int x = std::stoi(m[3]), y = std::stoi(m[4]);
        const Code code = board(x, y);
        ASSERT_NE(code, kEmpty) << "line " << i << " grabs an empty cell";
        EXPECT_EQ(PartOf(code)->anchor, kKinds.at(m[2])) << "line " << i << " names the wrong kind";
        if (run.drags) {
            ASSERT_TRUE(PlayDrag(player, x, y, m[5])) << "drag " << i << " does not follow";
            board = player.board();
            continue;
        }
        const auto [dx, dy] = Step(m[5]);
        ASSERT_TRUE(ApplyMove(board, RuleFor(code), static_cast<std::int16_t>(x),
                              static_cast<std::int16_t>(y), static_cast<std::int16_t>(dx),
                              static_cast<std::int16_t>(dy)))
            << "step " << i << " is not a legal move";
    }
    EXPECT_TRUE(IsGoal(board, run.objectGoal ? Goal::Object : Goal::Edge));
    std::getline(lines, line);
    EXPECT_EQ(line, "Final board:");
    std::string rest((std::istreambuf_iterator<char>(lines)), std::istreambuf_iterator<char>());
    EXPECT_EQ(testing::Parse(rest), board);
    EXPECT_EQ(testing::SearchByRectangles(start, run.objectGoal, run.drags).goalDistance, count)
        << "not the shortest";
}

TEST(SolveTool, SolutionsReplayInTheGameAndAreTheShortest) {
    const SolveRun runs[] = {
        {nullptr, true, true},
        {nullptr, true, false},
        {nullptr, false, true},
        {nullptr, false, false},
        {"23231 11067 23089 23231", true, true},
        {"23231 11067 23089 23231", false, false},
        {"1,1,0,0,0/6,7,0,0,0/8,9,0,0,0/1,1,0,0,0", true, true},
        {"1,1,0,0,0/6,7,0,0,0/8,9,0,0,0/1,1,0,0,0", false, true},
        {"00000 00067 00089 00000", true, true},
        {"00000 00067 00089 00000", false, false},
        {"23234 67115 89000 23231", true, false},
        {"23234 67115 89000 23231", false, true},
    };
    for (const SolveRun& run : runs) ExpectSolutionReplays(run);
    EXPECT_EQ(Solve("--from=00000/00067/00089/00000").status, 0);
}

TEST(SolveTool, RejectsBadLayoutsNamingTheFirstBadCell) {
    struct Case {
        const char* layout;
        const char* message;
    };
    const Case cases[] = {
        {"23231 67410 89x10 23231", "unknown piece code 'x' at cell 12 (column 2, row 2)"},
        {"23231 67410 89510 2323", "a layout has 20 piece codes, this one has 19"},
        {"23231 67410 89510 232311", "a layout has 20 piece codes, this one has 21"},
        {"23231 67410 89100 23231", "a block is cut in two at cell 12 (column 2, row 2)"},
        {"32231 67410 89510 23231", "a block is cut in two at cell 0 (column 0, row 0)"},
        {"23231 67410 98510 23231", "a block is cut in two at cell 10 (column 0, row 2)"},
        {"23231 11410 11510 23231", "no big block"},
        {"67670 89890 00000 00000", "a second big block at cell 2 (column 2, row 0)"},
        {"23231 67410 89510 23231x", "too many codes: a layout has 20 piece codes, and 'x'"},
        {"2323\x1b 67410 89510 23231", "unknown piece code '\\x1b' at cell 4"},
    };
    for (const Case& c : cases) {
        const Result run = Solve(std::string("--from '") + c.layout + "'");
        EXPECT_EQ(run.status, 2) << c.layout;
        EXPECT_NE(run.out.find(c.message), std::string::npos) << c.layout << ": " << run.out;
    }
}

TEST(SolveTool, HelpVersionAndArguments) {
    const Result help = Solve("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("Usage: quandrel-solve", 0), 0u) << help.out;
    EXPECT_NE(help.out.find("A drag is one press of the mouse button"), std::string::npos);
    const Result version = Solve("--version");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, std::string("quandrel-solve ") + QUANDREL_VERSION + "\n");
    struct Case {
        const char* arguments;
        int status;
        const char* message;
    };
    const Case cases[] = {
        {"--fast", 2, "unknown argument '--fast'"},
        {"--help --fast", 2, "unknown argument '--fast'"},
        {"--version --goal middle", 2, "unknown goal 'middle'"},
        {"--fast --help", 2, "unknown argument '--fast'"},
        {"--steps --help", 0, "Usage: quandrel-solve"},
        {"--version --help", 0, "Usage: quandrel-solve"},
        {"\"$(printf '\\033[31m')\"", 2, "unknown argument '\\x1b[31m'"},
        {"--from", 2, "--from needs a value"},
        {"--steps --from", 2, "--from needs a value"},
        {"--goal", 2, "--goal needs a value"},
        {"--goal middle", 2, "unknown goal 'middle'"},
        {"> /dev/full", 3, "quandrel-solve: cannot write the output"},
        {"--help > /dev/full", 3, "quandrel-solve: cannot write the output"},
        {"--from 67231-89231-23231-23231", 1,
         "No solution: the big block cannot reach columns 3 and 4, rows 1 and 2"},
        {"--goal edge --from 67231-89231-23231-23231", 1,
         "No solution: the big block cannot reach columns 3 and 4 from"},
    };
    for (const Case& c : cases) {
        const Result run = Solve(c.arguments);
        EXPECT_EQ(run.status, c.status) << c.arguments;
        EXPECT_NE(run.out.find(c.message), std::string::npos) << c.arguments << ": " << run.out;
    }
}

}  // namespace
}  // namespace quandrel
