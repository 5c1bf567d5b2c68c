// The stereonet beside the Analysis panel: an equal-area net, lower
// hemisphere, north up, with the principal axes X, Y and Z as points in the
// colours the view gives them, the XY plane (the foliation) as a great
// circle, any further labelled directions, and the path that X, Y and Z took
// while the animation slider moved. Hovering a point tells its trend and
// plunge in the user's locale, hovering the great circle its dip direction
// and dip. It follows the model's change notifications.
#pragma once

#include "model/Stereonet.h"

#include <QColor>
#include <QList>
#include <QWidget>

#include <vector>

class FloatSlider;
class StrainData;

// A direction to show on the net: a square of its colour, labelled.
struct NetDirection {
    QString label;
    QColor colour;
    double trend = 0;
    double plunge = 0;
};

class StereonetView : public QWidget {
    Q_OBJECT
public:
    // Each move of animationSlider adds the axes' new places to the path.
    StereonetView(StrainData& model, FloatSlider* animationSlider, QWidget* parent = nullptr);
    ~StereonetView() override;

    // Shown beside the principal axes until replaced; an empty list shows none.
    // The document's flow sets them: its stretching axes and apophyses.
    void setExtraDirections(QList<NetDirection> directions);
    void clearPath();

    // Where a line falls in the widget, in logical pixels.
    QPointF pixelOf(double trend, double plunge) const;
    QPointF pixelOf(NetPoint point) const;
    // The path drawn for axis 0, 1 or 2 (X, Y, Z).
    const NetPath& path(int axis) const { return paths_[std::size_t(axis)]; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    struct Symbol {
        QString label;
        QColor colour;
        AxisOrientation orientation;
        bool square;
    };
    std::vector<Symbol> symbols() const;
    // Whether point lies within hovering distance of the XY plane's trace.
    bool nearFoliation(QPointF point) const;
    void addPathPoints();
    void showFlow();
    QPointF centre() const;
    double radius() const;

    StrainData& model_;
    QList<NetDirection> extra_;
    std::array<NetPath, 3> paths_;
};
