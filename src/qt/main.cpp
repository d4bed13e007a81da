#include <QApplication>
#include <QStringList>
#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

#include "qt/frm_quandrel.h"

namespace {

// What the user is told when no back end could open a display, such as
// "quandrel: cannot open the X display :5".
QString DisplayFailure() {
    QString platforms = qEnvironmentVariable("QT_QPA_PLATFORM");
    if (platforms.isEmpty()) {
        platforms = qEnvironmentVariable("XDG_SESSION_TYPE") == "wayland" ? "wayland;xcb" : "xcb";
    }
    QStringList tried;
    for (const QString& platform : platforms.split(';', Qt::SkipEmptyParts)) {
        if (platform == "xcb") {
            const QString display = qEnvironmentVariable("DISPLAY");
            tried << (display.isEmpty() ? "an X display (DISPLAY is not set)"
                                        : "the X display " + display);
        } else if (platform.startsWith("wayland")) {
            const QString display = qEnvironmentVariable("WAYLAND_DISPLAY", "wayland-0");
            tried << "the Wayland display " + display;
        } else {
            tried << "a display through the " + platform + " back end";
        }
    }
    return "quandrel: cannot open " + tried.join(" or ");
}

// Qt's messages while the application starts are held back: when it cannot open a display, Qt
// would print several lines and abort, and the user gets one line and status 1 instead.
struct StartUpMessages {
    struct Message {
        QtMsgType type;
        QByteArray file, function, category;
        int line;
        QString text;
    };
    static inline std::vector<Message> held;
    static inline QtMessageHandler previous = nullptr;

    static void Hold(QtMsgType type, const QMessageLogContext& context, const QString& text) {
        if (type == QtFatalMsg && text.contains("platform plugin")) {
            std::fprintf(stderr, "%s\n", qPrintable(DisplayFailure()));
            std::fflush(stderr);
            std::_Exit(1);
        }
        if (type == QtFatalMsg) {
            Release();
            previous(type, context, text);
            return;
        }
        held.push_back(
            {type, context.file, context.function, context.category, context.line, text});
    }
    // Passes on what was held and hands the messages back to Qt.
    static void Release() {
        qInstallMessageHandler(previous);
        for (const Message& m : std::exchange(held, {})) {
            const QMessageLogContext context(m.file.constData(), m.line, m.function.constData(),
                                             m.category.constData());
            previous(m.type, context, m.text);
        }
    }
};

}  // namespace

int main(int argc, char* argv[]) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // A window can place itself on X11 but not on Wayland, so with an X server at hand (Xwayland
    // included) X11 comes first, unless the user chose a back end.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM",
                qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ? "xcb" : "xcb;wayland");
    }
#endif
    // Ctrl is the Control key on every system, also on macOS, where Qt would give it to Command.
    QCoreApplication::setAttribute(Qt::AA_MacDontSwapCtrlAndMeta);
    StartUpMessages::previous = qInstallMessageHandler(StartUpMessages::Hold);
    QApplication app(argc, argv);
    StartUpMessages::Release();
    quandrel::frmQuandrel window;
    window.show();
    return app.exec();
}
