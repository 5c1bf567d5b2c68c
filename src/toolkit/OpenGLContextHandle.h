// A rendering context that the scene toolkit's lock makes current whenever it
// is taken. The window's view and the offscreen renderer each provide one.
#pragma once

class OpenGLContextHandle {
public:
    virtual ~OpenGLContextHandle() = default;

    // Makes this context the calling thread's current OpenGL context.
    virtual void makeCurrent() = 0;
};
