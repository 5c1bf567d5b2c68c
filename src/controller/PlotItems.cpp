#include "controller/PlotItems.h"

#include "controller/StrainPlot.h"

#include <QLocale>
#include <QPainter>
#include <QtCharts/QChart>

#include <cmath>
#include <numbers>

namespace {

// Below the chart's series (4), above its grid and axes (2 and 3).
constexpr qreal kBelowSeries = 3.5;
constexpr qreal kTextGap = 4;
constexpr double kHalfSector = std::numbers::pi / 6; // ν = ±1

void drawText(QPainter* painter, QPointF at, Qt::Alignment alignment, const QString& text) {
    QRectF box = painter->fontMetrics().boundingRect(text);
    box.moveTopLeft(at);
    if (alignment & Qt::AlignRight) box.moveRight(at.x());
    if (alignment & Qt::AlignHCenter) box.moveLeft(at.x() - box.width() / 2);
    if (alignment & Qt::AlignBottom) box.moveBottom(at.y());
    painter->drawText(box, Qt::AlignCenter, text);
}

} // namespace

PlotItem::PlotItem(StrainPlot& plot) : QGraphicsItem(plot.chart()), plot_(plot) {
    setZValue(kBelowSeries);
}

QRectF PlotItem::boundingRect() const {
    return plot_.chart()->plotArea();
}

void PlotItem::changed() {
    prepareGeometryChange();
    update();
}

void PlotGuides::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
    const QRectF area = boundingRect();
    painter->setClipRect(area);
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setFont(plot_.font());
    painter->setPen(plot_.palette().color(QPalette::Text));
    const bool flinn = plot_.kind() == StrainPlot::Kind::Flinn;
    // In Flinn's plot, clear of the axes, where paths of pure constriction
    // and flattening run.
    if (flinn) {
        drawText(painter, area.topLeft() + QPointF(0.12 * area.width(), kTextGap),
                 Qt::AlignLeft | Qt::AlignTop, StrainPlot::tr("Constriction (k > 1)"));
        drawText(painter, area.bottomRight() - QPointF(kTextGap, 0.2 * area.height()),
                 Qt::AlignRight | Qt::AlignBottom, StrainPlot::tr("Flattening (k < 1)"));
        return;
    }
    const QString constriction = StrainPlot::tr("Constriction (ν < 0)");
    const QString flattening = StrainPlot::tr("Flattening (ν > 0)");
    drawText(painter, area.topLeft() + QPointF(kTextGap, kTextGap), Qt::AlignLeft | Qt::AlignTop,
             constriction);
    // A line lower where the two would meet.
    const QFontMetrics metrics = painter->fontMetrics();
    const bool crowded = metrics.horizontalAdvance(constriction) +
                             metrics.horizontalAdvance(flattening) + 3 * kTextGap >
                         area.width();
    drawText(painter,
             area.topRight() + QPointF(-kTextGap, kTextGap + (crowded ? metrics.height() : 0)),
             Qt::AlignRight | Qt::AlignTop, flattening);

    // Hsu's sector: circles of equal εs a tick apart, rays of equal ν, as
    // far out as the plot is high and, with the words of εs, wide.
    const QPointF centre = plot_.chart()->mapToPosition({0, 0});
    const double step = plot_.tickStep() / plot_.scale(); // pixels
    const QSizeF words = plot_.labelRoom();
    const double room = std::min(centre.y() - area.top() - words.height(),
                                 (area.right() - centre.x() - words.width()) /
                                     std::sin(kHalfSector));
    const int circles = int(std::floor(room / step + 1e-6));
    const QLocale locale;
    painter->setPen(QPen(Qt::lightGray, 1));
    for (int i = 1; i <= circles; ++i) {
        const double r = i * step;
        painter->drawArc(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r), 60 * 16, 60 * 16);
    }
    const double outer = circles * step;
    const auto nu = [&](int i) {
        return (i == 0 ? QStringLiteral("ν = ") : QString()) + locale.toString(i / 2.0);
    };
    // The rays of ν = ±0.5 go without words where theirs would meet ν = 0's.
    const bool halves =
        outer * std::sin(kHalfSector / 2) >=
        (metrics.horizontalAdvance(nu(0)) + metrics.horizontalAdvance(nu(-1))) / 2.0 + kTextGap;
    for (int i = -2; i <= 2; ++i) {
        const double angle = i * kHalfSector / 2;
        const QPointF end = centre + outer * QPointF(std::sin(angle), -std::cos(angle));
        painter->setPen(QPen(Qt::lightGray, 1));
        painter->drawLine(centre, end);
        painter->setPen(plot_.palette().color(QPalette::Text));
        if (i % 2 == 0 || halves)
            drawText(painter, end - QPointF(0, kTextGap), Qt::AlignHCenter | Qt::AlignBottom,
                     nu(i));
    }
    // εs along the flattening edge.
    const int decimals = std::max(0, -int(std::floor(std::log10(plot_.tickStep()) + 1e-9)));
    for (int i = 1; i <= circles; ++i) {
        const QPointF at =
            centre + i * step * QPointF(std::sin(kHalfSector), -std::cos(kHalfSector));
        drawText(painter, at + QPointF(kTextGap, 0), Qt::AlignLeft | Qt::AlignVCenter,
                 (i == circles ? QStringLiteral("εs = ") : QString()) +
                     locale.toString(i * plot_.tickStep(), 'f', decimals));
    }
}

TrailItem::TrailItem(StrainPlot& plot, const ShapeTrail& trail, QPen pen)
    : PlotItem(plot), trail_(trail), pen_(std::move(pen)) {}

void TrailItem::changed() {
    pathArea_ = {};
    PlotItem::changed();
}

void TrailItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
    // Built again only when the trail, the scale or the plot area changed.
    if (pathArea_ != boundingRect()) {
        constexpr qreal kDot = 1.5; // a stroke of one point
        pathArea_ = boundingRect();
        path_.clear();
        QChart* chart = plot_.chart();
        for (const auto& stroke : trail_.strokes()) {
            const QPointF first = chart->mapToPosition(plot_.place(stroke.front()));
            path_.moveTo(first);
            if (stroke.size() == 1) path_.addEllipse(first, kDot, kDot);
            for (size_t i = 1; i < stroke.size(); ++i)
                path_.lineTo(chart->mapToPosition(plot_.place(stroke[i])));
        }
    }
    painter->setClipRect(pathArea_);
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(pen_);
    painter->drawPath(path_);
}
