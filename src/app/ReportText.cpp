#include "app/ReportText.h"

#include <charconv>

std::string number(double x, bool shortest) {
    char buffer[400];
    const auto result =
        shortest ? std::to_chars(buffer, buffer + sizeof buffer, x)
                 : std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::fixed, 6);
    std::string text(buffer, result.ptr);
    // A tiny negative number is no reason to show a sign.
    if (!shortest && text.find_first_not_of("-0.") == std::string::npos && text[0] == '-')
        text.erase(0, 1);
    return text;
}

std::string jsonString(const std::string& text) {
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') quoted += '\\';
        if (static_cast<unsigned char>(c) < 0x20) continue; // our texts hold no control characters
        quoted += c;
    }
    return quoted + '"';
}
