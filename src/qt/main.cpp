#include <QApplication>

#include "qt/frm_quandrel.h"

int main(int argc, char* argv[]) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // A window can place itself on X11 but not on Wayland, so with an X server at hand (Xwayland
    // included) X11 comes first, unless the user chose a back end.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "xcb;wayland");
    }
#endif
    // Ctrl is the Control key on every system, also on macOS, where Qt would give it to Command.
    QCoreApplication::setAttribute(Qt::AA_MacDontSwapCtrlAndMeta);
    QApplication app(argc, argv);
    quandrel::frmQuandrel window;
    window.show();
    return app.exec();
}
