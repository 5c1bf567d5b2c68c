// Base of the toolkit objects that issue OpenGL calls. Each holds a counted
// reference to the shared lock and makes its calls only while holding it, so
// the lock and its context live as long as any object bound to them.
#pragma once

#include "toolkit/GVOpenGLContext.h"

#include <memory>
#include <utility>

class GVOpenGLObject {
public:
    GVOpenGLObject() = default;
    // A bound object owns OpenGL state (the camera its matrix-stack entries),
    // which a copy would share without knowing.
    GVOpenGLObject(const GVOpenGLObject&) = delete;
    GVOpenGLObject& operator=(const GVOpenGLObject&) = delete;

    // Binds to newContext; the previous lock is let go after the new one is held.
    void setOpenGLContext(std::shared_ptr<GVOpenGLContext> newContext) {
        openGL = std::move(newContext);
    }

protected:
    ~GVOpenGLObject() = default;

    std::shared_ptr<GVOpenGLContext> openGL;
};
