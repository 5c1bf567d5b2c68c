// File > Export Image… and Edit > Copy Image as the user meets them: the menu
// item clicked, the size and background set in the dialog's own controls,
// and the picture or the message that says why there is none; and the
// plots' exports. How images are written (formats, backgrounds, a full
// disk) is the command line tests'.
#include "../support/WindowTest.h"

#include "toolkit/GVCamera.h"

#include <QClipboard>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDockWidget>
#include <QSpinBox>
#include <QSvgRenderer>

namespace {

class ExportImageTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        window = open(QUORVEL_EXAMPLES_DIR "/simple-shear.quorvel");
        ASSERT_NE(window, nullptr);
        view = window->windowController().strainView();
        ASSERT_TRUE(QTest::qWaitFor([&] { return view->camera() != nullptr; }));
        view->camera()->setElevation(-60); // not the plan view: the export takes the view's angles
    }

    // Exports to path, typing the size (unless empty) and choosing the
    // background in the dialog; returns what the messages said.
    QStringList exportImage(const QString& path, QSize size = {}, const QString& background = "Black") {
        savePath_ = path;
        QTimer dialogAnswerer;
        QObject::connect(&dialogAnswerer, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog || qobject_cast<QMessageBox*>(dialog))
                return;
            defaultSize = {control<QSpinBox>(dialog, "widthBox")->value(),
                           control<QSpinBox>(dialog, "heightBox")->value()};
            for (auto [name, value] : {std::pair{"widthBox", size.width()}, {"heightBox", size.height()}})
                if (!size.isEmpty()) {
                    QTest::keyClick(control(dialog, name), Qt::Key_A, Qt::ControlModifier);
                    QTest::keyClicks(control(dialog, name), QString::number(value));
                }
            QTest::keyClicks(control(dialog, "backgroundPopUp"), background); // finds the item
            QTest::mouseClick(dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok),
                              Qt::LeftButton);
        });
        dialogAnswerer.start(30);
        MessageAnswerer messages({"OK"});
        choose(window, "Export Image…");
        return messages.informativeTexts;
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
    QSize viewPixels() const { return view->surface()->size() * view->surface()->devicePixelRatio(); }

    DocumentWindow* window = nullptr;
    StrainView* view = nullptr;
    QSize defaultSize;
};

// By default, and on the clipboard: the view's picture at its size in
// device pixels. Otherwise the size and background asked; and where the
// picture cannot be had, nothing is written and the message says why.
TEST_F(ExportImageTest, TheViewsPictureAtItsSizeOrTheSizeAndBackgroundAskedOrWhyNot) {
    const QString path = folder_.filePath("picture.png");
    EXPECT_EQ(exportImage(path), QStringList());
    EXPECT_EQ(defaultSize, viewPixels());
    QApplication::clipboard()->clear();
    view->setFocus();
    press(window, QKeySequence::Copy);
    for (const QImage& image : {QImage(path), QApplication::clipboard()->image()}) {
        ASSERT_EQ(image.size(), viewPixels());
        EXPECT_TRUE(alike(image, view->grabFramebuffer())) << "the view's picture";
    }

    const QString clear = folder_.filePath("clear.png");
    EXPECT_EQ(exportImage(clear, QSize(300, 200), "Transparent"), QStringList());
    const QImage image(clear);
    ASSERT_EQ(image.size(), QSize(300, 200));
    EXPECT_EQ(qAlpha(image.pixel(2, 2)), 0);
    EXPECT_EQ(qAlpha(image.pixel(150, 100)), 255) << "the ellipsoid covers the centre";

    writeFile(folder_.filePath("plain"), "not a folder");
    const std::pair<QString, QString> cases[] = {
        {"picture.gif", "Quorvel cannot write this kind of image. Use a name that ends in one of"},
        {"picture.jpg", "A .jpg image has no transparency."},
        {"plain/picture.png", "Not a directory"}};
    for (const auto& [name, reason] : cases) {
        const QString path = folder_.filePath(name);
        const QStringList messages = exportImage(path, {}, "Transparent");
        ASSERT_EQ(messages.size(), 1) << name.toStdString();
        EXPECT_TRUE(messages[0].startsWith(reason)) << messages[0].toStdString();
        EXPECT_FALSE(QFile::exists(path));
    }
}

// The Flinn plot and the stereonet from the File menu and from their
// context menus, as drawings and as pictures.
TEST_F(ExportImageTest, APlotIsSavedAsADrawingOrAPicture) {
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
