// The shape plot of the Analysis panel: Flinn's, in Ramsay's logarithmic
// form, or Hsu's. Both keep one scale across and up, so that k = 1 runs at
// 45° and a line of equal εs is round; ticks fall on round numbers; the
// flattening and constriction fields are named; no point is cut by the edge.
// The present state is a point, with the line of plane strains of its J when
// that is not 1, and the animation slider's sweeps leave a trail.
#pragma once

#include "model/ShapeTrail.h"

#include <QtCharts/QChartView>

#include <optional>
#include <vector>

class PlotGuides;
class QGraphicsTextItem;
class QLineSeries;
class QScatterSeries;
class QValueAxis;
class TrailItem;

class StrainPlot : public QChartView {
    Q_OBJECT
  public:
    enum class Kind { Flinn, Hsu };

    explicit StrainPlot(QWidget* parent = nullptr);

    static QString title(Kind kind);
    Kind kind() const { return kind_; }
    void setKind(Kind kind);

    void showPresent(const StrainAnalysis& analysis);
    void addToTrail(const StrainAnalysis& analysis);
    void clearTrail();
    const ShapeTrail& trail() const { return trail_; }

    // A further line through the shapes given (a strain path, say), drawn in
    // either plot and kept in view.
    QLineSeries* addCurve(const QString& name, std::vector<ShapePoint> shapes);
    void removeCurves();

    // Where a shape lies in the present plot, in the chart's values.
    QPointF place(ShapePoint shape) const;
    // What the legend under the plot says, entry after entry.
    QString legendText() const;
    // The chart's values per pixel, the same across and up.
    double scale() const { return scale_; }
    // The spacing of the ticks, and of Hsu's circles of equal εs.
    double tickStep() const { return tickStep_; }
    // The room Hsu's guides keep for their words: ν above the sector, εs
    // beside it. Flinn's plot keeps none.
    QSizeF labelRoom() const;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    struct Curve {
        QLineSeries* series;
        std::vector<ShapePoint> shapes;
    };

    QLineSeries* newLine(const QString& name);
    void keep(ShapePoint shape);
    void keepAll();
    QSizeF wantedReach() const;
    bool fit();
    void placeReferences();
    void placeLegend();

    Kind kind_ = Kind::Flinn;
    QValueAxis* across_;
    QValueAxis* up_;
    QLineSeries* equalLine_;   // k = 1, or ν = 0
    QLineSeries* planeStrain_; // for the present J
    QLineSeries* trailLegend_; // the trail's name and pen; TrailItem draws it
    QScatterSeries* present_;
    std::vector<Curve> curves_;
    QGraphicsTextItem* legend_;
    int bottomMargin_; // the chart's own, below the legend
    PlotGuides* guides_;
    TrailItem* trailItem_;
    ShapeTrail trail_;
    std::optional<ShapePoint> presentShape_;
    double volumeRatio_ = 1;
    ShapePoint kept_;   // the largest of each difference in the trail and the curves
    QSizeF fitted_;     // the values in view across and up at the last fit
    QRectF fittedArea_; // and the plot area then
    double scale_ = 0;
    double tickStep_ = 0;
};
