#include "platform/PropertyList.h"
#include "platform/NumberText.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

// Failures show values in the text form.
void PrintTo(const PlistValue& value, std::ostream* out) { *out << writePropertyList(value); }

namespace {

PlistValue str(std::string s) { return {std::move(s)}; }
PlistValue dict(PlistValue::Dictionary d) { return {std::move(d)}; }
PlistValue array(PlistValue::Array a) { return {std::move(a)}; }
PlistValue data(PlistValue::Data d) { return {std::move(d)}; }

PlistValue read(std::string_view text) {
    PlistReadResult result = readPropertyList(text);
    EXPECT_TRUE(result.value) << result.error.line << ':' << result.error.column << ' '
                              << result.error.message << "\n in: " << text;
    return result.value.value_or(PlistValue{});
}

void expectRefused(std::string_view text, int line, int column, const std::string& message) {
    const PlistReadResult result = readPropertyList(text);
    ASSERT_FALSE(result.value) << text;
    EXPECT_EQ(result.error.line, line) << text;
    EXPECT_EQ(result.error.column, column) << text;
    EXPECT_NE(result.error.message.find(message), std::string::npos)
        << '"' << result.error.message << "\" lacks \"" << message << "\" for " << text;
}

TEST(PropertyList, ReadsTheGrammar) {
    EXPECT_EQ(read("{ Class = MyDocument; \"strain entry 1,1\" = '1.000000'; }"),
              dict({{"Class", str("MyDocument")}, {"strain entry 1,1", str("1.000000")}}));
    EXPECT_EQ(read("{a=(x,(),{},<>,);b={c=<0fA1 22\n3b>;};}"),
              dict({{"a", array({str("x"), array({}), dict({}), data({})})},
                    {"b", dict({{"c", data({0x0f, 0xa1, 0x22, 0x3b})}})}}));
    EXPECT_EQ(read("AZaz09_$/:.-"), str("AZaz09_$/:.-"));
    EXPECT_EQ(read("( \"a b\", c )"), array({str("a b"), str("c")}));
    EXPECT_EQ(read("''"), str(""));
    EXPECT_EQ(read("{ k = 1; k = 2; }"), dict({{"k", str("2")}}));
    // Comments and line ends are white space.
    const PlistValue plain = read("{\n    a = b;\n    \"c d\" = \"e/f\";\n}\n");
    EXPECT_EQ(read("// head\r\n{ /* x\r\n y */ \"c d\"//c\r\n=/**/'e/f'; a\r=\rb ; } // tail"),
              plain);
    EXPECT_EQ(read("( a//b, /c, \"/*\" )"), array({str("a//b"), str("/c"), str("/*")}));
}

TEST(PropertyList, ReadsEscapes) {
    EXPECT_EQ(read(R"("\a\b\f\n\r\t\v\"\\\'")"), str("\a\b\f\n\r\t\v\"\\'"));
    EXPECT_EQ(read(R"('it\'s "so"')"), str("it's \"so\""));
    EXPECT_EQ(read(R"("\101\0x\78\377")"), str(std::string("A\0x\a8\xFF", 6)));
    EXPECT_EQ(read(R"("\400\777")"), str(" 0?7")); // an octal escape stops before it exceeds a byte
    EXPECT_EQ(read(R"("\U0041\U00e9\U20AC\U41x\Uq")"),
              str(std::string("A\xC3\xA9\xE2\x82\xAC" "Ax\0q", 10)));
    EXPECT_EQ(read("\"\\q\\\n\""), str("q\n"));
}

TEST(PropertyList, RefusesWithThePlaceAndWhatWasExpected) {
    expectRefused("", 1, 1, "empty input");
    expectRefused("  // only\n /* comments */ ", 2, 17, "empty input");
    expectRefused("{\n  a = \"abc;\n}\n", 2, 7, "unterminated quoted string");
    expectRefused("{\n  a = b; /* open\n", 2, 10, "unterminated comment");
    expectRefused("{\n  a = b\n}", 3, 1, "expected ';'");
    expectRefused("{\n  a b;\n}", 2, 5, "expected '='");
    expectRefused("{ a = b;\n", 2, 1, "missing '}' for the '{' at line 1");
    expectRefused("\n(a, b", 2, 6, "missing ')' for the '(' at line 2");
    expectRefused("<0f", 1, 4, "missing '>'");
    expectRefused("<0fa>", 1, 4, "odd number of hex digits");
    expectRefused("<0f a 1b>", 1, 5, "odd number of hex digits");
    expectRefused("<0g>", 1, 3, "expected hex digits or '>'");
    expectRefused("{a=b;} x", 1, 8, "text after the top-level object");
    expectRefused("{a=b;}{}", 1, 7, "text after the top-level object");
    expectRefused("{ (a) = b; }", 1, 3, "expected a key or '}'");
    expectRefused("{ a = b; ) }", 1, 10, "expected a key or '}'");
    expectRefused("{ a = ; }", 1, 7, "expected a value");
    expectRefused("{ a = ", 1, 7, "expected a value");
    expectRefused("( , )", 1, 3, "expected a value");
    expectRefused("(a b)", 1, 4, "expected ',' or ')'");
    expectRefused("{ a = \"x\" 'y'; }", 1, 11, "expected ';'");
    expectRefused("\x01", 1, 1, "expected a value");
    // Line numbers count CR LF, LF and a lone CR alike.
    expectRefused("{\r\na = b;\r\rc d;\r\n}", 4, 3, "expected '='");
    // Non-ASCII bytes anywhere.
    expectRefused("{\n  a = \"caf\xC3\xA9\";\n}", 2, 11, "not 7-bit ASCII");
    expectRefused("// \x80\n{}", 1, 4, "not 7-bit ASCII");
    expectRefused("{} \xFF", 1, 4, "not 7-bit ASCII");
}

TEST(PropertyList, BoundsNestingAndSize) {
    const auto nested = [](int n) { return std::string(n, '(') + std::string(n, ')'); };
    EXPECT_TRUE(readPropertyList(nested(kPlistMaxDepth)).value);
    expectRefused(nested(kPlistMaxDepth + 1), 1, kPlistMaxDepth + 1, "nesting deeper than 512");
    expectRefused(std::string(kPlistMaxDepth, '(') + "{a=b;}", 1, kPlistMaxDepth + 1,
                  "nesting deeper than 512");

    std::string big = "{a=b;}" + std::string(kPlistMaxSize - 6, '\n');
    EXPECT_TRUE(readPropertyList(big).value);
    big += ' ';
    expectRefused(big, static_cast<int>(kPlistMaxSize) - 5, 1, "larger than 1 MiB");
}

TEST(PropertyList, WritesTheStandardFormAndReadsItBack) {
    EXPECT_EQ(writePropertyList(
                  dict({{"strain entry 1,1", str("1.000000")}, {"Class", str("MyDocument")}})),
              "{\n    Class = MyDocument;\n    \"strain entry 1,1\" = \"1.000000\";\n}\n");
    EXPECT_EQ(writePropertyList(dict({})), "{\n}\n");
    EXPECT_EQ(
        writePropertyList(dict({{"a", array({str("x"), dict({{"k", str("v")}, {"l", str("w")}})})},
                                {"d", data({0x0f, 0xa1})}})),
        "{\n    a = (x, {k = v; l = w;});\n    d = <0fa1>;\n}\n");
    EXPECT_EQ(writePropertyList(array({str("x"), array({})})), "(\n    x,\n    ()\n)\n");
    const std::pair<const char*, const char*> strings[] = {
        {"abc123", "abc123"},       {"", "\"\""},
        {"a_b", "\"a_b\""},         {"-0.5", "\"-0.5\""},
        {"q\"\\", "\"q\\\"\\\\\""}, {"\t\n\x01\x7F\xFF", "\"\\t\\n\\001\\177\\377\""},
    };
    for (const auto& [value, written] : strings)
        EXPECT_EQ(writePropertyList(str(value)), std::string(written) + "\n") << value;

    // What it writes reads back.
    std::string everyByte;
    for (int byte = 0; byte < 256; ++byte)
        everyByte += static_cast<char>(byte);
    const PlistValue value = dict({{everyByte, str(everyByte + "7")},
                                   {"", array({str(""), data({0, 255}), dict({})})},
                                   {"strain entry 1,1", str("-0.000000")}});
    const std::string written = writePropertyList(value);
    EXPECT_EQ(read(written), value);
    EXPECT_EQ(writePropertyList(read(written)), written);
}

enum class Outcome { Dictionary, Array, String, Refused };

struct CorpusCase {
    const char* file;
    Outcome outcome;
    int line = 0;
    int column = 0;
    const char* message = "";
};

// Every file of the corpus, with what reading it must give.
const CorpusCase kCorpus[] = {
    {"empty.plist", Outcome::Refused, 1, 1, "empty input"},
    {"binary.bin", Outcome::Refused, 1, 5, "not 7-bit ASCII"},
    {"utf8-value.plist", Outcome::Refused, 2, 16, "not 7-bit ASCII"},
    {"utf8-bom.plist", Outcome::Refused, 1, 1, "not 7-bit ASCII"},
    {"unterminated-string.plist", Outcome::Refused, 3, 9, "unterminated quoted string"},
    {"unterminated-comment.plist", Outcome::Refused, 2, 12, "unterminated comment"},
    {"deep-nesting-10000.plist", Outcome::Refused, 1, 513, "nesting deeper than 512"},
    {"deep-nesting-512.plist", Outcome::Dictionary},
    {"huge-numbers.plist", Outcome::Dictionary},
    {"nan-inf.plist", Outcome::Dictionary},
    {"top-level-array.plist", Outcome::Array},
    {"top-level-string.plist", Outcome::String},
    {"crlf.plist", Outcome::Dictionary},
    {"crlf-missing-semicolon.plist", Outcome::Refused, 4, 1, "expected ';'"},
    {"text-after-top-level.plist", Outcome::Refused, 4, 1, "text after the top-level object"},
    {"odd-hex-digits.plist", Outcome::Refused, 2, 18, "odd number of hex digits"},
    {"nul-bytes.plist", Outcome::Refused, 4, 1, "text after the top-level object"},
};

std::string fileText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST(PropertyList, ReplaysTheCorpus) {
    const std::filesystem::path corpus = QUORVEL_PLIST_CORPUS;
    std::set<std::string> listed;
    for (const CorpusCase& c : kCorpus) {
        listed.insert(c.file);
        SCOPED_TRACE(c.file);
        const std::string text = fileText(corpus / c.file);
        if (c.outcome == Outcome::Refused) {
            expectRefused(text, c.line, c.column, c.message);
            continue;
        }
        const PlistReadResult result = readPropertyList(text);
        ASSERT_TRUE(result.value) << result.error.message;
        EXPECT_EQ(result.value->dictionary() != nullptr, c.outcome == Outcome::Dictionary);
        EXPECT_EQ(result.value->array() != nullptr, c.outcome == Outcome::Array);
        EXPECT_EQ(result.value->string() != nullptr, c.outcome == Outcome::String);
    }
    std::set<std::string> present;
    for (const auto& entry : std::filesystem::directory_iterator(corpus))
        present.insert(entry.path().filename().string());
    EXPECT_EQ(present, listed) << "every corpus file needs its expected outcome here";

    // The values that are no numbers to the platform read as it reads them.
    const PlistValue huge = read(fileText(corpus / "huge-numbers.plist"));
    EXPECT_EQ(floatValue(*huge.dictionary()->at("big").string()), HUGE_VALF);
    EXPECT_EQ(intValue(*huge.dictionary()->at("wide").string()), INT_MAX);
    const PlistValue nan = read(fileText(corpus / "nan-inf.plist"));
    for (const auto& [key, value] : *nan.dictionary())
        EXPECT_EQ(floatValue(*value.string()), 0.0f) << key;
}

} // namespace
