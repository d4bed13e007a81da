// The board dump: every square repainted from the board, each cell written to the panel, and
// square 1 marked.
#include "game/game.h"
#include "model/number_text.h"

namespace quandrel {

void Game::DumpBoard() {
    for (std::int16_t i = 0; i < kCells; ++i) {
        const int c = i % kColumns;
        const int r = i / kColumns;
        const Code code = board(c, r);
        const double value = color[static_cast<std::size_t>(code)];
        shapes.Shape2[static_cast<std::size_t>(i)].fillColor = ShapeColor(value);
        window_.setTraceText("i=" + NumberText(i) + " " + CellText(c, r, code) +
                             "\r\n color=" + NumberText(value));
    }
    shapes.Shape2[1].fillColor = ShapeColor(color[kMarkerColor]);
    window_.shapesChanged();
}

}  // namespace quandrel
