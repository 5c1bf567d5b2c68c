// Conversions between numbers and the text of document files.
//
// Always the C locale: a Qt application switches the C library to the user's
// locale, where strtod and printf would read and write a decimal comma.
#pragma once

#include <string>
#include <string_view>

// Skips leading white space (every byte up to 0x20 and the no-break space,
// byte 0xA0 or its UTF-8 form C2 A0), takes the longest run of the characters
// 0-9 + - . e E and converts its longest valid decimal prefix. Text that does
// not start with a number gives 0; no hex, "inf" or "nan". Beyond the range of
// float the result is +-infinity, below it a zero of the number's sign.
float floatValue(std::string_view text);

// As floatValue, but takes a decimal integer and clamps it to the range of int.
int intValue(std::string_view text);

// printf("%f") of the value widened to double: six decimals after a period,
// "-0.000000" for a negative value that rounds to zero.
std::string formatFloat(float value);

// printf("%d").
std::string formatInt(int value);
