// The document window's controller: loads the view and the inspector into the
// window, follows every change notification of the document's model, shows
// each value in its control, turns the user's edits into model changes with
// named undo steps, and hands the model to the view, which draws it.
#pragma once

#include "view/StrainView.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>
#include <string_view>
#include <vector>

class FloatSlider;
struct DocumentValue;
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
class ViewDelegate;
class WheelGuard;
struct Notification;

namespace Ui {
class MyDocument;
}

class MyWindowController : public QObject {
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

    // The slider that animates one quantity; the analysis panel follows it.
    FloatSlider* animationSlider() const;

    // Binds the controls in container that the table of document values
    // names (the window's own, then a panel's): each shows its value, follows
    // its notification, and its action sets the value as a named undo step.
    // Each row with a control stands for a refresh and an action (updateAField
    // and aAction, updateShowAxesCheckbox and showAxesAction,
    // updateTranslucencySlider, updateConstraintRadioCluster, ...).
    void bindControls(QWidget* container);

    // Refreshes: each shows model values in controls; the view follows the
    // model by itself. They run on the model's change notifications, and all at
    // once from updateWindow when the window loads.
    void updateWindow();
    void updateStrain(const Notification* notification = nullptr);
    void updateAnimationSlider(const Notification* notification = nullptr);
    void updateSliderMaxField(const Notification* notification = nullptr);
    void updateSliderMinField(const Notification* notification = nullptr);
    void updateZoomSlider(const Notification* notification = nullptr);
    void updateColor(const Notification* notification = nullptr);
    // The animation pop-up's range and value, the range first so that the
    // value lands inside it.
    void updateAnimationRange(const Notification* notification = nullptr);
    // The camera follows the document's projection.
    void updateCameraProjection(const Notification* notification = nullptr);

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

    // Names the undo step that an action's setter has just opened; an action
    // whose setter registered nothing leaves the last step's name.
    static void nameUndoStep(UndoManager& undo, const QString& name);

  private:
    struct BoundControl {
        QObject* control;
        const DocumentValue* value;
    };

    void observe(std::string_view name, std::function<void(const Notification&)> refresh);
    void registerNotificationObservers();
    void connectActions();
    void nameUndoStep(const QString& name) { nameUndoStep(windowWillReturnUndoManager(), name); }

    void bindingAction(const BoundControl& bound);
    void refreshBinding(const BoundControl& bound);
    void updatePointSetButton(int point);
    void restartAction();
    void resetView2DAction();
    void colorAction();

    MyDocument& document_;
    std::unique_ptr<Ui::MyDocument> ui_;
    std::vector<BoundControl> boundControls_;
    WheelGuard* wheelGuard_ = nullptr;
    std::unique_ptr<ViewDelegate> viewDelegate_;
};
