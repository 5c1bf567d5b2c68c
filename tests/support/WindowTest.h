// Document windows as the user meets them: opened through the document
// controller, whose file panels answer with the test's own paths; menus
// opened and items clicked with the mouse; shortcuts pressed; message boxes
// answered by clicking their buttons. It brings in what every window test
// reaches: the window, its document and its inspector.
#pragma once

#include "app/DocumentController.h"
#include "app/DocumentWindow.h"
#include "controller/MyWindowController.h"
#include "document/MyDocument.h"
#include "view/StrainView.h"

#include <QAbstractButton>
#include <QAbstractEventDispatcher>
#include <QAbstractSlider>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEventLoop>
#include <QFile>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <memory>

// Answers the message boxes that come up, in order, by clicking the button
// with the given title in each, and records what each said. Message boxes
// run their own event loop, so the answers are set up before the action that
// brings them up.
class MessageAnswerer {
public:
    explicit MessageAnswerer(QStringList buttons) : buttons_(std::move(buttons)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { answer(); });
        timer_.start(20);
    }
    QStringList texts, informativeTexts;
    QList<int> widths;
    bool allAnswered() const { return buttons_.isEmpty(); }

private:
    void answer() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || box == answered_ || !box->isVisible() || buttons_.isEmpty())
            return;
        const QString title = buttons_.takeFirst();
        texts.push_back(box->text());
        informativeTexts.push_back(box->informativeText());
        widths.push_back(box->frameGeometry().width());
        answered_ = box;
        for (QAbstractButton* button : box->buttons())
            if (button->text().remove(QLatin1Char('&')) == title)
                return QTest::mouseClick(button, Qt::LeftButton);
        ADD_FAILURE() << "no button " << title.toStdString() << " in " << box->text().toStdString();
        box->reject();
    }

    QStringList buttons_;
    QPointer<QMessageBox> answered_;
    QTimer timer_;
};

inline QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Lets the event loop run until it has nothing left to do and would wait,
// as between the user's actions; waiting is what ends an undo step.
inline void idle() {
    QEventLoop loop;
    QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock,
                     &loop, &QEventLoop::quit);
    loop.exec();
}

// What the view shows on the screen, read back from the window system: a
// frame that was never drawn, or was drawn and then painted over, shows
// here as the user sees it.
inline QImage onScreen(StrainView* view) {
    QWindow* surface = view->surface();
    return surface->screen()->grabWindow(surface->winId()).toImage();
}

// Two pictures alike but for a few pixels with a channel more than a little
// apart.
inline bool alike(const QImage& shown, const QImage& picture) {
    if (shown.size() != picture.size())
        return false;
    int apart = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x) {
            const QRgb a = shown.pixel(x, y), b = picture.pixel(x, y);
            apart += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                         std::abs(qBlue(a) - qBlue(b)) > 24;
        }
    return apart <= 4;
}

// Whether the view comes to show, or to stop showing, the picture.
inline bool comesToShow(StrainView* view, const QImage& picture, bool shows = true) {
    return QTest::qWaitFor([&] { return alike(onScreen(view), picture) == shows; });
}

// Turns the wheel by notches (forward or right when positive) over the
// middle of a widget or a native window, as a mouse does; whether the
// target took the turn.
template <class Target> bool turnWheel(Target* target, int notches, Qt::Orientation way = Qt::Vertical) {
    const QPointF at(target->width() / 2.0, target->height() / 2.0);
    const QPoint angle = way == Qt::Vertical ? QPoint(0, 120 * notches) : QPoint(120 * notches, 0);
    QWheelEvent event(at, target->mapToGlobal(at), {}, angle, Qt::NoButton, {}, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(target, &event);
    idle();
    return event.isAccepted();
}

template <class T = QWidget> T* control(QWidget* window, const QString& name) {
    T* found = window->findChild<T*>(name);
    EXPECT_NE(found, nullptr) << name.toStdString();
    return found;
}

// What every field, box, pop-up and slider of a window shows, by name.
inline std::map<QString, QString> shownValues(QWidget* window) {
    std::map<QString, QString> shown;
    for (QLineEdit* edit : window->findChildren<QLineEdit*>())
        shown[edit->objectName()] = edit->text();
    for (QAbstractButton* box : window->findChildren<QAbstractButton*>())
        if (box->isCheckable()) shown[box->objectName()] = box->isChecked() ? "on" : "off";
    for (QAbstractSlider* slider : window->findChildren<QAbstractSlider*>())
        shown[slider->objectName()] = QString::number(slider->value());
    for (QComboBox* popUp : window->findChildren<QComboBox*>())
        shown[popUp->objectName()] = QString::number(popUp->currentIndex());
    return shown;
}

// Clicks into a field, selects its text and types; Return ends the editing
// unless the user is still typing.
inline void type(QWidget* window, const QString& field, const QString& text,
                 bool pressReturn = true) {
    auto* edit = control<QLineEdit>(window, field);
    QTest::mouseClick(edit, Qt::LeftButton);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(edit, text);
    if (pressReturn)
        QTest::keyClick(edit, Qt::Key_Return);
    idle();
}

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        documents_ = std::make_unique<DocumentController>();
        documents_->clearRecentFiles();
        documents_->filePanels().chooseFilesToOpen = [this](QWidget*) { return filesToOpen_; };
        documents_->filePanels().chooseSavePath = [this](QWidget*, const QString&, const QString&,
                                                         const QString& filter, const QString& suffix) {
            savePanels_ << filter + " " + suffix;
            return savePath_;
        };
    }

    void TearDown() override {
        documents_.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // A copy of the simple shear example in the test's folder.
    QString sample(const QString& name = "doc.quorvel") {
        const QString path = folder_.filePath(name);
        QFile::remove(path);
        EXPECT_TRUE(QFile::copy(QUORVEL_EXAMPLES_DIR "/simple-shear.quorvel", path));
        return path;
    }

    static DocumentWindow* shown(DocumentWindow* window) {
        if (window)
            window->activateWindow();
        EXPECT_TRUE(window && QTest::qWaitForWindowActive(window));
        return window;
    }
    DocumentWindow* open(const QString& path) { return shown(documents_->openFile(path, nullptr)); }
    int openWindows() const { return int(documents_->windows().size()); }

    // Presses a shortcut where the keyboard focus is. Without a window
    // manager nobody hands the activation back to a window after a message
    // over it has closed; the user would click into the window.
    static void press(QWidget* window, const QKeySequence& shortcut) {
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        const QKeyCombination keys = shortcut[0];
        QTest::keyClick(window->focusWidget() ? window->focusWidget() : window, keys.key(),
                        keys.keyboardModifiers());
        idle();
    }

    // Opens the menu that holds the item with the mouse and clicks the item.
    static void choose(DocumentWindow* window, const QString& title) {
        QMenuBar* bar = window->menuBar();
        for (QAction* heading : bar->actions())
            for (QAction* item : heading->menu()->actions())
                if (item->text() == title) {
                    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(heading).center());
                    ASSERT_TRUE(QTest::qWaitForWindowExposed(heading->menu()));
                    QTest::mouseClick(heading->menu(), Qt::LeftButton, {},
                                      heading->menu()->actionGeometry(item).center());
                    return idle();
                }
        FAIL() << "no menu item " << title.toStdString();
    }

    QTemporaryDir folder_;
    std::unique_ptr<DocumentController> documents_;
    QStringList filesToOpen_, savePanels_;
    QString savePath_;
};
