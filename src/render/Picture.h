// The scene drawn offscreen, without a display, with the window's drawing
// code: the picture that --render writes and Export Image saves, as plain
// pixels, so that drawing it needs no toolkit.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

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

// RGBA, eight bits a channel, the top row first, the colours premultiplied
// by alpha; opaque unless the background was transparent.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgba;
    bool opaque = true;
    bool isNull() const { return rgba.empty(); }
};

// The scene of model at the settings' size, seen from the settings' angles
// with the model's projection and distance, on white for a white background
// and on black otherwise; for a transparent one, drawn over black and over
// white, the difference giving the coverage. Null, with the reason in error,
// when no offscreen context can be had.
Picture renderPicture(const StrainData& model, const RenderSettings& settings, std::string& error);
