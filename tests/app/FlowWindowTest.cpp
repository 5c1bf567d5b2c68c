// Flows as the user meets them: the animation slider's Time, the
// Deformation dialog and the flows' paths on the Flinn plot.
#include "../support/DistinctValues.h"
#include "../support/WindowTest.h"

#include "controller/DeformationDialog.h"
#include "model/Flow.h"

#include <QLabel>
#include <QTextBrowser>
#include <QtCharts/QChartView>
#include <QtCharts/QValueAxis>
#include <QtCharts/QXYSeries>

namespace {

class FlowWindowTest : public WindowTest {};

QList<QAbstractSeries*> plotted(QWidget* window) {
    return control<QChartView>(window, "flinnPlot")->chart()->series();
}

// One gesture is one step: undoing it gives back the time and the strain.
TEST_F(FlowWindowTest, TheSliderSweepsTheFlowsTime) {
    const QString path = folder_.filePath("flow.quorvel");
    ASSERT_TRUE(QFile::copy(QUORVEL_EXAMPLES_DIR "/general-shear.quorvel", path));
    DocumentWindow* window = open(path);
    const StrainData& m = window->document().strainData();
    EXPECT_EQ(control<QComboBox>(window, "animationPopUp")->currentText(), "Time");
    auto* slider = control(window, "animationSlider");
    slider->setFocus();
    QTest::keyClick(slider, Qt::Key_PageUp);
    idle();
    EXPECT_GT(m.time(), 1.0f);
    const AnalysisMatrix F = flowDeformation(velocityGradientOf(m), m.time());
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            EXPECT_NEAR(m.strainEntry(MatrixIndex(r, c)), F[r][c], 1e-6) << r << c;
    EXPECT_EQ(window->undoAction()->text(), "Undo Adjust Animation Slider");
    press(window, QKeySequence::Undo);
    EXPECT_EQ(m.time(), 1.0f);
    EXPECT_EQ(m.strainEntry(MatrixIndex(0, 1)), 0.616129f);
}

// A preset checked before it is applied, applied as one step, its flow's
// path drawn beside another's, the paths cleared, and the step undone.
TEST_F(FlowWindowTest, TheDeformationDialogSetsStrainAndFlowInOneStep) {
    DocumentWindow* window = open(sample());
    StrainData& m = window->document().strainData();
    const auto before = stored(m);
    auto* draw = control<QPushButton>(window, "drawFlowPathButton");
    EXPECT_FALSE(draw->isEnabled()) << "no flow to draw";
    choose(window, "Deformation…");
    auto* dialog = window->findChild<DeformationDialog*>();
    ASSERT_TRUE(dialog && QTest::qWaitForWindowExposed(dialog));
    auto* preview = control<QLabel>(dialog, "deformationPreview");
    type(dialog, "parameterField0", "x", false);
    EXPECT_EQ(preview->text(), "Every parameter must be a number.");
    type(dialog, "parameterField0", "2", false);
    EXPECT_EQ(preview->text(), "       1.0000    0.0000    2.0000\n"
                               "F =    0.0000    1.0000    0.0000\n"
                               "       0.0000    0.0000    1.0000\n"
                               "J = 1.0000   Wk = 1.0000   Flinn k = 1.0000");
    QPushButton* apply = nullptr;
    for (QPushButton* b : dialog->findChildren<QPushButton*>())
        if (b->text() == "Apply") apply = b;
    QTest::mouseClick(apply, Qt::LeftButton);
    idle();
    EXPECT_EQ(m.strainEntry(MatrixIndex(0, 2)), 2.0f);
    EXPECT_EQ(m.velocityGradient(MatrixIndex(0, 2)), 2.0f);
    EXPECT_EQ(m.animationField(), kTimeAnimationField);
    EXPECT_EQ(m.time(), 1.0f);
    EXPECT_EQ(window->undoAction()->text(), "Undo Apply Simple shear");

    const int lines = int(plotted(window).size());
    QTest::mouseClick(draw, Qt::LeftButton);
    // Axial flattening, as a flow only, stays on the plot's horizontal axis.
    QTest::keyClicks(control<QComboBox>(dialog, "deformationPopUp"), "Axial f");
    QTest::keyClicks(control<QComboBox>(dialog, "applyToPopUp"), "Flow o");
    QTest::mouseClick(apply, Qt::LeftButton);
    idle();
    EXPECT_EQ(m.strainEntry(MatrixIndex(0, 2)), 2.0f) << "the strain stays";
    QTest::mouseClick(draw, Qt::LeftButton);
    const auto series = plotted(window);
    ASSERT_EQ(series.size(), lines + 2);
    const auto* shear = static_cast<QXYSeries*>(series[lines]);
    const auto* flattening = static_cast<QXYSeries*>(series[lines + 1]);
    EXPECT_EQ(shear->name(), "Wk = 1.00");
    EXPECT_EQ(flattening->name(), "Wk = 0.00");
    EXPECT_NE(shear->pen().color(), flattening->pen().color());
    ASSERT_EQ(shear->count(), 21);
    EXPECT_NEAR(shear->at(20).x(), std::log(1 + std::sqrt(2.0)), 1e-6) << "S2/S3 of γ = 2";
    EXPECT_NEAR(shear->at(20).y(), shear->at(20).x(), 1e-6) << "plane strain: k = 1";
    EXPECT_NEAR(flattening->at(20).x(), std::log(2.0) * 1.5, 1e-6);
    EXPECT_NEAR(flattening->at(20).y(), 0, 1e-6);
    const auto* across = control<QChartView>(window, "flinnPlot")->chart()->axes(Qt::Horizontal)[0];
    EXPECT_GT(static_cast<const QValueAxis*>(across)->max(), flattening->at(20).x())
        << "the axes reach beyond the farthest point";
    QTest::mouseClick(control<QPushButton>(window, "clearPathButton"), Qt::LeftButton);
    EXPECT_EQ(plotted(window).size(), lines);

    choose(window, "Undo Apply Axial flattening");
    choose(window, "Undo Apply Simple shear");
    EXPECT_EQ(stored(m), before);
    EXPECT_EQ(m.velocityGradient(MatrixIndex(0, 2)), 0.0f);
}

// The Help menu as shown; each of its pages opens under its own title.
TEST_F(FlowWindowTest, TheHelpPagesOpen) {
    DocumentWindow* window = shown(documents_->newDocument());
    QStringList shown;
    for (QAction* item : window->menuBar()->actions().last()->menu()->actions())
        shown << (item->isSeparator() ? "—" : item->text());
    EXPECT_EQ(shown.join(" | ").toStdString(), "Mouse and Keyboard | Strain Analysis | Flows and Vorticity | — | "
                                 "About Quorvel | About Qt");
    for (const auto& [item, name] : {std::pair{"Strain Analysis", "analysisHelp"},
                                     std::pair{"Flows and Vorticity", "flowHelp"}}) {
        choose(window, item);
        auto* page = window->findChild<QDialog*>(name);
        ASSERT_TRUE(page && QTest::qWaitForWindowExposed(page)) << item;
        EXPECT_EQ(page->windowTitle(), item);
        EXPECT_GT(page->findChild<QTextBrowser*>()->height(), page->height() / 2) << "the text fills the page";
    }
}

} // namespace
