// The finite-strain quantities of the ellipsoid as drawn: the unit sphere
// mapped by the saved strain, the translation and the present strain.
//
// With S and V the 3x3 blocks of the strain and the saved strain as stored,
// the deformation gradient is F = S·V and the centre S·(v + t), v being the
// saved strain's fourth column and t the translation. B = F·Fᵀ.
//
// Orientations: x east, y north, z up. An axis is given by its lower-hemisphere
// end (z <= 0; of a horizontal axis, the end whose trend is below 180°), its
// trend clockwise from north (0 to 360°) and its plunge downward (0 to 90°).
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

class StrainData;

using AnalysisVector = std::array<double, 3>;
// Row-major: gradient[row][column].
using AnalysisMatrix = std::array<AnalysisVector, 3>;

struct AxisOrientation {
    AnalysisVector direction{}; // unit, the lower-hemisphere end
    double trend = 0;
    double plunge = 0;
};

// A number that may have no value; then reason says why ("no distortion:
// S1 = S3", "infinite: S2 = S3", ...).
struct AnalysisValue {
    std::optional<double> value;
    std::string reason;
};

struct StrainAnalysis {
    AnalysisMatrix gradient{};
    AnalysisVector centre{};
    std::array<double, 3> stretches{};            // S1 >= S2 >= S3 >= 0
    std::array<AnalysisValue, 3> naturalStrains;  // ln Si
    std::array<AxisOrientation, 3> axes;          // eigenvectors of B, after deformation
    std::array<AxisOrientation, 3> materialAxes;  // eigenvectors of Fᵀ·F, before it
    double volumeRatio = 1;                       // J = det F
    AnalysisValue flinnK, flinnD, ramsayK, lode, octahedralShear;
    // Of the polar decomposition F = V·R: the angle 0..180° turned
    // anticlockwise about the axis (right-hand rule).
    AnalysisValue rotationAngle;
    std::optional<AnalysisVector> rotationAxis;
    std::string rotationReason; // why there is no rotation axis
    // What kind of state this is, in words: "Inverted: ...", "Singular: ...",
    // or empty for an ordinary one.
    std::string state;
};

// The orientation of the line along v (not zero), by the rules above.
AxisOrientation lineOrientation(const AnalysisVector& v);

StrainAnalysis analyzeGradient(const AnalysisMatrix& gradient, const AnalysisVector& centre = {});
StrainAnalysis analyzeStrain(const StrainData& model);

// The analysis as labelled rows of numbers: one list for the panel, the
// clipboard and the command line. key names the row in JSON.
struct AnalysisRow {
    const char* key;
    const char* label;
    std::vector<std::optional<double>> values;
    std::string reason; // why some value is missing
};
std::vector<AnalysisRow> analysisRows(const StrainAnalysis& analysis);
