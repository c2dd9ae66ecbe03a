#include "summary/summarytable.h"

#include <cmath>

#include "runtime/numbers.h"

namespace spindex {

namespace {
const std::string Dash = " \xe2\x80\x93 ";

SummaryCell number(double value) {
    return {formatNumber(value), value};
}

// A column of the summary's own, without a tooltip.
SummaryColumn plain(const char* header, bool words = false) {
    return {header, words, {}};
}

SummaryCell rate(double value) {
    return {formatNumber(std::round(value)), value};
}
} // namespace

std::vector<SummaryColumn> summaryColumns(const Assumptions& a) {
    const std::string years = formatNumber(a.years);
    return {
        plain("Logical Drive"),
        plain("RAID Level"),
        plain("Drives"),
        plain("Spans"),
        plain("Drive Size"),
        plain("Height", true),
        plain("Raw GB"),
        plain("Usable GB"),
        plain("Efficiency"),
        plain("Failures Survived"),
        plain("Local Spare", true),
        {"Spare", true,
         "Whether a spare takes over at once when a drive fails, so that no one waits for a new drive (the hours "
         "to replace a drive without a spare)."},
        {"Rebuild, h", false, "Hours to rebuild a failed drive onto its replacement, at the rebuild rate."},
        {"Loss in " + years + " years", false,
         "The chance that the set loses its data within " + years +
             " years, from the drive MTBF, the read error rate and the repair time."},
        {"MTTDL, years", false,
         "Mean time to data loss: how long the set keeps its data on average, from the drive MTBF, the read "
         "error rate and the repair time."},
        {"IOPS (" + formatNumber(a.readPercent) + "% reads)", false,
         "Random I/O per second of the set for a workload with this share of reads, from one drive's I/O rate."},
        {"Read MB/s", false, "Sequential reading speed of the set, from one drive's sequential MB/s."},
        {"Write MB/s", false, "Sequential writing speed of the set, from one drive's sequential MB/s."},
    };
}

std::vector<std::vector<SummaryCell>> summaryRows(const PlanSummary& summary, const PlanAnalysis& analysis) {
    std::vector<std::vector<SummaryCell>> rows;
    for (std::size_t i = 0; i < summary.sets.size(); ++i) {
        const SetSummary& s = summary.sets[i];
        std::vector<SummaryCell> row{{std::to_string(s.set), s.set},
                                     {s.level, std::nullopt},
                                     number(s.drives),
                                     number(s.spans),
                                     {s.driveSize + " GB", parseNumber(s.driveSize).value_or(0)},
                                     {s.halfHeight ? "Half Height" : "Low Profile", s.halfHeight ? 1 : 0},
                                     number(s.rawGB),
                                     number(s.usableGB),
                                     {formatNumber(s.efficiency) + " %", s.efficiency},
                                     {std::to_string(s.survivesAtLeast) + Dash + std::to_string(s.survivesAtMost),
                                      s.survivesAtLeast * 1000.0 + s.survivesAtMost},
                                     {s.localSpare ? "Yes" : "No", s.localSpare ? 1 : 0}};
        if (i < analysis.sets.size()) {
            const SetAnalysis& a = analysis.sets[i];
            row.insert(row.end(),
                       {{a.covered ? "Yes" : "No", a.covered ? 1 : 0},
                        {a.rebuildHours ? hoursText(*a.rebuildHours) : std::string(), a.rebuildHours.value_or(0)},
                        {percentText(a.lossProbability), a.lossProbability},
                        {yearsText(a.mttdlHours), a.mttdlHours},
                        rate(a.mixedIops),
                        number(a.readMBps),
                        number(a.writeMBps)});
        } else {
            row.resize(summaryColumns({}).size()); // a set the analysis does not know: blank figures
        }
        rows.push_back(std::move(row));
    }
    const PlanTotal& t = summary.total;
    const AnalysisTotal& at = analysis.total;
    // The total counts the global spares as well; its failures are those the weakest set survives.
    rows.push_back({{"Total", std::nullopt},
                    {},
                    number(t.drives),
                    {},
                    {},
                    {},
                    number(t.rawGB),
                    number(t.usableGB),
                    {formatNumber(t.efficiency) + " %", t.efficiency},
                    {t.sets > 0 ? "at least " + std::to_string(t.survivesAtLeast) : std::string(), std::nullopt},
                    {formatNumber(t.spares) + (t.spares == 1 ? " spare in all" : " spares in all"), t.spares},
                    {at.sets == 0 ? std::string() : formatNumber(at.uncovered) + " not covered", std::nullopt},
                    {},
                    {percentText(at.lossProbability), std::nullopt},
                    {},
                    rate(at.mixedIops),
                    number(at.readMBps),
                    number(at.writeMBps)});
    return rows;
}

std::string summarySlotsLine(const PlanTotal& total) {
    return "Drive slots: " + formatNumber(total.slotsUsed) + " of " + formatNumber(total.maxSlots) + " in use, " +
           formatNumber(total.slotsFree) + " free (low-profile slot units)";
}

} // namespace spindex
