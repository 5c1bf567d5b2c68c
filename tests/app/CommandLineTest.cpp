// The program as users and scripts call it from a shell with no display:
// exit statuses, messages, and the pictures that --render writes.
#include "../support/SphereDocument.h"
#include "app/ShaderCache.h"

#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QImageReader>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <sys/wait.h>

namespace {

struct Result {
    int status;
    std::string out, err;
};

class CommandLineTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        std::ofstream(document) << documentText(sphereKeys());
    }

    std::string path(const char* name) const { return folder.filePath(name).toStdString(); }

    std::string read(const std::string& file) const {
        std::ifstream stream(file);
        return {std::istreambuf_iterator<char>(stream), {}};
    }

    // `quorvel arguments` with the display variables taken away, standard
    // output going to output.
    Result run(const std::string& arguments, const std::string& output = {},
               const std::string& environment = {}) const {
        const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY " + environment + " " QUORVEL_PROGRAM " " +
                                    arguments + " > " + (output.empty() ? path("out") : output) +
                                    " 2> " + path("err");
        const int status = std::system(command.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, read(path("out")), read(path("err"))};
    }

    QTemporaryDir folder;
    const std::string document = path("sphere.quorvel");
};

// Which options --help names is checked against the manual by the install test.
TEST_F(CommandLineTest, HelpAndVersionNeedNoDisplay) {
    const std::pair<const char*, const char*> cases[] = {
        {"-h", "usage: quorvel"}, {"--version", "quorvel " QUORVEL_VERSION "\n"}};
    for (const auto& [option, start] : cases) {
        const Result result = run(option);
        EXPECT_EQ(result.status, 0) << option << result.err;
        EXPECT_EQ(result.out.rfind(start, 0), 0u) << result.out;
        EXPECT_EQ(run(option, "/dev/full").status, 1) << option << " to a full disk";
    }
}

// A command line that is not understood (status 2), a file that cannot be
// read or a picture that cannot be written (status 1, a full disk too): one
// line on standard error naming the problem or the file, then the usage when
// the command line was at fault; nothing written.
TEST_F(CommandLineTest, BadCommandLinesAndFailuresNameTheProblemAndWriteNothing) {
    const std::string image = path("never.png"), missing = path("missing.quorvel");
    const std::string render = "--render " + document + " ", full = path("full.png");
    std::filesystem::create_symlink("/dev/full", full);
    const struct {
        std::string arguments, problem;
        int status = 2;
    } cases[] = {
        {"--frobnicate", "frobnicate"}, {"--print a b", "--print wants one FILE"},
        {"--print " + document + " --render", "cannot be used together"},
        {"--size 10x10 " + document, "--size goes with --render"},
        {"--analyze a b", "--analyze wants one FILE"},
        {"--analyze " + document + " --print", "cannot be used together"},
        {"--json " + document, "--json goes with --analyze"},
        {render + image + " extra", "--render wants FILE and OUT"},
        {render + image + " --size 0x100", "--size wants"},
        {render + image + " --size 16385x10", "16384"},
        {render + image + " --size 2147483647x1", "16384"},
        {render + image + " --azimuth 1e308", "--azimuth wants"},
        {render + image + " --elevation 3.4028236e38", "--elevation wants"},
        {render + image + " --background grey", "--background wants"},
        {render + path("never.gif"),
         "never.gif: cannot write this kind of image; OUT must end in .png .jpg .jpeg .bmp .ppm"},
        {render + path("never.jpg") + " --background transparent", "no transparency"},
        {"--render " + missing + " " + image, missing + ": ", 1},
        {render + path("no/such/folder.png"), path("no/such/folder.png") + ": ", 1},
        {render + full, full + ": ", 1}, {"--analyze " + missing, missing + ": ", 1}};
    for (const auto& [arguments, problem, status] : cases) {
        const Result result = run(arguments);
        EXPECT_EQ(result.status, status) << arguments;
        EXPECT_TRUE(result.out.empty()) << arguments;
        const std::string first = result.err.substr(0, result.err.find('\n'));
        EXPECT_EQ(first.rfind("quorvel: ", 0), 0u) << arguments << ": " << result.err;
        EXPECT_NE(first.find(problem), std::string::npos) << arguments << ": " << first;
        EXPECT_EQ(result.err.substr(first.size(), 15), status == 2 ? "\nusage: quorvel" : "\n")
            << arguments << ": " << result.err;
    }
    for (const char* written : {"never.png", "never.gif", "never.jpg"})
        EXPECT_FALSE(std::ifstream(path(written))) << written;
    for (const std::string& command : {"--print " + document, "--analyze " + document}) {
        const Result result = run(command, "/dev/full");
        EXPECT_EQ(result.status, 1) << command;
        EXPECT_NE(result.err.find("could not be written out\n"), std::string::npos) << result.err;
    }
}

// The suffix chooses the format; the background is what the sphere is drawn
// on: the corner shows it and the centre shows the grey sphere.
TEST_F(CommandLineTest, RenderWritesTheFormatAndBackgroundAsked) {
    // The file, options, the format written and the corner's colour.
    const std::tuple<const char*, const char*, QByteArray, QRgb> cases[] = {
        {"plain.png", "", "png", qRgb(0, 0, 0)}, {"photo.JPG", "", "jpeg", qRgb(0, 0, 0)},
        {"picture.ppm", "--background white", "ppm", qRgb(255, 255, 255)},
        {"clear.png", "--background transparent", "png", qRgba(0, 0, 0, 0)},
        {"far.bmp", "--azimuth 3.4028234663852886e38", "bmp", qRgb(0, 0, 0)}};
    for (const auto& [file, options, format, background] : cases) {
        const std::string image = path(file);
        const Result result = run("--render " + document + " " + image +
                                  " --size 120x90 --elevation 30 --azimuth -45 " + options);
        ASSERT_EQ(result.status, 0) << file << result.err;
        QImageReader reader(QString::fromStdString(image));
        EXPECT_EQ(reader.format(), format) << file;
        const QImage picture = reader.read().convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(picture.size(), QSize(120, 90)) << file;
        const QRgb corner = picture.pixel(2, 2);
        EXPECT_EQ(qAlpha(corner), qAlpha(background)) << file;
        EXPECT_NEAR(qGray(corner), qGray(background), 8) << file;
        EXPECT_EQ(qAlpha(picture.pixel(60, 45)), 255) << file << ": the sphere covers the centre";
        EXPECT_GT(qGray(picture.pixel(60, 45)), 40) << file << ": the grey sphere";
    }
    for (const char* size : {"1x16384", "16384x1"}) { // just inside the sides' bounds
        const std::string image = path("edge.png");
        ASSERT_EQ(run("--render " + document + " " + image + " --size " + size).status, 0) << size;
        const QSize read = QImageReader(QString::fromStdString(image)).size();
        EXPECT_EQ(QString("%1x%2").arg(read.width()).arg(read.height()), size);
    }
}

// A disk that fills part-way through the picture: the system's reason, no
// picture left, and no SIGBUS from Mesa's shader cache there, which --render
// leaves off and the windows leave off on a disk this full.
TEST_F(CommandLineTest, AFullDiskIsNamedAndKillsNothing) {
    const std::string disk = path("disk"), image = disk + "/sphere.png";
    if (std::system(("mkdir " + disk + " && mount -t tmpfs -o size=64k tmpfs " + disk +
                     " 2>/dev/null").c_str()) != 0)
        GTEST_SKIP() << "a small full file system needs mount -t tmpfs, which needs root";
    const std::unique_ptr<const std::string, void (*)(const std::string*)> unmount(
        &disk, [](const std::string* dir) { EXPECT_EQ(std::system(("umount " + *dir).c_str()), 0); });
    std::ofstream(disk + "/filler") << std::string(64 * 1024, 'x'); // as much as fits
    for (const char* state : {"full", "a page left"}) {
        const Result result =
            run("--render " + document + " " + image, {}, "XDG_CACHE_HOME=" + disk);
        EXPECT_NE(result.err.find(": No space left on device\n"), std::string::npos) << state;
        EXPECT_FALSE(std::filesystem::exists(image)) << state;
        std::filesystem::resize_file(disk + "/filler", 60 * 1024);
    }

    // The shader cache wants 64 MiB free: the disk made that much larger than
    // its filler's 60 KiB has room for it, a page less has not.
    unsetenv("MESA_SHADER_CACHE_DIR");
    setenv("XDG_CACHE_HOME", disk.c_str(), 1);
    ASSERT_EQ(std::system(("mount -o remount,size=" + std::to_string((64 << 10) + 60) + "k " + disk).c_str()), 0);
    for (const bool room : {true, false}) {
        unsetenv("MESA_SHADER_CACHE_DISABLE");
        turnShaderCacheOffWithoutRoom();
        EXPECT_EQ(std::getenv("MESA_SHADER_CACHE_DISABLE") == nullptr, room);
        std::ofstream(disk + "/page") << 'x';
    }
}

// The analysis of the shear x += 2y (S1 = 1 + √2) as a table, in the C
// locale whatever the user's, and as JSON.
TEST_F(CommandLineTest, AnalyzePrintsATableOrJson) {
    const std::string shear = path("shear.quorvel");
    std::ofstream(shear) << documentText(with(sphereKeys(), {{"strain entry 1,2", "2"}}));
    const Result table = run("--analyze " + shear, {}, "LC_ALL=de_DE.UTF-8");
    ASSERT_EQ(table.status, 0) << table.err;
    EXPECT_NE(table.out.find("2.414214     1.000000     0.414214"), std::string::npos) << table.out;
    const size_t symmetry = table.out.find("Symmetry class ");
    const std::string line = table.out.substr(symmetry, table.out.find('\n', symmetry) - symmetry);
    EXPECT_TRUE(line.ends_with(" LS")) << line;
    // A value as wide as its column still stands apart from the one before.
    std::ofstream(path("wide.quorvel")) << documentText(
        with(sphereKeys(), {{"strain entry 1,1", "100000"}, {"strain entry 2,2", "100000"}}));
    const std::string wide = run("--analyze " + path("wide.quorvel")).out;
    EXPECT_NE(wide.find(" 100000.000000 100000.000000     1.000000\n"), std::string::npos) << wide;

    const Result json = run("--analyze " + shear + " --json");
    ASSERT_EQ(json.status, 0) << json.err;
    const QJsonObject o = QJsonDocument::fromJson(QByteArray::fromStdString(json.out)).object();
    EXPECT_NEAR(o["stretches"].toArray()[0].toDouble(), 1 + std::sqrt(2.0), 1e-6) << json.out;
    EXPECT_NEAR(o["flinn_k"].toDouble(), 1, 1e-6);
    EXPECT_TRUE(o["state"].isNull());
    // The names geologists use, beside the keys that scripts know (-1: a scalar).
    for (const auto& [name, key, i] : {std::tuple{"S1", "stretches", 0}, {"S3", "stretches", 2},
             {"Rxy", "strain_ratios", 0}, {"Ryz", "strain_ratios", 1}, {"k", "flinn_k", -1},
             {"d", "flinn_d", -1}, {"K", "ramsay_k", -1}, {"eoct", "octahedral_shear", -1},
             {"D", "ramsay_d", -1}})
        EXPECT_EQ(o[name].toDouble(), (i < 0 ? o[key] : o[key].toArray()[i]).toDouble()) << name;
    EXPECT_EQ(o["symmetry_class"].toString(), "LS");
    EXPECT_EQ(o["undefined"].toObject().keys(), QStringList{"flow"}) << json.out;
    // No flow, but the steady flow of the shear: log F = F - I.
    EXPECT_TRUE(o["flow"].isNull());
    EXPECT_EQ(o["undefined"]["flow"].toString(), "no flow: L = 0");
    EXPECT_NEAR(o["log_flow"]["L"][0][1].toDouble(), 2, 1e-6);

    // A flow of simple shear with its one apophysis, in the table and in JSON.
    std::ofstream(shear) << documentText(
        with(sphereKeys(), {{"velocity gradient entry 1,3", "2"}, {"time", "0.5"}}));
    EXPECT_NE(run("--analyze " + shear).out.find("Kinematic vorticity Wk                      "
                                                 "1.000000\n"),
              std::string::npos);
    const QJsonObject flow = QJsonDocument::fromJson(
        QByteArray::fromStdString(run("--analyze " + shear + " --json").out)).object()["flow"].toObject();
    EXPECT_EQ(flow["t"].toDouble(), 0.5);
    EXPECT_NEAR(flow["F"][0][2].toDouble(), 1, 1e-12);
    EXPECT_EQ(flow["Wk"].toDouble(), 1);
    EXPECT_EQ(flow["apophyses"].toArray().size(), 1);
    EXPECT_EQ(flow["apophyses"][0]["trend"].toDouble(), 90);
    EXPECT_TRUE(flow["undefined"].toObject().isEmpty()) << "one apophysis, so no reason for none";
}

} // namespace
