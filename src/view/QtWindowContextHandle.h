// The window view's rendering context: the context of a QOpenGLWindow, made
// current on the window's surface, which is where the view's frames and picks
// go.
#pragma once

#include "toolkit/OpenGLContextHandle.h"

#include <QPointer>

class QOpenGLWindow;

class QtWindowContextHandle final : public OpenGLContextHandle {
public:
    explicit QtWindowContextHandle(QOpenGLWindow* window);

    // Does nothing once the window is gone: the toolkit's lock holding this
    // handle may outlive the view.
    void makeCurrent() override;

private:
    QPointer<QOpenGLWindow> window_;
};
