// quorvel --analyze as users and scripts read it: the table, the JSON and the
// errors, on a simple shear whose numbers have a closed form.
#include "app/AnalyzeCommand.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <set>
#include <cmath>
#include <fstream>
#include <sstream>

namespace {

class AnalyzeCommandTest : public ::testing::Test {
protected:
    std::string write(const std::string& text) {
        const std::string path = folder.filePath("document.quorvel").toStdString();
        std::ofstream(path) << text;
        return path;
    }
    // The shear x += γ·y.
    std::string shear(const char* gamma) {
        return write(std::string("{ \"strain entry 1,1\" = 1; \"strain entry 2,2\" = 1; "
                                 "\"strain entry 3,3\" = 1; \"strain entry 1,2\" = ") +
                     gamma +
                     "; \"saved strain entry 1,1\" = 1; \"saved strain entry 2,2\" = 1; "
                     "\"saved strain entry 3,3\" = 1; }");
    }
    int analyze(const std::string& path, bool json) {
        out.str({});
        err.str({});
        return analyzeDocument(path, json, out, err);
    }
    QTemporaryDir folder;
    std::ostringstream out, err;
};

TEST_F(AnalyzeCommandTest, TableIsAlignedAndInTheCLocale) {
    // A decimal-comma locale must not reach the numbers.
    const std::string before = std::setlocale(LC_ALL, nullptr);
    std::setlocale(LC_ALL, "de_DE.UTF-8");
    const int status = analyze(shear("2"), false);
    std::setlocale(LC_ALL, before.c_str());
    ASSERT_EQ(status, 0) << err.str();
    const std::string table = out.str();
    // γ = 2: S1 = √2 + 1.
    EXPECT_NE(table.find("2.414214     1.000000     0.414214"), std::string::npos) << table;
    // The first value of every row ends in the same column.
    std::istringstream lines(table);
    std::set<size_t> ends;
    for (std::string line; std::getline(lines, line);)
        for (const char* label : {"Stretches", "Centre", "Volume ratio", "Flinn d"})
            if (line.rfind(label, 0) == 0) {
                const size_t digits = line.find_first_of("0123456789", line.find("  "));
                ends.insert(std::min(line.find(' ', digits), line.size()));
            }
    EXPECT_EQ(ends.size(), 1u) << table;
}

TEST_F(AnalyzeCommandTest, JsonGivesNumbersAndSaysWhyOneIsMissing) {
    ASSERT_EQ(analyze(shear("1"), true), 0) << err.str();
    QJsonParseError error;
    const QJsonObject o = QJsonDocument::fromJson(QByteArray::fromStdString(out.str()), &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << out.str();
    const double s1 = (1 + std::sqrt(5.0)) / 2;
    EXPECT_NEAR(o["stretches"].toArray()[0].toDouble(), s1, 1e-6);
    EXPECT_NEAR(o["flinn_k"].toDouble(), 1, 1e-6);
    EXPECT_TRUE(o["state"].isNull());

    ASSERT_EQ(analyze(shear("0"), true), 0);
    const QJsonObject still = QJsonDocument::fromJson(QByteArray::fromStdString(out.str())).object();
    EXPECT_TRUE(still["flinn_k"].isNull());
    EXPECT_EQ(still["undefined"].toObject()["flinn_k"].toString(), "no distortion: S1 = S3");
}

TEST_F(AnalyzeCommandTest, AFileThatCannotBeReadIsOneLineAndStatusOne) {
    const std::string missing = folder.filePath("missing.quorvel").toStdString();
    for (bool json : {false, true}) {
        EXPECT_EQ(analyze(missing, json), 1);
        EXPECT_EQ(out.str(), "");
        const std::string message = err.str();
        EXPECT_EQ(message.rfind("quorvel: " + missing + ": ", 0), 0u) << message;
        EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1);
    }
}

} // namespace
