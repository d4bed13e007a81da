// The main window's game, free of any toolkit: its state, handlers and procedures.
//
// A front end creates one Game, forwards its window's events to the handlers and, once each
// handler has returned (and before a modal box opens), shows `shapes` and `Text1`.
#pragma once

#include <cstdint>
#include <string>

#include "game/window.h"
#include "model/board.h"
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
    std::string Text1;  // the trace panel's whole text; lines are separated by "\r\n"

    // Start-up and Reset.
    void Form_Load();

    void DrawBoard();
    void DumpBoard();

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

    // Mouse: Button and Shift are the button bits (1 left, 2 right, 4 middle) and modifier bits;
    // positions are in the window's mouse scale.
    void Form_MouseDown(std::int16_t Button, std::int16_t Shift, float X, float Y);
    void Form_MouseMove(std::int16_t Button, std::int16_t Shift, float mouseisX, float mouseisY);
    void Form_MouseUp(std::int16_t Button, std::int16_t Shift, float X, float Y);
    void ShowCell();

    // Keys, by character code.
    void Form_KeyPress(std::int16_t KeyAscii);
    void Text1_KeyPress(std::int16_t KeyAscii);

    // Menu commands.
    void mnuReset_Click();
    void mnuQuit_Click();
    void mnuObject_Click();
    void mnuHelpSolv_Click();
    void mnuHelpAbout_Click();

  private:
    // Calls the move procedure for `code`; false for a code that has none.
    bool MoveBlock(Code code, std::int16_t X, std::int16_t Y, std::int16_t DirX, std::int16_t DirY);
    // What every move procedure does, by the rule for the code it is named after.
    bool Move(Code code, std::int16_t X, std::int16_t Y, std::int16_t DirX, std::int16_t DirY);
    // Shows a style-0 box and redraws the board once it is closed with OK.
    void ShowBoxThenRedraw(const std::string& prompt, const std::string& title);

    Window& window_;
};

}  // namespace quandrel
