// The main window as every front end builds it: caption, menus, the trace panel and the start-up
// bounds. Lengths are twips.
#pragma once

#include <algorithm>

#include "view/paint.h"
#include "view/shapes.h"

namespace quandrel {

inline constexpr const char* kCaption = " Quandrel";

// The command each menu entry runs.
enum class Command { None, Reset, HelpAbout, Object, HelpSolv, Quit };

// The menu tree in order: a level-0 entry stands on the bar; the level-1 entries after it make
// its drop-down. A bar entry with a command (Quit) has no drop-down. "&" marks the access key.
struct MenuEntry {
    int level;
    const char* name;
    const char* caption;
    Command command;

    constexpr bool opensDropDown() const { return level == 0 && command == Command::None; }
};

inline constexpr MenuEntry kMenus[] = {
    {0, "mnuFile", "&File", Command::None},
    {1, "mnuReset", "&Reset", Command::Reset},
    {0, "mnuHelp", "&Help", Command::None},
    {1, "mnuHelpAbout", "&About Quandrel", Command::HelpAbout},
    {1, "mnuObject", "&Object", Command::Object},
    {1, "mnuHelpSolv", "&Solution", Command::HelpSolv},
    {0, "mnuQuit", "&Quit", Command::Quit},
};

// The command of a number that a front end carries as an integer (a menu id, a page attribute);
// Command::None when no menu entry runs it.
constexpr Command CommandNumbered(int number) {
    for (const MenuEntry& entry : kMenus) {
        if (entry.command != Command::None && static_cast<int>(entry.command) == number) {
            return entry.command;
        }
    }
    return Command::None;
}

// Text1: a multi-line text box with both scroll bars, the only control that takes the focus.
inline constexpr TwipRect kText1Rect{105, 5250, 3585, 2565};
struct FontSpec {
    const char* face;
    int points;
    int weight;
};
inline constexpr FontSpec kText1Font{"MS Sans Serif", 12, 400};

// Outer bounds at start-up and after Reset, frame, title bar and menu bar included.
inline constexpr TwipRect kStartBounds{200, 200, 5430, 4950};

// The coloured board: four pitches and one square across, three pitches and one square down.
inline constexpr TwipRect kBoardExtent{0, 0, 4 * kCellPitch + 1065, 3 * kCellPitch + 1065};

struct PixelSize {
    int width;
    int height;
    bool operator==(const PixelSize&) const = default;
};

// An outer size grown, never shrunk, just enough for a client area of `outer` less `frame` (the
// frame, title bar and menu bar) to show the whole board at `scale`.
inline PixelSize GrownToShowBoard(PixelSize outer, PixelSize frame, double scale) {
    const PixelRect board = ToPixels(kBoardExtent, scale);
    return {std::max(outer.width, board.right + frame.width),
            std::max(outer.height, board.bottom + frame.height)};
}

}  // namespace quandrel
