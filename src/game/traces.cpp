#include "game/traces.h"

#include <array>
#include <cassert>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace quandrel {
namespace {

struct TraceText {
    const char* word;       // first line of the move trace
    const char* dirXLabel;  // "DirX= ", or "DirX=" in MoveTall2
};

constexpr const char* kBlank = "DirX= ";

// MoveSingle .. MoveBig4, by piece code 1..9.
constexpr std::array<TraceText, 9> kTraces{{
    {"you moved a sing", kBlank},
    {"you moved a wide", kBlank},
    {"you moved a wide2", kBlank},
    {"you moved a tall", kBlank},
    {"you moved a tall2", "DirX="},
    {"you moved a big", kBlank},
    {"you moved a big2", kBlank},
    {"you moved a big3", kBlank},
    {"you moved a big4", kBlank},
}};

}  // namespace

std::string NumberText(int value) { return std::to_string(value); }

std::string NumberText(double value) {
    if (std::trunc(value) == value && std::fabs(value) < 1e15) {
        return std::to_string(static_cast<long long>(value));
    }
    // The shortest form that reads back as the same value.
    char buffer[32];
    for (int digits = 1; digits <= 17; ++digits) {
        std::snprintf(buffer, sizeof buffer, "%.*g", digits, value);
        if (std::strtod(buffer, nullptr) == value) break;
    }
    return buffer;
}

std::string CellText(int c, int r, int code) {
    return "board(" + NumberText(c) + "," + NumberText(r) + ")=" + NumberText(code);
}

std::string MoveTrace(Code code, std::int16_t X, std::int16_t Y, std::int16_t DirX,
                      std::int16_t DirY) {
    assert(code >= kSingle && code <= kBigBottomRight);
    const TraceText& trace = kTraces[static_cast<std::size_t>(code - kSingle)];
    std::string text = trace.word;
    text += "\r\nX = " + NumberText(X);
    text += "\r\nY = " + NumberText(Y);
    text += "\r\n";
    text += trace.dirXLabel + NumberText(DirX);
    text += "DirY=" + NumberText(DirY);
    return text;
}

const char* MovedText(Code code) { return code == kSingle ? "move ther" : nullptr; }

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
    std::string result;
    for (std::size_t at = text.find(from); at != std::string_view::npos; at = text.find(from)) {
        result.append(text.substr(0, at)).append(to);
        text.remove_prefix(at + from.size());
    }
    return result.append(text);
}

}  // namespace quandrel
