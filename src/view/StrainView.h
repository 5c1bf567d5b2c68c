// The document window's OpenGL view. It draws in a native OpenGL window of its
// own, hosted in the document window, so that a frame costs the drawing and a
// swap rather than a re-composition of the whole window. It owns the OpenGL
// lock, camera and hit tester, sets the fixed OpenGL state once, and on every
// frame has the renderer draw the model it was handed. A drag turns the
// camera, a drag released while the pointer still moves keeps the scene
// spinning, and a click picks a spot on the ellipsoid. The view takes the
// keyboard focus from a click or Tab and shows it with a frame: the arrows
// turn the camera, Home resets the view, + and - and the wheel zoom, and
// Escape stops a spin or cancels a waiting pick.
#pragma once

#include "render/SceneRenderer.h"

#include <QOpenGLWindow>
#include <QPointF>
#include <QWidget>

#include <GL/gl.h>

#include <memory>

class GVCamera;
class GVOpenGLContext;
class GVTester;
class QTimer;
class StrainData;
class StrainView;

// What the view needs of the window's controller.
class StrainViewDelegate {
public:
    // The view introduces itself once its OpenGL objects exist.
    virtual void setStrainView(StrainView* view) = 0;
    // The scene position of the surface under a click.
    virtual void registerPick(const GLdouble pick[3]) = 0;
    // Home: the plan view.
    virtual void resetView() = 0;
    // Steps of the zoom slider, positive to come closer; from the wheel,
    // the notches of one turn make one undo step.
    virtual void zoomView(float steps, bool fromWheel) = 0;
    // Escape with no spin: the point waiting for a pick waits no more.
    virtual void cancelPick() = 0;

protected:
    ~StrainViewDelegate() = default;
};

class StrainView : public QWidget {
    Q_OBJECT
public:
    explicit StrainView(QWidget* parent = nullptr);
    ~StrainView() override;

    // The native window that the frames go to and that receives the mouse.
    QOpenGLWindow* surface() const { return surface_; }
    // Schedules a frame.
    void redraw();
    // What the view shows, in device pixels; null before the first frame.
    QImage grabFramebuffer();

    void setDelegate(StrainViewDelegate* delegate) { delegate_ = delegate; }
    // The model that frames show and clicks pick on; it outlives the view.
    // Every change the model announces brings a new frame: no control has to
    // remember to ask for one.
    void setModel(const StrainData* model);

    // Null until the first frame has set the view up.
    GVCamera* camera() const { return camera_.get(); }

    bool isSpinning() const { return timer_ != nullptr; }
    // Ends a spin.
    void stopTimer();

protected:
    // A hidden view (its window closed, say) stops spinning.
    void hideEvent(QHideEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    class Surface;

    void resizeGL();
    void paintGL();
    void mousePressEvent(QMouseEvent* event);
    void mouseMoveEvent(QMouseEvent* event);
    void mouseReleaseEvent(QMouseEvent* event);
    void wheelEvent(QWheelEvent* event);
    // The keys of both the view and its native window; false for a key that
    // the view leaves to others.
    bool handleKey(const QKeyEvent* event);
    void focusChanged();
    // Device pixels per logical pixel of the surface.
    qreal ratio() const;
    // The lock, camera and tester, the fixed OpenGL state, and the
    // introduction to the delegate; run by the first frame.
    void initializeOpenGL();
    // The three outcomes of a press-drag-release cycle.
    void handleDrag();
    void handleDragEnd(QPoint releaseGlobal);
    void handleClick();
    // One step of rotation by half the pointer's last movement; sender is the
    // spin timer when a tick calls it, null for a drag.
    void spinView(const QTimer* sender);
    // Event positions (logical pixels, y down) in view coordinates: logical
    // pixels with the origin at the lower left, y up.
    QPointF viewLocation(QPointF widgetPosition) const;

    QOpenGLWindow* surface_;
    StrainViewDelegate* delegate_ = nullptr;
    const StrainData* model_ = nullptr;
    SceneRenderer renderer_;
    std::shared_ptr<GVOpenGLContext> openGL_;
    std::unique_ptr<GVCamera> camera_;
    std::unique_ptr<GVTester> tester_;
    // A child of the view while the scene spins, otherwise null.
    QTimer* timer_ = nullptr;
    QPointF location_;
    QPointF oldLocation_;
    // Between a left-button press and its release.
    bool tracking_ = false;
    bool didDrag_ = false;
    bool showsFocus_ = false;
};
