// The paths of flows on the shape plot: each the shape of the ellipsoid as
// drawn while the document's flow acts from the animation slider's lowest
// time to its highest, all at once, so that flows can be compared. Each path
// keeps its colour and its legend entry until the paths are cleared.
#pragma once

class StrainData;
class StrainPlot;

class FlowPaths {
  public:
    FlowPaths(const StrainData& model, StrainPlot& plot);

    // Adds the path of the document's present flow; nothing without a flow.
    void draw();
    void clear();

  private:
    const StrainData& model_;
    StrainPlot& plot_;
    int drawn_ = 0;
};
