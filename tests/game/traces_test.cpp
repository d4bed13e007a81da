// Numbers as the panel shows them: plain decimal, fifteen significant digits.
#include "game/traces.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace quandrel {
namespace {

TEST(NumberText, WritesPlainDecimalWithFifteenSignificantDigits) {
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {0.0, "0"},
        {-0.0, "0"},
        {16711680.0, "16711680"},  // a colour: whole, no decimal point
        {-3.0, "-3"},
        {0.5, "0.5"},
        {-2.25, "-2.25"},
        {0.1, "0.1"},
        {1.0 / 3.0, "0.333333333333333"},
        {2.0 / 3.0, "0.666666666666667"},
        {123456.789, "123456.789"},
        {9.9999999999999999, "10"},
        {999999999999999.0, "999999999999999"},
        {1e15, "1000000000000000"},
        {12345678901234567890.0, "12345678901234600000"},
        {1e-20, "0"},
        {-1e-20, "0"},
        {0.000123, "0.000123"},
        {-0.0012345678901234567, "-0.00123456789012346"},
        {std::numeric_limits<double>::infinity(), "Inf"},
        {std::nan(""), "NaN"},
    };
    for (const auto& c : cases) EXPECT_EQ(NumberText(c.value), c.text) << c.value;
    EXPECT_EQ(NumberText(-32768), "-32768");
}

}  // namespace
}  // namespace quandrel
