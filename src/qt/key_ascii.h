// The character code of a key press, the same on every platform.
#pragma once

#include <QKeyEvent>

namespace quandrel {

// Ctrl with a letter gives 1..26 and Esc 27 whatever the platform sends as text; otherwise the
// code of the typed character. -1 when the key types nothing.
int KeyAscii(const QKeyEvent& event);

}  // namespace quandrel
