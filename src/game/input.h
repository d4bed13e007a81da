// The words of the seam for input: what a front end hands the game as its platform gives it.
#pragma once

#include <cstdint>
#include <optional>

#include "model/board.h"

namespace quandrel {

enum class KeyTarget { Form, Text1 };

enum class MouseAction { Press, Move, Release };

// The action of a number that a front end carries as an integer; nullopt for no action.
constexpr std::optional<MouseAction> MouseActionNumbered(int number) {
    for (const MouseAction action : {MouseAction::Press, MouseAction::Move, MouseAction::Release}) {
        if (static_cast<int>(action) == number) return action;
    }
    return std::nullopt;
}

struct MouseInput {
    MouseAction action;
    std::int16_t button;   // the button pressed or released: 1 left, 2 right, 4 middle
    std::int16_t buttons;  // the buttons held, for a move
    std::int16_t shift;    // modifier bits: 1 Shift, 2 Ctrl, 4 Alt
    double x;              // device pixels from the client area's top-left corner; negative
    double y;              // outside it while a button holds the pointer
    double scale;          // device pixels per device-independent pixel (15 twips)
};

// An arrow key, as every platform has them.
enum class Arrow { Left, Right, Up, Down };

constexpr Step StepOf(Arrow arrow) {
    switch (arrow) {
        case Arrow::Left: return {-1, 0};
        case Arrow::Right: return {1, 0};
        case Arrow::Up: return {0, -1};
        case Arrow::Down: return {0, 1};
    }
    return {0, 0};
}

// The arrow of a number that a front end carries as an integer; nullopt for none.
constexpr std::optional<Arrow> ArrowNumbered(int number) {
    for (const Arrow arrow : {Arrow::Left, Arrow::Right, Arrow::Up, Arrow::Down}) {
        if (static_cast<int>(arrow) == number) return arrow;
    }
    return std::nullopt;
}

// Button and modifier bit fields from three flags, as 1, 2 and 4.
constexpr std::int16_t ButtonBits(bool left, bool right, bool middle) {
    return static_cast<std::int16_t>((left ? 1 : 0) | (right ? 2 : 0) | (middle ? 4 : 0));
}
constexpr std::int16_t ShiftBits(bool shift, bool control, bool alt) {
    return ButtonBits(shift, control, alt);
}
inline constexpr std::int16_t kShiftBit = ShiftBits(true, false, false);
inline constexpr std::int16_t kCtrlBit = ShiftBits(false, true, false);
inline constexpr std::int16_t kAltBit = ShiftBits(false, false, true);

}  // namespace quandrel
