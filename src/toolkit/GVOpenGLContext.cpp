#include "toolkit/GVOpenGLContext.h"

#include <utility>

void GVOpenGLContext::setOpenGLContext(std::shared_ptr<OpenGLContextHandle> newContext) {
    // The parameter holds the new reference; the old one goes only once the
    // new one is in place.
    openGLContext = std::move(newContext);
}

void GVOpenGLContext::lock() {
    mutex_.lock();
    makeContextCurrent();
}

bool GVOpenGLContext::tryLock() {
    if (!mutex_.try_lock())
        return false;
    makeContextCurrent();
    return true;
}

bool GVOpenGLContext::lockBeforeDate(std::chrono::steady_clock::time_point limit) {
    if (!mutex_.try_lock_until(limit))
        return false;
    makeContextCurrent();
    return true;
}

void GVOpenGLContext::unlock() { mutex_.unlock(); }

void GVOpenGLContext::makeContextCurrent() {
    if (openGLContext)
        openGLContext->makeCurrent();
}
