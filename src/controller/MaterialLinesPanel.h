// What the deformation does to the material points seen as lines through the
// ellipsoid's centre: each line's stretch, elongation, quadratic elongation
// and the angle it turned, and for each pair the angle between them before
// and after, with the shear strain of a pair that began perpendicular. In
// the user's locale, kept up to date through the model's notifications.
#pragma once

#include <QWidget>

class QTableWidget;
class StrainData;

class MaterialLinesPanel : public QWidget {
    Q_OBJECT
public:
    explicit MaterialLinesPanel(StrainData& model, QWidget* parent = nullptr);
    ~MaterialLinesPanel() override;

private:
    void scheduleRefresh();
    void refresh();

    StrainData& model_;
    QTableWidget* lines_;
    QTableWidget* pairs_;
    bool refreshPending_ = false;
};
