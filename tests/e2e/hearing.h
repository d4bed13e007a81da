// What a listener (an AT-SPI or MSAA client, a screen reader's log) writes to a file, read in
// order, and the keyboard scenario played to it.
#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "model/solver.h"

namespace quandrel::e2e {

class Hearing {
  public:
    // What a line of the file says, or "" for a line that says nothing.
    using Reading = std::function<std::string(const std::string& line)>;

    explicit Hearing(std::string path, Reading reading = nullptr)
        : path_(std::move(path)), reading_(std::move(reading)) {}
    // Waits until `line` stands as a whole line after the last line heard; then it is heard.
    bool Hears(const std::string& line,
               std::chrono::milliseconds timeout = std::chrono::seconds(10));
    // Waits until each of `lines` stands after the last line heard, in any order (an MSAA client
    // under Wine hears one key's events in another order); then they are heard. The missing
    // lines, or none.
    std::vector<std::string> HearsAll(const std::vector<std::string>& lines,
                                      std::chrono::milliseconds timeout = std::chrono::seconds(10));
    std::string All() const;

  private:
    std::string path_;
    Reading reading_;
    std::size_t heard_ = 0;  // the offset just past the last line heard
};

// Presses an X keysym ("Left", "Down"), with Shift held or not.
using PressKey = std::function<void(const char* keysym, bool shift)>;
// Turns a line as the game tells it ("focus NAME") into the line the listener writes; "" for a
// line the platform does not tell.
using Heard = std::function<std::string(const std::string& line)>;

// Plays the steps of `solution` with the arrow keys, the cursor shown at (0, 0): walks it to each
// step's cell and slides the block with Shift+arrow; then calls `stepped`, which returns false to
// stop there.
void PlayWithArrows(const std::vector<Drag>& solution, const PressKey& press,
                    const std::function<bool(const Move&)>& stepped);

// Plays the scenario of support/heard.h and expects, after each key and within `timeout`, every
// line the game tells.
// `placed`: the platform names a cell with its place ("..., column 1, row 1"), as the desktop
// does; not so the web's grid, which says the place itself.
void PlayHeardScenario(const PressKey& press, Hearing& hearing, const Heard& heard = nullptr,
                       std::chrono::milliseconds timeout = std::chrono::seconds(10),
                       bool placed = true);

}  // namespace quandrel::e2e
