// quandrel-solve run as a program: its solutions replayed through the move rules, its errors.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <map>
#include <regex>
#include <sstream>

#include "model/moves.h"
#include "support/layout.h"
#include "support/rect_search.h"

namespace quandrel {
namespace {

struct Result {
    int status;
    std::string out;
};

Result Solve(const std::string& arguments) {
    const std::string command = std::string(QUANDREL_SOLVE) + " " + arguments + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    std::string out;
    char buffer[4096];
    while (const std::size_t n = fread(buffer, 1, sizeof buffer, pipe)) out.append(buffer, n);
    const int status = pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
}

const std::map<std::string, Code> kKinds{{"single", 1}, {"wide", 2}, {"tall", 4}, {"big", 6}};

// Replays the printed steps from `start` and checks the count, the goal and the final board.
void ExpectSolutionReplays(const Board& start, const std::string& out) {
    std::istringstream lines(out);
    std::string line;
    std::getline(lines, line);
    std::smatch m;
    ASSERT_TRUE(std::regex_match(line, m, std::regex(R"(Shortest solution: (\d+) steps?)")))
        << line;
    const int steps = std::stoi(m[1]);
    Board board = start;
    const std::regex step(
        R"( *(\d+)\. (single|wide|tall|big) block, grabbed at \((\d), (\d)\), (left|right|up|down))");
    for (int i = 1; i <= steps; ++i) {
        std::getline(lines, line);
        ASSERT_TRUE(std::regex_match(line, m, step)) << line;
        EXPECT_EQ(std::stoi(m[1]), i);
        const int x = std::stoi(m[3]), y = std::stoi(m[4]);
        const std::string direction = m[5];
        const int dx = direction == "right" ? 1 : direction == "left" ? -1 : 0;
        const int dy = direction == "down" ? 1 : direction == "up" ? -1 : 0;
        const Code code = board(x, y);
        ASSERT_NE(code, kEmpty) << "step " << i << " grabs an empty cell";
        const Code kind = kKinds.at(m[2]);
        EXPECT_EQ(PartOf(code)->anchor, kind) << "step " << i << " names the wrong kind of block";
        ASSERT_TRUE(ApplyMove(board, RuleFor(code), static_cast<std::int16_t>(x),
                              static_cast<std::int16_t>(y), static_cast<std::int16_t>(dx),
                              static_cast<std::int16_t>(dy)))
            << "step " << i << " is not a legal move";
    }
    EXPECT_TRUE(IsGoal(board));
    std::getline(lines, line);
    EXPECT_EQ(line, "Final board:");
    std::string rest((std::istreambuf_iterator<char>(lines)), std::istreambuf_iterator<char>());
    EXPECT_EQ(testing::Parse(rest), board);
    EXPECT_EQ(testing::SearchByRectangles(start).goalDistance, steps) << "not the shortest";
}

TEST(SolveTool, PrintsAShortestSolutionFromTheStart) {
    const Result run = Solve("");
    EXPECT_EQ(run.status, 0);
    ExpectSolutionReplays(InitialLayout(), run.out);
}

TEST(SolveTool, SolvesOtherLayouts) {
    for (const char* layout : {"23231 11067 23089 23231", "1,1,0,0,0/6,7,0,0,0/8,9,0,0,0/1,1,0,0,0",
                               "00000 00067 00089 00000", "23234 67115 89000 23231"}) {
        const Result run = Solve(std::string("--from '") + layout + "'");
        EXPECT_EQ(run.status, 0) << layout << "\n" << run.out;
        SCOPED_TRACE(layout);
        ExpectSolutionReplays(testing::Parse(layout), run.out);
    }
    EXPECT_EQ(Solve("--from=00000/00067/00089/00000").status, 0);
}

TEST(SolveTool, ReportsLayoutsWithoutSolution) {
    const Result run = Solve("--from 67231-89231-23231-23231");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.out.find("No solution"), std::string::npos) << run.out;
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
    };
    for (const Case& c : cases) {
        const Result run = Solve(std::string("--from '") + c.layout + "'");
        EXPECT_EQ(run.status, 2) << c.layout;
        EXPECT_NE(run.out.find(c.message), std::string::npos) << c.layout << ": " << run.out;
    }
}

TEST(SolveTool, HelpVersionAndUnknownArguments) {
    const Result help = Solve("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("Usage: quandrel-solve", 0), 0u) << help.out;
    const Result version = Solve("--version");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, std::string("quandrel-solve ") + QUANDREL_VERSION + "\n");
    const Result unknown = Solve("--fast");
    EXPECT_EQ(unknown.status, 2);
    EXPECT_NE(unknown.out.find("unknown argument '--fast'"), std::string::npos);
    EXPECT_EQ(Solve("--from").status, 2);
}

}  // namespace
}  // namespace quandrel
