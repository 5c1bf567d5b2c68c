// The yardstick for window_benchmark: the same scene, drawn with the same
// renderer and camera, in a plain X window through GLX, without Qt. Prints the
// median time of a full frame (turn, draw, swap) at 800 x 600.
// Run under a display: bare_frame_benchmark [EXAMPLE] [RUNS]
#include "Median.h"
#include "document/MyDocument.h"
#include "render/SceneRenderer.h"
#include "toolkit/GVCamera.h"
#include "toolkit/GVOpenGLContext.h"

#include <GL/glx.h>
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <mutex>

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;

class GlxContextHandle final : public OpenGLContextHandle {
public:
    GlxContextHandle(Display* display, Window window, GLXContext context)
        : display_(display), window_(window), context_(context) {}
    void makeCurrent() override { glXMakeCurrent(display_, window_, context_); }

private:
    Display* display_;
    Window window_;
    GLXContext context_;
};

} // namespace

int main(int argc, char* argv[]) {
    const char* example = argc > 1 ? argv[1] : QUORVEL_EXAMPLES "/restarted-with-points.quorvel";
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 500;

    MyDocument document;
    std::string error;
    if (!document.readFromFile(example, error)) {
        std::fprintf(stderr, "bare_frame_benchmark: %s: %s\n", example, error.c_str());
        return 1;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "bare_frame_benchmark: no X display\n");
        return 1;
    }
    int attributes[] = {GLX_RGBA, GLX_DOUBLEBUFFER, GLX_RED_SIZE, 8, GLX_GREEN_SIZE, 8,
                        GLX_BLUE_SIZE, 8, GLX_DEPTH_SIZE, 24, None};
    XVisualInfo* visual = glXChooseVisual(display, DefaultScreen(display), attributes);
    if (!visual) {
        std::fprintf(stderr, "bare_frame_benchmark: no double-buffered RGB visual\n");
        return 1;
    }
    const Window root = RootWindow(display, visual->screen);
    XSetWindowAttributes windowAttributes{};
    windowAttributes.colormap = XCreateColormap(display, root, visual->visual, AllocNone);
    windowAttributes.event_mask = ExposureMask;
    const Window window =
        XCreateWindow(display, root, 0, 0, kWidth, kHeight, 0, visual->depth, InputOutput,
                      visual->visual, CWColormap | CWEventMask, &windowAttributes);
    XMapWindow(display, window);
    for (XEvent event; XNextEvent(display, &event), event.type != Expose;) {
    }
    const GLXContext context = glXCreateContext(display, visual, nullptr, True);

    auto openGL = std::make_shared<GVOpenGLContext>();
    openGL->setOpenGLContext(std::make_shared<GlxContextHandle>(display, window, context));
    const StrainData& model = document.strainData();
    double frame = 0;
    {
        GVCamera camera;
        camera.attachWithOpenGLContext(openGL, GVRect{0, 0, kWidth, kHeight});
        SceneRenderer::applyProjection(camera, model);
        SceneRenderer::applyDistance(camera, model);
        SceneRenderer renderer;
        {
            std::lock_guard guard(*openGL);
            SceneRenderer::setFixedState();
        }
        frame = medianMicroseconds(runs, [&](int i) {
            camera.setAzimuth(static_cast<float>(i % 360));
            std::lock_guard guard(*openGL);
            renderer.drawFrame(model);
            glXSwapBuffers(display, window);
        });
    }
    glXMakeCurrent(display, None, nullptr);
    glXDestroyContext(display, context);
    XDestroyWindow(display, window);
    XFree(visual);
    XCloseDisplay(display);

    std::printf("%s, %d runs at %d x %d, GLX without Qt\n", example, runs, kWidth, kHeight);
    std::printf("median full frame (turn, draw, swap): %.2f ms\n", frame / 1000.0);
    return 0;
}
