// The Flinn plot and the stereonet saved from the File menu and from their
// context menus, as drawings and as pictures.
#include "../support/WindowTest.h"

#include <QDockWidget>
#include <QSvgRenderer>

namespace {

class PlotExportTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        window = open(sample());
        ASSERT_NE(window, nullptr);
    }
    // Right-clicks the Flinn plot through the window system, as the user's
    // click comes, and chooses Export… from the menu that opens; the menu
    // runs its own event loop, so the choice is set up before the click.
    void exportFlinnPlotFromItsMenu() {
        QWidget* widget = control(window, "flinnPlot");
        control<QDockWidget>(window, "analysisDock")->raise(); // its tab clicked
        ASSERT_TRUE(QTest::qWaitForWindowExposed(widget));
        QStringList items;
        QTimer chooser;
        QObject::connect(&chooser, &QTimer::timeout, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu || !menu->isVisible() || !items.isEmpty())
                return;
            for (QAction* action : menu->actions())
                items << action->text();
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(menu->actions()[0]).center());
        });
        chooser.start(20);
        QTest::mouseClick(window->windowHandle(), Qt::RightButton, {},
                          widget->mapTo(window, widget->rect().center()));
        EXPECT_TRUE(QTest::qWaitFor([&] { return !items.isEmpty(); }));
        EXPECT_EQ(items, QStringList{"Export…"});
        idle();
    }
    DocumentWindow* window = nullptr;
};

TEST_F(PlotExportTest, APlotIsSavedAsADrawingOrAPicture) {
    savePath_ = folder_.filePath("net.svg");
    choose(window, "Export Stereonet…");
    QWidget* net = control(window, "stereonet");
    EXPECT_TRUE(net->isVisible()) << "its dock came to the front";
    const QSvgRenderer drawing(savePath_);
    ASSERT_TRUE(drawing.isValid());
    EXPECT_EQ(drawing.viewBox(), net->rect());
    const QByteArray svg = contents(savePath_);
    EXPECT_TRUE(svg.contains("<title>Stereonet</title>"));
    EXPECT_TRUE(svg.contains("<path")) << "drawn in lines, not pasted as pixels";
    EXPECT_EQ(savePanels_.last(), "SVG drawings (*.svg);;PNG pictures (*.png) svg");

    savePath_ = folder_.filePath("flinn.png");
    exportFlinnPlotFromItsMenu();
    const QImage picture(savePath_);
    const QWidget* flinn = control(window, "flinnPlot");
    EXPECT_EQ(picture.size(), flinn->size() * flinn->devicePixelRatio());

    savePath_ = folder_.filePath("flinn.txt");
    MessageAnswerer answers({"OK"});
    choose(window, "Export Flinn Plot…");
    ASSERT_TRUE(answers.allAnswered());
    EXPECT_EQ(answers.texts, QStringList{"The plot “flinn.txt” could not be saved."});
    EXPECT_EQ(answers.informativeTexts, QStringList{"Use a name that ends in .svg or .png."});
    EXPECT_FALSE(QFile::exists(savePath_));
}

} // namespace
