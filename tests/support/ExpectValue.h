// An analysis value as expected: a number within the tolerance, or, where
// NaN is expected, no number and the reason why.
#pragma once

#include "model/StrainAnalysis.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

// Expected where there is no value, only a reason.
inline const double kNone = NAN;

inline void expectValue(const AnalysisValue& v, double expected, const std::string& what = {},
                        double tolerance = 1e-9) {
    EXPECT_TRUE(std::isnan(expected) ? !v.value && !v.reason.empty()
                                     : v.value && std::abs(*v.value - expected) <= tolerance)
        << what << ": " << v.value.value_or(NAN) << " (" << v.reason << "), expected " << expected;
}
