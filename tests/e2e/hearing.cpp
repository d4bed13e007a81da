#include "hearing.h"

#include <gtest/gtest.h>

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
    const auto end = std::chrono::steady_clock::now() + timeout;
    do {
        const std::string text = All();
        for (std::size_t at = text.find(line, heard_); at != std::string::npos;
             at = text.find(line, at + 1)) {
            const bool starts = at == 0 || text[at - 1] == '\n';
            if (starts && text.compare(at + line.size(), 1, "\n") == 0) {
                heard_ = at + line.size() + 1;
                return true;
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    } while (std::chrono::steady_clock::now() < end);
    return false;
}

void PlayHeardScenario(const PressKey& press, Hearing& hearing, const Heard& heard) {
    const auto told = testing::ScenarioHearing();
    for (std::size_t i = 0; i < std::size(testing::kHeardScenario); ++i) {
        const testing::HeardKey& key = testing::kHeardScenario[i];
        press(KeysymOf(key.arrow), (key.shift & kShiftBit) != 0);
        for (const std::string& line : told[i]) {
            const std::string expected = heard ? heard(line) : line;
            if (expected.empty()) continue;
            EXPECT_TRUE(hearing.Hears(expected)) << "key " << i << ": " << expected << " in\n"
                                                 << hearing.All();
        }
    }
}

}  // namespace quandrel::e2e
