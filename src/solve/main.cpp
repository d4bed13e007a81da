// quandrel-solve: the shortest solution of a Quandrel layout, by the game's own move rules.
#include <cstdio>
#include <string>
#include <string_view>

#include "model/solver.h"
#include "solve/layout_text.h"

namespace {

constexpr const char* kUsage =
    "Usage: quandrel-solve [--from LAYOUT]\n"
    "Prints the shortest way to bring the big block into columns 3 and 4.\n"
    "\n"
    "  --from LAYOUT  start from LAYOUT instead of the start-up layout: 20 piece codes as\n"
    "                 digits, row by row from the top-left (blanks, commas and the like may\n"
    "                 separate them). 0 empty, 1 single, 2 3 wide, 4 over 5 tall,\n"
    "                 6 7 over 8 9 big.\n"
    "  --help         show this help and exit\n"
    "  --version      show the version and exit\n"
    "\n"
    "Each step moves one block by one cell: the block, the cell (column, row) it is grabbed by,\n"
    "counted from 0 at the top-left, and the direction.\n"
    "Exit status: 0 solved, 1 no solution, 2 a bad layout or argument.\n";

int Fail(const std::string& message) {
    std::fprintf(stderr, "quandrel-solve: %s\n", message.c_str());
    return 2;
}

int Solve(const quandrel::Board& start) {
    const auto solution = quandrel::ShortestSolution(start);
    if (!solution) {
        std::printf("No solution: the big block cannot reach columns 3 and 4 from this layout.\n");
        return 1;
    }
    std::printf("Shortest solution: %zu step%s\n", solution->size(),
                solution->size() == 1 ? "" : "s");
    quandrel::Board board = start;
    int number = 0;
    for (const quandrel::Move& move : *solution) {
        std::printf("%3d. %s\n", ++number, quandrel::DescribeMove(move).c_str());
        quandrel::ApplyMove(board, quandrel::RuleFor(move.code), move.X, move.Y, move.DirX,
                            move.DirY);
    }
    std::printf("Final board:\n%s", quandrel::FormatBoard(board).c_str());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    quandrel::Board start = quandrel::InitialLayout();
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (arg == "--version") {
            std::printf("quandrel-solve %s\n", QUANDREL_VERSION);
            return 0;
        }
        std::string_view layout;
        if (arg == "--from" && i + 1 < argc) {
            layout = argv[++i];
        } else if (arg.starts_with("--from=")) {
            layout = arg.substr(7);
        } else {
            return Fail("unknown argument '" + std::string(arg) + "'; see quandrel-solve --help");
        }
        const auto parsed = quandrel::ParseLayout(layout);
        if (const auto* error = std::get_if<quandrel::LayoutError>(&parsed)) {
            return Fail("bad layout: " + error->message);
        }
        start = std::get<quandrel::Board>(parsed);
    }
    return Solve(start);
}
