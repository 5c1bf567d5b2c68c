// File > Export Image… and Edit > Copy Image as the user meets them: the menu
// item clicked, the size and background set in the dialog's own controls,
// the file chosen (the file panel is replaced by an answer of the test's
// own), and the picture or the message that says why there is none.
#include "app/DocumentController.h"
#include "app/DocumentWindow.h"
#include "controller/MyWindowController.h"
#include "toolkit/GVCamera.h"
#include "view/StrainView.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {

// What the user types into the export dialog; a zero size keeps its default.
struct Answers {
    QSize size;
    QString background = "Black";
};

class ExportImageTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        documents.filePanels().chooseSavePath = [this](QWidget*, const QString&, const QString&,
                                                       const QString&, const QString&) {
            return savePath;
        };
        window = documents.openFile(QUORVEL_EXAMPLES_DIR "/simple-shear.quorvel", nullptr);
        ASSERT_NE(window, nullptr);
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        view = window->windowController().strainView();
        ASSERT_TRUE(QTest::qWaitFor([&] { return view->camera() != nullptr; }));
        view->camera()->setElevation(-60); // not the plan view: the export takes the view's angles
        view->redraw();
        QTest::qWait(50);
    }

    // Opens the menu with the mouse and clicks the item.
    void choose(const QString& menuTitle, const QString& itemTitle) {
        QMenuBar* bar = window->menuBar();
        for (QAction* title : bar->actions()) {
            if (title->text().remove('&') != menuTitle)
                continue;
            QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(title).center());
            ASSERT_TRUE(QTest::qWaitForWindowExposed(title->menu()));
            for (QAction* item : title->menu()->actions())
                if (item->text() == itemTitle)
                    return QTest::mouseClick(title->menu(), Qt::LeftButton, {},
                                             title->menu()->actionGeometry(item).center());
        }
        FAIL() << "no menu item " << itemTitle.toStdString();
    }

    // Exports to path, answering the dialog as the user would and every
    // message with OK; returns what the messages said.
    QStringList exportImage(const QString& path, const Answers& answers) {
        savePath = path;
        QStringList messages;
        QTimer answerer;
        QObject::connect(&answerer, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                messages << box->text() + " / " + box->informativeText();
                QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
            } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
                defaultSize = {dialog->findChild<QSpinBox*>("widthBox")->value(),
                               dialog->findChild<QSpinBox*>("heightBox")->value()};
                if (!answers.size.isEmpty()) {
                    for (auto [name, value] : {std::pair{"widthBox", answers.size.width()},
                                               std::pair{"heightBox", answers.size.height()}}) {
                        auto* box = dialog->findChild<QSpinBox*>(name);
                        QTest::mouseDClick(box, Qt::LeftButton);
                        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
                        QTest::keyClicks(box, QString::number(value));
                    }
                }
                auto* background = dialog->findChild<QComboBox*>("backgroundPopUp");
                QTest::mouseClick(background, Qt::LeftButton);
                QTest::keyClick(background, Qt::Key_Home);
                while (background->currentText() != answers.background)
                    QTest::keyClick(background, Qt::Key_Down);
                QTest::keyClick(background, Qt::Key_Return);
                QTest::mouseClick(dialog->findChild<QDialogButtonBox*>()->button(
                                      QDialogButtonBox::Ok),
                                  Qt::LeftButton);
            }
        });
        answerer.start(30);
        choose("File", "Export Image…");
        QTest::qWait(100);
        return messages;
    }

    QSize viewPixels() const { return view->surface()->size() * view->surface()->devicePixelRatio(); }

    QTemporaryDir folder;
    DocumentController documents;
    DocumentWindow* window = nullptr;
    StrainView* view = nullptr;
    QString savePath;
    QSize defaultSize;
};

// Mean difference per channel, 0 to 255.
double difference(QImage a, QImage b) {
    a = a.convertToFormat(QImage::Format_RGB32);
    b = b.convertToFormat(QImage::Format_RGB32);
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * a.width() * a.height());
}

TEST_F(ExportImageTest, ByDefaultTheViewsPictureAtItsSizeInDevicePixels) {
    const QString path = folder.filePath("picture.png");
    EXPECT_EQ(exportImage(path, {}), QStringList());
    EXPECT_EQ(defaultSize, viewPixels());
    const QImage image(path);
    ASSERT_EQ(image.size(), viewPixels());
    EXPECT_LT(difference(image, view->grabFramebuffer()), 1.0);
}

// The size and the background as asked, the format from the suffix.
TEST_F(ExportImageTest, SizeBackgroundAndFormatAsAsked) {
    struct Case {
        const char* name;
        QString background;
        QRgb corner;
        bool transparent;
    };
    const Case cases[] = {{"white.jpg", "White", qRgb(255, 255, 255), false},
                          {"black.bmp", "Black", qRgb(0, 0, 0), false},
                          {"clear.png", "Transparent", qRgba(0, 0, 0, 0), true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = folder.filePath(c.name);
        EXPECT_EQ(exportImage(path, {QSize(300, 200), c.background}), QStringList());
        const QImage image(path);
        ASSERT_EQ(image.size(), QSize(300, 200));
        EXPECT_EQ(image.hasAlphaChannel(), c.transparent);
        const QRgb corner = image.pixel(2, 2);
        for (int channel : {qRed(corner) - qRed(c.corner), qGreen(corner) - qGreen(c.corner),
                            qBlue(corner) - qBlue(c.corner), qAlpha(corner) - qAlpha(c.corner)})
            EXPECT_LE(std::abs(channel), 8);
        EXPECT_EQ(qAlpha(image.pixel(150, 100)), 255) << "the ellipsoid covers the centre";
    }
}

// Nothing is written, and the message says why.
TEST_F(ExportImageTest, RefusalsAndFailuresSayWhy) {
    const QString disk = folder.filePath("disk");
    ASSERT_TRUE(QDir().mkpath(disk));
    const bool fullDisk =
        QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=64k", "tmpfs", disk}) == 0;
    const std::unique_ptr<const QString, void (*)(const QString*)> unmount(
        fullDisk ? &disk : nullptr, [](const QString* dir) { QProcess::execute("umount", {*dir}); });
    if (fullDisk) {
        QFile filler(disk + "/filler");
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        while (filler.write(QByteArray(1024, 'x')) > 0) {
        }
    }
    QFile plain(folder.filePath("plain"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));

    struct Case {
        QString path;
        QString background;
        QString message;
    };
    std::vector<Case> cases = {
        {folder.filePath("picture.gif"), "Black",
         "The image “picture.gif” could not be saved. / Quorvel cannot write this kind of image. "
         "Use a name that ends in one of"},
        {folder.filePath("picture.jpg"), "Transparent",
         "The image “picture.jpg” could not be saved. / A .jpg image has no transparency."},
        {folder.filePath("plain/picture.png"), "Black",
         "The image “picture.png” could not be saved. / "}};
    if (fullDisk)
        cases.push_back({disk + "/picture.png", "Black",
                         "The image “picture.png” could not be saved. / No space left on device"});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        const QStringList messages = exportImage(c.path, {{}, c.background});
        ASSERT_EQ(messages.size(), 1);
        EXPECT_TRUE(messages[0].startsWith(c.message)) << messages[0].toStdString();
        EXPECT_FALSE(QFile::exists(c.path));
    }
    if (fullDisk) {
        EXPECT_EQ(QDir(disk).entryList(QDir::Files), QStringList{"filler"});
    }
}

TEST_F(ExportImageTest, CopyImagePutsTheViewsPictureOnTheClipboard) {
    QApplication::clipboard()->clear();
    choose("Edit", "Copy Image");
    const QImage copied = QApplication::clipboard()->image();
    ASSERT_EQ(copied.size(), viewPixels());
    EXPECT_LT(difference(copied, view->grabFramebuffer()), 1.0);
}

} // namespace
