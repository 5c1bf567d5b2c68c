// The application's documents: it makes new ones, opens files (each in its
// own window, an open file's window only raised), keeps the Open Recent list,
// closes every window on Quit, and ends each event's undo step when the event
// loop is about to wait.
#pragma once

#include "app/DocumentCommands.h"

#include <QObject>
#include <QStringList>

#include <memory>
#include <vector>

class DocumentWindow;
class MyDocument;
class QWidget;

class DocumentController : public QObject, public DocumentCommands {
    Q_OBJECT
public:
    static constexpr int kMaxRecentFiles = 10;
    // Where the Open Recent list is kept in the settings.
    static constexpr char kRecentFilesKey[] = "RecentFiles";

    DocumentController();
    // Closes the windows that are still open without asking.
    ~DocumentController() override;

    FilePanels& filePanels() override { return filePanels_; }
    const std::vector<DocumentWindow*>& windows() const { return windows_; }

    // Opens the files named at start, or a new document when there are
    // none. False when files were named and none of them opened.
    bool openAtStart(const QStringList& paths);

    DocumentWindow* newDocument() override;
    // File > Open…: opens each chosen file.
    void openDocument(QWidget* parent) override;
    // An untouched new document's window gives its place to the first file.
    void openFiles(const QStringList& paths, QWidget* parent) override;
    // Opens path in a new window, or raises the window that shows it already.
    // A file that cannot be read opens nothing: the user is told which file
    // and why (over parent, when given), and the result is null.
    DocumentWindow* openFile(const QString& path, QWidget* parent);
    // Open Recent: as openFile; a file that no longer exists leaves the list.
    void openRecentFile(const QString& path, QWidget* parent) override;

    // Newest first, at most kMaxRecentFiles.
    QStringList recentFiles() const override;
    void noteRecentFile(const QString& path) override;
    void clearRecentFiles() override;

    // Closes every window, asking about unsaved changes; stops at the first
    // Cancel and returns false, leaving that window and the rest open.
    bool quit() override;

    // Called by a window whose close the user has allowed.
    void windowDidClose(DocumentWindow* window) override;

private:
    DocumentWindow* showWindow(std::unique_ptr<MyDocument> document);
    void setRecentFiles(const QStringList& files);

    FilePanels filePanels_;
    std::vector<DocumentWindow*> windows_;
};
