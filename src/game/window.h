// What the game needs from the window it lives in.
#pragma once

#include <string>

namespace quandrel {

class Window {
  public:
    virtual ~Window() = default;
    // A modal message box; lines of the prompt are separated by a single "\r". Returns the code
    // of the button that closed it (1 for OK). The window shows the game's state before it opens.
    virtual int messageBox(const std::string& prompt, int flags, const std::string& title) = 0;
    // Outer bounds, frame and title bar included, in twips from the screen's top-left corner.
    virtual void setOuterGeometry(int leftTwips, int topTwips, int widthTwips, int heightTwips) = 0;
    // Ends the program at once with status 0; the caller returns without doing anything more.
    virtual void endProgram() = 0;
};

}  // namespace quandrel
