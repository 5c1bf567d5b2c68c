// The toolkit's lock: recursive, making its context current at every
// acquisition, and giving up at a deadline while another thread holds it.
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

TEST(GVOpenGLContext, EveryAcquisitionMakesCurrentAndOtherThreadsWaitUntilTheDeadline) {
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
    lock.unlock();

    std::thread([&] {
        EXPECT_TRUE(lock.lockBeforeDate(Clock::now() + 10s));
        EXPECT_EQ(handle->lastThread.load(), std::this_thread::get_id());
        lock.unlock();
    }).join();
    EXPECT_EQ(handle->calls, 4);
}

} // namespace
