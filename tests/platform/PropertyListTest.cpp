#include "platform/PropertyList.h"

#include <gtest/gtest.h>

#include <algorithm>
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
    EXPECT_TRUE(result.value) << result.error.message << "\n in: " << text;
    return result.value.value_or(PlistValue{});
}

TEST(PropertyList, ReadsTheGrammarEscapesAndComments) {
    EXPECT_EQ(read("// head\r\n{ /* x\r\n y */ \"c d\"//c\r\n=/**/'e/f'; a\r=\rb ; k=1; k=2; }"),
              dict({{"a", str("b")}, {"c d", str("e/f")}, {"k", str("2")}}));
    EXPECT_EQ(read("{a=(x,(),{},<>,);b={c=<0fA1 22\n3b>;};}"),
              dict({{"a", array({str("x"), array({}), dict({}), data({})})},
                    {"b", dict({{"c", data({0x0f, 0xa1, 0x22, 0x3b})}})}}));
    EXPECT_EQ(read("( AZaz09_$/:.-, a//b, /c, \"/*\", '' )"),
              array({str("AZaz09_$/:.-"), str("a//b"), str("/c"), str("/*"), str("")}));
    EXPECT_EQ(read(R"("\a\b\f\n\r\t\v\"\\\'\q")"), str("\a\b\f\n\r\t\v\"\\'q"));
    EXPECT_EQ(read(R"("\101\0x\400\U0041B\U20AC\U41x")"), // \U takes four digits at most
              str(std::string("A\0x 0AB\xE2\x82\xAC" "Ax", 12)));
}

TEST(PropertyList, RefusesWithThePlaceAndWhatWasExpected) {
    // The text, the line and column of the refusal, what its message says.
    const std::tuple<std::string, int, int, const char*> refusals[] = {
        {"  // only\n /* comments */ ", 2, 17, "empty input"},
        {"{\n  a = b\n}", 3, 1, "expected ';'"},
        {"{\r\na = b;\r\rc d;\r\n}", 4, 3, "expected '='"}, // CR LF, LF and CR end lines
        {"{ a = b;\n", 2, 1, "missing '}' for the '{' at line 1"},
        {"<0g>", 1, 3, "expected hex digits or '>'"},
        {"{ (a) = b; }", 1, 3, "expected a key or '}'"},
        {"// \x80\n{}", 1, 4, "not 7-bit ASCII"},
        {"{a=b;}" + std::string(kPlistMaxSize - 5, '\n'), int(kPlistMaxSize) - 5, 1,
         "larger than 1 MiB"},
        {std::string(kPlistMaxDepth + 1, '(') + std::string(kPlistMaxDepth + 1, ')'), 1,
         kPlistMaxDepth + 1, "nesting deeper than 512 levels"},
    };
    for (const auto& [text, line, column, message] : refusals) {
        const PlistReadResult result = readPropertyList(text);
        EXPECT_FALSE(result.value) << text;
        EXPECT_EQ(result.error.line, line) << text;
        EXPECT_EQ(result.error.column, column) << text;
        EXPECT_NE(result.error.message.find(message), std::string::npos)
            << '"' << result.error.message << "\" lacks \"" << message << '"';
    }
    EXPECT_TRUE(readPropertyList("{a=b;}" + std::string(kPlistMaxSize - 6, '\n')).value);
}

TEST(PropertyList, WritesTheStandardFormThatReadsBack) {
    EXPECT_EQ(
        writePropertyList(dict({{"strain entry 1,1", str("1.000000")},
                                {"a", array({str("x"), dict({{"k", str("v")}})})},
                                {"d", data({0x0f, 0xa1})}})),
        "{\n    a = (x, {k = v;});\n    d = <0fa1>;\n    \"strain entry 1,1\" = \"1.000000\";\n}\n");
    EXPECT_EQ(writePropertyList(array({str(""), str("a_b"), str("q\"\\\t\x01\x7F\xFF")})),
              "(\n    \"\",\n    \"a_b\",\n    \"q\\\"\\\\\\t\\001\\177\\377\"\n)\n");

    std::string everyByte;
    for (int byte = 0; byte < 256; ++byte)
        everyByte += static_cast<char>(byte);
    const PlistValue value = dict({{everyByte, str(everyByte + "7")},
                                   {"", array({str(""), data({0, 255}), dict({})})}});
    const std::string written = writePropertyList(value);
    EXPECT_EQ(read(written), value);
    EXPECT_EQ(writePropertyList(read(written)), written);
}

// Every hostile file of the corpus (the fuzzer's seeds too) is read, or
// refused with a reason and a line inside it; no depth exhausts the stack.
TEST(PropertyList, ReadsOrRefusesEveryFileOfTheCorpus) {
    const std::set<std::string> readable = {"deep-nesting-512.plist", "huge-numbers.plist",
                                            "nan-inf.plist",          "crlf.plist",
                                            "top-level-array.plist",  "top-level-string.plist"};
    for (const auto& entry : std::filesystem::directory_iterator(QUORVEL_PLIST_CORPUS)) {
        std::ifstream in(entry.path(), std::ios::binary);
        const std::string text{std::istreambuf_iterator<char>(in), {}};
        const std::string name = entry.path().filename().string();
        const PlistReadResult result = readPropertyList(text);
        EXPECT_EQ(result.value.has_value(), readable.count(name) == 1) << name << ": " << result.error.message;
        if (!result.value) {
            EXPECT_FALSE(result.error.message.empty()) << name;
            EXPECT_GE(result.error.line, 1) << name;
            EXPECT_LE(result.error.line, std::count(text.begin(), text.end(), '\n') + 1) << name;
        }
    }
}

} // namespace
