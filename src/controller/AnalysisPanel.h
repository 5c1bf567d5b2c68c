// The Analysis panel beside the inspector: the strain analysis of the
// ellipsoid as drawn, in the user's locale, kept up to date through the
// model's change notifications (edits, undo, redo, the animation slider);
// the "show principal axes" check box; and a logarithmic Flinn plot of the
// present state with the path that the animation slider's sweeps traced.
#pragma once

#include <QWidget>

class FloatSlider;
class QLabel;
class QLineSeries;
class QScatterSeries;
class QTableWidget;
class QValueAxis;
class StrainData;

class AnalysisPanel : public QWidget {
    Q_OBJECT
public:
    // Each move of animationSlider adds the state it reaches to the path.
    AnalysisPanel(StrainData& model, FloatSlider* animationSlider, QWidget* parent = nullptr);
    ~AnalysisPanel() override;

    // The panel's numbers as tab-separated lines, for the clipboard.
    QString text() const;
    void copyToClipboard() const;

private:
    void scheduleRefresh();
    void refresh();
    void addPathPoint();
    void clearPath();
    void fitAxes();

    StrainData& model_;
    QTableWidget* table_;
    QLabel* state_;
    QLineSeries* path_;
    QLineSeries* kOne_;
    QScatterSeries* present_;
    QValueAxis* across_;
    QValueAxis* up_;
    bool refreshPending_ = false;
};
