// The whole game as the main window holds it: state, handlers and procedures, free of any toolkit.
#pragma once

#include <cstdint>

#include "game/window.h"
#include "model/board.h"
#include "model/moves.h"
#include "view/shapes.h"

namespace quandrel {

class Game {
  public:
    explicit Game(Window& window);

    // State, zero until Form_Load.
    std::int16_t dragX = 0;
    std::int16_t dragY = 0;
    ColorTable color{};
    Board board{};
    Shapes shapes = CreateShapes();

    // Start-up and Reset.
    void Form_Load();

    // Mouse: Button and Shift are the button bits (1 left, 2 right, 4 middle) and modifier bits;
    // positions are in the window's mouse scale.
    void Form_MouseDown(std::int16_t Button, std::int16_t Shift, float X, float Y);
    void Form_MouseMove(std::int16_t Button, std::int16_t Shift, float mouseisX, float mouseisY);
    void Form_MouseUp(std::int16_t Button, std::int16_t Shift, float X, float Y);

    // Keys, by character code.
    void Form_KeyPress(std::int16_t KeyAscii);
    void Text1_KeyPress(std::int16_t KeyAscii);

    // Menu commands.
    void mnuReset_Click();
    void mnuQuit_Click();
    void mnuObject_Click();
    void mnuHelpSolv_Click();
    void mnuHelpAbout_Click();

    // Move procedures: write the move trace, step the block grabbed at (X, Y) and redraw.
    bool MoveSingle(std::int16_t X, std::int16_t Y, std::int16_t DirX, std::int16_t DirY);
    bool MoveWide(std::int16_t X, std::int16_t Y, std::int16_t DirX, std::int16_t DirY);
    bool MoveWide2(std::int16_t X, std::int16_t Y, std::int16_t DirX, std::int16_t DirY);
    bool MoveTall(std::int16_t X, std::int16_t Y, std::int16_t DirX, std::int16_t DirY);
    bool MoveTall2(std::int16_t X, std::int16_t Y, std::int16_t DirX, std::int16_t DirY);
    bool MoveBig(std::int16_t X, std::int16_t Y, std::int16_t DirX, std::int16_t DirY);
    bool MoveBig2(std::int16_t X, std::int16_t Y, std::int16_t DirX, std::int16_t DirY);
    bool MoveBig3(std::int16_t X, std::int16_t Y, std::int16_t DirX, std::int16_t DirY);
    bool MoveBig4(std::int16_t X, std::int16_t Y, std::int16_t DirX, std::int16_t DirY);

    void DrawBoard();
    void DumpBoard();
    void ShowCell();

  private:
    // The move procedure for `code`; false without a trace for a code that has none.
    bool MoveBlock(Code code, std::int16_t X, std::int16_t Y, std::int16_t DirX, std::int16_t DirY);
    // Shows a style-0 box and redraws the board once it is closed with OK.
    void ShowBoxThenRedraw(const std::string& prompt, const std::string& title);

    Window& window_;
};

}  // namespace quandrel
