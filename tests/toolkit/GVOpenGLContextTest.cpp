#include "render/EglOffscreenContext.h"
#include "toolkit/GVOpenGLContext.h"

#include <gtest/gtest.h>

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

TEST(EglOffscreenContext, ReportsWhyNoContextCanBeMade) {
    std::string error;
    EXPECT_EQ(EglOffscreenContext::create(0, 300, error), nullptr);
    EXPECT_FALSE(error.empty());
}
