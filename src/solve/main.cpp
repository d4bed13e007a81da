// quandrel-solve: the shortest solution of a Quandrel layout, by the game's own move rules.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

#include "model/solver.h"
#include "solve/layout_text.h"

namespace {

constexpr const char* kUsage =
    "Usage: quandrel-solve [--from LAYOUT] [--goal object|edge] [--steps]\n"
    "Prints the shortest way to bring the big block to the goal that Help > Object shows:\n"
    "its top-left cell at column 3, row 1.\n"
    "\n"
    "  --from LAYOUT  start from LAYOUT instead of the start-up layout: 20 piece codes as\n"
    "                 digits, row by row from the top-left (blanks, commas and the like may\n"
    "                 separate them). 0 empty, 1 single, 2 3 wide, 4 over 5 tall,\n"
    "                 6 7 over 8 9 big.\n"
    "  --goal edge    aim at the big block in columns 3 and 4, in any rows\n"
    "  --goal object  aim at the goal Help > Object shows (the default)\n"
    "  --steps        count one-cell steps instead of drags\n"
    "  --help         show this help and exit\n"
    "  --version      show the version and exit\n"
    "\n"
    "A drag is one press of the mouse button: one block, grabbed by one of its cells, led by the\n"
    "pointer cell by cell through empty cells, as far and around as many corners as it goes,\n"
    "ending anywhere but where it started. Each drag is printed as the block, the cell\n"
    "(column, row) to press on, counted from 0 at the top-left, and the directions in which to\n"
    "move the pointer, one cell each. With --steps each line is one step of one cell.\n"
    "Exit status: 0 solved, 1 no solution, 2 a bad layout or argument, 3 the output could not\n"
    "be written.\n";

struct Options {
    enum class Action { Solve, Help, Version } action = Action::Solve;
    quandrel::Board start = quandrel::InitialLayout();
    quandrel::Goal goal = quandrel::Goal::Object;
    quandrel::Metric metric = quandrel::Metric::Drags;
};

int Fail(const std::string& message) {
    std::fprintf(stderr, "quandrel-solve: %s\n", message.c_str());
    return 2;
}

const char* Plural(std::size_t count, quandrel::Metric metric) {
    if (metric == quandrel::Metric::Steps) return count == 1 ? "step" : "steps";
    return count == 1 ? "drag" : "drags";
}

// Prints the solution; main finds out whether it could be written.
void Print(const Options& options, const std::vector<quandrel::Drag>& solution) {
    std::printf("Shortest solution: %zu %s\n", solution.size(),
                Plural(solution.size(), options.metric));
    quandrel::Board board = options.start;
    int number = 0;
    for (const quandrel::Drag& drag : solution) {
        const std::string line = options.metric == quandrel::Metric::Steps
                                     ? quandrel::DescribeMove(drag.steps.front())
                                     : quandrel::DescribeDrag(drag);
        std::printf("%3d. %s\n", ++number, line.c_str());
        for (const quandrel::Move& step : drag.steps) {
            quandrel::ApplyMove(board, quandrel::RuleFor(step.code), step.X, step.Y, step.DirX,
                                step.DirY);
        }
    }
    std::printf("Final board:\n%s", quandrel::FormatBoard(board).c_str());
}

int Run(const Options& options) {
    if (options.action == Options::Action::Help) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (options.action == Options::Action::Version) {
        std::printf("quandrel-solve %s\n", QUANDREL_VERSION);
        return 0;
    }
    const auto solution = quandrel::ShortestSolution(options.start, options.goal, options.metric);
    if (!solution) {
        std::printf("No solution: the big block cannot reach %s from this layout.\n",
                    options.goal == quandrel::Goal::Edge ? "columns 3 and 4"
                                                         : "columns 3 and 4, rows 1 and 2");
        return 1;
    }
    Print(options, *solution);
    return 0;
}

// Reads every argument into `options`; the status to exit with when one is wrong.
std::optional<int> ReadArguments(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            options.action = Options::Action::Help;
            continue;
        }
        if (arg == "--version") {
            if (options.action == Options::Action::Solve) options.action = Options::Action::Version;
            continue;
        }
        if (arg == "--steps") {
            options.metric = quandrel::Metric::Steps;
            continue;
        }
        const bool valueFollows = arg == "--goal" || arg == "--from";
        if (valueFollows && i + 1 == argc) {
            return Fail(std::string(arg) + " needs a value; see quandrel-solve --help");
        }
        std::string_view value;
        if (valueFollows) {
            value = argv[++i];
        } else if (arg.starts_with("--goal=") || arg.starts_with("--from=")) {
            value = arg.substr(7);
        } else {
            return Fail("unknown argument '" + quandrel::HexEscaped(arg) +
                        "'; see quandrel-solve --help");
        }
        if (arg.starts_with("--goal")) {
            if (value == "edge") {
                options.goal = quandrel::Goal::Edge;
            } else if (value == "object") {
                options.goal = quandrel::Goal::Object;
            } else {
                return Fail("unknown goal '" + quandrel::HexEscaped(value) +
                            "'; the goals are object and edge");
            }
            continue;
        }
        const auto parsed = quandrel::ParseLayout(value);
        if (const auto* error = std::get_if<quandrel::LayoutError>(&parsed)) {
            return Fail("bad layout: " + error->message);
        }
        options.start = std::get<quandrel::Board>(parsed);
    }
    return std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    const std::optional<int> early = ReadArguments(argc, argv, options);
    const int status = early ? *early : Run(options);
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::fprintf(stderr, "quandrel-solve: cannot write the output: %s\n", std::strerror(errno));
        return 3;
    }
    return status;
}
