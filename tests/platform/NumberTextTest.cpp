#include "platform/NumberText.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

namespace {

constexpr float kInf = std::numeric_limits<float>::infinity();

// Text, its float and its int. Decimal only: a valid prefix counts, leading blanks, control bytes and
// no-break spaces are skipped, no hex, no "inf" or "nan"; out of float's
// range a number is infinity or a zero of its sign, and ints clamp.
constexpr std::tuple<const char*, float, int> kRows[] = {
    {"  2.5xyz", 2.5f, 2}, {"-0.5", -0.5f, 0}, {"+3", 3, 3}, {".5", 0.5f, 0}, {"5.", 5, 5},
    {"1e3", 1000, 1}, {"1E3", 1000, 1}, {"1.5e-2x", 0.015f, 1}, {"1e", 1, 1}, {"1e+", 1, 1},
    {"2-3", 2, 2}, {"1..2", 1, 1}, {"007", 7, 7}, {"-12.9", -12.9f, -12}, {"1,5", 1, 1},
    {"inf", 0, 0}, {"nan", 0, 0}, {"0x10", 0, 0}, {"abc", 0, 0}, {"", 0, 0}, {"+-3", 0, 0},
    {"--3", 0, 0}, {"-", 0, 0}, {".", 0, 0}, {"e5", 0, 0}, {"-.e1", 0, 0},
    {" \t\n\x01" "7", 7, 7}, {"\xA0" "1.5", 1.5f, 1}, {"\xC2\xA0\xC2\xA0-2", -2, -2},
    {"\xC2" "2", 0, 0}, {"!2", 0, 0}, {"\x7F" "2", 0, 0},
    {"1e39", kInf, 1}, {"-1e39", -kInf, -1}, {"0.01e41", kInf, 0},
    {"1000000000000000000000000000000000000000", kInf, INT_MAX}, // 1e39 in digits
    {"3.4028235e38", std::numeric_limits<float>::max(), 3},
    {"100000e-50", std::numeric_limits<float>::denorm_min(), 100000},
    {"1e-50", 0, 1}, {"-1e-50", -0.0f, -1}, {"1e-99999999999999999999", 0, 1},
    {"2147483647", 2147483648.0f, INT_MAX}, {"99999999999", 1e11f, INT_MAX},
    {"-2147483648", -2147483648.0f, INT_MIN}, {"-99999999999", -1e11f, INT_MIN},
};

TEST(NumberText, ReadsTextAsThePlatformDoes) {
    for (const auto& [text, asFloat, asInt] : kRows) {
        EXPECT_EQ(floatValue(text), asFloat) << '"' << text << '"';
        EXPECT_EQ(std::signbit(floatValue(text)), std::signbit(asFloat)) << text;
        EXPECT_EQ(intValue(text), asInt) << '"' << text << '"';
    }
}

} // namespace
