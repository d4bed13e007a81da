// The start-up comparison that both front ends' benchmarks print: the game against a minimal
// window of the same toolkit, each started several times in turn.
#pragma once

#include <algorithm>
#include <cstdio>
#include <vector>

namespace quandrel::bench {

struct StartUpSample {
    double milliseconds;  // process start to first paint
    double peakKiB;
};

inline double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// `measure(true)` starts the game once, `measure(false)` the minimal window; `where` and
// `memory` name the run and the kind of peak memory in the figures.
template <typename Measure>
void CompareStartUps(const char* where, const char* memory, Measure&& measure) {
    constexpr int kRuns = 15;
    std::vector<double> times[2], peaks[2];
    for (int i = 0; i < kRuns; ++i) {
        for (const bool game : {true, false}) {
            const StartUpSample s = measure(game);
            times[game].push_back(s.milliseconds);
            peaks[game].push_back(s.peakKiB);
        }
    }
    const double gameTime = Median(times[1]), minimalTime = Median(times[0]);
    const double gamePeak = Median(peaks[1]), minimalPeak = Median(peaks[0]);
    std::printf(
        "start-up to first paint%s (median of %d): game %.1f ms, minimal window %.1f ms, "
        "ratio %.3f (goal <= 1.10)\n",
        where, kRuns, gameTime, minimalTime, gameTime / minimalTime);
    std::printf(
        "%s (median of %d): game %.0f KiB, minimal window %.0f KiB, ratio %.3f (goal <= 1.10)\n",
        memory, kRuns, gamePeak, minimalPeak, gamePeak / minimalPeak);
}

}  // namespace quandrel::bench
