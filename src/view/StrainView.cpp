#include "view/StrainView.h"

#include "platform/NotificationCenter.h"
#include "view/QtWindowContextHandle.h"
#include "toolkit/GVCamera.h"
#include "toolkit/GVOpenGLContext.h"
#include "toolkit/GVTester.h"

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QPainter>
#include <QSurfaceFormat>
#include <QTimer>
#include <QVBoxLayout>

#include <mutex>

namespace {
constexpr double kDegreesPerPixel = 0.5;
constexpr GLfloat kLowestElevation = -180.0f;
constexpr GLfloat kHighestElevation = 0.0f;
constexpr int kSpinIntervalMs = 50;
constexpr GLfloat kPickRegion = 0.5f; // pixels, width and height
constexpr GLint kHitBufferSize = 128;
constexpr GLfloat kDegreesPerKey = 5.0f;
// The frame that shows the keyboard focus, in logical pixels.
constexpr int kFocusFrame = 2;

// The change of an angle for a pointer movement: the difference in single
// precision, the product in double, rounded back to single.
GLfloat turn(qreal from, qreal to) {
    const float difference = static_cast<float>(from) - static_cast<float>(to);
    return static_cast<GLfloat>(static_cast<double>(difference) * kDegreesPerPixel);
}
} // namespace

// The native window passes its frames and mouse events to the view. Every
// paint event from the window system (an exposure: the first showing, or a
// menu, dialog or window gone from over the view) means the window's pixels
// are lost, so it asks for a frame; those requests and the view's own are
// drawn once, at the next turn of the event loop. A posted paint event with
// nothing new since the last frame is dropped, so that showing the view,
// which brings two such paint events, draws one frame, not two.
class StrainView::Surface final : public QOpenGLWindow {
public:
    explicit Surface(StrainView& view) : view_(view) {}

    // QWindow::update() holds a frame back by a few milliseconds, as long as
    // drawing the scene takes; a posted paint event draws it at the next turn
    // of the event loop instead, one at a time.
    void requestFrame() {
        frameDue_ = true;
        if (framePosted_)
            return;
        framePosted_ = true;
        QCoreApplication::postEvent(this, new QPaintEvent(QRect(QPoint(), size())));
    }

protected:
    bool event(QEvent* event) override {
        switch (event->type()) {
        case QEvent::Expose:
        case QEvent::Resize:
        case QEvent::UpdateRequest:
            frameDue_ = true;
            break;
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::DragLeave:
        case QEvent::Drop:
            // The window around the view takes or refuses what is dropped;
            // the view itself takes nothing.
            event->ignore();
            QCoreApplication::sendEvent(view_.window(), event);
            return true;
        case QEvent::Paint:
            if (event->spontaneous()) {
                requestFrame();
                return true;
            }
            framePosted_ = false;
            if (!frameDue_ || !isExposed())
                return true;
            break;
        default:
            break;
        }
        return QOpenGLWindow::event(event);
    }
    void resizeGL(int, int) override { view_.resizeGL(); }
    void paintGL() override {
        frameDue_ = false;
        view_.paintGL();
    }
    void mousePressEvent(QMouseEvent* event) override { view_.mousePressEvent(event); }
    void mouseMoveEvent(QMouseEvent* event) override { view_.mouseMoveEvent(event); }
    void mouseReleaseEvent(QMouseEvent* event) override { view_.mouseReleaseEvent(event); }
    void wheelEvent(QWheelEvent* event) override { view_.wheelEvent(event); }
    // A click can make this window the focus window of its own; the keys then
    // come here, and Tab leaves for the widgets around the view.
    void keyPressEvent(QKeyEvent* event) override {
        if (view_.handleKey(event))
            return;
        if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab) {
            view_.window()->activateWindow();
            view_.setFocus(Qt::TabFocusReason);
            view_.focusNextPrevChild(event->key() == Qt::Key_Tab);
            return;
        }
        event->ignore();
    }
    void focusInEvent(QFocusEvent*) override { view_.focusChanged(); }
    void focusOutEvent(QFocusEvent*) override { view_.focusChanged(); }

private:
    StrainView& view_;
    bool frameDue_ = true;
    bool framePosted_ = false;
};

StrainView::StrainView(QWidget* parent) : QWidget(parent), surface_(new Surface(*this)) {
    // The scene is drawn with OpenGL 1.x, which a core profile refuses, and
    // relies on the depth test.
    QSurfaceFormat surfaceFormat = surface_->format();
    surfaceFormat.setProfile(QSurfaceFormat::CompatibilityProfile);
    surfaceFormat.setDepthBufferSize(24);
    surface_->setFormat(surfaceFormat);

    // The container owns the surface and fills the view inside the focus
    // frame. The view itself is the one tab stop.
    setFocusPolicy(Qt::StrongFocus);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kFocusFrame, kFocusFrame, kFocusFrame, kFocusFrame);
    QWidget* container = QWidget::createWindowContainer(surface_, this);
    container->setFocusPolicy(Qt::NoFocus);
    layout->addWidget(container);
}

// The camera and tester let go of the lock before it goes; none of them
// issues OpenGL calls on the way out.
StrainView::~StrainView() { NotificationCenter::defaultCenter().removeObserver(this); }

void StrainView::setModel(const StrainData* model) {
    NotificationCenter& center = NotificationCenter::defaultCenter();
    center.removeObserver(this);
    model_ = model;
    if (model_)
        center.addObserver(this, {}, model_, [this](const Notification&) { redraw(); });
    redraw();
}

void StrainView::stopTimer() {
    if (!timer_)
        return;
    timer_->stop();
    // The tick that ends a spin runs inside the timer's own signal.
    timer_->deleteLater();
    timer_ = nullptr;
}

qreal StrainView::ratio() const { return surface_->devicePixelRatio(); }

void StrainView::initializeOpenGL() {
    openGL_ = std::make_shared<GVOpenGLContext>();
    openGL_->setOpenGLContext(std::make_shared<QtWindowContextHandle>(surface_));

    // OpenGL sizes are device pixels.
    camera_ = std::make_unique<GVCamera>();
    camera_->attachWithOpenGLContext(
        openGL_, GVRect{0, 0, static_cast<float>(surface_->width() * ratio()),
                        static_cast<float>(surface_->height() * ratio())});

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

// The window paints after every resize by itself, so the first frame is
// drawn once.
void StrainView::resizeGL() {
    // Before the first frame there is no camera; it takes the size it is made with.
    if (camera_)
        camera_->setWidth(static_cast<GLfloat>(surface_->width() * ratio()),
                          static_cast<GLfloat>(surface_->height() * ratio()));
}

void StrainView::paintGL() {
    if (!openGL_)
        initializeOpenGL();

    std::lock_guard guard(*openGL_);
    renderer_.setPixelRatio(static_cast<float>(ratio()));
    if (model_)
        renderer_.drawFrame(*model_);
    else
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

void StrainView::redraw() { static_cast<Surface*>(surface_)->requestFrame(); }

QImage StrainView::grabFramebuffer() {
    if (!openGL_)
        return {};
    // After a swap the back buffer holds nothing defined: the frame is drawn
    // again there and read back.
    paintGL();
    return surface_->grabFramebuffer();
}

QPointF StrainView::viewLocation(QPointF widgetPosition) const {
    return {widgetPosition.x(), surface_->height() - widgetPosition.y()};
}

void StrainView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    setFocus(Qt::MouseFocusReason);
    stopTimer();
    location_ = viewLocation(event->position());
    tracking_ = true;
    didDrag_ = false;
}

void StrainView::mouseMoveEvent(QMouseEvent* event) {
    if (!tracking_ || !(event->buttons() & Qt::LeftButton)) {
        event->ignore();
        return;
    }
    oldLocation_ = location_;
    location_ = viewLocation(event->position());
    didDrag_ = true;
    handleDrag();
}

void StrainView::mouseReleaseEvent(QMouseEvent* event) {
    if (!tracking_ || event->button() != Qt::LeftButton) {
        event->ignore();
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

void StrainView::wheelEvent(QWheelEvent* event) {
    const int eighthsOfDegree = event->angleDelta().y();
    if (eighthsOfDegree == 0 || !delegate_) {
        event->ignore();
        return;
    }
    // A notch is 120 and scrolls as many slider steps as it scrolls lines.
    delegate_->zoomView(static_cast<float>(eighthsOfDegree) / 120.0f *
                            static_cast<float>(QApplication::wheelScrollLines()),
                        true);
}

void StrainView::keyPressEvent(QKeyEvent* event) {
    if (!handleKey(event))
        QWidget::keyPressEvent(event);
}

bool StrainView::handleKey(const QKeyEvent* event) {
    // Shortcuts with Ctrl or Alt belong to the menus.
    if (event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier))
        return false;
    // The arrows turn as a drag in their direction would.
    GLfloat elevationChange = 0.0f;
    GLfloat azimuthChange = 0.0f;
    switch (event->key()) {
    case Qt::Key_Left:
        azimuthChange = kDegreesPerKey;
        break;
    case Qt::Key_Right:
        azimuthChange = -kDegreesPerKey;
        break;
    case Qt::Key_Up:
        elevationChange = -kDegreesPerKey;
        break;
    case Qt::Key_Down:
        elevationChange = kDegreesPerKey;
        break;
    case Qt::Key_Home:
        if (delegate_)
            delegate_->resetView();
        return true;
    case Qt::Key_Plus:
    case Qt::Key_Equal:
    case Qt::Key_Minus:
        if (delegate_)
            delegate_->zoomView(event->key() == Qt::Key_Minus ? -1.0f : 1.0f, false);
        return true;
    case Qt::Key_Escape:
        if (isSpinning())
            stopTimer();
        else if (delegate_)
            delegate_->cancelPick();
        return true;
    default:
        return false;
    }
    if (camera_) {
        camera_->setElevation(camera_->elevation() + elevationChange, kLowestElevation,
                              kHighestElevation);
        camera_->setAzimuth(camera_->azimuth() + azimuthChange);
        redraw();
    }
    return true;
}

void StrainView::focusInEvent(QFocusEvent* event) {
    focusChanged();
    QWidget::focusInEvent(event);
}

void StrainView::focusOutEvent(QFocusEvent* event) {
    focusChanged();
    QWidget::focusOutEvent(event);
}

void StrainView::focusChanged() {
    const bool focused = hasFocus() || QGuiApplication::focusWindow() == surface_;
    if (focused == showsFocus_)
        return;
    showsFocus_ = focused;
    // Only the frame: the scene inside it is as it was.
    update(QRegion(rect()).subtracted(contentsRect()));
}

void StrainView::paintEvent(QPaintEvent*) {
    if (showsFocus_)
        QPainter(this).fillRect(rect(), palette().color(QPalette::Highlight));
}

void StrainView::hideEvent(QHideEvent* event) {
    stopTimer();
    QWidget::hideEvent(event);
}

void StrainView::handleDrag() { spinView(nullptr); }

void StrainView::handleDragEnd(QPoint releaseGlobal) {
    // QCursor::pos() is whole logical pixels, while event positions may fall
    // between them when the device pixel ratio is not 1; comparing both as
    // whole global pixels keeps a pointer at rest from starting a spin.
    const QPoint pointer = QCursor::pos();
    oldLocation_ = location_;
    location_ = viewLocation(surface_->mapFromGlobal(QPointF(pointer)));
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
    redraw();
}

void StrainView::handleClick() {
    if (!tester_ || !model_ || !delegate_)
        return;
    // The tester works in OpenGL window coordinates: device pixels.
    tester_->beginPickingWithRadius(kPickRegion, location_.x() * ratio(), location_.y() * ratio());
    renderer_.drawEllipsoid(*model_);
    if (tester_->endTest(1) && tester_->resultCount() > 0)
        delegate_->registerPick(tester_->coordinatesForResult(0));
}
