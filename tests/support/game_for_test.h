// The test door into a Game: its state to read, a layout to set (and draw), and the described
// handlers and procedures to call by name, past the entries that a front end calls.
#pragma once

#include <string>

#include "game/game.h"

namespace quandrel {

class GameForTest {
  public:
    explicit GameForTest(Game& game)
        : dragX(game.dragX),
          dragY(game.dragY),
          color(game.color),
          board(game.board),
          shapes(game.shapes),
          Text1(game.Text1),
          game_(game) {}

    const std::int16_t& dragX;
    const std::int16_t& dragY;
    const ColorTable& color;
    const Board& board;
    const Shapes& shapes;
    const std::string& Text1;

    // Puts `layout` on the board and draws it, as every change of the board is drawn.
    void SetLayout(const Board& layout) {
        game_.board = layout;
        game_.DrawBoard();
    }
    void SetText1(std::string text) { game_.Text1 = std::move(text); }
    void SetColor(Code code, double value) { game_.color[static_cast<std::size_t>(code)] = value; }
    void SetColors(const ColorTable& colors) { game_.color = colors; }
    void SetAnchor(std::int16_t x, std::int16_t y) {
        game_.dragX = x;
        game_.dragY = y;
    }
    void SetSquareColor(int index, std::uint32_t bgr) {
        game_.shapes.Shape2[static_cast<std::size_t>(index)].fillColor = bgr;
    }

    // The entries a front end calls.
    void Form_Load() { game_.Form_Load(); }
    void Mouse(const MouseInput& input) { game_.Mouse(input); }
    bool Key(KeyTarget target, int typed, bool control) {
        return game_.Key(target, typed, control);
    }
    void Menu(Command command) { game_.Menu(command); }
    void BoxClosed(int result) { game_.BoxClosed(result); }
    bool ArrowKey(Arrow arrow, std::int16_t shift) { return game_.ArrowKey(arrow, shift); }
    bool boxOpen() const { return game_.boxOpen(); }
    bool ending() const { return game_.ending(); }

    // The described procedures and handlers.
    void DrawBoard() { game_.DrawBoard(); }
    void DumpBoard() { game_.DumpBoard(); }
    // clang-format off
    bool MoveSingle(std::int16_t X, std::int16_t Y, std::int16_t DirX, std::int16_t DirY) { return game_.MoveSingle(X, Y, DirX, DirY); }
    bool MoveWide(std::int16_t X, std::int16_t Y, std::int16_t DirX, std::int16_t DirY) { return game_.MoveWide(X, Y, DirX, DirY); }
    bool MoveWide2(std::int16_t X, std::int16_t Y, std::int16_t DirX, std::int16_t DirY) { return game_.MoveWide2(X, Y, DirX, DirY); }
    bool MoveTall(std::int16_t X, std::int16_t Y, std::int16_t DirX, std::int16_t DirY) { return game_.MoveTall(X, Y, DirX, DirY); }
    bool MoveTall2(std::int16_t X, std::int16_t Y, std::int16_t DirX, std::int16_t DirY) { return game_.MoveTall2(X, Y, DirX, DirY); }
    bool MoveBig(std::int16_t X, std::int16_t Y, std::int16_t DirX, std::int16_t DirY) { return game_.MoveBig(X, Y, DirX, DirY); }
    bool MoveBig2(std::int16_t X, std::int16_t Y, std::int16_t DirX, std::int16_t DirY) { return game_.MoveBig2(X, Y, DirX, DirY); }
    bool MoveBig3(std::int16_t X, std::int16_t Y, std::int16_t DirX, std::int16_t DirY) { return game_.MoveBig3(X, Y, DirX, DirY); }
    bool MoveBig4(std::int16_t X, std::int16_t Y, std::int16_t DirX, std::int16_t DirY) { return game_.MoveBig4(X, Y, DirX, DirY); }
    void Form_MouseDown(std::int16_t Button, std::int16_t Shift, float X, float Y) { game_.Form_MouseDown(Button, Shift, X, Y); }
    void Form_MouseMove(std::int16_t Button, std::int16_t Shift, float X, float Y) { game_.Form_MouseMove(Button, Shift, X, Y); }
    void Form_MouseUp(std::int16_t Button, std::int16_t Shift, float X, float Y) { game_.Form_MouseUp(Button, Shift, X, Y); }
    // clang-format on
    void ShowCell() { game_.ShowCell(); }
    void Form_KeyPress(std::int16_t KeyAscii) { game_.Form_KeyPress(KeyAscii); }
    void Text1_KeyPress(std::int16_t KeyAscii) { game_.Text1_KeyPress(KeyAscii); }
    void mnuReset_Click() { game_.mnuReset_Click(); }
    void mnuQuit_Click() { game_.mnuQuit_Click(); }
    void mnuObject_Click() { game_.mnuObject_Click(); }
    void mnuHelpSolv_Click() { game_.mnuHelpSolv_Click(); }
    void mnuHelpAbout_Click() { game_.mnuHelpAbout_Click(); }

  private:
    Game& game_;
};

}  // namespace quandrel
