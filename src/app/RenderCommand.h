// quorvel --render: draws a document as its window shows it when opened, in
// an offscreen OpenGL context, with the window's drawing code, and writes the
// picture in the format that the file's suffix names. Needs no display server.
#pragma once

#include "render/Picture.h"

#include <QImage>

#include <iosfwd>
#include <string>

// The picture as a Qt image, for writing and for the clipboard.
QImage toImage(const Picture& picture);

// The format that path's suffix names, among the lossless and common ones
// that Qt writes in colour here; empty when it names none.
QByteArray imageFormat(const QString& path);
// The suffixes imageFormat accepts, each with its dot.
QStringList imageSuffixes();
bool keepsTransparency(const QByteArray& format);

// Encodes image in format and puts it at path so that a failure leaves no
// half-written file in place of an earlier one; false, with the reason in
// error, when that fails.
bool writeImage(const QString& path, const QImage& image, const QByteArray& format,
                QString& error);

// Why imagePath cannot take the picture: its suffix names no format that
// can be written, or one without transparency for a transparent
// background. Empty when it can.
std::string refusedImage(const std::string& imagePath, const RenderSettings& settings);

// Reads path as Open does and writes its picture to imagePath. A failure
// gives one line "quorvel: FILE: problem" on err. Returns the exit status:
// 2 for an image path that refusedImage refuses, 1 for any other failure.
int renderDocument(const std::string& path, const std::string& imagePath,
                   const RenderSettings& settings, std::ostream& err);
