#include "document/MyDocument.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <regex>
#include <string>

namespace {

// A file that gives every stored field a value of its own: numbers 0.5,
// 0.625, ... and every code 1 (preserve volume on, constraint 1).
std::string everyFieldText() {
    StrainData::StringDictionary fields;
    StrainData().convertToDictionary(fields);
    std::string text = "{";
    float number = 0.5f;
    for (const auto& [key, value] : fields)
        text += "\"" + key + "\" = " +
                (value.find('.') == std::string::npos ? std::string("1")
                                                      : std::to_string(number += 0.125f)) + ";";
    return text + "}";
}

void fillEveryField(MyDocument& document) {
    std::string error;
    ASSERT_TRUE(document.loadDataRepresentation(everyFieldText(), MyDocument::kTypeName, error))
        << error;
}

StrainData::StringDictionary stored(const MyDocument& document) {
    StrainData::StringDictionary d;
    document.strainData().convertToDictionary(d);
    return d;
}

bool load(MyDocument& document, std::string_view text, std::string& error) {
    return document.loadDataRepresentation(text, MyDocument::kTypeName, error);
}

// A document with an edit waiting to be saved.
void edit(MyDocument& document) {
    document.strainData().setTranslucency(0.3f);
    document.undoManager().closeEventGroup();
}

} // namespace

// Read into a document whose own settings (preserve volume on) must not
// change what the file says; the read is no edit.
TEST(MyDocument, WrittenDocumentReadsBackEveryStoredFieldAsItsOwnState) {
    MyDocument original;
    fillEveryField(original);
    original.strainData().setStrain(9, 0.0000001f); // below the file's six decimals
    const std::string text = original.convertForStorage();

    MyDocument copy;
    copy.strainData().setPreserveVolume(1);
    copy.strainData().setConstraint(2);
    copy.undoManager().removeAllActions();
    std::string error;
    ASSERT_TRUE(load(copy, text, error)) << error;
    EXPECT_EQ(stored(copy), stored(original));
    EXPECT_EQ(copy.strainData().strainEntry(0), original.strainData().strainEntry(0));
    EXPECT_EQ(copy.convertForStorage(), text) << "a second save writes the same bytes";
    copy.undoManager().closeEventGroup();
    EXPECT_FALSE(copy.undoManager().canUndo());
    EXPECT_FALSE(copy.isDocumentEdited());
}

TEST(MyDocument, ANewDocumentWritesClassVersionAndEveryEntryAsCText) {
    MyDocument document;
    document.strainData().setTranslation(0, -0.5f);
    document.strainData().setPoint2(2, -0.0000001f);
    const std::string text = document.convertForStorage();
    const auto parsed = readPropertyList(text);
    ASSERT_TRUE(parsed.value && parsed.value->dictionary());
    const auto& dictionary = *parsed.value->dictionary();
    EXPECT_EQ(dictionary.size(), 78u);
    const std::pair<const char*, const char*> entries[] = {
        {"Class", "MyDocument"}, {"Version", "1"}, {"translation x", "-0.500000"},
        {"point 2 z", "-0.000000"}, // and a new document's settings:
        {"strain entry 2,3 max", "1.000000"}, {"saved strain entry 3,4", "0.000000"},
        {"red", "0.800000"}, {"translucency", "0.800000"}, {"light z", "9.000000"},
        {"distance", "10.000000"}, {"animation field", "1"}, {"show axes", "1"},
        {"constraint", "2"}, {"preserve volume", "0"}, {"matrix acts on right", "0"}};
    for (const auto& [key, value] : entries)
        EXPECT_EQ(*dictionary.at(key).string(), value) << key;
    EXPECT_NE(text.find("    \"strain entry 1,1\" = \"1.000000\";\n"), std::string::npos) << text;
}

TEST(MyDocument, MissingKeysReadAsZeroAndOthersAreIgnored) {
    MyDocument document;
    document.strainData().setPointToSet(2);
    document.strainData().setSavedStrain(13, 4.0f);
    std::string error;
    ASSERT_TRUE(load(document,
                     "{ Class = SomethingElse; Version = 2; \"strain entry 1,1\" = 3; "
                     "unknown = (1, 2); \"distance\" = \"7.5 metres\"; }",
                     error))
        << error;
    const StrainData& m = document.strainData();
    EXPECT_EQ(std::tuple(m.showAxes(), m.showPrincipalAxes(), m.constraint(), m.pointToSet()),
              std::tuple(0, 0, 0, 0)) << "no point is left waiting for a pick";
    EXPECT_EQ(std::tuple(m.color(0), m.strainEntry(0), m.strainEntry(5), m.distance()),
              std::tuple(0.0f, 3.0f, 0.0f, 7.5f));
    EXPECT_EQ(m.savedStrainMatrix()[13], 0.0f) << "an older file's restarts hold no translation";
    EXPECT_EQ(m.strainEntry(15), 1.0f) << "what no file stores keeps its value";
}

// A crafted file: every integer code outside its range reads as a new
// document's code, a number beyond a float as 0, and the rest still applies.
TEST(MyDocument, CodesOutOfRangeReadAsANewDocumentsAndNumbersBeyondAFloatAsZero) {
    const std::tuple<const char*, int (StrainData::*)() const, int> cases[] = {
        {"\"animation field\" = 2147483647;", &StrainData::animationField, 1},
        {"\"animation field\" = 9;", &StrainData::animationField, 1},
        {"\"animation field\" = 12;", &StrainData::animationField, 12},
        {"\"matrix acts on right\" = 2;", &StrainData::actingOnRight, 0},
        {"\"perspective projection\" = -1;", &StrainData::projection, 0},
        {"\"show axes\" = 99999999999;", &StrainData::showAxes, 1},
        {"\"preserve volume\" = 3;", &StrainData::preserveVolume, 0},
        {"constraint = 3;", &StrainData::constraint, 2},
        {"\"show point 2\" = -1;", &StrainData::showPoint2, 0},
    };
    for (const auto& [entry, get, expected] : cases) {
        MyDocument document;
        std::string error;
        ASSERT_TRUE(load(document,
                         std::string("{ ") + entry +
                             " \"strain entry 1,1\" = 1e39; \"light z\" = nan;"
                             " \"translation y\" = 2.5; }",
                         error));
        const StrainData& m = document.strainData();
        EXPECT_EQ((m.*get)(), expected) << entry;
        EXPECT_EQ(std::tuple(m.strainEntry(0), m.light(2), m.translation(1)),
                  std::tuple(0.0f, 0.0f, 2.5f));
    }
}

TEST(MyDocument, RefusedTextLeavesEverythingAsItWas) {
    const std::string refused[] = {
        "",                                  // empty
        "( a, b )",                          // not a dictionary
        "{ red = 0.5; green = 0.5 }",        // missing ;
        "{ red = \xc3\xa9; }",               // not ASCII
        "{ red = (0.5); }",                  // a model value that is not text
        std::string("{ red = 0.5;\0 }", 15), // a NUL byte
    };
    for (const std::string& text : refused) {
        MyDocument document;
        edit(document);
        const std::string before = document.convertForStorage();
        std::string error;
        EXPECT_FALSE(load(document, text, error)) << text;
        EXPECT_FALSE(error.empty()) << text;
        EXPECT_EQ(document.convertForStorage(), before) << text;
        EXPECT_TRUE(document.isDocumentEdited() && document.undoManager().canUndo()) << text;
    }
    MyDocument document;
    std::string error;
    EXPECT_FALSE(load(document, "{\n  red = 1;\n  green 2;\n}", error));
    EXPECT_EQ(error.rfind("line 3, column", 0), 0u) << error;
    EXPECT_FALSE(document.dataRepresentationOfType("Text document"));
    EXPECT_FALSE(document.loadDataRepresentation("{}", "Text document", error));
}

class DocumentFiles : public ::testing::Test {
protected:
    std::filesystem::path dir = std::filesystem::temp_directory_path() /
                                ("quorvel-doc-" + std::to_string(::getpid()) + "-" +
                                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
    void SetUp() override { std::filesystem::create_directories(dir); }
    void TearDown() override { std::filesystem::remove_all(dir); }
    std::string write(const std::string& name, const std::string& bytes) {
        std::ofstream(dir / name, std::ios::binary) << bytes;
        return (dir / name).string();
    }
};

TEST_F(DocumentFiles, UnreadableFilesSayWhy) {
    const std::pair<std::string, const char*> cases[] = {
        {(dir / "missing.quorvel").string(), "No such file"},
        {dir.string(), "not a file"},
        {write("huge.quorvel", std::string(kPlistMaxSize + 1, ' ')), "too large"},
        {"/proc/self/mem", "Input/output error"}, // its first read fails with EIO
    };
    MyDocument document;
    for (const auto& [path, reason] : cases) {
        std::string error;
        EXPECT_FALSE(document.readFromFile(path, error));
        EXPECT_NE(error.find(reason), std::string::npos) << path << ": " << error;
    }
    EXPECT_TRUE(document.fileName().empty());
}

// A Qt application runs with the user's locale in the C library, where a
// decimal comma would break printf("%f") and strtod.
TEST(MyDocument, ADecimalCommaLocaleChangesNeitherWritingNorReading) {
    const std::string before = std::setlocale(LC_ALL, nullptr);
    setenv("LOCPATH", QUORVEL_TEST_LOCPATH, 1); // where the build made the locale
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr)
        << "the test locale de_DE.UTF-8 is missing; tests make it with localedef";
    char probe[16];
    std::snprintf(probe, sizeof probe, "%.1f", 0.5);
    MyDocument original, copy;
    original.strainData().setTranslation(0, -0.5f);
    const std::string text = original.convertForStorage();
    std::string error;
    const bool read = load(copy, text, error);
    std::setlocale(LC_ALL, before.c_str());

    EXPECT_STREQ(probe, "0,5") << "the locale really writes a decimal comma";
    EXPECT_NE(text.find("\"translation x\" = \"-0.500000\";"), std::string::npos);
    EXPECT_FALSE(std::regex_search(text, std::regex("= [^;\n]*,"))) << "no value has a comma";
    ASSERT_TRUE(read) << error;
    EXPECT_EQ(copy.strainData().translation(0), -0.5f);
}
