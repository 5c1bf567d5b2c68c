#include "controller/FlowPaths.h"

#include "controller/StrainPlot.h"
#include "model/Flow.h"
#include "model/StrainData.h"

#include <QCoreApplication>
#include <QLocale>
#include <QtCharts/QLineSeries>

namespace {

// Equal steps of time, each marked by a dot, so that the path shows how
// fast the shape changes along it.
constexpr int kSteps = 20;

// Told apart from the slider's path and from one another.
const QColor kColors[] = {QColor(0xd6, 0x27, 0x28), QColor(0x2c, 0xa0, 0x2c),
                          QColor(0x94, 0x67, 0xbd), QColor(0xff, 0x7f, 0x0e),
                          QColor(0x17, 0xbe, 0xcf), QColor(0x8c, 0x56, 0x4b)};

} // namespace

FlowPaths::FlowPaths(const StrainData& model, StrainPlot& plot) : model_(model), plot_(plot) {}

void FlowPaths::draw() {
    const std::optional<FlowAnalysis> flow = analyzeFlow(model_);
    if (!flow) return;
    // The flow acts on the strain saved by earlier restarts.
    AnalysisMatrix saved;
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            saved[r][c] = model_.savedStrainEntry(MatrixIndex(r, c));
    std::vector<ShapePoint> shapes;
    for (int step = 0; step <= kSteps; ++step) {
        const double t = model_.timeMin() + (model_.timeMax() - model_.timeMin()) * step / kSteps;
        const AnalysisMatrix drawn = product(flowDeformation(flow->gradient, t), saved);
        if (const auto shape = shapePoint(analyzeGradient(drawn))) shapes.push_back(*shape);
    }
    const AnalysisValue& wk = flow->kinematicVorticity;
    QLineSeries* path = plot_.addCurve(
        wk.value ? QCoreApplication::translate("AnalysisPanel", "Wk = %1")
                       .arg(QLocale().toString(*wk.value, 'f', 2))
                 : QCoreApplication::translate("AnalysisPanel", "Wk undefined"),
        std::move(shapes));
    path->setPointsVisible(true);
    path->setPen(QPen(kColors[drawn_++ % std::size(kColors)], 2));
}

void FlowPaths::clear() {
    plot_.removeCurves();
    drawn_ = 0;
}
