// Cost of one drag step through the core and through the real window with its repaint, and of
// visiting every layout reachable from the start.
#include <QApplication>
#include <QMouseEvent>
#include <algorithm>
#include <chrono>
#include <cstdio>

#include "game/game.h"
#include "input/drag_grid.h"
#include "model/solver.h"
#include "qt/frm_quandrel.h"
#include "support/points.h"

namespace {

using Clock = std::chrono::steady_clock;

class NullWindow : public quandrel::Window {
  public:
    double scale() const override { return 1; }
    void present(const quandrel::ScreenUpdate&) override {}
    void openBox(const std::string&, int, const std::string&) override {}
    void setOuterGeometry(int, int, int, int) override {}
    void endProgram() override {}
};

// Pointer positions (mouse units) in drag cells (3, 1), (4, 1) and (4, 2).
using quandrel::testing::DragUnitsX;
using quandrel::testing::DragUnitsY;
constexpr auto kX3 = static_cast<float>(DragUnitsX(3)), kX4 = static_cast<float>(DragUnitsX(4)),
               kY0 = static_cast<float>(DragUnitsY(0)), kY1 = static_cast<float>(DragUnitsY(1)),
               kY2 = static_cast<float>(DragUnitsY(2));

template <typename Step>
double NanosecondsPerStep(int steps, Step&& step) {
    const auto start = Clock::now();
    for (int i = 0; i < steps; ++i) step(i);
    return std::chrono::duration<double, std::nano>(Clock::now() - start).count() / steps;
}

// The left button pressed at, or held and moved to, a position in mouse units, as a front end
// sends it in device pixels at scale 1.
quandrel::MouseInput Left(quandrel::MouseAction action, float x, float y) {
    return {action,
            1,
            1,
            0,
            x * quandrel::kTwipsPerUnitX / quandrel::kTwipsPerPixel,
            y * quandrel::kTwipsPerUnitY / quandrel::kTwipsPerPixel,
            1.0};
}

void CoreSteps() {
    using quandrel::MouseAction;
    NullWindow window;
    quandrel::Game game(window);
    game.Start();
    game.Mouse(Left(MouseAction::Press, kX3, kY1));
    constexpr int kSteps = 2'000'000;
    // The single block at (3, 1) goes right and back: every event is a successful step.
    const double moved = NanosecondsPerStep(
        kSteps, [&](int i) { game.Mouse(Left(MouseAction::Move, i % 2 == 0 ? kX4 : kX3, kY1)); });
    game.Menu(quandrel::Command::Reset);
    game.Mouse(Left(MouseAction::Press, kX3, kY1));
    // Diagonal pull into (4, 2): a vertical step into the single at (3, 2), refused.
    const double refused =
        NanosecondsPerStep(kSteps, [&](int) { game.Mouse(Left(MouseAction::Move, kX4, kY2)); });
    std::printf("core drag step: moved %.0f ns, refused %.0f ns (goal < 1000 ns)\n", moved,
                refused);
}

void WindowSteps() {
    quandrel::frmQuandrel window;
    window.onEnd = [] {};
    window.show();
    QApplication::processEvents();
    QWidget* board = window.board();
    const auto send = [&](QEvent::Type type, float x, float y) {
        const QPointF at(x * quandrel::kTwipsPerUnitX / 15.0, y * quandrel::kTwipsPerUnitY / 15.0);
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, at, board->mapToGlobal(at), button, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(board, &event);
        QApplication::processEvents();  // the repaint
    };
    constexpr int kSteps = 20'000;
    send(QEvent::MouseButtonPress, kX3, kY1);
    // The single block right and back: the panel keeps reading "move ther".
    const double single = NanosecondsPerStep(
        kSteps, [&](int i) { send(QEvent::MouseMove, i % 2 == 0 ? kX4 : kX3, kY1); });
    const double refused =
        NanosecondsPerStep(kSteps, [&](int) { send(QEvent::MouseMove, kX4, kY2); });
    // The top-right wide block right and back (after the single at (4, 0) has stepped down):
    // every step writes a different move trace.
    window.game().Menu(quandrel::Command::Reset);
    send(QEvent::MouseButtonPress, kX4, kY0);
    send(QEvent::MouseMove, kX4, kY1);
    constexpr auto kX2 = static_cast<float>(DragUnitsX(2));
    send(QEvent::MouseButtonPress, kX3, kY0);
    const double wide = NanosecondsPerStep(
        kSteps, [&](int i) { send(QEvent::MouseMove, i % 2 == 0 ? kX4 : kX2, kY0); });
    std::printf(
        "window drag step with repaint: single block %.0f ns, wide block (new panel "
        "text) %.0f ns, refused %.0f ns (goal < 100000 ns)\n",
        single, wide, refused);
}

void Solver() {
    constexpr int kRuns = 30;
    for (const auto metric : {quandrel::Metric::Drags, quandrel::Metric::Steps}) {
        std::size_t layouts = 0;
        double best = 1e9;
        for (int i = 0; i < kRuns; ++i) {
            const auto start = Clock::now();
            layouts = quandrel::CountLayouts(quandrel::InitialLayout(), metric);
            best = std::min(
                best, std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        }
        std::printf(
            "solver in %s: %zu reachable layouts visited in %.2f ms, best of %d (goal < 10 ms)\n",
            metric == quandrel::Metric::Drags ? "drags" : "steps", layouts, best, kRuns);
    }
}

}  // namespace

int main(int argc, char** argv) {
    const bool windowOnly = argc > 1 && std::string(argv[1]) == "window";
    if (!windowOnly) {
        CoreSteps();
        Solver();
    }
    QApplication app(argc, argv);
    WindowSteps();
    return 0;
}
