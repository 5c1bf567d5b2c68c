// The paths of flows on the Flinn plot: each the shape of the ellipsoid as
// drawn while the document's flow acts from the animation slider's lowest
// time to its highest, all at once, so that flows can be compared. Each path
// keeps its colour and its legend entry until the paths are cleared.
#pragma once

#include <QList>

class QAbstractAxis;
class QChart;
class QLineSeries;
class StrainData;

class FlowPaths {
  public:
    FlowPaths(const StrainData& model, QChart* chart, QAbstractAxis* across, QAbstractAxis* up);

    // Adds the path of the document's present flow; nothing without a flow.
    void draw();
    void clear();

  private:
    const StrainData& model_;
    QChart* chart_;
    QAbstractAxis* across_;
    QAbstractAxis* up_;
    QList<QLineSeries*> paths_;
};
