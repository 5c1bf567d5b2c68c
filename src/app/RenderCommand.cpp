#include "app/RenderCommand.h"

#include "app/CommandLine.h"
#include "app/FileWriting.h"
#include "app/ShaderCache.h"
#include "document/MyDocument.h"
#include "render/EglOffscreenContext.h"
#include "render/SceneRenderer.h"
#include "toolkit/GVCamera.h"
#include "toolkit/GVOpenGLContext.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>

#include <algorithm>
#include <cstring>
#include <memory>
#include <mutex>
#include <ostream>
#include <vector>

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
        const float grey = settings.background == Background::White ? 1.0f : 0.0f;
        glClearColor(grey, grey, grey, 1.0f);
        SceneRenderer renderer;
        renderer.setPixelRatio(settings.pixelRatio);
        renderer.drawFrame(model);
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

namespace {
const QList<QByteArray> kWantedFormats = {"png", "jpg", "jpeg", "bmp", "ppm", "tif", "tiff"};
} // namespace

// Where Qt's plugin for the format is installed.
QByteArray imageFormat(const QString& path) {
    const QByteArray suffix = QFileInfo(path).suffix().toLower().toLatin1();
    return kWantedFormats.contains(suffix) && QImageWriter::supportedImageFormats().contains(suffix)
               ? suffix
               : QByteArray();
}

QStringList imageSuffixes() {
    QStringList suffixes;
    for (const QByteArray& format : kWantedFormats)
        if (QImageWriter::supportedImageFormats().contains(format))
            suffixes << QLatin1Char('.') + QString::fromLatin1(format);
    return suffixes;
}

bool keepsTransparency(const QByteArray& format) {
    return format == "png" || format == "tif" || format == "tiff";
}

namespace {
QByteArray formatOf(const std::string& imagePath) {
    return imageFormat(QString::fromLocal8Bit(imagePath));
}

// Over black a pixel shows its premultiplied colour, over white that plus
// the uncovered part in every channel: the difference gives the coverage.
QImage matte(const QImage& overBlack, const QImage& overWhite) {
    QImage image(overBlack.size(), QImage::Format_RGBA8888_Premultiplied);
    for (int row = 0; row < image.height(); ++row) {
        const std::uint8_t* black = overBlack.constScanLine(row);
        const std::uint8_t* white = overWhite.constScanLine(row);
        std::uint8_t* line = image.scanLine(row);
        for (int i = 0; i < image.width() * 4; i += 4) {
            int uncovered = 0;
            for (int c = 0; c < 3; ++c)
                uncovered += white[i + c] - black[i + c];
            const int alpha = std::clamp(255 - uncovered / 3, 0, 255);
            for (int c = 0; c < 3; ++c)
                line[i + c] = static_cast<std::uint8_t>(std::min<int>(black[i + c], alpha));
            line[i + 3] = static_cast<std::uint8_t>(alpha);
        }
    }
    return image;
}

// Devices and pipes cannot be replaced, only written. Unbuffered, so that a
// failed write (a full disk) fails before commit() could put a cut-short file
// in place.
bool writeFile(const QString& path, const QByteArray& bytes, QString& error) {
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        QFile file(path);
        const bool written = file.open(QIODevice::WriteOnly) &&
                             writeWhole(file, bytes.data(), bytes.size()) && file.flush();
        error = file.errorString();
        return written;
    }
    QSaveFile file(path);
    file.setDirectWriteFallback(true);
    const bool written = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) &&
                         writeWhole(file, bytes.data(), bytes.size()) && file.commit();
    error = file.errorString();
    return written;
}

} // namespace

QImage renderPicture(const StrainData& model, const RenderSettings& settings, std::string& error) {
    const QImage image = renderImage(model, settings, error);
    if (image.isNull() || settings.background != Background::Transparent)
        return image;
    RenderSettings overWhite = settings;
    overWhite.background = Background::White;
    const QImage white = renderImage(model, overWhite, error);
    return white.isNull() ? white : matte(image, white);
}

bool writeImage(const QString& path, const QImage& image, const QByteArray& format,
                QString& error) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QImageWriter writer(&buffer, format);
    if (writer.write(image))
        return writeFile(path, bytes, error);
    error = writer.errorString();
    return false;
}

std::string refusedImage(const std::string& imagePath, const RenderSettings& settings) {
    const QByteArray format = formatOf(imagePath);
    if (format.isEmpty())
        return imagePath + ": cannot write this kind of image; OUT must end in " +
               imageSuffixes().join(QLatin1Char(' ')).toStdString();
    if (settings.background == Background::Transparent && !keepsTransparency(format))
        return imagePath + ": ." + format.toStdString() +
               " images have no transparency; use .png or .tif for --background transparent";
    return {};
}

int renderDocument(const std::string& path, const std::string& imagePath,
                   const RenderSettings& settings, std::ostream& err) {
    turnShaderCacheOff();
    const std::string refused = refusedImage(imagePath, settings);
    if (!refused.empty()) {
        err << "quorvel: " << refused << '\n';
        return 2;
    }
    MyDocument document;
    if (!readDocument(document, path, err))
        return 1;
    std::string error;
    const QImage image = renderPicture(document.strainData(), settings, error);
    if (image.isNull()) {
        err << "quorvel: " << path << ": cannot be drawn offscreen: " << error << '\n';
        return 1;
    }
    QString problem;
    if (writeImage(QString::fromLocal8Bit(imagePath), image, formatOf(imagePath), problem))
        return 0;
    err << "quorvel: " << imagePath << ": the image could not be written: " << problem.toStdString()
        << '\n';
    return 1;
}
