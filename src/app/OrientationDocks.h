// The docks that show orientations beside the Analysis panel: the stereonet,
// and the material lines with the sections, placed with the inspector's and
// the analysis's docks by arrange. The Flinn plot and the stereonet are
// exported from the File menu and from their context menus.
#pragma once

#include "app/DocumentCommands.h"

#include <QCoreApplication>

class QDockWidget;
class QMainWindow;
class QMenu;
class MyWindowController;
class StereonetView;
class StrainData;

class OrientationDocks {
    Q_DECLARE_TR_FUNCTIONS(OrientationDocks)

public:
    // analysisDock holds the Analysis panel with its Flinn plot and the
    // button that clears the slider's path; controller binds the docks'
    // controls to the document.
    OrientationDocks(QMainWindow& window, StrainData& model, MyWindowController& controller,
                     QDockWidget* analysisDock, DocumentCommands::FilePanels& panels);

    // Where the window is narrow, every dock shares one column as a tab, so
    // that the view keeps most of a laptop's screen. Where it is roomy, the
    // Analysis panel and the net stand beside the inspector, one above the
    // other, in view while the inspector's slider sweeps.
    void arrange(QDockWidget* inspectorDock, bool roomy);
    // The roomy Analysis panel's width: the table's numbers whole.
    static constexpr int kRoomyAnalysisWidth = 440;

    void addExportItems(QMenu& file);
    void addDockToggles(QMenu& view);

private:
    // Brings the plot's dock to the front, so that the plot is laid out as
    // the user sees it, and exports it.
    void exportPlot(QDockWidget* dock, QWidget* plot, const QString& title, const QString& fileName);
    void exportFlinnPlot();
    void exportStereonet();

    QMainWindow& window_;
    DocumentCommands::FilePanels& panels_;
    QDockWidget* analysisDock_;
    QWidget* flinnPlot_;
    StereonetView* stereonet_;
    QDockWidget* stereonetDock_;
    QDockWidget* linesDock_;
};
