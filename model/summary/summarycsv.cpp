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

namespace {
std::string number(const std::optional<double>& value) {
    return value ? formatNumber(*value) : std::string();
}
} // namespace

std::string summaryCsv(const PlanSummary& summary, const PlanAnalysis& analysis) {
    std::string csv =
        csvRow({"Logical Drive",    "RAID Level", "Drives",           "Spans",         "Drive Size, GB",
                "Drive Height",     "Raw, GB",    "Usable, GB",       "Efficiency, %", "Survives at Least",
                "Survives at Most", "Spares",     "Covered",          "Rebuild, h",    "Repair, h",
                "URE Probability",  "MTTDL, h",   "Loss Probability", "Read IOPS",     "Write IOPS",
                "Mixed IOPS",       "Read, MB/s", "Write, MB/s"});
    for (size_t i = 0; i < summary.sets.size(); ++i) {
        const SetSummary& s = summary.sets[i];
        const SetAnalysis& a = analysis.sets[i];
        csv += csvRow({std::to_string(s.set),
                       s.level,
                       formatNumber(s.drives),
                       formatNumber(s.spans),
                       s.driveSize,
                       s.halfHeight ? "Half Height" : "Low Profile",
                       formatNumber(s.rawGB),
                       formatNumber(s.usableGB),
                       formatNumber(s.efficiency),
                       std::to_string(s.survivesAtLeast),
                       std::to_string(s.survivesAtMost),
                       s.localSpare ? "1" : "0",
                       a.covered ? "Yes" : "No",
                       number(a.rebuildHours),
                       number(a.repairHours),
                       number(a.ureProbability),
                       formatNumber(a.mttdlHours),
                       formatNumber(a.lossProbability),
                       formatNumber(a.readIops),
                       formatNumber(a.writeIops),
                       formatNumber(a.mixedIops),
                       formatNumber(a.readMBps),
                       formatNumber(a.writeMBps)});
    }
    const PlanTotal& t = summary.total;
    const AnalysisTotal& at = analysis.total;
    // The total's spares hold the global ones too; its failures are those the weakest set survives.
    csv += csvRow({"Total",
                   "",
                   formatNumber(t.drives),
                   "",
                   "",
                   "",
                   formatNumber(t.rawGB),
                   formatNumber(t.usableGB),
                   formatNumber(t.efficiency),
                   std::to_string(t.survivesAtLeast),
                   "",
                   formatNumber(t.spares),
                   "",
                   "",
                   "",
                   "",
                   "",
                   formatNumber(at.lossProbability),
                   "",
                   "",
                   formatNumber(at.mixedIops),
                   formatNumber(at.readMBps),
                   formatNumber(at.writeMBps)});
    return csv;
}

} // namespace spindex
