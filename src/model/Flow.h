// Deformation as a steady flow. The velocity gradient L holds the rates
// L_ij = ∂v_i/∂x_j in the scene's frame (x east, y north, z up); after a time
// t the flow has deformed space by F(t) = exp(tL). A later deformation
// multiplies on the left.
//
// Definitions (each with its usual reference):
// - D = (L + Lᵀ)/2 the stretching tensor, W = (L − Lᵀ)/2 the spin.
// - The kinematic vorticity number Wk = |W|/|D| with Frobenius norms
//   (Truesdell 1953; Means et al. 1980): 0 for a coaxial flow, 1 for simple
//   shear, infinite for a rigid rotation.
// - The vorticity vector ω = curl v = (L32 − L23, L13 − L31, L21 − L12): twice
//   the angular velocity, turning anticlockwise about itself (right-hand rule).
// - The instantaneous stretching axes: the eigenvectors of D, fastest
//   stretching first, with their rates (the eigenvalues).
// - The flow apophyses: the directions that the flow does not turn, the real
//   eigenvectors of L, fastest stretching first, with their rates (the
//   eigenvalues). An eigenvector along the vorticity vector is the axis the
//   flow turns about, not an apophysis; so simple shear has one apophysis, the
//   shear direction, a coaxial flow three, along its stretching axes
//   (Bobyarchick 1986; Passchier 1997).
// - tr L the rate of volume change: J(t) = exp(t·tr L).
#pragma once

#include "model/StrainAnalysis.h"

#include <optional>
#include <string>
#include <vector>

class StrainData;

// A direction of the flow and the rate at which lines along it stretch.
struct FlowLine {
    AxisOrientation axis;
    double rate = 0;
};

struct FlowAnalysis {
    AnalysisMatrix gradient{}; // L
    double time = 0;
    AnalysisMatrix deformation{}; // exp(tL)
    AnalysisMatrix stretching{};  // D
    AnalysisMatrix spin{};        // W
    AnalysisValue kinematicVorticity;
    AnalysisVector vorticity{};
    double volumeRate = 0; // tr L
    std::array<FlowLine, 3> stretchingAxes;
    std::vector<FlowLine> apophyses;
    std::string apophysesReason; // why there are none
};

// exp(tL), in double precision.
AnalysisMatrix flowDeformation(const AnalysisMatrix& gradient, double time);
// a b: the deformation b followed by a.
AnalysisMatrix product(const AnalysisMatrix& a, const AnalysisMatrix& b);
FlowAnalysis analyzeFlow(const AnalysisMatrix& gradient, double time);

// The steady flow that produces a deformation in unit time: the principal
// logarithm of F. None when F has an eigenvalue on the negative real axis or
// 0 (then reason says which).
struct SteadyFlow {
    std::optional<AnalysisMatrix> gradient;
    std::string reason;
};
SteadyFlow steadyFlowOf(const AnalysisMatrix& deformation);

// The document's velocity gradient, and its flow at its time; none while the
// velocity gradient is 0.
AnalysisMatrix velocityGradientOf(const StrainData& model);
std::optional<FlowAnalysis> analyzeFlow(const StrainData& model);
// Sets the strain's 3x3 block to F as one undoable change; a deformation
// too large for the model leaves the strain as it was.
void setStrainTo(StrainData& model, const AnalysisMatrix& F);
// What the animation slider's Time does: sets the time, and the strain to
// the flow's deformation by then, exp(tL).
void flowToTime(StrainData& model, float time);
// Why a document has no flow.
extern const char* const kNoFlowReason;

// Rows for the analysis table: the flow's readouts, or one row saying there
// is none; then the steady flow of the ellipsoid as drawn (analysis).
std::vector<AnalysisRow> flowRows(const std::optional<FlowAnalysis>& flow,
                                  const StrainAnalysis& analysis);
