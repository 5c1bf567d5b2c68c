// The document window's controller: loads the view and the inspector into the
// window, follows every change notification of the document's model, shows
// each value in its control, turns the user's edits into model changes with
// named undo steps, and hands the model to the view, which draws it.
#pragma once

#include "view/StrainView.h"

#include <QObject>
#include <QPointer>

#include <memory>
#include <string_view>

class FloatSlider;
class MyDocument;
class QAbstractButton;
class QButtonGroup;
class QColor;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QWidget;
class StrainData;
class UndoManager;
class WheelGuard;
struct Notification;

namespace Ui {
class MyDocument;
}

class MyWindowController : public QObject, public StrainViewDelegate {
    Q_OBJECT
public:
    // Loads the window interface into window (which the caller owns and
    // places), subscribes to the model's notifications and fills every
    // control from the model.
    MyWindowController(MyDocument& document, QWidget* window);
    ~MyWindowController() override;

    MyDocument& document() const { return document_; }
    StrainData& strainData() const;
    // The undo manager that the window's Undo and Redo act on.
    UndoManager& windowWillReturnUndoManager() const;
    // The window's view, for exporting what it shows.
    StrainView* strainView() const;

    // The view's delegate.
    void setStrainView(StrainView* view) override;
    void registerPick(const GLdouble pick[3]) override;
    void resetView() override { resetView2DAction(); }
    void zoomView(float steps, bool fromWheel) override;
    void cancelPick() override;

    // The controls.
    QLineEdit* aField() const;
    QLineEdit* bField() const;
    QLineEdit* cField() const;
    QLineEdit* dField() const;
    QLineEdit* eField() const;
    QLineEdit* fField() const;
    QLineEdit* gField() const;
    QLineEdit* hField() const;
    QLineEdit* iField() const;
    QComboBox* actingOnPopUp() const;
    QLineEdit* xField() const;
    QLineEdit* yField() const;
    QLineEdit* zField() const;
    QComboBox* animationPopUp() const;
    FloatSlider* animationSlider() const;
    QLineEdit* sliderMaxField() const;
    QLineEdit* sliderMinField() const;
    QComboBox* projectionPopUp() const;
    QLineEdit* lightXField() const;
    QLineEdit* lightYField() const;
    QLineEdit* lightZField() const;
    FloatSlider* zoomSlider() const;
    QCheckBox* showAxesCheckbox() const;
    QCheckBox* markAxesCheckbox() const;
    FloatSlider* translucencySlider() const;
    QCheckBox* preserveVolumeCheckbox() const;
    QButtonGroup* constraintRadioCluster() const;
    QLineEdit* point1XField() const;
    QLineEdit* point1YField() const;
    QLineEdit* point1ZField() const;
    QCheckBox* point1ShowCheckbox() const;
    QLineEdit* point2XField() const;
    QLineEdit* point2YField() const;
    QLineEdit* point2ZField() const;
    QCheckBox* point2ShowCheckbox() const;
    QLineEdit* point3XField() const;
    QLineEdit* point3YField() const;
    QLineEdit* point3ZField() const;
    QCheckBox* point3ShowCheckbox() const;
    QPushButton* restartButton() const;
    QPushButton* resetView2DButton() const;
    QPushButton* colorButton() const;
    QPushButton* point1SetButton() const;
    QPushButton* point2SetButton() const;
    QPushButton* point3SetButton() const;

    // The strain element (or, for x, y and z, the translation component)
    // that the animation slider drives, on the side the matrix acts from.
    int animatedIndex() const;

    // Refreshes: each shows one model value in its control (and most ask the
    // view to redraw). They run on the model's change notifications, and all
    // at once from updateWindow when the window loads.
    void updateWindow();
    void updateStrain(const Notification* notification = nullptr);
    void updateAField(const Notification* notification = nullptr);
    void updateBField(const Notification* notification = nullptr);
    void updateCField(const Notification* notification = nullptr);
    void updateDField(const Notification* notification = nullptr);
    void updateEField(const Notification* notification = nullptr);
    void updateFField(const Notification* notification = nullptr);
    void updateGField(const Notification* notification = nullptr);
    void updateHField(const Notification* notification = nullptr);
    void updateIField(const Notification* notification = nullptr);
    void updateActingOnPopUpButton(const Notification* notification = nullptr);
    void updateXField(const Notification* notification = nullptr);
    void updateYField(const Notification* notification = nullptr);
    void updateZField(const Notification* notification = nullptr);
    void updateAnimationPopUpButton(const Notification* notification = nullptr);
    void updateAnimationSlider(const Notification* notification = nullptr);
    void updateSliderMaxField(const Notification* notification = nullptr);
    void updateSliderMinField(const Notification* notification = nullptr);
    void updateProjectionPopUpButton(const Notification* notification = nullptr);
    void updateLightXField(const Notification* notification = nullptr);
    void updateLightYField(const Notification* notification = nullptr);
    void updateLightZField(const Notification* notification = nullptr);
    void updateZoomSlider(const Notification* notification = nullptr);
    void updateShowAxesCheckbox(const Notification* notification = nullptr);
    void updateMarkAxesCheckbox(const Notification* notification = nullptr);
    void updateTranslucencySlider(const Notification* notification = nullptr);
    void updatePreserveVolumeCheckbox(const Notification* notification = nullptr);
    void updateConstraintRadioCluster(const Notification* notification = nullptr);
    void updatePoint1XField(const Notification* notification = nullptr);
    void updatePoint1YField(const Notification* notification = nullptr);
    void updatePoint1ZField(const Notification* notification = nullptr);
    void updatePoint1ShowCheckbox(const Notification* notification = nullptr);
    void updatePoint2XField(const Notification* notification = nullptr);
    void updatePoint2YField(const Notification* notification = nullptr);
    void updatePoint2ZField(const Notification* notification = nullptr);
    void updatePoint2ShowCheckbox(const Notification* notification = nullptr);
    void updatePoint3XField(const Notification* notification = nullptr);
    void updatePoint3YField(const Notification* notification = nullptr);
    void updatePoint3ZField(const Notification* notification = nullptr);
    void updatePoint3ShowCheckbox(const Notification* notification = nullptr);
    void updatePoint1SetButton(const Notification* notification = nullptr);
    void updatePoint2SetButton(const Notification* notification = nullptr);
    void updatePoint3SetButton(const Notification* notification = nullptr);
    void updateColor(const Notification* notification = nullptr);

    // The restart sheet's answer: the strain restarts only for the default
    // button (1).
    void restartConfirmed(int returnCode);
    // The colour panel's choice.
    void applyColor(const QColor& color);

    // Control updates: each changes its control only when it shows something
    // else, and never runs the control's action.
    static void updateCheckbox(QCheckBox* checkbox, bool setting);
    static void updatePopUpButton(QComboBox* popUp, int setting);
    static void updateRadioCluster(QButtonGroup* cluster, int setting);
    static void updateSlider(FloatSlider* slider, float setting);
    static void updateTextField(QLineEdit* field, const QString& setting);
    static void updateButton(QAbstractButton* button, const QString& setting);

private:
    void registerNotificationObservers();
    void connectActions();
    // Names the undo step that the action's setter has just opened; an
    // action whose setter registered nothing leaves the last step's name.
    void nameUndoStep(const QString& name);
    void redraw();

    void strainFieldAction(int field);
    void updateStrainField(int field);
    void translationAction(int component);
    void updateTranslationField(int component);
    void lightAction(int component);
    void updateLightField(int component);
    void pointAction(int point, int component);
    void updatePointField(int point, int component);
    void pointShowAction(int point);
    void updatePointShowCheckbox(int point);
    void pointSetAction(int point);
    void updatePointSetButton(int point);
    void checkboxAction(QCheckBox* sender, void (StrainData::*setter)(int), const char* onName,
                        const char* offName);
    void restartAction();
    void resetView2DAction();
    void colorAction();

    MyDocument& document_;
    std::unique_ptr<Ui::MyDocument> ui_;
    QPointer<StrainView> strainView_; // set once the view has drawn
    WheelGuard* wheelGuard_ = nullptr;
};
