// Prints the median time of one frame and of one pick in a document window,
// drawn by the window's own controller: the full scene of an example document
// at 800 x 600 device pixels, and a click on the ellipsoid.
// Run under a display: window_benchmark [EXAMPLE] [RUNS]
#include "Median.h"
#include "app/Application.h"
#include "controller/MyWindowController.h"
#include "document/MyDocument.h"
#include "toolkit/GVCamera.h"

#include <QApplication>
#include <QTest>

#include <cstdio>
#include <cstdlib>

namespace {

// Exposes the frame so that it can be timed alone.
class TimedStrainView : public StrainView {
public:
    using StrainView::paintGL;
};

} // namespace

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
    auto* view = static_cast<TimedStrainView*>(controller.strainView());
    const qreal ratio = view->devicePixelRatioF();
    view->setFixedSize(static_cast<int>(800 / ratio), static_cast<int>(600 / ratio));
    if (!QTest::qWaitFor([&] { return view->camera() && view->camera()->height() == 600; })) {
        std::fprintf(stderr, "window_benchmark: the view did not reach 800 x 600\n");
        return 1;
    }

    const double frame = medianMicroseconds(runs, [&](int) { view->paintGL(); });
    const QPoint centre = view->rect().center();
    document.strainData().setPointToSet(1);
    const double pick = medianMicroseconds(runs, [&](int) {
        document.strainData().setPointToSet(1); // each pick ends the wait
        QTest::mouseClick(view, Qt::LeftButton, {}, centre);
    });
    std::printf("%s, %d runs at 800 x 600\n", example, runs);
    std::printf("median frame: %.2f ms\n", frame / 1000.0);
    std::printf("median pick (click to stored point): %.3f ms\n", pick / 1000.0);
    return 0;
}
