#include "OffscreenGL.h"

#include "toolkit/GVCamera.h"

#include <EGL/egl.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <numbers>
#include <thread>

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// Counts makeCurrent calls and remembers the thread of the latest one.
struct CountingHandle : OpenGLContextHandle {
    void makeCurrent() override {
        lastThread = std::this_thread::get_id();
        ++calls;
    }
    std::atomic<int> calls{0};
    std::atomic<std::thread::id> lastThread{};
};

struct CountingLock {
    CountingLock() { lock.setOpenGLContext(handle); }
    std::shared_ptr<CountingHandle> handle = std::make_shared<CountingHandle>();
    GVOpenGLContext lock;
};

} // namespace

TEST(GVOpenGLContext, EveryAcquisitionMakesCurrentAndOtherThreadsFailWhileItIsHeld) {
    CountingLock c;
    c.lock.lock();
    c.lock.lock();
    EXPECT_TRUE(c.lock.tryLock());
    EXPECT_TRUE(c.lock.lockBeforeDate(Clock::now() + 1s));
    EXPECT_EQ(c.handle->calls, 4);
    for (int i = 0; i < 4; ++i)
        c.lock.unlock();
    EXPECT_EQ(c.handle->calls, 4) << "unlocking makes nothing current";

    // Released as often as taken: another thread gets it at once.
    std::thread([&] {
        EXPECT_TRUE(c.lock.tryLock());
        c.lock.unlock();
    }).join();
    EXPECT_EQ(c.handle->calls, 5);

    // Attempts from another thread fail while it is held and change nothing.
    c.lock.lock();
    std::thread([&] {
        EXPECT_FALSE(c.lock.tryLock());
        const auto limit = Clock::now() + 50ms;
        EXPECT_FALSE(c.lock.lockBeforeDate(limit));
        EXPECT_GE(Clock::now(), limit) << "gave up before the deadline";
        EXPECT_FALSE(c.lock.lockBeforeDate(Clock::now() - 1s));
    }).join();
    EXPECT_EQ(c.handle->calls, 6);
    EXPECT_EQ(c.handle->lastThread.load(), std::this_thread::get_id());

    // Once released, a waiting thread gets it and its context.
    std::thread waiter([&] {
        EXPECT_TRUE(c.lock.lockBeforeDate(Clock::now() + 10s));
        EXPECT_EQ(c.handle->lastThread.load(), std::this_thread::get_id());
        c.lock.unlock();
    });
    std::this_thread::sleep_for(20ms);
    c.lock.unlock();
    waiter.join();
    EXPECT_EQ(c.handle->calls, 7);
}

TEST(GVOpenGLContext, SettingTheHeldContextAgainKeepsIt) {
    GVOpenGLContext lock;
    std::weak_ptr<CountingHandle> watch;
    {
        auto handle = std::make_shared<CountingHandle>();
        watch = handle;
        lock.setOpenGLContext(std::move(handle));
    }
    lock.setOpenGLContext(watch.lock()); // the lock held the only reference
    ASSERT_FALSE(watch.expired());
    lock.lock();
    lock.unlock();
    EXPECT_EQ(watch.lock()->calls, 1);

    lock.setOpenGLContext(std::make_shared<CountingHandle>());
    EXPECT_TRUE(watch.expired()) << "the replaced context is let go";
}

using GVOpenGLContextOnEgl = OffscreenGL;

// The calling thread's current context must survive a failed attempt. The
// owner gives up the shared context (keeping the lock), so a wrong
// makeCurrent from the other thread would succeed and show.
TEST_F(GVOpenGLContextOnEgl, FailedAttemptsLeaveTheCallersCurrentContext) {
    std::string error;
    auto own = EglOffscreenContext::create(8, 8, error);
    ASSERT_NE(own, nullptr) << error;
    openGL->lock();
    const EGLDisplay display = eglGetCurrentDisplay();
    ASSERT_TRUE(eglMakeCurrent(display, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT));
    std::thread([&] {
        own->makeCurrent();
        const EGLContext before = eglGetCurrentContext();
        ASSERT_NE(before, EGL_NO_CONTEXT);
        EXPECT_FALSE(openGL->tryLock());
        EXPECT_EQ(eglGetCurrentContext(), before);
        EXPECT_FALSE(openGL->lockBeforeDate(Clock::now() + 20ms));
        EXPECT_EQ(eglGetCurrentContext(), before);
        eglMakeCurrent(display, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
    }).join();
    openGL->unlock();
}

TEST_F(GVOpenGLContextOnEgl, LockAndContextLiveWhileTheCameraHoldsThem) {
    std::weak_ptr<GVOpenGLContext> lock = openGL;
    std::weak_ptr<EglOffscreenContext> context = egl;
    egl.reset();
    {
        GVCamera camera;
        camera.attachWithOpenGLContext(openGL, GVRect{0, 0, 400, 300});
        openGL.reset(); // the view lets go first
        EXPECT_FALSE(lock.expired());
        EXPECT_FALSE(context.expired());
        camera.setElevation(-30.0f); // still reaches the same context
        std::lock_guard guard(*lock.lock());
        GLdouble modelview[16];
        glGetDoublev(GL_MODELVIEW_MATRIX, modelview);
        EXPECT_NEAR(modelview[10], std::cos(30.0 * std::numbers::pi / 180.0), 1e-6);
    }
    EXPECT_TRUE(lock.expired());
    EXPECT_TRUE(context.expired());
}

TEST_F(GVOpenGLContextOnEgl, ReadPixelsReturnsTheTopRowFirst) {
    std::lock_guard guard(*openGL);
    glEnable(GL_SCISSOR_TEST);
    for (const auto& [y, red] : {std::pair{0, 0.0f}, {height_ / 2, 1.0f}}) { // lower half blue
        glScissor(0, y, width_, height_ / 2);
        glClearColor(red, 0.0f, 1.0f - red, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
    }
    glDisable(GL_SCISSOR_TEST);
    glPixelStorei(GL_PACK_ALIGNMENT, 8);

    const std::vector<std::uint8_t> image = egl->readPixels();
    ASSERT_EQ(image.size(), static_cast<std::size_t>(width_) * height_ * 4);
    const auto pixel = [&](int x, int y) {
        const std::uint8_t* p = &image[(static_cast<std::size_t>(y) * width_ + x) * 4];
        return std::array<int, 4>{p[0], p[1], p[2], p[3]};
    };
    EXPECT_EQ(pixel(0, 0), (std::array<int, 4>{255, 0, 0, 255})) << "top row is red";
    EXPECT_EQ(pixel(width_ - 1, height_ - 1), (std::array<int, 4>{0, 0, 255, 255}));
    GLint alignment = 0;
    glGetIntegerv(GL_PACK_ALIGNMENT, &alignment);
    EXPECT_EQ(alignment, 8) << "the caller's pixel-store state is kept";
}

TEST(EglOffscreenContext, ReportsWhyNoContextCanBeMade) {
    std::string error;
    EXPECT_EQ(EglOffscreenContext::create(0, 300, error), nullptr);
    EXPECT_FALSE(error.empty());
}
