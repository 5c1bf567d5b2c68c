// Deformations by the parameters that geologists use: simple, pure and
// general shear, transpression, axial flattening and constriction, volume
// change, rotation, a strain from its shape and orientation, or a velocity
// gradient typed in. Each is a steady flow L acting for a time t, so that it
// may set the document's flow, its strain exp(tL), or both.
//
// Orientations as everywhere in Quorvel: x east, y north, z up; a line by its
// trend (clockwise from north) and plunge (down); a plane by its dip
// direction and dip. An oriented preset works in the frame X, Y, Z: X along
// the lineation (or shear direction) projected into the foliation (or shear
// plane), Z the plane's upward pole, Y = Z × X. The defaults, lineation 090/00
// and a horizontal plane, make X, Y, Z the scene's x, y, z.
#pragma once

#include "model/StrainAnalysis.h"

#include <span>
#include <vector>

struct PresetParameter {
    const char* label; // marked for translation, context "DeformationDialog"
    double value;      // the default
};

// The flow, or why the parameters give none (marked for translation).
struct PresetFlow {
    AnalysisMatrix gradient{};
    double time = 1;
    const char* error = nullptr;
};

struct DeformationPreset {
    const char* name; // marked for translation, context "DeformationDialog"
    std::vector<PresetParameter> parameters;
    PresetFlow (*build)(const std::vector<double>& values);
};

std::span<const DeformationPreset> deformationPresets();

// The preset that takes a velocity gradient's nine entries, row by row, and
// the time.
const DeformationPreset& velocityGradientPreset();
