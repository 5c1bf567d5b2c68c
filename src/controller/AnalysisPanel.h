// The Analysis panel beside the inspector: the strain analysis of the
// ellipsoid as drawn, in the user's locale, kept up to date through the
// model's change notifications (edits, undo, redo, the animation slider);
// the "show principal axes" check box; and a Flinn or Hsu plot of the
// present state with the path that the animation slider's sweeps traced and
// the paths of flows drawn whole.
// It fits a laptop's screen: the table wraps its labels rather than scroll
// sideways, and Tab passes through it as through one control.
#pragma once

#include <QWidget>

#include <memory>
#include <vector>

struct AnalysisRow;
class FloatSlider;
class FlowPaths;
class QLabel;
class QPushButton;
class QTableWidget;
class StrainData;
class StrainPlot;
struct StrainAnalysis;

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
    std::vector<AnalysisRow> rows(const StrainAnalysis& analysis) const;
    void scheduleRefresh();
    void fitLabels(bool labelsChanged);
    void refresh();
    void addPathPoint();
    void clearPath();

    StrainData& model_;
    QTableWidget* table_;
    QLabel* state_;
    StrainPlot* plot_;
    std::unique_ptr<FlowPaths> flowPaths_;
    QPushButton* drawFlowPath_;
    bool refreshPending_ = false;
    bool rowsPending_ = false;
};
