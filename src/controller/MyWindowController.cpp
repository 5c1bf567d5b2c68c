#include "controller/MyWindowController.h"

#include "controller/WheelGuard.h"
#include "render/SceneRenderer.h"
#include "document/MyDocument.h"
#include "model/StrainData.h"
#include "model/StrainNotifications.h"
#include "platform/FloatSlider.h"
#include "platform/NotificationCenter.h"
#include "platform/NumberText.h"
#include "toolkit/GVCamera.h"
#include "toolkit/GVUtilities.h"
#include "ui_MyDocument.h"

#include <QApplication>
#include <QColorDialog>
#include <QLocale>
#include <QMessageBox>
#include <QSignalBlocker>

#include <cmath>

namespace {

// The nine strain fields, a to i, read row by row: the strain element each
// shows when the matrix acts on the left and on the right.
struct StrainField {
    QLineEdit* Ui::MyDocument::*field;
    int left;
    int right;
    const char* undoName;
};
const StrainField kStrainFields[9] = {
    {&Ui::MyDocument::aField, 0, 0, QT_TRANSLATE_NOOP("MyWindowController", "Set A Value")},
    {&Ui::MyDocument::bField, 4, 1, QT_TRANSLATE_NOOP("MyWindowController", "Set B Value")},
    {&Ui::MyDocument::cField, 8, 2, QT_TRANSLATE_NOOP("MyWindowController", "Set C Value")},
    {&Ui::MyDocument::dField, 1, 4, QT_TRANSLATE_NOOP("MyWindowController", "Set D Value")},
    {&Ui::MyDocument::eField, 5, 5, QT_TRANSLATE_NOOP("MyWindowController", "Set E Value")},
    {&Ui::MyDocument::fField, 9, 6, QT_TRANSLATE_NOOP("MyWindowController", "Set F Value")},
    {&Ui::MyDocument::gField, 2, 8, QT_TRANSLATE_NOOP("MyWindowController", "Set G Value")},
    {&Ui::MyDocument::hField, 6, 9, QT_TRANSLATE_NOOP("MyWindowController", "Set H Value")},
    {&Ui::MyDocument::iField, 10, 10, QT_TRANSLATE_NOOP("MyWindowController", "Set I Value")},
};

QLineEdit* Ui::MyDocument::* const kTranslationFields[3] = {
    &Ui::MyDocument::xField, &Ui::MyDocument::yField, &Ui::MyDocument::zField};
const char* const kTranslationUndoNames[3] = {
    QT_TRANSLATE_NOOP("MyWindowController", "Set X Value"),
    QT_TRANSLATE_NOOP("MyWindowController", "Set Y Value"),
    QT_TRANSLATE_NOOP("MyWindowController", "Set Z Value")};

QLineEdit* Ui::MyDocument::* const kLightFields[3] = {
    &Ui::MyDocument::lightXField, &Ui::MyDocument::lightYField, &Ui::MyDocument::lightZField};
const char* const kLightUndoNames[3] = {
    QT_TRANSLATE_NOOP("MyWindowController", "Set Light X Value"),
    QT_TRANSLATE_NOOP("MyWindowController", "Set Light Y Value"),
    QT_TRANSLATE_NOOP("MyWindowController", "Set Light Z Value")};

QLineEdit* Ui::MyDocument::* const kPointFields[3][3] = {
    {&Ui::MyDocument::point1XField, &Ui::MyDocument::point1YField, &Ui::MyDocument::point1ZField},
    {&Ui::MyDocument::point2XField, &Ui::MyDocument::point2YField, &Ui::MyDocument::point2ZField},
    {&Ui::MyDocument::point3XField, &Ui::MyDocument::point3YField, &Ui::MyDocument::point3ZField}};
const char* const kPointUndoNames[3][3] = {
    {QT_TRANSLATE_NOOP("MyWindowController", "Set Point 1 X Value"),
     QT_TRANSLATE_NOOP("MyWindowController", "Set Point 1 Y Value"),
     QT_TRANSLATE_NOOP("MyWindowController", "Set Point 1 Z Value")},
    {QT_TRANSLATE_NOOP("MyWindowController", "Set Point 2 X Value"),
     QT_TRANSLATE_NOOP("MyWindowController", "Set Point 2 Y Value"),
     QT_TRANSLATE_NOOP("MyWindowController", "Set Point 2 Z Value")},
    {QT_TRANSLATE_NOOP("MyWindowController", "Set Point 3 X Value"),
     QT_TRANSLATE_NOOP("MyWindowController", "Set Point 3 Y Value"),
     QT_TRANSLATE_NOOP("MyWindowController", "Set Point 3 Z Value")}};

QCheckBox* Ui::MyDocument::* const kPointShowCheckboxes[3] = {&Ui::MyDocument::point1ShowCheckbox,
                                                              &Ui::MyDocument::point2ShowCheckbox,
                                                              &Ui::MyDocument::point3ShowCheckbox};
const char* const kPointShowUndoNames[3][2] = {
    {QT_TRANSLATE_NOOP("MyWindowController", "Show Point 1"),
     QT_TRANSLATE_NOOP("MyWindowController", "Hide Point 1")},
    {QT_TRANSLATE_NOOP("MyWindowController", "Show Point 2"),
     QT_TRANSLATE_NOOP("MyWindowController", "Hide Point 2")},
    {QT_TRANSLATE_NOOP("MyWindowController", "Show Point 3"),
     QT_TRANSLATE_NOOP("MyWindowController", "Hide Point 3")}};

QPushButton* Ui::MyDocument::* const kPointSetButtons[3] = {
    &Ui::MyDocument::point1SetButton, &Ui::MyDocument::point2SetButton,
    &Ui::MyDocument::point3SetButton};

// The animation pop-up's code for the x translation; y and z follow.
constexpr int kFirstTranslationCode = 10;
// Zoom exponents reachable in one drag of the zoom slider.
constexpr float kZoomRange = 2.0f;

// "%f" in the user's locale: six decimals, the locale's decimal mark, no
// digit grouping.
QString formatted(float value) {
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(static_cast<double>(value), 'f', 6);
}

// A field's number: its leading decimal number, read with the user's decimal
// mark (so that what a refresh shows reads back); 0 when there is none.
float fieldValue(const QLineEdit* field) {
    QString text = field->text();
    const QString decimalPoint = QLocale().decimalPoint();
    if (decimalPoint != QStringLiteral("."))
        text.replace(decimalPoint, QStringLiteral("."));
    return floatValue(text.toStdString());
}

// Only the checked state counts as on.
int checkboxValue(const QCheckBox* checkbox) {
    return checkbox->checkState() == Qt::Checked ? 1 : 0;
}

// The shared colour panel and the window it sends its colour to.
QPointer<QColorDialog>& colorPanel() {
    static QPointer<QColorDialog> panel;
    return panel;
}
QPointer<MyWindowController>& colorPanelTarget() {
    static QPointer<MyWindowController> target;
    return target;
}

// A drag across the panel is one undo step, like a slider's: the step opens
// when a button goes down in the panel and closes when it comes up.
class PanelDragGrouping : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonPress && !dragging_ && colorPanelTarget()) {
            dragging_ = colorPanelTarget();
            dragging_->windowWillReturnUndoManager().beginUndoGrouping();
        } else if (event->type() == QEvent::MouseButtonRelease && dragging_) {
            UndoManager& undo = dragging_->windowWillReturnUndoManager();
            if (undo.groupingLevel() > 0)
                undo.endUndoGrouping();
            dragging_ = nullptr;
        }
        return false;
    }

private:
    QPointer<MyWindowController> dragging_;
};

} // namespace

MyWindowController::MyWindowController(MyDocument& document, QWidget* window)
    : document_(document), ui_(std::make_unique<Ui::MyDocument>()) {
    ui_->setupUi(window);
    // Item 9 is no quantity: x, y and z are items 10 to 12.
    ui_->animationPopUp->insertSeparator(9);
    ui_->constraintRadioCluster->setId(ui_->constraintXRadio, 0);
    ui_->constraintRadioCluster->setId(ui_->constraintYRadio, 1);
    ui_->constraintRadioCluster->setId(ui_->constraintZRadio, 2);
    ui_->translucencySlider->setMinValue(0.0f);
    ui_->translucencySlider->setMaxValue(1.0f);
    // The zoom slider is relative: it acts once, when let go, and returns to 0.
    ui_->zoomSlider->setMinValue(-kZoomRange);
    ui_->zoomSlider->setMaxValue(kZoomRange);
    ui_->zoomSlider->setTracking(false);
    // Page Up and Page Down double and halve the distance.
    ui_->zoomSlider->setPageStep(static_cast<int>(ui_->zoomSlider->maximum() / (2 * kZoomRange)));
    ui_->strainView->setDelegate(this);
    ui_->strainView->setModel(&strainData());
    wheelGuard_ = new WheelGuard(document_.undoManager(), this);
    for (QWidget* control : std::initializer_list<QWidget*>{
             ui_->actingOnPopUp, ui_->animationPopUp, ui_->projectionPopUp, ui_->animationSlider,
             ui_->zoomSlider, ui_->translucencySlider})
        wheelGuard_->guard(control);

    connectActions();
    registerNotificationObservers();
    updateWindow();
}

MyWindowController::~MyWindowController() {
    NotificationCenter::defaultCenter().removeObserver(this);
    if (colorPanelTarget() == this)
        colorPanelTarget() = nullptr;
}

StrainData& MyWindowController::strainData() const { return document_.strainData(); }

UndoManager& MyWindowController::windowWillReturnUndoManager() const {
    return document_.undoManager();
}

StrainView* MyWindowController::strainView() const { return ui_->strainView; }

void MyWindowController::registerNotificationObservers() {
    using Refresh = void (MyWindowController::*)(const Notification*);
    const std::pair<std::string_view, Refresh> observers[] = {
        {QuorvelColorChangedNotification, &MyWindowController::updateColor},
        {QuorvelTranslucencyChangedNotification, &MyWindowController::updateTranslucencySlider},
        {QuorvelActingOnChangedNotification, &MyWindowController::updateActingOnPopUpButton},
        {QuorvelAnimationFieldChangedNotification, &MyWindowController::updateAnimationPopUpButton},
        {QuorvelXChangedNotification, &MyWindowController::updateXField},
        {QuorvelYChangedNotification, &MyWindowController::updateYField},
        {QuorvelZChangedNotification, &MyWindowController::updateZField},
        {QuorvelMinChangedNotification, &MyWindowController::updateSliderMinField},
        {QuorvelMaxChangedNotification, &MyWindowController::updateSliderMaxField},
        {QuorvelStrainChangedNotification, &MyWindowController::updateStrain},
        {QuorvelLightXChangedNotification, &MyWindowController::updateLightXField},
        {QuorvelLightYChangedNotification, &MyWindowController::updateLightYField},
        {QuorvelLightZChangedNotification, &MyWindowController::updateLightZField},
        {QuorvelDistanceChangedNotification, &MyWindowController::updateZoomSlider},
        {QuorvelProjectionChangedNotification, &MyWindowController::updateProjectionPopUpButton},
        {QuorvelShowAxesChangedNotification, &MyWindowController::updateShowAxesCheckbox},
        {QuorvelMarkAxesChangedNotification, &MyWindowController::updateMarkAxesCheckbox},
        {QuorvelPreserveVolumeChangedNotification,
         &MyWindowController::updatePreserveVolumeCheckbox},
        {QuorvelConstraintChangedNotification, &MyWindowController::updateConstraintRadioCluster},
        {QuorvelShowPoint1ChangedNotification, &MyWindowController::updatePoint1ShowCheckbox},
        {QuorvelShowPoint2ChangedNotification, &MyWindowController::updatePoint2ShowCheckbox},
        {QuorvelShowPoint3ChangedNotification, &MyWindowController::updatePoint3ShowCheckbox},
        {QuorvelPoint1XChangedNotification, &MyWindowController::updatePoint1XField},
        {QuorvelPoint1YChangedNotification, &MyWindowController::updatePoint1YField},
        {QuorvelPoint1ZChangedNotification, &MyWindowController::updatePoint1ZField},
        {QuorvelPoint2XChangedNotification, &MyWindowController::updatePoint2XField},
        {QuorvelPoint2YChangedNotification, &MyWindowController::updatePoint2YField},
        {QuorvelPoint2ZChangedNotification, &MyWindowController::updatePoint2ZField},
        {QuorvelPoint3XChangedNotification, &MyWindowController::updatePoint3XField},
        {QuorvelPoint3YChangedNotification, &MyWindowController::updatePoint3YField},
        {QuorvelPoint3ZChangedNotification, &MyWindowController::updatePoint3ZField},
        {QuorvelSetPoint1ChangedNotification, &MyWindowController::updatePoint1SetButton},
        {QuorvelSetPoint2ChangedNotification, &MyWindowController::updatePoint2SetButton},
        {QuorvelSetPoint3ChangedNotification, &MyWindowController::updatePoint3SetButton},
    };
    for (const auto& [name, refresh] : observers)
        NotificationCenter::defaultCenter().addObserver(
            this, name, &strainData(),
            [this, refresh](const Notification& notification) { (this->*refresh)(&notification); });
}

void MyWindowController::updateWindow() {
    updateAField();
    updateBField();
    updateCField();
    updateDField();
    updateEField();
    updateFField();
    updateGField();
    updateHField();
    updateIField();
    updateActingOnPopUpButton();
    updateXField();
    updateYField();
    updateZField();
    updateAnimationPopUpButton();
    updateAnimationSlider();
    updateSliderMaxField();
    updateSliderMinField();
    updateProjectionPopUpButton();
    updateLightXField();
    updateLightYField();
    updateLightZField();
    updateZoomSlider();
    updateShowAxesCheckbox();
    updateMarkAxesCheckbox();
    updateTranslucencySlider();
    updatePreserveVolumeCheckbox();
    updateConstraintRadioCluster();
    updatePoint1XField();
    updatePoint1YField();
    updatePoint1ZField();
    updatePoint1ShowCheckbox();
    updatePoint2XField();
    updatePoint2YField();
    updatePoint2ZField();
    updatePoint2ShowCheckbox();
    updatePoint3XField();
    updatePoint3YField();
    updatePoint3ZField();
    updatePoint3ShowCheckbox();
}

void MyWindowController::connectActions() {
    for (int k = 0; k < 9; ++k)
        connect(ui_.get()->*kStrainFields[k].field, &QLineEdit::editingFinished, this,
                [this, k] { strainFieldAction(k); });
    for (int i = 0; i < 3; ++i) {
        connect(ui_.get()->*kTranslationFields[i], &QLineEdit::editingFinished, this,
                [this, i] { translationAction(i); });
        connect(ui_.get()->*kLightFields[i], &QLineEdit::editingFinished, this,
                [this, i] { lightAction(i); });
        for (int point = 0; point < 3; ++point)
            connect(ui_.get()->*kPointFields[point][i], &QLineEdit::editingFinished, this,
                    [this, point, i] { pointAction(point, i); });
    }
    for (int point = 0; point < 3; ++point) {
        connect(ui_.get()->*kPointShowCheckboxes[point], &QCheckBox::clicked, this,
                [this, point] { pointShowAction(point); });
        connect(ui_.get()->*kPointSetButtons[point], &QPushButton::clicked, this,
                [this, point] { pointSetAction(point); });
    }

    connect(ui_->actingOnPopUp, &QComboBox::activated, this, [this](int index) {
        strainData().setActingOnRight(index);
        nameUndoStep(index == 0 ? tr("Act On Left") : tr("Act On Right"));
    });
    connect(ui_->showAxesCheckbox, &QCheckBox::clicked, this, [this] {
        checkboxAction(ui_->showAxesCheckbox, &StrainData::setShowAxes,
                       QT_TRANSLATE_NOOP("MyWindowController", "Show Axes"),
                       QT_TRANSLATE_NOOP("MyWindowController", "Hide Axes"));
    });
    connect(ui_->markAxesCheckbox, &QCheckBox::clicked, this, [this] {
        checkboxAction(ui_->markAxesCheckbox, &StrainData::setMarkAxes,
                       QT_TRANSLATE_NOOP("MyWindowController", "Mark Axes"),
                       QT_TRANSLATE_NOOP("MyWindowController", "Don't Mark Axes"));
    });
    connect(ui_->preserveVolumeCheckbox, &QCheckBox::clicked, this, [this] {
        checkboxAction(ui_->preserveVolumeCheckbox, &StrainData::setPreserveVolume,
                       QT_TRANSLATE_NOOP("MyWindowController", "Preserve Volume"),
                       QT_TRANSLATE_NOOP("MyWindowController", "Don't Preserve Volume"));
    });
    connect(ui_->constraintRadioCluster, &QButtonGroup::idClicked, this, [this](int tag) {
        strainData().setConstraint(tag);
        nameUndoStep(tr("Set Constraint"));
    });

    // A drag of a continuous slider is one undo step, however many values it
    // passes through.
    for (FloatSlider* slider : {ui_->translucencySlider, ui_->animationSlider}) {
        connect(slider, &QSlider::sliderPressed, this,
                [this] { document_.undoManager().beginUndoGrouping(); });
        connect(slider, &QSlider::sliderReleased, this,
                [this] { document_.undoManager().endUndoGrouping(); });
    }
    connect(ui_->translucencySlider, &FloatSlider::triggered, this, [this] {
        strainData().setTranslucency(ui_->translucencySlider->floatValue());
        nameUndoStep(tr("Set Translucency"));
    });

    connect(ui_->animationPopUp, &QComboBox::activated, this, [this](int index) {
        strainData().setAnimationField(index);
        nameUndoStep(tr("Select Animation Field"));
    });
    connect(ui_->animationSlider, &FloatSlider::triggered, this, [this] {
        const float value = ui_->animationSlider->floatValue();
        if (strainData().animationField() > 9)
            strainData().setTranslation(animatedIndex(), value);
        else
            strainData().setStrain(animatedIndex(), value);
        nameUndoStep(tr("Adjust Animation Slider"));
    });
    connect(ui_->sliderMaxField, &QLineEdit::editingFinished, this, [this] {
        const float value = fieldValue(ui_->sliderMaxField);
        if (strainData().animationField() > 9)
            strainData().setTranslationMax(animatedIndex(), value);
        else
            strainData().setStrainMax(animatedIndex(), value);
        nameUndoStep(tr("Set Slider Max Value"));
    });
    connect(ui_->sliderMinField, &QLineEdit::editingFinished, this, [this] {
        const float value = fieldValue(ui_->sliderMinField);
        if (strainData().animationField() > 9)
            strainData().setTranslationMin(animatedIndex(), value);
        else
            strainData().setStrainMin(animatedIndex(), value);
        nameUndoStep(tr("Set Slider Min Value"));
    });

    connect(ui_->restartButton, &QPushButton::clicked, this, [this] { restartAction(); });
    connect(ui_->resetView2DButton, &QPushButton::clicked, this, [this] { resetView2DAction(); });
    connect(ui_->projectionPopUp, &QComboBox::activated, this, [this](int index) {
        strainData().setProjection(index);
        nameUndoStep(index == 0 ? tr("Project Isometrically") : tr("Project in Perspective"));
    });
    connect(ui_->zoomSlider, &FloatSlider::triggered, this, [this] {
        strainData().setZoom(ui_->zoomSlider->floatValue());
        nameUndoStep(tr("Zoom"));
    });
    connect(ui_->colorButton, &QPushButton::clicked, this, [this] { colorAction(); });
}

void MyWindowController::nameUndoStep(const QString& name) {
    UndoManager& undo = document_.undoManager();
    if (undo.groupingLevel() > 0)
        undo.setActionName(name.toStdString());
}

void MyWindowController::redraw() {
    if (strainView_)
        strainView_->redraw();
}

// The strain fields.

void MyWindowController::strainFieldAction(int field) {
    const StrainField& f = kStrainFields[field];
    const float value = fieldValue(ui_.get()->*f.field);
    strainData().setStrain(strainData().actingOnRight() ? f.right : f.left, value);
    nameUndoStep(tr(f.undoName));
}

void MyWindowController::updateStrainField(int field) {
    const StrainField& f = kStrainFields[field];
    const int index = strainData().actingOnRight() ? f.right : f.left;
    updateTextField(ui_.get()->*f.field, formatted(strainData().strainEntry(index)));
    redraw();
}

void MyWindowController::updateStrain(const Notification* notification) {
    updateAField(notification);
    updateBField(notification);
    updateCField(notification);
    updateDField(notification);
    updateEField(notification);
    updateFField(notification);
    updateGField(notification);
    updateHField(notification);
    updateIField(notification);
    updateAnimationSlider(notification);
}

void MyWindowController::updateAField(const Notification*) { updateStrainField(0); }
void MyWindowController::updateBField(const Notification*) { updateStrainField(1); }
void MyWindowController::updateCField(const Notification*) { updateStrainField(2); }
void MyWindowController::updateDField(const Notification*) { updateStrainField(3); }
void MyWindowController::updateEField(const Notification*) { updateStrainField(4); }
void MyWindowController::updateFField(const Notification*) { updateStrainField(5); }
void MyWindowController::updateGField(const Notification*) { updateStrainField(6); }
void MyWindowController::updateHField(const Notification*) { updateStrainField(7); }
void MyWindowController::updateIField(const Notification*) { updateStrainField(8); }

void MyWindowController::updateActingOnPopUpButton(const Notification*) {
    updatePopUpButton(ui_->actingOnPopUp, strainData().actingOnRight());
    redraw();
}

// Translation, light and material points.

void MyWindowController::translationAction(int component) {
    strainData().setTranslation(component, fieldValue(ui_.get()->*kTranslationFields[component]));
    nameUndoStep(tr(kTranslationUndoNames[component]));
}

void MyWindowController::updateTranslationField(int component) {
    updateTextField(ui_.get()->*kTranslationFields[component],
                    formatted(strainData().translation(component)));
    if (strainData().animationField() == kFirstTranslationCode + component)
        updateAnimationSlider();
    redraw();
}

void MyWindowController::updateXField(const Notification*) { updateTranslationField(0); }
void MyWindowController::updateYField(const Notification*) { updateTranslationField(1); }
void MyWindowController::updateZField(const Notification*) { updateTranslationField(2); }

void MyWindowController::lightAction(int component) {
    strainData().setLight(component, fieldValue(ui_.get()->*kLightFields[component]));
    nameUndoStep(tr(kLightUndoNames[component]));
}

void MyWindowController::updateLightField(int component) {
    updateTextField(ui_.get()->*kLightFields[component], formatted(strainData().light(component)));
    redraw();
}

void MyWindowController::updateLightXField(const Notification*) { updateLightField(0); }
void MyWindowController::updateLightYField(const Notification*) { updateLightField(1); }
void MyWindowController::updateLightZField(const Notification*) { updateLightField(2); }

void MyWindowController::pointAction(int point, int component) {
    const float value = fieldValue(ui_.get()->*kPointFields[point][component]);
    switch (point) {
    case 0: strainData().setPoint1(component, value); break;
    case 1: strainData().setPoint2(component, value); break;
    default: strainData().setPoint3(component, value); break;
    }
    nameUndoStep(tr(kPointUndoNames[point][component]));
}

void MyWindowController::updatePointField(int point, int component) {
    const StrainData& m = strainData();
    const float value = point == 0 ? m.point1(component)
                        : point == 1 ? m.point2(component)
                                     : m.point3(component);
    updateTextField(ui_.get()->*kPointFields[point][component], formatted(value));
    redraw();
}

void MyWindowController::updatePoint1XField(const Notification*) { updatePointField(0, 0); }
void MyWindowController::updatePoint1YField(const Notification*) { updatePointField(0, 1); }
void MyWindowController::updatePoint1ZField(const Notification*) { updatePointField(0, 2); }
void MyWindowController::updatePoint2XField(const Notification*) { updatePointField(1, 0); }
void MyWindowController::updatePoint2YField(const Notification*) { updatePointField(1, 1); }
void MyWindowController::updatePoint2ZField(const Notification*) { updatePointField(1, 2); }
void MyWindowController::updatePoint3XField(const Notification*) { updatePointField(2, 0); }
void MyWindowController::updatePoint3YField(const Notification*) { updatePointField(2, 1); }
void MyWindowController::updatePoint3ZField(const Notification*) { updatePointField(2, 2); }

void MyWindowController::pointShowAction(int point) {
    const int on = checkboxValue(ui_.get()->*kPointShowCheckboxes[point]);
    switch (point) {
    case 0: strainData().setShowPoint1(on); break;
    case 1: strainData().setShowPoint2(on); break;
    default: strainData().setShowPoint3(on); break;
    }
    nameUndoStep(tr(kPointShowUndoNames[point][on ? 0 : 1]));
}

void MyWindowController::updatePointShowCheckbox(int point) {
    const StrainData& m = strainData();
    const int shown = point == 0 ? m.showPoint1() : point == 1 ? m.showPoint2() : m.showPoint3();
    updateCheckbox(ui_.get()->*kPointShowCheckboxes[point], shown != 0);
    redraw();
}

void MyWindowController::updatePoint1ShowCheckbox(const Notification*) {
    updatePointShowCheckbox(0);
}
void MyWindowController::updatePoint2ShowCheckbox(const Notification*) {
    updatePointShowCheckbox(1);
}
void MyWindowController::updatePoint3ShowCheckbox(const Notification*) {
    updatePointShowCheckbox(2);
}

void MyWindowController::pointSetAction(int point) {
    // Choosing which point waits is not undoable, so no step is named: a
    // name here would relabel the previous, unrelated step.
    strainData().setPointToSet(point + 1);
}

void MyWindowController::updatePointSetButton(int point) {
    updateButton(ui_.get()->*kPointSetButtons[point],
                 strainData().pointToSet() == point + 1 ? tr("Cancel") : tr("Set..."));
}

void MyWindowController::updatePoint1SetButton(const Notification*) { updatePointSetButton(0); }
void MyWindowController::updatePoint2SetButton(const Notification*) { updatePointSetButton(1); }
void MyWindowController::updatePoint3SetButton(const Notification*) { updatePointSetButton(2); }

// Check boxes, the constraint and the translucency.

void MyWindowController::checkboxAction(QCheckBox* sender, void (StrainData::*setter)(int),
                                        const char* onName, const char* offName) {
    const int on = checkboxValue(sender);
    (strainData().*setter)(on);
    nameUndoStep(tr(on ? onName : offName));
}

void MyWindowController::updateShowAxesCheckbox(const Notification*) {
    updateCheckbox(ui_->showAxesCheckbox, strainData().showAxes() != 0);
    redraw();
}

void MyWindowController::updateMarkAxesCheckbox(const Notification*) {
    updateCheckbox(ui_->markAxesCheckbox, strainData().markAxes() != 0);
    redraw();
}

void MyWindowController::updatePreserveVolumeCheckbox(const Notification*) {
    updateCheckbox(ui_->preserveVolumeCheckbox, strainData().preserveVolume() != 0);
}

void MyWindowController::updateConstraintRadioCluster(const Notification*) {
    updateRadioCluster(ui_->constraintRadioCluster, strainData().constraint());
}

void MyWindowController::updateTranslucencySlider(const Notification*) {
    updateSlider(ui_->translucencySlider, strainData().translucency());
    redraw();
}

// The animation group.

int MyWindowController::animatedIndex() const { return strainData().animatedIndex(); }

void MyWindowController::updateAnimationPopUpButton(const Notification* notification) {
    updatePopUpButton(ui_->animationPopUp, strainData().animationField());
    // The range first, so that the value lands inside it.
    updateSliderMinField(notification);
    updateSliderMaxField(notification);
    updateAnimationSlider(notification);
}

void MyWindowController::updateAnimationSlider(const Notification*) {
    const StrainData& m = strainData();
    const float value =
        m.animationField() > 9 ? m.translation(animatedIndex()) : m.strainEntry(animatedIndex());
    updateSlider(ui_->animationSlider, value);
}

void MyWindowController::updateSliderMaxField(const Notification*) {
    const StrainData& m = strainData();
    const float newEntry =
        m.animationField() > 9 ? m.translationMax(animatedIndex()) : m.strainMax(animatedIndex());
    updateTextField(ui_->sliderMaxField, formatted(newEntry));
    const QSignalBlocker blocker(ui_->animationSlider);
    ui_->animationSlider->setMaxValue(newEntry);
}

void MyWindowController::updateSliderMinField(const Notification*) {
    const StrainData& m = strainData();
    const float newEntry =
        m.animationField() > 9 ? m.translationMin(animatedIndex()) : m.strainMin(animatedIndex());
    updateTextField(ui_->sliderMinField, formatted(newEntry));
    const QSignalBlocker blocker(ui_->animationSlider);
    ui_->animationSlider->setMinValue(newEntry);
}

// Restart.

void MyWindowController::restartAction() {
    auto* sheet = new QMessageBox(QMessageBox::Critical, tr("Restart Strain"),
                                  tr("This action cannot be undone."), QMessageBox::NoButton,
                                  ui_->strainView->window());
    sheet->setInformativeText(tr("Restart Strain pretends that the strain started here."));
    QPushButton* restart = sheet->addButton(tr("Restart Strain"), QMessageBox::AcceptRole);
    sheet->addButton(tr("Cancel"), QMessageBox::RejectRole);
    sheet->setDefaultButton(restart);
    sheet->setWindowModality(Qt::WindowModal);
    sheet->setAttribute(Qt::WA_DeleteOnClose);
    connect(sheet, &QMessageBox::finished, this, [this, sheet, restart] {
        restartConfirmed(sheet->clickedButton() == restart ? 1 : 0);
    });
    sheet->open();
}

void MyWindowController::restartConfirmed(int returnCode) {
    if (returnCode == 1)
        strainData().accumulateStrain();
}

// View controls.

void MyWindowController::resetView2DAction() {
    StrainData& m = strainData();
    m.setProjection(0);
    m.setLight(0, 0.0f);
    m.setLight(1, 0.0f);
    m.setLight(2, 9.0f);
    if (strainView_ && strainView_->camera()) {
        strainView_->camera()->setElevation(0.0f);
        strainView_->camera()->setAzimuth(0.0f);
    }
    redraw();
}

void MyWindowController::updateProjectionPopUpButton(const Notification*) {
    updatePopUpButton(ui_->projectionPopUp, strainData().projection());
    if (strainView_ && strainView_->camera())
        SceneRenderer::applyProjection(*strainView_->camera(), strainData());
    redraw();
}

void MyWindowController::updateZoomSlider(const Notification*) {
    updateSlider(ui_->zoomSlider, 0.0f);
    if (strainView_ && strainView_->camera())
        SceneRenderer::applyDistance(*strainView_->camera(), strainData());
    redraw();
}

// The view's keys and wheel zoom by the zoom slider's steps.
void MyWindowController::zoomView(float steps, bool fromWheel) {
    const FloatSlider* slider = ui_->zoomSlider;
    const float exponentPerStep = (slider->maxValue() - slider->minValue()) *
                                  static_cast<float>(slider->singleStep()) /
                                  static_cast<float>(slider->maximum() - slider->minimum());
    if (fromWheel)
        wheelGuard_->extendBurst();
    // The slider's exponent moves away as it grows.
    strainData().setZoom(-steps * exponentPerStep);
    nameUndoStep(tr("Zoom"));
}

// Asking again for the waiting point takes the request back.
void MyWindowController::cancelPick() {
    if (const int waiting = strainData().pointToSet())
        strainData().setPointToSet(waiting);
}

// Colour.

void MyWindowController::colorAction() {
    QPointer<QColorDialog>& panel = colorPanel();
    if (!panel) {
        panel = new QColorDialog();
        panel->setAttribute(Qt::WA_DeleteOnClose, false);
        panel->setOption(QColorDialog::NoButtons);
        panel->setWindowTitle(tr("Colors"));
        connect(qApp, &QCoreApplication::aboutToQuit, panel.data(), &QObject::deleteLater);
        connect(panel.data(), &QColorDialog::currentColorChanged, panel.data(),
                [](const QColor& color) {
                    if (colorPanelTarget())
                        colorPanelTarget()->applyColor(color);
                });
        auto* grouping = new PanelDragGrouping(panel.data());
        for (QWidget* part : panel->findChildren<QWidget*>())
            part->installEventFilter(grouping);
    }
    // The shared panel keeps the colour it last showed.
    colorPanelTarget() = this;
    panel->show();
    panel->raise();
    panel->activateWindow();
}

void MyWindowController::applyColor(const QColor& color) {
    const QColor rgb = color.toRgb();
    strainData().setRed(rgb.redF(), rgb.greenF(), rgb.blueF());
    nameUndoStep(tr("Set Color"));
}

void MyWindowController::updateColor(const Notification*) { redraw(); }

// Control updates.

void MyWindowController::updateCheckbox(QCheckBox* checkbox, bool setting) {
    if ((checkbox->checkState() == Qt::Checked) == setting)
        return;
    const QSignalBlocker blocker(checkbox);
    checkbox->setCheckState(setting ? Qt::Checked : Qt::Unchecked);
}

void MyWindowController::updatePopUpButton(QComboBox* popUp, int setting) {
    if (popUp->currentIndex() == setting)
        return;
    const QSignalBlocker blocker(popUp);
    popUp->setCurrentIndex(setting);
}

void MyWindowController::updateRadioCluster(QButtonGroup* cluster, int setting) {
    if (cluster->checkedId() == setting)
        return;
    if (QAbstractButton* button = cluster->button(setting)) {
        const QSignalBlocker blocker(cluster);
        button->setChecked(true);
    }
}

void MyWindowController::updateSlider(FloatSlider* slider, float setting) {
    if (slider->floatValue() == setting)
        return;
    const QSignalBlocker blocker(slider);
    slider->setFloatValue(setting);
}

void MyWindowController::updateTextField(QLineEdit* field, const QString& setting) {
    if (field->text() == setting)
        return;
    const QSignalBlocker blocker(field);
    field->setText(setting);
}

void MyWindowController::updateButton(QAbstractButton* button, const QString& setting) {
    if (button->text() == setting)
        return;
    button->setText(setting);
}

// The view and its picks.

void MyWindowController::setStrainView(StrainView* view) {
    strainView_ = view;
    // The camera starts from the document's saved projection and distance.
    if (view && view->camera()) {
        SceneRenderer::applyProjection(*view->camera(), strainData());
        SceneRenderer::applyDistance(*view->camera(), strainData());
    }
}

void MyWindowController::registerPick(const GLdouble pick[3]) {
    StrainData& m = strainData();
    const float* strain = m.strainMatrix();
    const float affineStrain[9] = {strain[0], strain[1], strain[2], strain[4], strain[5],
                                   strain[6], strain[8], strain[9], strain[10]};
    float inverse[9];
    if (!InvertMatrix(affineStrain, inverse)) {
        QApplication::beep();
        return;
    }
    float unstrained[3];
    for (int r = 0; r < 3; ++r) {
        unstrained[r] = static_cast<float>(inverse[r] * pick[0] + inverse[3 + r] * pick[1] +
                                           inverse[6 + r] * pick[2]);
        unstrained[r] = unstrained[r] - m.translation(r);
        // A nearly singular strain overflows the inverse: no point to place.
        if (!std::isfinite(unstrained[r])) {
            QApplication::beep();
            return;
        }
    }
    switch (m.pointToSet()) {
    case 1:
        for (int i = 0; i < 3; ++i)
            m.setPoint1(i, unstrained[i]);
        m.setPointToSet(1);
        break;
    case 2:
        for (int i = 0; i < 3; ++i)
            m.setPoint2(i, unstrained[i]);
        m.setPointToSet(2);
        break;
    case 3:
        for (int i = 0; i < 3; ++i)
            m.setPoint3(i, unstrained[i]);
        m.setPointToSet(3);
        break;
    default:
        return; // no point waits: nothing to name
    }
    nameUndoStep(tr("Pick Material Point"));
}

// Outlets.

QLineEdit* MyWindowController::aField() const { return ui_->aField; }
QLineEdit* MyWindowController::bField() const { return ui_->bField; }
QLineEdit* MyWindowController::cField() const { return ui_->cField; }
QLineEdit* MyWindowController::dField() const { return ui_->dField; }
QLineEdit* MyWindowController::eField() const { return ui_->eField; }
QLineEdit* MyWindowController::fField() const { return ui_->fField; }
QLineEdit* MyWindowController::gField() const { return ui_->gField; }
QLineEdit* MyWindowController::hField() const { return ui_->hField; }
QLineEdit* MyWindowController::iField() const { return ui_->iField; }
QComboBox* MyWindowController::actingOnPopUp() const { return ui_->actingOnPopUp; }
QLineEdit* MyWindowController::xField() const { return ui_->xField; }
QLineEdit* MyWindowController::yField() const { return ui_->yField; }
QLineEdit* MyWindowController::zField() const { return ui_->zField; }
QComboBox* MyWindowController::animationPopUp() const { return ui_->animationPopUp; }
FloatSlider* MyWindowController::animationSlider() const { return ui_->animationSlider; }
QLineEdit* MyWindowController::sliderMaxField() const { return ui_->sliderMaxField; }
QLineEdit* MyWindowController::sliderMinField() const { return ui_->sliderMinField; }
QComboBox* MyWindowController::projectionPopUp() const { return ui_->projectionPopUp; }
QLineEdit* MyWindowController::lightXField() const { return ui_->lightXField; }
QLineEdit* MyWindowController::lightYField() const { return ui_->lightYField; }
QLineEdit* MyWindowController::lightZField() const { return ui_->lightZField; }
FloatSlider* MyWindowController::zoomSlider() const { return ui_->zoomSlider; }
QCheckBox* MyWindowController::showAxesCheckbox() const { return ui_->showAxesCheckbox; }
QCheckBox* MyWindowController::markAxesCheckbox() const { return ui_->markAxesCheckbox; }
FloatSlider* MyWindowController::translucencySlider() const { return ui_->translucencySlider; }
QCheckBox* MyWindowController::preserveVolumeCheckbox() const {
    return ui_->preserveVolumeCheckbox;
}
QButtonGroup* MyWindowController::constraintRadioCluster() const {
    return ui_->constraintRadioCluster;
}
QLineEdit* MyWindowController::point1XField() const { return ui_->point1XField; }
QLineEdit* MyWindowController::point1YField() const { return ui_->point1YField; }
QLineEdit* MyWindowController::point1ZField() const { return ui_->point1ZField; }
QCheckBox* MyWindowController::point1ShowCheckbox() const { return ui_->point1ShowCheckbox; }
QLineEdit* MyWindowController::point2XField() const { return ui_->point2XField; }
QLineEdit* MyWindowController::point2YField() const { return ui_->point2YField; }
QLineEdit* MyWindowController::point2ZField() const { return ui_->point2ZField; }
QCheckBox* MyWindowController::point2ShowCheckbox() const { return ui_->point2ShowCheckbox; }
QLineEdit* MyWindowController::point3XField() const { return ui_->point3XField; }
QLineEdit* MyWindowController::point3YField() const { return ui_->point3YField; }
QLineEdit* MyWindowController::point3ZField() const { return ui_->point3ZField; }
QCheckBox* MyWindowController::point3ShowCheckbox() const { return ui_->point3ShowCheckbox; }
QPushButton* MyWindowController::restartButton() const { return ui_->restartButton; }
QPushButton* MyWindowController::resetView2DButton() const { return ui_->resetView2DButton; }
QPushButton* MyWindowController::colorButton() const { return ui_->colorButton; }
QPushButton* MyWindowController::point1SetButton() const { return ui_->point1SetButton; }
QPushButton* MyWindowController::point2SetButton() const { return ui_->point2SetButton; }
QPushButton* MyWindowController::point3SetButton() const { return ui_->point3SetButton; }
