// What the deformation does to the material lines through the ellipsoid's
// centre: those of the three material points, and each pair of them.
//
// The points live in the frame after the saved strain; a point p there is the
// line along V⁻¹·(p − v) of the undeformed sphere (V and v the saved strain's
// block and fourth column), and F = S·V carries that line to its present
// direction, as the strain analysis has it.
#pragma once

#include "model/StrainAnalysis.h"

class StrainData;

struct MaterialLine {
    // The line's unit direction before and after; none when it has none.
    std::optional<AnalysisVector> before, after;
    // Stretch S = |F·d| for a unit d, elongation e = S − 1, quadratic
    // elongation λ = S², and the angle in degrees (0 to 180) between the
    // line's first and present directions.
    AnalysisValue stretch, elongation, quadraticElongation, turned;
};

struct LinePair {
    AnalysisValue angleBefore, angleAfter; // degrees, 0 to 180
    // γ = tan ψ, ψ = 90° − the angle after, for a pair that began
    // perpendicular: positive when the right angle closed.
    AnalysisValue shearStrain;
};

struct MaterialLineFigures {
    std::array<MaterialLine, 3> lines;
    // Lines 1 and 2, 1 and 3, 2 and 3.
    std::array<LinePair, 3> pairs;
};
inline constexpr int kLinePairs[3][2] = {{0, 1}, {0, 2}, {1, 2}};

// before: each line's direction in the undeformed sphere, any length; a zero
// one is no line.
MaterialLineFigures materialLineFigures(const AnalysisMatrix& gradient,
                                        const std::array<AnalysisVector, 3>& before);
MaterialLineFigures materialLineFigures(const StrainData& model);

// The stretch of the material line that ends on the surface where the unit
// direction u of the undeformed sphere goes: |F·u|.
double lineStretch(const AnalysisMatrix& gradient, const AnalysisVector& u);
