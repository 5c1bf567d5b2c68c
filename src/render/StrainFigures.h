// Figures drawn with the ellipsoid: its surface coloured by the stretch of the
// material line that ends at each point, and the strain ellipse of a plane
// through its centre. Called by the scene renderer with its state in place.
#pragma once

#include "model/StrainSection.h"

#include <array>

// The fields of the coloured surface, as the legend beside it shows them:
// each runs from the unchanged colour at S = 1 to its own at the surface's
// longest (or shortest) line.
enum class StretchField { Lengthened, Unchanged, Shortened };
inline constexpr std::array<std::array<float, 3>, 3> kStretchFieldColours = {{
    {0.85f, 0.20f, 0.10f}, // lengthened: S > 1
    {0.95f, 0.95f, 0.95f}, // unchanged
    {0.15f, 0.35f, 0.95f}, // shortened: S < 1
}};
// The lines of no finite elongation, S = 1, drawn over the surface.
inline constexpr std::array<float, 3> kUnstretchedLineColour = {0.0f, 0.0f, 0.0f};
StretchField stretchField(double stretch);

// The unit sphere, in its own frame (the current model-view carries it to
// the scene), coloured by |F·u| at each unit direction u, with alpha, and
// the S = 1 lines over it. The same slices and stacks as the plain sphere.
void drawStretchSurface(const AnalysisMatrix& gradient, float alpha, int quality);

// The section's ellipse about centre in the scene's frame, filled
// translucently and outlined, over whatever is drawn; nothing when the
// section has no ellipse.
void drawSection(const StrainSection& section, const AnalysisVector& centre, float lineWidth);
