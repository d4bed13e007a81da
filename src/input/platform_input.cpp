#include "input/platform_input.h"

#include <cmath>
#include <limits>

#include "model/units.h"

namespace quandrel {
namespace {

float ToFloat(double value) {
    constexpr double kMax = std::numeric_limits<float>::max();
    if (std::isnan(value)) return std::numeric_limits<float>::quiet_NaN();
    return static_cast<float>(value < -kMax ? -kMax : value > kMax ? kMax : value);
}

}  // namespace

float ToMouseX(double pixels, double scale) {
    return ToFloat(pixels / scale * kTwipsPerPixel / kTwipsPerUnitX);
}

float ToMouseY(double pixels, double scale) {
    return ToFloat(pixels / scale * kTwipsPerPixel / kTwipsPerUnitY);
}

int KeyAscii(int typed, bool control) {
    if (control && ((typed >= 'a' && typed <= 'z') || (typed >= 'A' && typed <= 'Z'))) {
        return typed & 0x1F;
    }
    return typed >= 0 && typed < 0x8000 ? typed : -1;
}

}  // namespace quandrel
