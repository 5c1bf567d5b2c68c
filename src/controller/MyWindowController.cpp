#include "controller/MyWindowController.h"

#include "controller/ColorPanel.h"
#include "controller/RestartSheet.h"
#include "controller/ViewDelegate.h"
#include "controller/WheelGuard.h"
#include "document/MyDocument.h"
#include "model/AnimatedQuantity.h"
#include "model/DocumentValues.h"
#include "model/StrainData.h"
#include "model/StrainNotifications.h"
#include "controller/FloatSlider.h"
#include "platform/NotificationCenter.h"
#include "platform/NumberText.h"
#include "ui_MyDocument.h"

#include <QLocale>
#include <QPixmap>
#include <QSignalBlocker>

#include <algorithm>
#include <functional>

namespace {

QPushButton* Ui::MyDocument::*const kPointSetButtons[3] = {&Ui::MyDocument::point1SetButton,
                                                           &Ui::MyDocument::point2SetButton,
                                                           &Ui::MyDocument::point3SetButton};
constexpr std::string_view kSetPointNotifications[3] = {QuorvelSetPoint1ChangedNotification,
                                                        QuorvelSetPoint2ChangedNotification,
                                                        QuorvelSetPoint3ChangedNotification};

// The refreshes that follow a change besides its bound controls'.
using Refresh = void (MyWindowController::*)(const Notification*);
const std::pair<std::string_view, Refresh> kRefreshes[] = {
    {QuorvelStrainChangedNotification, &MyWindowController::updateStrain},
    {QuorvelColorChangedNotification, &MyWindowController::updateColor},
    {QuorvelMinChangedNotification, &MyWindowController::updateSliderMinField},
    {QuorvelMaxChangedNotification, &MyWindowController::updateSliderMaxField},
    {QuorvelDistanceChangedNotification, &MyWindowController::updateZoomSlider},
    // The slider may show x, y, z or the flow's time.
    {QuorvelXChangedNotification, &MyWindowController::updateAnimationSlider},
    {QuorvelYChangedNotification, &MyWindowController::updateAnimationSlider},
    {QuorvelZChangedNotification, &MyWindowController::updateAnimationSlider},
    {QuorvelTimeChangedNotification, &MyWindowController::updateAnimationSlider},
    {QuorvelProjectionChangedNotification, &MyWindowController::updateCameraProjection},
    {QuorvelAnimationFieldChangedNotification, &MyWindowController::updateAnimationRange},
};

// The value a bound control shows: the strain fields show the entries on
// the present acting side.
float shownValue(const DocumentValue& value, const StrainData& m) {
    return value.strainField < 0 ? value.get(m) : m.strainEntry(m.strainFieldIndex(value.strainField));
}

void setShownValue(const DocumentValue& value, StrainData& m, float number) {
    if (value.strainField < 0)
        value.set(m, number);
    else
        m.setStrain(m.strainFieldIndex(value.strainField), number);
}

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
    if (decimalPoint != QStringLiteral(".")) text.replace(decimalPoint, QStringLiteral("."));
    return floatValue(text.toStdString());
}

// A field's editing ends on Return and whenever it loses the focus; only a
// text typed since the field was last applied or refreshed is an edit, so
// that walking through the fields changes nothing.
bool takeTypedText(QLineEdit* field) {
    if (!field->isModified()) return false;
    field->setModified(false);
    return true;
}

// Only the checked state counts as on.
int checkboxValue(const QCheckBox* checkbox) {
    return checkbox->checkState() == Qt::Checked ? 1 : 0;
}

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
    wheelGuard_ = new WheelGuard(document_.undoManager(), this);
    viewDelegate_ = std::make_unique<ViewDelegate>(document_, *ui_->zoomSlider, *wheelGuard_,
                                                   [this] { resetView2DAction(); });
    ui_->strainView->setDelegate(viewDelegate_.get());
    ui_->strainView->setModel(&strainData());
    for (QWidget* control : std::initializer_list<QWidget*>{
             ui_->actingOnPopUp, ui_->animationPopUp, ui_->projectionPopUp, ui_->animationSlider,
             ui_->zoomSlider, ui_->translucencySlider})
        wheelGuard_->guard(control);

    connectActions();
    registerNotificationObservers();
    bindControls(window);
    updateWindow();
}

MyWindowController::~MyWindowController() {
    NotificationCenter::defaultCenter().removeObserver(this);
    ColorPanel::forget(this);
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

void MyWindowController::observe(std::string_view name,
                                 std::function<void(const Notification&)> refresh) {
    NotificationCenter::defaultCenter().addObserver(this, name, &strainData(), std::move(refresh));
}

void MyWindowController::registerNotificationObservers() {
    for (const auto& [name, refresh] : kRefreshes)
        observe(name, [this, refresh](const Notification& n) { (this->*refresh)(&n); });
    for (int point = 0; point < 3; ++point)
        observe(kSetPointNotifications[point],
                [this, point](const Notification&) { updatePointSetButton(point); });
}

void MyWindowController::bindControls(QWidget* container) {
    for (const DocumentValue& value : documentValues()) {
        QObject* control = value.control ? container->findChild<QObject*>(value.control) : nullptr;
        if (!control)
            continue;
        const BoundControl bound{control, &value};
        boundControls_.push_back(bound);
        const auto action = [this, bound] { bindingAction(bound); };
        if (auto* field = qobject_cast<QLineEdit*>(control))
            connect(field, &QLineEdit::editingFinished, this, action);
        else if (auto* checkbox = qobject_cast<QCheckBox*>(control))
            connect(checkbox, &QCheckBox::clicked, this, action);
        else if (auto* popUp = qobject_cast<QComboBox*>(control))
            connect(popUp, &QComboBox::activated, this, action);
        else if (auto* slider = qobject_cast<FloatSlider*>(control))
            connect(slider, &FloatSlider::triggered, this, action);
        else
            connect(qobject_cast<QButtonGroup*>(control), &QButtonGroup::idClicked, this, action);
        // updateStrain refreshes the strain fields.
        if (value.notification != QuorvelStrainChangedNotification)
            observe(value.notification, [this, bound](const Notification&) { refreshBinding(bound); });
        refreshBinding(bound);
    }
}

void MyWindowController::updateWindow() {
    for (const BoundControl& bound : boundControls_)
        refreshBinding(bound);
    for (const auto& [name, refresh] : kRefreshes)
        (this->*refresh)(nullptr);
}

void MyWindowController::connectActions() {
    for (int point = 0; point < 3; ++point)
        connect(ui_.get()->*kPointSetButtons[point], &QPushButton::clicked, this, [this, point] {
            // Choosing which point waits is not undoable, so no step is
            // named: a name here would relabel the previous, unrelated step.
            strainData().setPointToSet(point + 1);
        });

    // A drag of a continuous slider is one undo step, however many values it
    // passes through.
    for (FloatSlider* slider : {ui_->translucencySlider, ui_->animationSlider}) {
        connect(slider, &QSlider::sliderPressed, this,
                [this] { document_.undoManager().beginUndoGrouping(); });
        connect(slider, &QSlider::sliderReleased, this,
                [this] { document_.undoManager().endUndoGrouping(); });
    }
    connect(ui_->animationSlider, &FloatSlider::triggered, this, [this] {
        setAnimatedValue(strainData(), ui_->animationSlider->floatValue());
        nameUndoStep(tr("Adjust Animation Slider"));
    });
    connect(ui_->sliderMaxField, &QLineEdit::editingFinished, this, [this] {
        if (!takeTypedText(ui_->sliderMaxField)) return;
        setAnimatedMax(strainData(), fieldValue(ui_->sliderMaxField));
        nameUndoStep(tr("Set Slider Max Value"));
    });
    connect(ui_->sliderMinField, &QLineEdit::editingFinished, this, [this] {
        if (!takeTypedText(ui_->sliderMinField)) return;
        setAnimatedMin(strainData(), fieldValue(ui_->sliderMinField));
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

void MyWindowController::nameUndoStep(UndoManager& undo, const QString& name) {
    if (undo.groupingLevel() > 0) undo.setActionName(name.toStdString());
}

// The bound controls.

void MyWindowController::bindingAction(const BoundControl& bound) {
    QObject* control = bound.control;
    float value;
    if (auto* field = qobject_cast<QLineEdit*>(control)) {
        if (!takeTypedText(field)) return;
        value = fieldValue(field);
    } else if (auto* checkbox = qobject_cast<QCheckBox*>(control))
        value = checkboxValue(checkbox);
    else if (auto* popUp = qobject_cast<QComboBox*>(control))
        value = static_cast<float>(popUp->currentIndex());
    else if (auto* slider = qobject_cast<FloatSlider*>(control))
        value = slider->floatValue();
    else
        value = static_cast<float>(qobject_cast<QButtonGroup*>(control)->checkedId());
    setShownValue(*bound.value, strainData(), value);
    const DocumentValue& v = *bound.value;
    nameUndoStep(tr(value == 0.0f && v.offUndoName ? v.offUndoName : v.undoName));
}

void MyWindowController::refreshBinding(const BoundControl& bound) {
    QObject* control = bound.control;
    const float value = shownValue(*bound.value, strainData());
    if (auto* field = qobject_cast<QLineEdit*>(control))
        updateTextField(field, formatted(value));
    else if (auto* checkbox = qobject_cast<QCheckBox*>(control))
        updateCheckbox(checkbox, value != 0.0f);
    else if (auto* popUp = qobject_cast<QComboBox*>(control))
        updatePopUpButton(popUp, static_cast<int>(value));
    else if (auto* slider = qobject_cast<FloatSlider*>(control))
        updateSlider(slider, value);
    else
        updateRadioCluster(qobject_cast<QButtonGroup*>(control), static_cast<int>(value));
}

void MyWindowController::updateStrain(const Notification* notification) {
    for (const BoundControl& bound : boundControls_)
        if (bound.value->notification == QuorvelStrainChangedNotification) refreshBinding(bound);
    updateAnimationSlider(notification);
}

void MyWindowController::updatePointSetButton(int point) {
    updateButton(ui_.get()->*kPointSetButtons[point],
                 strainData().pointToSet() == point + 1 ? tr("Cancel") : tr("Set..."));
}

// The animation group.

void MyWindowController::updateAnimationRange(const Notification* notification) {
    updateSliderMinField(notification);
    updateSliderMaxField(notification);
    updateAnimationSlider(notification);
}

void MyWindowController::updateAnimationSlider(const Notification*) {
    updateSlider(ui_->animationSlider, animatedValue(strainData()));
}

void MyWindowController::updateSliderMaxField(const Notification*) {
    const float newEntry = animatedMax(strainData());
    updateTextField(ui_->sliderMaxField, formatted(newEntry));
    const QSignalBlocker blocker(ui_->animationSlider);
    ui_->animationSlider->setMaxValue(newEntry);
}

void MyWindowController::updateSliderMinField(const Notification*) {
    const float newEntry = animatedMin(strainData());
    updateTextField(ui_->sliderMinField, formatted(newEntry));
    const QSignalBlocker blocker(ui_->animationSlider);
    ui_->animationSlider->setMinValue(newEntry);
}

// Restart.

void MyWindowController::restartAction() {
    askToRestartStrain(ui_->strainView->window(), [self = QPointer(this)](int returnCode) {
        if (self) self->restartConfirmed(returnCode);
    });
}

void MyWindowController::restartConfirmed(int returnCode) {
    if (returnCode == 1) strainData().accumulateStrain();
}

// View controls.

void MyWindowController::resetView2DAction() {
    StrainData& m = strainData();
    m.setProjection(0);
    m.setLight(0, 0.0f);
    m.setLight(1, 0.0f);
    m.setLight(2, 9.0f);
    viewDelegate_->resetCamera();
}

void MyWindowController::updateCameraProjection(const Notification*) {
    viewDelegate_->updateCamera();
}

void MyWindowController::updateZoomSlider(const Notification*) {
    updateSlider(ui_->zoomSlider, 0.0f);
    viewDelegate_->updateCamera();
}

// Colour.

void MyWindowController::colorAction() {
    ColorPanel::showFor(this);
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
    if ((checkbox->checkState() == Qt::Checked) == setting) return;
    const QSignalBlocker blocker(checkbox);
    checkbox->setCheckState(setting ? Qt::Checked : Qt::Unchecked);
}

void MyWindowController::updatePopUpButton(QComboBox* popUp, int setting) {
    if (popUp->currentIndex() == setting) return;
    const QSignalBlocker blocker(popUp);
    popUp->setCurrentIndex(setting);
}

void MyWindowController::updateRadioCluster(QButtonGroup* cluster, int setting) {
    if (cluster->checkedId() == setting) return;
    if (QAbstractButton* button = cluster->button(setting)) {
        const QSignalBlocker blocker(cluster);
        button->setChecked(true);
    }
}

void MyWindowController::updateSlider(FloatSlider* slider, float setting) {
    if (slider->floatValue() == setting) return;
    const QSignalBlocker blocker(slider);
    slider->setFloatValue(setting);
}

void MyWindowController::updateTextField(QLineEdit* field, const QString& setting) {
    if (field->text() == setting) return;
    const QSignalBlocker blocker(field);
    field->setText(setting);
}

void MyWindowController::updateButton(QAbstractButton* button, const QString& setting) {
    if (button->text() == setting) return;
    button->setText(setting);
}

FloatSlider* MyWindowController::animationSlider() const {
    return ui_->animationSlider;
}
