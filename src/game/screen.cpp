#include "game/screen.h"

#include "game/cells.h"

namespace quandrel {

Screen::Screen() { named_.fill(-1); }  // no cell is named yet

ScreenUpdate Screen::Update(const Scene& now, double scale) {
    using Kind = AccessEvent::Kind;
    ScreenUpdate update;
    UpdateShown(now.shapes, shapes_,
                [&](const TwipRect& rect) { update.repaint.push_back(ToPixels(rect, scale)); });
    const bool cursorMoved = now.cursor != cursor_;
    if (cursorMoved) {
        for (const auto cell : {cursor_, now.cursor}) {
            if (cell) update.repaint.push_back(CellRect(*cell, scale));
        }
        cursor_ = now.cursor;
    }
    update.text1 = now.text1;

    for (int i = 0; i < kCells; ++i) {
        const auto at = static_cast<std::size_t>(i);
        if (named_[at] == now.board.cells[at]) continue;
        named_[at] = now.board.cells[at];
        update.access.push_back({Kind::Renamed, i, {}});
    }
    const int focus = now.cursor.value_or(AccessEvent::kBoardItself);
    if (now.boardFocused && (cursorMoved || now.refocus)) {
        update.access.push_back({Kind::Focus, focus, {}});
    }
    if (!now.speech.empty()) update.access.push_back({Kind::Speak, focus, now.speech});
    return update;
}

}  // namespace quandrel
