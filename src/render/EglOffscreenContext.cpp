#include "render/EglOffscreenContext.h"

#include <EGL/eglext.h>
#include <GL/gl.h>

#include <cstdio>
#include <cstring>
#include <mutex>

namespace {

// Every offscreen context shares the process's one surfaceless display. It
// is initialised once and never terminated: terminating unloads the driver,
// whose process-wide caches would then be lost rather than freed, and would
// end the other contexts on the display as well.
std::mutex displayMutex;
bool displayInitialised = false;

std::string eglFailure(const char* what) {
    char text[128];
    std::snprintf(text, sizeof text, "%s failed (EGL error 0x%04X)", what,
                  static_cast<unsigned>(eglGetError()));
    return text;
}

// The initialised surfaceless display, or EGL_NO_DISPLAY with the reason.
EGLDisplay surfacelessDisplay(std::string& error) {
    if (!hasExtension(eglQueryString(EGL_NO_DISPLAY, EGL_EXTENSIONS),
                      "EGL_MESA_platform_surfaceless")) {
        error = "EGL offers no surfaceless platform (EGL_MESA_platform_surfaceless)";
        return EGL_NO_DISPLAY;
    }
    // An extension entry point: the dispatch library exports it only by lookup.
    const auto getPlatformDisplay = reinterpret_cast<PFNEGLGETPLATFORMDISPLAYEXTPROC>(
        eglGetProcAddress("eglGetPlatformDisplayEXT"));
    if (getPlatformDisplay == nullptr) {
        error = "EGL has no eglGetPlatformDisplayEXT";
        return EGL_NO_DISPLAY;
    }
    EGLDisplay display =
        getPlatformDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
    if (display == EGL_NO_DISPLAY) {
        error = eglFailure("eglGetPlatformDisplayEXT");
        return EGL_NO_DISPLAY;
    }
    std::lock_guard guard(displayMutex);
    if (!displayInitialised) {
        if (eglInitialize(display, nullptr, nullptr) != EGL_TRUE) {
            error = eglFailure("eglInitialize");
            return EGL_NO_DISPLAY;
        }
        displayInitialised = true;
    }
    return display;
}

} // namespace

bool hasExtension(const char* extensions, const char* name) {
    if (extensions == nullptr)
        return false;
    const std::size_t length = std::strlen(name);
    for (const char* p = std::strstr(extensions, name); p != nullptr;
         p = std::strstr(p + length, name)) {
        const bool startsWord = p == extensions || p[-1] == ' ';
        const bool endsWord = p[length] == '\0' || p[length] == ' ';
        if (startsWord && endsWord)
            return true;
    }
    return false;
}

std::unique_ptr<EglOffscreenContext> EglOffscreenContext::create(int width, int height,
                                                                 std::string& error) {
    if (width <= 0 || height <= 0) {
        error = "the offscreen image needs a positive width and height";
        return nullptr;
    }
    EGLDisplay display = surfacelessDisplay(error);
    if (display == EGL_NO_DISPLAY)
        return nullptr;

    EGLSurface surface = EGL_NO_SURFACE;
    EGLContext context = EGL_NO_CONTEXT;
    const auto fail = [&](std::string reason) -> std::unique_ptr<EglOffscreenContext> {
        error = std::move(reason);
        if (context != EGL_NO_CONTEXT)
            eglDestroyContext(display, context);
        if (surface != EGL_NO_SURFACE)
            eglDestroySurface(display, surface);
        return nullptr;
    };

    if (eglBindAPI(EGL_OPENGL_API) != EGL_TRUE)
        return fail(eglFailure("eglBindAPI(EGL_OPENGL_API)"));

    const EGLint configAttributes[] = {EGL_SURFACE_TYPE, EGL_PBUFFER_BIT,
                                       EGL_RENDERABLE_TYPE, EGL_OPENGL_BIT,
                                       EGL_RED_SIZE, 8,
                                       EGL_GREEN_SIZE, 8,
                                       EGL_BLUE_SIZE, 8,
                                       EGL_ALPHA_SIZE, 8,
                                       EGL_DEPTH_SIZE, 24,
                                       EGL_NONE};
    EGLConfig config = nullptr;
    EGLint configCount = 0;
    if (eglChooseConfig(display, configAttributes, &config, 1, &configCount) != EGL_TRUE)
        return fail(eglFailure("eglChooseConfig"));
    if (configCount < 1)
        return fail("EGL has no RGBA8 pbuffer configuration with a 24-bit depth buffer "
                    "for desktop OpenGL");

    // Selection mode and glBegin exist only in a compatibility profile.
    const EGLint contextAttributes[] = {EGL_CONTEXT_MAJOR_VERSION, 2,
                                        EGL_CONTEXT_MINOR_VERSION, 1,
                                        EGL_CONTEXT_OPENGL_PROFILE_MASK,
                                        EGL_CONTEXT_OPENGL_COMPATIBILITY_PROFILE_BIT,
                                        EGL_NONE};
    context = eglCreateContext(display, config, EGL_NO_CONTEXT, contextAttributes);
    if (context == EGL_NO_CONTEXT)
        return fail(eglFailure("eglCreateContext (OpenGL 2.1 compatibility profile)"));

    const EGLint surfaceAttributes[] = {EGL_WIDTH, width, EGL_HEIGHT, height, EGL_NONE};
    surface = eglCreatePbufferSurface(display, config, surfaceAttributes);
    if (surface == EGL_NO_SURFACE)
        return fail(eglFailure("eglCreatePbufferSurface"));

    return std::unique_ptr<EglOffscreenContext>(
        new EglOffscreenContext(display, surface, context, width, height));
}

EglOffscreenContext::EglOffscreenContext(EGLDisplay display, EGLSurface surface,
                                         EGLContext context, int width, int height)
    : display_(display), surface_(surface), context_(context), width_(width), height_(height) {}

EglOffscreenContext::~EglOffscreenContext() {
    // A context still current is only marked for deletion; let it go first.
    eglBindAPI(EGL_OPENGL_API);
    if (eglGetCurrentContext() == context_)
        eglMakeCurrent(display_, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
    eglDestroyContext(display_, context_);
    eglDestroySurface(display_, surface_);
}

void EglOffscreenContext::makeCurrent() {
    // EGL keeps the bound client API per thread, and a new thread's is OpenGL ES.
    eglBindAPI(EGL_OPENGL_API);
    eglMakeCurrent(display_, surface_, surface_, context_);
}

std::vector<std::uint8_t> EglOffscreenContext::readPixels() const {
    const std::size_t rowBytes = static_cast<std::size_t>(width_) * 4;
    std::vector<std::uint8_t> bottomUp(rowBytes * static_cast<std::size_t>(height_));
    GLint alignment = 4;
    glGetIntegerv(GL_PACK_ALIGNMENT, &alignment);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width_, height_, GL_RGBA, GL_UNSIGNED_BYTE, bottomUp.data());
    glPixelStorei(GL_PACK_ALIGNMENT, alignment);

    // OpenGL returns the bottom row first.
    std::vector<std::uint8_t> image(bottomUp.size());
    for (int row = 0; row < height_; ++row)
        std::memcpy(image.data() + static_cast<std::size_t>(row) * rowBytes,
                    bottomUp.data() + static_cast<std::size_t>(height_ - 1 - row) * rowBytes,
                    rowBytes);
    return image;
}
