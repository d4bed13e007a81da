// A seeded stream of random mouse events: the board always holds the ten blocks, validly.
#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <random>

#include "support/recording_window.h"

namespace quandrel {
namespace {

bool HoldsTheTenBlocks(const Board& board) {
    std::array<int, 10> counts{};
    for (const Code code : board.cells) {
        if (code < 0 || code > 9) return false;
        ++counts[static_cast<std::size_t>(code)];
    }
    return !FirstBrokenCell(board) && counts == std::array<int, 10>{2, 4, 4, 4, 1, 1, 1, 1, 1, 1};
}

TEST(Fuzz, AMillionRandomMouseEventsKeepTheBoardValid) {
    testing::LoadedGame loaded;
    GameForTest game(loaded.game);
    std::mt19937_64 random(20261208);
    const float extremes[] = {0.0f,
                              -0.5f,
                              0.5f,
                              147.5f,
                              148.0f,
                              739.5f,
                              740.0f,
                              503.5f,
                              504.0f,
                              6553.0f,
                              6554.0f,
                              -6553.0f,
                              -6554.0f,
                              8191.0f,
                              8192.0f,
                              -8193.0f,
                              32767.0f,
                              32768.0f,
                              -32768.0f,
                              -32769.0f,
                              1e9f,
                              -1e9f,
                              std::numeric_limits<float>::infinity(),
                              -std::numeric_limits<float>::infinity(),
                              std::numeric_limits<float>::quiet_NaN()};
    const auto position = [&](float span) {
        switch (random() % 8) {
            case 0: return extremes[random() % std::size(extremes)];
            case 1: return std::uniform_real_distribution<float>(-40000.0f, 40000.0f)(random);
            default: return std::uniform_real_distribution<float>(-200.0f, span + 200.0f)(random);
        }
    };
    constexpr int kEvents = 1'000'000;
    int moves = 0;
    for (int i = 0; i < kEvents; ++i) {
        const auto button = static_cast<std::int16_t>(random() % 8);
        const auto shift = static_cast<std::int16_t>(random() % 8);
        const float x = position(740.0f);
        const float y = position(504.0f);
        const int kind = static_cast<int>(random() % 16);
        if (kind == 0) {
            game.Form_MouseDown(button, shift, x, y);
        } else if (kind == 1) {
            game.Form_MouseUp(button, shift, x, y);
        } else {
            const Board before = game.board;
            game.Form_MouseMove(kind < 12 ? 1 : button, shift, x, y);
            moves += game.board != before;
        }
        ASSERT_TRUE(HoldsTheTenBlocks(game.board)) << "after event " << i;
    }
    EXPECT_GT(moves, 500) << "the stream should actually move blocks";
    EXPECT_EQ(loaded.window.ends, 0);
}

}  // namespace
}  // namespace quandrel
