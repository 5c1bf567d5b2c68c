// Lines and planes as geologists give them: x east, y north, z up; trend and
// dip direction clockwise from north, plunge and dip downward.
#pragma once

#include "model/StrainAnalysis.h"

// A line through the origin by its lower-hemisphere end. Within
// kAnalysisTolerance of the horizontal, by the end whose trend is below 180°;
// within it of the vertical, straight down with trend 0.
AxisOrientation lineOrientation(const AnalysisVector& direction);

// The plane normal to a line. A horizontal plane dips 0° towards 0°; a
// vertical one dips towards the side whose direction is below 180°.
PlaneOrientation planeOrientation(const AxisOrientation& pole);
