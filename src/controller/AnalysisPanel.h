// The Analysis panel beside the inspector: the strain analysis of the
// ellipsoid as drawn, in the user's locale, kept up to date through the
// model's change notifications (edits, undo, redo, the animation slider);
// the "show principal axes" check box; and a Flinn or Hsu plot of the
// present state with the path that the animation slider's sweeps traced.
// It fits a laptop's screen: the table wraps its labels rather than scroll
// sideways, and Tab passes through it as through one control.
#pragma once

#include <QWidget>

class FloatSlider;
class QCheckBox;
class QLabel;
class QTableWidget;
class StrainData;
class StrainPlot;

class AnalysisPanel : public QWidget {
    Q_OBJECT
public:
    // Each move of animationSlider adds the state it reaches to the path.
    AnalysisPanel(StrainData& model, FloatSlider* animationSlider, QWidget* parent = nullptr);
    ~AnalysisPanel() override;

    // The panel's numbers as tab-separated lines, for the clipboard.
    QString text() const;
    void copyToClipboard() const;

  protected:
    // The table's viewport: a new width wraps the labels anew.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void scheduleRefresh();
    void fitLabels(bool labelsChanged);
    void refresh();
    void addPathPoint();
    void clearPath();

    StrainData& model_;
    QTableWidget* table_;
    QLabel* state_;
    QCheckBox* showPrincipalAxes_;
    StrainPlot* plot_;
    bool refreshPending_ = false;
    bool rowsPending_ = false;
};
