// The key handlers of the window and of the trace panel.
#include "game/game.h"

namespace quandrel {
namespace {

constexpr std::int16_t kDumpKey = 100;  // lower-case d

// Esc, Ctrl+Q, Ctrl+C, Ctrl+X.
bool IsEndKey(std::int16_t KeyAscii) {
    return KeyAscii == 27 || KeyAscii == 17 || KeyAscii == 3 || KeyAscii == 24;
}

}  // namespace

void Game::Form_KeyPress(std::int16_t KeyAscii) {
    if (IsEndKey(KeyAscii)) {
        window_.endProgram();
        return;
    }
    if (KeyAscii == kDumpKey) DumpBoard();
}

void Game::Text1_KeyPress(std::int16_t KeyAscii) {
    if (IsEndKey(KeyAscii)) window_.endProgram();
}

}  // namespace quandrel
