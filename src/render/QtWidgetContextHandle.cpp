#include "render/QtWidgetContextHandle.h"

#include <QOpenGLWidget>

QtWidgetContextHandle::QtWidgetContextHandle(QOpenGLWidget* widget) : widget_(widget) {}

void QtWidgetContextHandle::makeCurrent() {
    if (widget_)
        widget_->makeCurrent();
}
