#include "game/game.h"

namespace quandrel {

Game::Game(Window& window) : window_(window) {}

void Game::Form_Load() {
    LoadColors(color);
    board = InitialLayout();
    window_.setOuterGeometry(200, 200, 5430, 4950);
    DrawBoard();
}

void Game::DrawBoard() {
    quandrel::DrawBoard(board, color, shapes);
    window_.shapesChanged();
}

bool Game::MoveBlock(Code code, std::int16_t X, std::int16_t Y, std::int16_t DirX,
                     std::int16_t DirY) {
    const MoveProcedure* procedure = ProcedureFor(code);
    if (procedure == nullptr) return false;
    window_.setTraceText(MoveTrace(*procedure, X, Y, DirX, DirY));
    if (!ApplyMove(board, *procedure, X, Y, DirX, DirY)) return false;
    if (procedure->movedText != nullptr) window_.setTraceText(procedure->movedText);
    DrawBoard();
    return true;
}

// clang-format off
bool Game::MoveSingle(std::int16_t X, std::int16_t Y, std::int16_t DirX, std::int16_t DirY) { return MoveBlock(kSingle, X, Y, DirX, DirY); }
bool Game::MoveWide(std::int16_t X, std::int16_t Y, std::int16_t DirX, std::int16_t DirY) { return MoveBlock(kWideLeft, X, Y, DirX, DirY); }
bool Game::MoveWide2(std::int16_t X, std::int16_t Y, std::int16_t DirX, std::int16_t DirY) { return MoveBlock(kWideRight, X, Y, DirX, DirY); }
bool Game::MoveTall(std::int16_t X, std::int16_t Y, std::int16_t DirX, std::int16_t DirY) { return MoveBlock(kTallTop, X, Y, DirX, DirY); }
bool Game::MoveTall2(std::int16_t X, std::int16_t Y, std::int16_t DirX, std::int16_t DirY) { return MoveBlock(kTallBottom, X, Y, DirX, DirY); }
bool Game::MoveBig(std::int16_t X, std::int16_t Y, std::int16_t DirX, std::int16_t DirY) { return MoveBlock(kBigTopLeft, X, Y, DirX, DirY); }
bool Game::MoveBig2(std::int16_t X, std::int16_t Y, std::int16_t DirX, std::int16_t DirY) { return MoveBlock(kBigTopRight, X, Y, DirX, DirY); }
bool Game::MoveBig3(std::int16_t X, std::int16_t Y, std::int16_t DirX, std::int16_t DirY) { return MoveBlock(kBigBottomLeft, X, Y, DirX, DirY); }
bool Game::MoveBig4(std::int16_t X, std::int16_t Y, std::int16_t DirX, std::int16_t DirY) { return MoveBlock(kBigBottomRight, X, Y, DirX, DirY); }
// clang-format on

}  // namespace quandrel
