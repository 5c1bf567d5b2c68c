// The flows in `quorvel --analyze --json`.
#pragma once

#include "model/Flow.h"

#include <iosfwd>
#include <optional>
#include <string>

// Writes the members "flow", the document's flow, and "log_flow", the steady
// flow that makes the ellipsoid as drawn in unit time, each after a comma.
// Either is null when there is none, and its reason joins reasons, the lines
// of the top level's "undefined"; a number without a value is null, with its
// reason in the flow's own "undefined".
void writeFlowJson(const std::optional<FlowAnalysis>& flow, const StrainAnalysis& analysis,
                   std::ostream& out, std::string& reasons);
