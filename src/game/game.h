// The main window's game, free of any toolkit: its state, handlers and procedures.
//
// A front end creates one Game and forwards its window's input through Mouse, Key, Menu and
// BoxClosed, which drop everything while a box is open or once the program is ending. After each
// of them it calls TakeUpdate and repaints and writes what that names.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "game/form_layout.h"
#include "game/window.h"
#include "input/platform_input.h"
#include "model/board.h"
#include "view/paint.h"
#include "view/shapes.h"

namespace quandrel {

enum class KeyTarget { Form, Text1 };

// What the front end must bring to the screen; nothing once the program is ending.
struct ScreenUpdate {
    std::vector<PixelRect> repaint;    // areas whose shapes changed, in device pixels
    std::optional<std::string> text1;  // the game wrote the panel: its whole new text
};

class GameForTest;

// The window's state, zero until Form_Load; a front end reads it through Game::state.
struct FormState {
    std::int16_t dragX = 0;
    std::int16_t dragY = 0;
    ColorTable color{};
    Board board{};
    Shapes shapes = CreateShapes();
    std::string Text1;  // the trace panel's whole text; lines are separated by "\r\n"
};

class Game : private FormState {
  public:
    // `lineBreak` separates the lines of the texts the front end is given (the panel's in
    // ScreenUpdate, a box's prompt in Window::openBox) as its platform's controls take them;
    // empty leaves them as the game writes them: "\r\n" in the panel, "\r" in a prompt.
    explicit Game(Window& window, std::string_view lineBreak = {});

    // Start-up: fills the colour table and the board, places the window and draws the board.
    void Form_Load();

    // Input from the front end. Key returns true when the key must not go on to the control
    // (the program is ending).
    void Mouse(const MouseInput& input);
    bool Key(KeyTarget target, int typed, bool control);
    void Menu(Command command);
    void BoxClosed(int result);

    // The shapes that changed and whether the panel was written since the last call.
    ScreenUpdate TakeUpdate(double scale);

    const FormState& state() const { return *this; }
    bool boxOpen() const { return box_ != Box::None; }
    bool ending() const { return ending_; }

  private:
    friend class GameForTest;
    enum class Box { None, Object, Other };

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

    // Calls the move procedure for `code`; false for a code that has none.
    bool MoveBlock(Code code, std::int16_t X, std::int16_t Y, std::int16_t DirX, std::int16_t DirY);
    // What every move procedure does, by the rule for the code it is named after.
    bool Move(Code code, std::int16_t X, std::int16_t Y, std::int16_t DirX, std::int16_t DirY);
    // Replaces the panel's whole text.
    void Write(std::string text);
    void OpenBox(Box box, const char* prompt, const char* title);
    void EndProgram();
    bool Accepting() const { return !ending_ && box_ == Box::None; }

    Window& window_;
    std::string lineBreak_;
    Box box_ = Box::None;
    Board saved_{};  // the player's board while the Object box shows the goal
    bool ending_ = false;
    bool text1Written_ = false;
    Shapes shown_ = shapes;  // the shapes as last reported by TakeUpdate
};

}  // namespace quandrel
