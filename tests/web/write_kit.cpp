// Writes what the browser tests and benchmark take from the game's own definitions, as a
// JavaScript module: where to point at each cell (the drag grid's point and the drawn square's
// centre, in CSS pixels from the client area's corner, by cell index), and the colour each piece
// code shows, and the keyboard scenario with what the page tells after each key.
// Usage: write_kit FILE (run under Node at build time).
#include <cstdio>
#include <fstream>
#include <string>

#include "support/heard.h"
#include "support/points.h"
#include "view/shapes.h"

namespace {

using quandrel::kCells;
using quandrel::kColumns;

std::string Quoted(const std::string& text) { return "'" + text + "'"; }

std::string Pair(double x, double y) {
    return "[" + std::to_string(x) + ", " + std::to_string(y) + "]";
}

template <typename Item>
std::string List(int count, Item&& item) {
    std::string list = "[";
    for (int i = 0; i < count; ++i) list += (i ? ", " : "") + item(i);
    return list + "]";
}

}  // namespace

int main(int argc, char** argv) {
    using namespace quandrel;
    if (argc != 2) {
        std::fprintf(stderr, "usage: write_kit FILE\n");
        return 2;
    }
    ColorTable color{};
    LoadColors(color);
    const auto rgb = [&](int code) {
        const std::uint32_t bgr = ShapeColor(color[static_cast<std::size_t>(code)]);
        return "[" + std::to_string(bgr & 0xFF) + ", " + std::to_string((bgr >> 8) & 0xFF) + ", " +
               std::to_string((bgr >> 16) & 0xFF) + "]";
    };
    const auto drag = [](int i) {
        const testing::Point p = testing::DragPoint(i % kColumns, i / kColumns);
        return Pair(p.x, p.y);
    };
    const auto centre = [](int i) {
        const testing::Point p = testing::CellCentre(i % kColumns, i / kColumns);
        return Pair(p.x, p.y);
    };
    static constexpr const char* kKeys[] = {"ArrowLeft", "ArrowRight", "ArrowUp", "ArrowDown"};
    const auto told = testing::ScenarioHearing(&Game::CellContent);
    const auto step = [&](int i) {
        const testing::HeardKey& key = testing::kHeardScenario[i];
        const auto& lines = told[static_cast<std::size_t>(i)];
        return "{ key: " + Quoted(kKeys[static_cast<int>(key.arrow)]) +
               ", shift: " + ((key.shift & kShiftBit) ? "true" : "false") + ", heard: " +
               List(static_cast<int>(lines.size()),
                    [&](int j) { return Quoted(lines[static_cast<std::size_t>(j)]); }) +
               " }";
    };
    std::ofstream out(argv[1]);
    out << "// Written by write_kit from the game's definitions.\n"
        << "export const DRAG_POINTS = " << List(kCells, drag) << ";\n"
        << "export const CELL_CENTRES = " << List(kCells, centre) << ";\n"
        << "export const CODE_COLOURS = " << List(static_cast<int>(color.size()), rgb) << ";\n"
        << "export const MARKER = " << kMarkerColor << ";\n"
        << "export const START = "
        << List(kCells,
                [](int i) {
                    return std::to_string(InitialLayout().cells[static_cast<std::size_t>(i)]);
                })
        << ";\n"
        << "export const SCENARIO = "
        << List(static_cast<int>(std::size(testing::kHeardScenario)), step) << ";\n";
    out.close();
    return out ? 0 : 1;
}
