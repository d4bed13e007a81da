// The start-up comparison that both desktop front ends' benchmarks print: the game against a
// minimal window of the same toolkit, each started several times in turn.
#pragma once

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace quandrel::bench {

struct StartUpSample {
    double milliseconds;  // from process start to the window, as `where` says
    double residentKiB;   // when the window is up
    double peakKiB;       // once it has settled
};

inline double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// QUANDREL_BENCH_RUNS, or 21.
inline int Runs() {
    const char* runs = std::getenv("QUANDREL_BENCH_RUNS");
    return runs != nullptr ? std::max(1, std::atoi(runs)) : 21;
}

// `measure(true)` starts the game once, `measure(false)` the minimal window; `where` says what
// the time runs to.
template <typename Measure>
void CompareStartUps(const char* where, Measure&& measure) {
    const int kRuns = Runs();
    std::vector<double> figures[2][3];
    for (int i = 0; i < kRuns; ++i) {
        // Each goes first in every other pair: a start right after another's end is slower.
        for (const bool game : {i % 2 == 0, i % 2 != 0}) {
            const StartUpSample s = measure(game);
            figures[game][0].push_back(s.milliseconds);
            figures[game][1].push_back(s.residentKiB);
            figures[game][2].push_back(s.peakKiB);
        }
    }
    const char* names[] = {"start-up", "resident memory when up", "peak memory"};
    const char* units[] = {"ms", "KiB", "KiB"};
    // The goals are for the start; the peak also counts what loads after the window is up.
    const char* goals[] = {" (goal <= 1.05)", " (goal <= 1.05)", ""};
    for (int f = 0; f < 3; ++f) {
        const double game = Median(figures[1][f]), minimal = Median(figures[0][f]);
        std::printf("%s%s (median of %d): game %.1f %s, minimal window %.1f %s, ratio %.3f%s\n",
                    names[f], f == 0 ? where : "", kRuns, game, units[f], minimal, units[f],
                    game / minimal, goals[f]);
    }
}

}  // namespace quandrel::bench
