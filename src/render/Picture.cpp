#include "render/Picture.h"

#include "render/EglOffscreenContext.h"
#include "render/SceneRenderer.h"
#include "toolkit/GVCamera.h"
#include "toolkit/GVOpenGLContext.h"

#include <algorithm>
#include <memory>
#include <mutex>

namespace {

Picture drawOpaque(const StrainData& model, const RenderSettings& settings, std::string& error) {
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
    for (std::size_t alpha = 3; alpha < pixels.size(); alpha += 4)
        pixels[alpha] = 255;
    return {settings.width, settings.height, std::move(pixels)};
}

// Over black a pixel shows its premultiplied colour, over white that plus
// the uncovered part in every channel: the difference gives the coverage.
Picture matte(const Picture& overBlack, const Picture& overWhite) {
    Picture picture = overBlack;
    picture.opaque = false;
    for (std::size_t i = 0; i < picture.rgba.size(); i += 4) {
        int uncovered = 0;
        for (std::size_t c = 0; c < 3; ++c)
            uncovered += overWhite.rgba[i + c] - overBlack.rgba[i + c];
        const int alpha = std::clamp(255 - uncovered / 3, 0, 255);
        for (std::size_t c = 0; c < 3; ++c)
            picture.rgba[i + c] =
                static_cast<std::uint8_t>(std::min<int>(overBlack.rgba[i + c], alpha));
        picture.rgba[i + 3] = static_cast<std::uint8_t>(alpha);
    }
    return picture;
}

} // namespace

Picture renderPicture(const StrainData& model, const RenderSettings& settings, std::string& error) {
    const Picture picture = drawOpaque(model, settings, error);
    if (picture.isNull() || settings.background != Background::Transparent)
        return picture;
    RenderSettings overWhite = settings;
    overWhite.background = Background::White;
    const Picture white = drawOpaque(model, overWhite, error);
    return white.isNull() ? white : matte(picture, white);
}
