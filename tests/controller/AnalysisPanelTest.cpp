// The Analysis panel in a document window as the user meets it: its table on
// a laptop's screen and under Tab, and its shape plot.
#include "../support/WindowTest.h"

#include "controller/StrainPlot.h"

#include <QDockWidget>
#include <QGraphicsTextItem>
#include <QLabel>
#include <QScrollBar>
#include <QTableWidget>
#include <QtCharts/QLineSeries>
#include <QtCharts/QScatterSeries>
#include <QtCharts/QValueAxis>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace {

class AnalysisPanelTest : public WindowTest {
  protected:
    // An example opened, edited while the panel is behind the inspector,
    // then the panel brought to the front.
    DocumentWindow* openExample(const char* name, float entryI) {
        DocumentWindow* window = open(QUORVEL_EXAMPLES_DIR "/" + QString(name));
        window->document().strainData().setStrain(MatrixIndex(2, 2), entryI);
        idle();
        control<QDockWidget>(window, "analysisDock")->raise();
        plot_ = control<StrainPlot>(window, "flinnPlot");
        EXPECT_TRUE(QTest::qWaitFor([&] { return plot_->isVisible() && plot_->scale() > 0; }));
        idle();
        return window;
    }
    // The present state's point, in the chart's values and on the screen.
    QPointF present() const { return series<QScatterSeries>(plot_->tr("Present state"))->at(0); }
    QPointF onScreen(QPointF value) const { return plot_->chart()->mapToPosition(value); }
    template <class Series> Series* series(const QString& name) const {
        const QList<QAbstractSeries*> all = plot_->chart()->series();
        const auto found = std::ranges::find(all, name, &QAbstractSeries::name);
        return found == all.end() ? nullptr : qobject_cast<Series*>(*found);
    }

    StrainPlot* plot_ = nullptr;
};

// At 1366 x 768 the table fits the panel without a sideways scroll bar, each
// number and each wrapped label whole, the plot below it; Tab enters the
// table and leaves it at the next press, as Shift+Tab does.
TEST_F(AnalysisPanelTest, TheTableFitsALaptopAndTabPassesThroughIt) {
    DocumentWindow* window = openExample("flattening-preserved-volume.quorvel", 0.6122f);
    auto* table = control<QTableWidget>(window, "analysisTable");
    for (const QSize size : {window->size(), QSize(1366, 768)}) {
        window->resize(size);
        ASSERT_TRUE(QTest::qWaitFor([&] { return window->size() == size; }));
        idle();
        EXPECT_FALSE(table->horizontalScrollBar()->isVisible());
        int width = 0;
        for (int c = 0; c < table->columnCount(); ++c)
            width += table->columnWidth(c);
        EXPECT_EQ(width, table->viewport()->width()) << "the labels take what the numbers leave";
        for (int r = 0; r < table->rowCount(); ++r) {
            const int height = table->rowHeight(r);
            table->resizeRowToContents(r);
            EXPECT_EQ(table->rowHeight(r), height) << table->item(r, 0)->text().toStdString();
            QStyleOptionViewItem option;
            option.initFrom(table);
            for (int c = 1; c < table->columnCount(); ++c) // and the grid's line
                EXPECT_LT(
                    table->itemDelegate()->sizeHint(option, table->model()->index(r, c)).width(),
                    table->columnWidth(c))
                    << table->item(r, c)->text().toStdString();
        }
    }
    QWidget* panel = table->parentWidget();
    EXPECT_TRUE(panel->rect().contains(QRect(plot_->mapTo(panel, QPoint()), plot_->size())));

    // The axes' colour key.
    EXPECT_EQ(control(window, "showPrincipalAxesCheckbox")->toolTip(),
              "S1 yellow, S2 magenta, S3 cyan");
    control(window, "showPrincipalAxesCheckbox")->setFocus();
    for (const auto& [key, inTable] : {std::pair{Qt::Key_Tab, true}, {Qt::Key_Tab, false},
                                       {Qt::Key_Backtab, true}, {Qt::Key_Backtab, false}}) {
        QTest::keyClick(QApplication::focusWidget(), key);
        EXPECT_EQ(QApplication::focusWidget() == table, inTable);
    }
}

// One scale across and up, round ticks, the point on an axis whole; the line
// of plane strain for J = 2 and none for J = 1; Hsu's plot puts a flattening
// at ν = 1, 30° right of straight up, at its εs.
TEST_F(AnalysisPanelTest, TheShapePlotReadsRight) {
    DocumentWindow* window = openExample("flattening-preserved-volume.quorvel", 0.5f);
    const QPointF origin = onScreen({0, 0});
    EXPECT_NEAR(onScreen({1, 0}).x() - origin.x(), origin.y() - onScreen({0, 1}).y(), 0.01);
    EXPECT_EQ(plot_->chart()->axes(Qt::Horizontal)[0]->titleText() + " across, " +
                  plot_->chart()->axes(Qt::Vertical)[0]->titleText() + " up",
              "ln(S2/S3) across, ln(S1/S2) up");
    for (QAbstractAxis* axis : plot_->chart()->axes()) {
        const double step = static_cast<QValueAxis*>(axis)->tickInterval();
        const double mantissa = step / std::pow(10.0, std::floor(std::log10(step) + 1e-9));
        EXPECT_TRUE(std::ranges::any_of(std::array{1, 2, 5}, [&](int m) {
            return std::abs(mantissa - m) < 1e-9; })) << step;
        EXPECT_EQ(static_cast<QValueAxis*>(axis)->labelFormat(), "%.1f") << "one decimal, as the ticks need";
    }
    const qreal radius = series<QScatterSeries>(plot_->tr("Present state"))->markerSize() / 2;
    EXPECT_EQ(present().y(), 0) << "flattening: S1 = S2";
    const QRectF area = plot_->chart()->plotArea();
    EXPECT_TRUE(area.adjusted(radius, radius, -radius, -radius).contains(onScreen(present())));
    QLineSeries* planeStrain = series<QLineSeries>(plot_->tr("Plane strain at J"));
    EXPECT_FALSE(planeStrain->isVisible());
    EXPECT_FALSE(plot_->legendText().contains("Plane strain"));

    window->document().strainData().setStrain(MatrixIndex(2, 2), 1); // diag(√2, √2, 1): J = 2
    idle();
    EXPECT_TRUE(planeStrain->isVisible());
    EXPECT_GT(planeStrain->count(), 2);
    for (const QPointF& p : planeStrain->points())
        EXPECT_NEAR(p.y(), p.x() + std::log(2.0), 1e-5);

    // A further curve, as a flow's strain path, follows the plot's kind.
    const QLineSeries* curve = plot_->addCurve("path", {{0, 0}, {1, 0.5}});
    EXPECT_EQ(curve->at(1), QPointF(0.5, 1));
    auto* kind = control<QComboBox>(window, "plotKindPopUp");
    kind->setFocus();
    QTest::keyClick(kind, Qt::Key_Down);
    EXPECT_EQ(plot_->chart()->title(), "Hsu plot");
    EXPECT_NEAR(curve->at(1).x(), hsuPosition({1, 0.5}).x, 1e-12);
    const double strain = std::sqrt(2.0 / 3.0) * std::log(1.414214); // εs
    EXPECT_EQ(plot_->legendText().simplified(),
              "■ ν = 0 ■ Plane strain at J ■ Slider path ■ Present state ■ path");
    // The legend takes the plot's width, as far from its right edge as from its left.
    int centred = 0;
    for (const QGraphicsItem* item : plot_->scene()->items())
        if (const auto* text = dynamic_cast<const QGraphicsTextItem*>(item); text && text->toPlainText() == plot_->legendText())
            centred += std::abs(2 * text->scenePos().x() + text->textWidth() - plot_->width()) < 0.5;
    EXPECT_EQ(centred, 1);
    EXPECT_NEAR(std::hypot(present().x(), present().y()), strain, 1e-6);
    EXPECT_NEAR(std::atan2(present().x(), present().y()), std::numbers::pi / 6, 1e-6);
}

// A sphere's plot is as large as its least reach allows. Hsu's guides as
// drawn: circles of equal εs a tick apart, out to the end of the ray of
// ν = 0, read along a line 7.5° right of it, where nothing else is drawn.
TEST_F(AnalysisPanelTest, HsusCirclesStandATickApart) {
    // A sphere's plot keeps its least reach, 0.5, on the tighter axis.
    DocumentWindow* window = shown(documents_->newDocument());
    control<QDockWidget>(window, "analysisDock")->raise();
    plot_ = control<StrainPlot>(window, "flinnPlot");
    ASSERT_TRUE(QTest::qWaitFor([&] { return plot_->isVisible() && plot_->scale() > 0; }));
    idle();
    double reach = 1e9;
    for (QAbstractAxis* axis : plot_->chart()->axes())
        reach = std::min(reach, static_cast<QValueAxis*>(axis)->max());
    EXPECT_TRUE(reach > 0.5 && reach < 0.6) << reach;
    EXPECT_EQ(control<QLabel>(window, "analysisState")->text(),
              "No distortion: the sphere keeps its shape (S1 = S2 = S3).");

    openExample("flattening-preserved-volume.quorvel", 0.5f);
    plot_->setKind(StrainPlot::Kind::Hsu);
    idle();
    const QImage shown = plot_->grab().toImage();
    const QPointF origin = onScreen({0, 0});
    const auto drawn = [&](double r, double angle) {
        const QPoint p = (origin + r * QPointF(std::sin(angle), -std::cos(angle))).toPoint();
        return qGray(shown.pixel(p)) < 235;
    };
    double outer = 2;
    while (drawn(outer + 1, 0)) ++outer;
    const double step = plot_->tickStep() / plot_->scale();
    const int circles = int(std::lround(outer / step));
    ASSERT_GE(circles, 2);
    EXPECT_NEAR(outer, circles * step, 1.5) << "the ray ends on the outermost circle";
    const double angle = std::numbers::pi / 24;
    for (int i = 1; i <= circles; ++i) {
        EXPECT_TRUE(drawn(i * step - 0.5, angle) || drawn(i * step + 0.5, angle)) << i;
        EXPECT_FALSE(drawn((i - 0.5) * step, angle)) << i;
    }
}

// A plot far narrower than high keeps Hsu's sector, the present point and
// their words inside: a flattening at εs = 0.99, just inside the reach of 1.
TEST_F(AnalysisPanelTest, HsusPlotKeepsItsGuidesInsideANarrowPanel) {
    StrainPlot narrow;
    plot_ = &narrow;
    narrow.setKind(StrainPlot::Kind::Hsu);
    narrow.resize(260, 600);
    narrow.show();
    const double a = std::exp(0.99 / std::sqrt(6.0));
    narrow.showPresent(analyzeGradient({{{a, 0, 0}, {0, a, 0}, {0, 0, 1 / (a * a)}}}));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&narrow));
    idle();
    const QRectF area = narrow.chart()->plotArea();
    EXPECT_LE(onScreen(present()).x() + narrow.labelRoom().width(), area.right());
    const QImage shown = narrow.grab().toImage();
    for (int y = int(area.top()); y < int(area.bottom()); ++y)
        for (const int x : {int(area.left()) + 1, int(area.right()) - 1})
            ASSERT_GT(qGray(shown.pixel(x, y)), 240) << "drawn on the area's edge at " << x << ", " << y;
}

} // namespace
