#include "app/RenderCommand.h"

#include "app/CommandLine.h"
#include "app/FileWriting.h"
#include "app/ShaderCache.h"
#include "document/MyDocument.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageWriter>

#include <ostream>

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
} // namespace

QImage toImage(const Picture& picture) {
    const QImage image(picture.rgba.data(), picture.width, picture.height, picture.width * 4,
                       picture.opaque ? QImage::Format_RGBX8888
                                      : QImage::Format_RGBA8888_Premultiplied);
    return image.copy(); // the picture's pixels go with it
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
    const Picture picture = renderPicture(document.strainData(), settings, error);
    if (picture.isNull()) {
        err << "quorvel: " << path << ": cannot be drawn offscreen: " << error << '\n';
        return 1;
    }
    QString problem;
    if (writeImage(QString::fromLocal8Bit(imagePath), toImage(picture), formatOf(imagePath),
                   problem))
        return 0;
    err << "quorvel: " << imagePath << ": the image could not be written: " << problem.toStdString()
        << '\n';
    return 1;
}
