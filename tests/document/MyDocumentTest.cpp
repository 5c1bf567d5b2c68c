#include "document/MyDocument.h"
#include "platform/NumberText.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <regex>
#include <string>

namespace {

std::string replaceAll(std::string text, const std::string& from, const std::string& to) {
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

// Gives every stored field a value of its own, none of them a default.
void fillEveryField(StrainData& m) {
    m.setRed(0.1f, 0.25f, 0.5f);
    m.setTranslucency(0.625f);
    m.setAnimationField(11);
    const int block[9] = {0, 1, 2, 4, 5, 6, 8, 9, 10};
    for (int k = 0; k < 9; ++k) {
        m.setStrain(block[k], 1.5f + 0.125f * k);
        m.setStrainMin(block[k], -0.25f * k);
        m.setStrainMax(block[k], 2.0f + k);
        m.setSavedStrain(block[k], 0.75f - 0.5f * k);
    }
    for (int i = 0; i < 3; ++i) {
        m.setTranslation(i, -0.5f + i);
        m.setTranslationMin(i, -3.0f - i);
        m.setTranslationMax(i, 4.0f + i);
        m.setLight(i, 1.0f + i);
        m.setPoint1(i, 0.1f * (i + 1));
        m.setPoint2(i, -0.2f * (i + 1));
        m.setPoint3(i, 0.3f * (i + 1));
        m.setSavedStrain(12 + i, 1.5f - i); // a translation folded in by a restart
    }
    m.setDistance(12.5f);
    m.setProjection(1);
    m.setShowAxes(0);
    m.setMarkAxes(1);
    m.setShowPrincipalAxes(1);
    m.setConstraint(1);
    m.setShowPoint1(1);
    m.setShowPoint2(0);
    m.setShowPoint3(1);
    m.setActingOnRight(1);
    m.setPreserveVolume(1);
}

// Every stored field of a and b, compared to the six decimals of the file.
void expectSameStoredFields(const StrainData& a, const StrainData& b) {
    StrainData::StringDictionary da, db;
    a.convertToDictionary(da);
    b.convertToDictionary(db);
    EXPECT_EQ(da, db);
}

class DocumentFiles : public ::testing::Test {
protected:
    std::filesystem::path dir = std::filesystem::temp_directory_path() /
                                ("quorvel-doc-" + std::to_string(::getpid()) + "-" +
                                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
    void SetUp() override { std::filesystem::create_directories(dir); }
    void TearDown() override { std::filesystem::remove_all(dir); }
    std::string write(const std::string& name, const std::string& bytes) {
        const auto path = dir / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }
};

} // namespace

TEST(MyDocument, WrittenDocumentReadsBackEveryStoredField) {
    MyDocument original;
    fillEveryField(original.strainData());
    original.strainData().setStrain(9, 0.0000001f); // below the file's six decimals
    const std::string text = original.convertForStorage();

    MyDocument copy;
    std::string error;
    ASSERT_TRUE(copy.loadDataRepresentation(text, MyDocument::kTypeName, error)) << error;
    expectSameStoredFields(copy.strainData(), original.strainData());
    EXPECT_EQ(copy.strainData().strainEntry(9), 0.0f);
    EXPECT_EQ(copy.strainData().strainEntry(0), original.strainData().strainEntry(0));
    EXPECT_EQ(copy.strainData().translation(0), -0.5f);
    EXPECT_EQ(copy.strainData().actingOnRight(), 1);
    EXPECT_EQ(copy.strainData().preserveVolume(), 1);
    EXPECT_EQ(copy.convertForStorage(), text) << "a second save writes the same bytes";
}

TEST(MyDocument, WriterTextHoldsClassVersionAndEveryModelEntry) {
    MyDocument document;
    const std::string text = document.convertForStorage();
    const auto parsed = readPropertyList(text);
    ASSERT_TRUE(parsed.value);
    const auto* dictionary = parsed.value->dictionary();
    ASSERT_TRUE(dictionary);
    EXPECT_EQ(dictionary->size(), 78u);
    EXPECT_EQ(*dictionary->at("Class").string(), "MyDocument");
    EXPECT_EQ(*dictionary->at("Version").string(), "1");
    EXPECT_EQ(*dictionary->at("strain entry 2,3 max").string(), "1.000000");
    EXPECT_EQ(*dictionary->at("light z").string(), "9.000000");
    EXPECT_EQ(*dictionary->at("constraint").string(), "2");
    EXPECT_EQ(*dictionary->at("saved strain entry 3,4").string(), "0.000000");
    EXPECT_NE(text.find("    \"strain entry 1,1\" = \"1.000000\";\n"), std::string::npos) << text;

    document.strainData().setTranslation(0, -0.5f);
    document.strainData().setPoint2(2, -0.0000001f);
    const auto again = readPropertyList(document.convertForStorage());
    EXPECT_EQ(*again.value->dictionary()->at("translation x").string(), "-0.500000");
    EXPECT_EQ(*again.value->dictionary()->at("point 2 z").string(), "-0.000000");
}

TEST(MyDocument, LayoutQuotingCommentsAndLineEndsDoNotMatter) {
    MyDocument original;
    fillEveryField(original.strainData());
    const std::string text = original.convertForStorage();

    // Reordered: entries written in reverse, on one line, without indentation.
    std::string reversed = "{";
    {
        std::vector<std::string> lines;
        std::istringstream in(text);
        for (std::string line; std::getline(in, line);)
            if (line.find('=') != std::string::npos)
                lines.push_back(line.substr(line.find_first_not_of(' ')));
        for (auto it = lines.rbegin(); it != lines.rend(); ++it)
            reversed += *it + " ";
        reversed += "}";
    }
    const std::string allQuoted = std::regex_replace(text, std::regex("= ([A-Za-z0-9]+);"), "= \"$1\";");
    const std::string commented = "// a strain document\n/* written by hand */" +
                                  replaceAll(text, ";\n", "; // note\n");
    const std::string crlf = replaceAll(text, "\n", "\r\n");
    const std::string tabs = replaceAll(replaceAll(text, "    ", "\t"), " = ", "=");

    for (const std::string& variant : {reversed, allQuoted, commented, crlf, tabs}) {
        SCOPED_TRACE(variant.substr(0, 120));
        MyDocument copy;
        std::string error;
        ASSERT_TRUE(copy.loadDataRepresentation(variant, MyDocument::kTypeName, error)) << error;
        expectSameStoredFields(copy.strainData(), original.strainData());
    }
}

TEST(MyDocument, PreserveVolumeFileRestoresTheStrainExactly) {
    MyDocument original;
    StrainData& m = original.strainData();
    m.setConstraint(0);
    m.setStrain(0, 2.0f);
    m.setStrain(5, 0.5f);
    m.setStrain(4, 0.25f);
    m.setPreserveVolume(1);
    const std::string text = original.convertForStorage();

    MyDocument copy;
    copy.strainData().setPreserveVolume(1); // would rescale rows if it stayed on
    copy.strainData().setConstraint(2);
    std::string error;
    ASSERT_TRUE(copy.loadDataRepresentation(text, MyDocument::kTypeName, error));
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(copy.strainData().strainEntry(i), m.strainEntry(i)) << i;
    EXPECT_EQ(copy.strainData().preserveVolume(), 1);
    EXPECT_EQ(copy.strainData().constraint(), 0);
}

TEST(MyDocument, MissingKeysReadAsZeroAndOthersAreIgnored) {
    MyDocument document;
    document.strainData().setPointToSet(2);
    document.strainData().setSavedStrain(13, 4.0f);
    document.strainData().setShowPrincipalAxes(1);
    std::string error;
    const std::string text = "{ Class = SomethingElse; Version = 2; \"strain entry 1,1\" = 3; "
                             "unknown = (1, 2); \"distance\" = \"7.5 metres\"; }";
    ASSERT_TRUE(document.loadDataRepresentation(text, MyDocument::kTypeName, error)) << error;
    const StrainData& m = document.strainData();
    EXPECT_EQ(m.showAxes(), 0) << "a missing \"show axes\" hides the axes";
    EXPECT_EQ(m.showPrincipalAxes(), 0) << "files from before the principal axes hide them";
    EXPECT_EQ(m.constraint(), 0);
    EXPECT_EQ(m.color(0), 0.0f);
    EXPECT_EQ(m.translucency(), 0.0f);
    EXPECT_EQ(m.strainEntry(0), 3.0f);
    EXPECT_EQ(m.strainEntry(5), 0.0f);
    EXPECT_EQ(m.strainMax(0), 0.0f);
    EXPECT_EQ(m.distance(), 7.5f) << "text after the number is ignored";
    EXPECT_EQ(m.pointToSet(), 0) << "no point is left waiting";
    EXPECT_EQ(m.savedStrainMatrix()[13], 0.0f) << "an older file's restarts hold no translation";
    // What the file does not store keeps its value.
    EXPECT_EQ(m.strainEntry(15), 1.0f);
    EXPECT_EQ(m.light(3), 0.0f);
}

TEST(MyDocument, ARestoreLeavesNothingToUndoAndTheDocumentUnedited) {
    MyDocument original;
    fillEveryField(original.strainData());
    MyDocument document;
    std::string error;
    ASSERT_TRUE(document.loadDataRepresentation(original.convertForStorage(),
                                                MyDocument::kTypeName, error));
    document.undoManager().closeEventGroup();
    EXPECT_FALSE(document.undoManager().canUndo());
    EXPECT_FALSE(document.isDocumentEdited());
    EXPECT_TRUE(document.undoManager().isUndoRegistrationEnabled());
}

TEST(MyDocument, RefusedTextLeavesEverythingAsItWas) {
    const std::string refused[] = {
        "",                                      // empty
        "( a, b )",                              // not a dictionary
        "{ red = 0.5; green = 0.5 }",            // missing ;
        "{ \"red\" = \"0.5; }",                  // unterminated string
        "{ red = 0.5; } trailing",               // text after the dictionary
        "{ red = \xc3\xa9; }",                   // not ASCII
        "{ red = (0.5); }",                      // a model value that is not text
        std::string("{ red = 0.5;\0 }", 15),     // a NUL byte
    };
    for (const std::string& text : refused) {
        SCOPED_TRACE(text);
        MyDocument document;
        StrainData& m = document.strainData();
        m.setTranslucency(0.3f);
        document.undoManager().closeEventGroup();
        const std::string before = document.convertForStorage();

        std::string error;
        EXPECT_FALSE(document.loadDataRepresentation(text, MyDocument::kTypeName, error));
        EXPECT_FALSE(error.empty());
        EXPECT_EQ(document.convertForStorage(), before);
        EXPECT_TRUE(document.undoManager().canUndo());
        EXPECT_TRUE(document.isDocumentEdited());
    }
    MyDocument document;
    std::string error;
    EXPECT_FALSE(document.loadDataRepresentation("{\n  red = 1;\n  green 2;\n}",
                                                 MyDocument::kTypeName, error));
    EXPECT_EQ(error.rfind("line 3, column", 0), 0u) << error;
}

TEST(MyDocument, OnlyTheQuorvelTypeIsSavedOrRead) {
    MyDocument document;
    document.strainData().setShowAxes(0);
    document.undoManager().closeEventGroup();
    EXPECT_FALSE(document.dataRepresentationOfType("Text document"));
    EXPECT_TRUE(document.undoManager().canUndo()) << "a refused save leaves the undo stack";

    std::string error;
    EXPECT_FALSE(document.loadDataRepresentation(document.convertForStorage(), "Text document",
                                                 error));
    EXPECT_FALSE(error.empty());
    ASSERT_TRUE(document.dataRepresentationOfType(MyDocument::kTypeName));
}

TEST(MyDocument, SaveAndRevertValidation) {
    MyDocument document;
    EXPECT_FALSE(document.validateMenuItem("Save"));
    EXPECT_FALSE(document.validateMenuItem("Revert To Saved"));
    EXPECT_TRUE(document.validateMenuItem("Close"));

    document.strainData().setShowAxes(0);
    document.undoManager().closeEventGroup();
    EXPECT_TRUE(document.validateMenuItem("Save"));
    EXPECT_FALSE(document.validateMenuItem("Revert To Saved")) << "no file yet";

    document.didSave("/tmp/example.quorvel");
    EXPECT_FALSE(document.undoManager().canUndo()) << "saving empties the undo stack";
    EXPECT_FALSE(document.validateMenuItem("Save"));
    EXPECT_FALSE(document.validateMenuItem("Revert To Saved"));
    EXPECT_EQ(document.displayName(), "example.quorvel");

    document.strainData().setShowAxes(1);
    document.undoManager().closeEventGroup();
    EXPECT_TRUE(document.validateMenuItem("Save"));
    EXPECT_TRUE(document.validateMenuItem("Revert To Saved"));
    document.undoManager().undo();
    EXPECT_FALSE(document.validateMenuItem("Save")) << "undone back to the saved state";
}

TEST_F(DocumentFiles, ReadAndRevertAFile) {
    MyDocument original;
    fillEveryField(original.strainData());
    const std::string path = write("shear.quorvel", original.convertForStorage());

    MyDocument document;
    std::string error;
    ASSERT_TRUE(document.readFromFile(path, error)) << error;
    EXPECT_EQ(document.fileName(), path);
    expectSameStoredFields(document.strainData(), original.strainData());

    document.strainData().setTranslucency(0.1f);
    document.undoManager().closeEventGroup();
    ASSERT_TRUE(document.revertToSaved(error)) << error;
    EXPECT_EQ(document.strainData().translucency(), 0.625f);
    EXPECT_FALSE(document.undoManager().canUndo());
    EXPECT_FALSE(document.isDocumentEdited());

    // A file that went bad since: the revert is refused and nothing changes.
    document.strainData().setTranslucency(0.2f);
    document.undoManager().closeEventGroup();
    write("shear.quorvel", "{ broken");
    EXPECT_FALSE(document.revertToSaved(error));
    EXPECT_EQ(document.strainData().translucency(), 0.2f);
    EXPECT_TRUE(document.undoManager().canUndo());
}

TEST_F(DocumentFiles, UnreadableFilesSayWhy) {
    MyDocument document;
    std::string error;
    EXPECT_FALSE(document.readFromFile((dir / "missing.quorvel").string(), error));
    EXPECT_NE(error.find("No such file"), std::string::npos) << error;
    EXPECT_FALSE(document.readFromFile(dir.string(), error));
    EXPECT_EQ(error, "not a file");
    const std::string plain = write("plain", "{}");
    EXPECT_FALSE(document.readFromFile(plain + "/under-a-file.quorvel", error));
    EXPECT_FALSE(error.empty());
    const std::string huge = write("huge.quorvel", std::string(kPlistMaxSize + 1, ' '));
    EXPECT_FALSE(document.readFromFile(huge, error));
    EXPECT_NE(error.find("too large"), std::string::npos);
    // Its first read fails with EIO, as on a failing disk.
    EXPECT_FALSE(document.readFromFile("/proc/self/mem", error));
    EXPECT_EQ(error, "Input/output error");
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
    EXPECT_STREQ(probe, "0,5") << "the locale really writes a decimal comma";

    MyDocument original;
    original.strainData().setTranslation(0, -0.5f);
    original.strainData().setStrain(4, 1.25f);
    const std::string text = original.convertForStorage();
    MyDocument copy;
    std::string error;
    const bool read = copy.loadDataRepresentation(text, MyDocument::kTypeName, error);
    std::setlocale(LC_ALL, before.c_str());

    EXPECT_NE(text.find("\"translation x\" = \"-0.500000\";"), std::string::npos);
    EXPECT_FALSE(std::regex_search(text, std::regex("= [^;\n]*,"))) << "no value has a comma";
    ASSERT_TRUE(read) << error;
    EXPECT_EQ(copy.strainData().translation(0), -0.5f);
    EXPECT_EQ(copy.strainData().strainEntry(4), 1.25f);
}

// The nasty inputs that the property-list reader is checked on, opened as
// documents: a dictionary is read, anything else refused with the document
// untouched, and nothing crashes.
TEST(MyDocument, NastyFilesAreReadOrRefusedCleanly) {
    int read = 0, refused = 0;
    for (const auto& entry : std::filesystem::directory_iterator(QUORVEL_PLIST_CORPUS)) {
        SCOPED_TRACE(entry.path().filename().string());
        std::ifstream in(entry.path(), std::ios::binary);
        const std::string text{std::istreambuf_iterator<char>(in), {}};
        const PlistReadResult parsed = readPropertyList(text);
        const bool isDictionary = parsed.value && parsed.value->dictionary();

        MyDocument document;
        document.strainData().setTranslucency(0.3f);
        document.undoManager().closeEventGroup();
        const std::string before = document.convertForStorage();
        std::string error;
        const bool loaded = document.loadDataRepresentation(text, MyDocument::kTypeName, error);
        EXPECT_EQ(loaded, isDictionary) << error;
        if (loaded) {
            ++read;
            MyDocument copy;
            EXPECT_TRUE(copy.loadDataRepresentation(document.convertForStorage(),
                                                    MyDocument::kTypeName, error));
        } else {
            ++refused;
            EXPECT_FALSE(error.empty());
            EXPECT_EQ(document.convertForStorage(), before);
            EXPECT_TRUE(document.isDocumentEdited());
        }
    }
    EXPECT_GT(read, 0);
    EXPECT_GT(refused, 0);
}

// A crafted file: every integer code outside its range reads as a new
// document's code, a number beyond a float as 0, and the file's other values
// still apply.
TEST(MyDocument, CodesOutOfRangeReadAsANewDocumentsAndNumbersBeyondAFloatAsZero) {
    struct Case {
        const char* entry;
        int (StrainData::*get)() const;
        int expected;
    };
    const Case cases[] = {
        {"\"animation field\" = 2147483647;", &StrainData::animationField, 1},
        {"\"animation field\" = -2147483648;", &StrainData::animationField, 1},
        {"\"animation field\" = 9;", &StrainData::animationField, 1},
        {"\"animation field\" = 13;", &StrainData::animationField, 1},
        {"\"animation field\" = 12;", &StrainData::animationField, 12},
        {"\"matrix acts on right\" = 2;", &StrainData::actingOnRight, 0},
        {"\"perspective projection\" = -1;", &StrainData::projection, 0},
        {"\"show axes\" = 99999999999;", &StrainData::showAxes, 1},
        {"\"mark axes\" = 7;", &StrainData::markAxes, 0},
        {"\"preserve volume\" = 3;", &StrainData::preserveVolume, 0},
        {"constraint = -99999999999;", &StrainData::constraint, 2},
        {"constraint = 3;", &StrainData::constraint, 2},
        {"\"show point 2\" = -1;", &StrainData::showPoint2, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entry);
        MyDocument document;
        std::string error;
        ASSERT_TRUE(document.loadDataRepresentation(
            std::string("{ ") + c.entry + " \"strain entry 1,1\" = 1e39; distance = -1e39;"
                                          " \"light z\" = nan; \"translation y\" = 2.5; }",
            MyDocument::kTypeName, error));
        const StrainData& m = document.strainData();
        EXPECT_EQ((m.*c.get)(), c.expected);
        EXPECT_EQ(m.strainEntry(0), 0.0f);
        EXPECT_EQ(m.distance(), 0.0f);
        EXPECT_EQ(m.light(2), 0.0f);
        EXPECT_EQ(m.translation(1), 2.5f);
    }
}
