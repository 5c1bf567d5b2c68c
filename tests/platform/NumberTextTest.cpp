#include "platform/NumberText.h"

#include <gtest/gtest.h>

#include <climits>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <limits>
#include <locale>
#include <span>
#include <sstream>
#include <string>

namespace {

constexpr float kInf = std::numeric_limits<float>::infinity();

struct Row {
    const char* text;
    float asFloat;
    int asInt;
};

// The table of the platform's text-to-number rules, row by row.
constexpr Row kTable[] = {
    {"  2.5xyz", 2.5f, 2},
    {"-0.5", -0.5f, 0},
    {"+3", 3.0f, 3},
    {".5", 0.5f, 0},
    {"5.", 5.0f, 5},
    {"1e3", 1000.0f, 1},
    {"1e39", kInf, 1},
    {"inf", 0.0f, 0},
    {"nan", 0.0f, 0},
    {"infinity", 0.0f, 0},
    {"0x10", 0.0f, 0},
    {"abc", 0.0f, 0},
    {"", 0.0f, 0},
    {" \t\n7", 7.0f, 7},
    {"1,5", 1.0f, 1},
    {"99999999999", 1e11f, INT_MAX},
    {"-99999999999", -1e11f, INT_MIN},
};

// Only a valid prefix of the number characters counts; out of float's range
// a number becomes infinity or a zero of its sign, and ints clamp.
constexpr Row kEdges[] = {
    {"1e", 1, 1}, {"1e+", 1, 1}, {"1.5e-2x", 0.015f, 1}, {"2-3", 2, 2}, {"1..2", 1, 1},
    {"007", 7, 7}, {"-12.9", -12.9f, -12}, {"+-3", 0, 0}, {"-+3", 0, 0}, {"--3", 0, 0},
    {"++3", 0, 0}, {"+", 0, 0}, {"-", 0, 0}, {".", 0, 0}, {"e5", 0, 0}, {"-.e1", 0, 0},
    {"-1e39", -kInf, -1}, {"340282356779733661637539395458142568448", kInf, INT_MAX},
    {"3.4028235e38", std::numeric_limits<float>::max(), 3}, {"1000e36", kInf, 1000},
    {"0.01e41", kInf, 0}, {"1e99999999999999999999", kInf, 1},
    {"100000e-50", std::numeric_limits<float>::denorm_min(), 100000}, // the smallest subnormal
    {"1e-50", 0.0f, 1}, {"0.001e-44", 0.0f, 0}, {"1e-99999999999999999999", 0.0f, 1},
    {"-1e-50", -0.0f, -1}, {"2147483647", 2147483648.0f, INT_MAX},
    {"+2147483648", 2147483648.0f, INT_MAX}, {"-2147483648", -2147483648.0f, INT_MIN},
    {"-2147483649", -2147483648.0f, INT_MIN},
};

TEST(NumberText, ReadsEveryRowOfTheTableAndTheEdgesOfTheRules) {
    for (const auto& rows : {std::span<const Row>(kTable), std::span<const Row>(kEdges)}) {
        for (const Row& row : rows) {
            EXPECT_EQ(floatValue(row.text), row.asFloat) << '"' << row.text << '"';
            EXPECT_EQ(std::signbit(floatValue(row.text)), std::signbit(row.asFloat)) << row.text;
            EXPECT_EQ(intValue(row.text), row.asInt) << '"' << row.text << '"';
        }
    }
}

TEST(NumberText, SkipsControlBytesBlanksAndNoBreakSpacesOnly) {
    for (int byte = 0; byte <= 0x20; ++byte)
        EXPECT_EQ(intValue(std::string(1, static_cast<char>(byte)) + "42"), 42) << byte;
    EXPECT_EQ(floatValue("\xA0" "1.5"), 1.5f);
    EXPECT_EQ(floatValue("\xC2\xA0\xC2\xA0-2"), -2.0f);
    EXPECT_EQ(intValue("\xC2" "2"), 0); // half a no-break space is text
    EXPECT_EQ(intValue("!2"), 0);
    EXPECT_EQ(intValue("\x7F" "2"), 0);
}

TEST(NumberText, FormatsAsPercentFAndPercentD) {
    EXPECT_EQ(formatFloat(1.0f), "1.000000");
    EXPECT_EQ(formatFloat(-0.5f), "-0.500000");
    EXPECT_EQ(formatFloat(-1e-7f), "-0.000000");
    EXPECT_EQ(formatFloat(1e-7f), "0.000000");
    EXPECT_EQ(formatFloat(6e-7f), "0.000001");
    // The float widened to double, not the decimal that was typed.
    EXPECT_EQ(formatFloat(123456.789f), "123456.789062");
    EXPECT_EQ(formatFloat(std::numeric_limits<float>::max()),
              "340282346638528859811704183484516925440.000000");
    EXPECT_EQ(formatInt(0), "0");
    EXPECT_EQ(formatInt(-7), "-7");
    EXPECT_EQ(formatInt(INT_MIN), "-2147483648");
}

// What the user's locale must not change.
void expectLocaleIndependent() {
    EXPECT_EQ(formatFloat(-1.5f), "-1.500000");
    EXPECT_EQ(floatValue("1.5"), 1.5f);
    EXPECT_EQ(floatValue("1,5"), 1.0f);
    EXPECT_EQ(intValue("1,5"), 1);
}

TEST(NumberText, IgnoresACommaLocaleOfTheCLibrary) {
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    const char* found = nullptr;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "nl_NL.UTF-8", "de_DE"}) {
        if ((found = std::setlocale(LC_ALL, name))) break;
    }
    if (!found) GTEST_SKIP() << "no C library locale with a decimal comma is installed";
    char printed[32];
    std::snprintf(printed, sizeof printed, "%f", 1.5);
    EXPECT_STREQ(printed, "1,500000") << "the locale " << found << " is not in effect";
    expectLocaleIndependent();
    std::setlocale(LC_ALL, saved.c_str());
}

struct CommaPunct : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
};

TEST(NumberText, IgnoresACommaGlobalCxxLocale) {
    const std::locale saved =
        std::locale::global(std::locale(std::locale::classic(), new CommaPunct));
    std::ostringstream stream;
    stream << 1.5;
    EXPECT_EQ(stream.str(), "1,5");
    expectLocaleIndependent();
    std::locale::global(saved);
}

} // namespace
