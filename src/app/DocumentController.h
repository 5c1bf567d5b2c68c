// The application's documents: it makes new ones, opens files (each in its
// own window, an open file's window only raised), keeps the Open Recent list,
// closes every window on Quit, and ends each event's undo step when the event
// loop is about to wait.
#pragma once

#include <QObject>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

class DocumentWindow;
class MyDocument;
class QWidget;

class DocumentController : public QObject {
    Q_OBJECT
public:
    // The file panels. Each returns what the user chose, nothing when
    // cancelled; tests put answers of their own in their place.
    struct FilePanels {
        std::function<QStringList(QWidget* parent)> chooseFilesToOpen;
        // proposed is the path to start from, filter the name filter and
        // suffix the one added to a name typed without one.
        std::function<QString(QWidget* parent, const QString& caption, const QString& proposed,
                              const QString& filter, const QString& suffix)>
            chooseSavePath;
    };

    static constexpr int kMaxRecentFiles = 10;
    // The file panels' filter for documents.
    static QString documentFilter();

    DocumentController();
    // Closes the windows that are still open without asking.
    ~DocumentController() override;

    FilePanels& filePanels() { return filePanels_; }
    const std::vector<DocumentWindow*>& windows() const { return windows_; }

    // Opens the files named at start, or a new document when there are
    // none. False when files were named and none of them opened.
    bool openAtStart(const QStringList& paths);

    DocumentWindow* newDocument();
    // File > Open…: opens each chosen file.
    void openDocument(QWidget* parent);
    // Opens path in a new window, or raises the window that shows it already.
    // A file that cannot be read opens nothing: the user is told which file
    // and why (over parent, when given), and the result is null.
    DocumentWindow* openFile(const QString& path, QWidget* parent);
    // Open Recent: as openFile; a file that no longer exists leaves the list.
    void openRecentFile(const QString& path, QWidget* parent);

    // Newest first, at most kMaxRecentFiles.
    QStringList recentFiles() const;
    void noteRecentFile(const QString& path);
    void clearRecentFiles();

    // Closes every window, asking about unsaved changes; stops at the first
    // Cancel and returns false, leaving that window and the rest open.
    bool quit();

    // Called by a window whose close the user has allowed.
    void windowDidClose(DocumentWindow* window);

private:
    DocumentWindow* showWindow(std::unique_ptr<MyDocument> document);
    void setRecentFiles(const QStringList& files);

    FilePanels filePanels_;
    std::vector<DocumentWindow*> windows_;
};
