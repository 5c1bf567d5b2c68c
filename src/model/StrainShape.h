// What geologists read off the stretches beyond Flinn's, Ramsay's and Lode's
// parameters: the quadratic elongations, the ratios of the principal
// sections, Ramsay's strain intensity D, the volume change and the symmetry
// class.
#pragma once

#include "model/StrainAnalysis.h"

// Fills those of a's fields from its stretches, natural strains, J and Lode's
// ν; each value it cannot give takes the reason of the one it lacks.
void describeShape(StrainAnalysis& a);
