// The inspector as the user meets it: typing into fields, clicking boxes and
// buttons, choosing pop-up items, clicking the view; and the model's changes
// shown back in the controls.
#include "controller/MyWindowController.h"
#include "document/MyDocument.h"
#include "model/StrainData.h"
#include "platform/FloatSlider.h"
#include "toolkit/GVCamera.h"

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <map>
#include <memory>

namespace {

QString shown(float value) {
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(static_cast<double>(value), 'f', 6);
}

// One document window: the document, the widget that hosts the interface and
// its controller, shown on screen. Events go straight to the controls, so
// the window need not be the active one.
struct Window {
    explicit Window(const std::string& text = {}) {
        std::string error;
        if (!text.empty()) {
            EXPECT_TRUE(document.loadDataRepresentation(text, MyDocument::kTypeName, error));
        }
        host.resize(1100, 760);
        controller = std::make_unique<MyWindowController>(document, &host);
        host.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&host));
    }
    ~Window() { controller.reset(); }

    StrainData& model() { return document.strainData(); }
    UndoManager& undo() { return document.undoManager(); }
    QString undoTitle() { return QString::fromStdString(undo().undoMenuItemTitle()); }
    template <class T = QWidget> T* get(const QString& name) {
        T* control = host.findChild<T*>(name);
        EXPECT_NE(control, nullptr) << name.toStdString();
        return control;
    }
    QLineEdit* field(const QString& name) { return get<QLineEdit>(name); }

    void type(const QString& name, const QString& text) {
        QLineEdit* edit = field(name);
        edit->selectAll();
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Return);
        endEvent();
    }
    void click(const QString& name) {
        auto* button = get<QAbstractButton>(name);
        // Check boxes and radio buttons answer on their box, at the left.
        const bool box = qobject_cast<QCheckBox*>(button) || qobject_cast<QRadioButton*>(button);
        QTest::mouseClick(button, Qt::LeftButton, {},
                          box ? QPoint(8, button->height() / 2) : button->rect().center());
        endEvent();
    }
    void key(const QString& name, Qt::Key key) {
        QTest::keyClick(get(name), key);
        endEvent();
    }
    // The application closes the event's undo group when its loop waits.
    void endEvent() { undo().closeEventGroup(); }
    GVCamera* camera() {
        EXPECT_TRUE(QTest::qWaitFor([&] { return controller->strainView()->camera(); }));
        return controller->strainView()->camera();
    }
    // What every field, box and pop-up shows, by name.
    std::map<QString, QString> controls() {
        std::map<QString, QString> state;
        for (QLineEdit* edit : host.findChildren<QLineEdit*>())
            state[edit->objectName()] = edit->text();
        for (QCheckBox* box : host.findChildren<QCheckBox*>())
            state[box->objectName()] = box->isChecked() ? "on" : "off";
        for (QComboBox* popUp : host.findChildren<QComboBox*>())
            state[popUp->objectName()] = QString::number(popUp->currentIndex());
        return state;
    }

    MyDocument document;
    QWidget host;
    std::unique_ptr<MyWindowController> controller;
};

std::string exampleText(const char* name) {
    MyDocument document;
    std::string error;
    EXPECT_TRUE(document.readFromFile(std::string(QUORVEL_EXAMPLES_DIR) + "/" + name, error)) << error;
    return document.convertForStorage();
}

// A control and the model value it edits.
struct Bound {
    QString control;
    std::function<float(const StrainData&)> get;
    std::function<void(StrainData&, float)> set;
    QString undoName, offUndoName; // off: a box cleared, a pop-up's first item
};

std::vector<Bound> boundControls() {
    std::vector<Bound> rows;
    // The strain fields a to i read row by row; the element each edits
    // depends on the side the matrix acts from.
    const int left[9] = {0, 4, 8, 1, 5, 9, 2, 6, 10}, right[9] = {0, 1, 2, 4, 5, 6, 8, 9, 10};
    for (int k = 0; k < 9; ++k) {
        const auto index = [=](const StrainData& m) { return m.actingOnRight() ? right[k] : left[k]; };
        const QChar name('a' + k);
        rows.push_back({QString(name) + "Field",
                        [=](const StrainData& m) { return m.strainEntry(index(m)); },
                        [=](StrainData& m, float v) { m.setStrain(index(m), v); },
                        QString("Set %1 Value").arg(name.toUpper()), {}});
    }
    using Getter = float (StrainData::*)(int) const;
    using Setter = void (StrainData::*)(int, float);
    const struct {
        const char *prefix, *undo;
        Getter get;
        Setter set;
    } vectors[] = {{"", "", &StrainData::translation, &StrainData::setTranslation},
                   {"light", "Light ", &StrainData::light, &StrainData::setLight},
                   {"point1", "Point 1 ", &StrainData::point1, &StrainData::setPoint1},
                   {"point2", "Point 2 ", &StrainData::point2, &StrainData::setPoint2},
                   {"point3", "Point 3 ", &StrainData::point3, &StrainData::setPoint3}};
    for (const auto& v : vectors)
        for (int i = 0; i < 3; ++i) {
            const QString xyz(QChar("XYZ"[i]));
            rows.push_back({v.prefix + (*v.prefix ? xyz : xyz.toLower()) + "Field",
                            [=](const StrainData& m) { return (m.*v.get)(i); },
                            [=](StrainData& m, float value) { (m.*v.set)(i, value); },
                            QString("Set %1%2 Value").arg(v.undo, xyz), {}});
        }
    const struct {
        const char* control;
        int (StrainData::*get)() const;
        void (StrainData::*set)(int);
        const char *on, *off;
    } choices[] = {
        {"point1ShowCheckbox", &StrainData::showPoint1, &StrainData::setShowPoint1, "Show Point 1",
         "Hide Point 1"},
        {"point2ShowCheckbox", &StrainData::showPoint2, &StrainData::setShowPoint2, "Show Point 2",
         "Hide Point 2"},
        {"point3ShowCheckbox", &StrainData::showPoint3, &StrainData::setShowPoint3, "Show Point 3",
         "Hide Point 3"},
        {"showAxesCheckbox", &StrainData::showAxes, &StrainData::setShowAxes, "Show Axes",
         "Hide Axes"},
        {"markAxesCheckbox", &StrainData::markAxes, &StrainData::setMarkAxes, "Mark Axes",
         "Don't Mark Axes"},
        {"preserveVolumeCheckbox", &StrainData::preserveVolume, &StrainData::setPreserveVolume,
         "Preserve Volume", "Don't Preserve Volume"},
        {"projectionPopUp", &StrainData::projection, &StrainData::setProjection,
         "Project in Perspective", "Project Isometrically"},
        {"animationPopUp", &StrainData::animationField, &StrainData::setAnimationField,
         "Select Animation Field", "Select Animation Field"},
        // Last: it turns the side for the rows after it.
        {"actingOnPopUp", &StrainData::actingOnRight, &StrainData::setActingOnRight,
         "Act On Right", "Act On Left"},
    };
    for (const auto& c : choices)
        rows.push_back({c.control, [=](const StrainData& m) { return float((m.*c.get)()); },
                        [=](StrainData& m, float v) { (m.*c.set)(int(v)); }, c.on, c.off});
    return rows;
}

} // namespace

// Every field, box and pop-up, acting on the left and on the right: the
// user's edit sets its model value as one named step that undoes and redoes,
// and a change of that value in the model shows in that control and in no
// other.
TEST(MyWindowController, EveryControlEditsItsValueAndShowsItsChanges) {
    for (int side : {0, 1}) {
        Window w;
        StrainData& m = w.model();
        m.setActingOnRight(side);
        w.endEvent();
        for (const Bound& row : boundControls()) {
            SCOPED_TRACE(row.control.toStdString() + (side ? " right" : " left"));
            QWidget* control = w.get(row.control);
            auto* popUp = qobject_cast<QComboBox*>(control);
            const float before = row.get(m);
            float expected;
            if (qobject_cast<QLineEdit*>(control)) {
                w.type(row.control, "1E2");
                expected = 100.0f;
            } else if (popUp) {
                expected = before + (before + 1 < popUp->count() ? 1 : -1);
                w.key(row.control, expected > before ? Qt::Key_Down : Qt::Key_Up);
            } else {
                w.click(row.control);
                expected = before != 0 ? 0 : 1;
            }
            EXPECT_EQ(row.get(m), expected);
            EXPECT_EQ(w.undoTitle(), "Undo " + (expected == 0 ? row.offUndoName : row.undoName));
            w.undo().undo();
            EXPECT_EQ(row.get(m), before) << "undone";
            w.undo().redo();
            EXPECT_EQ(row.get(m), expected) << "redone";

            const auto shownBefore = w.controls();
            const float changed = popUp ? before : qobject_cast<QCheckBox*>(control) ? before : 3;
            row.set(m, changed);
            w.endEvent();
            auto shownAfter = w.controls();
            const QString expectShown = popUp ? QString::number(int(changed))
                                        : qobject_cast<QCheckBox*>(control) ? (changed ? "on" : "off")
                                                                            : shown(changed);
            EXPECT_EQ(shownAfter[row.control], expectShown);
            shownAfter[row.control] = shownBefore.at(row.control);
            if (row.control == "animationPopUp") // its range comes with it
                for (const char* range : {"sliderMinField", "sliderMaxField"})
                    shownAfter[range] = shownBefore.at(range);
            EXPECT_EQ(shownAfter, shownBefore) << "another control changed";
        }
    }
}

TEST(MyWindowController, AnOpenedDocumentShowsItsValuesAndCamera) {
    Window w(exampleText("restarted-with-points.quorvel"));
    EXPECT_EQ(w.field("aField")->text(), "1.500000");
    EXPECT_EQ(w.field("lightYField")->text(), "-2.000000");
    EXPECT_EQ(w.field("sliderMinField")->text(), "0.500000");
    EXPECT_EQ(w.field("sliderMaxField")->text(), "2.000000");
    EXPECT_EQ(w.get<FloatSlider>("animationSlider")->floatValue(), 1.5f);
    EXPECT_EQ(w.get<FloatSlider>("translucencySlider")->floatValue(), 0.8f);
    EXPECT_EQ(w.get<QAbstractButton>("constraintZRadio")->isChecked(), true);
    EXPECT_EQ(w.camera()->projection(), 1);
    EXPECT_EQ(w.camera()->distance(), 10.0f);
    w.endEvent();
    EXPECT_FALSE(w.undo().canUndo()) << "filling the window is no edit";
}

// A number beyond a float, or an edit that overflows, changes nothing and
// the field shows again the value that stayed.
TEST(MyWindowController, ANumberTheModelRefusesLeavesTheFieldShowingItsValue) {
    Window w;
    w.type("aField", "1e30");
    w.click("preserveVolumeCheckbox");
    for (const char* name : {"lightYField", "sliderMaxField", "aField"}) {
        const QString before = w.field(name)->text();
        w.type(name, name == QString("aField") ? "1e-30" : "1e39");
        EXPECT_EQ(w.field(name)->text(), before) << name;
        EXPECT_EQ(w.undoTitle(), "Undo Preserve Volume") << name;
    }
}

TEST(MyWindowController, TheAnimationSliderDrivesItsQuantityWithinItsBounds) {
    Window w;
    w.model().setTranslationMin(1, -1.0f);
    w.model().setTranslationMax(1, 4.0f);
    w.model().setTranslation(1, 3.0f);
    w.model().setAnimationField(11); // y
    w.endEvent();
    auto* slider = w.get<FloatSlider>("animationSlider");
    EXPECT_EQ(w.field("sliderMinField")->text(), "-1.000000");
    EXPECT_EQ(slider->floatValue(), 3.0f);
    EXPECT_NEAR(slider->value(), slider->maximum() * 0.8, 1) << "the handle four fifths along";
    w.type("xField", "0.5");
    EXPECT_EQ(slider->floatValue(), 3.0f) << "x is not the animated quantity";

    w.key("animationSlider", Qt::Key_End);
    EXPECT_EQ(w.field("yField")->text(), "4.000000");
    EXPECT_EQ(w.undoTitle(), "Undo Adjust Animation Slider");
    w.type("sliderMaxField", "5");
    EXPECT_EQ(w.model().translationMax(1), 5.0f);
    EXPECT_EQ(w.undoTitle(), "Undo Set Slider Max Value");
}

TEST(MyWindowController, TheSetButtonsToggleTheWaitingPointAndNameNoStep) {
    Window w;
    w.type("point1XField", "0.5");
    w.click("point1SetButton");
    w.click("point2SetButton");
    EXPECT_EQ(w.model().pointToSet(), 2);
    EXPECT_EQ(w.get<QPushButton>("point1SetButton")->text(), "Set...");
    EXPECT_EQ(w.get<QPushButton>("point2SetButton")->text(), "Cancel");
    w.click("point2SetButton");
    EXPECT_EQ(w.model().pointToSet(), 0);
    EXPECT_EQ(w.undoTitle(), "Undo Set Point 1 X Value");
}

TEST(MyWindowController, ZoomProjectionAndResetViewMoveTheCamera) {
    Window w;
    GVCamera* camera = w.camera();
    w.key("zoomSlider", Qt::Key_PageUp); // one doubling
    EXPECT_EQ(camera->distance(), 20.0f);
    EXPECT_EQ(w.get<FloatSlider>("zoomSlider")->floatValue(), 0.0f) << "the slider is relative";
    EXPECT_EQ(w.undoTitle(), "Undo Zoom");
    w.key("projectionPopUp", Qt::Key_Down);
    EXPECT_EQ(camera->projection(), 1);

    w.type("lightZField", "3");
    camera->setElevation(-60.0f);
    w.click("resetView2DButton");
    EXPECT_EQ(camera->projection(), 0);
    EXPECT_EQ(camera->elevation(), 0.0f);
    EXPECT_EQ(w.field("lightZField")->text(), "9.000000");
    w.undo().undo();
    EXPECT_EQ(w.model().light(2), 3.0f) << "the model half of a reset is one step";
    EXPECT_EQ(w.model().projection(), 1);
}

TEST(MyWindowController, RestartAsksAndOnlyTheRestartButtonRestarts) {
    Window w(exampleText("simple-shear.quorvel"));
    w.type("xField", "0.5");
    const QString before = w.field("bField")->text();
    for (const QString answer : {"Cancel", "Restart Strain"}) {
        QTimer::singleShot(0, [&] {
            auto* sheet = w.host.findChild<QMessageBox*>();
            ASSERT_NE(sheet, nullptr);
            EXPECT_EQ(sheet->icon(), QMessageBox::Critical);
            EXPECT_EQ(sheet->windowModality(), Qt::WindowModal);
            for (QAbstractButton* button : sheet->buttons())
                if (button->text() == answer)
                    QTest::mouseClick(button, Qt::LeftButton);
        });
        w.click("restartButton");
        QTest::qWait(50);
        EXPECT_EQ(w.field("bField")->text(), answer == "Cancel" ? before : "0.000000");
    }
    EXPECT_EQ(w.field("xField")->text(), "0.000000");
    EXPECT_EQ(w.model().savedStrainMatrix()[12], 0.5f);
}

namespace {

// Clicks the view where the plan view shows the scene point (x, y): the
// camera looks down at distance 10, with a 30 degree field of view.
void clickScene(Window& w, double x, double y) {
    StrainView* view = w.controller->strainView();
    w.camera();
    const double pixelsPerUnit = view->height() / (2.0 * std::tan(M_PI / 12) * 10.0);
    QTest::mouseClick(view->surface(), Qt::LeftButton, {},
                      QPoint(int(std::lround(view->width() / 2.0 + x * pixelsPerUnit)),
                             int(std::lround(view->height() / 2.0 - y * pixelsPerUnit))));
    w.endEvent();
}

} // namespace

// The sphere's point u is drawn at strain * (u + translation); under a shear
// the strain's inverse is not its transpose.
TEST(MyWindowController, APickStoresTheSpherePointUnderTheClickAsOneStep) {
    Window w;
    w.type("bField", "1"); // x' = x + y
    w.type("xField", "0.25");
    w.click("point1SetButton");
    const float u[3] = {0.48f, 0.64f, 0.6f};
    clickScene(w, (u[0] + 0.25) + u[1], u[1]);
    for (int i = 0; i < 3; ++i)
        EXPECT_NEAR(w.model().point1(i), u[i], 0.03) << i;
    EXPECT_EQ(w.model().pointToSet(), 0);
    EXPECT_EQ(w.field("point1XField")->text(), shown(w.model().point1(0)));
    EXPECT_EQ(w.undoTitle(), "Undo Pick Material Point");
    w.undo().undo();
    EXPECT_EQ(w.model().point1(1), 0.0f);
    EXPECT_EQ(w.undoTitle(), "Undo Set X Value") << "one step for the pick";
}

TEST(MyWindowController, APickWithASingularStrainOrNoWaitingPointStoresNothing) {
    Window w;
    w.type("iField", "0"); // flattened into the x-y plane
    w.click("point2SetButton");
    clickScene(w, 0.3, 0.3);
    EXPECT_EQ(w.model().point2(0), 0.0f);
    EXPECT_EQ(w.model().pointToSet(), 2) << "the point keeps waiting";
    w.type("iField", "1");
    w.click("point2SetButton");
    clickScene(w, 0.3, 0.3);
    EXPECT_EQ(w.model().point2(0), 0.0f);
    EXPECT_EQ(w.undoTitle(), "Undo Set I Value") << "no step renamed";
}

TEST(MyWindowController, RefreshesNeverRunActions) {
    Window w;
    w.model().setRed(0.1f, 0.2f, 0.3f);
    w.model().setTranslucency(0.3f);
    w.model().setConstraint(1);
    w.model().setDistance(20.0f);
    w.endEvent();
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

// Each window follows its own document; the colour panel is shared.
TEST(MyWindowController, OneSharedColourPanelServesTheWindowThatOpenedItLast) {
    Window first, second;
    second.model().setStrain(0, 3.0f);
    EXPECT_EQ(first.field("aField")->text(), "1.000000");
    first.click("colorButton");
    QColorDialog* panel = nullptr;
    ASSERT_TRUE(QTest::qWaitFor([&] {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* dialog = qobject_cast<QColorDialog*>(widget); dialog && dialog->isVisible())
                panel = dialog;
        return panel != nullptr;
    }));
    // A drag across the colour field is one step.
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
    EXPECT_NEAR(first.model().color(0), panel->currentColor().redF(), 1.0 / 255);
    EXPECT_EQ(first.undoTitle(), "Undo Set Color");
    first.undo().undo();
    EXPECT_FALSE(first.undo().canUndo());

    second.click("colorButton");
    panel->setCurrentColor(QColor::fromRgbF(0.0f, 0.0f, 1.0f));
    second.endEvent();
    EXPECT_NEAR(second.model().color(2), 1.0, 1.0 / 255);
    EXPECT_EQ(first.model().color(0), 0.8f);
    panel->close();
}
