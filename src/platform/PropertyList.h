// Reader and writer of the old-style (OpenStep) property-list text in which
// documents are stored.
//
// Strings hold bytes: an octal escape gives one byte, a \U escape the UTF-8
// form of its code unit. The text itself is 7-bit ASCII.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

struct PlistValue {
    using String = std::string;
    using Array = std::vector<PlistValue>;
    using Dictionary = std::map<std::string, PlistValue>;
    using Data = std::vector<std::uint8_t>;

    std::variant<String, Array, Dictionary, Data> value;

    // The value as that kind, or null when it is another.
    const String* string() const { return std::get_if<String>(&value); }
    const Array* array() const { return std::get_if<Array>(&value); }
    const Dictionary* dictionary() const { return std::get_if<Dictionary>(&value); }
    const Data* data() const { return std::get_if<Data>(&value); }

    bool operator==(const PlistValue&) const = default;
};

struct PlistError {
    int line = 0;   // from 1; a lone CR, LF and CR LF each end a line
    int column = 0; // from 1, in bytes
    std::string message;
};

struct PlistReadResult {
    std::optional<PlistValue> value; // empty when the text was refused
    PlistError error;                // why, when value is empty
};

// Nesting of dictionaries and arrays deeper than this is refused.
inline constexpr int kPlistMaxDepth = 512;
// Larger texts are refused; a document is a few kilobytes.
inline constexpr std::size_t kPlistMaxSize = 1024 * 1024;

// Reads one value, the whole of the text (comments and white space aside).
PlistReadResult readPropertyList(std::string_view text);

// The standard text form and a final newline. The outermost dictionary is "{",
// one "key = value;" per line indented by four spaces, keys in ascending
// order, "}"; an outermost array likewise with "(", "value," and ")". Nested
// dictionaries and arrays stay on one line. A string is quoted unless made
// only of ASCII letters and digits.
std::string writePropertyList(const PlistValue& value);
