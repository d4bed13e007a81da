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
    int ends = 0;
    std::vector<BoxCall> boxes;
    std::vector<std::array<int, 4>> geometries;
    int boxResult = 1;
    bool closeAtOnce = true;  // report boxResult from inside openBox, as a native modal box does
    Game* game = nullptr;     // to read the state while a box is open

    void openBox(const std::string& prompt, int flags, const std::string& title) override {
        boxes.push_back({prompt, flags, title, game->state().board, game->state().shapes});
        if (closeAtOnce) game->BoxClosed(boxResult);
    }
    void setOuterGeometry(int left, int top, int width, int height) override {
        geometries.push_back({left, top, width, height});
    }
    void endProgram() override { ++ends; }
};

// A game after start-up, with its recording window.
struct LoadedGame {
    RecordingWindow window;
    Game game{window};
    GameForTest form{game};
    LoadedGame() {
        window.game = &game;
        game.Form_Load();
        window = RecordingWindow{};
        window.game = &game;
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
