// Document files: what is written, what reads back, and what a crafted,
// broken or unreadable file does to a document (nothing, and says why).
#include "../support/DistinctValues.h"
#include "document/MyDocument.h"

#include <gtest/gtest.h>

#include <clocale>
#include <filesystem>
#include <fstream>
#include <cstdio>
#include <regex>
#include <string>

namespace {

bool load(MyDocument& document, std::string_view text, std::string& error) {
    return document.loadDataRepresentation(text, MyDocument::kTypeName, error);
}

} // namespace

// Every stored field with a value of its own (numbers 0.625, 0.75, ..., every
// code 1) reads back into a document whose own settings (preserve volume on)
// must not change what the file says; the read is no edit, and a second save
// writes the same bytes.
TEST(MyDocument, EveryStoredFieldReadsBackAsItsOwnState) {
    MyDocument original, copy;
    std::string error;
    ASSERT_TRUE(load(original, distinctValues("1"), error)) << error;
    original.strainData().setStrain(9, 0.0000001f); // below the file's six decimals
    const std::string written = original.convertForStorage();
    EXPECT_NE(written.find("    Class = MyDocument;\n    Version = 1;\n"), std::string::npos) << written;
    EXPECT_NE(written.find("    \"strain entry 2,3\" = \"0.000000\";\n"), std::string::npos);

    copy.strainData().setPreserveVolume(1);
    copy.strainData().setConstraint(2);
    copy.undoManager().removeAllActions();
    ASSERT_TRUE(load(copy, written, error)) << error;
    EXPECT_EQ(stored(copy.strainData()), stored(original.strainData()));
    EXPECT_EQ(copy.convertForStorage(), written);
    copy.undoManager().closeEventGroup();
    EXPECT_FALSE(copy.undoManager().canUndo() || copy.isDocumentEdited());
}

// A matrix entry's key names its row and column: "… entry 3,1" is row 3,
// column 1, of the strain, the saved strain and the velocity gradient alike.
TEST(MyDocument, AMatrixKeyNamesItsRowAndColumn) {
    for (int r = 1; r <= 3; ++r)
        for (int c = 1; c <= 3; ++c) {
            const std::string at = std::to_string(r) + "," + std::to_string(c);
            MyDocument document;
            std::string error;
            ASSERT_TRUE(load(document,
                             "{\"strain entry " + at + "\" = 7; \"saved strain entry " + at +
                                 "\" = 6; \"velocity gradient entry " + at + "\" = 5;}",
                             error))
                << error;
            const StrainData& m = document.strainData();
            for (int i = 0; i < 3; ++i)
                for (int j = 0; j < 3; ++j) {
                    const float here = i == r - 1 && j == c - 1 ? 1 : 0;
                    EXPECT_EQ(m.strainEntry(MatrixIndex(i, j)), 7 * here) << at;
                    EXPECT_EQ(m.savedStrainEntry(MatrixIndex(i, j)), 6 * here) << at;
                    EXPECT_EQ(m.velocityGradient(MatrixIndex(i, j)), 5 * here) << at;
                }
        }
}

// What a file lacks reads as 0 (older files: no saved translation), what is
// out of range as a new document's code, a number beyond a float as 0; the
// rest of the file still applies.
TEST(MyDocument, MissingOutOfRangeAndHugeValuesReadAsTheirDefaults) {
    using Get = int (StrainData::*)() const;
    const std::tuple<const char*, Get, int> cases[] = {
        {"", &StrainData::showAxes, 0},
        {"", &StrainData::pointToSet, 0}, // no point is left waiting for a pick
        {"\"animation field\" = 2147483647;", &StrainData::animationField, 1},
        {"\"animation field\" = 9;", &StrainData::animationField, 1},
        {"\"show axes\" = 99999999999;", &StrainData::showAxes, 1},
        {"\"preserve volume\" = 3;", &StrainData::preserveVolume, 0},
        {"constraint = 3;", &StrainData::constraint, 2},
    };
    for (const auto& [entry, get, expected] : cases) {
        MyDocument document;
        document.strainData().setPointToSet(2);
        document.strainData().setSavedStrain(13, 4.0f);
        std::string error;
        const std::string text = std::string("{ Class = Other; ") + entry +
                                 " \"strain entry 1,1\" = 1e39; \"light z\" = nan; unknown = (1);"
                                 " \"translation y\" = 2.5; distance = \"7.5 metres\"; }";
        ASSERT_TRUE(load(document, text, error));
        const StrainData& m = document.strainData();
        EXPECT_EQ((m.*get)(), expected) << entry;
        EXPECT_EQ(std::tuple(m.strainEntry(0), m.light(2), m.translation(1), m.distance()),
                  std::tuple(0.0f, 0.0f, 2.5f, 7.5f));
        EXPECT_EQ(m.savedStrainMatrix()[13], 0.0f);
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
        document.strainData().setTranslucency(0.3f);
        document.undoManager().closeEventGroup();
        const std::string before = document.convertForStorage();
        std::string error;
        EXPECT_FALSE(load(document, text, error)) << text;
        EXPECT_FALSE(error.empty()) << text;
        EXPECT_EQ(document.convertForStorage(), before) << text;
        EXPECT_TRUE(document.isDocumentEdited() && document.undoManager().canUndo()) << text;
    }
}

// A file is read, or refused with the reason, the document as it was; no
// read leaves a file open.
TEST(MyDocument, FilesAreReadOrSayWhyAndLeaveNothingOpen) {
    const std::string good = testing::TempDir() + "good.quorvel", big = testing::TempDir() + "big.quorvel";
    std::ofstream(good) << distinctValues("0");
    std::ofstream(big) << std::string(kPlistMaxSize + 1, ' ');
    const std::pair<std::string, const char*> cases[] = {
        {good, ""}, {big, "too large"}, {testing::TempDir() + "missing.quorvel", "No such file"},
        {testing::TempDir(), "not a file"},
        {"/proc/self/mem", "Input/output error"}}; // its first read fails with EIO
    const auto openFiles = [] { return std::distance(std::filesystem::directory_iterator("/proc/self/fd"), {}); };
    const auto before = openFiles();
    MyDocument document;
    for (const auto& [path, reason] : cases) {
        std::string error;
        EXPECT_EQ(document.readFromFile(path, error), !*reason) << path;
        EXPECT_NE(error.find(reason), std::string::npos) << path << ": " << error;
    }
    EXPECT_EQ(openFiles(), before);
    EXPECT_EQ(document.fileName(), good);
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
