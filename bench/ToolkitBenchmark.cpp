// Prints the median time of one pick of a 40 x 40 sphere (begin, draw,
// endTest with coordinates) and of one camera rebuild, on an 800 x 600
// offscreen context.
#include "Median.h"
#include "render/EglOffscreenContext.h"
#include "toolkit/GVCamera.h"
#include "toolkit/GVTester.h"

#include <GL/glu.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <mutex>
#include <string>

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1000;
    std::string error;
    std::shared_ptr<EglOffscreenContext> egl = EglOffscreenContext::create(800, 600, error);
    if (!egl) {
        std::fprintf(stderr, "toolkit_gl_benchmark: %s\n", error.c_str());
        return 1;
    }
    auto openGL = std::make_shared<GVOpenGLContext>();
    openGL->setOpenGLContext(egl);

    GVCamera camera;
    camera.attachWithOpenGLContext(openGL, GVRect{0, 0, 800, 600});
    camera.setElevation(-60.0f);
    camera.setAzimuth(30.0f);
    GVTester tester;
    tester.attachWithOpenGLContext(openGL);
    if (tester.setHitBufferSize(128) != 1 || tester.setNameDepth(1, 1) != 1) {
        std::fprintf(stderr, "toolkit_gl_benchmark: cannot size the hit tester\n");
        return 1;
    }
    GLUquadric* quadric = gluNewQuadric();

    int hits = 0;
    const double pick = medianMicroseconds(runs, [&](int) {
        tester.beginPickingWithRadius(0.5f, 410.0, 290.0);
        glLoadName(1);
        gluSphere(quadric, 1.0, 40, 40);
        tester.endTest(1);
        hits += tester.resultCount();
    });
    const double rebuild = medianMicroseconds(
        runs, [&](int i) { camera.setElevation(-60.0f + static_cast<float>(i % 60)); });

    {
        std::lock_guard guard(*openGL);
        gluDeleteQuadric(quadric);
    }
    std::printf("runs: %d (picks that hit the sphere: %d)\n", runs, hits);
    std::printf("median pick of a 40x40 sphere at 800x600: %.1f us\n", pick);
    std::printf("median camera rebuild (setElevation): %.2f us\n", rebuild);
    return hits == runs ? 0 : 1;
}
