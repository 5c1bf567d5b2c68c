#include "app/OrientationDocks.h"

#include "app/PlotExport.h"
#include "controller/MaterialLinesPanel.h"
#include "controller/MyWindowController.h"
#include "controller/SectionPanel.h"
#include "controller/StereonetView.h"

#include <QDockWidget>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

OrientationDocks::OrientationDocks(QMainWindow& window, StrainData& model,
                                   MyWindowController& controller, QDockWidget* analysisDock,
                                   DocumentCommands::FilePanels& panels)
    : window_(window), panels_(panels), analysisDock_(analysisDock) {
    QWidget* analysis = analysisDock->widget();
    flinnPlot_ = analysis->findChild<QWidget*>(QStringLiteral("flinnPlot"));

    stereonet_ = new StereonetView(model, controller.animationSlider());
    stereonetDock_ = new QDockWidget(tr("Stereonet"), &window);
    stereonetDock_->setObjectName(QStringLiteral("stereonetDock"));
    stereonetDock_->setWidget(stereonet_);
    // The Flinn plot's Clear forgets the axes' path too.
    QObject::connect(analysis->findChild<QPushButton*>(QStringLiteral("clearPathButton")),
                     &QPushButton::clicked, stereonet_, &StereonetView::clearPath);

    auto* lines = new QWidget;
    auto* layout = new QVBoxLayout(lines);
    layout->addWidget(new MaterialLinesPanel(model, lines));
    layout->addWidget(new SectionPanel(model, lines));
    layout->addStretch();
    controller.bindControls(lines);
    auto* scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("linesScrollArea"));
    scroll->setWidget(lines);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    linesDock_ = new QDockWidget(tr("Lines and Sections"), &window);
    linesDock_->setObjectName(QStringLiteral("linesDock"));
    linesDock_->setWidget(scroll);

    PlotExport::addExportMenu(*flinnPlot_, [this] { exportFlinnPlot(); });
    PlotExport::addExportMenu(*stereonet_, [this] { exportStereonet(); });
}

void OrientationDocks::arrange(QDockWidget* inspectorDock, bool roomy) {
    for (QDockWidget* dock : {inspectorDock, analysisDock_, stereonetDock_, linesDock_})
        window_.addDockWidget(Qt::RightDockWidgetArea, dock);
    if (roomy) {
        window_.splitDockWidget(inspectorDock, analysisDock_, Qt::Horizontal);
        window_.splitDockWidget(analysisDock_, stereonetDock_, Qt::Vertical);
        window_.tabifyDockWidget(inspectorDock, linesDock_);
        // Wide enough for the table's numbers, the plot above the net.
        window_.resizeDocks({analysisDock_}, {kRoomyAnalysisWidth}, Qt::Horizontal);
        window_.resizeDocks({analysisDock_, stereonetDock_}, {3, 2}, Qt::Vertical);
    } else {
        for (QDockWidget* dock : {analysisDock_, stereonetDock_, linesDock_})
            window_.tabifyDockWidget(inspectorDock, dock);
    }
    inspectorDock->raise();
}

void OrientationDocks::addExportItems(QMenu& file) {
    QObject::connect(file.addAction(tr("Export Flinn Plot…")), &QAction::triggered,
                     &window_, [this] { exportFlinnPlot(); });
    QObject::connect(file.addAction(tr("Export Stereonet…")), &QAction::triggered,
                     &window_, [this] { exportStereonet(); });
}

void OrientationDocks::addDockToggles(QMenu& view) {
    view.addAction(stereonetDock_->toggleViewAction());
    view.addAction(linesDock_->toggleViewAction());
}

void OrientationDocks::exportPlot(QDockWidget* dock, QWidget* plot, const QString& title,
                                  const QString& fileName) {
    dock->show();
    dock->raise();
    QCoreApplication::sendPostedEvents(); // the layout's requests
    PlotExport::exportPlot(&window_, *plot, title, fileName, panels_);
}

void OrientationDocks::exportFlinnPlot() {
    exportPlot(analysisDock_, flinnPlot_, tr("Flinn plot"), QStringLiteral("flinn-plot"));
}

void OrientationDocks::exportStereonet() {
    exportPlot(stereonetDock_, stereonet_, tr("Stereonet"), QStringLiteral("stereonet"));
}
