// Every layout reachable from the start: the move rules checked exhaustively, and the solver.
#include "model/solver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <iostream>
#include <set>

#include "support/layout.h"
#include "support/rect_search.h"

namespace quandrel {
namespace {

// How many blocks of each kind (single, wide, tall, big) a board holds.
std::array<int, 4> BlockCounts(const Board& board) {
    std::array<int, 4> counts{};
    for (const Code code : board.cells) {
        if (code == kSingle) ++counts[0];
        if (code == kWideLeft) ++counts[1];
        if (code == kTallTop) ++counts[2];
        if (code == kBigTopLeft) ++counts[3];
    }
    return counts;
}

bool IsValid(const Board& board) {
    return !FirstBrokenCell(board) && BlockCounts(board) == (std::array<int, 4>{4, 4, 1, 1});
}

std::vector<Board> ReachableLayouts() {
    std::vector<Board> layouts{InitialLayout()};
    std::set<std::array<Code, kCells>> seen{InitialLayout().cells};
    for (std::size_t i = 0; i < layouts.size(); ++i) {
        const Board board = layouts[i];
        ForEachMove(board, [&](const Move&, const Board& next) {
            if (seen.insert(next.cells).second) layouts.push_back(next);
        });
    }
    return layouts;
}

const std::vector<Board>& Layouts() {
    static const std::vector<Board> layouts = ReachableLayouts();
    return layouts;
}

TEST(Reachable, CountMatchesAnIndependentSearch) {
    const std::size_t count = CountLayouts(InitialLayout());
    std::cout << "reachable layouts: " << count << "\n";
    EXPECT_EQ(count, Layouts().size());
    EXPECT_EQ(count, testing::SearchByRectangles(InitialLayout()).layouts);
    // Every drag is a run of steps and every step a drag: both reach the same layouts.
    EXPECT_EQ(CountLayouts(InitialLayout(), Metric::Drags), count);
}

TEST(Reachable, EveryStepFromEveryCellKeepsTheRules) {
    std::size_t moves = 0;
    for (const Board& board : Layouts()) {
        ASSERT_TRUE(IsValid(board));
        std::set<std::array<Code, kCells>> successors;
        for (int y = 0; y < kRows; ++y) {
            for (int x = 0; x < kColumns; ++x) {
                if (board(x, y) == kEmpty) continue;
                const MoveRule& rule = RuleFor(board(x, y));
                for (const auto [DirX, DirY] : kSteps) {
                    const auto X = static_cast<std::int16_t>(x);
                    const auto Y = static_cast<std::int16_t>(y);
                    Board after = board;
                    if (!ApplyMove(after, rule, X, Y, DirX, DirY)) {
                        ASSERT_EQ(after, board) << "a refused move changed the board";
                        continue;
                    }
                    ++moves;
                    successors.insert(after.cells);
                    ASSERT_TRUE(IsValid(after));
                    // The block, and nothing else, shifted by one cell.
                    Board expected = board;
                    const BlockPart part = *PartOf(board(x, y));
                    const int ax = x - part.column;
                    const int ay = y - part.row;
                    for (int by = ay; by < ay + part.height; ++by) {
                        for (int bx = ax; bx < ax + part.width; ++bx) expected(bx, by) = kEmpty;
                    }
                    for (int by = ay; by < ay + part.height; ++by) {
                        for (int bx = ax; bx < ax + part.width; ++bx) {
                            expected(bx + DirX, by + DirY) = board(bx, by);
                        }
                    }
                    ASSERT_EQ(after, expected);
                    ASSERT_EQ(after(x + DirX, y + DirY), board(x, y));
                    Board back = after;
                    ASSERT_TRUE(ApplyMove(back, rule, static_cast<std::int16_t>(x + DirX),
                                          static_cast<std::int16_t>(y + DirY),
                                          static_cast<std::int16_t>(-DirX),
                                          static_cast<std::int16_t>(-DirY)));
                    ASSERT_EQ(back, board);
                }
            }
        }
        // The solver's move generator finds every one of them, each once.
        std::vector<std::array<Code, kCells>> generated;
        ForEachMove(board,
                    [&](const Move&, const Board& next) { generated.push_back(next.cells); });
        ASSERT_EQ(generated.size(), successors.size());
        ASSERT_EQ(std::set(generated.begin(), generated.end()), successors);
    }
    std::cout << "moves checked: " << moves << "\n";
}

TEST(Solver, ShortestSolutionReachesTheGoalAndNoShorterOneExists) {
    const auto solution = ShortestSolution(InitialLayout(), Goal::Edge);
    ASSERT_TRUE(solution.has_value());
    std::cout << "shortest solution: " << solution->size() << " steps\n";
    EXPECT_EQ(static_cast<int>(solution->size()),
              testing::SearchByRectangles(InitialLayout()).goalDistance);

    Board board = InitialLayout();
    for (const Move& move : *solution) {
        ASSERT_EQ(board(move.X, move.Y), move.code);
        ASSERT_EQ(board(move.X + move.DirX, move.Y + move.DirY), kEmpty) << "leading cell";
        ASSERT_TRUE(ApplyMove(board, RuleFor(move.code), move.X, move.Y, move.DirX, move.DirY));
    }
    EXPECT_TRUE(IsGoal(board, Goal::Edge));
}

TEST(Solver, GoalStartsAndDeadEnds) {
    EXPECT_EQ(ShortestSolution(testing::Parse("00000 00067 00089 00000"), Goal::Edge),
              std::vector<Move>{});
    // Big block walled in by blocks that cannot move either.
    EXPECT_EQ(ShortestSolution(testing::Parse("67231 89231 23231 23231"), Goal::Edge),
              std::nullopt);
    EXPECT_EQ(CountLayouts(testing::Parse("67231 89231 23231 23231")), 1u);
}

}  // namespace
}  // namespace quandrel
