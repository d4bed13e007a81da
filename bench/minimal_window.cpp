// The baseline the game's start-up is compared with: one empty Qt Widgets main window.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Minimal"));
    window.resize(362, 330);
    window.show();
    return app.exec();
}
