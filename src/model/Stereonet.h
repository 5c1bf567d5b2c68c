// The equal-area (Schmidt) net, lower hemisphere: where a line or a plane
// falls on a net of radius 1, north up and east to the right, and what of the
// strain the net shows. Orientations as in StrainAnalysis.h.
#pragma once

#include "model/StrainAnalysis.h"

#include <optional>
#include <string>
#include <vector>

struct NetPoint {
    double x = 0; // east
    double y = 0; // north
};

// Distance from the net's centre of a line plunging this far, in net radii:
// √2·sin((90° − plunge)/2), so that equal areas of the hemisphere cover
// equal areas of the net.
double netRadius(double plunge);
NetPoint netPosition(double trend, double plunge);

// The unit vector of a line given by trend and plunge.
AnalysisVector lineDirection(double trend, double plunge);
// The lower-hemisphere pole of a plane.
AxisOrientation poleOf(const PlaneOrientation& plane);
// The plane's trace on the net: its lower half, from one end of its strike
// line through the dip direction to the other, in segments steps.
std::vector<NetPoint> greatCircle(const PlaneOrientation& plane, int segments = 90);

// The places a line took on the net, thinned so that a sweep of any length
// costs bounded memory and drawing: a place closer than step (in net radii,
// about a pixel of a large net) to the last one kept is dropped, and a path
// that reaches capacity drops every other place.
class NetPath {
public:
    static constexpr double kStep = 0.004;
    static constexpr std::size_t kCapacity = 2048;
    void add(NetPoint p);
    void clear() { points_.clear(); }
    const std::vector<NetPoint>& points() const { return points_; }

private:
    std::vector<NetPoint> points_;
};

// The principal axes X, Y, Z (S1, S2, S3) that are unique and the XY plane
// (the foliation) when it is. An axis whose stretch equals another's is any
// line of a plane or any line at all; note says which.
struct StereonetContent {
    std::array<std::optional<AxisOrientation>, 3> axes;
    std::optional<PlaneOrientation> foliation;
    std::string note;
};
StereonetContent stereonetContent(const StrainAnalysis& analysis);

// The principal planes: 0 XY, 1 YZ, 2 XZ, each normal to the axis that it
// leaves out; none when that axis is not unique.
std::optional<PlaneOrientation> principalPlane(const StereonetContent& content, int plane);
