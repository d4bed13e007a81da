// Start-up time (process start to the first paint of the board) and peak memory of the game,
// against a minimal Qt Widgets window with a menu bar and a text box.
//
//   startup_bench            runs both kinds several times and prints the figures and ratios
//   startup_bench game       one run of the game window (reports on stdout)
//   startup_bench minimal    one run of the minimal window
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "qt/frm_quandrel.h"

namespace {

// Reports peak memory once `widget` has painted for the first time, then quits.
class FirstPaint : public QObject {
  public:
    explicit FirstPaint(QWidget* widget) { widget->installEventFilter(this); }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !reported_) {
            reported_ = true;
            QTimer::singleShot(0, [] {
                rusage usage{};
                getrusage(RUSAGE_SELF, &usage);
                std::printf("painted %ld\n", usage.ru_maxrss);
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

  private:
    bool reported_ = false;
};

int RunOnce(int argc, char** argv, bool game) {
    QApplication app(argc, argv);
    if (game) {
        quandrel::frmQuandrel window;
        window.onEnd = [] {};
        FirstPaint watch(window.board());
        window.show();
        return app.exec();
    }
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Minimal"));
    window.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("&Reset"));
    window.menuBar()->addAction(QStringLiteral("&Quit"));
    auto* central = new QWidget(&window);
    auto* text = new QPlainTextEdit(central);
    text->setGeometry(7, 350, 239, 171);
    window.setCentralWidget(central);
    window.resize(362, 330);
    FirstPaint watch(central);
    window.show();
    return app.exec();
}

struct Sample {
    double milliseconds;
    long peakKiB;
};

// Starts this program in `mode` and times it until it reports its first paint.
Sample Measure(const char* self, const char* mode) {
    int out[2];
    if (pipe(out) != 0) std::abort();
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        execl(self, self, mode, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(out[1]);
    std::string line;
    char c;
    while (read(out[0], &c, 1) == 1 && c != '\n') line += c;
    const auto painted = std::chrono::steady_clock::now();
    close(out[0]);
    waitpid(pid, nullptr, 0);
    long kib = 0;
    std::sscanf(line.c_str(), "painted %ld", &kib);
    return {std::chrono::duration<double, std::milli>(painted - start).count(), kib};
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1) return RunOnce(argc, argv, std::string(argv[1]) == "game");
    constexpr int kRuns = 15;
    std::vector<double> time[2], memory[2];
    for (int i = 0; i < kRuns; ++i) {
        for (int kind = 0; kind < 2; ++kind) {
            const Sample s = Measure(argv[0], kind == 0 ? "game" : "minimal");
            time[kind].push_back(s.milliseconds);
            memory[kind].push_back(static_cast<double>(s.peakKiB));
        }
    }
    const double gameTime = Median(time[0]), minimalTime = Median(time[1]);
    const double gameMemory = Median(memory[0]), minimalMemory = Median(memory[1]);
    std::printf(
        "start-up to first paint (median of %d): game %.1f ms, minimal window %.1f ms, "
        "ratio %.3f (goal <= 1.10)\n",
        kRuns, gameTime, minimalTime, gameTime / minimalTime);
    std::printf(
        "peak memory (median of %d): game %.0f KiB, minimal window %.0f KiB, "
        "ratio %.3f (goal <= 1.10)\n",
        kRuns, gameMemory, minimalMemory, gameMemory / minimalMemory);
    return 0;
}
