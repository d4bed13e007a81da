#include "game/game.h"

#include <array>
#include <utility>

#include "game/prompts.h"
#include "game/text.h"
#include "game/traces.h"
#include "game/words.h"
#include "input/drag_grid.h"
#include "input/platform_input.h"
#include "model/moves.h"

namespace quandrel {
namespace {

constexpr std::int16_t kLeftButton = 1;
constexpr std::int16_t kRightButton = 2;
constexpr std::int16_t kDumpKey = 100;  // lower-case d

// Esc, Ctrl+Q, Ctrl+C, Ctrl+X.
bool IsEndKey(std::int16_t KeyAscii) {
    return KeyAscii == 27 || KeyAscii == 17 || KeyAscii == 3 || KeyAscii == 24;
}

}  // namespace

Game::Game(Window& window, std::string_view lineBreak) : window_(window), lineBreak_(lineBreak) {}

void Game::Start() {
    started_ = true;
    Form_Load();
    Present();
}

// Input from the front end ------------------------------------------------------------------------

void Game::Mouse(const MouseInput& input) {
    if (!Accepting()) return;
    const float x = ToMouseX(input.x, input.scale);
    const float y = ToMouseY(input.y, input.scale);
    switch (input.action) {
        case MouseAction::Press:
            cursor_.shown = false;
            note_.clear();
            Form_MouseDown(input.button, input.shift, x, y);
            break;
        case MouseAction::Move: Form_MouseMove(input.buttons, input.shift, x, y); break;
        case MouseAction::Release: Form_MouseUp(input.button, input.shift, x, y); break;
    }
    Present();
}

bool Game::Key(KeyTarget target, int typed, bool control) {
    const int code = KeyAscii(typed, control);
    if (!Accepting() || code < 0) return ending_;
    const auto key = static_cast<std::int16_t>(code);
    target == KeyTarget::Form ? Form_KeyPress(key) : Text1_KeyPress(key);
    Present();
    return ending_;
}

bool Game::ArrowKey(Arrow arrow, std::int16_t shift) {
    if (shift & kAltBit) return false;  // the platform's: a browser's history, a window manager
    if (!Accepting()) return true;
    CursorKey(arrow, shift);
    Present();
    return true;
}

void Game::CursorKey(Arrow arrow, std::int16_t shift) {
    if (!cursor_.shown) {
        const std::int16_t c = AnchorColumn(dragX);
        const std::int16_t r = AnchorRow(dragY);
        const bool onBoard = IsOnBoard(c, r, 0, 0);
        cursor_ = {onBoard ? c : std::int16_t{0}, onBoard ? r : std::int16_t{0}, true};
        note_.clear();
        return;
    }
    const Step step = StepOf(arrow);
    const auto follow = [&] {
        cursor_.column = static_cast<std::int16_t>(cursor_.column + step.DirX);
        cursor_.row = static_cast<std::int16_t>(cursor_.row + step.DirY);
    };
    if (shift & kShiftBit) {
        const Code code = board(cursor_.column, cursor_.row);
        const bool moved = DragStep(cursor_.column, cursor_.row, step.DirX, step.DirY);
        if (moved) follow();
        speech_ = note_ = StepAnnouncement(code, step, moved);
        return;
    }
    note_.clear();
    if (!IsOnBoard(cursor_.column, cursor_.row, step.DirX, step.DirY)) {
        speech_ = note_ = EdgeAnnouncement(step);
        return;
    }
    // Ctrl goes on to the edge.
    do follow();
    while ((shift & kCtrlBit) && IsOnBoard(cursor_.column, cursor_.row, step.DirX, step.DirY));
}

void Game::Menu(Command command) {
    if (!Accepting()) return;
    switch (command) {
        case Command::None: return;
        case Command::Reset: mnuReset_Click(); break;
        case Command::HelpAbout: mnuHelpAbout_Click(); break;
        case Command::Object: mnuObject_Click(); break;
        case Command::HelpSolv: mnuHelpSolv_Click(); break;
        case Command::Quit: mnuQuit_Click(); break;
    }
    Present();
}

void Game::BoxClosed(int result) {
    switch (std::exchange(box_, Box::None)) {
        case Box::None: return;
        case Box::Object:
            // The player's board comes back however the box was closed.
            board = saved_;
            DrawBoard();
            break;
        case Box::Other:
            if (result == kOk) DrawBoard();
            break;
    }
    refocus_ = true;  // the board has the keys again
    Present();
}

void Game::BoardFocus(bool focused) {
    refocus_ = focused && !boardFocused_;
    boardFocused_ = focused;
    Present();
}

void Game::Present() {
    if (ending_ || !started_) return;
    std::optional<std::string> text1;
    if (std::exchange(text1Written_, false)) text1 = WithLineBreak(Text1, lineBreak_);
    const ScreenUpdate update =
        screen_.Update({shapes, board, cursorCell(), std::move(text1), boardFocused_,
                        std::exchange(refocus_, false), std::exchange(speech_, {})},
                       window_.scale());
    if (!update.empty()) window_.present(update);
}

void Game::Paint(double scale, PixelRect clip, Painter& painter) const {
    PaintShapes(shapes, scale, clip, painter);
    if (const auto cell = cursorCell()) {
        PaintRing(shapes.Shape2[static_cast<std::size_t>(*cell)].rect, scale, clip, painter);
    }
}

std::optional<int> Game::cursorCell() const {
    if (!cursor_.shown) return std::nullopt;
    return cursor_.column + kColumns * cursor_.row;
}

std::string Game::CellNote(int index) const {
    return cursorCell() == index ? note_ : std::string();
}

std::string Game::CellName(int index) const {
    return CellDescription(board, index % kColumns, index / kColumns);
}

std::string Game::CellContent(int index) const {
    return quandrel::CellContent(board, index % kColumns, index / kColumns);
}

// Start-up ---------------------------------------------------------------------------------------

void Game::Form_Load() {
    LoadColors(color);
    board = InitialLayout();
    window_.setOuterGeometry(kStartBounds.left, kStartBounds.top, kStartBounds.width,
                             kStartBounds.height);
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
        Write("i=" + NumberText(i) + " " + CellText(c, r, code) +
              "\r\n color=" + NumberText(value));
    }
    shapes.Shape2[1].fillColor = ShapeColor(color[kMarkerColor]);
}

// Move procedures --------------------------------------------------------------------------------

bool Game::MoveBlock(Code code, std::int16_t X, std::int16_t Y, std::int16_t DirX,
                     std::int16_t DirY) {
    using MoveProcedure = bool (Game::*)(std::int16_t, std::int16_t, std::int16_t, std::int16_t);
    // MoveSingle .. MoveBig4, by piece code 1..9.
    static constexpr std::array<MoveProcedure, kBigBottomRight - kSingle + 1> kMoveProcedures{
        &Game::MoveSingle, &Game::MoveWide, &Game::MoveWide2, &Game::MoveTall, &Game::MoveTall2,
        &Game::MoveBig,    &Game::MoveBig2, &Game::MoveBig3,  &Game::MoveBig4,
    };
    if (code < kSingle || code > kBigBottomRight) return false;
    return (this->*kMoveProcedures[static_cast<std::size_t>(code - kSingle)])(X, Y, DirX, DirY);
}

bool Game::Move(Code code, std::int16_t X, std::int16_t Y, std::int16_t DirX, std::int16_t DirY) {
    Write(MoveTrace(code, X, Y, DirX, DirY));
    if (!ApplyMove(board, RuleFor(code), X, Y, DirX, DirY)) return false;
    if (const char* moved = MovedText(code)) Write(moved);
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

    std::int16_t DirX = 0;
    std::int16_t DirY = 0;
    FindDirection(dc, dr, pc, pr, DirX, DirY);
    if (DragStep(dc, dr, DirX, DirY)) {
        dragX = Round16(mouseisX);
        dragY = Round16(mouseisY);
    }
}

bool Game::DragStep(std::int16_t dc, std::int16_t dr, std::int16_t DirX, std::int16_t DirY) {
    const Code code = board(dc, dr);
    Write("movemouse, " + CellText(dc, dr, code));
    return MoveBlock(code, dc, dr, DirX, DirY);
}

void Game::Form_MouseUp(std::int16_t Button, std::int16_t, float, float) {
    if (Button == kRightButton) ShowCell();
}

void Game::ShowCell() {
    const std::int16_t c = AnchorColumn(dragX);
    const std::int16_t r = AnchorRow(dragY);
    if (!IsOnBoard(c, r, 0, 0)) return;  // an anchor off the board reports nothing
    Write(CellText(c, r, board(c, r)));
}

void Game::Write(std::string text) {
    Text1 = std::move(text);
    text1Written_ = true;
}

// Keys -------------------------------------------------------------------------------------------

void Game::Form_KeyPress(std::int16_t KeyAscii) {
    if (IsEndKey(KeyAscii)) {
        EndProgram();
        return;
    }
    if (KeyAscii == kDumpKey) DumpBoard();
}

void Game::Text1_KeyPress(std::int16_t KeyAscii) {
    if (IsEndKey(KeyAscii)) EndProgram();
}

void Game::EndProgram() {
    ending_ = true;
    window_.endProgram();
}

// Menu commands ----------------------------------------------------------------------------------

void Game::mnuReset_Click() { Form_Load(); }

void Game::mnuQuit_Click() { EndProgram(); }

// Each box finishes its command in BoxClosed.
void Game::mnuObject_Click() {
    saved_ = board;
    board = GoalLayout();
    DrawBoard();
    OpenBox(Box::Object, kObjectPrompt, kObjectTitle);
}

void Game::mnuHelpSolv_Click() { OpenBox(Box::Other, kSolutionPrompt, kSolutionTitle); }

void Game::mnuHelpAbout_Click() { OpenBox(Box::Other, kAboutPrompt, kAboutTitle); }

void Game::OpenBox(Box box, const char* prompt, const char* title) {
    Present();  // the window shows the game's state under the box
    box_ = box;
    window_.openBox(WithLineBreak(prompt, lineBreak_), kOkOnly, title);
}

}  // namespace quandrel
