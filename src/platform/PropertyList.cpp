#include "platform/PropertyList.h"

#include <algorithm>
#include <utility>

namespace {

// Own character classes: those of <cctype> follow the process locale.
bool isLetterOrDigit(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

bool isBareChar(char c) {
    return isLetterOrDigit(c) || c == '_' || c == '$' || c == '/' || c == ':' || c == '.' ||
           c == '-';
}

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

bool isOctalDigit(char c) {
    return c >= '0' && c <= '7';
}

int hexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// The escapes written as a letter: \a stands for the bell, and so on.
constexpr std::pair<char, char> kNamedEscapes[] = {
    {'a', '\a'}, {'b', '\b'}, {'f', '\f'}, {'n', '\n'}, {'r', '\r'}, {'t', '\t'}, {'v', '\v'}};

// The character that \letter stands for, or null.
const char* namedEscape(char letter) {
    for (const auto& escape : kNamedEscapes)
        if (escape.first == letter) return &escape.second;
    return nullptr;
}

// The letter of the escape that stands for c, or null.
const char* escapeLetter(char c) {
    for (const auto& escape : kNamedEscapes)
        if (escape.second == c) return &escape.first;
    return nullptr;
}

void appendUtf8(std::string& out, unsigned code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// A recursive-descent reader. Every parse function returns false after
// recording the first error; the caller then stops at once.
class Reader {
  public:
    explicit Reader(std::string_view text) : text_(text) {}

    PlistReadResult read() {
        if (text_.size() > kPlistMaxSize) return failure(kPlistMaxSize, "text larger than 1 MiB");
        const auto nonAscii = std::find_if(text_.begin(), text_.end(), [](char c) {
            return static_cast<unsigned char>(c) >= 0x80;
        });
        if (nonAscii != text_.end())
            return failure(static_cast<std::size_t>(nonAscii - text_.begin()),
                           "byte that is not 7-bit ASCII");

        if (!skipSpace()) return {std::nullopt, error_};
        if (atEnd()) return failure(pos_, "empty input");
        PlistValue value;
        if (!parseValue(value, 0) || !skipSpace()) return {std::nullopt, error_};
        if (!atEnd()) return failure(pos_, "text after the top-level object");
        return {std::move(value), {}};
    }

  private:
    PlistReadResult failure(std::size_t offset, const char* message) {
        fail(offset, message);
        return {std::nullopt, error_};
    }

    bool fail(std::size_t offset, std::string message) {
        const auto [line, column] = positionOf(offset);
        error_ = {line, column, std::move(message)};
        return false;
    }

    std::pair<int, int> positionOf(std::size_t offset) const {
        int line = 1;
        int column = 1;
        for (std::size_t i = 0; i < offset; ++i) {
            const char c = text_[i];
            if (c == '\n' || (c == '\r' && (i + 1 == text_.size() || text_[i + 1] != '\n'))) {
                ++line;
                column = 1;
            } else if (c != '\r') {
                ++column;
            }
        }
        return {line, column};
    }

    bool atEnd() const { return pos_ >= text_.size(); }
    char peek() const { return text_[pos_]; }
    bool lookingAt(std::string_view s) const { return text_.substr(pos_, s.size()) == s; }

    // White space and comments.
    bool skipSpace() {
        while (!atEnd()) {
            if (isSpace(peek())) {
                ++pos_;
            } else if (lookingAt("//")) {
                while (!atEnd() && peek() != '\n' && peek() != '\r')
                    ++pos_;
            } else if (lookingAt("/*")) {
                const std::size_t close = text_.find("*/", pos_ + 2);
                if (close == std::string_view::npos) return fail(pos_, "unterminated comment");
                pos_ = close + 2;
            } else {
                break;
            }
        }
        return true;
    }

    bool failMissing(char closer, std::size_t open) {
        return fail(pos_, std::string("missing '") + closer + "' for the '" + text_[open] +
                              "' at line " + std::to_string(positionOf(open).first));
    }

    // depth: how many dictionaries and arrays enclose the value.
    bool parseValue(PlistValue& out, int depth) {
        if (!skipSpace()) return false;
        if (atEnd()) return fail(pos_, "expected a value");
        const char c = peek();
        if ((c == '{' || c == '(') && depth >= kPlistMaxDepth)
            return fail(pos_, "nesting deeper than 512 levels");
        if (c == '{') return parseDictionary(out, depth + 1);
        if (c == '(') return parseArray(out, depth + 1);
        if (c == '<') return parseData(out);
        std::string string;
        if (!parseString(string, "expected a value")) return false;
        out.value = std::move(string);
        return true;
    }

    bool parseDictionary(PlistValue& out, int depth) {
        const std::size_t open = pos_++;
        PlistValue::Dictionary dictionary;
        for (;;) {
            if (!skipSpace()) return false;
            if (atEnd()) return failMissing('}', open);
            if (peek() == '}') break;
            std::string key;
            if (!parseString(key, "expected a key or '}'") || !skipSpace()) return false;
            if (atEnd() || peek() != '=') return fail(pos_, "expected '=' after the key");
            ++pos_;
            PlistValue value;
            if (!parseValue(value, depth) || !skipSpace()) return false;
            if (atEnd() || peek() != ';') return fail(pos_, "expected ';' after the value");
            ++pos_;
            // A duplicate key: the last value wins.
            dictionary.insert_or_assign(std::move(key), std::move(value));
        }
        ++pos_;
        out.value = std::move(dictionary);
        return true;
    }

    bool parseArray(PlistValue& out, int depth) {
        const std::size_t open = pos_++;
        PlistValue::Array array;
        for (;;) {
            if (!skipSpace()) return false;
            if (atEnd()) return failMissing(')', open);
            if (peek() == ')') break; // also after a trailing comma
            PlistValue element;
            if (!parseValue(element, depth) || !skipSpace()) return false;
            array.push_back(std::move(element));
            if (atEnd()) return failMissing(')', open);
            if (peek() == ')') break;
            if (peek() != ',') return fail(pos_, "expected ',' or ')'");
            ++pos_;
        }
        ++pos_;
        out.value = std::move(array);
        return true;
    }

    // Hex pairs; white space may stand between pairs, not inside one.
    bool parseData(PlistValue& out) {
        const std::size_t open = pos_++;
        PlistValue::Data data;
        for (;;) {
            while (!atEnd() && isSpace(peek()))
                ++pos_;
            if (atEnd()) return failMissing('>', open);
            if (peek() == '>') break;
            const int high = hexDigitValue(peek());
            if (high < 0) return fail(pos_, "expected hex digits or '>'");
            const int low = pos_ + 1 < text_.size() ? hexDigitValue(text_[pos_ + 1]) : -1;
            if (low < 0) {
                const bool groupEnds =
                    pos_ + 1 == text_.size() || text_[pos_ + 1] == '>' || isSpace(text_[pos_ + 1]);
                return groupEnds ? fail(pos_, "odd number of hex digits")
                                 : fail(pos_ + 1, "expected hex digits or '>'");
            }
            data.push_back(static_cast<std::uint8_t>(high * 16 + low));
            pos_ += 2;
        }
        ++pos_;
        out.value = std::move(data);
        return true;
    }

    // A quoted or bare string; whatExpected is the error when there is neither.
    bool parseString(std::string& out, const char* whatExpected) {
        const char c = peek();
        if (c == '"' || c == '\'') return parseQuoted(out);
        if (!isBareChar(c)) return fail(pos_, whatExpected);
        const std::size_t start = pos_;
        while (!atEnd() && isBareChar(peek()))
            ++pos_;
        out.assign(text_.substr(start, pos_ - start));
        return true;
    }

    bool parseQuoted(std::string& out) {
        const std::size_t open = pos_;
        const char quote = text_[pos_++];
        for (;;) {
            if (atEnd()) return fail(open, "unterminated quoted string");
            const char c = text_[pos_++];
            if (c == quote) return true;
            if (c != '\\') {
                out += c;
                continue;
            }
            if (atEnd()) return fail(open, "unterminated quoted string");
            const char escaped = text_[pos_++];
            if (const char* named = namedEscape(escaped)) {
                out += *named;
                continue;
            }
            if (escaped == 'U') {
                unsigned code = 0;
                for (int digits = 0; digits < 4 && !atEnd() && hexDigitValue(peek()) >= 0; ++digits)
                    code = code * 16 + hexDigitValue(text_[pos_++]);
                appendUtf8(out, code);
            } else if (isOctalDigit(escaped)) {
                // Up to three octal digits, as long as the value fits a byte.
                unsigned code = escaped - '0';
                for (int digits = 1; digits < 3 && !atEnd() && isOctalDigit(peek()); ++digits) {
                    const unsigned next = code * 8 + (peek() - '0');
                    if (next > 0xFF) break;
                    code = next;
                    ++pos_;
                }
                out += static_cast<char>(code);
            } else {
                out += escaped; // \" \\ \' and any other character stand for themselves
            }
        }
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    PlistError error_;
};

void writeString(std::string& out, const std::string& string) {
    if (!string.empty() && std::all_of(string.begin(), string.end(), isLetterOrDigit)) {
        out += string;
        return;
    }
    out += '"';
    for (const char c : string) {
        if (c == '\\' || c == '"') {
            out += '\\';
            out += c;
            continue;
        }
        if (const char* letter = escapeLetter(c)) {
            out += '\\';
            out += *letter;
            continue;
        }
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F) {
            out += c;
        } else {
            // Three digits always, so that a digit after it is not taken in.
            out += '\\';
            out += static_cast<char>('0' + (byte >> 6));
            out += static_cast<char>('0' + ((byte >> 3) & 7));
            out += static_cast<char>('0' + (byte & 7));
        }
    }
    out += '"';
}

// Only the outermost dictionary or array takes one line per entry; nested ones
// stay on one line, so that the text grows in proportion to the value however
// deep it nests.
void writeValue(std::string& out, const PlistValue& value, bool outermost) {
    const char* const separator = outermost ? "\n    " : " ";
    if (const auto* string = value.string()) {
        writeString(out, *string);
    } else if (const auto* dictionary = value.dictionary()) {
        out += '{';
        bool first = true;
        for (const auto& [key, entry] : *dictionary) {
            if (outermost || !first) out += separator;
            first = false;
            writeString(out, key);
            out += " = ";
            writeValue(out, entry, false);
            out += ';';
        }
        if (outermost) out += '\n';
        out += '}';
    } else if (const auto* array = value.array()) {
        out += '(';
        for (std::size_t i = 0; i < array->size(); ++i) {
            if (i > 0) out += ',';
            if (outermost || i > 0) out += separator;
            writeValue(out, (*array)[i], false);
        }
        if (outermost && !array->empty()) out += '\n';
        out += ')';
    } else if (const auto* data = value.data()) {
        static constexpr char kHex[] = "0123456789abcdef";
        out += '<';
        for (const std::uint8_t byte : *data) {
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
        }
        out += '>';
    }
}

} // namespace

PlistReadResult readPropertyList(std::string_view text) {
    return Reader(text).read();
}

std::string writePropertyList(const PlistValue& value) {
    std::string out;
    writeValue(out, value, true);
    out += '\n';
    return out;
}
