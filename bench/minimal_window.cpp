// The baselines the game's start-up is compared with: one empty Qt Widgets main window, or, built
// with QUANDREL_SHOWS_TEXT, the same window with a menu bar and a text box, the least that loads
// fonts and text shaping.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Minimal"));
    window.resize(362, 330);
#ifdef QUANDREL_SHOWS_TEXT
    window.menuBar()->addMenu(QStringLiteral("&File"));
    window.menuBar()->addAction(QStringLiteral("&Quit"));
    auto* text = new QPlainTextEdit(QStringLiteral("Text"), &window);
    text->setGeometry(7, 200, 239, 100);
#endif
    window.show();
    return app.exec();
}
