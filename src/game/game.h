// The main window's game, free of any toolkit: its state, handlers and procedures.
//
// A front end creates one Game, calls Start, and forwards its window's input through Mouse, Key,
// ArrowKey, Menu, BoxClosed and BoardFocus, which drop what the game takes while a box is open or
// once the program is ending. After each of them the game pushes what changed to the window
// (Window::present).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "game/form_layout.h"
#include "game/input.h"
#include "game/screen.h"
#include "game/window.h"
#include "model/board.h"
#include "view/paint.h"
#include "view/shapes.h"

namespace quandrel {

class GameForTest;

// The window's state, zero until Form_Load.
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

    // Start-up: Form_Load, and the whole board presented.
    void Start();

    // Input from the front end. Key returns true when the key must not go on to the control
    // (the program is ending).
    void Mouse(const MouseInput& input);
    bool Key(KeyTarget target, int typed, bool control);
    void Menu(Command command);
    void BoxClosed(int result);
    // An arrow key on the board, with the modifier bits (1 Shift, 2 Ctrl, 4 Alt). The first
    // shows the keyboard cursor; then an arrow moves it one cell, Ctrl+arrow to the board's
    // edge, and Shift+arrow steps the block under it that way, as a mouse drag step would.
    // Returns false for a key that is not the game's (Alt+arrow), to go on to the platform.
    bool ArrowKey(Arrow arrow, std::int16_t shift);
    // The board got or lost the keyboard focus.
    void BoardFocus(bool focused);

    // Paints the shapes that meet `clip`, then the cursor's ring, in device pixels at `scale`.
    void Paint(double scale, PixelRect clip, Painter& painter) const;

    // The cell index (x + 5 * y) of the keyboard cursor while it shows.
    std::optional<int> cursorCell() const;
    // The description of cell `index` of the board as it stands, and what it holds alone.
    std::string CellName(int index) const;
    std::string CellContent(int index) const;
    // What the last key said, for the cell the cursor is on since; "" for any other.
    std::string CellNote(int index) const;
    bool boxOpen() const { return box_ != Box::None; }
    bool ending() const { return ending_; }

  private:
    friend class GameForTest;
    enum class Box { None, Object, Other };
    struct Cursor {
        std::int16_t column = 0;
        std::int16_t row = 0;
        bool shown = false;
        bool operator==(const Cursor&) const = default;
    };

    // Start-up and Reset: fills the colour table and the board, places the window and draws.
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

    // The drag step of a mouse move or a Shift+arrow: writes the drag trace for the drag cell
    // (dc, dr) and calls its move procedure.
    bool DragStep(std::int16_t dc, std::int16_t dr, std::int16_t DirX, std::int16_t DirY);
    // Calls the move procedure for `code`; false for a code that has none.
    bool MoveBlock(Code code, std::int16_t X, std::int16_t Y, std::int16_t DirX, std::int16_t DirY);
    // What every move procedure does, by the rule for the code it is named after.
    bool Move(Code code, std::int16_t X, std::int16_t Y, std::int16_t DirX, std::int16_t DirY);
    // The keyboard cursor's answer to an arrow: shown, moved, or the block under it stepped.
    void CursorKey(Arrow arrow, std::int16_t shift);
    // Pushes what changed since the last push to the window, if anything did.
    void Present();
    // Replaces the panel's whole text.
    void Write(std::string text);
    void OpenBox(Box box, const char* prompt, const char* title);
    void EndProgram();
    bool Accepting() const { return !ending_ && box_ == Box::None; }

    Window& window_;
    std::string lineBreak_;
    bool started_ = false;  // nothing is presented before Start
    Box box_ = Box::None;
    Board saved_{};  // the player's board while the Object box shows the goal
    bool ending_ = false;
    Cursor cursor_;
    std::string note_;  // what the last key said, until the cursor moves or goes
    // Since the last push: whether the panel was written, what to say, whether the board took
    // the focus back.
    bool text1Written_ = false;
    std::string speech_;
    bool refocus_ = false;
    bool boardFocused_ = false;
    Screen screen_;
};

}  // namespace quandrel
