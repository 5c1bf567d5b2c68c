#include "controller/MyWindowController.h"
#include "document/MyDocument.h"
#include "model/StrainData.h"
#include "platform/FloatSlider.h"
#include "toolkit/GVCamera.h"
#include "view/StrainView.h"

#include <QAccessible>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

// One document window: the document, the window that hosts the interface and
// its controller, shown on screen.
struct Window {
    explicit Window(const std::string& text = {}) {
        if (!text.empty()) {
            std::string error;
            EXPECT_TRUE(document.loadDataRepresentation(text, MyDocument::kTypeName, error))
                << error;
        }
        host.resize(1100, 760);
        controller = std::make_unique<MyWindowController>(document, &host);
        host.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&host));
    }
    ~Window() { controller.reset(); }

    StrainData& model() { return document.strainData(); }
    UndoManager& undo() { return document.undoManager(); }
    MyWindowController& c() { return *controller; }

    // Types into a field and presses Return, as the user does; the event is
    // then over.
    void type(QLineEdit* field, const QString& text) {
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Return);
        endEvent();
    }
    void click(QAbstractButton* button) {
        // Check boxes and radio buttons answer on their box and label, at the left.
        const bool box = qobject_cast<QCheckBox*>(button) || qobject_cast<QRadioButton*>(button);
        const QPoint at = box ? QPoint(8, button->height() / 2) : button->rect().center();
        QTest::mouseClick(button, Qt::LeftButton, {}, at);
        endEvent();
    }
    void key(QWidget* widget, Qt::Key key) {
        widget->setFocus();
        QTest::keyClick(widget, key);
        endEvent();
    }
    // The application closes the event's undo group when its loop waits.
    void endEvent() { undo().closeEventGroup(); }

    // Waits until the view has drawn and introduced itself.
    GVCamera* camera() {
        EXPECT_TRUE(QTest::qWaitFor([&] { return c().strainView()->camera() != nullptr; }));
        return c().strainView()->camera();
    }

    MyDocument document;
    QWidget host;
    std::unique_ptr<MyWindowController> controller;
};

std::string exampleText(const char* name) {
    MyDocument document;
    std::string error;
    EXPECT_TRUE(document.readFromFile(std::string(QUORVEL_EXAMPLES) + "/" + name, error)) << error;
    return document.convertForStorage();
}

QString shown(float value) {
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(static_cast<double>(value), 'f', 6);
}

} // namespace

TEST(MyWindowController, AnOpenedDocumentsControlsShowItsValues) {
    Window w(exampleText("restarted-with-points.quorvel"));
    StrainData& m = w.model();
    EXPECT_EQ(w.c().aField()->text(), "1.500000");
    EXPECT_EQ(w.c().bField()->text(), shown(m.strainEntry(4)));
    EXPECT_EQ(w.c().xField()->text(), "0.000000");
    EXPECT_EQ(w.c().lightXField()->text(), "3.000000");
    EXPECT_EQ(w.c().lightYField()->text(), "-2.000000");
    EXPECT_EQ(w.c().point1XField()->text(), shown(m.point1(0)));
    EXPECT_TRUE(w.c().point1ShowCheckbox()->isChecked());
    EXPECT_EQ(w.c().projectionPopUp()->currentIndex(), 1);
    EXPECT_EQ(w.c().animationPopUp()->currentIndex(), 0);
    EXPECT_EQ(w.c().animationPopUp()->currentText(), "a");
    EXPECT_EQ(w.c().sliderMinField()->text(), "0.500000");
    EXPECT_EQ(w.c().sliderMaxField()->text(), "2.000000");
    EXPECT_EQ(w.c().animationSlider()->floatValue(), 1.5f);
    EXPECT_TRUE(w.c().showAxesCheckbox()->isChecked());
    EXPECT_FALSE(w.c().markAxesCheckbox()->isChecked());
    EXPECT_EQ(w.c().constraintRadioCluster()->checkedId(), 2);
    EXPECT_EQ(w.c().translucencySlider()->floatValue(), 0.8f);
    EXPECT_EQ(w.c().zoomSlider()->floatValue(), 0.0f);
    EXPECT_EQ(w.c().point1SetButton()->text(), "Set...");

    // The camera starts from the saved projection and distance.
    GVCamera* camera = w.camera();
    ASSERT_NE(camera, nullptr);
    EXPECT_EQ(camera->projection(), 1);
    EXPECT_EQ(camera->distance(), 10.0f);

    // Filling the window registered nothing: there is nothing to undo.
    w.endEvent();
    EXPECT_FALSE(w.undo().canUndo());
}

TEST(MyWindowController, ANotificationOfAnotherDocumentChangesNothingHere) {
    Window first, second;
    second.model().setStrain(0, 3.0f);
    second.model().setTranslation(1, 2.0f);
    second.model().setShowAxes(0);
    EXPECT_EQ(second.c().aField()->text(), "3.000000");
    EXPECT_EQ(first.c().aField()->text(), "1.000000");
    EXPECT_EQ(first.c().yField()->text(), "0.000000");
    EXPECT_TRUE(first.c().showAxesCheckbox()->isChecked());

    // Undo in one window undoes that document only.
    first.type(first.c().cField(), "0.25");
    second.endEvent();
    second.undo().undo();
    EXPECT_EQ(first.model().strainEntry(8), 0.25f);
}

TEST(MyWindowController, StrainFieldsFollowTheSideTheMatrixActsFrom) {
    Window w;
    w.type(w.c().bField(), "0.5");
    EXPECT_EQ(w.model().strainEntry(4), 0.5f) << "b is row 1, column 2 acting on the left";
    EXPECT_EQ(w.c().bField()->text(), "0.500000");
    EXPECT_EQ(w.undo().undoMenuItemTitle(), "Undo Set B Value");

    w.key(w.c().actingOnPopUp(), Qt::Key_Down); // choose "Right"
    EXPECT_EQ(w.model().actingOnRight(), 1);
    EXPECT_EQ(w.undo().undoMenuItemTitle(), "Undo Act On Right");
    EXPECT_EQ(w.model().strainEntry(1), 0.5f);
    EXPECT_EQ(w.c().bField()->text(), "0.500000") << "b now reads element 1";
    EXPECT_EQ(w.c().dField()->text(), "0.000000");

    w.type(w.c().dField(), "0.75");
    EXPECT_EQ(w.model().strainEntry(4), 0.75f) << "d is element 4 acting on the right";
}

TEST(MyWindowController, TextThatIsNoNumberAppliesZeroAndUndoRestores) {
    Window w;
    w.type(w.c().xField(), "1.25");
    w.type(w.c().xField(), "abc");
    EXPECT_EQ(w.model().translation(0), 0.0f);
    EXPECT_EQ(w.c().xField()->text(), "0.000000") << "the field shows what was applied";
    EXPECT_EQ(w.undo().undoMenuItemTitle(), "Undo Set X Value");
    w.undo().undo();
    EXPECT_EQ(w.model().translation(0), 1.25f);
    EXPECT_EQ(w.c().xField()->text(), "1.250000");

    w.type(w.c().aField(), "2.5 units");
    EXPECT_EQ(w.model().strainEntry(0), 2.5f) << "trailing text is ignored";
}

// Whatever is typed, the model holds finite numbers only: a number beyond a
// float, or an edit whose arithmetic overflows, changes nothing, makes no
// undo step, and the field shows again the value that stayed.
TEST(MyWindowController, ANumberBeyondAFloatOrAnOverflowChangesNothing) {
    Window w;
    w.type(w.c().aField(), "1e30");
    w.click(w.c().preserveVolumeCheckbox()); // row 1 now shrinks as row 0 grows
    const struct {
        QLineEdit* field;
        const char* typed;
    } cases[] = {{w.c().xField(), "1e39"},        {w.c().lightYField(), "-1e39"},
                 {w.c().sliderMaxField(), "1e39"}, {w.c().point3ZField(), "1e39"},
                 {w.c().aField(), "1e-30"},       {w.c().aField(), "1e39"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        const QString before = c.field->text();
        w.type(c.field, c.typed);
        EXPECT_EQ(c.field->text(), before);
        EXPECT_EQ(w.undo().undoMenuItemTitle(), "Undo Preserve Volume");
    }
    EXPECT_EQ(w.model().strainEntry(0), 1e30f);

    // Typing what a field shows and leaving it applies exactly that number.
    const QString shownA = w.c().aField()->text();
    w.host.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w.host));
    w.c().aField()->setFocus();
    QTest::keyClick(w.c().aField(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(w.c().aField(), shownA);
    w.c().bField()->setFocus();
    w.endEvent();
    EXPECT_EQ(w.c().aField()->text(), shownA);
    EXPECT_EQ(w.undo().undoMenuItemTitle(), "Undo Set A Value");
    EXPECT_EQ(w.model().strainEntry(0), 1e30f);
    EXPECT_EQ(w.model().strainEntry(5), 1.0f);
}

TEST(MyWindowController, AMaximumShowsSixDecimalsInTheUsersLocale) {
    {
        Window w;
        w.type(w.c().sliderMaxField(), "2");
        EXPECT_EQ(w.model().strainMax(4), 2.0f) << "animation field b drives element 4";
        EXPECT_EQ(w.c().sliderMaxField()->text(), "2.000000");
        EXPECT_EQ(w.undo().undoMenuItemTitle(), "Undo Set Slider Max Value");
    }
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    {
        Window w;
        w.type(w.c().sliderMaxField(), "2");
        EXPECT_EQ(w.c().sliderMaxField()->text(), "2,000000");
        w.type(w.c().aField(), "1,5");
        EXPECT_EQ(w.model().strainEntry(0), 1.5f) << "the user's decimal mark reads back";
        EXPECT_EQ(w.c().aField()->text(), "1,500000");
    }
    QLocale::setDefault(before);
}

TEST(MyWindowController, TheAnimationSliderFollowsItsQuantityOnly) {
    Window w;
    w.key(w.c().animationPopUp(), Qt::Key_End); // z, the last item
    ASSERT_EQ(w.model().animationField(), 12);
    w.key(w.c().animationPopUp(), Qt::Key_Up); // y
    ASSERT_EQ(w.model().animationField(), 11);
    EXPECT_EQ(w.undo().undoMenuItemTitle(), "Undo Select Animation Field");

    w.type(w.c().sliderMaxField(), "4");
    EXPECT_EQ(w.model().translationMax(1), 4.0f);
    w.type(w.c().yField(), "3");
    EXPECT_EQ(w.c().animationSlider()->floatValue(), 3.0f);
    w.type(w.c().xField(), "0.5");
    EXPECT_EQ(w.c().animationSlider()->floatValue(), 3.0f) << "x is not the animated quantity";
    w.undo().undo();
    w.undo().undo();
    EXPECT_EQ(w.c().animationSlider()->floatValue(), 0.0f) << "undo moves the slider too";

    // The slider drives y.
    w.key(w.c().animationSlider(), Qt::Key_End);
    EXPECT_EQ(w.model().translation(1), 4.0f);
    EXPECT_EQ(w.c().yField()->text(), "4.000000");
    EXPECT_EQ(w.undo().undoMenuItemTitle(), "Undo Adjust Animation Slider");
}

TEST(MyWindowController, ANewAnimationItemBringsItsBoundsBeforeItsValue) {
    Window w;
    w.model().setStrainMin(5, 4.0f);
    w.model().setStrainMax(5, 6.0f);
    w.model().setStrain(5, 5.5f);
    w.endEvent();
    EXPECT_EQ(w.c().animationSlider()->floatValue(), 0.0f) << "b drives element 4";

    w.c().animationPopUp()->setFocus();
    QTest::keyClick(w.c().animationPopUp(), Qt::Key_Home);
    for (int i = 0; i < 4; ++i)
        QTest::keyClick(w.c().animationPopUp(), Qt::Key_Down);
    w.endEvent();
    ASSERT_EQ(w.model().animationField(), 4) << "e";
    EXPECT_EQ(w.c().sliderMinField()->text(), "4.000000");
    EXPECT_EQ(w.c().sliderMaxField()->text(), "6.000000");
    FloatSlider* slider = w.c().animationSlider();
    EXPECT_EQ(slider->minValue(), 4.0f);
    EXPECT_EQ(slider->maxValue(), 6.0f);
    EXPECT_EQ(slider->floatValue(), 5.5f);
    EXPECT_EQ(slider->value(), (slider->maximum() * 3) / 4) << "the handle three quarters along";

    // Acting on the right, e still drives element 5; b drives element 1.
    w.key(w.c().actingOnPopUp(), Qt::Key_Down);
    EXPECT_EQ(w.c().animatedIndex(), 5);
    w.model().setAnimationField(1);
    EXPECT_EQ(w.c().animatedIndex(), 1);
}

TEST(MyWindowController, CheckBoxesAndTheRadioClusterNameTheirSteps) {
    Window w;
    int paints = 0; // frames drawn
    w.camera(); // drawn once
    const QMetaObject::Connection counter = QObject::connect(
        w.c().strainView()->surface(), &QOpenGLWindow::frameSwapped, [&paints] { ++paints; });

    w.click(w.c().preserveVolumeCheckbox());
    EXPECT_EQ(w.model().preserveVolume(), 1);
    EXPECT_EQ(w.undo().undoMenuItemTitle(), "Undo Preserve Volume");
    w.click(w.c().preserveVolumeCheckbox());
    EXPECT_EQ(w.undo().undoMenuItemTitle(), "Undo Don't Preserve Volume");
    QTest::qWait(100);
    EXPECT_EQ(paints, 0) << "the volume rule changes nothing on screen";

    w.click(w.c().showAxesCheckbox());
    EXPECT_EQ(w.model().showAxes(), 0);
    EXPECT_EQ(w.undo().undoMenuItemTitle(), "Undo Hide Axes");
    EXPECT_TRUE(QTest::qWaitFor([&] { return paints > 0; })) << "hiding the axes redraws";

    w.click(w.c().markAxesCheckbox());
    EXPECT_EQ(w.undo().undoMenuItemTitle(), "Undo Mark Axes");
    w.click(w.c().point2ShowCheckbox());
    EXPECT_EQ(w.model().showPoint2(), 1);
    EXPECT_EQ(w.undo().undoMenuItemTitle(), "Undo Show Point 2");

    w.click(qobject_cast<QAbstractButton*>(w.c().constraintRadioCluster()->button(0)));
    EXPECT_EQ(w.model().constraint(), 0);
    EXPECT_EQ(w.undo().undoMenuItemTitle(), "Undo Set Constraint");
    w.undo().undo();
    EXPECT_EQ(w.c().constraintRadioCluster()->checkedId(), 2);
    QObject::disconnect(counter);
}

TEST(MyWindowController, PointButtonsToggleTheWaitAndNameNoStep) {
    Window w;
    w.type(w.c().point1XField(), "0.5");
    EXPECT_EQ(w.undo().undoMenuItemTitle(), "Undo Set Point 1 X Value");

    w.click(w.c().point1SetButton());
    EXPECT_EQ(w.model().pointToSet(), 1);
    EXPECT_EQ(w.c().point1SetButton()->text(), "Cancel");
    w.click(w.c().point2SetButton());
    EXPECT_EQ(w.model().pointToSet(), 2);
    EXPECT_EQ(w.c().point1SetButton()->text(), "Set...");
    EXPECT_EQ(w.c().point2SetButton()->text(), "Cancel");
    w.click(w.c().point2SetButton());
    EXPECT_EQ(w.model().pointToSet(), 0);
    EXPECT_EQ(w.c().point2SetButton()->text(), "Set...");
    EXPECT_EQ(w.undo().undoMenuItemTitle(), "Undo Set Point 1 X Value")
        << "the earlier step keeps its own name";
}

TEST(MyWindowController, ProjectionNamesItsStepByTheItemChosen) {
    Window w;
    GVCamera* camera = w.camera();
    w.key(w.c().projectionPopUp(), Qt::Key_Down);
    EXPECT_EQ(w.model().projection(), 1);
    EXPECT_EQ(camera->projection(), 1);
    EXPECT_EQ(w.undo().undoMenuItemTitle(), "Undo Project in Perspective");
    w.key(w.c().projectionPopUp(), Qt::Key_Up);
    EXPECT_EQ(camera->projection(), 0);
    EXPECT_EQ(w.undo().undoMenuItemTitle(), "Undo Project Isometrically");
}

TEST(MyWindowController, ZoomDoublesAndHalvesTheDistanceAndWidensThePlanes) {
    Window w;
    GVCamera* camera = w.camera();
    ASSERT_EQ(camera->hither(), 1.0f);
    ASSERT_EQ(camera->yon(), 100.0f);

    w.key(w.c().zoomSlider(), Qt::Key_PageUp); // one doubling
    EXPECT_EQ(w.model().distance(), 20.0f);
    EXPECT_EQ(camera->distance(), 20.0f);
    EXPECT_EQ(w.c().zoomSlider()->floatValue(), 0.0f) << "the slider is relative";
    EXPECT_EQ(w.undo().undoMenuItemTitle(), "Undo Zoom");
    w.key(w.c().zoomSlider(), Qt::Key_PageDown);
    EXPECT_EQ(w.model().distance(), 10.0f);
    w.undo().undo();
    EXPECT_EQ(w.model().distance(), 20.0f);

    // Distance 100 moves the far plane out to 200; distance 1 brings the
    // near plane to 0.5 and leaves the far plane at 200.
    w.model().setDistance(100.0f);
    EXPECT_EQ(camera->yon(), 200.0f);
    EXPECT_EQ(camera->hither(), 1.0f);
    w.model().setDistance(1.0f);
    EXPECT_EQ(camera->hither(), 0.5f);
    EXPECT_EQ(camera->yon(), 200.0f);
}

TEST(MyWindowController, ResetViewReturnsToThePlanView) {
    Window w;
    GVCamera* camera = w.camera();
    w.type(w.c().lightXField(), "1");
    w.type(w.c().lightYField(), "2");
    w.type(w.c().lightZField(), "3");
    w.key(w.c().projectionPopUp(), Qt::Key_Down);
    camera->setElevation(-60.0f);
    camera->setAzimuth(30.0f);

    w.click(w.c().resetView2DButton());
    EXPECT_EQ(w.model().light(0), 0.0f);
    EXPECT_EQ(w.model().light(1), 0.0f);
    EXPECT_EQ(w.model().light(2), 9.0f);
    EXPECT_EQ(w.model().projection(), 0);
    EXPECT_EQ(w.c().projectionPopUp()->currentIndex(), 0);
    EXPECT_EQ(w.c().lightZField()->text(), "9.000000");
    EXPECT_EQ(camera->elevation(), 0.0f);
    EXPECT_EQ(camera->azimuth(), 0.0f);
    w.undo().undo();
    EXPECT_EQ(w.model().light(2), 3.0f) << "the model half of a reset is one undo step";
    EXPECT_EQ(w.model().projection(), 1);
}

TEST(MyWindowController, RestartKeepsThePictureAndCancelChangesNothing) {
    Window w(exampleText("simple-shear.quorvel"));
    w.type(w.c().xField(), "0.5");
    w.camera();
    const QString before = w.c().bField()->text();
    const QImage picture = w.c().strainView()->grabFramebuffer();

    auto answer = [&](const QString& buttonText) {
        QTimer::singleShot(0, [&] {
            auto* sheet = w.host.findChild<QMessageBox*>();
            ASSERT_NE(sheet, nullptr);
            EXPECT_EQ(sheet->text(), "This action cannot be undone.");
            EXPECT_EQ(sheet->informativeText(),
                      "Restart Strain pretends that the strain started here.");
            EXPECT_EQ(sheet->icon(), QMessageBox::Critical);
            EXPECT_EQ(sheet->windowModality(), Qt::WindowModal);
            for (QAbstractButton* button : sheet->buttons())
                if (button->text() == buttonText)
                    QTest::mouseClick(button, Qt::LeftButton);
        });
        w.click(w.c().restartButton());
        QTest::qWait(50);
    };

    answer("Cancel");
    EXPECT_EQ(w.c().bField()->text(), before);
    EXPECT_EQ(w.model().translation(0), 0.5f);

    answer("Restart Strain");
    EXPECT_EQ(w.c().bField()->text(), "0.000000");
    EXPECT_EQ(w.c().aField()->text(), "1.000000");
    EXPECT_EQ(w.c().xField()->text(), "0.000000");
    EXPECT_EQ(w.model().savedStrainMatrix()[4], 1.0f);
    EXPECT_EQ(w.model().savedStrainMatrix()[12], 0.5f);

    QTest::qWait(50);
    const QImage after = w.c().strainView()->grabFramebuffer();
    ASSERT_EQ(after.size(), picture.size());
    int differing = 0;
    for (int y = 0; y < after.height(); ++y)
        for (int x = 0; x < after.width(); ++x) {
            const QColor a = picture.pixelColor(x, y), b = after.pixelColor(x, y);
            if (std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
                    std::abs(a.blue() - b.blue()) >
                24)
                ++differing;
        }
    EXPECT_LT(differing, after.width() * after.height() / 500) << "the picture stays the same";
}

namespace {

// The window position of the scene point p, for a click on it.
QPoint windowPointOf(Window& w, double x, double y, double z) {
    StrainView* view = w.c().strainView();
    w.camera();
    // Plan view, orthographic, distance 10: the view shows 2 * tan(15 deg) * 10
    // scene units from bottom to top, centred on the origin.
    const double unitsHigh = 2.0 * std::tan(15.0 * M_PI / 180.0) * 10.0;
    const double pixelsPerUnit = view->height() / unitsHigh;
    (void)z;
    return QPoint(static_cast<int>(std::lround(view->width() / 2.0 + x * pixelsPerUnit)),
                  static_cast<int>(std::lround(view->height() / 2.0 - y * pixelsPerUnit)));
}

} // namespace

TEST(MyWindowController, APickStoresTheWaitingPointAsOneStep) {
    Window w;
    w.type(w.c().aField(), "2"); // the ellipsoid is twice as wide as high
    w.type(w.c().xField(), "0.25");
    w.click(w.c().point1SetButton());
    ASSERT_EQ(w.model().pointToSet(), 1);

    // The drawn spot (1, 0.5, z) on the ellipsoid, seen from above.
    QTest::mouseClick(w.c().strainView()->surface(), Qt::LeftButton, {}, windowPointOf(w, 1.0, 0.5, 0));
    w.endEvent();
    const float* p = w.model().point1();
    // The sphere's point u is drawn at strain * (u + translation); the pick
    // undoes both, so the stored point lies on the unit sphere.
    EXPECT_NEAR(p[0], 1.0 / 2.0 - 0.25, 0.02);
    EXPECT_NEAR(p[1], 0.5, 0.02);
    EXPECT_NEAR(std::sqrt(p[0] * p[0] + p[1] * p[1] + p[2] * p[2]), 1.0, 0.02);
    EXPECT_GT(p[2], 0.0f) << "the side facing the viewer";
    EXPECT_EQ(w.model().pointToSet(), 0) << "the pick ends the wait";
    EXPECT_EQ(w.c().point1SetButton()->text(), "Set...");
    EXPECT_EQ(w.c().point1XField()->text(), shown(p[0]));

    EXPECT_EQ(w.undo().undoMenuItemTitle(), "Undo Pick Material Point");
    w.undo().undo();
    EXPECT_EQ(w.model().point1(0), 0.0f);
    EXPECT_EQ(w.model().point1(1), 0.0f);
    EXPECT_EQ(w.model().point1(2), 0.0f);
    EXPECT_EQ(w.undo().undoMenuItemTitle(), "Undo Set X Value") << "one step for the pick";
}

TEST(MyWindowController, APickWithASingularStrainOrNoWaitingPointStoresNothing) {
    Window w;
    w.type(w.c().iField(), "0"); // flattened into the x-y plane
    w.click(w.c().point2SetButton());
    QTest::mouseClick(w.c().strainView()->surface(), Qt::LeftButton, {}, windowPointOf(w, 0.3, 0.3, 0));
    w.endEvent();
    EXPECT_EQ(w.model().point2(0), 0.0f);
    EXPECT_EQ(w.model().pointToSet(), 2) << "the point keeps waiting";
    EXPECT_EQ(w.undo().undoMenuItemTitle(), "Undo Set I Value");

    w.type(w.c().iField(), "1");
    w.click(w.c().point2SetButton()); // no point waits now
    QTest::mouseClick(w.c().strainView()->surface(), Qt::LeftButton, {}, windowPointOf(w, 0.3, 0.3, 0));
    w.endEvent();
    EXPECT_EQ(w.model().point2(0), 0.0f);
    EXPECT_EQ(w.undo().undoMenuItemTitle(), "Undo Set I Value") << "no step renamed";
}

TEST(MyWindowController, RefreshesNeverRunActions) {
    Window w;
    w.model().setAnimationField(11);
    w.model().setActingOnRight(1);
    w.model().setRed(0.1f, 0.2f, 0.3f);
    w.model().setTranslucency(0.3f);
    w.model().setShowPoint3(1);
    w.model().setConstraint(1);
    w.model().setProjection(1);
    w.endEvent();
    // An action would have named the step.
    EXPECT_EQ(w.undo().undoActionName(), "") << "a control fed its value back";
    EXPECT_EQ(w.c().translucencySlider()->floatValue(), 0.3f);
    EXPECT_EQ(w.c().constraintRadioCluster()->checkedId(), 1);
    w.undo().undo(); // all of them, as one step
    EXPECT_EQ(w.model().animationField(), 1);
    EXPECT_EQ(w.model().constraint(), 2);
    EXPECT_FALSE(w.undo().canUndo());
    EXPECT_EQ(w.c().translucencySlider()->floatValue(), 0.8f);
    EXPECT_EQ(w.c().constraintRadioCluster()->checkedId(), 2);
}

TEST(MyWindowController, OneSharedColourPanelServesTheWindowThatOpenedItLast) {
    Window first, second;
    first.click(first.c().colorButton());
    QColorDialog* panel = nullptr;
    ASSERT_TRUE(QTest::qWaitFor([&] {
        panel = nullptr;
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* dialog = qobject_cast<QColorDialog*>(widget); dialog && dialog->isVisible())
                panel = dialog;
        return panel != nullptr;
    }));
    EXPECT_FALSE(panel->isModal());
    EXPECT_FALSE(panel->testOption(QColorDialog::ShowAlphaChannel));

    // A drag across the colour field is one step, however many colours it
    // passes through.
    QWidget* field = nullptr;
    for (QWidget* part : panel->findChildren<QWidget*>())
        if (QByteArray(part->metaObject()->className()).endsWith("QColorPicker"))
            field = part;
    ASSERT_NE(field, nullptr);
    QTest::mousePress(field, Qt::LeftButton, {}, QPoint(5, 5));
    for (int x = 10; x <= 60; x += 10)
        QTest::mouseMove(field, QPoint(x, x / 2));
    QTest::mouseRelease(field, Qt::LeftButton, {}, QPoint(60, 30));
    first.endEvent();
    const QColor picked = panel->currentColor();
    // Colours pass through the panel in 8 bits a channel.
    constexpr double kStep = 1.0 / 255;
    EXPECT_NEAR(first.model().color(0), picked.redF(), kStep);
    EXPECT_NEAR(first.model().color(1), picked.greenF(), kStep);
    EXPECT_NEAR(first.model().color(2), picked.blueF(), kStep);
    EXPECT_NE(first.model().color(0), 0.8f);
    EXPECT_EQ(second.model().color(0), 0.8f);
    EXPECT_EQ(first.undo().undoMenuItemTitle(), "Undo Set Color");
    first.undo().undo();
    EXPECT_EQ(first.model().color(0), 0.8f);
    EXPECT_FALSE(first.undo().canUndo());

    // The panel keeps the colour it last showed; the second window gets it
    // only when the user picks it.
    second.click(second.c().colorButton());
    EXPECT_EQ(panel->currentColor(), picked);
    EXPECT_EQ(second.model().color(0), 0.8f);
    panel->setCurrentColor(QColor::fromRgbF(0.0f, 0.0f, 1.0f));
    second.endEvent();
    EXPECT_NEAR(second.model().color(2), 1.0, kStep) << "the panel now serves the second window";
    EXPECT_EQ(first.model().color(0), 0.8f);
    panel->close();
}

// Turns the wheel by notches over a control, as a mouse does.
void turnWheel(QWidget* widget, int notches) {
    const QPointF at = QRectF(widget->rect()).center();
    QWheelEvent event(at, widget->mapToGlobal(at), QPoint(), QPoint(0, -120 * notches),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &event);
}

TEST(MyWindowController, TheWheelScrollsTheInspectorAndEditsOnlyAControlWithFocus) {
    Window w(exampleText("simple-shear.quorvel"));
    w.host.resize(900, 400); // lower than the inspector, which must scroll
    w.host.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w.host));
    auto* scrollBar = w.host.findChild<QScrollArea*>("inspectorScrollArea")->verticalScrollBar();
    const float b = w.model().strainEntry(4);
    ASSERT_EQ(w.model().animationField(), 1) << "the slider drives entry b";
    for (QWidget* control : std::initializer_list<QWidget*>{
             w.c().animationSlider(), w.c().animationPopUp(), w.c().zoomSlider()}) {
        const int scrolled = scrollBar->value();
        turnWheel(control, 1);
        w.endEvent();
        EXPECT_GT(scrollBar->value(), scrolled) << control->objectName().toStdString();
    }
    EXPECT_EQ(w.model().strainEntry(4), b);
    EXPECT_EQ(w.model().animationField(), 1);
    EXPECT_FALSE(w.undo().canUndo());

    // With the focus, three notches in a row are one step.
    w.c().animationSlider()->setFocus();
    for (int notch = 0; notch < 3; ++notch) {
        turnWheel(w.c().animationSlider(), 1);
        QTest::qWait(50);
    }
    EXPECT_NE(w.model().strainEntry(4), b);
    EXPECT_TRUE(QTest::qWaitFor([&] { return w.undo().groupingLevel() == 0; }));
    EXPECT_EQ(w.undo().undoMenuItemTitle(), "Undo Adjust Animation Slider");
    w.undo().undo();
    EXPECT_EQ(w.model().strainEntry(4), b);
    EXPECT_FALSE(w.undo().canUndo());
}

TEST(MyWindowController, EveryControlSaysWhatItEditsAndTabFollowsTheReadingOrder) {
    Window w;
    w.host.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w.host));
    // The reading order, from the view down the inspector, with the name a
    // screen reader announces.
    const std::pair<const char*, QString> controls[] = {
        {"strainView", "Strain ellipsoid view"},
        {"actingOnPopUp", "Matrix acts on"},
        {"aField", "Strain entry a, row 1, column 1"},
        {"bField", "Strain entry b, row 1, column 2"},
        {"cField", "Strain entry c, row 1, column 3"},
        {"dField", "Strain entry d, row 2, column 1"},
        {"eField", "Strain entry e, row 2, column 2"},
        {"fField", "Strain entry f, row 2, column 3"},
        {"gField", "Strain entry g, row 3, column 1"},
        {"hField", "Strain entry h, row 3, column 2"},
        {"iField", "Strain entry i, row 3, column 3"},
        {"xField", "Translation x"},
        {"yField", "Translation y"},
        {"zField", "Translation z"},
        {"animationPopUp", "Animate"},
        {"animationSlider", "Animation slider"},
        {"sliderMinField", "Animation minimum"},
        {"sliderMaxField", "Animation maximum"},
        {"preserveVolumeCheckbox", "Preserve volume"},
        {"constraintXRadio", "Leave row x alone"},
        {"point1XField", "Point 1 x"},
        {"point1YField", "Point 1 y"},
        {"point1ZField", "Point 1 z"},
        {"point1ShowCheckbox", "Show point 1"},
        {"point1SetButton", "Set point 1 by clicking the ellipsoid"},
        {"point2XField", "Point 2 x"},
        {"point2YField", "Point 2 y"},
        {"point2ZField", "Point 2 z"},
        {"point2ShowCheckbox", "Show point 2"},
        {"point2SetButton", "Set point 2 by clicking the ellipsoid"},
        {"point3XField", "Point 3 x"},
        {"point3YField", "Point 3 y"},
        {"point3ZField", "Point 3 z"},
        {"point3ShowCheckbox", "Show point 3"},
        {"point3SetButton", "Set point 3 by clicking the ellipsoid"},
        {"projectionPopUp", "Projection"},
        {"resetView2DButton", "Reset view"},
        {"zoomSlider", "Zoom"},
        {"showAxesCheckbox", "Show axes"},
        {"markAxesCheckbox", "Mark axes"},
        {"lightXField", "Light x"},
        {"lightYField", "Light y"},
        {"lightZField", "Light z"},
        {"colorButton", "Ellipsoid color"},
        {"translucencySlider", "Opacity"},
        {"restartButton", "Restart strain"},
    };
    QWidget* view = w.c().strainView();
    view->setFocus();
    for (const auto& [objectName, name] : controls) {
        QWidget* control = QApplication::focusWidget();
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->objectName(), objectName);
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
        ASSERT_NE(accessible, nullptr);
        // A pop-up's name is the item it shows; its label says what it edits.
        if (accessible->role() == QAccessible::ComboBox) {
            const auto labels = accessible->relations(QAccessible::Label);
            const auto label = std::find_if(labels.begin(), labels.end(), [](const auto& relation) {
                return relation.first->role() == QAccessible::StaticText;
            });
            ASSERT_NE(label, labels.end()) << objectName;
            accessible = label->first;
        }
        EXPECT_EQ(accessible->text(QAccessible::Name), name);
        QTest::keyClick(control, Qt::Key_Tab);
    }
    EXPECT_FALSE(QAccessible::queryAccessibleInterface(view)->text(QAccessible::Description).isEmpty());
    // The unchecked radio buttons are reached with the arrow keys.
    EXPECT_EQ(QAccessible::queryAccessibleInterface(w.c().constraintRadioCluster()->button(2))
                  ->text(QAccessible::Name),
              "Leave row z alone");

    // Every label but the column headings of the points names one control
    // and reaches it with its underlined letter.
    for (QLabel* label : w.host.findChildren<QLabel*>()) {
        if (label->objectName().startsWith("points"))
            continue;
        SCOPED_TRACE(label->objectName().toStdString());
        ASSERT_NE(label->buddy(), nullptr);
        const QKeySequence mnemonic = QKeySequence::mnemonic(label->text());
        ASSERT_FALSE(mnemonic.isEmpty());
        w.c().strainView()->setFocus();
        // Labels that share a letter take turns.
        for (int press = 0; press < 2 && QApplication::focusWidget() != label->buddy(); ++press)
            QTest::keyClick(&w.host, mnemonic[0].key(), Qt::AltModifier);
        EXPECT_EQ(QApplication::focusWidget(), label->buddy());
    }
}
