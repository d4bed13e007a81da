// The keyboard scenario that each platform's assistive-technology test plays on the real
// program, and what a listener must hear after each key, as the game tells it. Every listener
// writes the same lines: "focus NAME" (an object took the focus), "name NAME" (a cell was
// renamed), "say TEXT" (words to speak).
#pragma once

#include <string>
#include <vector>

#include "game/input.h"
#include "game/words.h"
#include "support/recording_window.h"

namespace quandrel::testing {

struct HeardKey {
    Arrow arrow;
    std::int16_t shift;  // modifier bits
};

// A cell, the edge, a step made, the same step refused twice, and no block to move.
inline constexpr HeardKey kHeardScenario[] = {
    {Arrow::Down, 0},          {Arrow::Right, 0},         {Arrow::Right, 0},
    {Arrow::Right, 0},         {Arrow::Down, 0},          {Arrow::Right, kShiftBit},
    {Arrow::Right, kShiftBit}, {Arrow::Right, kShiftBit}, {Arrow::Right, 0},
    {Arrow::Left, 0},          {Arrow::Left, kShiftBit},
};

// How a platform names a cell: by its description, or (the web's grid, which says where) by what
// it holds.
using CellNaming = std::string (Game::*)(int index) const;

// What a listener hears of `update` on a board that stands as `game`'s does.
inline std::vector<std::string> HeardLines(const Game& game, const ScreenUpdate& update,
                                           CellNaming name = &Game::CellName) {
    std::vector<std::string> lines;
    for (const AccessEvent& event : update.access) {
        switch (event.kind) {
            case AccessEvent::Kind::Focus:
                lines.push_back("focus " + (event.cell == AccessEvent::kBoardItself
                                                ? std::string(kBoardName)
                                                : (game.*name)(event.cell)));
                break;
            case AccessEvent::Kind::Renamed:
                lines.push_back("name " + (game.*name)(event.cell));
                break;
            case AccessEvent::Kind::Speak: lines.push_back("say " + event.text); break;
        }
    }
    return lines;
}

// The lines heard after each key of the scenario, played on the game from start-up.
inline std::vector<std::vector<std::string>> ScenarioHearing(CellNaming name = &Game::CellName) {
    LoadedGame loaded;
    loaded.window.Take();
    std::vector<std::vector<std::string>> heard;
    for (const HeardKey& key : kHeardScenario) {
        loaded.game.ArrowKey(key.arrow, key.shift);
        heard.push_back(HeardLines(loaded.game, loaded.window.Take(), name));
    }
    return heard;
}

}  // namespace quandrel::testing
