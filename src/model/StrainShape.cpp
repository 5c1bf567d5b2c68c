#include "model/StrainShape.h"

#include <algorithm>
#include <cmath>

namespace {

AnalysisValue ratio(double larger, double smaller, const AnalysisValue& smallerStrain) {
    return smaller > 0 ? AnalysisValue{larger / smaller, {}}
                       : AnalysisValue{std::nullopt, smallerStrain.reason};
}

// Flinn's (1965) classes of tectonites by Lode's ν, with the bounds that
// APSG uses: L below -0.75, L > S (LLS) below -0.15, L = S (LS) up to 0.15,
// S > L (SSL) up to 0.75, S above.
AnalysisText symmetryClass(const AnalysisValue& lode) {
    if (!lode.value) return {{}, lode.reason};
    const double nu = *lode.value;
    return {nu < -0.75 ? "L" : nu > 0.75 ? "S" : nu < -0.15 ? "LLS" : nu > 0.15 ? "SSL" : "LS", {}};
}

} // namespace

void describeShape(StrainAnalysis& a) {
    const auto& s = a.stretches;
    const auto& e = a.naturalStrains;
    for (size_t i = 0; i < 3; ++i)
        a.quadraticElongations[i] = s[i] * s[i];
    a.ratioXY = ratio(s[0], s[1], e[1]);
    a.ratioYZ = ratio(s[1], s[2], e[2]);
    a.ratioXZ = ratio(s[0], s[2], e[2]);
    // Ramsay and Huber (1983): the distance from the origin of the
    // logarithmic Flinn plot.
    const auto missing = std::ranges::find_if(e, [](const AnalysisValue& v) { return !v.value; });
    a.ramsayD =
        missing != e.end()
            ? AnalysisValue{std::nullopt, missing->reason}
            : AnalysisValue{std::hypot(*e[0].value - *e[1].value, *e[1].value - *e[2].value), {}};
    // |J|: an inverted body has the volume of its mirror image.
    if (std::isfinite(a.volumeRatio))
        a.volumeChange.value = (std::abs(a.volumeRatio) - 1.0) * 100.0;
    a.symmetryClass = symmetryClass(a.lode);
}
