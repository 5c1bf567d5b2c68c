// A state's place in the logarithmic Flinn plot: ln(S2/S3) across, ln(S1/S2)
// up; none when a stretch is 0.
#pragma once

#include "model/StrainAnalysis.h"

#include <QPointF>

#include <cmath>
#include <optional>

inline std::optional<QPointF> flinnPoint(const StrainAnalysis& a) {
    const auto& s = a.stretches;
    if (!a.naturalStrains[2].value) return std::nullopt;
    return QPointF(std::log(s[1] / s[2]), std::log(s[0] / s[1]));
}
