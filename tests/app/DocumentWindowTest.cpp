// The application's document handling as the user meets it: real windows,
// keyboard shortcuts, menus opened and items clicked with the mouse, and the
// questions and messages answered by clicking their buttons. The file panels
// are replaced by answers of the test's own.
#include "app/Application.h"
#include "app/DocumentController.h"
#include "app/DocumentWindow.h"
#include "controller/MyWindowController.h"
#include "document/MyDocument.h"
#include "platform/UndoManager.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

namespace {

// What a message box said.
struct Message {
    QString text;
    QString informativeText;
};

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

    const std::vector<Message>& messages() const { return messages_; }
    bool allAnswered() const { return buttons_.isEmpty(); }

private:
    void answer() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || box == answered_ || !box->isVisible() || buttons_.isEmpty())
            return;
        const QString title = buttons_.takeFirst();
        messages_.push_back({box->text(), box->informativeText()});
        answered_ = box;
        for (QAbstractButton* button : box->buttons()) {
            if (button->text().remove(QLatin1Char('&')) == title) {
                QTest::mouseClick(button, Qt::LeftButton);
                return;
            }
        }
        ADD_FAILURE() << "no button " << title.toStdString() << " in \""
                      << box->text().toStdString() << "\"";
        box->reject();
    }

    QStringList buttons_;
    std::vector<Message> messages_;
    QPointer<QMessageBox> answered_;
    QTimer timer_;
};

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Lets the event loop run and wait for events, as it does between the user's
// actions; waiting is what ends an undo step.
void idle() {
    QEventLoop loop;
    QTimer::singleShot(10, &loop, &QEventLoop::quit);
    loop.exec();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

class DocumentWindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        prepareApplication();
        installLocalizer();
        // Recent files go to a settings folder of the tests' own.
        settingsFolder_ = new QTemporaryDir;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsFolder_->path());
    }
    static void TearDownTestSuite() {
        delete settingsFolder_;
        settingsFolder_ = nullptr;
    }

    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        documents_ = std::make_unique<DocumentController>();
        documents_->clearRecentFiles();
        documents_->filePanels().chooseFilesToOpen = [this](QWidget*) {
            return filesToOpen_;
        };
        documents_->filePanels().chooseSavePath = [this](QWidget*, const QString&,
                                                         const QString& proposed,
                                                         const QString& filter,
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
    QString sample(const QString& name = QStringLiteral("doc.quorvel")) {
        const QString path = folder_.filePath(name);
        QFile::remove(path);
        EXPECT_TRUE(QFile::copy(QStringLiteral(QUORVEL_EXAMPLES_DIR "/simple-shear.quorvel"), path));
        return path;
    }

    DocumentWindow* shown(DocumentWindow* window) {
        EXPECT_NE(window, nullptr);
        if (window) {
            window->activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(window));
        }
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

    // Presses a shortcut where the keyboard focus is. Without a window
    // manager nobody hands the activation back to a window after a message
    // over it has closed; the user would click into the window.
    static void press(QWidget* window, const QKeySequence& shortcut) {
        ASSERT_FALSE(shortcut.isEmpty());
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        const QKeyCombination keys = shortcut[0];
        QWidget* target = window->focusWidget() ? window->focusWidget() : window;
        QTest::keyClick(target, keys.key(), keys.keyboardModifiers());
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
            idle();
            return;
        }
        FAIL() << "no menu holds " << action->text().toStdString();
    }

    static QAction* fileMenuItem(DocumentWindow* window, const QString& title) {
        QMenu* file = window->menuBar()->actions().first()->menu();
        for (QAction* action : file->actions())
            if (action->text() == title)
                return action;
        ADD_FAILURE() << "no File menu item " << title.toStdString();
        return nullptr;
    }

    int openWindows() const { return int(documents_->windows().size()); }

    struct SavePanel {
        QString proposed, filter, suffix;
    };

    static inline QTemporaryDir* settingsFolder_ = nullptr;
    QTemporaryDir folder_;
    std::unique_ptr<DocumentController> documents_;
    QStringList filesToOpen_;
    QString savePath_;
    std::vector<SavePanel> savePanels_;
};

TEST_F(DocumentWindowTest, TitleAndMenusFollowTheEditedState) {
    DocumentWindow* window = shown(documents_->newDocument());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Untitled[*]"));
    EXPECT_FALSE(window->isWindowModified());
    EXPECT_FALSE(window->saveAction()->isEnabled());
    EXPECT_FALSE(window->revertAction()->isEnabled());
    EXPECT_FALSE(window->undoAction()->isEnabled());
    EXPECT_EQ(window->undoAction()->text(), QStringLiteral("Undo"));

    type(window->windowController().aField(), QStringLiteral("2"));
    EXPECT_TRUE(window->isWindowModified());
    EXPECT_TRUE(window->saveAction()->isEnabled());
    // Nothing to revert to before the document has a file.
    EXPECT_FALSE(window->revertAction()->isEnabled());
    EXPECT_TRUE(window->undoAction()->isEnabled());
    EXPECT_EQ(window->undoAction()->text(), QStringLiteral("Undo Set A Value"));

    // Undo from the keyboard while the field still has the focus.
    press(window, QKeySequence::Undo);
    EXPECT_FLOAT_EQ(window->document().strainData().strainEntry(0), 1.0f);
    EXPECT_FALSE(window->isWindowModified());
    EXPECT_FALSE(window->undoAction()->isEnabled());
    EXPECT_EQ(window->undoAction()->text(), QStringLiteral("Undo"));
    EXPECT_TRUE(window->redoAction()->isEnabled());
    EXPECT_EQ(window->redoAction()->text(), QStringLiteral("Redo Set A Value"));

    press(window, QKeySequence::Redo);
    EXPECT_FLOAT_EQ(window->document().strainData().strainEntry(0), 2.0f);
    EXPECT_TRUE(window->isWindowModified());
    EXPECT_FALSE(window->redoAction()->isEnabled());

    const QString path = sample();
    DocumentWindow* opened = open(path);
    EXPECT_EQ(opened->windowTitle(), QStringLiteral("doc.quorvel[*]"));
    EXPECT_EQ(opened->windowFilePath(), path);
    EXPECT_FALSE(opened->isWindowModified());
}

TEST_F(DocumentWindowTest, EachEventIsOneUndoStep) {
    DocumentWindow* window = shown(documents_->newDocument());
    type(window->windowController().aField(), QStringLiteral("2"));
    type(window->windowController().eField(), QStringLiteral("3"));
    const StrainData& model = window->document().strainData();

    press(window, QKeySequence::Undo);
    EXPECT_FLOAT_EQ(model.strainEntry(0), 2.0f);
    EXPECT_FLOAT_EQ(model.strainEntry(5), 1.0f) << "only the second edit is undone";
    EXPECT_TRUE(window->isWindowModified());
    press(window, QKeySequence::Undo);
    EXPECT_FLOAT_EQ(model.strainEntry(0), 1.0f);
    EXPECT_FALSE(window->isWindowModified());
}

TEST_F(DocumentWindowTest, SaveThenUndoBackToTheSavedState) {
    DocumentWindow* window = shown(documents_->newDocument());
    QLineEdit* aField = window->windowController().aField();
    type(aField, QStringLiteral("2"));

    // An untitled document asks for a name, with the document's suffix.
    savePath_ = folder_.filePath(QStringLiteral("saved.quorvel"));
    press(window, QKeySequence::Save);
    ASSERT_EQ(savePanels_.size(), 1u);
    EXPECT_EQ(savePanels_[0].suffix, QStringLiteral("quorvel"));
    EXPECT_EQ(savePanels_[0].filter, QStringLiteral("Quorvel documents (*.quorvel)"));
    EXPECT_EQ(contents(savePath_),
              QByteArray::fromStdString(
                  window->document().dataRepresentationOfType(MyDocument::kTypeName).value()));
    EXPECT_TRUE(contents(savePath_).contains("\"strain entry 1,1\" = \"2.000000\";"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("saved.quorvel[*]"));
    EXPECT_FALSE(window->isWindowModified());
    EXPECT_FALSE(window->saveAction()->isEnabled());
    EXPECT_FALSE(window->undoAction()->isEnabled()) << "a save empties the undo history";
    EXPECT_EQ(documents_->recentFiles().value(0), savePath_);

    type(aField, QStringLiteral("5"));
    EXPECT_TRUE(window->isWindowModified());
    EXPECT_TRUE(window->saveAction()->isEnabled());
    EXPECT_TRUE(window->revertAction()->isEnabled());

    press(window, QKeySequence::Undo);
    EXPECT_FLOAT_EQ(window->document().strainData().strainEntry(0), 2.0f);
    EXPECT_FALSE(window->isWindowModified());
    EXPECT_FALSE(window->saveAction()->isEnabled());
    EXPECT_FALSE(window->revertAction()->isEnabled());

    // A second save writes to the same file without asking.
    type(aField, QStringLiteral("7"));
    press(window, QKeySequence::Save);
    EXPECT_EQ(savePanels_.size(), 1u);
    EXPECT_TRUE(contents(savePath_).contains("\"strain entry 1,1\" = \"7.000000\";"));
}

TEST_F(DocumentWindowTest, CloseAnsweredSaveWritesTheFileAndCloses) {
    const QString path = sample();
    DocumentWindow* window = open(path);
    type(window->windowController().aField(), QStringLiteral("4"));

    MessageAnswerer answerer({QStringLiteral("Save")});
    press(window, QKeySequence::Close);
    ASSERT_EQ(answerer.messages().size(), 1u);
    EXPECT_EQ(answerer.messages()[0].text,
              QStringLiteral("Do you want to save the changes you made to “doc.quorvel”?"));
    EXPECT_EQ(openWindows(), 0);
    EXPECT_TRUE(contents(path).contains("\"strain entry 1,1\" = \"4.000000\";"));
}

TEST_F(DocumentWindowTest, CloseAnsweredDontSaveClosesWithoutWriting) {
    const QString path = sample();
    const QByteArray before = contents(path);
    DocumentWindow* window = open(path);
    type(window->windowController().aField(), QStringLiteral("4"));

    MessageAnswerer answerer({QStringLiteral("Don't Save")});
    press(window, QKeySequence::Close);
    EXPECT_TRUE(answerer.allAnswered());
    EXPECT_EQ(openWindows(), 0);
    EXPECT_EQ(contents(path), before);
}

TEST_F(DocumentWindowTest, CloseAnsweredCancelKeepsTheWindowAndItsEdits) {
    const QString path = sample();
    DocumentWindow* window = open(path);
    QLineEdit* aField = window->windowController().aField();
    // Typed but not yet entered: closing still counts it as an edit.
    type(aField, QStringLiteral("4"), false);

    MessageAnswerer answerer({QStringLiteral("Cancel")});
    press(window, QKeySequence::Close);
    EXPECT_TRUE(answerer.allAnswered());
    ASSERT_EQ(openWindows(), 1);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->isWindowModified());
    EXPECT_FLOAT_EQ(window->document().strainData().strainEntry(0), 4.0f);
}

TEST_F(DocumentWindowTest, CloseOfAnUntitledDocumentStaysOpenWhenTheNameIsNotGiven) {
    DocumentWindow* window = shown(documents_->newDocument());
    type(window->windowController().aField(), QStringLiteral("4"));

    savePath_.clear(); // the save panel is cancelled
    MessageAnswerer answerer({QStringLiteral("Save")});
    press(window, QKeySequence::Close);
    EXPECT_TRUE(answerer.allAnswered());
    EXPECT_EQ(savePanels_.size(), 1u);
    EXPECT_EQ(openWindows(), 1);
    EXPECT_TRUE(window->isWindowModified());
}

TEST_F(DocumentWindowTest, FailedSaveSaysWhyAndKeepsEverything) {
    ASSERT_TRUE(QDir(folder_.path()).mkdir(QStringLiteral("sub")));
    const QString path = sample(QStringLiteral("sub/doc.quorvel"));
    const QByteArray before = contents(path);
    DocumentWindow* window = open(path);
    type(window->windowController().aField(), QStringLiteral("4"));

    // A folder that is a plain file cannot take a file, not even for root.
    writeFile(folder_.filePath(QStringLiteral("plain")), "not a folder");
    savePath_ = folder_.filePath(QStringLiteral("plain/new.quorvel"));
    {
        MessageAnswerer answerer({QStringLiteral("OK")});
        press(window, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
        ASSERT_EQ(answerer.messages().size(), 1u);
        EXPECT_EQ(answerer.messages()[0].text,
                  QStringLiteral("The document “doc.quorvel” could not be saved as “new.quorvel”."));
        EXPECT_FALSE(answerer.messages()[0].informativeText.isEmpty());
    }
    EXPECT_EQ(window->windowTitle(), QStringLiteral("doc.quorvel[*]"));
    EXPECT_TRUE(window->isWindowModified());
    EXPECT_TRUE(window->undoAction()->isEnabled()) << "a failed save keeps the undo history";
    EXPECT_EQ(contents(path), before);
    EXPECT_FALSE(documents_->recentFiles().contains(savePath_));

    // The document's folder is replaced by a plain file: closing, Save fails
    // the same way and the window stays.
    ASSERT_TRUE(QDir(folder_.path()).rename(QStringLiteral("sub"), QStringLiteral("moved")));
    writeFile(folder_.filePath(QStringLiteral("sub")), "not a folder");
    MessageAnswerer answerer({QStringLiteral("Save"), QStringLiteral("OK")});
    press(window, QKeySequence::Close);
    EXPECT_TRUE(answerer.allAnswered());
    EXPECT_EQ(openWindows(), 1);
    EXPECT_TRUE(window->isWindowModified());
    EXPECT_EQ(contents(folder_.filePath(QStringLiteral("moved/doc.quorvel"))), before);
}

TEST_F(DocumentWindowTest, RevertToSavedRestoresTheFileWithNothingToUndo) {
    const QString path = sample();
    DocumentWindow* window = open(path);
    const float saved = window->document().strainData().strainEntry(0);
    type(window->windowController().aField(), QStringLiteral("9"));

    {
        MessageAnswerer answerer({QStringLiteral("Cancel")});
        choose(window, window->revertAction());
        EXPECT_TRUE(answerer.allAnswered());
        EXPECT_FLOAT_EQ(window->document().strainData().strainEntry(0), 9.0f);
        EXPECT_TRUE(window->isWindowModified());
    }

    MessageAnswerer answerer({QStringLiteral("Revert")});
    choose(window, window->revertAction());
    ASSERT_EQ(answerer.messages().size(), 1u);
    EXPECT_EQ(answerer.messages()[0].text,
              QStringLiteral("Revert to the saved version of “doc.quorvel”? Your current changes "
                             "will be lost."));
    EXPECT_FLOAT_EQ(window->document().strainData().strainEntry(0), saved);
    EXPECT_EQ(window->windowController().aField()->text(), QLocale().toString(saved, 'f', 6));
    EXPECT_FALSE(window->isWindowModified());
    EXPECT_FALSE(window->undoAction()->isEnabled());
    EXPECT_FALSE(window->revertAction()->isEnabled());
}

TEST_F(DocumentWindowTest, RevertThatCannotReadTheFileSaysWhy) {
    const QString path = sample();
    DocumentWindow* window = open(path);
    type(window->windowController().aField(), QStringLiteral("9"));
    writeFile(path, "{ broken");

    MessageAnswerer answerer({QStringLiteral("Revert"), QStringLiteral("OK")});
    choose(window, window->revertAction());
    ASSERT_EQ(answerer.messages().size(), 2u);
    EXPECT_EQ(answerer.messages()[1].text,
              QStringLiteral("The document “doc.quorvel” could not be reverted."));
    EXPECT_TRUE(answerer.messages()[1].informativeText.startsWith(QStringLiteral("Line 1")));
    EXPECT_FLOAT_EQ(window->document().strainData().strainEntry(0), 9.0f);
    EXPECT_TRUE(window->isWindowModified());
}

TEST_F(DocumentWindowTest, OpenShowsEachFileOnceAndRefusesUnreadableOnes) {
    DocumentWindow* window = shown(documents_->newDocument());
    const QString good = sample();
    const QString bad = folder_.filePath(QStringLiteral("bad.quorvel"));
    writeFile(bad, "( not, a, dictionary )");

    filesToOpen_ = {good, bad};
    MessageAnswerer answerer({QStringLiteral("OK")});
    press(window, QKeySequence::Open);
    ASSERT_EQ(answerer.messages().size(), 1u);
    EXPECT_EQ(answerer.messages()[0].text,
              QStringLiteral("The document “bad.quorvel” could not be opened."));
    EXPECT_EQ(answerer.messages()[0].informativeText,
              QStringLiteral("The file holds no document: its text is not a dictionary"));
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
    documents_ = std::make_unique<DocumentController>();

    const QString missing = folder_.filePath(QStringLiteral("missing.quorvel"));
    {
        MessageAnswerer answerer({QStringLiteral("OK")});
        EXPECT_FALSE(documents_->openAtStart({missing}));
        ASSERT_EQ(answerer.messages().size(), 1u);
        EXPECT_EQ(answerer.messages()[0].text,
                  QStringLiteral("The document “missing.quorvel” could not be opened."));
        EXPECT_FALSE(answerer.messages()[0].informativeText.isEmpty());
        EXPECT_EQ(openWindows(), 0);
    }

    MessageAnswerer answerer({QStringLiteral("OK")});
    EXPECT_TRUE(documents_->openAtStart({missing, sample()}));
    EXPECT_TRUE(answerer.allAnswered());
    EXPECT_EQ(openWindows(), 1);
}

TEST_F(DocumentWindowTest, QuitStopsAtTheFirstCancel) {
    DocumentWindow* first = open(sample(QStringLiteral("first.quorvel")));
    type(first->windowController().aField(), QStringLiteral("2"));
    DocumentWindow* second = open(sample(QStringLiteral("second.quorvel")));
    type(second->windowController().aField(), QStringLiteral("3"));

    MessageAnswerer answerer({QStringLiteral("Don't Save"), QStringLiteral("Cancel")});
    press(second, QKeySequence::Quit);
    ASSERT_EQ(answerer.messages().size(), 2u);
    EXPECT_TRUE(answerer.messages()[0].text.contains(QStringLiteral("first.quorvel")));
    EXPECT_TRUE(answerer.messages()[1].text.contains(QStringLiteral("second.quorvel")));
    ASSERT_EQ(openWindows(), 1);
    EXPECT_EQ(documents_->windows()[0], second);
    EXPECT_TRUE(second->isWindowModified());
}

TEST_F(DocumentWindowTest, OpenRecentListsFilesNewestFirstAndDropsMissingOnes) {
    for (int i = 0; i < DocumentController::kMaxRecentFiles + 2; ++i)
        documents_->noteRecentFile(folder_.filePath(QStringLiteral("%1.quorvel").arg(i)));
    QStringList recent = documents_->recentFiles();
    ASSERT_EQ(recent.size(), DocumentController::kMaxRecentFiles);
    EXPECT_EQ(recent.first(), folder_.filePath(QStringLiteral("11.quorvel")));
    EXPECT_EQ(recent.last(), folder_.filePath(QStringLiteral("2.quorvel")));

    const QString path = sample();
    DocumentWindow* window = open(path);
    EXPECT_EQ(documents_->recentFiles().first(), path);
    EXPECT_EQ(documents_->recentFiles().size(), DocumentController::kMaxRecentFiles);

    // Choosing a file that is gone says so and takes it off the list.
    QAction* openRecent = fileMenuItem(window, QStringLiteral("Open Recent"));
    ASSERT_NE(openRecent, nullptr);
    QMenu* recentMenu = openRecent->menu();
    {
        MessageAnswerer answerer({QStringLiteral("OK")});
        QMenuBar* bar = window->menuBar();
        QTest::mouseClick(bar, Qt::LeftButton, {},
                          bar->actionGeometry(bar->actions().first()).center());
        QMenu* fileMenu = bar->actions().first()->menu();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(fileMenu));
        QTest::mouseClick(fileMenu, Qt::LeftButton, {}, fileMenu->actionGeometry(openRecent).center());
        QTRY_VERIFY(recentMenu->isVisible());
        ASSERT_EQ(recentMenu->actions()[1]->text(), QStringLiteral("11.quorvel"));
        QTest::mouseClick(recentMenu, Qt::LeftButton, {},
                          recentMenu->actionGeometry(recentMenu->actions()[1]).center());
        idle();
        ASSERT_EQ(answerer.messages().size(), 1u);
        EXPECT_EQ(answerer.messages()[0].text,
                  QStringLiteral("The document “11.quorvel” could not be opened."));
    }
    recent = documents_->recentFiles();
    EXPECT_EQ(recent.first(), path);
    EXPECT_FALSE(recent.contains(folder_.filePath(QStringLiteral("11.quorvel"))));
    EXPECT_EQ(openWindows(), 1);

    documents_->clearRecentFiles();
    EXPECT_TRUE(documents_->recentFiles().isEmpty());
}

TEST_F(DocumentWindowTest, ExportImageSavesWhatTheViewShows) {
    DocumentWindow* window = open(sample());
    StrainView* view = window->windowController().strainView();
    QAction* exportItem = fileMenuItem(window, QStringLiteral("Export Image…"));
    ASSERT_NE(exportItem, nullptr);

    savePath_ = folder_.filePath(QStringLiteral("picture.png"));
    choose(window, exportItem);
    ASSERT_EQ(savePanels_.size(), 1u);
    EXPECT_EQ(savePanels_[0].suffix, QStringLiteral("png"));
    EXPECT_EQ(savePanels_[0].proposed, folder_.filePath(QStringLiteral("doc.png")));
    const QImage image(savePath_);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), view->grabFramebuffer().size());
    EXPECT_EQ(image.convertToFormat(QImage::Format_RGB32),
              view->grabFramebuffer().convertToFormat(QImage::Format_RGB32));

    writeFile(folder_.filePath(QStringLiteral("plain")), "not a folder");
    savePath_ = folder_.filePath(QStringLiteral("plain/picture.png"));
    MessageAnswerer answerer({QStringLiteral("OK")});
    choose(window, exportItem);
    ASSERT_EQ(answerer.messages().size(), 1u);
    EXPECT_EQ(answerer.messages()[0].text,
              QStringLiteral("The image “picture.png” could not be saved."));
}

} // namespace
