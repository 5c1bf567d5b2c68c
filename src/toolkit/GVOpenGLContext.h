// The lock around every group of OpenGL calls in the program. It owns the
// rendering context they go to and makes that context current on the thread
// that takes it, at every acquisition, nested ones included. Releasing the
// lock leaves the context current.
#pragma once

#include "toolkit/OpenGLContextHandle.h"

#include <chrono>
#include <memory>
#include <mutex>

class GVOpenGLContext {
public:
    GVOpenGLContext() = default;
    GVOpenGLContext(const GVOpenGLContext&) = delete;
    GVOpenGLContext& operator=(const GVOpenGLContext&) = delete;

    // Replaces the context made current by later acquisitions. Neither locks
    // nor makes anything current; passing the context already held is harmless.
    void setOpenGLContext(std::shared_ptr<OpenGLContextHandle> newContext);

    // The lock is recursive: every successful lock, tryLock or lockBeforeDate
    // needs its own unlock. A failed attempt changes nothing.
    void lock();
    bool tryLock();
    bool lockBeforeDate(std::chrono::steady_clock::time_point limit);
    void unlock();

private:
    void makeContextCurrent();

    std::recursive_timed_mutex mutex_;
    std::shared_ptr<OpenGLContextHandle> openGLContext;
};
