// The mouse handlers: the drag anchor, one step per move toward the pointer, the cell report.
#include "game/game.h"
#include "input/drag_grid.h"
#include "model/number_text.h"

namespace quandrel {
namespace {

constexpr std::int16_t kLeftButton = 1;
constexpr std::int16_t kRightButton = 2;

}  // namespace

void Game::Form_MouseDown(std::int16_t, std::int16_t, float X, float Y) {
    dragX = Round16(X);
    dragY = Round16(Y);
}

void Game::Form_MouseMove(std::int16_t Button, std::int16_t, float mouseisX, float mouseisY) {
    if (Button != kLeftButton) return;
    const std::int16_t dc = AnchorColumn(dragX);
    const std::int16_t dr = AnchorRow(dragY);
    const std::int16_t pc = PointerColumn(mouseisX);
    const std::int16_t pr = PointerRow(mouseisY);
    if (!IsOnBoard(dc, dr, 0, 0)) return;
    if (!IsOnBoard(pc, pr, 0, 0)) return;
    if (board(pc, pr) != kEmpty) return;

    const Code code = board(dc, dr);
    std::int16_t DirX = 0;
    std::int16_t DirY = 0;
    FindDirection(dc, dr, pc, pr, DirX, DirY);
    window_.setTraceText("movemouse, " + CellText(dc, dr, code));
    if (MoveBlock(code, dc, dr, DirX, DirY)) {
        dragX = Round16(mouseisX);
        dragY = Round16(mouseisY);
    }
}

void Game::Form_MouseUp(std::int16_t Button, std::int16_t, float, float) {
    if (Button == kRightButton) ShowCell();
}

void Game::ShowCell() {
    const std::int16_t c = AnchorColumn(dragX);
    const std::int16_t r = AnchorRow(dragY);
    if (!IsOnBoard(c, r, 0, 0)) return;
    window_.setTraceText(CellText(c, r, board(c, r)));
}

}  // namespace quandrel
