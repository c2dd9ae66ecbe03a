#include "summary/summarycsv.h"

#include "runtime/numbers.h"

namespace spindex {

std::string csvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

std::string csvRow(const std::vector<std::string>& fields) {
    std::string row;
    for (size_t i = 0; i < fields.size(); ++i) {
        if (i)
            row += ',';
        row += csvField(fields[i]);
    }
    return row + "\r\n";
}

std::string summaryCsv(const PlanSummary& summary) {
    std::string csv =
        csvRow({"Logical Drive", "RAID Level", "Drives", "Spans", "Drive Size, GB", "Drive Height", "Raw, GB",
                "Usable, GB", "Efficiency, %", "Survives at Least", "Survives at Most", "Spares"});
    for (const SetSummary& s : summary.sets)
        csv += csvRow({std::to_string(s.set), s.level, formatNumber(s.drives), formatNumber(s.spans), s.driveSize,
                       s.halfHeight ? "Half Height" : "Low Profile", formatNumber(s.rawGB), formatNumber(s.usableGB),
                       formatNumber(s.efficiency), std::to_string(s.survivesAtLeast), std::to_string(s.survivesAtMost),
                       s.localSpare ? "1" : "0"});
    const PlanTotal& t = summary.total;
    // The total's spares hold the global ones too; its failures are those the weakest set survives.
    csv += csvRow({"Total", "", formatNumber(t.drives), "", "", "", formatNumber(t.rawGB), formatNumber(t.usableGB),
                   formatNumber(t.efficiency), std::to_string(t.survivesAtLeast), "", formatNumber(t.spares)});
    return csv;
}

} // namespace spindex
