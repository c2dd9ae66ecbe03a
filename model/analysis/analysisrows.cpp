#include "analysis/analysisrows.h"

#include <cmath>

#include "runtime/numbers.h"

namespace spindex {

namespace {
std::string rate(double value) {
    return formatNumber(std::round(value));
}
} // namespace

std::vector<AnalysisColumn> analysisColumns(const Assumptions& a) {
    const std::string years = formatNumber(a.years);
    return {
        {"Spare", "Whether a spare takes over at once when a drive fails, so that no one waits for a new drive "
                  "(the hours to replace a drive without a spare)."},
        {"Rebuild, h", "Hours to rebuild a failed drive onto its replacement, at the rebuild rate."},
        {"Loss in " + years + " years", "The chance that the set loses its data within " + years +
                                            " years, from the drive MTBF, the read error rate and the repair time."},
        {"MTTDL, years", "Mean time to data loss: how long the set keeps its data on average, from the drive MTBF, "
                         "the read error rate and the repair time."},
        {"IOPS (" + formatNumber(a.readPercent) + "% reads)",
         "Random I/O per second of the set for a workload with this share of reads, from one drive's I/O rate."},
        {"Read MB/s", "Sequential reading speed of the set, from one drive's sequential MB/s."},
        {"Write MB/s", "Sequential writing speed of the set, from one drive's sequential MB/s."},
    };
}

std::vector<std::string> analysisCells(const SetAnalysis& s) {
    return {s.covered ? "Yes" : "No",
            s.rebuildHours ? hoursText(*s.rebuildHours) : std::string(),
            percentText(s.lossProbability),
            yearsText(s.mttdlHours),
            rate(s.mixedIops),
            formatNumber(s.readMBps),
            formatNumber(s.writeMBps)};
}

std::vector<std::string> analysisTotalCells(const AnalysisTotal& t) {
    const std::string spare = t.sets == 0 ? std::string() : formatNumber(t.uncovered) + " not covered";
    return {spare,
            "",
            percentText(t.lossProbability),
            "",
            rate(t.mixedIops),
            formatNumber(t.readMBps),
            formatNumber(t.writeMBps)};
}

} // namespace spindex
