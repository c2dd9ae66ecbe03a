#include "analysis/alternatives.h"

#include "analysis/analysis.h"
#include "plans/plan.h"
#include "plans/planrebuild.h"
#include "rules/catalogue.h"
#include "rules/raidlevels.h"
#include "runtime/jsonnumber.h"
#include "runtime/numbers.h"
#include "summary/summary.h"

namespace spindex {

namespace {

bool pick(ListBox& list, const std::string& entry) {
    const int index = list.indexOf(entry);
    if (index < 0)
        return false;
    if (list.listIndex() != index)
        list.userPick(index);
    return true;
}

// The fewest spans and drives the lists offer: a step from there to any offered layout holds no
// more drives than that layout.
void pickFirst(ListBox& list) {
    if (!list.items().empty() && list.listIndex() != 0 && list.enabled)
        list.userPick(0);
}

} // namespace

bool chooseLayout(MainForm& main, const std::string& level, int drives, int spans) {
    const std::string spansText = std::to_string(spans);
    if (main.cmbRaidLevel.text() != level) {
        pickFirst(main.cmbNumSpans);
        if (!pick(main.cmbRaidLevel, level))
            return false;
    }
    if (main.cmbNumSpans.text() != spansText) {
        pickFirst(main.cmbMaxDrives);
        if (!pick(main.cmbNumSpans, spansText))
            return false;
    }
    return pick(main.cmbMaxDrives, std::to_string(drives));
}

std::vector<Layout> alternatives(const MainForm& main) {
    std::vector<Layout> layouts;
    std::string reason;
    const std::unique_ptr<ScratchProgram> scratch = scratchProgram(capturePlan(main), reason);
    if (!scratch)
        return layouts;
    MainForm& m = *scratch->main;
    const std::optional<double> driveGB = parseNumber(m.cmbDriveSize.text());
    if (!driveGB)
        return layouts;
    const GlobalSpareCover cover = globalSpareCover(main);
    const double unitsPerDrive = slotUnits(m.optDriveH[0].value());

    const std::vector<std::string> levels = m.cmbRaidLevel.items();
    for (const std::string& level : levels) {
        pickFirst(m.cmbNumSpans);
        if (!pick(m.cmbRaidLevel, level))
            continue;
        const std::vector<std::string> spansList = m.cmbNumSpans.items();
        const std::vector<std::string> drivesList = m.cmbMaxDrives.items();
        for (const std::string& spansText : spansList) {
            for (const std::string& drivesText : drivesList) {
                const int S = static_cast<int>(parseNumber(spansText).value_or(0));
                const int D = static_cast<int>(parseNumber(drivesText).value_or(0));
                const int shown = scratch->host.messages;
                if (!chooseLayout(m, level, D, S) || scratch->host.messages != shown)
                    continue;
                Layout layout;
                layout.level = level;
                layout.drives = D;
                layout.spans = S;
                layout.usableGB = parseNumber(m.TxtLogicalCap.text()).value_or(0);
                layout.efficiency = efficiencyPercent(layout.usableGB, D * S * *driveGB);
                if (const RaidLevel* row = findRaidLevel(level)) {
                    layout.survivesAtLeast = failures(row->survivesAtLeast, D, S);
                    layout.survivesAtMost = failures(row->survivesAtMost, D, S);
                }
                const PlanAnalysis figures = analysePlan(
                    {{0, level, double(D), double(S), *driveGB, false, ownAssumptions(main, m.cmbDriveSize.text())}},
                    cover, main.PlanAssumptions);
                if (!figures.sets.empty()) {
                    layout.lossProbability = figures.sets[0].lossProbability;
                    layout.mixedIops = figures.sets[0].mixedIops;
                }
                layout.slotUnits = D * S * unitsPerDrive;
                layout.refusal = m.addCheck().refusal;
                layout.fits = layout.refusal == MainForm::AddRefusal::None;
                layouts.push_back(std::move(layout));
            }
        }
    }
    return layouts;
}

std::string layoutName(const Layout& layout) {
    return layout.level + " " + std::to_string(layout.drives) + "x" + std::to_string(layout.spans);
}

std::string refusalText(const Layout& layout) {
    switch (layout.refusal) {
    case MainForm::AddRefusal::None:
        return {};
    case MainForm::AddRefusal::LogicalDrives:
        return "Not enough free logical drives";
    case MainForm::AddRefusal::Slots:
        return "Not enough free drive slots";
    case MainForm::AddRefusal::Unreadable:
        return "The calculator has nothing to add";
    }
    return {};
}

nlohmann::ordered_json alternativesJson(const std::vector<Layout>& layouts) {
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const Layout& l : layouts)
        list.push_back(nlohmann::ordered_json{{"level", l.level},
                                              {"drives", l.drives},
                                              {"spans", l.spans},
                                              {"usableGB", jsonNumber(l.usableGB)},
                                              {"efficiency", jsonNumber(l.efficiency)},
                                              {"survivesAtLeast", l.survivesAtLeast},
                                              {"survivesAtMost", l.survivesAtMost},
                                              {"lossProbability", jsonNumber(l.lossProbability)},
                                              {"mixedIops", jsonNumber(l.mixedIops)},
                                              {"slotUnits", jsonNumber(l.slotUnits)},
                                              {"fits", l.fits}});
    return list;
}

} // namespace spindex
