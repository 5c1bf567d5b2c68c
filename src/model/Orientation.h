// Planes as geologists give them: x east, y north, z up; dip direction
// clockwise from north, dip downward. Lines are axisOrientation's, in
// model/StrainAnalysis.h.
#pragma once

#include "model/StrainAnalysis.h"

// The plane normal to a line. A horizontal plane dips 0° towards 0°; a
// vertical one dips towards the side whose direction is below 180°.
PlaneOrientation planeOrientation(const AxisOrientation& pole);
