// The Deformation dialog: a deformation by the parameters geologists use
// (model/DeformationPresets.h), shown as the strain it makes before it is
// applied, then set as the document's strain, its flow, or both, in one
// undoable step. Setting the flow selects Time on the animation slider, from
// 0 to the deformation's time.
#pragma once

#include <QDialog>

#include <vector>

class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class StrainData;
struct PresetFlow;

class DeformationDialog : public QDialog {
    Q_OBJECT
  public:
    // One dialog per window: asking again brings the open one forward.
    static void showFor(StrainData& model, QWidget* window);

    DeformationDialog(StrainData& model, QWidget* parent);

  private:
    void choosePreset();
    // The chosen deformation as its parameters give it, or its error.
    PresetFlow preset() const;
    void showPreview();
    void apply();

    StrainData& model_;
    QComboBox* presets_;
    QComboBox* target_;
    QFormLayout* parameters_;
    std::vector<QLineEdit*> fields_;
    QLabel* preview_;
    QPushButton* apply_;
};
