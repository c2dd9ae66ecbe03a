#include "summary/summary.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "mainform/mainform.h"
#include "rules/raidlevels.h"
#include "runtime/jsonnumber.h"
#include "runtime/numbers.h"

namespace spindex {

namespace {

double numberIn(const std::string& text) {
    return parseNumber(text).value_or(0);
}

// The value as the program writes it, read back: 15 significant digits.
double significant15(double value) {
    return numberIn(formatNumber(value));
}

std::string counted(double count, const char* one, const char* many) {
    return formatNumber(count) + " " + (count == 1 ? one : many);
}

} // namespace

double efficiencyPercent(double usableGB, double rawGB) {
    if (rawGB == 0)
        return 0;
    const double tenths = significant15(1000 * usableGB / rawGB);
    return std::nearbyint(tenths) / 10;
}

PlanSummary planSummary(const MainForm& main) {
    PlanSummary summary;
    PlanTotal& total = summary.total;
    std::optional<int> fewest;
    for (int t = 0; t < MainForm::Sets; ++t) {
        if (!main.tabHoldsSet(t))
            continue;
        SetSummary set;
        set.set = t;
        set.level = main.tabLevel(t).text();
        set.drivesPerSpan = numberIn(main.tabDrives(t).text());
        set.spans = numberIn(main.tabSpans(t).text());
        set.driveSize = main.tabDriveSize(t).text();
        set.halfHeight = main.tabHalfHeight(t);
        set.drives = set.drivesPerSpan * set.spans;
        set.rawGB = set.drives * numberIn(set.driveSize);
        set.usableGB = numberIn(main.tabCapacity(t).text());
        set.efficiency = efficiencyPercent(set.usableGB, set.rawGB);
        if (const RaidLevel* row = findRaidLevel(set.level)) {
            set.survivesAtLeast = failures(row->survivesAtLeast, set.drivesPerSpan, set.spans);
            set.survivesAtMost = failures(row->survivesAtMost, set.drivesPerSpan, set.spans);
        }
        set.localSpare = main.tabHasLocalSpare(t);

        ++total.sets;
        total.drives += set.drives;
        total.spares += set.localSpare ? 1 : 0;
        total.rawGB += set.rawGB;
        total.usableGB += set.usableGB;
        fewest = std::min(fewest.value_or(set.survivesAtLeast), set.survivesAtLeast);
        summary.sets.push_back(std::move(set));
    }
    if (main.optGlobHotSpr[0].value())
        total.spares += numberIn(main.Text2.text());
    total.efficiency = efficiencyPercent(total.usableGB, total.rawGB);
    total.slotsUsed = main.LPSlotsUsed;
    total.maxSlots = main.MaxSlots;
    total.slotsFree = main.MaxSlots - main.LPSlotsUsed;
    total.survivesAtLeast = fewest.value_or(0);
    return summary;
}

nlohmann::ordered_json summaryJson(const PlanSummary& summary) {
    nlohmann::ordered_json sets = nlohmann::ordered_json::array();
    for (const SetSummary& s : summary.sets)
        sets.push_back(nlohmann::ordered_json{{"set", s.set},
                                              {"level", s.level},
                                              {"drives", jsonNumber(s.drives)},
                                              {"rawGB", jsonNumber(s.rawGB)},
                                              {"usableGB", jsonNumber(s.usableGB)},
                                              {"efficiency", jsonNumber(s.efficiency)},
                                              {"survivesAtLeast", s.survivesAtLeast},
                                              {"survivesAtMost", s.survivesAtMost},
                                              {"localSpare", s.localSpare}});
    const PlanTotal& t = summary.total;
    nlohmann::ordered_json total = {{"sets", t.sets},
                                    {"drives", jsonNumber(t.drives)},
                                    {"spares", jsonNumber(t.spares)},
                                    {"rawGB", jsonNumber(t.rawGB)},
                                    {"usableGB", jsonNumber(t.usableGB)},
                                    {"efficiency", jsonNumber(t.efficiency)},
                                    {"slotsUsed", jsonNumber(t.slotsUsed)},
                                    {"slots", t.maxSlots},
                                    {"slotsFree", jsonNumber(t.slotsFree)},
                                    {"survivesAtLeast", t.survivesAtLeast}};
    return {{"sets", std::move(sets)}, {"total", std::move(total)}};
}

nlohmann::ordered_json summaryJson(const MainForm& main) {
    return summaryJson(planSummary(main));
}

std::string summaryStatusLine(const PlanSummary& summary) {
    const PlanTotal& t = summary.total;
    const std::string dot = " \xc2\xb7 ";
    std::string line = t.sets == 0 ? std::string("No RAID sets") : counted(t.sets, "RAID set", "RAID sets");
    line += ": " + counted(t.drives, "drive", "drives") + ", " + counted(t.spares, "spare", "spares");
    line += dot + formatNumber(t.rawGB) + " GB raw, " + formatNumber(t.usableGB) + " GB usable (" +
            formatNumber(t.efficiency) + " %)";
    line += dot + formatNumber(t.slotsUsed) + " of " + formatNumber(t.maxSlots) + " slots used";
    if (t.sets > 0)
        line += dot + "fewest drive failures a set survives: " + formatNumber(t.survivesAtLeast);
    return line;
}

} // namespace spindex
