#include "platform/NumberText.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <system_error>

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isNumberChar(char c) {
    return isDigit(c) || c == '+' || c == '-' || c == '.' || c == 'e' || c == 'E';
}

// The leading run of number characters after the white space.
std::string_view numberRun(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte <= 0x20 || byte == 0xA0) {
            ++i;
        } else if (byte == 0xC2 && i + 1 < text.size() &&
                   static_cast<unsigned char>(text[i + 1]) == 0xA0) {
            i += 2;
        } else {
            break;
        }
    }
    std::size_t end = i;
    while (end < text.size() && isNumberChar(text[end]))
        ++end;
    return text.substr(i, end - i);
}

// from_chars takes no '+'; drop one, but keep "+-1" invalid as strtod has it.
std::string_view withoutPlus(std::string_view run) {
    if (!run.empty() && run.front() == '+') {
        run.remove_prefix(1);
        if (!run.empty() && (run.front() == '+' || run.front() == '-')) return {};
    }
    return run;
}

// Whether the unsigned decimal number (a valid from_chars match) is 1 or more.
// from_chars reports overflow and underflow alike; out of float's range the
// magnitude is far from 1, so this tells them apart.
bool atLeastOne(std::string_view number) {
    long long order = 0; // digits before the point, counted from the first non-zero one
    bool significant = false;
    std::size_t i = 0;
    for (; i < number.size() && isDigit(number[i]); ++i) {
        if (significant || number[i] != '0') {
            significant = true;
            ++order;
        }
    }
    if (i < number.size() && number[i] == '.') {
        for (++i; i < number.size() && isDigit(number[i]); ++i) {
            if (significant) continue;
            if (number[i] == '0')
                --order;
            else
                significant = true;
        }
    }
    long long exponent = 0;
    bool negativeExponent = false;
    if (i < number.size() && (number[i] == 'e' || number[i] == 'E')) {
        ++i;
        if (i < number.size() && (number[i] == '+' || number[i] == '-'))
            negativeExponent = number[i++] == '-';
        // Saturate: a billion is beyond any range already.
        for (; i < number.size() && isDigit(number[i]); ++i)
            exponent = std::min(exponent * 10 + (number[i] - '0'), 1'000'000'000LL);
    }
    return order + (negativeExponent ? -exponent : exponent) > 0;
}

} // namespace

float floatValue(std::string_view text) {
    const std::string_view run = withoutPlus(numberRun(text));
    float value = 0.0f;
    const auto [end, error] = std::from_chars(run.data(), run.data() + run.size(), value);
    if (error == std::errc::result_out_of_range) {
        const bool negative = run.front() == '-';
        const std::string_view number(run.data() + negative, end - run.data() - negative);
        value = atLeastOne(number) ? HUGE_VALF : 0.0f;
        return negative ? -value : value;
    }
    return error == std::errc() ? value : 0.0f;
}

int intValue(std::string_view text) {
    const std::string_view run = withoutPlus(numberRun(text));
    int value = 0;
    const auto error = std::from_chars(run.data(), run.data() + run.size(), value).ec;
    if (error == std::errc::result_out_of_range) return run.front() == '-' ? INT_MIN : INT_MAX;
    return error == std::errc() ? value : 0;
}

std::string formatFloat(float value) {
    // Enough for FLT_MAX's 39 digits, sign, point and six decimals.
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(value),
                                   std::chars_format::fixed, 6)
                         .ptr;
    return std::string(buffer, end);
}

std::string formatInt(int value) {
    char buffer[16];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return std::string(buffer, end);
}
