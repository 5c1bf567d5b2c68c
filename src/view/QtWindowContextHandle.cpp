#include "view/QtWindowContextHandle.h"

#include <QOpenGLWindow>

QtWindowContextHandle::QtWindowContextHandle(QOpenGLWindow* window) : window_(window) {}

void QtWindowContextHandle::makeCurrent() {
    if (window_)
        window_->makeCurrent();
}
