// Whole-process time of quandrel-solve: start, search, print, exit. For the start-up layout, and
// for the slowest layout found, which reaches many more layouts before its goal.
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <optional>
#include <utility>
#include <vector>

// Median and best of `runs` whole runs of `solve` with `arguments`; nullopt when one fails.
std::optional<std::pair<double, double>> Time(const char* solve, std::vector<const char*> arguments,
                                              int runs) {
    arguments.insert(arguments.begin(), solve);
    arguments.push_back(nullptr);
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        const pid_t pid = fork();
        if (pid == 0) {
            const int null = open("/dev/null", O_WRONLY);
            dup2(null, STDOUT_FILENO);
            execv(solve, const_cast<char* const*>(arguments.data()));
            _exit(127);
        }
        int status = 0;
        waitpid(pid, &status, 0);
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return std::nullopt;
    }
    std::sort(times.begin(), times.end());
    return std::pair{times[times.size() / 2], times.front()};
}

int main(int argc, char** argv) {
    const char* solve = argc > 1 ? argv[1] : QUANDREL_SOLVE;
    const auto startUp = Time(solve, {}, 50);
    const auto slowest = Time(solve, {"--from", "67111 89111 11110 00000"}, 10);
    if (!startUp || !slowest) {
        std::fprintf(stderr, "quandrel-solve failed\n");
        return 1;
    }
    std::printf(
        "quandrel-solve, start-up layout, whole process: median %.2f ms, best %.2f ms "
        "(goal < 20 ms)\n",
        startUp->first, startUp->second);
    std::printf(
        "quandrel-solve --from '67111 89111 11110 00000', the slowest found: median %.1f ms, "
        "best %.1f ms (goal < 1 s)\n",
        slowest->first, slowest->second);
    return 0;
}
