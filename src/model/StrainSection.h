// The strain ellipse in a plane through the ellipsoid's centre: the
// ellipsoid's section by that plane, as a geologist measures it on an
// outcrop's face.
#pragma once

#include "model/Stereonet.h"

class StrainData;

struct StrainSection {
    PlaneOrientation plane;
    // Long over short semi-axis.
    AnalysisValue axialRatio;
    // The long axis's orientation and its rake: the angle in the plane from
    // the strike (the dip direction less 90°) toward the dip, 0 to 180°.
    std::optional<AxisOrientation> longAxis;
    AnalysisValue rake;
    // The ellipse's semi-axes as vectors, long first, for drawing; zero when
    // there is no ellipse.
    std::array<AnalysisVector, 2> semiAxes{};
};

StrainSection strainSection(const StrainAnalysis& analysis, const PlaneOrientation& plane);
// The section that the document names, of the ellipsoid it draws: its plane
// given by dip direction and dip, or a principal plane, which must be unique.
StrainSection strainSection(const StrainData& model);
