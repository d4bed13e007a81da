// A Window that records what the game asks of it.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "game/game.h"
#include "support/game_for_test.h"

namespace quandrel::testing {

struct BoxCall {
    std::string prompt;
    int flags;
    std::string title;
    Board boardWhileOpen;
    Shapes shapesWhileOpen;
};

class RecordingWindow : public Window {
  public:
    double pixelRatio = 1;              // the scale the window reports
    std::vector<ScreenUpdate> updates;  // as presented, since the last Take
    int ends = 0;
    std::vector<BoxCall> boxes;
    std::vector<std::array<int, 4>> geometries;
    int boxResult = 1;
    bool closeAtOnce = true;  // report boxResult from inside openBox, as a native modal box does
    Game* game = nullptr;     // to read the state while a box is open

    double scale() const override { return pixelRatio; }
    void present(const ScreenUpdate& update) override { updates.push_back(update); }
    void openBox(const std::string& prompt, int flags, const std::string& title) override {
        const GameForTest form(*game);
        boxes.push_back({prompt, flags, title, form.board, form.shapes});
        if (closeAtOnce) game->BoxClosed(boxResult);
    }
    void setOuterGeometry(int left, int top, int width, int height) override {
        geometries.push_back({left, top, width, height});
    }
    void endProgram() override { ++ends; }

    // Every update presented since the last call, as one: repaint areas and events in order,
    // the panel's last text.
    ScreenUpdate Take() {
        ScreenUpdate all;
        for (ScreenUpdate& update : updates) {
            all.repaint.insert(all.repaint.end(), update.repaint.begin(), update.repaint.end());
            if (update.text1) all.text1 = std::move(update.text1);
            all.access.insert(all.access.end(), update.access.begin(), update.access.end());
        }
        updates.clear();
        return all;
    }
};

// The cells an update renames, the cells it focuses, and what it says, in order.
inline std::vector<int> CellsOf(const ScreenUpdate& update, AccessEvent::Kind kind) {
    std::vector<int> cells;
    for (const AccessEvent& event : update.access) {
        if (event.kind == kind) cells.push_back(event.cell);
    }
    return cells;
}
inline std::vector<int> Renamed(const ScreenUpdate& u) {
    return CellsOf(u, AccessEvent::Kind::Renamed);
}
inline std::vector<int> Focused(const ScreenUpdate& u) {
    return CellsOf(u, AccessEvent::Kind::Focus);
}
inline std::string Spoken(const ScreenUpdate& update) {
    std::string said;
    for (const AccessEvent& event : update.access) {
        if (event.kind == AccessEvent::Kind::Speak)
            said += (said.empty() ? "" : " | ") + event.text;
    }
    return said;
}

// A game after start-up, with its recording window.
struct LoadedGame {
    RecordingWindow window;
    Game game{window};
    GameForTest form{game};
    // The board has the focus; the start-up update is kept, the window's other records dropped.
    LoadedGame() {
        window.game = &game;
        game.BoardFocus(true);
        game.Start();
        std::vector<ScreenUpdate> startUp = std::move(window.updates);
        window = RecordingWindow{};
        window.game = &game;
        window.updates = std::move(startUp);
    }
};

// The shapes as DrawBoard leaves them for `board`, starting from `shapes`.
inline Shapes Drawn(Shapes shapes, const Board& board, const ColorTable& color) {
    DrawBoard(board, color, shapes);
    return shapes;
}

// True when the game's shapes show its board as DrawBoard draws it.
inline bool ShowsBoard(const GameForTest& game) {
    return game.shapes == Drawn(game.shapes, game.board, game.color);
}

}  // namespace quandrel::testing
