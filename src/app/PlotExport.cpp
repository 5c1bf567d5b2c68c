#include "app/PlotExport.h"

#include "app/Alerts.h"
#include "app/FileWriting.h"
#include "app/RenderCommand.h"

#include <QAction>
#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QStandardPaths>
#include <QSvgGenerator>
#include <QWidget>

namespace PlotExport {

bool writePlot(QWidget& plot, const QString& title, const QString& path, QString& error) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("png"))
        return writeImage(path, plot.grab().toImage(), "png", error);
    if (suffix != QLatin1String("svg")) {
        error = QCoreApplication::translate("PlotExport", "Use a name that ends in .svg or .png.");
        return false;
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(plot.size());
    svg.setViewBox(QRect(QPoint(), plot.size()));
    svg.setTitle(title);
    QPainter painter;
    if (!painter.begin(&svg)) {
        error = QCoreApplication::translate("PlotExport", "The drawing could not be made.");
        return false;
    }
    plot.render(&painter);
    painter.end();
    return writeFile(path, bytes, error);
}

void exportPlot(QWidget* window, QWidget& plot, const QString& title, const QString& fileName,
                DocumentCommands::FilePanels& panels) {
    const QString proposed =
        QDir(QStandardPaths::writableLocation(QStandardPaths::PicturesLocation))
            .filePath(fileName + QStringLiteral(".svg"));
    const QString path = panels.chooseSavePath(
        window, QCoreApplication::translate("PlotExport", "Export %1").arg(title),
        proposed,
        QCoreApplication::translate("PlotExport", "SVG drawings (*.svg);;PNG pictures (*.png)"),
        QStringLiteral("svg"));
    if (path.isEmpty())
        return;
    QString reason;
    if (!writePlot(plot, title, path, reason))
        showCritical(window,
                     QCoreApplication::translate("PlotExport", "The plot “%1” could not be saved.")
                         .arg(nameInMessage(QFileInfo(path).fileName(), window)),
                     reason);
}

void addExportMenu(QWidget& plot, std::function<void()> exportIt) {
    auto* action = new QAction(QCoreApplication::translate("PlotExport", "Export…"), &plot);
    QObject::connect(action, &QAction::triggered, &plot, std::move(exportIt));
    plot.addAction(action);
    plot.setContextMenuPolicy(Qt::ActionsContextMenu);
}

} // namespace PlotExport
