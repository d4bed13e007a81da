// What the game pushes to its front end after each input: what to bring to the screen and what
// to tell assistive technology.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "view/paint.h"

namespace quandrel {

// One thing to tell assistive technology. A front end raises them in order, each by its
// platform's call for that kind; it decides nothing about what to say or when.
struct AccessEvent {
    enum class Kind {
        Focus,    // `cell` takes the focus: a cell index, or kBoardItself
        Renamed,  // the name of cell `cell` changed
        Speak,    // `text` is to be spoken now, even when it is what was spoken last
    };
    static constexpr int kBoardItself = -1;

    Kind kind;
    int cell = kBoardItself;
    std::string text;
    bool operator==(const AccessEvent&) const = default;
};

struct ScreenUpdate {
    std::vector<PixelRect> repaint;    // areas whose shapes or cursor changed, in device pixels
    std::optional<std::string> text1;  // the game wrote the panel: its whole new text
    std::vector<AccessEvent> access;   // in the order they are raised

    bool empty() const { return repaint.empty() && !text1 && access.empty(); }
};

}  // namespace quandrel
