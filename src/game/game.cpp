#include "game/game.h"

#include <array>

#include "game/prompts.h"
#include "input/drag_grid.h"
#include "model/moves.h"
#include "model/number_text.h"

namespace quandrel {
namespace {

constexpr std::int16_t kLeftButton = 1;
constexpr std::int16_t kRightButton = 2;
constexpr std::int16_t kDumpKey = 100;  // lower-case d

// Esc, Ctrl+Q, Ctrl+C, Ctrl+X.
bool IsEndKey(std::int16_t KeyAscii) {
    return KeyAscii == 27 || KeyAscii == 17 || KeyAscii == 3 || KeyAscii == 24;
}

using MoveProcedure = bool (Game::*)(std::int16_t, std::int16_t, std::int16_t, std::int16_t);

// MoveSingle .. MoveBig4, by piece code 1..9.
constexpr std::array<MoveProcedure, 9> kMoveProcedures{
    &Game::MoveSingle, &Game::MoveWide, &Game::MoveWide2, &Game::MoveTall, &Game::MoveTall2,
    &Game::MoveBig,    &Game::MoveBig2, &Game::MoveBig3,  &Game::MoveBig4,
};

}  // namespace

Game::Game(Window& window) : window_(window) {}

// Start-up ---------------------------------------------------------------------------------------

void Game::Form_Load() {
    LoadColors(color);
    board = InitialLayout();
    window_.setOuterGeometry(200, 200, 5430, 4950);
    DrawBoard();
}

// Drawing and the dump ---------------------------------------------------------------------------

void Game::DrawBoard() { quandrel::DrawBoard(board, color, shapes); }

void Game::DumpBoard() {
    for (std::int16_t i = 0; i < kCells; ++i) {
        const int c = i % kColumns;
        const int r = i / kColumns;
        const Code code = board(c, r);
        const double value = color[static_cast<std::size_t>(code)];
        shapes.Shape2[static_cast<std::size_t>(i)].fillColor = ShapeColor(value);
        Text1 =
            "i=" + NumberText(i) + " " + CellText(c, r, code) + "\r\n color=" + NumberText(value);
    }
    shapes.Shape2[1].fillColor = ShapeColor(color[kMarkerColor]);
}

// Move procedures --------------------------------------------------------------------------------

bool Game::MoveBlock(Code code, std::int16_t X, std::int16_t Y, std::int16_t DirX,
                     std::int16_t DirY) {
    if (code < kSingle || code > kBigBottomRight) return false;
    return (this->*kMoveProcedures[static_cast<std::size_t>(code - kSingle)])(X, Y, DirX, DirY);
}

bool Game::Move(Code code, std::int16_t X, std::int16_t Y, std::int16_t DirX, std::int16_t DirY) {
    const MoveRule& rule = RuleFor(code);
    Text1 = MoveTrace(rule, X, Y, DirX, DirY);
    if (!ApplyMove(board, rule, X, Y, DirX, DirY)) return false;
    if (rule.movedText != nullptr) Text1 = rule.movedText;
    DrawBoard();
    return true;
}

// clang-format off
bool Game::MoveSingle(std::int16_t X, std::int16_t Y, std::int16_t DirX, std::int16_t DirY) { return Move(kSingle, X, Y, DirX, DirY); }
bool Game::MoveWide(std::int16_t X, std::int16_t Y, std::int16_t DirX, std::int16_t DirY) { return Move(kWideLeft, X, Y, DirX, DirY); }
bool Game::MoveWide2(std::int16_t X, std::int16_t Y, std::int16_t DirX, std::int16_t DirY) { return Move(kWideRight, X, Y, DirX, DirY); }
bool Game::MoveTall(std::int16_t X, std::int16_t Y, std::int16_t DirX, std::int16_t DirY) { return Move(kTallTop, X, Y, DirX, DirY); }
bool Game::MoveTall2(std::int16_t X, std::int16_t Y, std::int16_t DirX, std::int16_t DirY) { return Move(kTallBottom, X, Y, DirX, DirY); }
bool Game::MoveBig(std::int16_t X, std::int16_t Y, std::int16_t DirX, std::int16_t DirY) { return Move(kBigTopLeft, X, Y, DirX, DirY); }
bool Game::MoveBig2(std::int16_t X, std::int16_t Y, std::int16_t DirX, std::int16_t DirY) { return Move(kBigTopRight, X, Y, DirX, DirY); }
bool Game::MoveBig3(std::int16_t X, std::int16_t Y, std::int16_t DirX, std::int16_t DirY) { return Move(kBigBottomLeft, X, Y, DirX, DirY); }
bool Game::MoveBig4(std::int16_t X, std::int16_t Y, std::int16_t DirX, std::int16_t DirY) { return Move(kBigBottomRight, X, Y, DirX, DirY); }
// clang-format on

// Mouse and the cell report ----------------------------------------------------------------------

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
    Text1 = "movemouse, " + CellText(dc, dr, code);
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
    if (!IsOnBoard(c, r, 0, 0)) return;  // an anchor off the board reports nothing
    Text1 = CellText(c, r, board(c, r));
}

// Keys -------------------------------------------------------------------------------------------

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

// Menu commands ----------------------------------------------------------------------------------

void Game::mnuReset_Click() { Form_Load(); }

void Game::mnuQuit_Click() { window_.endProgram(); }

void Game::mnuObject_Click() {
    const Board saved = board;
    board = GoalLayout();
    DrawBoard();
    // The player's board comes back however the box was closed.
    window_.messageBox(kObjectPrompt, kOkOnly, kObjectTitle);
    board = saved;
    DrawBoard();
}

void Game::mnuHelpSolv_Click() { ShowBoxThenRedraw(kSolutionPrompt, kSolutionTitle); }

void Game::mnuHelpAbout_Click() { ShowBoxThenRedraw(kAboutPrompt, kAboutTitle); }

void Game::ShowBoxThenRedraw(const std::string& prompt, const std::string& title) {
    if (window_.messageBox(prompt, kOkOnly, title) == kOk) DrawBoard();
}

}  // namespace quandrel
