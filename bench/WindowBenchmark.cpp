// Prints the median time of a full frame of a document window, from the
// request for a frame to the frame's swap, at an 800 x 600 view, and of one
// pick (a click on the ellipsoid). bare_frame_benchmark draws the same scene
// with the same calls without Qt; their medians side by side tell what the
// window adds to the drawing.
// Run under a display: window_benchmark [EXAMPLE] [RUNS]
#include "Median.h"
#include "app/Application.h"
#include "controller/MyWindowController.h"
#include "document/MyDocument.h"
#include "toolkit/GVCamera.h"

#include <QApplication>
#include <QEventLoop>
#include <QTest>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    prepareApplication();
    QApplication application(argc, argv);
    const char* example = argc > 1 ? argv[1] : QUORVEL_EXAMPLES "/restarted-with-points.quorvel";
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 500;

    MyDocument document;
    std::string error;
    if (!document.readFromFile(example, error)) {
        std::fprintf(stderr, "window_benchmark: %s: %s\n", example, error.c_str());
        return 1;
    }
    QWidget window;
    MyWindowController controller(document, &window);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    StrainView* view = controller.strainView();
    const qreal ratio = view->surface()->devicePixelRatio();
    // The drawing surface sits inside the view's focus frame.
    const QSize border = view->size() - view->surface()->size();
    view->setFixedSize(static_cast<int>(800 / ratio) + border.width(),
                       static_cast<int>(600 / ratio) + border.height());
    if (!QTest::qWaitFor([&] { return view->camera() && view->camera()->height() == 600; })) {
        std::fprintf(stderr, "window_benchmark: the view did not reach 800 x 600\n");
        return 1;
    }
    QTest::qWait(200);

    // Each frame turns the scene a little, as a spin does.
    QEventLoop swapped;
    QObject::connect(view->surface(), &QOpenGLWindow::frameSwapped, &swapped, &QEventLoop::quit);
    const double frame = medianMicroseconds(runs, [&](int i) {
        view->camera()->setAzimuth(static_cast<float>(i % 360));
        view->redraw();
        swapped.exec();
    });
    const QPoint centre = view->rect().center();
    const double pick = medianMicroseconds(runs, [&](int) {
        document.strainData().setPointToSet(1); // each pick ends the wait
        QTest::mouseClick(view->surface(), Qt::LeftButton, {}, centre);
    });
    std::printf("%s, %d runs at 800 x 600, scale factor %g\n", example, runs, ratio);
    std::printf("median full frame (request to swap): %.2f ms\n", frame / 1000.0);
    std::printf("median pick (click to stored point): %.3f ms\n", pick / 1000.0);
    return 0;
}
