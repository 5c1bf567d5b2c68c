// The inspector as the user meets it: typing into fields, clicking boxes and
// buttons, choosing pop-up items, clicking the view; and the model's changes
// shown back in the controls.
#include "../support/DistinctValues.h"
#include "../support/WindowTest.h"
#include "controller/FloatSlider.h"
#include "model/DocumentValues.h"
#include "toolkit/GVCamera.h"

#include <QButtonGroup>
#include <QColorDialog>
#include <QRadioButton>

namespace {

// One document window's inspector. Events go straight to the controls, so
// the window need not be the active one.
struct Inspector {
    DocumentWindow* window;

    StrainData& model() { return window->document().strainData(); }
    UndoManager& undo() { return window->undoManager(); }
    QString undoTitle() { return QString::fromStdString(undo().undoMenuItemTitle()); }
    template <class T = QWidget> T* get(const QString& name) { return control<T>(window, name); }
    // A control by name, or none: a radio cluster is not a widget.
    QWidget* find(const QString& name) { return window->findChild<QWidget*>(name); }
    QLineEdit* field(const QString& name) { return get<QLineEdit>(name); }
    void click(const QString& name) {
        auto* button = get<QAbstractButton>(name);
        // Check boxes and radio buttons answer on their box, at the left.
        const bool box = qobject_cast<QCheckBox*>(button) || qobject_cast<QRadioButton*>(button);
        QTest::mouseClick(button, Qt::LeftButton, {},
                          box ? QPoint(8, button->height() / 2) : button->rect().center());
        idle();
    }
    void key(const QString& name, Qt::Key key) {
        QTest::keyClick(get(name), key);
        idle();
    }
    // Types into a field, clicks a box, or moves a pop-up to another item.
    void edit(const QString& name, const QString& number) {
        QWidget* control = find(name);
        if (qobject_cast<QLineEdit*>(control))
            type(window, name, number);
        else if (auto* popUp = qobject_cast<QComboBox*>(control))
            key(name, popUp->currentIndex() + 1 < popUp->count() ? Qt::Key_Down : Qt::Key_Up);
        else if (auto* slider = qobject_cast<QAbstractSlider*>(control))
            key(name, slider->value() < slider->maximum() ? Qt::Key_End : Qt::Key_Home);
        else if (control)
            click(name);
        else { // a radio cluster: its next button
            auto* cluster = window->findChild<QButtonGroup*>(name);
            QAbstractButton* next = cluster->button((cluster->checkedId() + 1) % 3);
            QTest::mouseClick(next, Qt::LeftButton, {}, QPoint(8, next->height() / 2));
            idle();
        }
    }
    GVCamera* camera() {
        StrainView* view = window->windowController().strainView();
        EXPECT_TRUE(QTest::qWaitFor([&] { return view->camera(); }));
        return view->camera();
    }
};

class MyWindowControllerTest : public WindowTest {
protected:
    Inspector newWindow() { return {shown(documents_->newDocument())}; }
};

// A control, the file key of the value it edits and its undo names.
struct Bound {
    QString control;
    std::string key;
    QString undoName, offUndoName; // off: a box cleared, a pop-up's first item
};

// Every control of the document values' table. Acting on the right the
// strain field that shows entry r,c acting on the left edits entry c,r.
std::vector<Bound> boundControls(bool actingOnRight) {
    std::vector<Bound> rows;
    const auto values = documentValues();
    for (const DocumentValue& v : values) {
        if (!v.control)
            continue;
        std::string key = v.key;
        if (actingOnRight && v.strainField >= 0) {
            const int transposed = 3 * (v.strainField % 3) + v.strainField / 3;
            key = std::find_if(values.begin(), values.end(), [&](const DocumentValue& t) {
                      return t.strainField == transposed;
                  })->key;
        }
        rows.push_back({v.control, key, v.undoName, v.offUndoName ? v.offUndoName : v.undoName});
    }
    return rows;
}

} // namespace

// Every field, box and pop-up, acting on the left and on the right: the
// user's edit sets its value, and only its value, as one named step; the
// field shows the number entered, and undoing the step shows every control
// as it was.
TEST_F(MyWindowControllerTest, EveryControlEditsItsValueAndShowsItsChanges) {
    for (bool right : {false, true}) {
        const QString path = folder_.filePath(right ? "right.quorvel" : "left.quorvel");
        writeFile(path, QByteArray::fromStdString(distinctValues("0")));
        Inspector w{open(path)};
        w.model().setActingOnRight(right);
        idle();
        for (const Bound& row : boundControls(right)) {
            SCOPED_TRACE(row.control.toStdString() + (right ? " right" : " left"));
            QWidget* control = w.find(row.control);
            const auto storedBefore = stored(w.model());
            const auto shownBefore = shownValues(w.window);
            w.edit(row.control, "1E2");
            auto after = stored(w.model());
            const std::string value = after[row.key];
            EXPECT_EQ(w.undoTitle(), "Undo " + (value == "0" ? row.offUndoName : row.undoName));
            if (qobject_cast<QLineEdit*>(control)) {
                EXPECT_EQ(value, "100.000000");
                EXPECT_EQ(w.field(row.control)->text(), "100.000000");
            }
            EXPECT_NE(value, storedBefore.at(row.key));
            after[row.key] = storedBefore.at(row.key);
            if (row.key != "matrix acts on right") { // which transposes the matrix
                EXPECT_EQ(after, storedBefore) << "another value changed";
            }
            w.undo().undo();
            EXPECT_EQ(stored(w.model()), storedBefore);
            EXPECT_EQ(shownValues(w.window), shownBefore);
        }
    }
}

// Every edit, its undo and its redo show in the picture on the screen, for
// every value that the picture shows, from a tilted view of the sample with
// everything on show.
TEST_F(MyWindowControllerTest, EveryEditItsUndoAndItsRedoShowInThePicture) {
    for (bool right : {false, true}) {
        Inspector w{open(sample())};
        w.model().setActingOnRight(right);
        w.model().setPoint3(2, 1.0f);
        w.model().setShowPoint3(1);
        w.model().setMarkAxes(1);
        w.model().setShowSection(1);
        w.model().setSectionDip(30.0f); // a dip direction of its own
        w.camera()->setElevation(-60.0f);
        w.undo().removeAllActions();
        StrainView* view = w.window->windowController().strainView();
        view->redraw();
        ASSERT_TRUE(comesToShow(view, view->grabFramebuffer()));
        const QImage before = onScreen(view);
        for (const Bound& row : boundControls(right)) {
            if (row.key == "preserve volume" || row.key == "animation field" ||
                row.key == "constraint")
                continue; // not in the picture
            SCOPED_TRACE(row.control.toStdString() + (right ? " right" : " left"));
            w.edit(row.control, "-1E2"); // the light from below
            ASSERT_TRUE(comesToShow(view, before, false)) << "the edit";
            const QImage edited = onScreen(view);
            w.undo().undo();
            EXPECT_TRUE(comesToShow(view, before)) << "its undo";
            w.undo().redo();
            EXPECT_TRUE(comesToShow(view, edited)) << "its redo";
            w.undo().undo();
            ASSERT_TRUE(comesToShow(view, before));
        }
    }
}

// The animation slider drives its quantity within its bounds. A number
// beyond a float, or an edit that overflows, changes nothing and the field
// shows again the value that stayed.
TEST_F(MyWindowControllerTest, TheAnimationSliderKeepsItsBoundsAndRefusedNumbersChangeNothing) {
    Inspector w = newWindow();
    w.model().setTranslationMin(1, -1.0f);
    w.model().setTranslationMax(1, 4.0f);
    w.model().setTranslation(1, 3.0f);
    w.model().setAnimationField(11); // y
    idle();
    auto* slider = w.get<FloatSlider>("animationSlider");
    EXPECT_EQ(w.field("sliderMinField")->text(), "-1.000000");
    EXPECT_EQ(slider->floatValue(), 3.0f);
    EXPECT_NEAR(slider->value(), slider->maximum() * 0.8, 1) << "the handle four fifths along";
    type(w.window, "xField", "0.5");
    EXPECT_EQ(slider->floatValue(), 3.0f) << "x is not the animated quantity";

    w.key("animationSlider", Qt::Key_End);
    EXPECT_EQ(w.field("yField")->text(), "4.000000");
    EXPECT_EQ(w.undoTitle(), "Undo Adjust Animation Slider");
    w.key("animationSlider", Qt::Key_PageUp);
    EXPECT_EQ(w.field("yField")->text(), "4.000000") << "not past Max";
    type(w.window, "sliderMaxField", "5");
    EXPECT_EQ(w.model().translationMax(1), 5.0f);
    EXPECT_EQ(w.undoTitle(), "Undo Set Slider Max Value");

    type(w.window, "aField", "1e30");
    w.click("preserveVolumeCheckbox");
    for (const char* name : {"lightYField", "sliderMaxField", "aField"}) {
        const QString before = w.field(name)->text();
        type(w.window, name, name == QString("aField") ? "1e-30" : "1e39");
        EXPECT_EQ(w.field(name)->text(), before) << name;
        EXPECT_EQ(w.undoTitle(), "Undo Preserve Volume") << name;
    }
}

// The zoom slider, the projection and Reset View move the camera; a change
// of the model shows in the controls without running their actions.
TEST_F(MyWindowControllerTest, ViewControlsMoveTheCameraAndRefreshesRunNoAction) {
    Inspector w = newWindow();
    GVCamera* camera = w.camera();
    w.key("zoomSlider", Qt::Key_PageUp); // one doubling
    EXPECT_EQ(camera->distance(), 20.0f);
    EXPECT_EQ(w.get<FloatSlider>("zoomSlider")->floatValue(), 0.0f) << "the slider is relative";
    EXPECT_EQ(w.undoTitle(), "Undo Zoom");
    w.key("projectionPopUp", Qt::Key_Down);

    EXPECT_EQ(w.field("lightZField")->text(), "9.000000") << "a new document's light";
    type(w.window, "lightXField", "2");
    type(w.window, "lightZField", "3");
    camera->setElevation(-60.0f);
    w.click("resetView2DButton");
    EXPECT_EQ(camera->projection(), 0);
    EXPECT_EQ(camera->elevation(), 0.0f);
    EXPECT_EQ(w.field("lightXField")->text() + w.field("lightYField")->text() + w.field("lightZField")->text(),
              "0.0000000.0000009.000000");
    w.undo().undo();
    EXPECT_EQ(w.model().light(2), 3.0f) << "the model half of a reset is one step";
    EXPECT_EQ(w.model().projection(), 1);

    w.undo().removeAllActions();
    w.model().setRed(0.1f, 0.2f, 0.3f);
    w.model().setTranslucency(0.3f);
    w.model().setConstraint(1);
    idle();
    EXPECT_EQ(w.undo().undoActionName(), "") << "a control fed its value back";
    EXPECT_EQ(w.get<FloatSlider>("translucencySlider")->floatValue(), 0.3f);
    EXPECT_TRUE(w.get<QAbstractButton>("constraintYRadio")->isChecked());
    w.undo().undo();
    EXPECT_FALSE(w.undo().canUndo()) << "all of them, as one step";
    EXPECT_TRUE(w.get<QAbstractButton>("constraintZRadio")->isChecked());
    w.click("constraintXRadio");
    EXPECT_EQ(w.model().constraint(), 0);
    EXPECT_EQ(w.undoTitle(), "Undo Set Constraint");
}

TEST_F(MyWindowControllerTest, RestartAsksAndOnlyTheRestartButtonRestarts) {
    Inspector w{open(sample())};
    type(w.window, "xField", "0.5");
    const QString before = w.field("bField")->text();
    for (const QString answer : {"Cancel", "Restart Strain"}) {
        QTimer::singleShot(0, [&] {
            auto* sheet = w.window->findChild<QMessageBox*>();
            ASSERT_NE(sheet, nullptr);
            EXPECT_EQ(sheet->icon(), QMessageBox::Critical);
            EXPECT_EQ(sheet->windowModality(), Qt::WindowModal);
            for (QAbstractButton* button : sheet->buttons())
                if (button->text() == answer)
                    QTest::mouseClick(button, Qt::LeftButton);
        });
        w.click("restartButton");
        EXPECT_TRUE(QTest::qWaitFor([&] { return !w.window->findChild<QMessageBox*>(); }));
        EXPECT_EQ(w.field("bField")->text(), answer == "Cancel" ? before : "0.000000");
    }
    EXPECT_EQ(w.field("xField")->text(), "0.000000");
    EXPECT_EQ(w.model().savedStrainMatrix()[12], 0.5f);
}

// Each window follows its own document; the colour panel is shared.
TEST_F(MyWindowControllerTest, OneSharedColourPanelServesTheWindowThatOpenedItLast) {
    Inspector first = newWindow(), second = newWindow();
    second.model().setStrain(0, 3.0f);
    EXPECT_EQ(first.field("aField")->text(), "1.000000");
    first.click("colorButton");
    QColorDialog* panel = nullptr; // brought forward to the front
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return (panel = qobject_cast<QColorDialog*>(QApplication::activeWindow())); }));
    // A drag across the colour field is one step.
    QWidget* field = nullptr;
    for (QWidget* part : panel->findChildren<QWidget*>())
        if (QByteArray(part->metaObject()->className()).endsWith("QColorPicker"))
            field = part;
    ASSERT_NE(field, nullptr);
    // Quick, and slower than a wheel turn's pause.
    for (const int pause : {0, 700}) {
        QTest::mousePress(field, Qt::LeftButton, {}, QPoint(5, 5));
        for (int x = 20; x <= 60; x += 20) {
            QTest::mouseMove(field, QPoint(x, x / 2));
            QTest::qWait(pause); // the gesture's own pace
        }
        QTest::mouseRelease(field, Qt::LeftButton, {}, QPoint(60, 30));
        idle();
        EXPECT_NEAR(first.model().color(0), panel->currentColor().redF(), 1.0 / 255);
        EXPECT_EQ(first.undoTitle(), "Undo Set Color");
        first.undo().undo();
        EXPECT_FALSE(first.undo().canUndo()) << pause;
    }

    second.click("colorButton");
    panel->setCurrentColor(QColor::fromRgbF(0.0f, 0.0f, 1.0f));
    idle();
    EXPECT_NEAR(second.model().color(2), 1.0, 1.0 / 255);
    EXPECT_EQ(first.model().color(0), 0.8f);
    // Each Color… button shows its own document's colour.
    const auto swatch = [](Inspector& w) {
        auto* button = w.get<QPushButton>("colorButton");
        return button->icon().pixmap(button->iconSize()).toImage().pixelColor(1, 1);
    };
    EXPECT_EQ(swatch(second), QColor(0, 0, 255));
    EXPECT_EQ(swatch(first), QColor::fromRgbF(first.model().color(0), first.model().color(1),
                                              first.model().color(2)));
    panel->close();
}
