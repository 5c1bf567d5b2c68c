#include "OffscreenGL.h"

#include "toolkit/GVCamera.h"

#include <EGL/egl.h>

#include <atomic>
#include <chrono>
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

TEST(GVOpenGLContext, EveryAcquisitionMakesCurrentAndOtherThreadsWaitForTheLastRelease) {
    GVOpenGLContext lock;
    auto handle = std::make_shared<CountingHandle>();
    lock.setOpenGLContext(handle);
    lock.lock();
    EXPECT_TRUE(lock.tryLock());
    EXPECT_TRUE(lock.lockBeforeDate(Clock::now() + 1s));
    EXPECT_EQ(handle->calls, 3);
    lock.unlock();
    lock.unlock();
    std::thread([&] {
        EXPECT_FALSE(lock.tryLock());
        const auto limit = Clock::now() + 50ms;
        EXPECT_FALSE(lock.lockBeforeDate(limit));
        EXPECT_GE(Clock::now(), limit) << "gave up before the deadline";
    }).join();
    EXPECT_EQ(handle->calls, 3) << "a failed attempt makes nothing current";

    std::thread waiter([&] {
        EXPECT_TRUE(lock.lockBeforeDate(Clock::now() + 10s));
        EXPECT_EQ(handle->lastThread.load(), std::this_thread::get_id());
        lock.unlock();
    });
    std::this_thread::sleep_for(20ms);
    lock.unlock();
    waiter.join();
    EXPECT_EQ(handle->calls, 4);

    std::weak_ptr<CountingHandle> watch = handle;
    handle.reset();
    lock.setOpenGLContext(watch.lock()); // the lock held the only reference
    ASSERT_FALSE(watch.expired());
    lock.setOpenGLContext(std::make_shared<CountingHandle>());
    EXPECT_TRUE(watch.expired()) << "the replaced context is let go";
}

} // namespace

using GVOpenGLContextOnEgl = OffscreenGL;

// The owner gives up the shared context (keeping the lock), so a wrong
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
        EXPECT_FALSE(openGL->tryLock());
        EXPECT_FALSE(openGL->lockBeforeDate(Clock::now() + 20ms));
        EXPECT_EQ(eglGetCurrentContext(), before);
        eglMakeCurrent(display, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
    }).join();
    openGL->unlock();
}

TEST_F(GVOpenGLContextOnEgl, TheCameraKeepsLockAndContextAlive) {
    std::weak_ptr<GVOpenGLContext> lock = openGL;
    std::weak_ptr<EglOffscreenContext> context = egl;
    egl.reset();
    {
        GVCamera camera;
        camera.attachWithOpenGLContext(openGL, GVRect{0, 0, 400, 300});
        openGL.reset(); // the view lets go first
        EXPECT_FALSE(lock.expired() || context.expired());
    }
    EXPECT_TRUE(lock.expired() && context.expired());
}

TEST(EglOffscreenContext, ReportsWhyNoContextCanBeMade) {
    std::string error;
    EXPECT_EQ(EglOffscreenContext::create(0, 300, error), nullptr);
    EXPECT_FALSE(error.empty());
}
