// The stereonet, the material lines and the section as the user meets them:
// what the net shows where, what hovering tells, and the numbers in the
// panels.
#include "../support/WindowTest.h"
#include "controller/StereonetView.h"

#include <QDockWidget>
#include <QLabel>
#include <QTableWidget>
#include <QRegularExpression>
#include <QToolTip>

namespace {

class OrientationPanelsTest : public WindowTest {
protected:
    // A window with the dock that holds name in front.
    QWidget* inFront(DocumentWindow* window, const char* name) {
        QWidget* widget = control(window, name);
        for (QWidget* w = widget; w; w = w->parentWidget())
            if (auto* dock = qobject_cast<QDockWidget*>(w))
                dock->raise();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(widget));
        idle();
        return widget;
    }
    static void setDiagonal(StrainData& model, float a, float b, float c) {
        for (int r : {0, 1, 2})
            for (int col : {0, 1, 2})
                model.setStrain(MatrixIndex(r, col), r != col ? 0 : std::array{a, b, c}[std::size_t(r)]);
        idle();
    }
    // What hovering at p tells; empty when nothing.
    static QString hover(QWidget* net, QPointF p) {
        QTest::mouseMove(net, (p + QPointF(1, 1)).toPoint());
        if (!QTest::qWaitFor([] { return QToolTip::isVisible(); }, 2000))
            return {};
        const QString text = QToolTip::text();
        QToolTip::hideText();
        QTest::mouseMove(net, QPoint(1, 1));
        EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }));
        return text;
    }
    static QRgb shownAt(QWidget* w, QPointF p) { return w->grab().toImage().pixel(p.toPoint()); }
};

TEST_F(OrientationPanelsTest, TheNetShowsTheAxesWhereTheyPoint) {
    DocumentWindow* window = shown(documents_->newDocument());
    auto* net = static_cast<StereonetView*>(inFront(window, "stereonet"));
    // Where pixels are whole: the centre at (150, 150), the radius 128.
    net->setFixedSize(300, 400);
    StrainData& model = window->document().strainData();
    setDiagonal(model, 2, 1, 0.5);
    // X on the rim at east, Z at the centre, each in its colour.
    const QPointF east = net->pixelOf(90, 0), centre = net->pixelOf(0, 90);
    ASSERT_EQ(std::pair(east, centre), std::pair(QPointF(278, 150), QPointF(150, 150)));
    EXPECT_EQ(shownAt(net, east), qRgb(255, 255, 0));
    EXPECT_EQ(shownAt(net, centre), qRgb(0, 255, 255));
    EXPECT_EQ(shownAt(net, net->pixelOf(0, 0)), qRgb(255, 0, 255)) << "Y, north on the rim";
    EXPECT_EQ(hover(net, east), "X: trend 90.0°, plunge 0.0°");
    EXPECT_EQ(hover(net, centre), "Z: trend 0.0°, plunge 90.0°");

    // A flow shows its stretching axes, fastest first, until it goes.
    model.setVelocityGradient(MatrixIndex(1, 0), 1.0f); // v_y = x
    EXPECT_EQ(hover(net, net->pixelOf(45, 0)), "ISA 1: trend 45.0°, plunge 0.0°");
    EXPECT_EQ(hover(net, net->pixelOf(135, 0)), "ISA 3: trend 135.0°, plunge 0.0°");
    EXPECT_EQ(shownAt(net, net->pixelOf(45, 0)), qRgb(255, 140, 0)) << "orange, apart from the axes";
    model.setVelocityGradient(MatrixIndex(1, 0), 0.0f);
    // Without it the rim there is just the horizontal XY plane's trace.
    EXPECT_EQ(hover(net, net->pixelOf(45, 0)), "XY plane (foliation): dip direction 0.0°, dip 0.0°");

    // Directions given by their upper end are shown by their lower one.
    net->setExtraDirections({{"A1", Qt::red, 200, 30}, {"A2", Qt::blue, 200, -30}});
    EXPECT_EQ(hover(net, net->pixelOf(200, 30)), "A1: trend 200.0°, plunge 30.0°");
    EXPECT_EQ(hover(net, net->pixelOf(20, 30)), "A2: trend 20.0°, plunge 30.0°");
    EXPECT_EQ(shownAt(net, net->pixelOf(20, 30)), qRgb(0, 0, 255));

    // A trace is told 8 pixels from it, not 9: here a vertical XY plane's,
    // along y = 150 exactly.
    setDiagonal(model, 2, 0.5, 1);
    for (const auto& [at, told] : {std::pair{QPoint(90, 158), true}, {QPoint(90, 159), false}}) {
        QHelpEvent help(QEvent::ToolTip, at, net->mapToGlobal(at));
        QApplication::sendEvent(net, &help);
        EXPECT_EQ(help.isAccepted() ? QToolTip::text() : "", told ? "XY plane (foliation): dip direction 0.0°, dip 90.0°" : "")
            << at.y() - 150;
        QToolTip::hideText();
        ASSERT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }));
    }

    // A sphere has no axis to show, and says why.
    setDiagonal(model, 1, 1, 1);
    const QImage sphere = net->grab().toImage();
    EXPECT_EQ(sphere.pixel(net->pixelOf(45, 45).toPoint()), net->palette().color(QPalette::Base).rgb())
        << "the net on the base colour";
    // Only the centre's cross is left there (no Z), as much of it each way.
    const auto ink = [&](int left, int top, int width, int height) {
        int sum = 0;
        for (int x = left; x < left + width; ++x)
            for (int y = top; y < top + height; ++y)
                sum += 255 - qGray(sphere.pixel(x, y));
        return sum;
    };
    for (const int way : {ink(142, 149, 8, 2), ink(150, 149, 8, 2), ink(149, 142, 2, 8), ink(149, 150, 2, 8)})
        EXPECT_NEAR(way, 6 * 255, 100) << "left, right, up, down";
    // A tick every 10° of trend, inside the rim.
    const auto darkAt = [&](double trend, double reach) { // a thin line's grey counts
        const NetPoint rim = netPosition(trend, 0);
        return qGray(sphere.pixel(net->pixelOf({rim.x * reach, rim.y * reach}).toPoint())) < 200;
    };
    EXPECT_TRUE(darkAt(90, 0.975) && darkAt(100, 0.975));
    EXPECT_FALSE(darkAt(95, 0.975) || darkAt(90, 1.025));
}

TEST_F(OrientationPanelsTest, TheSliderTracesTheAxesUntilCleared) {
    DocumentWindow* window = open(sample());
    auto* net = static_cast<StereonetView*>(inFront(window, "stereonet"));
    auto* slider = control(window, "animationSlider");
    for (int step = 0; step < 3; ++step) {
        QTest::keyClick(slider, Qt::Key_PageUp);
        idle();
    }
    // A simple shear turns X and Z about the vertical Y, which stays put.
    EXPECT_EQ(net->path(0).points().size(), 3u);
    EXPECT_EQ(net->path(2).points().size(), 3u);
    EXPECT_EQ(net->path(1).points().size(), 1u);
    // X's path drawn in its colour, darker, between its first two places.
    const QPointF between = (net->pixelOf(net->path(0).points()[0]) + net->pixelOf(net->path(0).points()[1])) / 2;
    const auto yellow = [&] { const QRgb c = shownAt(net, between); return qRed(c) > 150 && qBlue(c) < 100; };
    EXPECT_TRUE(yellow());
    QTest::mouseClick(control<QPushButton>(window, "clearPathButton"), Qt::LeftButton);
    EXPECT_TRUE(net->path(0).points().empty());
    EXPECT_FALSE(yellow());
}

// The simple shear example: point 1 on y, point 2 on x, point 3 the centre.
TEST_F(OrientationPanelsTest, MaterialLinesAndSectionsShowTheirFigures) {
    DocumentWindow* window = open(sample());
    auto* lines = static_cast<QTableWidget*>(inFront(window, "materialLinesTable"));
    const auto* pairs = control<QTableWidget>(window, "linePairsTable");
    const auto row = [](const QTableWidget* table, int r) {
        QStringList cells;
        for (int c = 0; c < table->columnCount(); ++c)
            cells << table->item(r, c)->text();
        return cells.join(' ');
    };
    EXPECT_EQ(row(lines, 0), "1.4142 0.4142 2.0000 45.00 ");
    EXPECT_EQ(row(lines, 1), "1.0000 0.0000 1.0000 0.00 ");
    EXPECT_EQ(row(lines, 2), "— — — — no line: the point is the centre");
    EXPECT_EQ(row(pairs, 0), "90.00 45.00 1.0000 ");
    // The key's swatches in the colours the surface is painted with.
    QStringList swatches;
    for (const auto& m : QRegularExpression("color:(#[0-9a-f]{6})")
                             .globalMatch(control<QLabel>(window, "stretchLegend")->text()))
        swatches << m.captured(1);
    EXPECT_EQ(swatches, QStringList({"#d9331a", "#f2f2f2", "#2659f2", "#000000"}));

    StrainData& model = window->document().strainData();
    setDiagonal(model, 2, 1, 0.5);
    type(window, "sectionDipDirectionField", "180");
    type(window, "sectionDipField", "90");
    const auto* readings = control<QLabel>(window, "sectionReadings");
    EXPECT_EQ(readings->text(), "Plane: dip direction 180.0°, dip 90.0°\nAxial ratio: 4.0000\n"
                                "Long axis: trend 90.0°, plunge 0.0°, rake 0.0°");
    EXPECT_LT(readings->minimumSizeHint().width(),
              readings->fontMetrics().horizontalAdvance("Plane: dip direction 180.0°, dip 90.0°"))
        << "a reading wraps in a panel narrower than it";
    // The YZ plane follows the strain; its fields are not typed in.
    auto* plane = control<QComboBox>(window, "sectionPlanePopUp");
    plane->setFocus();
    QTest::keyClick(plane, Qt::Key_Down);
    QTest::keyClick(plane, Qt::Key_Down);
    idle();
    EXPECT_FALSE(control(window, "sectionDipField")->isEnabled());
    EXPECT_EQ(readings->text(), "Plane: dip direction 90.0°, dip 90.0°\nAxial ratio: 2.0000\n"
                                "Long axis: trend 0.0°, plunge 0.0°, rake 0.0°");
    setDiagonal(model, 2, 1, 1);
    EXPECT_EQ(readings->text(), "Plane: dip direction 90.0°, dip 90.0°\nAxial ratio: 1.0000\n"
                                "Long axis: any direction: the section is a circle");
    setDiagonal(model, 1, 1, 0.5);
    EXPECT_EQ(readings->text(), "No ellipse: any line ⊥ Z: S1 = S2") << "no unique YZ plane";
}

} // namespace
