#include "view/StrainView.h"

#include "render/QtWidgetContextHandle.h"
#include "toolkit/GVCamera.h"
#include "toolkit/GVOpenGLContext.h"
#include "toolkit/GVTester.h"

#include <QCursor>
#include <QMouseEvent>
#include <QSurfaceFormat>
#include <QTimer>

#include <mutex>

namespace {
constexpr double kDegreesPerPixel = 0.5;
constexpr GLfloat kLowestElevation = -180.0f;
constexpr GLfloat kHighestElevation = 0.0f;
constexpr int kSpinIntervalMs = 50;
constexpr GLfloat kPickRegion = 0.5f; // pixels, width and height
constexpr GLint kHitBufferSize = 128;

// The change of an angle for a pointer movement: the difference in single
// precision, the product in double, rounded back to single.
GLfloat turn(qreal from, qreal to) {
    const float difference = static_cast<float>(from) - static_cast<float>(to);
    return static_cast<GLfloat>(static_cast<double>(difference) * kDegreesPerPixel);
}
} // namespace

StrainView::StrainView(QWidget* parent) : QOpenGLWidget(parent) {
    // The scene is drawn with OpenGL 1.x, which a core profile refuses, and
    // relies on the depth test.
    QSurfaceFormat surfaceFormat = format();
    surfaceFormat.setProfile(QSurfaceFormat::CompatibilityProfile);
    surfaceFormat.setDepthBufferSize(24);
    setFormat(surfaceFormat);
}

// The camera and tester let go of the lock before it goes; none of them
// issues OpenGL calls on the way out.
StrainView::~StrainView() = default;

void StrainView::stopTimer() {
    if (!timer_)
        return;
    timer_->stop();
    // The tick that ends a spin runs inside the timer's own signal.
    timer_->deleteLater();
    timer_ = nullptr;
}

void StrainView::initializeOpenGL() {
    openGL_ = std::make_shared<GVOpenGLContext>();
    openGL_->setOpenGLContext(std::make_shared<QtWidgetContextHandle>(this));

    // OpenGL sizes are device pixels.
    const qreal ratio = devicePixelRatioF();
    camera_ = std::make_unique<GVCamera>();
    camera_->attachWithOpenGLContext(
        openGL_, GVRect{0, 0, static_cast<float>(width() * ratio),
                        static_cast<float>(height() * ratio)});

    tester_ = std::make_unique<GVTester>();
    tester_->attachWithOpenGLContext(openGL_);
    tester_->setHitBufferSize(kHitBufferSize);
    tester_->setNameDepth(1, 1);

    {
        std::lock_guard guard(*openGL_);
        SceneRenderer::setFixedState();
    }

    if (delegate_)
        delegate_->setStrainView(this);
}

void StrainView::resizeGL(int, int) {
    // Before the first frame there is no camera; it takes the size it is made with.
    if (camera_) {
        const qreal ratio = devicePixelRatioF();
        camera_->setWidth(static_cast<GLfloat>(width() * ratio),
                          static_cast<GLfloat>(height() * ratio));
    }
    update();
}

void StrainView::paintGL() {
    if (!openGL_)
        initializeOpenGL();

    std::lock_guard guard(*openGL_);
    if (model_)
        renderer_.drawFrame(*model_);
    else
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glFinish();
}

QPointF StrainView::viewLocation(QPointF widgetPosition) const {
    return {widgetPosition.x(), height() - widgetPosition.y()};
}

void StrainView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QOpenGLWidget::mousePressEvent(event);
        return;
    }
    stopTimer();
    location_ = viewLocation(event->position());
    tracking_ = true;
    didDrag_ = false;
}

void StrainView::mouseMoveEvent(QMouseEvent* event) {
    if (!tracking_ || !(event->buttons() & Qt::LeftButton)) {
        QOpenGLWidget::mouseMoveEvent(event);
        return;
    }
    oldLocation_ = location_;
    location_ = viewLocation(event->position());
    didDrag_ = true;
    handleDrag();
}

void StrainView::mouseReleaseEvent(QMouseEvent* event) {
    if (!tracking_ || event->button() != Qt::LeftButton) {
        QOpenGLWidget::mouseReleaseEvent(event);
        return;
    }
    oldLocation_ = location_;
    location_ = viewLocation(event->position());
    tracking_ = false;
    if (didDrag_)
        handleDragEnd(event->globalPosition().toPoint());
    else
        handleClick();
}

void StrainView::hideEvent(QHideEvent* event) {
    stopTimer();
    QOpenGLWidget::hideEvent(event);
}

void StrainView::handleDrag() { spinView(nullptr); }

void StrainView::handleDragEnd(QPoint releaseGlobal) {
    // QCursor::pos() is whole logical pixels, while event positions may fall
    // between them when the device pixel ratio is not 1; comparing both as
    // whole global pixels keeps a pointer at rest from starting a spin.
    const QPoint pointer = QCursor::pos();
    oldLocation_ = location_;
    location_ = viewLocation(mapFromGlobal(QPointF(pointer)));
    if (pointer == releaseGlobal)
        return;

    timer_ = new QTimer(this);
    connect(timer_, &QTimer::timeout, this, [this, timer = timer_] { spinView(timer); });
    timer_->start(kSpinIntervalMs);
}

void StrainView::spinView(const QTimer* sender) {
    if (!camera_)
        return;
    const GLfloat elevationChange = turn(oldLocation_.y(), location_.y());
    const GLfloat azimuthChange = turn(oldLocation_.x(), location_.x());

    // A spin that only tilts ends at the limit it moves towards; the tick
    // before has clamped the elevation onto it.
    if (timer_ && sender == timer_ && azimuthChange == 0.0f) {
        const GLfloat elevation = camera_->elevation();
        if ((elevationChange <= 0.0f && elevation == kLowestElevation) ||
            (elevationChange >= 0.0f && elevation == kHighestElevation))
            stopTimer();
    }

    camera_->setElevation(camera_->elevation() + elevationChange, kLowestElevation,
                          kHighestElevation);
    camera_->setAzimuth(camera_->azimuth() + azimuthChange);
    update();
}

void StrainView::handleClick() {
    if (!tester_ || !model_ || !delegate_)
        return;
    // The tester works in OpenGL window coordinates: device pixels.
    const qreal ratio = devicePixelRatioF();
    tester_->beginPickingWithRadius(kPickRegion, location_.x() * ratio, location_.y() * ratio);
    renderer_.drawEllipsoid(*model_);
    if (tester_->endTest(1) && tester_->resultCount() > 0)
        delegate_->registerPick(tester_->coordinatesForResult(0));
}
