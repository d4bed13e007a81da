#include "qt/key_ascii.h"

namespace quandrel {

int KeyAscii(const QKeyEvent& event) {
    const int key = event.key();
    if (key == Qt::Key_Escape) return 27;
#ifdef Q_OS_MACOS
    // Qt reports the Control key as Meta on macOS.
    const auto control = Qt::MetaModifier;
#else
    const auto control = Qt::ControlModifier;
#endif
    if ((event.modifiers() & control) && key >= Qt::Key_A && key <= Qt::Key_Z) {
        return key - Qt::Key_A + 1;
    }
    const QString text = event.text();
    if (text.size() == 1 && text[0].unicode() < 0x8000) return text[0].unicode();
    return -1;
}

}  // namespace quandrel
