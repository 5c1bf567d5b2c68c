// The view in a real window with real mouse events: frames in device pixels,
// the press-drag-release cycle turning the camera, the spin that a flick
// leaves behind, and picks on the ellipsoid; in a document window, its
// focus, keys and wheel. Registered twice with CTest, at device pixel ratios
// 1 and 2, to catch logical and device pixels mixed up.
#include "view/StrainView.h"

#include "../support/WindowTest.h"
#include "controller/MyWindowController.h"
#include "document/MyDocument.h"
#include "model/StrainData.h"
#include "platform/UndoManager.h"
#include "render/SceneRenderer.h"
#include "toolkit/GVCamera.h"

#include <QCursor>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <memory>
#include <tuple>
#include <vector>

namespace {

constexpr double kPi = 3.14159265358979;

// Sets the camera up for the default scene (unit sphere, axes, orthographic
// from distance 10) and records the picks.
class SceneDelegate final : public StrainViewDelegate {
public:
    void setStrainView(StrainView* newView) override {
        view = newView;
        SceneRenderer::applyProjection(*view->camera(), model);
        SceneRenderer::applyDistance(*view->camera(), model);
    }
    void registerPick(const GLdouble pick[3]) override {
        picks.push_back({pick[0], pick[1], pick[2]});
    }
    void resetView() override {}
    void zoomView(float, bool) override {}
    void cancelPick() override {}

    StrainData model;
    StrainView* view = nullptr;
    std::vector<std::array<double, 3>> picks;
};

class StrainViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        view = std::make_unique<StrainView>();
        view->setDelegate(&delegate);
        view->setModel(&delegate.model);
        // The scene 400 by 300, inside the focus frame.
        frame = view->layout()->contentsMargins();
        view->resize(QSize(400, 300).grownBy(frame));
        view->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
        ASSERT_TRUE(QTest::qWaitFor([&] { return view->camera() != nullptr; }));
        ASSERT_EQ(delegate.view, view.get());
    }

    GVCamera& camera() { return *view->camera(); }

    void press(QPoint at) { QTest::mousePress(view->surface(), Qt::LeftButton, {}, at); }
    void click(QPoint at) { QTest::mouseClick(view->surface(), Qt::LeftButton, {}, at); }
    // Releases at a point with the pointer elsewhere: at the release point
    // for a pointer at rest, beyond it for one still moving.
    void release(QPoint at, QPoint movedOn = {}) {
        QCursor::setPos(view->surface()->mapToGlobal(at + movedOn));
        QTest::mouseRelease(view->surface(), Qt::LeftButton, {}, at);
    }
    // Presses at the first point, drags through the others and releases.
    void gesture(std::initializer_list<QPoint> path, QPoint movedOn = {}) {
        press(*path.begin());
        for (auto to = path.begin() + 1; to != path.end(); ++to)
            QTest::mouseMove(view->surface(), *to);
        release(*std::prev(path.end()), movedOn);
    }

    SceneDelegate delegate;
    std::unique_ptr<StrainView> view;
    QMargins frame;
};

TEST(StrainViewFirstFrame, ShowingTheViewDrawsOneFrame) {
    StrainView view;
    QSignalSpy frames(view.surface(), &QOpenGLWindow::frameSwapped);
    view.resize(400, 300);
    view.show();
    ASSERT_TRUE(frames.wait());
    QTest::qWait(200);
    EXPECT_EQ(frames.count(), 1);
}

TEST_F(StrainViewTest, DragsTurnHalfADegreePerPixelWithinTheElevationLimits) {
    camera().setElevation(-90);
    gesture({{200, 150}, {200, 140}}); // 10 pixels up
    EXPECT_FLOAT_EQ(camera().elevation(), -95);
    EXPECT_FLOAT_EQ(camera().azimuth(), 0);
    EXPECT_FALSE(view->isSpinning());
    EXPECT_TRUE(delegate.picks.empty()) << "a drag is no click";
    // Every move counts, each by its own step; right lowers the azimuth.
    gesture({{200, 150}, {210, 150}, {230, 154}});
    EXPECT_FLOAT_EQ(camera().azimuth(), 345);
    EXPECT_FLOAT_EQ(camera().elevation(), -93);

    camera().setElevation(-90);
    camera().setAzimuth(0);
    press({200, 150});
    // Up, far down (clamped at the top limit, not wrapped), 800 pixels left
    // (a turn and 40 degrees, no limit), back up into the view.
    const std::tuple<QPoint, float, float> moves[] = {
        {{200, -300}, -180, 0}, {{200, 1000}, 0, 0}, {{-600, 1000}, 0, 40}, {{10, 150}, -180, 95}};
    for (const auto& [to, elevation, azimuth] : moves) {
        QTest::mouseMove(view->surface(), to);
        EXPECT_FLOAT_EQ(camera().elevation(), elevation) << to.x() << ", " << to.y();
        EXPECT_FLOAT_EQ(camera().azimuth(), azimuth) << to.x() << ", " << to.y();
    }
    release({10, 150});
    EXPECT_FALSE(view->isSpinning());
}

TEST_F(StrainViewTest, FlickSpinsUntilTheLimitTheNextPressOrTheClose) {
    // Still moving down on release, without turning: the elevation rises
    // to its limit and the spin stops there.
    camera().setElevation(-90);
    gesture({{200, 150}, {200, 160}}, {0, 10});
    ASSERT_TRUE(view->isSpinning());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !view->isSpinning(); }));
    EXPECT_FLOAT_EQ(camera().elevation(), 0);
    EXPECT_FLOAT_EQ(camera().azimuth(), 0);

    // The pointer has moved on by 10 up and 10 right since the release:
    // each tick turns by 5 degrees down in elevation and in azimuth.
    camera().setElevation(-90);
    gesture({{200, 150}, {200, 140}}, {10, -10});
    ASSERT_TRUE(view->isSpinning());
    ASSERT_TRUE(QTest::qWaitFor([&] { return camera().elevation() == -180; }));
    const float azimuth = camera().azimuth();
    EXPECT_EQ(std::fmod(360.0f - azimuth, 5.0f), 0.0f) << azimuth;
    // With an azimuth change the spin goes on at the limit.
    ASSERT_TRUE(QTest::qWaitFor([&] { return camera().azimuth() != azimuth; }));
    EXPECT_TRUE(view->isSpinning());
    press({100, 100});
    EXPECT_FALSE(view->isSpinning());
    const float stopped = camera().azimuth();
    QTest::qWait(150);
    EXPECT_EQ(camera().azimuth(), stopped);
    release({100, 100});

    gesture({{200, 150}, {210, 150}}, {10, 0});
    ASSERT_TRUE(view->isSpinning());
    view->close();
    EXPECT_FALSE(view->isSpinning());
}

TEST_F(StrainViewTest, ClickPicksTheSurfaceUnderThePointer) {
    // 40 right of and 30 above the centre; the orthographic view from
    // distance 10 shows 150 / (10 tan 15 degrees) logical pixels per unit.
    const double scale = 150 / (10 * std::tan(15 * kPi / 180));
    click({240, 120});
    ASSERT_EQ(delegate.picks.size(), 1u);
    const auto& [x, y, z] = delegate.picks[0];
    EXPECT_NEAR(x, 40 / scale, 0.03);
    EXPECT_NEAR(y, 30 / scale, 0.03);
    EXPECT_NEAR(std::sqrt(x * x + y * y + z * z), 1, 0.03);
    EXPECT_GT(z, 0) << "the hit lies on the side facing the viewer";

    click({20, 20}); // background: nothing
    click({380, 150}); // on the red axis: the axes cannot be hit
    EXPECT_EQ(delegate.picks.size(), 1u);
}

TEST_F(StrainViewTest, MaterialPointsAreAsWideInLogicalPixelsAtEveryScale) {
    // Below the sphere, where no axis runs, on black.
    delegate.model.setPoint1(1, -1.5f);
    delegate.model.setShowPoint1(1);
    view->redraw();
    QTest::qWait(50);
    const QImage frame = view->grabFramebuffer();
    const qreal ratio = view->surface()->devicePixelRatio();
    // 1.5 units of 150 / (10 tan 15 degrees) logical pixels below the centre.
    const QPoint centre(int(200 * ratio), int((150 + 1.5 * 150 / (10 * std::tan(15 * kPi / 180))) * ratio));
    QRect lit;
    for (int y = centre.y() - 20; y <= centre.y() + 20; ++y)
        for (int x = centre.x() - 20; x <= centre.x() + 20; ++x)
            if (qGray(frame.pixel(x, y)) > 64)
                lit |= QRect(x, y, 1, 1);
    EXPECT_NEAR(lit.width(), 7 * ratio, 1);
    EXPECT_NEAR(lit.height(), 7 * ratio, 1);
}

// The view in a new document's window, as the user meets it.
class StrainViewWindowTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        window = shown(documents_->newDocument());
        view = window->windowController().strainView();
        ASSERT_TRUE(QTest::qWaitFor([&] { return view->camera() != nullptr; }));
    }

    StrainData& model() { return window->document().strainData(); }
    UndoManager& undo() { return window->undoManager(); }
    void wheel(int notches) {
        const QPointF at(100, 100);
        QWheelEvent event(at, view->surface()->mapToGlobal(at), {}, {0, 120 * notches},
                          Qt::NoButton, {}, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(view->surface(), &event);
        idle();
    }
    // The focus frame in the view's margin, as the window draws it.
    bool frameShows() const {
        return view->grab().toImage().pixel(0, 0) == view->palette().color(QPalette::Highlight).rgb();
    }

    DocumentWindow* window = nullptr;
    StrainView* view = nullptr;
};

TEST_F(StrainViewWindowTest, TakesTheFocusFromAClickAndTabAndShowsIt) {
    // Focus events may come after the click or key that caused them.
    const auto focusReaches = [](QWidget* widget) {
        return QTest::qWaitFor([widget] { return widget->hasFocus(); }, 2000);
    };
    auto* aField = window->findChild<QLineEdit*>("aField");
    QTest::mouseClick(aField, Qt::LeftButton);
    ASSERT_TRUE(focusReaches(aField));
    EXPECT_FALSE(view->showsFocus());
    EXPECT_FALSE(frameShows());

    QTest::mouseClick(view->surface(), Qt::LeftButton, {}, {20, 20});
    EXPECT_TRUE(focusReaches(view));
    EXPECT_TRUE(view->showsFocus());
    EXPECT_TRUE(frameShows());

    QTest::keyClick(view, Qt::Key_Tab);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !view->showsFocus(); }, 2000));
    EXPECT_FALSE(frameShows());
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_TRUE(focusReaches(view)) << "the view is the first tab stop";
    EXPECT_TRUE(frameShows());
}

// Each key, sent to the view and to its native window (which has the keys
// when a click made it the focus window).
TEST_F(StrainViewWindowTest, KeysTurnResetZoomAndCancel) {
    GVCamera& camera = *view->camera();
    const float distance = model().distance();
    const float zoomStep = std::pow(2.0f, 0.04f);
    struct Case {
        Qt::Key key;
        float elevation, azimuth, distance;
        const char* undoName;
    };
    // From elevation -90, azimuth 0.
    const Case cases[] = {
        {Qt::Key_Left, -90, 5, distance, ""},
        {Qt::Key_Right, -90, 355, distance, ""},
        {Qt::Key_Up, -95, 0, distance, ""},
        {Qt::Key_Down, -85, 0, distance, ""},
        {Qt::Key_Home, 0, 0, distance, ""},
        {Qt::Key_Plus, -90, 0, distance / zoomStep, "Zoom"},
        {Qt::Key_Minus, -90, 0, distance * zoomStep, "Zoom"},
    };
    for (const bool toSurface : {false, true}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << "key " << std::hex << c.key
                                             << (toSurface ? " to the native window" : ""));
            model().setDistance(distance);
            idle();
            undo().removeAllActions();
            camera.setElevation(-90);
            camera.setAzimuth(0);
            if (toSurface)
                QTest::keyClick(view->surface(), c.key);
            else
                QTest::keyClick(view, c.key);
            idle();
            EXPECT_FLOAT_EQ(camera.elevation(), c.elevation);
            EXPECT_FLOAT_EQ(camera.azimuth(), c.azimuth);
            EXPECT_NEAR(model().distance(), c.distance, 1e-4);
            EXPECT_EQ(undo().undoActionName(), c.undoName);
        }
    }
    // The drag's limits hold.
    camera.setElevation(0);
    QTest::keyClick(view, Qt::Key_Down);
    EXPECT_FLOAT_EQ(camera.elevation(), 0);
}

TEST_F(StrainViewWindowTest, EscapeStopsASpinOrCancelsAWaitingPick) {
    QTest::mouseClick(window->findChild<QPushButton*>("point2SetButton"), Qt::LeftButton);
    ASSERT_EQ(model().pointToSet(), 2);
    QTest::mousePress(view->surface(), Qt::LeftButton, {}, {100, 100});
    QTest::mouseMove(view->surface(), {110, 100});
    QCursor::setPos(view->surface()->mapToGlobal(QPoint(120, 100)));
    QTest::mouseRelease(view->surface(), Qt::LeftButton, {}, {110, 100});
    ASSERT_TRUE(view->isSpinning());

    QTest::keyClick(view, Qt::Key_Escape);
    EXPECT_FALSE(view->isSpinning());
    EXPECT_EQ(model().pointToSet(), 2) << "the first Escape only stops the spin";
    QTest::keyClick(view, Qt::Key_Escape);
    EXPECT_EQ(model().pointToSet(), 0);
    EXPECT_EQ(window->findChild<QPushButton*>("point2SetButton")->text(), "Set...");
}

TEST_F(StrainViewWindowTest, TheWheelZoomsOneUndoStepPerTurn) {
    const float distance = model().distance();
    wheel(1);
    wheel(1);
    wheel(-3);
    // Each notch scrolls three slider steps; forward comes closer.
    EXPECT_NEAR(model().distance(), distance * std::pow(2.0f, 0.12f), 1e-4);
    QTest::qWait(700); // the turn is over
    EXPECT_TRUE(window->isWindowModified());
    wheel(1);
    QTest::qWait(700);
    undo().undo();
    EXPECT_NEAR(model().distance(), distance * std::pow(2.0f, 0.12f), 1e-4);
    undo().undo();
    EXPECT_FLOAT_EQ(model().distance(), distance);
    EXPECT_FALSE(undo().canUndo());
}

} // namespace
