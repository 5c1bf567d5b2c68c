#include "app/FlowReport.h"

#include "app/ReportText.h"

#include <ostream>

namespace {

// Adding 0 turns -0 into 0.
std::string json(double x) {
    return number(x + 0.0, true);
}

std::string json(const AnalysisVector& v) {
    return '[' + json(v[0]) + ", " + json(v[1]) + ", " + json(v[2]) + ']';
}

std::string json(const AnalysisMatrix& m) {
    return '[' + json(m[0]) + ", " + json(m[1]) + ", " + json(m[2]) + ']';
}

std::string json(const FlowLine& l) {
    return "{\"trend\": " + json(l.axis.trend) + ", \"plunge\": " + json(l.axis.plunge) +
           ", \"rate\": " + json(l.rate) + ", \"direction\": " + json(l.axis.direction) + '}';
}

template <class Lines> std::string json(const Lines& lines) {
    std::string text = "[";
    for (const FlowLine& l : lines)
        text += (text.size() > 1 ? ",\n      " : "\n      ") + json(l);
    return text + (text.size() > 1 ? "\n    ]" : "]");
}

void addReason(std::string& reasons, const char* indent, const char* key,
               const std::string& reason) {
    reasons += std::string(reasons.empty() ? "" : ",\n") + indent + '"' + key +
               "\": " + jsonString(reason);
}

void writeFlow(const char* key, const FlowAnalysis& f, std::ostream& out) {
    std::string reasons;
    out << ",\n  \"" << key << "\": {\n    \"L\": " << json(f.gradient)
        << ",\n    \"t\": " << json(f.time) << ",\n    \"F\": " << json(f.deformation)
        << ",\n    \"D\": " << json(f.stretching) << ",\n    \"W\": " << json(f.spin)
        << ",\n    \"Wk\": ";
    if (f.kinematicVorticity.value)
        out << json(*f.kinematicVorticity.value);
    else {
        out << "null";
        addReason(reasons, "      ", "Wk", f.kinematicVorticity.reason);
    }
    if (!f.apophysesReason.empty()) addReason(reasons, "      ", "apophyses", f.apophysesReason);
    out << ",\n    \"vorticity\": " << json(f.vorticity)
        << ",\n    \"volume_change_rate\": " << json(f.volumeRate)
        << ",\n    \"stretching_axes\": " << json(f.stretchingAxes)
        << ",\n    \"apophyses\": " << json(f.apophyses) << ",\n    \"undefined\": {"
        << (reasons.empty() ? "" : "\n" + reasons + "\n    ") << "}\n  }";
}

} // namespace

void writeFlowJson(const std::optional<FlowAnalysis>& flow, const StrainAnalysis& analysis,
                   std::ostream& out, std::string& reasons) {
    if (flow) {
        writeFlow("flow", *flow, out);
    } else {
        out << ",\n  \"flow\": null";
        addReason(reasons, "    ", "flow", kNoFlowReason);
    }
    const SteadyFlow steady = steadyFlowOf(analysis.gradient);
    if (steady.gradient) {
        writeFlow("log_flow", analyzeFlow(*steady.gradient, 1), out);
    } else {
        out << ",\n  \"log_flow\": null";
        addReason(reasons, "    ", "log_flow", steady.reason);
    }
}
