// What the shape plot draws beside its chart's series, each as one cached
// picture that a moving point does not redraw: the guides (the fields'
// names; Hsu's circles of equal εs and rays of equal ν) and the slider's
// trail, which may hold thousands of points.
#pragma once

#include <QGraphicsItem>
#include <QPen>

class ShapeTrail;
class StrainPlot;

class PlotItem : public QGraphicsItem {
public:
    explicit PlotItem(StrainPlot& plot);
    QRectF boundingRect() const override;
    // After the trail or the plot's scale or kind changed.
    void changed();

protected:
    StrainPlot& plot_;
};

class PlotGuides final : public PlotItem {
public:
    using PlotItem::PlotItem;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) override;
};

class TrailItem final : public PlotItem {
public:
    TrailItem(StrainPlot& plot, const ShapeTrail& trail, QPen pen);
    void paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) override;

private:
    const ShapeTrail& trail_;
    QPen pen_;
};
