#include "controller/StereonetView.h"

#include "controller/FloatSlider.h"
#include "model/Flow.h"
#include "model/StrainData.h"
#include "model/StrainNotifications.h"
#include "platform/NotificationCenter.h"

#include <QCoreApplication>
#include <QHelpEvent>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>

#include <cmath>

namespace {

// Room around the net for the north mark and the symbols on its rim.
constexpr double kMargin = 22;
constexpr double kSymbolRadius = 6;
// Hovering this close to a symbol tells its orientation.
constexpr double kHoverDistance = 8;
// Consecutive path points farther apart than this are not joined: an axis
// that crosses the horizontal comes back on the opposite rim.
constexpr double kPathJump = 0.2;

// As the view draws the principal axes: S1 yellow, S2 magenta, S3 cyan.
const QColor kAxisColours[3] = {QColor(255, 255, 0), QColor(255, 0, 255), QColor(0, 255, 255)};

// The flow's directions, apart from the principal axes' colours.
const QColor kStretchingAxisColour(255, 140, 0);
const QColor kApophysisColour(0, 160, 0);

const char* const kAxisNames[3] = {QT_TRANSLATE_NOOP("StereonetView", "X"),
                                   QT_TRANSLATE_NOOP("StereonetView", "Y"),
                                   QT_TRANSLATE_NOOP("StereonetView", "Z")};

} // namespace

StereonetView::StereonetView(StrainData& model, FloatSlider* animationSlider, QWidget* parent)
    : QWidget(parent), model_(model) {
    setObjectName(QStringLiteral("stereonet"));
    setAccessibleName(tr("Stereonet"));
    setMouseTracking(true);
    connect(animationSlider, &FloatSlider::triggered, this, &StereonetView::addPathPoints);
    NotificationCenter& center = NotificationCenter::defaultCenter();
    for (std::string_view name : {QuorvelStrainChangedNotification, QuorvelXChangedNotification,
                                  QuorvelYChangedNotification, QuorvelZChangedNotification})
        center.addObserver(this, name, &model_, [this](const Notification&) { update(); });
    center.addObserver(this, QuorvelFlowChangedNotification, &model_,
                       [this](const Notification&) { showFlow(); });
    showFlow();
}

// A flow's instantaneous stretching axes and apophyses, which do not change
// with its time.
void StereonetView::showFlow() {
    QList<NetDirection> directions;
    if (const std::optional<FlowAnalysis> flow = analyzeFlow(model_)) {
        for (std::size_t i = 0; i < flow->stretchingAxes.size(); ++i)
            directions.push_back({tr("ISA %1").arg(i + 1), kStretchingAxisColour,
                                  flow->stretchingAxes[i].axis.trend,
                                  flow->stretchingAxes[i].axis.plunge});
        for (std::size_t i = 0; i < flow->apophyses.size(); ++i)
            directions.push_back({tr("Apophysis %1").arg(i + 1), kApophysisColour,
                                  flow->apophyses[i].axis.trend, flow->apophyses[i].axis.plunge});
    }
    setExtraDirections(directions);
}

StereonetView::~StereonetView() {
    NotificationCenter::defaultCenter().removeObserver(this);
}

void StereonetView::setExtraDirections(QList<NetDirection> directions) {
    extra_ = std::move(directions);
    update();
}

void StereonetView::clearPath() {
    for (auto& path : paths_)
        path.clear();
    update();
}

QSize StereonetView::sizeHint() const { return {320, 340}; }
QSize StereonetView::minimumSizeHint() const { return {200, 220}; }

QPointF StereonetView::centre() const {
    return {width() / 2.0, kMargin + radius()};
}

// The legend and the note take two lines below the net.
double StereonetView::radius() const {
    const double below = 2.5 * fontMetrics().height();
    return std::max(10.0, std::min(width() - 2 * kMargin, height() - 2 * kMargin - below) / 2);
}

QPointF StereonetView::pixelOf(double trend, double plunge) const {
    return pixelOf(netPosition(trend, plunge));
}

QPointF StereonetView::pixelOf(NetPoint p) const {
    return centre() + QPointF(p.x, -p.y) * radius();
}

std::vector<StereonetView::Symbol> StereonetView::symbols() const {
    std::vector<Symbol> result;
    const StereonetContent net = stereonetContent(analyzeStrain(model_));
    for (int i = 0; i < 3; ++i)
        if (const auto& axis = net.axes[std::size_t(i)])
            result.push_back({tr(kAxisNames[i]), kAxisColours[i], *axis, false});
    for (const NetDirection& d : extra_)
        result.push_back({d.label, d.colour, axisOrientation(lineDirection(d.trend, d.plunge)), true});
    return result;
}

bool StereonetView::nearFoliation(QPointF point) const {
    const std::optional<PlaneOrientation> plane = stereonetContent(analyzeStrain(model_)).foliation;
    if (!plane)
        return false;
    const std::vector<NetPoint> trace = greatCircle(*plane);
    for (std::size_t i = 1; i < trace.size(); ++i) {
        const QPointF a = pixelOf(trace[i - 1]), b = pixelOf(trace[i]);
        const QPointF ab = b - a;
        const double length2 = QPointF::dotProduct(ab, ab);
        const double along =
            length2 > 0 ? std::clamp(QPointF::dotProduct(point - a, ab) / length2, 0.0, 1.0) : 0;
        if (QLineF(a + along * ab, point).length() <= kHoverDistance)
            return true;
    }
    return false;
}

void StereonetView::addPathPoints() {
    const StereonetContent net = stereonetContent(analyzeStrain(model_));
    for (std::size_t i = 0; i < 3; ++i)
        if (net.axes[i])
            paths_[i].add(netPosition(net.axes[i]->trend, net.axes[i]->plunge));
    update();
}

void StereonetView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF c = centre();
    const double r = radius();
    const QColor ink = palette().color(QPalette::Text);

    painter.setPen(QPen(ink, 1.5));
    painter.setBrush(palette().color(QPalette::Base));
    painter.drawEllipse(c, r, r);
    // A tick every 10° of trend, the centre and north.
    painter.setPen(QPen(ink, 1));
    for (int trend = 0; trend < 360; trend += 10) {
        const NetPoint rim = netPosition(trend, 0);
        painter.drawLine(pixelOf(rim), pixelOf({rim.x * 0.97, rim.y * 0.97}));
    }
    painter.drawLine(c - QPointF(5, 0), c + QPointF(5, 0));
    painter.drawLine(c - QPointF(0, 5), c + QPointF(0, 5));
    painter.drawText(QRectF(c.x() - 20, c.y() - r - kMargin, 40, kMargin),
                     Qt::AlignHCenter | Qt::AlignVCenter, tr("N"));

    const StereonetContent net = stereonetContent(analyzeStrain(model_));
    painter.setBrush(Qt::NoBrush);
    if (net.foliation) {
        QPainterPath trace;
        const std::vector<NetPoint> points = greatCircle(*net.foliation);
        trace.moveTo(pixelOf(points.front()));
        for (const NetPoint& p : points)
            trace.lineTo(pixelOf(p));
        painter.setPen(QPen(ink, 1.5));
        painter.drawPath(trace);
    }
    // Each path as polylines, one for each run without a jump.
    for (std::size_t i = 0; i < 3; ++i) {
        painter.setPen(QPen(kAxisColours[i].darker(130), 2.5));
        QPolygonF run;
        for (const NetPoint& p : paths_[i].points()) {
            if (!run.isEmpty() && QLineF(run.last(), pixelOf(p)).length() >= kPathJump * r) {
                painter.drawPolyline(run);
                run.clear();
            }
            run << pixelOf(p);
        }
        painter.drawPolyline(run);
    }
    for (const Symbol& s : symbols()) {
        const QPointF p = pixelOf(s.orientation.trend, s.orientation.plunge);
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(s.colour);
        if (s.square)
            painter.drawRect(QRectF(p, p).adjusted(-kSymbolRadius, -kSymbolRadius, kSymbolRadius,
                                                   kSymbolRadius));
        else
            painter.drawEllipse(p, kSymbolRadius, kSymbolRadius);
        // The label to the right of its symbol, or to the left where the
        // widget would cut it.
        painter.setPen(ink);
        const double wide = fontMetrics().horizontalAdvance(s.label);
        const double right = p.x() + kSymbolRadius + 2;
        painter.drawText(QPointF(right + wide <= width() ? right : p.x() - kSymbolRadius - 2 - wide,
                                 p.y() - kSymbolRadius),
                         s.label);
    }

    // Below the net: a legend, and why an axis is missing.
    const double line = fontMetrics().height();
    const double top = c.y() + r + kMargin / 2;
    double x = kMargin;
    const auto legend = [&](const QString& text) {
        painter.setPen(ink);
        painter.drawText(QPointF(x, top + fontMetrics().ascent()), text);
        x += fontMetrics().horizontalAdvance(text) + 2 * kSymbolRadius;
    };
    for (int i = 0; i < 3; ++i) {
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(kAxisColours[i]);
        painter.drawEllipse(QPointF(x + kSymbolRadius, top + line / 2), kSymbolRadius, kSymbolRadius);
        x += 2 * kSymbolRadius + 3;
        legend(tr(kAxisNames[i]));
    }
    painter.setPen(QPen(ink, 1.5));
    painter.drawLine(QPointF(x, top + line / 2), QPointF(x + 3 * kSymbolRadius, top + line / 2));
    x += 3 * kSymbolRadius + 3;
    legend(tr("XY plane (foliation)"));
    if (!net.note.empty())
        painter.drawText(QRectF(0, top + line, width(), line), Qt::AlignHCenter,
                         QCoreApplication::translate("StrainAnalysis", net.note.c_str()));
}

bool StereonetView::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    QStringList lines;
    const QLocale locale;
    for (const Symbol& s : symbols()) {
        const QPointF p = pixelOf(s.orientation.trend, s.orientation.plunge);
        if (QLineF(p, help->pos()).length() <= kHoverDistance)
            lines << tr("%1: trend %2°, plunge %3°")
                         .arg(s.label, locale.toString(s.orientation.trend, 'f', 1),
                              locale.toString(s.orientation.plunge, 'f', 1));
    }
    if (lines.isEmpty() && nearFoliation(help->pos())) {
        const PlaneOrientation plane = *stereonetContent(analyzeStrain(model_)).foliation;
        lines << tr("XY plane (foliation): dip direction %1°, dip %2°")
                     .arg(locale.toString(plane.dipDirection, 'f', 1),
                          locale.toString(plane.dip, 'f', 1));
    }
    if (lines.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
    } else {
        QToolTip::showText(help->globalPos(), lines.join(QLatin1Char('\n')), this);
    }
    return true;
}
