// The application's document handling as the user meets it: real windows,
// keyboard shortcuts, menus opened and items clicked with the mouse, and the
// questions and messages answered by clicking their buttons. The file panels
// are replaced by answers of the test's own. Shortcuts, focus and the wheel
// need the active window, so these tests run one at a time.
#include "../support/WindowTest.h"

#include "app/Application.h"
#include "app/OrientationDocks.h"
#include "controller/StrainPlot.h"
#include "model/DocumentValues.h"

#include <QAccessible>
#include <QClipboard>
#include <QDir>
#include <QDockWidget>
#include <QMimeData>
#include <QProcess>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QTableWidget>
#include <QUrl>

#include <cmath>
#include <filesystem>

namespace {

// A document with a file, as opened and after its a field was edited.
const QString kClean = "clean, (Save), (Revert To Saved…), (Undo), (Redo)";
const QString kEdited = "modified, Save, Revert To Saved…, Undo Set A Value, (Redo)";

float entryA(DocumentWindow* window) { return window->document().strainData().strainEntry(0); }

class DocumentWindowTest : public WindowTest {
protected:
    static void SetUpTestSuite() { installLocalizer(); }

    // The modified marker and the Save, Revert, Undo and Redo items as the
    // menus show them, the disabled ones in brackets.
    static QString state(DocumentWindow* w) {
        QStringList parts{w->isWindowModified() ? "modified" : "clean"};
        for (QAction* a : {w->saveAction(), w->revertAction(), w->undoAction(), w->redoAction()})
            parts << (a->isEnabled() ? a->text() : "(" + a->text() + ")");
        return parts.join(", ");
    }
};

TEST_F(DocumentWindowTest, SaveWritesTheFileOrSaysWhyAndKeepsEverything) {
    ASSERT_TRUE(QDir(folder_.path()).mkdir("sub"));
    const QString path = folder_.filePath("sub/doc.quorvel");
    DocumentWindow* window = shown(documents_->newDocument());
    type(window, "aField", "2");
    savePath_ = path;
    press(window, QKeySequence::Save);
    EXPECT_EQ(savePanels_, QStringList{"Quorvel documents (*.quorvel) quorvel"});
    EXPECT_TRUE(contents(path).contains("\"strain entry 1,1\" = \"2.000000\";"));
    EXPECT_EQ(window->windowTitle(), "doc.quorvel[*]");
    EXPECT_EQ(state(window), kClean) << "a save empties the undo history";
    EXPECT_EQ(documents_->recentFiles().value(0), path);

    // The temporary file that a killed save left goes, the user's files stay.
    MessageAnswerer answerer({"Cancel", "OK", "Overwrite"}); // for what follows: none yet
    writeFile(path + ".Ab12Cd", contents(path));
    writeFile(path + ".backup", "my notes"); // named as a temporary, but not a document
    type(window, "aField", "7", false); // Save applies a number still being typed
    press(window, QKeySequence::Save);
    EXPECT_EQ(savePanels_.size(), 1) << "a second save asks nothing";
    const QByteArray before = contents(path);
    EXPECT_TRUE(before.contains("\"strain entry 1,1\" = \"7.000000\";"));
    EXPECT_EQ(QDir(folder_.filePath("sub")).entryList(QDir::Files),
              QStringList({"doc.quorvel", "doc.quorvel.backup"}));

    // Another program wrote the file meanwhile: Save asks before it
    // overwrites that. A folder that is a plain file cannot take a file, not
    // even for root.
    writeFile(path, before + "\n");
    type(window, "aField", "4");
    press(window, QKeySequence::Save);
    writeFile(folder_.filePath("plain"), "not a folder");
    savePath_ = folder_.filePath("plain/new.quorvel");
    press(window, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    EXPECT_EQ(answerer.texts, QStringList({"The file “doc.quorvel” has been changed by another "
                                           "program since it was opened or saved.",
                                           "The document “doc.quorvel” could not be saved as "
                                           "“new.quorvel”."}));
    EXPECT_EQ(window->windowTitle(), "doc.quorvel[*]");
    EXPECT_EQ(state(window), kEdited) << "a failed save keeps the undo history";
    EXPECT_EQ(contents(path), before + "\n");
    EXPECT_FALSE(documents_->recentFiles().contains(savePath_));
    press(window, QKeySequence::Save);
    EXPECT_TRUE(contents(path).contains("\"strain entry 1,1\" = \"4.000000\";"));

    // Closing, a Save that fails the same way keeps the window.
    type(window, "aField", "5");
    ASSERT_TRUE(QDir(folder_.path()).rename("sub", "moved"));
    writeFile(folder_.filePath("sub"), "not a folder");
    MessageAnswerer closing({"Save", "OK"});
    press(window, QKeySequence::Close);
    EXPECT_TRUE(closing.allAnswered());
    EXPECT_EQ(openWindows(), 1);
}

// A full disk: Save says why, the old file stays byte for byte, no temporary
// file is left, and the edits stay.
TEST_F(DocumentWindowTest, AFullDiskKeepsTheOldFileAndTheEditsForASaveElsewhere) {
    const QString disk = folder_.filePath("disk");
    ASSERT_TRUE(QDir().mkpath(disk));
    if (QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=64k", "tmpfs", disk}) != 0)
        GTEST_SKIP() << "a small full file system needs mount -t tmpfs, which needs root";
    const std::unique_ptr<const QString, void (*)(const QString*)> unmount(
        &disk, [](const QString* dir) { QProcess::execute("umount", {*dir}); });
    const QString path = disk + "/doc.quorvel";
    ASSERT_TRUE(QFile::copy(sample(), path));
    writeFile(disk + "/filler", QByteArray(64 * 1024, 'x')); // as much as fits
    const QByteArray before = contents(path);
    DocumentWindow* window = open(path);
    type(window, "aField", "3");
    {
        MessageAnswerer answerer({"OK"});
        press(window, QKeySequence::Save);
        EXPECT_EQ(answerer.informativeTexts, QStringList{"No space left on device"});
    }
    EXPECT_EQ(contents(path), before);
    EXPECT_EQ(QDir(disk).entryList(QDir::Files), QStringList({"doc.quorvel", "filler"}));
    EXPECT_EQ(state(window), kEdited);
}

// Closing asks about changes and follows each answer; Quit asks about each
// edited window in turn, and a Cancel anywhere stops it.
TEST_F(DocumentWindowTest, CloseAndQuitAskAboutChangesAndFollowEachAnswer) {
    const QString first = sample("first.quorvel"), path = sample();
    const QByteArray before = contents(path);
    type(open(first), "aField", "2");
    DocumentWindow* window = open(path);
    type(window, "aField", "4", false); // typed but not entered: still an edit
    const auto question = [](const char* name) {
        return QString("Do you want to save the changes you made to “%1”?").arg(name);
    };
    const QString aboutFirst = question("first.quorvel"), aboutDoc = question("doc.quorvel");
    const struct {
        QKeySequence::StandardKey key;
        QStringList answers, asked;
        int left;
    } steps[] = {
        {QKeySequence::Close, {"Cancel"}, {aboutDoc}, 2},
        {QKeySequence::Quit, {"Cancel", "Cancel"}, {aboutFirst}, 2},
        {QKeySequence::Quit, {"Don't Save", "Cancel"}, {aboutFirst, aboutDoc}, 1},
        {QKeySequence::Close, {"Save"}, {aboutDoc}, 0},
    };
    for (const auto& [key, answers, asked, left] : steps) {
        SCOPED_TRACE(answers.join(", ").toStdString());
        MessageAnswerer answerer(answers);
        press(window, key);
        EXPECT_EQ(answerer.texts, asked);
        EXPECT_EQ(openWindows(), left);
        EXPECT_EQ(contents(path) == before, left > 0);
    }
    EXPECT_TRUE(contents(path).contains("\"strain entry 1,1\" = \"4.000000\";"));
    EXPECT_FALSE(contents(first).contains("\"strain entry 1,1\" = \"2.000000\";"));
}

// Reading the file again restores every value, even when the document keeps
// its present volume constant, which the file's strain does not have.
TEST_F(DocumentWindowTest, RevertRestoresTheFileWithNothingToUndoOrSaysWhyNot) {
    const QString path = sample();
    DocumentWindow* window = open(path);
    const auto saved = shownValues(window);
    StrainView* view = window->windowController().strainView();
    QImage savedPicture; // once the view has drawn
    ASSERT_TRUE(QTest::qWaitFor([&] { return !(savedPicture = view->grabFramebuffer()).isNull(); }));
    type(window, "aField", "9"); // nine times the volume, then kept
    auto* preserve = control<QCheckBox>(window, "preserveVolumeCheckbox");
    QTest::mouseClick(preserve, Qt::LeftButton, {}, QPoint(8, preserve->height() / 2));
    {
        MessageAnswerer answerer({"Cancel"});
        choose(window, "Revert To Saved…");
        EXPECT_FLOAT_EQ(entryA(window), 9.0f);
    }
    MessageAnswerer answerer({"Revert", "Revert", "OK"});
    choose(window, "Revert To Saved…");
    EXPECT_EQ(shownValues(window), saved);
    EXPECT_EQ(state(window), kClean);
    EXPECT_TRUE(comesToShow(view, savedPicture));

    type(window, "aField", "9");
    writeFile(path, "{ broken");
    choose(window, "Revert To Saved…");
    ASSERT_EQ(answerer.texts.size(), 3);
    EXPECT_EQ(answerer.texts[2], "The document “doc.quorvel” could not be reverted.");
    EXPECT_TRUE(answerer.informativeTexts[2].startsWith("Line 1"));
    EXPECT_EQ(state(window), kEdited);
}

TEST_F(DocumentWindowTest, OpenShowsEachFileOnceAndRefusesUnreadableOnes) {
    DocumentWindow* window = shown(documents_->newDocument());
    const QRect place = window->geometry();
    const QString good = sample();
    const QString bad = folder_.filePath("bad.quorvel");
    writeFile(bad, "( not, a, dictionary )");
    filesToOpen_ = {good, bad};
    MessageAnswerer answerer({"OK"});
    press(window, QKeySequence::Open);
    EXPECT_EQ(answerer.texts, QStringList{"The document “bad.quorvel” could not be opened."});
    EXPECT_EQ(answerer.informativeTexts,
              QStringList{"The file holds no document: its text is not a dictionary"});
    ASSERT_EQ(openWindows(), 1) << "the untouched new window gave its place to the file";
    window = shown(documents_->windows()[0]);
    EXPECT_EQ(window->geometry(), place);
    const QString same = folder_.filePath("same.quorvel");
    std::filesystem::create_hard_link(good.toStdString(), same.toStdString());
    filesToOpen_ = {good, same};
    press(window, QKeySequence::Open);
    EXPECT_EQ(openWindows(), 1) << "opening it again, by any name, brings its window forward";

    // Dropped on the view, documents open and anything else is refused.
    const auto drop = [view = window->windowController().strainView()->surface()](
                          const QStringList& paths) {
        QMimeData data;
        QList<QUrl> urls;
        for (const QString& path : paths)
            urls << QUrl::fromLocalFile(path);
        data.setUrls(urls);
        QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(view, &enter);
        QDropEvent dropped(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(view, &dropped);
        return enter.isAccepted() && dropped.isAccepted();
    };
    EXPECT_FALSE(drop({good, folder_.filePath("notes.txt")}));
    EXPECT_EQ(openWindows(), 1);
    EXPECT_TRUE(drop({sample("second.quorvel"), sample("third.quorvel")}));
    EXPECT_EQ(openWindows(), 3);

    // Named at start: each that cannot be read is said, the others open; a
    // long name is shortened, or the box would fill a small screen.
    documents_ = std::make_unique<DocumentController>();
    const QString wide = folder_.filePath(QString(240, 'n') + ".quorvel");
    ASSERT_TRUE(QFile::rename(bad, wide));
    MessageAnswerer atStart({"OK"});
    EXPECT_TRUE(documents_->openAtStart({wide, good}));
    ASSERT_EQ(atStart.widths.size(), 1);
    EXPECT_LE(atStart.widths[0], QGuiApplication::primaryScreen()->availableGeometry().width() / 2);
    EXPECT_EQ(openWindows(), 1);
}

// Open Recent lists files newest first; a file that is gone is dropped when
// chosen, one that exists but could not be read this time stays.
TEST_F(DocumentWindowTest, OpenRecentKeepsFilesThatStillExist) {
    QStringList many;
    for (int i = 10000; i > 0; --i)
        many << folder_.filePath(QString("%1.quorvel").arg(i));
    QSettings().setValue(DocumentController::kRecentFilesKey, many);
    EXPECT_EQ(documents_->recentFiles(), many.mid(0, DocumentController::kMaxRecentFiles));
    const QString broken = sample("broken.quorvel");
    documents_->noteRecentFile(broken);
    const QString opened = sample();
    DocumentWindow* window = open(opened);
    QStringList recent = documents_->recentFiles();
    ASSERT_EQ(recent.size(), DocumentController::kMaxRecentFiles);
    EXPECT_EQ(recent.mid(0, 3), QStringList({opened, broken, folder_.filePath("10000.quorvel")}));
    writeFile(broken, "{ broken");

    for (const char* name : {"broken.quorvel", "10000.quorvel"}) {
        MessageAnswerer answerer({"OK"});
        choose(window, "Open Recent");
        QMenu* recentMenu = nullptr;
        QTRY_VERIFY((recentMenu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) &&
                    recentMenu->title() == "Open Recent");
        QStringList items; // as the user reads them
        for (QAction* item : recentMenu->actions())
            items << (item->isSeparator() ? "—" : item->text());
        EXPECT_EQ(items.size(), DocumentController::kMaxRecentFiles + 2);
        EXPECT_EQ(items.mid(items.size() - 2), QStringList({"—", "Clear Menu"}));
        for (QAction* item : recentMenu->actions())
            if (item->text() == name)
                QTest::mouseClick(recentMenu, Qt::LeftButton, {},
                                  recentMenu->actionGeometry(item).center());
        idle();
        EXPECT_EQ(answerer.texts.size(), 1) << name;
    }
    recent = documents_->recentFiles();
    EXPECT_TRUE(recent.contains(broken));
    EXPECT_FALSE(recent.contains(folder_.filePath("10000.quorvel")));
}

// A window opens where the last one closed, brought onto the screen where it
// would not fit there (a larger screen's place, or an absurd one).
TEST_F(DocumentWindowTest, AWindowOpensWhereTheLastClosedOnTheScreenWithItsDocks) {
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    DocumentWindow* window = shown(documents_->newDocument());
    window->setGeometry(QRect(available.topLeft() + QPoint(20, 40), QSize(1000, 700)));
    const QRect place = window->geometry();
    choose(window, "Analysis");
    choose(window, "Lines and Sections");
    window->close();
    window = shown(documents_->newDocument());
    EXPECT_EQ(window->geometry(), place);
    // The next window a step down and right, where it fits.
    const QPoint step = shown(documents_->newDocument())->pos() - window->pos();
    EXPECT_TRUE(step.x() > 0 && step.x() == step.y()) << step.x() << ", " << step.y();
    for (const char* dock : {"analysisDock", "linesDock"})
        EXPECT_FALSE(control(window, dock)->isVisible()) << dock;
    window->close();

    QWidget absurd;
    constexpr int kFar = 1'000'000'000;
    absurd.setGeometry(kFar, -kFar, kFar, kFar);
    QSettings().setValue(DocumentWindow::kGeometryKey, absurd.saveGeometry());
    EXPECT_TRUE(available.contains(shown(documents_->newDocument())->frameGeometry()));
}

// On a screen 1600 pixels wide or more, the analysis and the net stand beside
// the inspector, one above the other, with Lines and Sections behind it; on
// a narrower one all three are behind it. CTest runs this on screens 1599
// and 1600 wide too.
TEST_F(DocumentWindowTest, ARoomyScreenShowsTheAnalysisAndTheNetBesideTheInspector) {
    DocumentWindow* window = shown(documents_->newDocument());
    auto* inspector = control<QDockWidget>(window, "inspectorDock");
    auto* analysis = control<QDockWidget>(window, "analysisDock");
    auto* net = control<QDockWidget>(window, "stereonetDock");
    if (window->screen()->availableGeometry().width() < 1600) {
        EXPECT_EQ(window->tabifiedDockWidgets(inspector).size(), 3);
        return;
    }
    EXPECT_TRUE(inspector->isVisible() && analysis->isVisible() && net->isVisible());
    EXPECT_GE(analysis->x(), inspector->geometry().right());
    EXPECT_NEAR(analysis->width(), OrientationDocks::kRoomyAnalysisWidth, 8);
    EXPECT_EQ(net->x(), analysis->x());
    EXPECT_GT(net->y(), analysis->geometry().bottom());
    EXPECT_EQ(window->tabifiedDockWidgets(inspector),
              QList<QDockWidget*>{control<QDockWidget>(window, "linesDock")});
}

// On a laptop's screen, and as narrow as 960 pixels, the view has half the
// width or more, and every control and the analysis can be reached.
TEST_F(DocumentWindowTest, TheWindowFitsALaptopAndHalfALargeScreen) {
    DocumentWindow* window = shown(documents_->newDocument());
    QWidget* view = control(window, "strainView");
    auto* inspector = control<QScrollArea>(window, "inspectorScrollArea");
    for (const QSize size : {QSize(1366, 740), QSize(960, 700)}) {
        window->resize(size);
        ASSERT_TRUE(QTest::qWaitFor([&] { return window->size() == size; })) << size.width();
        EXPECT_GE(view->width(), size.width() / 2);
        for (QWidget* input : inspector->widget()->findChildren<QWidget*>())
            if (input->focusPolicy() & Qt::TabFocus) {
                inspector->ensureWidgetVisible(input);
                EXPECT_TRUE(inspector->viewport()->rect().contains(QRect(
                    input->mapTo(inspector->viewport(), QPoint()), input->size())))
                    << input->objectName().toStdString();
            }
        control<QDockWidget>(window, "analysisDock")->raise();
        EXPECT_TRUE(QTest::qWaitFor([&] { return control(window, "flinnPlot")->isVisible(); }));
        control<QDockWidget>(window, "inspectorDock")->raise();
    }
}

// Menus, controls, undo names and numbers in the user's language.
TEST_F(DocumentWindowTest, AGermanUserGetsGermanMenusControlsAndNumbers) {
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    installLocalizer();
    DocumentWindow* window = shown(documents_->newDocument());
    EXPECT_EQ(window->menuBar()->actions().first()->text(), "&Datei");
    EXPECT_EQ(control<QPushButton>(window, "restartButton")->text(), "Verformung neu beginnen");
    type(window, "aField", "1,5");
    EXPECT_FLOAT_EQ(entryA(window), 1.5f);
    EXPECT_EQ(control<QLineEdit>(window, "aField")->text(), "1,500000");
    EXPECT_EQ(window->undoAction()->text(), "a-Wert setzen widerrufen");
    EXPECT_TRUE(window->saveAction()->isEnabled()) << "the document finds Save by its German title";
    // Every undo name of the document values' table is a text the
    // translators know.
    for (const DocumentValue& value : documentValues())
        for (const char* name : {value.undoName, value.offUndoName})
            if (name) {
                EXPECT_NE(QCoreApplication::translate("MyWindowController", name), name) << name;
            }
    QLocale::setDefault(before);
    installLocalizer();
}

TEST_F(DocumentWindowTest, TheWheelScrollsTheInspectorAndEditsOnlyAControlWithFocus) {
    DocumentWindow* window = open(sample());
    window->resize(900, 400); // lower than the inspector, which must scroll
    const StrainData& model = window->document().strainData();
    auto* scrollBar = control<QScrollArea>(window, "inspectorScrollArea")->verticalScrollBar();
    ASSERT_TRUE(QTest::qWaitFor([&] { return scrollBar->maximum() > 0; }));
    const float b = model.strainEntry(4);
    for (const char* name : {"animationSlider", "animationPopUp", "zoomSlider"}) {
        const int scrolled = scrollBar->value();
        turnWheel(control(window, name), -1);
        EXPECT_GT(scrollBar->value(), scrolled) << name;
    }
    EXPECT_FALSE(window->undoAction()->isEnabled()) << "nothing edited";

    // With the focus the wheel edits; how notches make undo steps is the
    // view's wheel test's.
    auto* slider = control(window, "animationSlider");
    slider->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return slider->hasFocus(); }));
    turnWheel(slider, -1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return model.strainEntry(4) != b; }));
}

// Tab goes through the controls in reading order, each with the name a
// screen reader announces.
TEST_F(DocumentWindowTest, EveryControlSaysWhatItEditsAndTabFollowsTheReadingOrder) {
    DocumentWindow* window = shown(documents_->newDocument());
    QStringList names = {"Strain ellipsoid view", "Matrix acts on"};
    for (int k = 0; k < 9; ++k)
        names << QString("Strain entry %1, row %2, column %3").arg(QChar('a' + k)).arg(k / 3 + 1)
                     .arg(k % 3 + 1);
    names << "Translation x" << "Translation y" << "Translation z" << "Animate" << "Animation slider"
          << "Animation minimum" << "Animation maximum" << "Preserve volume" << "Leave row x alone";
    for (const QString point : {"1", "2", "3"})
        names << "Point " + point + " x" << "Point " + point + " y" << "Point " + point + " z"
              << "Show point " + point << "Set point " + point + " by clicking the ellipsoid";
    names << "Projection" << "Reset view" << "Zoom" << "Show axes" << "Mark axes" << "Light x"
          << "Light y" << "Light z" << "Ellipsoid color" << "Opacity" << "Restart strain";
    type(window, "aField", "1e39"); // refused: the field shows its value again
    QWidget* view = control(window, "strainView");
    view->setFocus();
    for (const QString& name : names) {
        QWidget* focused = QApplication::focusWidget();
        ASSERT_NE(focused, nullptr) << name.toStdString();
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(focused);
        // A pop-up's name is the item it shows; its label says what it edits.
        if (accessible->role() == QAccessible::ComboBox)
            for (const auto& [related, relation] : accessible->relations(QAccessible::Label))
                if (related->role() == QAccessible::StaticText)
                    accessible = related;
        EXPECT_EQ(accessible->text(QAccessible::Name), name);
        QTest::keyClick(focused, Qt::Key_Tab);
    }
    idle();
    EXPECT_EQ(state(window), kClean) << "leaving fields unchanged edits nothing";
}

// Ctrl+Z undoes a field's own typing first, then the document's steps; the
// Edit menu's items apply a typed number first, and so undo it.
TEST_F(DocumentWindowTest, UndoAndRedoByKeysAndMenusWithAFieldBeingTyped) {
    DocumentWindow* window = open(sample());
    type(window, "aField", "2");
    type(window, "aField", "3", false);
    press(window, QKeySequence::Undo);
    EXPECT_EQ(control<QLineEdit>(window, "aField")->text(), "2.000000");
    EXPECT_EQ(state(window), kEdited);
    press(window, QKeySequence::Undo);
    EXPECT_FLOAT_EQ(entryA(window), 1.0f);
    EXPECT_EQ(state(window), "clean, (Save), (Revert To Saved…), (Undo), Redo Set A Value");
    press(window, QKeySequence::Redo);
    EXPECT_FLOAT_EQ(entryA(window), 2.0f);
    type(window, "aField", "4", false);
    choose(window, "Undo Set A Value");
    EXPECT_FLOAT_EQ(entryA(window), 2.0f);
    choose(window, "Redo Set A Value");
    EXPECT_FLOAT_EQ(entryA(window), 4.0f);
}

} // namespace

// A sweep of the shear entry b (0 to 2 in the sample) traces the k = 1 line;
// the table follows every step and a revert.
TEST_F(DocumentWindowTest, AnalysisPanelTracesTheSliderSweep) {
    DocumentWindow* window = open(sample());
    const ShapeTrail& path = control<StrainPlot>(window, "flinnPlot")->trail();
    const auto* table = control<QTableWidget>(window, "analysisTable");
    const auto s1 = [](double gamma) {
        return QLocale().toString(std::sqrt(1 + gamma * gamma / 4) + gamma / 2, 'f', 4);
    };
    auto* slider = control(window, "animationSlider");
    slider->setFocus();
    for (int step = 0; step < 3; ++step) {
        QTest::keyClick(slider, Qt::Key_PageUp);
        idle();
    }
    const double gamma = window->document().strainData().strainEntry(4);
    EXPECT_EQ(table->item(0, 1)->text(), s1(gamma));
    ASSERT_EQ(path.size(), 3u);
    for (ShapePoint p : path.strokes().at(0))
        EXPECT_NEAR(p.lnRxy, p.lnRyz, 1e-6) << "simple shear stays on k = 1";

    // Revert reads the saved strain too: the file's shear of 1 again.
    window->document().strainData().accumulateStrain();
    std::string error;
    ASSERT_TRUE(window->document().revertToSaved(error)) << error;
    idle();
    EXPECT_EQ(table->item(0, 1)->text(), s1(1));
    choose(window, "Copy Analysis");
    EXPECT_TRUE(QGuiApplication::clipboard()->text().startsWith(
        "Stretches S1, S2, S3\t1.6180\t1.0000\t0.6180\nNatural strains"));
}
