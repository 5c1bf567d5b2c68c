// The view in a document window, with real mouse, key and wheel events:
// the press-drag-release cycle turning the camera, the spin that a flick
// leaves behind, clicks that place material points on the ellipsoid, its
// focus, keys and wheel. Registered twice with CTest, at device pixel ratios
// 1 and 2, to catch logical and device pixels mixed up.
#include "view/StrainView.h"

#include "../support/WindowTest.h"
#include "model/StrainData.h"
#include "platform/UndoManager.h"
#include "toolkit/GVCamera.h"

#include <QCursor>
#include <QDialog>

#include <cmath>

namespace {

// A new document's view: the unit sphere with its axes, seen from above,
// orthographically from distance 10.
class StrainViewTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        window = shown(documents_->newDocument());
        view = window->windowController().strainView();
        ASSERT_TRUE(QTest::qWaitFor([&] { return view->camera() != nullptr; }));
    }

    GVCamera& camera() { return *view->camera(); }
    StrainData& model() { return window->document().strainData(); }
    UndoManager& undo() { return window->undoManager(); }

    // Where the scene point (x, y) of the plane z = 0 shows, in logical
    // pixels: the view's height spans 2 tan 15 degrees times the distance.
    QPoint at(double x, double y) const {
        const QSize size = view->surface()->size();
        const double perUnit = size.height() / (2 * std::tan(M_PI / 12) * 10);
        return QPoint(int(std::lround(size.width() / 2.0 + x * perUnit)),
                      int(std::lround(size.height() / 2.0 - y * perUnit)));
    }
    void press(QPoint at) { QTest::mousePress(view->surface(), Qt::LeftButton, {}, at); }
    void click(QPoint at) {
        QTest::mouseClick(view->surface(), Qt::LeftButton, {}, at);
        idle();
    }
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
    DocumentWindow* window = nullptr;
    StrainView* view = nullptr;
};

// A drag turns, and a flick spins until the limit, a press, Escape or the
// window's close.
TEST_F(StrainViewTest, DragsTurnHalfADegreePerPixelAndFlicksSpinUntilStopped) {
    // Every move counts, each by its own step; right lowers the azimuth.
    camera().setElevation(-95);
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

    // Still moving down on release, without turning: the elevation rises
    // to its limit and the spin stops there.
    camera().setElevation(-90);
    camera().setAzimuth(0);
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
    idle();
    EXPECT_EQ(camera().azimuth(), stopped);
    release({100, 100});

    // Escape stops a spin first, and then cancels a waiting pick. This flick
    // is slower: 4 pixels, 2 degrees a tick.
    QTest::mouseClick(control(window, "point2SetButton"), Qt::LeftButton);
    gesture({{200, 150}, {210, 150}}, {4, 0});
    ASSERT_TRUE(view->isSpinning());
    const float flicked = camera().azimuth();
    ASSERT_TRUE(QTest::qWaitFor([&] { return camera().azimuth() != flicked; }));
    const float turned = std::fmod(flicked - camera().azimuth() + 360.0f, 360.0f);
    EXPECT_TRUE(turned == 2 || turned == 4) << turned << " degrees, a tick or two";
    QTest::keyClick(view, Qt::Key_Escape);
    EXPECT_FALSE(view->isSpinning());
    EXPECT_EQ(model().pointToSet(), 2) << "the first Escape only stops the spin";
    QTest::keyClick(view, Qt::Key_Escape);
    EXPECT_EQ(model().pointToSet(), 0);
    EXPECT_EQ(control<QPushButton>(window, "point2SetButton")->text(), "Set...");

    gesture({{200, 150}, {210, 150}}, {10, 0});
    ASSERT_TRUE(view->isSpinning());
    window->close();
    EXPECT_FALSE(view->isSpinning());
}

// The sphere's point u is drawn at strain * (u + translation); under a shear
// the strain's inverse is not its transpose.
TEST_F(StrainViewTest, AClickStoresTheSpherePointUnderItForTheWaitingPoint) {
    type(window, "bField", "1"); // x' = x + y
    type(window, "xField", "0.25");
    click(at(0.3, -0.3)); // with no point waiting
    QTest::mouseClick(control<QPushButton>(window, "point1SetButton"), Qt::LeftButton);
    click(at(-1.5, 1.5)); // background
    click(at(3.2, 0)); // the x axis, which cannot be hit
    EXPECT_EQ(model().point1(0), 0.0f) << "none of these clicks stored a point";
    ASSERT_EQ(model().pointToSet(), 1);
    const float u[3] = {0.48f, 0.64f, 0.6f};
    click(at(u[0] + 0.25 + u[1], u[1]));
    for (int i = 0; i < 3; ++i)
        EXPECT_NEAR(model().point1(i), u[i], 0.03) << i;
    EXPECT_EQ(model().pointToSet(), 0);
    EXPECT_EQ(undo().undoActionName(), "Pick Material Point");
    undo().undo();
    EXPECT_EQ(model().point1(1), 0.0f);
    EXPECT_EQ(undo().undoActionName(), "Set X Value") << "one step for the pick";

    // In perspective a point at height z shows 10 / (10 - z) times as far out.
    model().setProjection(1);
    QTest::mouseClick(control<QPushButton>(window, "point1SetButton"), Qt::LeftButton);
    click(at((u[0] + 0.25 + u[1]) / 0.94, u[1] / 0.94));
    for (int i = 0; i < 3; ++i)
        EXPECT_NEAR(model().point1(i), u[i], 0.03) << i;

    // Flattened into the x-y plane: no point, and the point keeps waiting.
    type(window, "iField", "0");
    QTest::mouseClick(control<QPushButton>(window, "point2SetButton"), Qt::LeftButton);
    click(at(0.3, 0.3));
    EXPECT_EQ(model().point2(0), 0.0f);
    EXPECT_EQ(model().pointToSet(), 2);
    EXPECT_EQ(undo().undoActionName(), "Set I Value") << "no step renamed";
}

// The view draws again what a menu or a dialog over it covered, with no
// window manager or compositor to keep its pixels.
TEST_F(StrainViewTest, WhatAMenuOrADialogCoveredIsDrawnAgain) {
    ASSERT_TRUE(comesToShow(view, view->grabFramebuffer()));
    const QImage before = onScreen(view);
    QMenuBar* bar = window->menuBar();
    QAction* edit = bar->actions()[1];
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(edit).center());
    ASSERT_TRUE(comesToShow(view, before, false)) << "the menu is over the view";
    QTest::keyClick(edit->menu(), Qt::Key_Escape);
    EXPECT_TRUE(comesToShow(view, before)) << "the menu has gone";

    WindowTest::press(window, QKeySequence::HelpContents);
    auto* help = window->findChild<QDialog*>("mouseAndKeyboardHelp");
    ASSERT_TRUE(help && QTest::qWaitForWindowExposed(help));
    help->move(view->mapToGlobal(QPoint()));
    ASSERT_TRUE(comesToShow(view, before, false)) << "the dialog is over the view";
    help->close();
    EXPECT_TRUE(comesToShow(view, before)) << "the dialog has gone";
}

// Below the sphere, where no axis runs, on black.
TEST_F(StrainViewTest, MaterialPointsAreAsWideInLogicalPixelsAtEveryScale) {
    model().setPoint1(1, -1.5f);
    model().setShowPoint1(1);
    const QImage frame = view->grabFramebuffer();
    const qreal ratio = view->surface()->devicePixelRatio();
    const QPoint centre = at(0, -1.5) * ratio;
    QRect lit;
    for (int y = centre.y() - 20; y <= centre.y() + 20; ++y)
        for (int x = centre.x() - 20; x <= centre.x() + 20; ++x)
            if (qGray(frame.pixel(x, y)) > 64)
                lit |= QRect(x, y, 1, 1);
    EXPECT_NEAR(lit.width(), 7 * ratio, 1);
    EXPECT_NEAR(lit.height(), 7 * ratio, 1);
}

// Each key, sent to the view and to its native window (which has the keys
// when a click made it the focus window).
TEST_F(StrainViewTest, KeysTurnResetZoomAndCancel) {
    const float distance = model().distance();
    const float zoomStep = std::pow(2.0f, 0.04f);
    // From elevation -90, azimuth 0: the key, the elevation, azimuth and
    // distance, the undo step.
    const std::tuple<Qt::Key, float, float, float, std::string> cases[] = {
        {Qt::Key_Left, -90, 5, distance, ""},  {Qt::Key_Right, -90, 355, distance, ""},
        {Qt::Key_Up, -95, 0, distance, ""},    {Qt::Key_Down, -85, 0, distance, ""},
        {Qt::Key_Home, 0, 0, distance, ""},    {Qt::Key_Plus, -90, 0, distance / zoomStep, "Zoom"},
        {Qt::Key_Minus, -90, 0, distance * zoomStep, "Zoom"}};
    for (const bool toSurface : {false, true}) {
        for (const auto& [key, elevation, azimuth, zoomed, undoName] : cases) {
            SCOPED_TRACE(testing::Message() << "key " << std::hex << key
                                             << (toSurface ? " to the native window" : ""));
            model().setDistance(distance);
            idle();
            undo().removeAllActions();
            camera().setElevation(-90);
            camera().setAzimuth(0);
            toSurface ? QTest::keyClick(view->surface(), key) : QTest::keyClick(view, key);
            idle();
            EXPECT_FLOAT_EQ(camera().elevation(), elevation);
            EXPECT_FLOAT_EQ(camera().azimuth(), azimuth);
            EXPECT_NEAR(model().distance(), zoomed, 1e-4);
            EXPECT_EQ(undo().undoActionName(), undoName);
        }
    }
    view->setFocus(); // Tab in the view's own window leaves the view
    QTest::keyClick(view->surface(), Qt::Key_Tab);
    EXPECT_TRUE(QApplication::focusWidget() && QApplication::focusWidget() != view);
}

TEST_F(StrainViewTest, TheWheelZoomsOneUndoStepPerTurn) {
    const float distance = model().distance();
    // What the view does not act on passes on: a sideways turn, a release
    // without its press.
    EXPECT_FALSE(turnWheel(view->surface(), 1, Qt::Horizontal));
    const QPointF middle = at(0, 0);
    QMouseEvent release(QEvent::MouseButtonRelease, middle, view->surface()->mapToGlobal(middle),
                        Qt::LeftButton, {}, {});
    QCoreApplication::sendEvent(view->surface(), &release);
    EXPECT_FALSE(release.isAccepted());
    turnWheel(view->surface(), 1);
    turnWheel(view->surface(), 1);
    turnWheel(view->surface(), -3);
    // Each notch scrolls three slider steps; forward comes closer.
    EXPECT_NEAR(model().distance(), distance * std::pow(2.0f, 0.12f), 1e-4);
    const auto turnIsOver = [&] { return undo().groupingLevel() == 0; };
    ASSERT_TRUE(QTest::qWaitFor(turnIsOver));
    EXPECT_TRUE(window->isWindowModified());
    turnWheel(view->surface(), 1);
    ASSERT_TRUE(QTest::qWaitFor(turnIsOver));
    undo().undo();
    EXPECT_NEAR(model().distance(), distance * std::pow(2.0f, 0.12f), 1e-4);
    undo().undo();
    EXPECT_FLOAT_EQ(model().distance(), distance);
    EXPECT_FALSE(undo().canUndo());

    // A slow turn, longer than a quick turn's pause but with each notch soon
    // after the last, is one step too.
    for (int notch = 0; notch < 4; ++notch) {
        turnWheel(view->surface(), 1);
        QTest::qWait(250); // the gesture's own pace
    }
    ASSERT_TRUE(QTest::qWaitFor(turnIsOver));
    undo().undo();
    EXPECT_FLOAT_EQ(model().distance(), distance);
    EXPECT_FALSE(undo().canUndo());
}

} // namespace
