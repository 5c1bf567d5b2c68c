#include "app/CommandLine.h"

#include "app/AnalyzeCommand.h"
#include "app/Application.h"
#include "app/RenderCommand.h"
#include "document/MyDocument.h"

#include <QCommandLineParser>
#include <QStringList>

#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <ostream>
#include <string_view>

bool readDocument(MyDocument& document, const std::string& path, std::ostream& err) {
    std::string error;
    if (document.readFromFile(path, error))
        return true;
    err << "quorvel: " << path << ": " << error << '\n';
    return false;
}

int printDocument(const std::string& path, std::ostream& out, std::ostream& err) {
    MyDocument document;
    if (!readDocument(document, path, err))
        return 1;
    out << *document.dataRepresentationOfType(MyDocument::kTypeName);
    out.flush();
    if (!out) {
        err << "quorvel: " << path << ": the document could not be written out\n";
        return 1;
    }
    return 0;
}

namespace {

// A new mode is one row of the options below, one line of the usage and one
// branch in runCommandLine.
constexpr std::string_view kUsage =
    "usage: quorvel [FILE...]\n"
    "       quorvel --print FILE\n"
    "       quorvel --analyze FILE [--json]\n"
    "       quorvel --render FILE OUT [--size WIDTHxHEIGHT] [--elevation DEGREES]\n"
    "               [--azimuth DEGREES] [--background black|white|transparent]\n"
    "       quorvel --help | --version\n";

// Every option once: the parser reads what this table names, and --help
// lists it. A setting of --render takes a value; the others are switches.
struct Option {
    std::initializer_list<const char*> names; // none: the files named
    const char* shown;                        // as the list shows it
    const char* help;                         // its lines, broken with \n
    bool forRender = false;
};
const Option kOptions[] = {
    {{}, "FILE...", "open each document (.quorvel) in its own window;\nwith none, a new document"},
    {{"print"}, "--print FILE", "check a document: print it as Save would write it"},
    {{"analyze"}, "--analyze FILE",
     "the strain analysis of a document: principal stretches\nand axes, volume ratio, Flinn, "
     "Lode, rotation"},
    {{"json"}, "--json", "with --analyze, the analysis as one JSON object"},
    {{"render"}, "--render FILE OUT",
     "draw a document as its window shows it when opened,\nwithout a display; OUT's suffix "
     "chooses the format:\n.png .jpg .jpeg .bmp .ppm (.tif .tiff with Qt's plugin)"},
    {{"size"}, "--size WxH", "the picture's size in pixels, each side 1 to 16384\n(default 800x600)",
     true},
    {{"elevation"}, "--elevation DEGREES", "the camera's elevation (default 0)", true},
    {{"azimuth"}, "--azimuth DEGREES", "the camera's azimuth (default 0); both 0 is the plan view",
     true},
    {{"background"}, "--background COLOUR",
     "black (default, as the window draws), white, or\ntransparent (.png and .tif only)", true},
    {{"h", "help"}, "-h, --help", "show this help"},
    {{"v", "version"}, "-v, --version", "show the program's version"},
};

// The usage, then one entry per option, its help aligned beside it.
std::string helpText() {
    constexpr std::size_t kHelpColumn = 23;
    std::string text = std::string(kUsage) + "\n";
    for (const Option& option : kOptions) {
        std::string entry = "  " + std::string(option.shown);
        entry.resize(std::max(kHelpColumn, entry.size() + 1), ' ');
        for (const char c : std::string_view(option.help))
            entry += c == '\n' ? "\n" + std::string(kHelpColumn, ' ') : std::string(1, c);
        text += entry + "\n";
    }
    return text;
}

// Numbers on the command line are read alike in every locale.
template <class Number> bool readWhole(std::string_view text, Number& value) {
    const char* end = text.data() + text.size();
    const auto [next, problem] = std::from_chars(text.data(), end, value);
    return problem == std::errc() && next == end;
}

// The camera takes floats: a number beyond the largest float would become
// infinite there and draw nothing.
std::optional<float> readAngle(const QString& text) {
    double degrees = 0;
    if (!readWhole(text.toStdString(), degrees) ||
        !(std::abs(degrees) <= std::numeric_limits<float>::max()))
        return std::nullopt;
    return static_cast<float>(degrees);
}

bool readSide(std::string_view text, int& side) {
    return readWhole(text, side) && side > 0 && side <= kMaxImageSide;
}

bool readSize(const QString& text, int& width, int& height) {
    const std::string size = text.toStdString();
    const auto x = size.find('x');
    return x != std::string::npos && readSide(std::string_view(size).substr(0, x), width) &&
           readSide(std::string_view(size).substr(x + 1), height);
}

// The render settings from the parsed options, or the problem with them.
std::optional<RenderSettings> readRenderSettings(const QCommandLineParser& parser,
                                                 std::string& problem) {
    RenderSettings settings;
    if (parser.isSet(QStringLiteral("size")) &&
        !readSize(parser.value(QStringLiteral("size")), settings.width, settings.height)) {
        problem = "--size wants WIDTHxHEIGHT, each side a whole number from 1 to " +
                  std::to_string(kMaxImageSide) + ", not " +
                  parser.value(QStringLiteral("size")).toStdString();
        return std::nullopt;
    }
    for (auto [name, angle] :
         {std::pair{"elevation", &settings.elevation}, std::pair{"azimuth", &settings.azimuth}}) {
        const QString option = QString::fromLatin1(name);
        if (!parser.isSet(option))
            continue;
        const std::optional<float> degrees = readAngle(parser.value(option));
        if (!degrees) {
            problem = "--" + std::string(name) + " wants a finite number of degrees, not " +
                      parser.value(option).toStdString();
            return std::nullopt;
        }
        *angle = *degrees;
    }
    if (parser.isSet(QStringLiteral("background"))) {
        const QString colour = parser.value(QStringLiteral("background"));
        if (colour == QLatin1String("black"))
            settings.background = Background::Black;
        else if (colour == QLatin1String("white"))
            settings.background = Background::White;
        else if (colour == QLatin1String("transparent"))
            settings.background = Background::Transparent;
        else {
            problem = "--background wants black, white or transparent, not " + colour.toStdString();
            return std::nullopt;
        }
    }
    return settings;
}

} // namespace

int runCommandLine(int argc, char* argv[], std::ostream& out, std::ostream& err) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    QCommandLineParser parser;
    // A word after one dash is one option: "-help" is --help and Qt's own
    // "-platform" is named as unknown, rather than read letter by letter.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    QStringList renderOptions;
    for (const Option& option : kOptions) {
        QStringList names;
        for (const char* name : option.names)
            names << QString::fromLatin1(name);
        if (names.isEmpty())
            continue;
        parser.addOption({names, {}, option.forRender ? names.first() : QString()});
        if (option.forRender)
            renderOptions << names.first();
    }

    const auto usageError = [&](const std::string& problem) {
        err << "quorvel: " << problem << '\n' << kUsage;
        return 2;
    };
    if (!parser.parse(arguments))
        return usageError(parser.errorText().toStdString());
    const auto answer = [&](std::string_view text) {
        if (out << text << std::flush)
            return 0;
        err << "quorvel: the answer could not be written out\n";
        return 1;
    };
    if (parser.isSet(QStringLiteral("help")))
        return answer(helpText());
    if (parser.isSet(QStringLiteral("version")))
        return answer("quorvel " QUORVEL_VERSION "\n");

    const QStringList files = parser.positionalArguments();
    const bool print = parser.isSet(QStringLiteral("print"));
    const bool render = parser.isSet(QStringLiteral("render"));
    const bool analyze = parser.isSet(QStringLiteral("analyze"));
    if (int(print) + int(render) + int(analyze) > 1)
        return usageError("--print, --analyze and --render cannot be used together");
    if (parser.isSet(QStringLiteral("json")) && !analyze)
        return usageError("--json goes with --analyze");
    if (!render) {
        for (const QString& option : renderOptions) {
            if (parser.isSet(option))
                return usageError("--" + option.toStdString() + " goes with --render");
        }
    }
    if (print) {
        if (files.size() != 1)
            return usageError("--print wants one FILE");
        return printDocument(files[0].toLocal8Bit().toStdString(), out, err);
    }
    if (analyze) {
        if (files.size() != 1)
            return usageError("--analyze wants one FILE");
        return analyzeDocument(files[0].toLocal8Bit().toStdString(),
                               parser.isSet(QStringLiteral("json")), out, err);
    }
    if (render) {
        if (files.size() != 2)
            return usageError("--render wants FILE and OUT");
        const std::string image = files[1].toLocal8Bit().toStdString();
        std::string problem;
        const std::optional<RenderSettings> settings = readRenderSettings(parser, problem);
        if (settings)
            problem = refusedImage(image, *settings);
        if (!problem.empty())
            return usageError(problem);
        return renderDocument(files[0].toLocal8Bit().toStdString(), image, *settings, err);
    }
    return runApplication(argv[0], files);
}
