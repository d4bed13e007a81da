// What the front end last showed of the game, and the update that brings it in line with what
// the game shows now: the areas to repaint, the panel's text, and what to tell assistive
// technology, in order.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "game/screen_update.h"
#include "model/board.h"
#include "view/shapes.h"

namespace quandrel {

// What the game shows, and has to say, after an input.
struct Scene {
    const Shapes& shapes;
    const Board& board;
    std::optional<int> cursor;         // the keyboard cursor's cell while it shows
    std::optional<std::string> text1;  // the panel's whole text, when the game wrote it
    bool boardFocused;
    bool refocus;        // the board has just taken the focus back: say where it stands
    std::string speech;  // what the last key said, or ""
};

class Screen {
  public:
    Screen();
    // The update from what was last shown to `now`, which is then what is shown.
    ScreenUpdate Update(const Scene& now, double scale);

  private:
    Shapes shapes_ = CreateShapes();
    std::optional<int> cursor_;
    std::array<Code, kCells> named_;
};

}  // namespace quandrel
