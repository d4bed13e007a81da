#include "game/traces.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cmath>

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

// 10 to the power `n` (n >= 0), exact up to 1e22.
double PowerOfTen(int n) {
    double power = 1;
    for (int i = 0; i < n; ++i) power *= 10;
    return power;
}

}  // namespace

std::string NumberText(int value) { return std::to_string(value); }

std::string NumberText(double value) {
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value < 0 ? "-Inf" : "Inf";
    const double magnitude = std::fabs(value);
    if (magnitude < 1e-15) return "0";
    // Fifteen significant digits, in plain decimal: `shift` digits after the point, or as many
    // zeros before it when negative.
    int exponent = 0;
    for (double power = 10; power <= magnitude; power *= 10) ++exponent;
    for (double power = 1; power > magnitude; power /= 10) --exponent;
    const int shift = 14 - exponent;
    const double scaled = shift >= 0 ? magnitude * PowerOfTen(std::min(shift, 22)) *
                                           PowerOfTen(std::max(shift - 22, 0))
                                     : magnitude / PowerOfTen(-shift);
    std::string digits = std::to_string(static_cast<long long>(std::round(scaled)));
    const std::string sign = value < 0 ? "-" : "";
    if (shift <= 0) return sign + digits + std::string(static_cast<std::size_t>(-shift), '0');
    const auto point = static_cast<std::size_t>(shift);
    if (digits.size() <= point) digits.insert(0, point + 1 - digits.size(), '0');
    const std::string whole = digits.substr(0, digits.size() - point);
    std::string fraction = digits.substr(digits.size() - point);
    while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
    return sign + whole + (fraction.empty() ? "" : "." + fraction);
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

}  // namespace quandrel
