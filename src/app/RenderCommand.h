// quorvel --render: draws a document as its window shows it when opened, in
// an offscreen OpenGL context, with the window's drawing code, and writes the
// picture as a PNG. Needs no display server.
#pragma once

#include <QImage>

#include <iosfwd>
#include <string>
#include <string_view>

class StrainData;

struct RenderSettings {
    int width = 800;
    int height = 600;
    // The camera's angles in degrees; both 0 is the plan view.
    float elevation = 0.0f;
    float azimuth = 0.0f;
};

// The scene of model at the settings' size, seen from the settings' angles
// with the model's projection and distance. Returns a null image, with the
// reason in error, when no offscreen context can be had.
QImage renderImage(const StrainData& model, const RenderSettings& settings, std::string& error);

// Reads path as Open does and writes its picture to imagePath. A failure
// gives one line "quorvel: FILE: problem" on err. Returns the exit status.
int renderDocument(const std::string& path, const std::string& imagePath,
                   const RenderSettings& settings, std::ostream& err);

// The whole command from the arguments that follow --render:
//   FILE OUT.png [--size WIDTHxHEIGHT] [--elevation DEGREES] [--azimuth DEGREES]
// What follows --render on the command line, for the usage lines.
inline constexpr std::string_view kRenderArguments =
    "FILE OUT.png [--size WIDTHxHEIGHT] [--elevation DEGREES] [--azimuth DEGREES]";

// Bad arguments give a usage line on err and status 2.
int renderCommand(int argc, const char* const argv[], std::ostream& err);
