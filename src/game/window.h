// What the game needs from the window it lives in.
#pragma once

#include <string>

namespace quandrel {

inline constexpr int kOkOnly = 0;  // box style: one OK button, no icon, modal
inline constexpr int kOk = 1;      // code of the OK button

class Window {
  public:
    virtual ~Window() = default;
    // Opens a message box over the window, showing the game's state first; lines of the prompt
    // are separated by a single "\r". The window reports how the box closed with
    // Game::BoxClosed, from inside this call (a native modal box) or later.
    virtual void openBox(const std::string& prompt, int flags, const std::string& title) = 0;
    // Outer bounds, frame and title bar included, in twips from the screen's top-left corner.
    virtual void setOuterGeometry(int leftTwips, int topTwips, int widthTwips, int heightTwips) = 0;
    // Ends the program at once with status 0; the game runs no handler after it.
    virtual void endProgram() = 0;
};

}  // namespace quandrel
