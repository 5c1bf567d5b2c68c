// The strain ellipse of a plane through the ellipsoid's centre: the plane,
// given by dip direction and dip or chosen among the principal planes, the
// ellipse's axial ratio and its long axis as trend, plunge and rake, and
// whether the view draws it. The controls are bound to the document by the
// window's controller; the readings follow the model's notifications.
#pragma once

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class StrainData;

class SectionPanel : public QWidget {
    Q_OBJECT
public:
    explicit SectionPanel(StrainData& model, QWidget* parent = nullptr);
    ~SectionPanel() override;

private:
    void enableFields();
    void scheduleRefresh();
    void refresh();

    StrainData& model_;
    QLineEdit* dipDirection_;
    QLineEdit* dip_;
    QLabel* readings_;
    bool refreshPending_ = false;
};
