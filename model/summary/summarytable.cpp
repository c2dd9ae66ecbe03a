#include "summary/summarytable.h"

#include "runtime/numbers.h"

namespace spindex {

namespace {
const std::string Dash = " \xe2\x80\x93 ";

SummaryCell number(double value) {
    return {formatNumber(value), value};
}
} // namespace

const std::vector<SummaryColumn>& summaryColumns() {
    static const std::vector<SummaryColumn> columns{{"Logical Drive", false}, {"RAID Level", false},
                                                    {"Drives", false},        {"Spans", false},
                                                    {"Drive Size", false},    {"Height", true},
                                                    {"Raw GB", false},        {"Usable GB", false},
                                                    {"Efficiency", false},    {"Failures Survived", false},
                                                    {"Local Spare", true}};
    return columns;
}

std::vector<std::vector<SummaryCell>> summaryRows(const PlanSummary& summary) {
    std::vector<std::vector<SummaryCell>> rows;
    for (const SetSummary& s : summary.sets)
        rows.push_back({{std::to_string(s.set), s.set},
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
                        {s.localSpare ? "Yes" : "No", s.localSpare ? 1 : 0}});
    const PlanTotal& t = summary.total;
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
                    {formatNumber(t.spares) + (t.spares == 1 ? " spare in all" : " spares in all"), t.spares}});
    return rows;
}

std::string summarySlotsLine(const PlanTotal& total) {
    return "Drive slots: " + formatNumber(total.slotsUsed) + " of " + formatNumber(total.maxSlots) + " in use, " +
           formatNumber(total.slotsFree) + " free (low-profile slot units)";
}

} // namespace spindex
