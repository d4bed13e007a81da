// What the game needs from the window it lives in.
#pragma once

#include <string>

#include "game/screen_update.h"

namespace quandrel {

inline constexpr int kOkOnly = 0;  // box style: one OK button, no icon, modal
inline constexpr int kOk = 1;      // code of the OK button

class Window {
  public:
    virtual ~Window() = default;
    // Device pixels per device-independent pixel (15 twips) of the client area.
    virtual double scale() const = 0;
    // Brings what changed to the screen and to assistive technology; the game calls it after
    // every input that changed anything, and before it opens a box.
    virtual void present(const ScreenUpdate& update) = 0;
    // Opens a message box over the window; lines of the prompt are separated by the front end's
    // line break. The window reports how the box closed with Game::BoxClosed, from inside this
    // call (a native modal box) or later.
    virtual void openBox(const std::string& prompt, int flags, const std::string& title) = 0;
    // Outer bounds, frame and title bar included, in twips from the screen's top-left corner.
    virtual void setOuterGeometry(int leftTwips, int topTwips, int widthTwips, int heightTwips) = 0;
    // Ends the program at once with status 0; the game runs no handler after it.
    virtual void endProgram() = 0;
};

}  // namespace quandrel
