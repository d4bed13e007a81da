#include "model/number_text.h"

#include <charconv>
#include <cmath>

namespace quandrel {

std::string NumberText(int value) { return std::to_string(value); }

std::string NumberText(double value) {
    if (std::trunc(value) == value && std::fabs(value) < 1e15) {
        return std::to_string(static_cast<long long>(value));
    }
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return std::string(buffer, end);
}

std::string CellText(int c, int r, int code) {
    return "board(" + NumberText(c) + "," + NumberText(r) + ")=" + NumberText(code);
}

}  // namespace quandrel
