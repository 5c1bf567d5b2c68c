// The window view's rendering context: the context of a QOpenGLWidget, made
// current together with the widget's framebuffer, which is where the view's
// frames and picks go.
#pragma once

#include "render/OpenGLContextHandle.h"

#include <QPointer>

class QOpenGLWidget;

class QtWidgetContextHandle final : public OpenGLContextHandle {
public:
    explicit QtWidgetContextHandle(QOpenGLWidget* widget);

    // Does nothing once the widget is gone: the toolkit's lock holding this
    // handle may outlive the view.
    void makeCurrent() override;

private:
    QPointer<QOpenGLWidget> widget_;
};
