// A Window that records what the game asks of it.
#pragma once

#include <string>
#include <vector>

#include "game/game.h"

namespace quandrel::testing {

struct BoxCall {
    std::string prompt;
    int flags;
    std::string title;
    Board boardWhileOpen;
};

class RecordingWindow : public Window {
  public:
    std::string text;
    int textWrites = 0;
    int redraws = 0;
    int ends = 0;
    std::vector<BoxCall> boxes;
    std::vector<std::array<int, 4>> geometries;
    int boxResult = 1;
    const Game* game = nullptr;  // to read the board while a box is open

    void setTraceText(const std::string& t) override {
        text = t;
        ++textWrites;
    }
    void shapesChanged() override { ++redraws; }
    int messageBox(const std::string& prompt, int flags, const std::string& title) override {
        boxes.push_back({prompt, flags, title, game ? game->board : Board{}});
        return boxResult;
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
    LoadedGame() {
        window.game = &game;
        game.Form_Load();
        window = RecordingWindow{};
        window.game = &game;
    }
};

}  // namespace quandrel::testing
