// What a document window asks of the application's documents: its File
// menu's commands that reach beyond the window, the Open Recent list, the
// file panels, and word of its close. The application's document controller
// answers; the window knows no more of it.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class DocumentWindow;
class QWidget;

class DocumentCommands {
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

    // The file panels' filter for documents, and the documents' file extension.
    static QString documentFilter();
    static QString documentExtension();

    virtual FilePanels& filePanels() = 0;
    // File > New and File > Open…
    virtual DocumentWindow* newDocument() = 0;
    virtual void openDocument(QWidget* parent) = 0;
    // Opens files chosen or dropped over parent's window, each in a window
    // of its own; a file that cannot be read is said, the others open.
    virtual void openFiles(const QStringList& paths, QWidget* parent) = 0;
    // Newest first; opening one of them, and clearing them.
    virtual QStringList recentFiles() const = 0;
    virtual void openRecentFile(const QString& path, QWidget* parent) = 0;
    virtual void noteRecentFile(const QString& path) = 0;
    virtual void clearRecentFiles() = 0;
    // Closes every window, asking about unsaved changes; false on a Cancel.
    virtual bool quit() = 0;
    // Called by a window whose close the user has allowed.
    virtual void windowDidClose(DocumentWindow* window) = 0;

protected:
    ~DocumentCommands() = default;
};
