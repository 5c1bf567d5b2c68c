// quorvel --render: draws a document as its window shows it when opened, in
// an offscreen OpenGL context, with the window's drawing code, and writes the
// picture in the format that the file's suffix names. Needs no display server.
#pragma once

#include <QImage>

#include <iosfwd>
#include <string>

class StrainData;

// The largest side of a picture: 16384 x 16384 pixels take 1 GiB already.
inline constexpr int kMaxImageSide = 16384;

enum class Background { Black, White, Transparent };

struct RenderSettings {
    int width = 800;
    int height = 600;
    // The camera's angles in degrees; both 0 is the plan view.
    float elevation = 0.0f;
    float azimuth = 0.0f;
    // The window draws on black.
    Background background = Background::Black;
    // Device pixels per logical pixel: points and lines are this much wider.
    float pixelRatio = 1.0f;
};

// The scene of model at the settings' size, seen from the settings' angles
// with the model's projection and distance, opaque, on white for a white
// background and on black otherwise. Returns a null image, with the reason
// in error, when no offscreen context can be had.
QImage renderImage(const StrainData& model, const RenderSettings& settings, std::string& error);

// The picture as renderImage draws it, but with a transparent background
// where the settings ask for one (drawn over black and over white, the
// difference giving the coverage).
QImage renderPicture(const StrainData& model, const RenderSettings& settings, std::string& error);

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
