// What the shape plot draws beside its chart's series: the guides (the
// fields' names; Hsu's circles of equal εs and rays of equal ν) and the
// slider's trail, which may hold thousands of points. Neither is cached as a
// picture, so that a plot saved as SVG keeps them as lines and text; the
// trail keeps its path in the chart's pixels instead, built once a change.
#pragma once

#include <QGraphicsItem>
#include <QPainterPath>
#include <QPen>

class ShapeTrail;
class StrainPlot;

class PlotItem : public QGraphicsItem {
  public:
    explicit PlotItem(StrainPlot& plot);
    QRectF boundingRect() const override;
    // After the trail or the plot's scale or kind changed.
    virtual void changed();

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
    void changed() override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) override;

  private:
    const ShapeTrail& trail_;
    QPen pen_;
    QPainterPath path_; // in the chart's pixels
    QRectF pathArea_;   // the plot area path_ was built for; empty when it is out of date
};
