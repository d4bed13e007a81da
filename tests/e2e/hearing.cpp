#include "hearing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <thread>

#include "support/heard.h"

namespace quandrel::e2e {
namespace {

const char* KeysymOf(Arrow arrow) {
    switch (arrow) {
        case Arrow::Left: return "Left";
        case Arrow::Right: return "Right";
        case Arrow::Up: return "Up";
        case Arrow::Down: return "Down";
    }
    return "Left";
}

}  // namespace

std::string Hearing::All() const {
    std::ifstream in(path_);
    return {std::istreambuf_iterator<char>(in), {}};
}

bool Hearing::Hears(const std::string& line, std::chrono::milliseconds timeout) {
    return HearsAll({line}, timeout).empty();
}

std::vector<std::string> Hearing::HearsAll(const std::vector<std::string>& lines,
                                           std::chrono::milliseconds timeout) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    std::vector<std::string> missing;
    for (;;) {
        // The lines after the last one heard, each taken by at most one expected line.
        std::vector<std::pair<std::string, std::size_t>> after;  // a line and the offset past it
        const std::string text = All();
        for (std::size_t at = heard_, next; (next = text.find('\n', at)) != std::string::npos;
             at = next + 1) {
            std::string line = text.substr(at, next - at);
            if (!line.empty() && line.back() == '\r') line.pop_back();  // from a terminal
            after.emplace_back(reading_ ? reading_(line) : line, next + 1);
        }
        missing.clear();
        std::size_t past = heard_;
        for (const std::string& line : lines) {
            const auto found = std::find_if(after.begin(), after.end(),
                                            [&](const auto& heard) { return heard.first == line; });
            if (found == after.end()) {
                missing.push_back(line);
                continue;
            }
            past = std::max(past, found->second);
            found->first.clear();  // taken
        }
        if (missing.empty()) {
            heard_ = past;
            return missing;
        }
        if (std::chrono::steady_clock::now() >= end) return missing;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

void PlayWithArrows(const std::vector<Drag>& solution, const PressKey& press,
                    const std::function<bool(const Move&)>& stepped) {
    int column = 0, row = 0;
    const auto walk = [&](int& at, int to, Arrow ahead, Arrow back) {
        for (; at < to; ++at) press(KeysymOf(ahead), false);
        for (; at > to; --at) press(KeysymOf(back), false);
    };
    for (const Drag& drag : solution) {
        for (const Move& step : drag.steps) {
            walk(column, step.X, Arrow::Right, Arrow::Left);
            walk(row, step.Y, Arrow::Down, Arrow::Up);
            const Arrow arrow = step.DirX > 0   ? Arrow::Right
                                : step.DirX < 0 ? Arrow::Left
                                : step.DirY > 0 ? Arrow::Down
                                                : Arrow::Up;
            press(KeysymOf(arrow), true);
            column += step.DirX;
            row += step.DirY;
            if (!stepped(step)) return;
        }
    }
}

void PlayHeardScenario(const PressKey& press, Hearing& hearing, const Heard& heard,
                       std::chrono::milliseconds timeout, bool placed) {
    const auto told = testing::ScenarioHearing(placed ? &Game::CellName : &Game::CellContent);
    for (std::size_t i = 0; i < std::size(testing::kHeardScenario); ++i) {
        const testing::HeardKey& key = testing::kHeardScenario[i];
        press(KeysymOf(key.arrow), (key.shift & kShiftBit) != 0);
        std::vector<std::string> expected;
        for (const std::string& line : told[i]) {
            if (std::string as = heard ? heard(line) : line; !as.empty()) expected.push_back(as);
        }
        const std::vector<std::string> missing = hearing.HearsAll(expected, timeout);
        EXPECT_TRUE(missing.empty()) << "key " << i << ": not heard " << missing.front() << " in\n"
                                     << hearing.All();
    }
}

}  // namespace quandrel::e2e
