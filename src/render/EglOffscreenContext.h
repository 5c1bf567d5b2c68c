// A desktop OpenGL compatibility-profile context that renders into an
// offscreen pbuffer through EGL on Mesa's surfaceless platform, so tests and
// headless rendering need no display server.
#pragma once

#include "toolkit/OpenGLContextHandle.h"

#include <EGL/egl.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// Whether the space-separated list names the extension as a whole word (one
// extension's name can be the start or the end of another's).
bool hasExtension(const char* extensions, const char* name);

class EglOffscreenContext final : public OpenGLContextHandle {
public:
    // A context with an RGBA8 pbuffer of width x height pixels and a 24-bit
    // depth buffer. Returns null, with the reason in error, when none can be had.
    static std::unique_ptr<EglOffscreenContext> create(int width, int height,
                                                       std::string& error);

    ~EglOffscreenContext() override;
    EglOffscreenContext(const EglOffscreenContext&) = delete;
    EglOffscreenContext& operator=(const EglOffscreenContext&) = delete;

    // EGL lets a context be current on one thread at a time: while it is
    // current elsewhere this fails and leaves the calling thread as it was.
    void makeCurrent() override;

    int width() const { return width_; }
    int height() const { return height_; }

    // The rendered image as width * height RGBA pixels, top row first. The
    // context must be current on the calling thread.
    std::vector<std::uint8_t> readPixels() const;

private:
    EglOffscreenContext(EGLDisplay display, EGLSurface surface, EGLContext context, int width,
                        int height);

    EGLDisplay display_;
    EGLSurface surface_;
    EGLContext context_;
    int width_;
    int height_;
};
