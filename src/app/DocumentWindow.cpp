#include "app/DocumentWindow.h"

#include "app/Alerts.h"
#include "app/DocumentCommands.h"
#include "app/ExportImageDialog.h"
#include "app/HelpDialogs.h"
#include "app/OrientationDocks.h"
#include "controller/AnalysisPanel.h"
#include "controller/DeformationDialog.h"
#include "controller/MyWindowController.h"
#include "document/MyDocument.h"
#include "platform/Localization.h"
#include "platform/UndoManager.h"
#include "view/StrainView.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QDockWidget>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QIcon>
#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QUrl>

#include <algorithm>

namespace {

// The first window fills the screen up to this size.
constexpr QSize kLargestInitialSize(1600, 1000);

// A saved place may come from a larger screen, or be absurd (a settings file
// written by hand): a window of 10^9 pixels crashes the OpenGL driver. The
// window shrinks to the screen's free area, as far as its minimum allows, and
// moves inside it.
void fitOnScreen(QWidget* window) {
    window->layout()->activate(); // for the window's minimum size
    const QScreen* screen = QGuiApplication::screenAt(window->geometry().center());
    const QRect available = (screen ? screen : window->screen())->availableGeometry();
    const QSize frame = window->frameGeometry().size() - window->size();
    window->resize(window->size().boundedTo(available.size() - frame));
    const QSize outer = window->size() + frame;
    window->move(
        std::max(available.left(), std::min(window->x(), available.right() + 1 - outer.width())),
        std::max(available.top(), std::min(window->y(), available.bottom() + 1 - outer.height())));
}

// A field takes Undo and Redo for its own typing only while it has some to
// undo or redo; otherwise the keys go to the Edit menu and so to the document.
// The inspector's fields are refilled after every edit, which empties their
// own history, so without this the shortcuts would do nothing there.
class FieldUndoFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::ShortcutOverride)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        const auto* field = static_cast<QLineEdit*>(watched);
        return (key->matches(QKeySequence::Undo) && !field->isUndoAvailable()) ||
               (key->matches(QKeySequence::Redo) && !field->isRedoAvailable());
    }
};

} // namespace

DocumentWindow::DocumentWindow(std::unique_ptr<MyDocument> document, DocumentCommands& documents)
    : documents_(documents), document_(std::move(document)) {
    // The program's own icon, built into it.
    setWindowIcon(QIcon(QStringLiteral(":/quorvel.svg")));
    auto* content = new QWidget(this);
    setCentralWidget(content);
    windowController_ = std::make_unique<MyWindowController>(*document_, content);

    // Every field shows a whole number as the inspector writes it ("%f"),
    // and the inspector is as wide as its widest row, so none is cut short.
    auto* fieldFilter = new FieldUndoFilter(this);
    // The frame and the text margins take a few pixels on each side.
    constexpr int kFieldPadding = 12;
    const int numberWidth =
        fontMetrics().horizontalAdvance(QLocale().toString(-1.0, 'f', 6)) + kFieldPadding;
    for (QLineEdit* field : content->findChildren<QLineEdit*>()) {
        field->installEventFilter(fieldFilter);
        field->setMinimumWidth(numberWidth);
    }
    // Room beyond that goes to the view.
    inspector_ = content->findChild<QScrollArea*>(QStringLiteral("inspectorScrollArea"));
    inspector_->setFixedWidth(inspector_->widget()->minimumSizeHint().width() +
                              inspector_->verticalScrollBar()->sizeHint().width() +
                              2 * inspector_->frameWidth());

    inspectorDock_ = new QDockWidget(tr("Inspector"), this);
    inspectorDock_->setObjectName(QStringLiteral("inspectorDock"));
    inspectorDock_->setWidget(inspector_);
    analysisDock_ = new QDockWidget(tr("Analysis"), this);
    analysisDock_->setObjectName(QStringLiteral("analysisDock"));
    analysisPanel_ = new AnalysisPanel(document_->strainData(), windowController_->animationSlider());
    analysisDock_->setWidget(analysisPanel_);
    windowController_->bindControls(analysisPanel_);
    setTabPosition(Qt::RightDockWidgetArea, QTabWidget::North);
    orientationDocks_ = std::make_unique<OrientationDocks>(
        *this, document_->strainData(), *windowController_, analysisDock_, documents_.filePanels());
    orientationDocks_->arrange(inspectorDock_, screen()->availableGeometry().width() >=
                                                   kLargestInitialSize.width());
    setTabOrder(windowController_->strainView(), inspector_);

    // Where the last closed window was, with its docks as they were, kept on
    // the screen; else as much of the screen as the window can use.
    const QSettings settings;
    if (restoreGeometry(settings.value(QLatin1String(kGeometryKey)).toByteArray())) {
        restoreState(settings.value(QLatin1String(kDockStateKey)).toByteArray());
        fitOnScreen(this);
    } else {
        resize(kLargestInitialSize.boundedTo(screen()->availableGeometry().size()));
    }
    setAcceptDrops(true);

    buildMenus();
    undoManager().setChangeHandler([this] { documentChanged(); });
    for (QLineEdit* field : fields()) {
        connect(field, &QLineEdit::textChanged, this, &DocumentWindow::documentChanged);
        connect(field, &QLineEdit::editingFinished, this, &DocumentWindow::documentChanged);
    }
    documentChanged();
}

DocumentWindow::~DocumentWindow() {
    // The controller goes first, while its document and the view still exist.
    // The fields outlive this part of the window, and lose the focus as they go.
    undoManager().setChangeHandler(nullptr);
    for (QLineEdit* field : fields())
        disconnect(field, nullptr, this, nullptr);
    windowController_.reset();
}

UndoManager& DocumentWindow::undoManager() const {
    return windowController_->windowWillReturnUndoManager();
}

void DocumentWindow::buildMenus() {
    const auto add = [this](QMenu* menu, const QString& title, const QList<QKeySequence>& shortcuts,
                            auto slot) {
        QAction* action = menu->addAction(title);
        action->setShortcuts(shortcuts);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    const auto keys = [](QKeySequence::StandardKey key) { return QKeySequence::keyBindings(key); };
    // Desktops without a Save As binding of their own get the common one.
    QList<QKeySequence> saveAsKeys = keys(QKeySequence::SaveAs);
    if (saveAsKeys.isEmpty())
        saveAsKeys = {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)};

    QMenu* file = menuBar()->addMenu(tr("&File"));
    add(file, tr("New"), keys(QKeySequence::New), [this] { documents_.newDocument(); });
    add(file, tr("Open…"), keys(QKeySequence::Open), [this] { documents_.openDocument(this); });
    recentMenu_ = file->addMenu(tr("Open Recent"));
    recentMenu_->setToolTipsVisible(true); // the full path of each file
    connect(recentMenu_, &QMenu::aboutToShow, this, &DocumentWindow::fillRecentMenu);
    file->addSeparator();
    add(file, tr("Close"), keys(QKeySequence::Close), [this] { close(); });
    saveAction_ = add(file, tr("Save"), keys(QKeySequence::Save), [this] { save(); });
    add(file, tr("Save As…"), saveAsKeys, [this] { saveAs(); });
    revertAction_ = add(file, tr("Revert To Saved…"), {}, [this] { revertToSaved(); });
    file->addSeparator();
    // Ctrl+E, as in the drawing programs that students know.
    add(file, tr("Export Image…"), {QKeySequence(Qt::CTRL | Qt::Key_E)}, [this] { exportImage(); });
    orientationDocks_->addExportItems(*file);
    file->addSeparator();
    QAction* quit = add(file, tr("Quit"), keys(QKeySequence::Quit), [this] { documents_.quit(); });
    quit->setMenuRole(QAction::QuitRole);

    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    // A typed number is committed first and so becomes the step undone.
    undoAction_ = add(edit, tr("Undo"), keys(QKeySequence::Undo), [this] {
        commitEditing();
        undoManager().undo();
    });
    // Both habits, whichever the desktop lists first.
    QList<QKeySequence> redoKeys = keys(QKeySequence::Redo);
    for (QKeySequence redo : {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z),
                              QKeySequence(Qt::CTRL | Qt::Key_Y)})
        if (!redoKeys.contains(redo))
            redoKeys << redo;
    redoAction_ = add(edit, tr("Redo"), redoKeys, [this] {
        commitEditing();
        undoManager().redo();
    });
    edit->addSeparator();
    // Ctrl+C copies the picture; a field takes it first for its own text.
    add(edit, tr("Copy Image"), keys(QKeySequence::Copy), [this] { copyImage(); });
    add(edit, tr("Copy Analysis"), {}, [this] {
        commitEditing();
        analysisPanel_->copyToClipboard();
    });
    edit->addSeparator();
    add(edit, tr("Deformation…"), {}, [this] {
        commitEditing();
        DeformationDialog::showFor(document_->strainData(), this);
    });

    QMenu* view = menuBar()->addMenu(tr("&View"));
    view->addAction(inspectorDock_->toggleViewAction());
    view->addAction(analysisDock_->toggleViewAction());
    orientationDocks_->addDockToggles(*view);
    view->addSeparator();
    QAction* fullScreen = add(view, tr("Full Screen"), keys(QKeySequence::FullScreen), [this] {
        setWindowState(windowState() ^ Qt::WindowFullScreen);
    });
    if (fullScreen->shortcuts().isEmpty())
        fullScreen->setShortcut(Qt::Key_F11);

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    add(help, tr("Mouse and Keyboard"), keys(QKeySequence::HelpContents),
        [this] { HelpDialogs::showMouseAndKeyboardHelp(this); });
    add(help, tr("Strain Analysis"), {}, [this] { HelpDialogs::showAnalysisHelp(this); });
    add(help, tr("Flows and Vorticity"), {}, [this] { HelpDialogs::showFlowHelp(this); });
    help->addSeparator();
    add(help, tr("About Quorvel"), {}, [this] { HelpDialogs::showAboutBox(this); })
        ->setMenuRole(QAction::AboutRole);
    add(help, tr("About Qt"), {}, [] { QApplication::aboutQt(); })->setMenuRole(QAction::AboutQtRole);
}

void DocumentWindow::fillRecentMenu() {
    recentMenu_->clear();
    const QStringList files = documents_.recentFiles();
    for (const QString& path : files) {
        QAction* item = recentMenu_->addAction(QFileInfo(path).fileName());
        item->setToolTip(QDir::toNativeSeparators(path));
        connect(item, &QAction::triggered, this,
                [this, path] { documents_.openRecentFile(path, this); });
    }
    recentMenu_->addSeparator();
    QAction* clear = recentMenu_->addAction(tr("Clear Menu"));
    clear->setEnabled(!files.isEmpty());
    connect(clear, &QAction::triggered, this, [this] { documents_.clearRecentFiles(); });
}

// Follows every change of the undo history: the title, its unsaved-changes
// mark and the menu items that depend on the edited state.
void DocumentWindow::documentChanged() {
    setWindowFilePath(QFile::decodeName(document_->fileName().c_str()));
    setWindowTitle(QString::fromStdString(document_->displayName()) + QStringLiteral("[*]"));
    setWindowModified(document_->isDocumentEdited());

    // The document validates its items by their titles in the user's language.
    // A number typed but not yet applied is an edit that these commands
    // commit first, so it enables them too.
    const bool typed = hasTypedText();
    saveAction_->setEnabled(typed || document_->validateMenuItem(localizedString("Save")));
    revertAction_->setEnabled((typed && !document_->fileName().empty()) ||
                              document_->validateMenuItem(localizedString("Revert To Saved")));

    const UndoManager& undo = undoManager();
    undoAction_->setEnabled(typed || undo.canUndo());
    undoAction_->setText(QString::fromStdString(undo.undoMenuItemTitle()));
    redoAction_->setEnabled(undo.canRedo());
    redoAction_->setText(QString::fromStdString(undo.redoMenuItemTitle()));
}

// In the docks, not in dialogs that the window may have open.
QList<QLineEdit*> DocumentWindow::fields() const {
    QList<QLineEdit*> all;
    for (const QDockWidget* dock : findChildren<QDockWidget*>())
        all += dock->findChildren<QLineEdit*>();
    return all;
}

bool DocumentWindow::isUntouched() const {
    const UndoManager& undo = undoManager();
    return document_->fileName().empty() && !document_->isDocumentEdited() && !undo.canUndo() &&
           !undo.canRedo() && !hasTypedText();
}

// Document files dropped on the window open as if chosen with Open; other
// drops are refused.
QStringList DocumentWindow::droppedDocuments(const QMimeData* data) {
    QStringList paths;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile() && url.toLocalFile().endsWith(QLatin1Char('.') + DocumentCommands::documentExtension()))
            paths << url.toLocalFile();
    return paths.size() == data->urls().size() ? paths : QStringList();
}

void DocumentWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!droppedDocuments(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void DocumentWindow::dropEvent(QDropEvent* event) {
    const QStringList paths = droppedDocuments(event->mimeData());
    if (paths.isEmpty())
        return;
    event->acceptProposedAction();
    documents_.openFiles(paths, this);
}

bool DocumentWindow::hasTypedText() const {
    const QList<QLineEdit*> all = fields();
    return std::any_of(all.begin(), all.end(), [](const QLineEdit* f) { return f->isModified(); });
}

// A number typed into a field becomes an edit when its editing ends, on
// Return or when the field loses the focus. A command that reads or changes
// the document ends it first, whatever has the focus, and closes the undo
// step it made so that it already counts as an unsaved change.
void DocumentWindow::commitEditing() {
    for (QLineEdit* field : fields())
        if (field->isModified())
            emit field->editingFinished();
    undoManager().closeEventGroup();
}

void DocumentWindow::exportImage() {
    commitEditing();
    ExportImageDialog::exportImage(this, *document_, *windowController_->strainView(),
                                   documents_.filePanels());
}

void DocumentWindow::copyImage() {
    commitEditing();
    const QImage image = windowController_->strainView()->grabFramebuffer();
    if (!image.isNull())
        QGuiApplication::clipboard()->setImage(image);
}

bool DocumentWindow::confirmClose() {
    commitEditing();
    if (!document_->isDocumentEdited())
        return true;
    QMessageBox box(QMessageBox::Warning, QString(),
                    tr("Do you want to save the changes you made to “%1”?")
                        .arg(nameInMessage(QString::fromStdString(document_->displayName()), this)),
                    QMessageBox::NoButton, this);
    box.setInformativeText(tr("Your changes will be lost if you don't save them."));
    QPushButton* saveButton = box.addButton(tr("Save"), QMessageBox::AcceptRole);
    QPushButton* dontSave = box.addButton(tr("Don't Save"), QMessageBox::DestructiveRole);
    box.setEscapeButton(box.addButton(QMessageBox::Cancel));
    box.setDefaultButton(saveButton);
    box.setWindowModality(Qt::WindowModal);
    box.exec();
    if (box.clickedButton() == saveButton)
        return save();
    return box.clickedButton() == dontSave;
}

void DocumentWindow::closeEvent(QCloseEvent* event) {
    // A second close while the question is open (Quit from another window)
    // waits for the answer to the first.
    if (askingToClose_) {
        event->ignore();
        return;
    }
    askingToClose_ = true;
    const bool mayClose = confirmClose();
    askingToClose_ = false;
    if (!mayClose) {
        event->ignore();
        return;
    }
    windowController_->strainView()->stopTimer();
    QSettings settings;
    settings.setValue(QLatin1String(kGeometryKey), saveGeometry());
    settings.setValue(QLatin1String(kDockStateKey), saveState());
    event->accept();
    documents_.windowDidClose(this);
}
