#include "app/AnalyzeCommand.h"

#include "app/CommandLine.h"
#include "app/FlowReport.h"
#include "app/ReportText.h"

#include "document/MyDocument.h"
#include "model/StrainAnalysis.h"

#include <algorithm>
#include <iterator>
#include <ostream>
#include <string_view>
#include <vector>

namespace {

// Characters as a terminal shows them: UTF-8 continuation bytes take no column.
size_t columns(const char* text) {
    size_t n = 0;
    for (const char* c = text; *c; ++c)
        n += (static_cast<unsigned char>(*c) & 0xC0) != 0x80;
    return n;
}

void writeJson(const StrainAnalysis& analysis, const std::optional<FlowAnalysis>& flow,
               std::ostream& out) {
    const std::vector<AnalysisRow> rows = analysisRows(analysis);
    out << "{\n  \"state\": "
        << (analysis.state.empty() ? std::string("null") : jsonString(analysis.state));
    std::string reasons;
    const auto why = [&reasons](const char* key, const std::string& reason) {
        reasons += std::string(reasons.empty() ? "" : ",\n") + "    \"" + key +
                   "\": " + jsonString(reason);
    };
    const auto value = [](const std::optional<double>& v) {
        return v ? number(*v, true) : std::string("null");
    };
    for (const AnalysisRow& row : rows) {
        out << ",\n  \"" << row.key << "\": ";
        if (row.values.empty()) {
            out << (row.text.empty() ? std::string("null") : jsonString(row.text));
        } else if (row.values.size() == 1) {
            out << value(row.values[0]);
        } else {
            out << '[';
            for (size_t i = 0; i < row.values.size(); ++i)
                out << (i ? ", " : "") << value(row.values[i]);
            out << ']';
        }
        if (!row.complete()) why(row.key, row.reason);
        // The same values again under the names geologists give them.
        for (size_t i = 0; i < row.names.size(); ++i) {
            if (row.names[i] == std::string_view(row.key)) continue;
            out << ",\n  \"" << row.names[i] << "\": " << value(row.values[i]);
            if (!row.values[i]) why(row.names[i], row.reason);
        }
    }
    writeFlowJson(flow, analysis, out, reasons);
    out << ",\n  \"undefined\": {" << (reasons.empty() ? "" : "\n" + reasons + "\n  ") << "}\n}\n";
}

void writeTable(const StrainAnalysis& analysis, const std::optional<FlowAnalysis>& flow,
                std::ostream& out) {
    std::vector<AnalysisRow> rows = analysisRows(analysis);
    std::ranges::move(flowRows(flow, analysis), std::back_inserter(rows));
    size_t width = 0;
    for (const AnalysisRow& row : rows)
        width = std::max(width, columns(row.label));
    for (const AnalysisRow& row : rows) {
        out << row.label << std::string(width - columns(row.label), ' ');
        std::vector<std::string> texts;
        for (const auto& v : row.values)
            texts.push_back(v ? number(*v, false) : "-");
        if (row.values.empty()) texts.push_back(row.text.empty() ? "-" : row.text);
        for (const std::string& text : texts)
            out << std::string(text.size() < 13 ? 13 - text.size() : 1, ' ') << text;
        if (!row.complete()) out << "  (" << row.reason << ')';
        out << '\n';
    }
    if (!analysis.state.empty())
        out << analysis.state << '\n';
}

} // namespace

int analyzeDocument(const std::string& path, bool json, std::ostream& out, std::ostream& err) {
    MyDocument document;
    if (!readDocument(document, path, err))
        return 1;
    const StrainAnalysis analysis = analyzeStrain(document.strainData());
    const std::optional<FlowAnalysis> flow = analyzeFlow(document.strainData());
    if (json)
        writeJson(analysis, flow, out);
    else
        writeTable(analysis, flow, out);
    out.flush();
    if (!out) {
        err << "quorvel: " << path << ": the analysis could not be written out\n";
        return 1;
    }
    return 0;
}
