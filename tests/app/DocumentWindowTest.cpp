// The application's document handling as the user meets it: real windows,
// keyboard shortcuts, menus opened and items clicked with the mouse, and the
// questions and messages answered by clicking their buttons. The file panels
// are replaced by answers of the test's own.
#include "app/Application.h"
#include "app/DocumentController.h"
#include "app/DocumentWindow.h"
#include "controller/AnalysisPanel.h"
#include "controller/MyWindowController.h"
#include "document/MyDocument.h"
#include "platform/FloatSlider.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDialog>
#include <QDir>
#include <QDockWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QtCharts/QChartView>
#include <QtCharts/QXYSeries>
#include <QEventLoop>
#include <QFile>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QPointer>
#include <QProcess>
#include <QSettings>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

namespace {

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

    QStringList texts() const { return texts_; }
    QStringList informativeTexts() const { return informativeTexts_; }
    bool allAnswered() const { return buttons_.isEmpty(); }

private:
    void answer() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || box == answered_ || !box->isVisible() || buttons_.isEmpty())
            return;
        const QString title = buttons_.takeFirst();
        texts_.push_back(box->text());
        informativeTexts_.push_back(box->informativeText());
        answered_ = box;
        for (QAbstractButton* button : box->buttons()) {
            if (button->text().remove(QLatin1Char('&')) == title)
                return QTest::mouseClick(button, Qt::LeftButton);
        }
        ADD_FAILURE() << "no button " << title.toStdString() << " in \""
                      << box->text().toStdString() << "\"";
        box->reject();
    }

    QStringList buttons_, texts_, informativeTexts_;
    QPointer<QMessageBox> answered_;
    QTimer timer_;
};

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Lets the event loop run and wait for events, as it does between the user's
// actions; waiting is what ends an undo step.
void idle() {
    QEventLoop loop;
    QTimer::singleShot(10, &loop, &QEventLoop::quit);
    loop.exec();
}

// A document with a file, as opened and after its a field was edited.
const QString kClean = "clean, (Save), (Revert To Saved…), (Undo), (Redo)";
const QString kEdited = "modified, Save, Revert To Saved…, Undo Set A Value, (Redo)";

float entryA(DocumentWindow* window) { return window->document().strainData().strainEntry(0); }

class DocumentWindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        prepareApplication();
        installLocalizer();
        // Recent files go to a settings folder of the tests' own.
        static QTemporaryDir settingsFolder;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsFolder.path());
    }

    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        documents_ = std::make_unique<DocumentController>();
        documents_->clearRecentFiles();
        documents_->filePanels().chooseFilesToOpen = [this](QWidget*) { return filesToOpen_; };
        documents_->filePanels().chooseSavePath = [this](QWidget*, const QString&,
                                                         const QString& proposed, const QString& filter,
                                                         const QString& suffix) {
            savePanels_.push_back({proposed, filter, suffix});
            return savePath_;
        };
    }

    void TearDown() override {
        documents_.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // A copy of a sample document in the test's folder.
    QString sample(const QString& name = "doc.quorvel") {
        const QString path = folder_.filePath(name);
        QFile::remove(path);
        EXPECT_TRUE(QFile::copy(QUORVEL_EXAMPLES_DIR "/simple-shear.quorvel", path));
        return path;
    }

    DocumentWindow* shown(DocumentWindow* window) {
        if (window)
            window->activateWindow();
        EXPECT_TRUE(window && QTest::qWaitForWindowActive(window));
        return window;
    }

    DocumentWindow* open(const QString& path) { return shown(documents_->openFile(path, nullptr)); }

    // Clicks into the field, selects its text and types; Return ends the
    // editing unless the user is still typing.
    static void type(QLineEdit* field, const QString& text, bool pressReturn = true) {
        QTest::mouseClick(field, Qt::LeftButton);
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(field, text);
        if (pressReturn)
            QTest::keyClick(field, Qt::Key_Return);
        idle();
    }
    static void typeA(DocumentWindow* window, const QString& text, bool pressReturn = true) {
        type(window->windowController().aField(), text, pressReturn);
    }

    // The modified marker and the Save, Revert, Undo and Redo items as the
    // menus show them, the disabled ones in brackets.
    static QString state(DocumentWindow* w) {
        QStringList parts{w->isWindowModified() ? "modified" : "clean"};
        for (QAction* a : {w->saveAction(), w->revertAction(), w->undoAction(), w->redoAction()})
            parts << (a->isEnabled() ? a->text() : "(" + a->text() + ")");
        return parts.join(", ");
    }

    // Presses a shortcut where the keyboard focus is. Without a window
    // manager nobody hands the activation back to a window after a message
    // over it has closed; the user would click into the window.
    static void press(QWidget* window, const QKeySequence& shortcut) {
        ASSERT_FALSE(shortcut.isEmpty());
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        const QKeyCombination keys = shortcut[0];
        QTest::keyClick(window->focusWidget() ? window->focusWidget() : window, keys.key(),
                        keys.keyboardModifiers());
        idle();
    }

    // Opens the menu that holds action with the mouse and clicks the action.
    static void choose(DocumentWindow* window, QAction* action) {
        QMenuBar* bar = window->menuBar();
        for (QAction* title : bar->actions()) {
            QMenu* menu = title->menu();
            if (!menu || !menu->actions().contains(action))
                continue;
            QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(title).center());
            ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
            return idle();
        }
        FAIL() << "no menu holds " << action->text().toStdString();
    }

    static QAction* fileMenuItem(DocumentWindow* window, const QString& title) {
        for (QAction* action : window->menuBar()->actions().first()->menu()->actions())
            if (action->text() == title)
                return action;
        ADD_FAILURE() << "no File menu item " << title.toStdString();
        return nullptr;
    }

    int openWindows() const { return int(documents_->windows().size()); }

    struct SavePanel {
        QString proposed, filter, suffix;
    };

    QTemporaryDir folder_;
    std::unique_ptr<DocumentController> documents_;
    QStringList filesToOpen_;
    QString savePath_;
    std::vector<SavePanel> savePanels_;
};

TEST_F(DocumentWindowTest, TitleMenusAndUndoStepsFollowTheEdits) {
    DocumentWindow* window = shown(documents_->newDocument());
    const StrainData& model = window->document().strainData();
    EXPECT_EQ(window->windowTitle(), "Untitled[*]");
    EXPECT_EQ(state(window), kClean);
    typeA(window, "2");
    // Nothing to revert to before the document has a file.
    EXPECT_EQ(state(window), "modified, Save, (Revert To Saved…), Undo Set A Value, (Redo)");

    // Each event is one undo step; undone from the keyboard while a field
    // still has the focus.
    type(window->windowController().eField(), "3");
    press(window, QKeySequence::Undo);
    EXPECT_FLOAT_EQ(model.strainEntry(0), 2.0f);
    EXPECT_FLOAT_EQ(model.strainEntry(5), 1.0f) << "only the second edit is undone";
    EXPECT_EQ(state(window),
              "modified, Save, (Revert To Saved…), Undo Set A Value, Redo Set E Value");
    press(window, QKeySequence::Undo);
    EXPECT_FLOAT_EQ(model.strainEntry(0), 1.0f);
    EXPECT_EQ(state(window), "clean, (Save), (Revert To Saved…), (Undo), Redo Set A Value");
    press(window, QKeySequence::Redo);
    EXPECT_FLOAT_EQ(model.strainEntry(0), 2.0f);
    press(window, QKeySequence::Redo);
    EXPECT_FLOAT_EQ(model.strainEntry(5), 3.0f);
    EXPECT_EQ(state(window), "modified, Save, (Revert To Saved…), Undo Set E Value, (Redo)");

    // Closed with Save, an untitled document asks for a name; without one
    // it stays open.
    MessageAnswerer answerer({"Save"});
    press(window, QKeySequence::Close);
    EXPECT_TRUE(answerer.allAnswered());
    EXPECT_EQ(savePanels_.size(), 1u);
    EXPECT_EQ(openWindows(), 1);
    EXPECT_TRUE(window->isWindowModified());
}

TEST_F(DocumentWindowTest, SaveUndoBackToTheSavedStateAndFailedSavesThatKeepEverything) {
    ASSERT_TRUE(QDir(folder_.path()).mkdir("sub"));
    const QString path = folder_.filePath("sub/doc.quorvel");
    DocumentWindow* window = shown(documents_->newDocument());
    typeA(window, "2");

    // An untitled document asks for a name, with the document's suffix.
    savePath_ = path;
    press(window, QKeySequence::Save);
    ASSERT_EQ(savePanels_.size(), 1u);
    EXPECT_EQ(savePanels_[0].suffix, "quorvel");
    EXPECT_EQ(savePanels_[0].filter, "Quorvel documents (*.quorvel)");
    EXPECT_EQ(contents(path),
              QByteArray::fromStdString(
                  window->document().dataRepresentationOfType(MyDocument::kTypeName).value()));
    EXPECT_TRUE(contents(path).contains("\"strain entry 1,1\" = \"2.000000\";"));
    EXPECT_EQ(window->windowTitle(), "doc.quorvel[*]");
    EXPECT_EQ(state(window), kClean) << "a save empties the undo history";
    EXPECT_EQ(documents_->recentFiles().value(0), path);

    typeA(window, "5");
    EXPECT_EQ(state(window), kEdited);
    press(window, QKeySequence::Undo);
    EXPECT_FLOAT_EQ(entryA(window), 2.0f);
    EXPECT_EQ(state(window), "clean, (Save), (Revert To Saved…), (Undo), Redo Set A Value");

    // A second save writes to the same file without asking, and removes the
    // temporary file that a killed save left, but nothing else of the user's.
    writeFile(path + ".Ab12Cd", contents(path));
    writeFile(path + ".notes", "my notes");
    typeA(window, "7");
    press(window, QKeySequence::Save);
    EXPECT_EQ(savePanels_.size(), 1u);
    const QByteArray before = contents(path);
    EXPECT_TRUE(before.contains("\"strain entry 1,1\" = \"7.000000\";"));
    EXPECT_EQ(QDir(folder_.filePath("sub")).entryList(QDir::Files),
              QStringList({"doc.quorvel", "doc.quorvel.notes"}));

    // A folder that is a plain file cannot take a file, not even for root.
    typeA(window, "4");
    writeFile(folder_.filePath("plain"), "not a folder");
    savePath_ = folder_.filePath("plain/new.quorvel");
    {
        MessageAnswerer answerer({"OK"});
        press(window, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
        EXPECT_EQ(answerer.texts(),
                  QStringList{"The document “doc.quorvel” could not be saved as “new.quorvel”."});
        EXPECT_FALSE(answerer.informativeTexts().value(0).isEmpty());
    }
    EXPECT_EQ(window->windowTitle(), "doc.quorvel[*]");
    EXPECT_EQ(state(window), kEdited) << "a failed save keeps the undo history";
    EXPECT_EQ(contents(path), before);
    EXPECT_FALSE(documents_->recentFiles().contains(savePath_));

    // The document's folder is replaced by a plain file: closing, Save fails
    // the same way and the window stays.
    ASSERT_TRUE(QDir(folder_.path()).rename("sub", "moved"));
    writeFile(folder_.filePath("sub"), "not a folder");
    MessageAnswerer answerer({"Save", "OK"});
    press(window, QKeySequence::Close);
    EXPECT_TRUE(answerer.allAnswered());
    EXPECT_EQ(openWindows(), 1);
    EXPECT_TRUE(window->isWindowModified());
    EXPECT_EQ(contents(folder_.filePath("moved/doc.quorvel")), before);
}

// A full disk: Save says why, the old file stays byte for byte, no temporary
// file is left, and the edits can be saved elsewhere.
TEST_F(DocumentWindowTest, AFullDiskKeepsTheOldFileAndTheEditsForASaveElsewhere) {
    const QString disk = folder_.filePath("disk");
    ASSERT_TRUE(QDir().mkpath(disk));
    if (QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=64k", "tmpfs", disk}) != 0)
        GTEST_SKIP() << "a small full file system needs mount -t tmpfs, which needs root";
    const std::unique_ptr<const QString, void (*)(const QString*)> unmount(
        &disk, [](const QString* dir) { QProcess::execute("umount", {*dir}); });
    const QString path = disk + "/doc.quorvel";
    ASSERT_TRUE(QFile::copy(sample(), path));
    {
        QFile filler(disk + "/filler");
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        while (filler.write(QByteArray(1024, 'x')) > 0) {
        }
    }
    const QByteArray before = contents(path);
    DocumentWindow* window = open(path);
    typeA(window, "3");
    {
        MessageAnswerer answerer({"OK"});
        press(window, QKeySequence::Save);
        EXPECT_EQ(answerer.texts(),
                  QStringList{"The document “doc.quorvel” could not be saved as “doc.quorvel”."});
        EXPECT_EQ(answerer.informativeTexts(), QStringList{"No space left on device"});
    }
    EXPECT_EQ(contents(path), before);
    EXPECT_EQ(state(window), kEdited);
    EXPECT_EQ(QDir(disk).entryList(QDir::Files), QStringList({"doc.quorvel", "filler"}));

    savePath_ = folder_.filePath("elsewhere.quorvel");
    press(window, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    EXPECT_TRUE(contents(savePath_).contains("\"strain entry 1,1\" = \"3.000000\";"));
    EXPECT_EQ(window->windowTitle(), "elsewhere.quorvel[*]");
    EXPECT_EQ(state(window), kClean);
}

TEST_F(DocumentWindowTest, CloseAsksAboutChangesAndFollowsEachAnswer) {
    const QString path = sample();
    const QByteArray before = contents(path);
    const QString question = "Do you want to save the changes you made to “doc.quorvel”?";
    DocumentWindow* window = open(path);
    EXPECT_EQ(window->windowTitle(), "doc.quorvel[*]");
    EXPECT_EQ(state(window), kClean);
    // Typed but not yet entered: closing still counts it as an edit.
    typeA(window, "4", false);
    {
        MessageAnswerer answerer({"Cancel"});
        press(window, QKeySequence::Close);
        EXPECT_EQ(answerer.texts(), QStringList{question});
        ASSERT_EQ(openWindows(), 1);
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(state(window), kEdited);
        EXPECT_FLOAT_EQ(entryA(window), 4.0f);
    }
    {
        MessageAnswerer answerer({"Don't Save"});
        press(window, QKeySequence::Close);
        EXPECT_EQ(answerer.texts(), QStringList{question});
        EXPECT_EQ(openWindows(), 0);
        EXPECT_EQ(contents(path), before);
    }
    window = open(path);
    typeA(window, "4");
    MessageAnswerer answerer({"Save"});
    press(window, QKeySequence::Close);
    EXPECT_EQ(answerer.texts(), QStringList{question});
    EXPECT_EQ(openWindows(), 0);
    EXPECT_TRUE(contents(path).contains("\"strain entry 1,1\" = \"4.000000\";"));
}

TEST_F(DocumentWindowTest, RevertRestoresTheFileWithNothingToUndoOrSaysWhyNot) {
    const QString path = sample();
    DocumentWindow* window = open(path);
    const float saved = entryA(window);
    typeA(window, "9");
    {
        MessageAnswerer answerer({"Cancel"});
        choose(window, window->revertAction());
        EXPECT_TRUE(answerer.allAnswered());
        EXPECT_FLOAT_EQ(entryA(window), 9.0f);
        EXPECT_EQ(state(window), kEdited);
    }
    {
        MessageAnswerer answerer({"Revert"});
        choose(window, window->revertAction());
        EXPECT_EQ(answerer.texts(), QStringList{"Revert to the saved version of “doc.quorvel”? "
                                                "Your current changes will be lost."});
        EXPECT_FLOAT_EQ(entryA(window), saved);
        EXPECT_EQ(window->windowController().aField()->text(), QLocale().toString(saved, 'f', 6));
        EXPECT_EQ(state(window), kClean);
    }

    typeA(window, "9");
    writeFile(path, "{ broken");
    MessageAnswerer answerer({"Revert", "OK"});
    choose(window, window->revertAction());
    ASSERT_EQ(answerer.texts().size(), 2);
    EXPECT_EQ(answerer.texts()[1], "The document “doc.quorvel” could not be reverted.");
    EXPECT_TRUE(answerer.informativeTexts()[1].startsWith("Line 1"));
    EXPECT_FLOAT_EQ(entryA(window), 9.0f);
    EXPECT_EQ(state(window), kEdited);
}

TEST_F(DocumentWindowTest, OpenShowsEachFileOnceAndRefusesUnreadableOnes) {
    DocumentWindow* window = shown(documents_->newDocument());
    const QString good = sample();
    const QString bad = folder_.filePath("bad.quorvel");
    writeFile(bad, "( not, a, dictionary )");

    // /proc/self/mem fails its first read with EIO, as a failing disk does.
    filesToOpen_ = {good, bad, "/proc/self/mem"};
    MessageAnswerer answerer({"OK", "OK"});
    press(window, QKeySequence::Open);
    EXPECT_EQ(answerer.texts(), QStringList({"The document “bad.quorvel” could not be opened.",
                                             "The document “mem” could not be opened."}));
    EXPECT_EQ(answerer.informativeTexts(),
              QStringList({"The file holds no document: its text is not a dictionary",
                           "Input/output error"}));
    ASSERT_EQ(openWindows(), 2);
    DocumentWindow* opened = documents_->windows().back();
    EXPECT_EQ(opened->windowFilePath(), good);

    // Opening it again only brings its window forward.
    filesToOpen_ = {good};
    press(window, QKeySequence::Open);
    EXPECT_EQ(openWindows(), 2);
    EXPECT_EQ(documents_->openFile(good, nullptr), opened);
}

TEST_F(DocumentWindowTest, StartOpensTheNamedFilesOrANewDocument) {
    EXPECT_TRUE(documents_->openAtStart({}));
    ASSERT_EQ(openWindows(), 1);
    EXPECT_TRUE(documents_->windows()[0]->document().fileName().empty());

    const QString missing = folder_.filePath("missing.quorvel");
    for (const QStringList& paths : {QStringList{missing}, QStringList{missing, sample()}}) {
        documents_ = std::make_unique<DocumentController>();
        MessageAnswerer answerer({"OK"});
        EXPECT_EQ(documents_->openAtStart(paths), paths.size() > 1);
        EXPECT_EQ(answerer.texts(),
                  QStringList{"The document “missing.quorvel” could not be opened."});
        EXPECT_FALSE(answerer.informativeTexts().value(0).isEmpty());
        EXPECT_EQ(openWindows(), paths.size() - 1);
    }
}

TEST_F(DocumentWindowTest, QuitStopsAtTheFirstCancel) {
    DocumentWindow* first = open(sample("first.quorvel"));
    typeA(first, "2");
    DocumentWindow* second = open(sample("second.quorvel"));
    typeA(second, "3");

    MessageAnswerer answerer({"Don't Save", "Cancel"});
    press(second, QKeySequence::Quit);
    ASSERT_EQ(answerer.texts().size(), 2);
    EXPECT_TRUE(answerer.texts()[0].contains("first.quorvel"));
    EXPECT_TRUE(answerer.texts()[1].contains("second.quorvel"));
    ASSERT_EQ(openWindows(), 1);
    EXPECT_EQ(documents_->windows()[0], second);
    EXPECT_TRUE(second->isWindowModified());
}

TEST_F(DocumentWindowTest, OpenRecentListsFilesNewestFirstAndDropsMissingOnes) {
    for (int i = 0; i < DocumentController::kMaxRecentFiles + 2; ++i)
        documents_->noteRecentFile(folder_.filePath(QString("%1.quorvel").arg(i)));
    QStringList recent = documents_->recentFiles();
    ASSERT_EQ(recent.size(), DocumentController::kMaxRecentFiles);
    EXPECT_EQ(recent.first(), folder_.filePath("11.quorvel"));
    EXPECT_EQ(recent.last(), folder_.filePath("2.quorvel"));

    const QString path = sample();
    DocumentWindow* window = open(path);
    EXPECT_EQ(documents_->recentFiles().first(), path);
    EXPECT_EQ(documents_->recentFiles().size(), DocumentController::kMaxRecentFiles);

    // Choosing a file that is gone says so and takes it off the list.
    QAction* openRecent = fileMenuItem(window, "Open Recent");
    ASSERT_NE(openRecent, nullptr);
    QMenu* recentMenu = openRecent->menu();
    {
        MessageAnswerer answerer({"OK"});
        choose(window, openRecent);
        QTRY_VERIFY(recentMenu->isVisible());
        ASSERT_EQ(recentMenu->actions()[1]->text(), "11.quorvel");
        QTest::mouseClick(recentMenu, Qt::LeftButton, {},
                          recentMenu->actionGeometry(recentMenu->actions()[1]).center());
        idle();
        EXPECT_EQ(answerer.texts(), QStringList{"The document “11.quorvel” could not be opened."});
    }
    recent = documents_->recentFiles();
    EXPECT_EQ(recent.first(), path);
    EXPECT_FALSE(recent.contains(folder_.filePath("11.quorvel")));
    EXPECT_EQ(openWindows(), 1);

    documents_->clearRecentFiles();
    EXPECT_TRUE(documents_->recentFiles().isEmpty());
}

QAction* menuItem(DocumentWindow* window, int menu, const QString& title) {
    for (QAction* action : window->menuBar()->actions().at(menu)->menu()->actions())
        if (action->text() == title)
            return action;
    ADD_FAILURE() << "no menu item " << title.toStdString();
    return nullptr;
}

TEST_F(DocumentWindowTest, HelpShowsTheMouseAndKeyboardPageAndTheAboutBox) {
    DocumentWindow* window = shown(documents_->newDocument());
    EXPECT_FALSE(window->windowIcon().pixmap(32, 32).isNull()) << "the program's own icon";
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), "Quorvel");
    ASSERT_EQ(window->menuBar()->actions().size(), 4);
    EXPECT_EQ(window->menuBar()->actions().at(3)->text(), "&Help");

    choose(window, menuItem(window, 3, "Mouse and Keyboard"));
    auto* page = window->findChild<QDialog*>("mouseAndKeyboardHelp");
    ASSERT_TRUE(page && page->isVisible());
    const QString help = page->findChild<QTextBrowser*>()->toPlainText();
    for (const char* topic : {"Drag", "Flick", "Click", "wheel", "Tab"})
        EXPECT_TRUE(help.contains(topic)) << topic;
    page->close();

    MessageAnswerer answerer({"OK"});
    choose(window, menuItem(window, 3, "About Quorvel"));
    ASSERT_TRUE(answerer.allAnswered());
    EXPECT_EQ(answerer.texts().value(0), "<h3>Quorvel " QUORVEL_VERSION "</h3>");
    EXPECT_TRUE(answerer.informativeTexts().value(0).contains("MIT licence"));
}

TEST_F(DocumentWindowTest, TheViewMenuReopensAClosedAnalysisDock) {
    DocumentWindow* window = shown(documents_->newDocument());
    auto* dock = window->findChild<QDockWidget*>("analysisDock");
    ASSERT_TRUE(dock && dock->isVisible());
    QAction* item = menuItem(window, 2, "Analysis");
    dock->close();
    EXPECT_FALSE(item->isChecked());
    choose(window, item);
    EXPECT_TRUE(dock->isVisible());
    EXPECT_TRUE(item->isChecked());
}

TEST_F(DocumentWindowTest, AWindowOpensWhereTheLastClosedOneWasOnAScreenThatShowsIt) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    DocumentWindow* probe = shown(documents_->newDocument());
    const QSize size = QSize(900, 600).expandedTo(probe->minimumSizeHint());
    probe->close();
    // Where the user left it, and where no screen shows it any more.
    for (const QRect& left : {QRect(screen.topLeft() + QPoint(40, 30), size),
                              QRect(screen.bottomRight() + QPoint(3000, 3000), size)}) {
        DocumentWindow* window = shown(documents_->newDocument());
        window->setGeometry(left);
        ASSERT_TRUE(QTest::qWaitFor([&] { return window->geometry() == left; }));
        window->close();
        ASSERT_EQ(openWindows(), 0);

        DocumentWindow* next = shown(documents_->newDocument());
        EXPECT_EQ(next->size(), left.size());
        EXPECT_TRUE(screen.contains(next->frameGeometry().topLeft()));
        if (screen.contains(left)) {
            EXPECT_EQ(next->geometry(), left);
        }
        next->close();
    }
}

TEST_F(DocumentWindowTest, AGermanUserGetsGermanMenusAndControls) {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    installLocalizer();
    DocumentWindow* window = shown(documents_->newDocument());
    QStringList menus;
    for (QAction* menu : window->menuBar()->actions())
        menus << menu->text();
    EXPECT_EQ(menus, QStringList({"&Datei", "&Bearbeiten", "&Ansicht", "&Hilfe"}));
    EXPECT_EQ(window->windowTitle(), "Unbenannt[*]");
    EXPECT_EQ(window->windowController().restartButton()->text(), "Verformung neu beginnen");
    typeA(window, "2");
    EXPECT_EQ(window->undoAction()->text(), "a-Wert setzen widerrufen");
    EXPECT_TRUE(window->saveAction()->isEnabled()) << "the document finds Save by its German title";
}

} // namespace

// A sweep of the shear entry b (0 to 2 in the sample) traces the k = 1 line;
// the table follows every step and its undo.
TEST_F(DocumentWindowTest, AnalysisPanelTracesTheSliderSweepAndCopiesItsNumbers) {
    DocumentWindow* window = open(sample());
    const QChart* chart = window->findChild<QChartView*>("flinnPlot")->chart();
    QXYSeries* path = nullptr;
    for (QAbstractSeries* series : chart->series())
        if (series->name() == "Slider path")
            path = qobject_cast<QXYSeries*>(series);
    ASSERT_TRUE(path);
    const auto* table = window->findChild<QTableWidget*>("analysisTable");
    const auto s1 = [](double gamma) {
        return QLocale().toString(std::sqrt(1 + gamma * gamma / 4) + gamma / 2, 'f', 4);
    };
    EXPECT_EQ(table->item(0, 1)->text(), s1(1));

    FloatSlider* slider = window->windowController().animationSlider();
    slider->setFocus();
    for (int step = 0; step < 3; ++step) {
        QTest::keyClick(slider, Qt::Key_PageUp);
        idle();
    }
    const double gamma = window->document().strainData().strainEntry(4);
    ASSERT_GT(gamma, 1.0);
    EXPECT_EQ(table->item(0, 1)->text(), s1(gamma));
    ASSERT_EQ(path->count(), 3);
    for (const QPointF& p : path->points())
        EXPECT_NEAR(p.x(), p.y(), 1e-6) << "simple shear stays on k = 1";
    EXPECT_NEAR(path->at(2).y(), std::log(std::sqrt(1 + gamma * gamma / 4) + gamma / 2), 1e-5);

    press(window, QKeySequence::Undo);
    EXPECT_EQ(table->item(0, 1)->text(), s1(window->document().strainData().strainEntry(4)));
    // Revert reads the saved strain too: the file's shear of 1 again.
    StrainData& model = window->document().strainData();
    model.accumulateStrain();
    std::string error;
    ASSERT_TRUE(window->document().revertToSaved(error)) << error;
    idle();
    EXPECT_EQ(table->item(0, 1)->text(), s1(1));
    QTest::mouseClick(window->findChild<QPushButton*>("clearPathButton"), Qt::LeftButton);
    EXPECT_EQ(path->count(), 0);

    // The sample shows its principal axes; the box hides them, undoably.
    auto* axes = window->findChild<QCheckBox*>("showPrincipalAxesCheckbox");
    ASSERT_TRUE(axes->isChecked());
    QTest::mouseClick(axes, Qt::LeftButton, {}, QPoint(10, axes->height() / 2)); // on the box
    idle();
    EXPECT_EQ(window->document().strainData().showPrincipalAxes(), 0);
    EXPECT_EQ(window->undoAction()->text(), "Undo Hide Principal Axes");
    press(window, QKeySequence::Undo);
    EXPECT_TRUE(axes->isChecked());

    QAction* copy = nullptr;
    for (QAction* title : window->menuBar()->actions())
        for (QAction* action : title->menu() ? title->menu()->actions() : QList<QAction*>{})
            if (action->text() == "Copy Analysis")
                copy = action;
    ASSERT_TRUE(copy);
    choose(window, copy);
    EXPECT_TRUE(QGuiApplication::clipboard()->text().startsWith(
        "Stretches S1, S2, S3\t" + table->item(0, 1)->text() + "\t"))
        << QGuiApplication::clipboard()->text().toStdString();
}
