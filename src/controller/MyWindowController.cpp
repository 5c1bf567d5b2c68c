#include "controller/MyWindowController.h"

#include "controller/WheelGuard.h"
#include "document/MyDocument.h"
#include "model/StrainData.h"
#include "model/StrainNotifications.h"
#include "platform/FloatSlider.h"
#include "platform/NotificationCenter.h"
#include "platform/NumberText.h"
#include "render/SceneRenderer.h"
#include "toolkit/GVCamera.h"
#include "toolkit/GVUtilities.h"
#include "ui_MyDocument.h"

#include <QApplication>
#include <QColorDialog>
#include <QLocale>
#include <QMessageBox>
#include <QPixmap>
#include <QSignalBlocker>

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

// A field's strain element acting on the left and on the right: the nine
// fields, a to i, read row by row.
template <int Left, int Right> float strainOf(const StrainData& m) {
    return m.strainEntry(m.actingOnRight() ? Right : Left);
}
template <int Left, int Right> void setStrainOf(StrainData& m, float value) {
    m.setStrain(m.actingOnRight() ? Right : Left, value);
}
template <float (StrainData::*Get)(int) const, int I> float entryOf(const StrainData& m) {
    return (m.*Get)(I);
}
template <void (StrainData::*Set)(int, float), int I> void setEntryOf(StrainData& m, float value) {
    (m.*Set)(I, value);
}
template <int (StrainData::*Get)() const> float flagOf(const StrainData& m) {
    return static_cast<float>((m.*Get)());
}
template <void (StrainData::*Set)(int)> void setFlagOf(StrainData& m, float value) {
    (m.*Set)(static_cast<int>(value));
}

using Refresh = void (MyWindowController::*)(const Notification*);

// One field, check box or pop-up and the model value it shows and sets. A
// field applies its number, a check box 1 or 0, a pop-up its item's index.
// Each row stands for a refresh and an action of the same name.
struct Binding {
    const char* control;           // the control's objectName
    std::string_view notification; // none: the strain fields, refreshed by updateStrain
    float (*get)(const StrainData&);
    void (*set)(StrainData&, float);
    const char* undoName;    // the step's name; for a check box on, a pop-up item 1
    const char* offUndoName; // for a check box off, a pop-up item 0; null: undoName
    Refresh also = nullptr;  // what else the refresh shows
};

using M = StrainData;
// clang-format off
const Binding kBindings[] = {
    // updateAField .. updateIField, aAction .. iAction; updateStrain refreshes them
    {"aField", {}, &strainOf<0, 0>, &setStrainOf<0, 0>,
     QT_TRANSLATE_NOOP("MyWindowController", "Set A Value"), nullptr},
    {"bField", {}, &strainOf<4, 1>, &setStrainOf<4, 1>,
     QT_TRANSLATE_NOOP("MyWindowController", "Set B Value"), nullptr},
    {"cField", {}, &strainOf<8, 2>, &setStrainOf<8, 2>,
     QT_TRANSLATE_NOOP("MyWindowController", "Set C Value"), nullptr},
    {"dField", {}, &strainOf<1, 4>, &setStrainOf<1, 4>,
     QT_TRANSLATE_NOOP("MyWindowController", "Set D Value"), nullptr},
    {"eField", {}, &strainOf<5, 5>, &setStrainOf<5, 5>,
     QT_TRANSLATE_NOOP("MyWindowController", "Set E Value"), nullptr},
    {"fField", {}, &strainOf<9, 6>, &setStrainOf<9, 6>,
     QT_TRANSLATE_NOOP("MyWindowController", "Set F Value"), nullptr},
    {"gField", {}, &strainOf<2, 8>, &setStrainOf<2, 8>,
     QT_TRANSLATE_NOOP("MyWindowController", "Set G Value"), nullptr},
    {"hField", {}, &strainOf<6, 9>, &setStrainOf<6, 9>,
     QT_TRANSLATE_NOOP("MyWindowController", "Set H Value"), nullptr},
    {"iField", {}, &strainOf<10, 10>, &setStrainOf<10, 10>,
     QT_TRANSLATE_NOOP("MyWindowController", "Set I Value"), nullptr},
    // updateXField .. updateZField, xAction .. zAction; the slider may show one
    {"xField", QuorvelXChangedNotification,
     &entryOf<&M::translation, 0>, &setEntryOf<&M::setTranslation, 0>,
     QT_TRANSLATE_NOOP("MyWindowController", "Set X Value"), nullptr,
     &MyWindowController::updateAnimationSlider},
    {"yField", QuorvelYChangedNotification,
     &entryOf<&M::translation, 1>, &setEntryOf<&M::setTranslation, 1>,
     QT_TRANSLATE_NOOP("MyWindowController", "Set Y Value"), nullptr,
     &MyWindowController::updateAnimationSlider},
    {"zField", QuorvelZChangedNotification,
     &entryOf<&M::translation, 2>, &setEntryOf<&M::setTranslation, 2>,
     QT_TRANSLATE_NOOP("MyWindowController", "Set Z Value"), nullptr,
     &MyWindowController::updateAnimationSlider},
    // updateLightXField .., lightXAction ..
    {"lightXField", QuorvelLightXChangedNotification,
     &entryOf<&M::light, 0>, &setEntryOf<&M::setLight, 0>,
     QT_TRANSLATE_NOOP("MyWindowController", "Set Light X Value"), nullptr},
    {"lightYField", QuorvelLightYChangedNotification,
     &entryOf<&M::light, 1>, &setEntryOf<&M::setLight, 1>,
     QT_TRANSLATE_NOOP("MyWindowController", "Set Light Y Value"), nullptr},
    {"lightZField", QuorvelLightZChangedNotification,
     &entryOf<&M::light, 2>, &setEntryOf<&M::setLight, 2>,
     QT_TRANSLATE_NOOP("MyWindowController", "Set Light Z Value"), nullptr},
    // updatePoint1XField .. updatePoint3ZField, point1XAction .. point3ZAction
    {"point1XField", QuorvelPoint1XChangedNotification,
     &entryOf<&M::point1, 0>, &setEntryOf<&M::setPoint1, 0>,
     QT_TRANSLATE_NOOP("MyWindowController", "Set Point 1 X Value"), nullptr},
    {"point1YField", QuorvelPoint1YChangedNotification,
     &entryOf<&M::point1, 1>, &setEntryOf<&M::setPoint1, 1>,
     QT_TRANSLATE_NOOP("MyWindowController", "Set Point 1 Y Value"), nullptr},
    {"point1ZField", QuorvelPoint1ZChangedNotification,
     &entryOf<&M::point1, 2>, &setEntryOf<&M::setPoint1, 2>,
     QT_TRANSLATE_NOOP("MyWindowController", "Set Point 1 Z Value"), nullptr},
    {"point2XField", QuorvelPoint2XChangedNotification,
     &entryOf<&M::point2, 0>, &setEntryOf<&M::setPoint2, 0>,
     QT_TRANSLATE_NOOP("MyWindowController", "Set Point 2 X Value"), nullptr},
    {"point2YField", QuorvelPoint2YChangedNotification,
     &entryOf<&M::point2, 1>, &setEntryOf<&M::setPoint2, 1>,
     QT_TRANSLATE_NOOP("MyWindowController", "Set Point 2 Y Value"), nullptr},
    {"point2ZField", QuorvelPoint2ZChangedNotification,
     &entryOf<&M::point2, 2>, &setEntryOf<&M::setPoint2, 2>,
     QT_TRANSLATE_NOOP("MyWindowController", "Set Point 2 Z Value"), nullptr},
    {"point3XField", QuorvelPoint3XChangedNotification,
     &entryOf<&M::point3, 0>, &setEntryOf<&M::setPoint3, 0>,
     QT_TRANSLATE_NOOP("MyWindowController", "Set Point 3 X Value"), nullptr},
    {"point3YField", QuorvelPoint3YChangedNotification,
     &entryOf<&M::point3, 1>, &setEntryOf<&M::setPoint3, 1>,
     QT_TRANSLATE_NOOP("MyWindowController", "Set Point 3 Y Value"), nullptr},
    {"point3ZField", QuorvelPoint3ZChangedNotification,
     &entryOf<&M::point3, 2>, &setEntryOf<&M::setPoint3, 2>,
     QT_TRANSLATE_NOOP("MyWindowController", "Set Point 3 Z Value"), nullptr},
    // updatePoint1ShowCheckbox .., point1ShowAction ..
    {"point1ShowCheckbox", QuorvelShowPoint1ChangedNotification,
     &flagOf<&M::showPoint1>, &setFlagOf<&M::setShowPoint1>,
     QT_TRANSLATE_NOOP("MyWindowController", "Show Point 1"),
     QT_TRANSLATE_NOOP("MyWindowController", "Hide Point 1")},
    {"point2ShowCheckbox", QuorvelShowPoint2ChangedNotification,
     &flagOf<&M::showPoint2>, &setFlagOf<&M::setShowPoint2>,
     QT_TRANSLATE_NOOP("MyWindowController", "Show Point 2"),
     QT_TRANSLATE_NOOP("MyWindowController", "Hide Point 2")},
    {"point3ShowCheckbox", QuorvelShowPoint3ChangedNotification,
     &flagOf<&M::showPoint3>, &setFlagOf<&M::setShowPoint3>,
     QT_TRANSLATE_NOOP("MyWindowController", "Show Point 3"),
     QT_TRANSLATE_NOOP("MyWindowController", "Hide Point 3")},
    // updateShowAxesCheckbox, showAxesAction
    {"showAxesCheckbox", QuorvelShowAxesChangedNotification,
     &flagOf<&M::showAxes>, &setFlagOf<&M::setShowAxes>,
     QT_TRANSLATE_NOOP("MyWindowController", "Show Axes"),
     QT_TRANSLATE_NOOP("MyWindowController", "Hide Axes")},
    // updateMarkAxesCheckbox, markAxesAction
    {"markAxesCheckbox", QuorvelMarkAxesChangedNotification,
     &flagOf<&M::markAxes>, &setFlagOf<&M::setMarkAxes>,
     QT_TRANSLATE_NOOP("MyWindowController", "Mark Axes"),
     QT_TRANSLATE_NOOP("MyWindowController", "Don't Mark Axes")},
    // updatePreserveVolumeCheckbox, preserveVolumeAction
    {"preserveVolumeCheckbox", QuorvelPreserveVolumeChangedNotification,
     &flagOf<&M::preserveVolume>, &setFlagOf<&M::setPreserveVolume>,
     QT_TRANSLATE_NOOP("MyWindowController", "Preserve Volume"),
     QT_TRANSLATE_NOOP("MyWindowController", "Don't Preserve Volume")},
    // updateActingOnPopUpButton, actingOnAction
    {"actingOnPopUp", QuorvelActingOnChangedNotification,
     &flagOf<&M::actingOnRight>, &setFlagOf<&M::setActingOnRight>,
     QT_TRANSLATE_NOOP("MyWindowController", "Act On Right"),
     QT_TRANSLATE_NOOP("MyWindowController", "Act On Left")},
    // updateProjectionPopUpButton, projectionAction
    {"projectionPopUp", QuorvelProjectionChangedNotification,
     &flagOf<&M::projection>, &setFlagOf<&M::setProjection>,
     QT_TRANSLATE_NOOP("MyWindowController", "Project in Perspective"),
     QT_TRANSLATE_NOOP("MyWindowController", "Project Isometrically"),
     &MyWindowController::updateCameraProjection},
    // updateAnimationPopUpButton, animationAction
    {"animationPopUp", QuorvelAnimationFieldChangedNotification,
     &flagOf<&M::animationField>, &setFlagOf<&M::setAnimationField>,
     QT_TRANSLATE_NOOP("MyWindowController", "Select Animation Field"), nullptr,
     &MyWindowController::updateAnimationRange},
};
// clang-format on

QPushButton* Ui::MyDocument::*const kPointSetButtons[3] = {&Ui::MyDocument::point1SetButton,
                                                           &Ui::MyDocument::point2SetButton,
                                                           &Ui::MyDocument::point3SetButton};
constexpr std::string_view kSetPointNotifications[3] = {QuorvelSetPoint1ChangedNotification,
                                                        QuorvelSetPoint2ChangedNotification,
                                                        QuorvelSetPoint3ChangedNotification};

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

// A field's editing ends on Return and whenever it loses the focus; only a
// text typed since the field was last applied or refreshed is an edit, so
// that walking through the fields changes nothing.
bool takeTypedText(QLineEdit* field) {
    if (!field->isModified())
        return false;
    field->setModified(false);
    return true;
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

    for (const Binding& binding : kBindings)
        boundControls_.push_back(window->findChild<QWidget*>(binding.control));
    connectActions();
    registerNotificationObservers();
    updateWindow();
}

MyWindowController::~MyWindowController() {
    NotificationCenter::defaultCenter().removeObserver(this);
    if (colorPanelTarget() == this)
        colorPanelTarget() = nullptr;
}

StrainData& MyWindowController::strainData() const {
    return document_.strainData();
}

UndoManager& MyWindowController::windowWillReturnUndoManager() const {
    return document_.undoManager();
}

StrainView* MyWindowController::strainView() const {
    return ui_->strainView;
}

void MyWindowController::registerNotificationObservers() {
    NotificationCenter& center = NotificationCenter::defaultCenter();
    const auto observe = [&](std::string_view name,
                             std::function<void(const Notification&)> refresh) {
        center.addObserver(this, name, &strainData(), std::move(refresh));
    };
    for (std::size_t row = 0; row < std::size(kBindings); ++row)
        if (!kBindings[row].notification.empty())
            observe(kBindings[row].notification, [this, row](const Notification& n) {
                refreshBinding(row);
                if (Refresh also = kBindings[row].also)
                    (this->*also)(&n);
            });
    const std::pair<std::string_view, Refresh> observers[] = {
        {QuorvelStrainChangedNotification, &MyWindowController::updateStrain},
        {QuorvelColorChangedNotification, &MyWindowController::updateColor},
        {QuorvelTranslucencyChangedNotification, &MyWindowController::updateTranslucencySlider},
        {QuorvelMinChangedNotification, &MyWindowController::updateSliderMinField},
        {QuorvelMaxChangedNotification, &MyWindowController::updateSliderMaxField},
        {QuorvelDistanceChangedNotification, &MyWindowController::updateZoomSlider},
        {QuorvelConstraintChangedNotification, &MyWindowController::updateConstraintRadioCluster},
    };
    for (const auto& [name, refresh] : observers)
        observe(name, [this, refresh](const Notification& n) { (this->*refresh)(&n); });
    for (int point = 0; point < 3; ++point)
        observe(kSetPointNotifications[point],
                [this, point](const Notification&) { updatePointSetButton(point); });
}

void MyWindowController::updateWindow() {
    for (std::size_t row = 0; row < std::size(kBindings); ++row) {
        refreshBinding(row);
        if (Refresh also = kBindings[row].also)
            (this->*also)(nullptr);
    }
    updateZoomSlider();
    updateTranslucencySlider();
    updateConstraintRadioCluster();
    updateColor();
}

void MyWindowController::connectActions() {
    for (std::size_t row = 0; row < std::size(kBindings); ++row) {
        QWidget* control = boundControls_[row];
        if (auto* field = qobject_cast<QLineEdit*>(control))
            connect(field, &QLineEdit::editingFinished, this, [this, row] { bindingAction(row); });
        else if (auto* checkbox = qobject_cast<QCheckBox*>(control))
            connect(checkbox, &QCheckBox::clicked, this, [this, row] { bindingAction(row); });
        else
            connect(qobject_cast<QComboBox*>(control), &QComboBox::activated, this,
                    [this, row] { bindingAction(row); });
    }
    for (int point = 0; point < 3; ++point)
        connect(ui_.get()->*kPointSetButtons[point], &QPushButton::clicked, this, [this, point] {
            // Choosing which point waits is not undoable, so no step is
            // named: a name here would relabel the previous, unrelated step.
            strainData().setPointToSet(point + 1);
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
    connect(ui_->animationSlider, &FloatSlider::triggered, this, [this] {
        const float value = ui_->animationSlider->floatValue();
        StrainData& m = strainData();
        if (m.animationField() > 9)
            m.setTranslation(m.animatedIndex(), value);
        else
            m.setStrain(m.animatedIndex(), value);
        nameUndoStep(tr("Adjust Animation Slider"));
    });
    connect(ui_->sliderMaxField, &QLineEdit::editingFinished, this, [this] {
        if (!takeTypedText(ui_->sliderMaxField))
            return;
        const float value = fieldValue(ui_->sliderMaxField);
        StrainData& m = strainData();
        if (m.animationField() > 9)
            m.setTranslationMax(m.animatedIndex(), value);
        else
            m.setStrainMax(m.animatedIndex(), value);
        nameUndoStep(tr("Set Slider Max Value"));
    });
    connect(ui_->sliderMinField, &QLineEdit::editingFinished, this, [this] {
        if (!takeTypedText(ui_->sliderMinField))
            return;
        const float value = fieldValue(ui_->sliderMinField);
        StrainData& m = strainData();
        if (m.animationField() > 9)
            m.setTranslationMin(m.animatedIndex(), value);
        else
            m.setStrainMin(m.animatedIndex(), value);
        nameUndoStep(tr("Set Slider Min Value"));
    });

    connect(ui_->restartButton, &QPushButton::clicked, this, [this] { restartAction(); });
    connect(ui_->resetView2DButton, &QPushButton::clicked, this, [this] { resetView2DAction(); });
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

// The bound controls.

void MyWindowController::bindingAction(std::size_t row) {
    const Binding& binding = kBindings[row];
    QWidget* control = boundControls_[row];
    float value;
    if (auto* field = qobject_cast<QLineEdit*>(control)) {
        if (!takeTypedText(field))
            return;
        value = fieldValue(field);
    }
    else if (auto* checkbox = qobject_cast<QCheckBox*>(control))
        value = checkboxValue(checkbox);
    else
        value = static_cast<float>(qobject_cast<QComboBox*>(control)->currentIndex());
    binding.set(strainData(), value);
    nameUndoStep(tr(value == 0.0f && binding.offUndoName ? binding.offUndoName : binding.undoName));
}

void MyWindowController::refreshBinding(std::size_t row) {
    const Binding& binding = kBindings[row];
    QWidget* control = boundControls_[row];
    const float value = binding.get(strainData());
    if (auto* field = qobject_cast<QLineEdit*>(control))
        updateTextField(field, formatted(value));
    else if (auto* checkbox = qobject_cast<QCheckBox*>(control))
        updateCheckbox(checkbox, value != 0.0f);
    else
        updatePopUpButton(qobject_cast<QComboBox*>(control), static_cast<int>(value));
}

void MyWindowController::updateStrain(const Notification* notification) {
    for (std::size_t row = 0; row < std::size(kBindings); ++row)
        if (kBindings[row].notification.empty())
            refreshBinding(row);
    updateAnimationSlider(notification);
}

void MyWindowController::updatePointSetButton(int point) {
    updateButton(ui_.get()->*kPointSetButtons[point],
                 strainData().pointToSet() == point + 1 ? tr("Cancel") : tr("Set..."));
}

void MyWindowController::updateConstraintRadioCluster(const Notification*) {
    updateRadioCluster(ui_->constraintRadioCluster, strainData().constraint());
}

void MyWindowController::updateTranslucencySlider(const Notification*) {
    updateSlider(ui_->translucencySlider, strainData().translucency());
}

// The animation group.

void MyWindowController::updateAnimationRange(const Notification* notification) {
    updateSliderMinField(notification);
    updateSliderMaxField(notification);
    updateAnimationSlider(notification);
}

void MyWindowController::updateAnimationSlider(const Notification*) {
    const StrainData& m = strainData();
    const float value = m.animationField() > 9 ? m.translation(m.animatedIndex())
                                               : m.strainEntry(m.animatedIndex());
    updateSlider(ui_->animationSlider, value);
}

void MyWindowController::updateSliderMaxField(const Notification*) {
    const StrainData& m = strainData();
    const float newEntry = m.animationField() > 9 ? m.translationMax(m.animatedIndex())
                                                  : m.strainMax(m.animatedIndex());
    updateTextField(ui_->sliderMaxField, formatted(newEntry));
    const QSignalBlocker blocker(ui_->animationSlider);
    ui_->animationSlider->setMaxValue(newEntry);
}

void MyWindowController::updateSliderMinField(const Notification*) {
    const StrainData& m = strainData();
    const float newEntry = m.animationField() > 9 ? m.translationMin(m.animatedIndex())
                                                  : m.strainMin(m.animatedIndex());
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
        strainView_->redraw(); // the camera is the view's own, not the model's
    }
}

void MyWindowController::updateCameraProjection(const Notification*) {
    if (strainView_ && strainView_->camera())
        SceneRenderer::applyProjection(*strainView_->camera(), strainData());
}

void MyWindowController::updateZoomSlider(const Notification*) {
    updateSlider(ui_->zoomSlider, 0.0f);
    if (strainView_ && strainView_->camera())
        SceneRenderer::applyDistance(*strainView_->camera(), strainData());
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

// The colour button carries a swatch of the ellipsoid's colour.
void MyWindowController::updateColor(const Notification*) {
    const auto channel = [this](int i) { return std::clamp(strainData().color(i), 0.0f, 1.0f); };
    QPixmap swatch(ui_->colorButton->iconSize());
    swatch.fill(QColor::fromRgbF(channel(0), channel(1), channel(2)));
    ui_->colorButton->setIcon(swatch);
}

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

FloatSlider* MyWindowController::animationSlider() const {
    return ui_->animationSlider;
}
