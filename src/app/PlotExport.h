// Saving a plot beside the view (the Flinn plot, the stereonet) as a
// drawing (SVG) or a picture (PNG), from the File menu and from the plot's
// own context menu.
#pragma once

#include "app/DocumentCommands.h"

#include <QString>

#include <functional>

class QWidget;

namespace PlotExport {

// Writes what plot shows to path: an SVG drawing titled title for a name
// ending in .svg, a PNG picture at the screen's pixel density for one ending
// in .png. False, with the reason in error, when that fails or the suffix
// names neither.
bool writePlot(QWidget& plot, const QString& title, const QString& path, QString& error);

// Asks for a file, proposing fileName in the pictures folder, and writes plot
// there; says why over window when it cannot.
void exportPlot(QWidget* window, QWidget& plot, const QString& title, const QString& fileName,
                DocumentCommands::FilePanels& panels);

// Gives plot a context menu whose Export… item calls exportIt.
void addExportMenu(QWidget& plot, std::function<void()> exportIt);

} // namespace PlotExport
