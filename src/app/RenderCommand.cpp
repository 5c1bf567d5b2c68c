#include "app/RenderCommand.h"

#include "document/MyDocument.h"
#include "render/EglOffscreenContext.h"
#include "render/SceneRenderer.h"
#include "toolkit/GVCamera.h"
#include "toolkit/GVOpenGLContext.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <memory>
#include <mutex>
#include <optional>
#include <ostream>
#include <string_view>
#include <vector>

namespace {

// Numbers on the command line are read alike in every locale.
template <class Number> bool readWhole(std::string_view text, Number& value) {
    const char* end = text.data() + text.size();
    const auto [next, problem] = std::from_chars(text.data(), end, value);
    return problem == std::errc() && next == end;
}

std::optional<float> readAngle(std::string_view text) {
    double degrees = 0;
    if (!readWhole(text, degrees) || !std::isfinite(degrees))
        return std::nullopt;
    return static_cast<float>(degrees);
}

bool readSize(std::string_view text, int& width, int& height) {
    const auto x = text.find('x');
    if (x == std::string_view::npos)
        return false;
    return readWhole(text.substr(0, x), width) && readWhole(text.substr(x + 1), height) &&
           width > 0 && height > 0;
}

} // namespace

QImage renderImage(const StrainData& model, const RenderSettings& settings, std::string& error) {
    std::shared_ptr<EglOffscreenContext> egl =
        EglOffscreenContext::create(settings.width, settings.height, error);
    if (!egl)
        return {};
    const auto openGL = std::make_shared<GVOpenGLContext>();
    openGL->setOpenGLContext(egl);

    // The camera as the window's view sets it up for an opened document.
    GVCamera camera;
    camera.attachWithOpenGLContext(openGL, GVRect{0, 0, static_cast<float>(settings.width),
                                                  static_cast<float>(settings.height)});
    SceneRenderer::applyProjection(camera, model);
    SceneRenderer::applyDistance(camera, model);
    camera.setElevation(settings.elevation);
    camera.setAzimuth(settings.azimuth);

    std::vector<std::uint8_t> pixels;
    {
        std::lock_guard guard(*openGL);
        SceneRenderer::setFixedState();
        SceneRenderer().drawFrame(model);
        glFinish();
        pixels = egl->readPixels();
    }

    // The window is opaque: what blending left in the alpha channel is not
    // part of the picture.
    QImage image(settings.width, settings.height, QImage::Format_RGBX8888);
    const std::size_t rowBytes = static_cast<std::size_t>(settings.width) * 4;
    for (int row = 0; row < settings.height; ++row) {
        std::uint8_t* line = image.scanLine(row);
        std::memcpy(line, pixels.data() + row * rowBytes, rowBytes);
        for (std::size_t alpha = 3; alpha < rowBytes; alpha += 4)
            line[alpha] = 255;
    }
    return image;
}

int renderDocument(const std::string& path, const std::string& imagePath,
                   const RenderSettings& settings, std::ostream& err) {
    MyDocument document;
    std::string error;
    if (!document.readFromFile(path, error)) {
        err << "quorvel: " << path << ": " << error << '\n';
        return 1;
    }
    const QImage image = renderImage(document.strainData(), settings, error);
    if (image.isNull()) {
        err << "quorvel: " << path << ": cannot be drawn offscreen: " << error << '\n';
        return 1;
    }
    if (!image.save(QString::fromStdString(imagePath), "PNG")) {
        err << "quorvel: " << imagePath << ": the image could not be written\n";
        return 1;
    }
    return 0;
}

int renderCommand(int argc, const char* const argv[], std::ostream& err) {
    RenderSettings settings;
    std::vector<std::string> files;
    bool valid = true;
    for (int i = 0; i < argc && valid; ++i) {
        const std::string_view argument = argv[i];
        const bool hasValue = i + 1 < argc;
        if (argument == "--size") {
            valid = hasValue && readSize(argv[++i], settings.width, settings.height);
        } else if (argument == "--elevation" || argument == "--azimuth") {
            const std::optional<float> angle =
                hasValue ? readAngle(argv[++i]) : std::optional<float>();
            valid = angle.has_value();
            if (valid)
                (argument == "--elevation" ? settings.elevation : settings.azimuth) = *angle;
        } else if (argument.starts_with("--")) {
            valid = false;
        } else {
            files.emplace_back(argument);
        }
    }
    if (!valid || files.size() != 2) {
        err << "usage: quorvel --render " << kRenderArguments << '\n';
        return 2;
    }
    return renderDocument(files[0], files[1], settings, err);
}
