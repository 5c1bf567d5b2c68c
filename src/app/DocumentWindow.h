// One document's window: it owns the document and its window controller,
// carries the File and Edit menus, keeps its title and menu items in step
// with the document's edited state, and saves, reverts and closes the
// document with the user's consent.
#pragma once

#include <QMainWindow>
#include <QStringList>

#include <memory>

class AnalysisPanel;
class DocumentCommands;
class MyDocument;
class MyWindowController;
class OrientationDocks;
class QAction;
class QDockWidget;
class QDragEnterEvent;
class QDropEvent;
class QLineEdit;
class QMimeData;
class QScrollArea;
class QMenu;
class UndoManager;

class DocumentWindow : public QMainWindow {
    Q_OBJECT
public:
    // Where the last closed window's size and place are kept in the settings.
    static constexpr char kGeometryKey[] = "documentWindow/geometry";
    // And where its docks were.
    static constexpr char kDockStateKey[] = "documentWindow/docks";

    // Takes the document, already read from its file or new.
    DocumentWindow(std::unique_ptr<MyDocument> document, DocumentCommands& documents);
    ~DocumentWindow() override;

    MyDocument& document() const { return *document_; }
    MyWindowController& windowController() const { return *windowController_; }
    UndoManager& undoManager() const;

    // Save asks for a name when the document has no file yet. Each returns
    // false when the user cancelled or the file could not be written; the
    // user has then been told why and the document is as it was.
    bool save();
    bool saveAs();
    // Asks, then reads the file again.
    void revertToSaved();
    // Asks for a size, a background and a file, and saves the view's scene
    // there, drawn offscreen, in the format that the file's suffix names.
    void exportImage();
    // Puts what the view shows on the clipboard.
    void copyImage();

    QAction* saveAction() const { return saveAction_; }
    QAction* revertAction() const { return revertAction_; }
    QAction* undoAction() const { return undoAction_; }
    QAction* redoAction() const { return redoAction_; }

    // A new document that nobody has touched: Open replaces its window.
    bool isUntouched() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildMenus();
    void fillRecentMenu();
    void documentChanged();
    // The document's fields, the inspector's and the section's; whether one
    // holds a number typed but not yet applied; and applying every such number.
    QList<QLineEdit*> fields() const;
    bool hasTypedText() const;
    void commitEditing();
    // The document files among dropped data; none unless all of it is.
    static QStringList droppedDocuments(const QMimeData* data);
    bool writeTo(const QString& path);
    // Save / Don't Save / Cancel for an edited document; true when the
    // window may close.
    bool confirmClose();

    DocumentCommands& documents_;
    std::unique_ptr<MyDocument> document_;
    std::unique_ptr<MyWindowController> windowController_;
    QScrollArea* inspector_ = nullptr;
    QDockWidget* inspectorDock_ = nullptr;
    AnalysisPanel* analysisPanel_ = nullptr;
    QDockWidget* analysisDock_ = nullptr;
    std::unique_ptr<OrientationDocks> orientationDocks_;
    QMenu* recentMenu_ = nullptr;
    QAction* saveAction_ = nullptr;
    QAction* revertAction_ = nullptr;
    QAction* undoAction_ = nullptr;
    QAction* redoAction_ = nullptr;
    bool askingToClose_ = false;
};
