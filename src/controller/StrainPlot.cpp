#include "controller/StrainPlot.h"

#include "controller/PlotItems.h"

#include <QGraphicsTextItem>
#include <QTextDocument>
#include <QtCharts/QLineSeries>
#include <QtCharts/QScatterSeries>
#include <QtCharts/QValueAxis>

#include <algorithm>
#include <cmath>

namespace {

constexpr qreal kMarkerSize = 10;
// Pixels between the plot's edge and the farthest point, so that no marker
// is cut.
constexpr qreal kMargin = kMarkerSize / 2 + 3;
// Below this the plot does not shrink: a sphere's point sits in a plot of
// reasonable size.
constexpr double kLeastReach = 0.5;
// Points in the slider's trail at most; at the start, the trail keeps points
// this far apart (the first fit makes it a pixel).
constexpr std::size_t kTrailCapacity = 4096;
constexpr double kFirstResolution = 1e-3;
constexpr int kCurveSamples = 64;

// The smallest of 1, 2 and 5 times a power of ten that is at least value.
double roundUp(double value) {
    const double power = std::pow(10.0, std::floor(std::log10(value)));
    for (double mantissa : {1.0, 2.0, 5.0})
        if (value <= mantissa * power * (1 + 1e-9)) return mantissa * power;
    return 10 * power;
}

QList<QPointF> placed(const StrainPlot& plot, const std::vector<ShapePoint>& shapes) {
    QList<QPointF> points;
    points.reserve(qsizetype(shapes.size()));
    for (ShapePoint shape : shapes)
        points << plot.place(shape);
    return points;
}

} // namespace

StrainPlot::StrainPlot(QWidget* parent)
    : QChartView(new QChart, parent), trail_(kFirstResolution, kTrailCapacity) {
    setRenderHint(QPainter::Antialiasing);
    QChart* plot = chart();
    // QtCharts' own legend keeps to one row and cuts names short in a narrow
    // panel; this one wraps between its entries.
    plot->legend()->hide();
    legend_ = new QGraphicsTextItem(plot);
    QTextOption centred(Qt::AlignHCenter);
    centred.setWrapMode(QTextOption::WordWrap);
    legend_->document()->setDefaultTextOption(centred);
    bottomMargin_ = plot->margins().bottom();

    // The numbers in the user's locale, as the table beside the plot.
    plot->setLocalizeNumbers(true);
    across_ = new QValueAxis(plot);
    up_ = new QValueAxis(plot);
    for (QValueAxis* axis : {across_, up_}) {
        axis->setTickType(QValueAxis::TicksDynamic);
        axis->setTickAnchor(0);
    }
    across_->setTitleText(tr("ln(S2/S3)"));
    up_->setTitleText(tr("ln(S1/S2)"));
    plot->addAxis(across_, Qt::AlignBottom);
    plot->addAxis(up_, Qt::AlignLeft);

    equalLine_ = newLine({});
    equalLine_->setPen(QPen(Qt::gray, 1, Qt::DashLine));
    planeStrain_ = newLine(tr("Plane strain at J"));
    planeStrain_->setPen(QPen(Qt::darkGray, 1, Qt::DotLine));
    trailLegend_ = newLine(tr("Slider path"));
    present_ = new QScatterSeries(plot);
    present_->setName(tr("Present state"));
    present_->setMarkerSize(kMarkerSize);
    plot->addSeries(present_);
    present_->attachAxis(across_);
    present_->attachAxis(up_);
    guides_ = new PlotGuides(*this);
    trailItem_ = new TrailItem(*this, trail_, trailLegend_->pen());

    // Once the chart's layout has settled: a fit changes the axes' labels,
    // which may move the plot area again.
    connect(
        plot, &QChart::plotAreaChanged, this, [this] { fit(); }, Qt::QueuedConnection);
    setKind(Kind::Flinn);
}

QLineSeries* StrainPlot::newLine(const QString& name) {
    auto* line = new QLineSeries(chart());
    line->setName(name);
    chart()->addSeries(line);
    line->attachAxis(across_);
    line->attachAxis(up_);
    for (auto change : {&QLineSeries::visibleChanged, &QLineSeries::nameChanged})
        connect(line, change, this, &StrainPlot::placeLegend);
    connect(line, &QLineSeries::colorChanged, this, &StrainPlot::placeLegend);
    placeLegend();
    return line;
}

QString StrainPlot::legendText() const {
    return legend_->toPlainText();
}

// Each named, visible series in its colour, in rows under the axes: a
// space breaks a row only between entries.
void StrainPlot::placeLegend() {
    QStringList entries;
    for (const QAbstractSeries* series : chart()->series()) {
        if (!series->isVisible() || series->name().isEmpty()) continue;
        const auto* line = qobject_cast<const QLineSeries*>(series);
        const QColor colour =
            line ? line->pen().color() : static_cast<const QScatterSeries*>(series)->color();
        entries << QStringLiteral("<span style=\"color:%1\">■</span>&nbsp;%2")
                       .arg(colour.name(), series->name().toHtmlEscaped().replace(
                                               QLatin1Char(' '), QStringLiteral("&nbsp;")));
    }
    legend_->setHtml(entries.join(QStringLiteral("&nbsp;&nbsp; ")));
    const QSizeF size = chart()->size();
    legend_->setTextWidth(std::max(0.0, size.width() - 2 * kMargin));
    const double height = legend_->boundingRect().height();
    legend_->setPos(kMargin, size.height() - height - bottomMargin_);
    QMargins margins = chart()->margins();
    margins.setBottom(bottomMargin_ + int(std::ceil(height)));
    if (margins != chart()->margins()) chart()->setMargins(margins);
}

void StrainPlot::resizeEvent(QResizeEvent* event) {
    QChartView::resizeEvent(event);
    placeLegend();
}

QString StrainPlot::title(Kind kind) {
    return kind == Kind::Flinn ? tr("Flinn plot") : tr("Hsu plot");
}

void StrainPlot::setKind(Kind kind) {
    kind_ = kind;
    const bool flinn = kind == Kind::Flinn;
    chart()->setTitle(title(kind));
    equalLine_->setName(flinn ? tr("k = 1") : tr("ν = 0"));
    placeLegend();
    // Hsu's plot has no axes of its own: the guides draw its circles and rays.
    across_->setVisible(flinn);
    up_->setVisible(flinn);
    fitted_ = {};
    fit();
}

QPointF StrainPlot::place(ShapePoint shape) const {
    const PlotPosition p = kind_ == Kind::Flinn ? flinnPosition(shape) : hsuPosition(shape);
    return {p.x, p.y};
}

void StrainPlot::showPresent(const StrainAnalysis& analysis) {
    presentShape_ = shapePoint(analysis);
    volumeRatio_ = analysis.volumeRatio;
    if (!fit()) {
        present_->replace(presentShape_ ? QList<QPointF>{place(*presentShape_)} : QList<QPointF>{});
        placeReferences();
    }
}

void StrainPlot::addToTrail(const StrainAnalysis& analysis) {
    const std::optional<ShapePoint> shape = shapePoint(analysis);
    if (!shape || !trail_.add(*shape)) return;
    keep(*shape);
    if (!fit()) trailItem_->changed();
}

void StrainPlot::clearTrail() {
    trail_.clear();
    keepAll();
}

QLineSeries* StrainPlot::addCurve(const QString& name, std::vector<ShapePoint> shapes) {
    QLineSeries* line = newLine(name);
    for (ShapePoint shape : shapes)
        keep(shape);
    line->replace(placed(*this, shapes));
    curves_.push_back({line, std::move(shapes)});
    fit();
    return line;
}

void StrainPlot::removeCurves() {
    for (const Curve& curve : curves_) {
        chart()->removeSeries(curve.series);
        delete curve.series;
    }
    curves_.clear();
    placeLegend();
    keepAll();
}

// What is kept in view: the trail and the curves.
void StrainPlot::keepAll() {
    kept_ = {};
    for (const auto& stroke : trail_.strokes())
        for (ShapePoint shape : stroke)
            keep(shape);
    for (const Curve& curve : curves_)
        for (ShapePoint shape : curve.shapes)
            keep(shape);
    if (!fit())
        trailItem_->changed();
}

void StrainPlot::keep(ShapePoint shape) {
    kept_.lnRxy = std::max(kept_.lnRxy, shape.lnRxy);
    kept_.lnRyz = std::max(kept_.lnRyz, shape.lnRyz);
}

// The values across and up that must be in view, rounded up so that the
// plot keeps its scale while a point moves a little.
QSizeF StrainPlot::wantedReach() const {
    ShapePoint reach = kept_;
    if (presentShape_) {
        reach.lnRxy = std::max(reach.lnRxy, presentShape_->lnRxy);
        reach.lnRyz = std::max(reach.lnRyz, presentShape_->lnRyz);
    }
    if (kind_ == Kind::Flinn)
        return {roundUp(std::max(reach.lnRyz, kLeastReach)),
                roundUp(std::max(reach.lnRxy, kLeastReach))};
    // εs grows with both differences; the sector is half as wide as high.
    const PlotPosition corner = hsuPosition(reach);
    const double radius = roundUp(std::max(std::hypot(corner.x, corner.y), kLeastReach));
    return {radius, radius};
}

QSizeF StrainPlot::labelRoom() const {
    return kind_ == Kind::Flinn
               ? QSizeF()
               : QSizeF(8 * fontMetrics().averageCharWidth(), 2 * fontMetrics().height());
}

// Both axes at one scale, as large as the plot area allows with every value
// wanted in view; true when it placed everything anew.
bool StrainPlot::fit() {
    const QRectF area = chart()->plotArea();
    const QSizeF reach = wantedReach();
    if (area.width() <= 3 * kMargin || area.height() <= 3 * kMargin ||
        (reach == fitted_ && area == fittedArea_))
        return false;
    fitted_ = reach;
    fittedArea_ = area;
    const double w = area.width(), h = area.height();
    const QSizeF words = labelRoom();
    scale_ = std::max(reach.width() / (w - 2 * kMargin - 2 * words.width()),
                      reach.height() / (h - 2 * kMargin - words.height()));
    const double left = kind_ == Kind::Flinn ? -kMargin * scale_ : -w * scale_ / 2;
    across_->setRange(left, left + w * scale_);
    up_->setRange(-kMargin * scale_, (h - kMargin) * scale_);
    tickStep_ = roundUp(std::min(w, h) * scale_ / 5);
    const int decimals = std::max(0, -int(std::floor(std::log10(tickStep_) + 1e-9)));
    for (QValueAxis* axis : {across_, up_}) {
        axis->setTickInterval(tickStep_);
        axis->setLabelFormat(QStringLiteral("%.%1f").arg(decimals));
    }
    trail_.setResolution(scale_);
    present_->replace(presentShape_ ? QList<QPointF>{place(*presentShape_)} : QList<QPointF>{});
    for (const Curve& curve : curves_)
        curve.series->replace(placed(*this, curve.shapes));
    placeReferences();
    guides_->changed();
    trailItem_->changed();
    return true;
}

// k = 1 (ν = 0) and the plane strains of the present J, ln Rxy = ln Ryz + ln J
// (Ramsay and Wood 1973), out to the plot's edge.
void StrainPlot::placeReferences() {
    const double far = 2 * std::max(fittedArea_.width(), fittedArea_.height()) * scale_;
    equalLine_->replace(placed(*this, {{0, 0}, {far, far}}));
    const double lnJ = std::log(volumeRatio_);
    const bool shown = std::isfinite(lnJ) && std::abs(lnJ) > kAnalysisTolerance;
    planeStrain_->setVisible(shown);
    if (!shown) return;
    std::vector<ShapePoint> shapes;
    const double from = std::max(0.0, -lnJ);
    for (int i = 0; i <= kCurveSamples; ++i) {
        const double lnRyz = from + (far - from) * i / kCurveSamples;
        shapes.push_back({lnRyz + lnJ, lnRyz});
    }
    planeStrain_->replace(placed(*this, shapes));
}
