// The main window's game, free of any toolkit: its state, handlers and procedures.
//
// A front end creates one Game and forwards its window's input through Mouse, Key, Menu and
// BoxClosed, which drop everything while a box is open or once the program is ending. After each
// of them it calls TakeUpdate and repaints and writes what that names.
#pragma once

#include <array>
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

// What the front end must bring to the screen, and tell assistive technology; nothing once the
// program is ending.
struct ScreenUpdate {
    std::vector<PixelRect> repaint;    // areas whose shapes or cursor changed, in device pixels
    std::optional<std::string> text1;  // the game wrote the panel: its whole new text
    std::vector<int> renamed;          // cells whose CellName changed (all of them at first)
    bool cursorChanged = false;        // the cursor appeared, moved or went: see cursorCell
    std::string announcement;          // what a keyboard step did, to be spoken; or ""
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
    // An arrow key on the board. The first shows the keyboard cursor; then an arrow moves it
    // one cell, and Shift+arrow steps the block under it that way, as a mouse drag step would.
    void ArrowKey(Arrow arrow, bool shift);

    // The shapes that changed and whether the panel was written since the last call.
    ScreenUpdate TakeUpdate(double scale);

    // Paints the shapes that meet `clip`, then the cursor's ring, in device pixels at `scale`.
    void Paint(double scale, PixelRect clip, Painter& painter) const;

    const FormState& state() const { return *this; }
    // The cell index (x + 5 * y) of the keyboard cursor while it shows.
    std::optional<int> cursorCell() const;
    // The description of cell `index` of the board as it stands.
    std::string CellName(int index) const;
    // What the last keyboard step said, for the cell the cursor is on since; "" for any other.
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
    Cursor cursor_;
    std::string announcement_;  // said by the last step, until TakeUpdate reports it
    std::string note_;          // the same, until the cursor moves or goes
    // As last reported by TakeUpdate: the shapes, the cursor and the board the cells are named by.
    Shapes shown_ = shapes;
    Cursor shownCursor_;
    std::array<Code, kCells> named_;
};

}  // namespace quandrel
