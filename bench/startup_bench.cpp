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
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "qt/frm_quandrel.h"
#include "startup_figures.h"

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

using Sample = quandrel::bench::StartUpSample;

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
    return {std::chrono::duration<double, std::milli>(painted - start).count(),
            static_cast<double>(kib)};
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1) return RunOnce(argc, argv, std::string(argv[1]) == "game");
    quandrel::bench::CompareStartUps(
        "", "peak memory", [&](bool game) { return Measure(argv[0], game ? "game" : "minimal"); });
    return 0;
}
