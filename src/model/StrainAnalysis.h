// The finite-strain quantities of the ellipsoid as drawn: the unit sphere
// mapped by the saved strain, the translation and the present strain.
//
// With S and V the 3x3 blocks of the strain and the saved strain as stored,
// the deformation gradient is F = S·V and the centre S·(v + t), v being the
// saved strain's fourth column and t the translation. B = F·Fᵀ.
//
// Orientations: x east, y north, z up. An axis is given by its lower-hemisphere
// end (z <= 0; of a horizontal axis, the end whose trend is below 180°), its
// trend clockwise from north (0 to 360°) and its plunge downward (0 to 90°);
// a plane by its dip direction and dip (model/Orientation.h).
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

class StrainData;

using AnalysisVector = std::array<double, 3>;
// Row-major: gradient[row][column].
using AnalysisMatrix = std::array<AnalysisVector, 3>;

// The entries are single-precision numbers, written to files with six
// decimals: stretches whose ratio is closer to 1 than this are taken as
// equal, and a direction whose vertical (or horizontal) part is smaller than
// this as horizontal (or vertical).
inline constexpr double kAnalysisTolerance = 1e-5;

struct AxisOrientation {
    AnalysisVector direction{}; // unit, the lower-hemisphere end
    double trend = 0;
    double plunge = 0;
    // Why the axis is not defined ("any line ⊥ X: S2 = S3"); empty when it is.
    std::string reason{};
};

struct PlaneOrientation {
    double dipDirection = 0; // clockwise from north, 0 to 360°
    double dip = 0;          // 0 to 90°
    std::string reason{};    // why the plane is not defined
};

// A number that may have no value; then reason says why ("no distortion:
// S1 = S3", "infinite: S2 = S3", ...).
struct AnalysisValue {
    std::optional<double> value;
    std::string reason;
};

// A word that may be missing, as a number may.
struct AnalysisText {
    std::string value;
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
    std::array<double, 3> quadraticElongations{}; // λi = Si²
    AnalysisValue ratioXY, ratioYZ, ratioXZ;      // Rxy = S1/S2, Ryz = S2/S3, Rxz = S1/S3
    AnalysisValue ramsayD;
    AnalysisValue volumeChange; // (|J| - 1) · 100 %
    AnalysisText symmetryClass; // L, LLS, LS, SSL or S
    PlaneOrientation foliation; // the XY plane; the lineation is X, axes[0]
    // Of the polar decomposition F = V·R: the angle 0..180° turned
    // anticlockwise about the axis (right-hand rule).
    AnalysisValue rotationAngle;
    std::optional<AnalysisVector> rotationAxis;
    std::string rotationReason; // why there is no rotation axis
    // What kind of state this is, in words: "Inverted: ...", "Singular: ...",
    // or empty for an ordinary one.
    std::string state;
};

// A direction as an axis: its lower-hemisphere end, trend and plunge. Within
// kAnalysisTolerance of the horizontal, by the end whose trend is below 180°;
// within it of the vertical, straight down with trend 0.
AxisOrientation axisOrientation(const AnalysisVector& direction);

StrainAnalysis analyzeGradient(const AnalysisMatrix& gradient, const AnalysisVector& centre = {});
StrainAnalysis analyzeStrain(const StrainData& model);

// The analysis as labelled rows of numbers: one list for the panel, the
// clipboard and the command line. key names the row in JSON.
struct AnalysisRow {
    const char* key;
    const char* label;
    std::vector<std::optional<double>> values;
    std::string reason; // why some value is missing
    // The names geologists give the values, where they are standard (S1, k,
    // eoct, ...), none or one for each value: JSON has them as keys too.
    std::vector<const char*> names{};
    std::string text{}; // the value of a row of words, which has no numbers
    bool complete() const;
};
std::vector<AnalysisRow> analysisRows(const StrainAnalysis& analysis);
