// Numbers and strings as the command line's reports write them: never in the
// user's locale.
#pragma once

#include <string>

// Shortest text that reads back as the same double, or fixed with six
// decimals for the table.
std::string number(double x, bool shortest);
// A JSON string literal of text.
std::string jsonString(const std::string& text);
