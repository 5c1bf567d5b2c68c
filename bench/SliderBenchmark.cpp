// Prints the median time of one step of the animation slider in a document
// window with the Analysis panel shown, from the slider's move until the
// window has drawn everything it changed (the view's frame, the table, the
// plot): once after 10 steps and once after 10,000, as a drag sweeps the
// slider back and forth. The two should match: what the panel keeps of the
// sweep must not make later steps dearer.
// Run under a display: slider_benchmark [EXAMPLE] [RUNS]
#include "Median.h"
#include "app/Application.h"
#include "app/DocumentController.h"
#include "app/DocumentWindow.h"
#include "controller/FloatSlider.h"
#include "controller/MyWindowController.h"
#include "controller/StrainPlot.h"
#include "toolkit/GVCamera.h"
#include "view/StrainView.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QDockWidget>
#include <QEventLoop>
#include <QTest>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kFewSteps = 10;
constexpr int kManySteps = 10'000;

// A drag to and fro over the slider's whole length, one position a step.
int sweepPosition(int step, int length) {
    const int along = step % (2 * length);
    return along <= length ? along : 2 * length - along;
}

} // namespace

int main(int argc, char* argv[]) {
    prepareApplication();
    QApplication application(argc, argv);
    const char* example = argc > 1 ? argv[1] : QUORVEL_EXAMPLES "/simple-shear.quorvel";
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 200;

    DocumentController documents;
    DocumentWindow* window = documents.openFile(QString::fromLocal8Bit(example), nullptr);
    if (!window) {
        std::fprintf(stderr, "slider_benchmark: %s could not be opened\n", example);
        return 1;
    }
    window->findChild<QDockWidget*>(QStringLiteral("analysisDock"))->raise();
    if (!QTest::qWaitForWindowExposed(window)) return 1;
    StrainView* view = window->findChild<StrainView*>(QStringLiteral("strainView"));
    const qreal ratio = view->surface()->devicePixelRatio();
    const QSize border = view->size() - view->surface()->size();
    view->setFixedSize(static_cast<int>(800 / ratio) + border.width(),
                       static_cast<int>(600 / ratio) + border.height());
    if (!QTest::qWaitFor([&] { return view->camera() && view->camera()->height() == 600; })) {
        std::fprintf(stderr, "slider_benchmark: the view did not reach 800 x 600\n");
        return 1;
    }

    auto* slider = window->findChild<FloatSlider*>(QStringLiteral("animationSlider"));
    bool swapped = false;
    QObject::connect(view->surface(), &QOpenGLWindow::frameSwapped, [&] { swapped = true; });
    // One step: the slider moves as a drag moves it, and the event loop runs
    // until the view has swapped its frame and nothing is left to do.
    int step = 0;
    const auto move = [&](int) {
        swapped = false;
        slider->setSliderPosition(sweepPosition(++step, slider->maximum()));
        QEventLoop loop;
        QObject::connect(QAbstractEventDispatcher::instance(),
                         &QAbstractEventDispatcher::aboutToBlock, &loop, &QEventLoop::quit);
        do
            loop.exec();
        while (!swapped);
    };
    for (int i = step; i < kFewSteps; ++i)
        move(i);
    const double few = medianMicroseconds(runs, move);
    while (step < kManySteps)
        move(step);
    const double many = medianMicroseconds(runs, move);

    std::printf("%s, %d runs at 800 x 600, scale factor %g\n", example, runs, ratio);
    std::printf("median slider step after %d steps: %.2f ms\n", kFewSteps, few / 1000.0);
    std::printf("median slider step after %d steps: %.2f ms\n", kManySteps, many / 1000.0);
    std::printf("points kept of the slider's path: %zu\n",
                window->findChild<StrainPlot*>()->trail().size());
    return 0;
}
