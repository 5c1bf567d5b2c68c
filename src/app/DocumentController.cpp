#include "app/DocumentController.h"

#include "app/Alerts.h"
#include "app/DocumentWindow.h"
#include "document/MyDocument.h"
#include "platform/UndoManager.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QScreen>
#include <QSettings>

#include <algorithm>
#include <filesystem>

namespace {
// New windows step down and to the right of the last one, so none hides
// another completely.
constexpr int kCascadeStep = 24;
} // namespace

DocumentController::DocumentController() {
    filePanels_.chooseFilesToOpen = [this](QWidget* parent) {
        // Start where the user last worked.
        const QStringList recent = recentFiles();
        const QString folder = recent.isEmpty() ? QString() : QFileInfo(recent.first()).path();
        return QFileDialog::getOpenFileNames(parent, tr("Open"), folder, documentFilter());
    };
    filePanels_.chooseSavePath = [](QWidget* parent, const QString& caption,
                                    const QString& proposed, const QString& filter,
                                    const QString& suffix) {
        QFileDialog dialog(parent, caption, proposed, filter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(suffix);
        dialog.setWindowModality(Qt::WindowModal);
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    };

    // Everything that one user event changes is one undo step: the step ends
    // when the event loop is about to wait for the next event.
    connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
            [this] {
                for (DocumentWindow* window : windows_)
                    window->undoManager().closeEventGroup();
            });
}

DocumentController::~DocumentController() {
    for (DocumentWindow* window : std::exchange(windows_, {}))
        delete window;
}

QString DocumentCommands::documentFilter() {
    return DocumentController::tr("Quorvel documents (*.%1)").arg(documentExtension());
}

QString DocumentCommands::documentExtension() {
    return QString::fromUtf8(MyDocument::kFileExtension.data(),
                             qsizetype(MyDocument::kFileExtension.size()));
}

bool DocumentController::openAtStart(const QStringList& paths) {
    if (paths.isEmpty())
        return newDocument() != nullptr;
    bool opened = false;
    for (const QString& path : paths)
        opened = openFile(path, nullptr) != nullptr || opened;
    return opened;
}

DocumentWindow* DocumentController::newDocument() {
    return showWindow(std::make_unique<MyDocument>());
}

void DocumentController::openDocument(QWidget* parent) {
    openFiles(filePanels_.chooseFilesToOpen(parent), parent);
}

void DocumentController::openFiles(const QStringList& paths, QWidget* parent) {
    auto* replaced = qobject_cast<DocumentWindow*>(parent);
    if (replaced && !replaced->isUntouched())
        replaced = nullptr;
    for (const QString& path : paths) {
        DocumentWindow* opened = openFile(path, parent);
        if (replaced && opened && opened != replaced) {
            opened->setGeometry(replaced->geometry());
            replaced->close();
            parent = opened;
            replaced = nullptr;
        }
    }
}

DocumentWindow* DocumentController::openFile(const QString& path, QWidget* parent) {
    const QFileInfo file(path);
    for (DocumentWindow* window : windows_) {
        // The same file by any name: a link, a hard link, another spelling.
        // Files that are gone are the same as none.
        std::error_code gone;
        const std::string& open = window->document().fileName();
        if (!open.empty() &&
            std::filesystem::equivalent(open, QFile::encodeName(path).toStdString(), gone)) {
            window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
            window->raise();
            window->activateWindow();
            return window;
        }
    }

    auto document = std::make_unique<MyDocument>();
    std::string error;
    const QString absolute = file.absoluteFilePath();
    if (!document->readFromFile(QFile::encodeName(absolute).toStdString(), error)) {
        showCritical(parent, tr("The document “%1” could not be opened.")
                                 .arg(nameInMessage(file.fileName(), parent)),
                     QString::fromStdString(error));
        return nullptr;
    }
    noteRecentFile(absolute);
    return showWindow(std::move(document));
}

void DocumentController::openRecentFile(const QString& path, QWidget* parent) {
    if (!openFile(path, parent) && !QFileInfo::exists(path)) {
        QStringList files = recentFiles();
        files.removeAll(path);
        setRecentFiles(files);
    }
}

DocumentWindow* DocumentController::showWindow(std::unique_ptr<MyDocument> document) {
    auto* window = new DocumentWindow(std::move(document), *this);
    if (!windows_.empty()) {
        // Back to the screen's top left corner before the next would leave it.
        const DocumentWindow* last = windows_.back();
        const QRect available = last->screen()->availableGeometry();
        const QSize frame = last->frameGeometry().size() - last->size();
        QRect next(last->pos() + QPoint(kCascadeStep, kCascadeStep), window->size() + frame);
        window->move(available.contains(next) ? next.topLeft() : available.topLeft());
    }
    windows_.push_back(window);
    window->show();
    return window;
}

void DocumentController::windowDidClose(DocumentWindow* window) {
    std::erase(windows_, window);
    window->deleteLater();
}

bool DocumentController::quit() {
    // Closing takes a window off the list, so walk a copy.
    for (DocumentWindow* window : std::vector(windows_)) {
        if (!window->close())
            return false;
    }
    QCoreApplication::quit();
    return true;
}

QStringList DocumentController::recentFiles() const {
    // A settings file may hold any number of them, written by hand or by
    // another program; the menu shows the newest few.
    return QSettings().value(kRecentFilesKey).toStringList().mid(0, kMaxRecentFiles);
}

void DocumentController::noteRecentFile(const QString& path) {
    QStringList files = recentFiles();
    files.removeAll(path);
    files.prepend(path);
    setRecentFiles(files);
}

void DocumentController::clearRecentFiles() {
    setRecentFiles({});
}

void DocumentController::setRecentFiles(const QStringList& files) {
    QSettings().setValue(kRecentFilesKey, files.mid(0, kMaxRecentFiles));
}
