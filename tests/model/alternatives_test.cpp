// The layouts offered for the calculator's drives, whether Add would take each, and Use.

#include <gtest/gtest.h>

#include <map>

#include "analysis/alternatives.h"
#include "analysis/alternativesform.h"
#include "analysis/compareform.h"
#include "plans/plandocument.h"
#include "plans/planjson.h"
#include "testsession.h"

namespace spindex {
namespace {

using test::Strings;
constexpr int Osprey = 6;

int setsIn(MainForm& m) {
    int sets = 0;
    for (int t = 0; t < MainForm::Sets; ++t)
        sets += m.tabHoldsSet(t) ? 1 : 0;
    return sets;
}

TEST(Alternatives, OspreyListForOneDriveSizeLeavesTheProgramAlone) {
    test::Session s(Osprey);
    s.run("calc 5 12 - 36.4 lp");
    const Strings before = s.snapshot();
    const bool modified = s.program.planDocument()->modified();
    const std::vector<Layout> layouts = alternatives(s.main());

    std::map<std::string, int> perLevel;
    for (const Layout& l : layouts)
        ++perLevel[l.level];
    EXPECT_EQ(perLevel, (std::map<std::string, int>{{"0", 48}, {"1", 1}, {"5", 14}, {"10", 15}, {"50", 72}}));
    ASSERT_EQ(layouts.size(), 150u);
    EXPECT_EQ(alternativesJson({layouts.front()}).dump(),
              R"([{"level":"0","drives":1,"spans":1,"usableGB":36.4,"efficiency":100,"survivesAtLeast":0,)"
              R"("survivesAtMost":0,"lossProbability":0.0428546325951036,"mixedIops":150,"slotUnits":1,"fits":true}])");
    EXPECT_EQ(layoutName(layouts.back()), "50 3x16");

    // RAID 50 stops at 48 drives: 16x3 and 12x4 are offered, 13x4 and 17x3 are not.
    std::map<std::string, const Layout*> byName;
    for (const Layout& l : layouts)
        byName[layoutName(l)] = &l;
    EXPECT_EQ(byName.count("50 13x4") + byName.count("50 7x7") + byName.count("50 4x13"), 0u);
    ASSERT_TRUE(byName.count("50 16x3") && byName.count("50 12x4"));
    EXPECT_EQ(byName["50 16x3"]->usableGB, 1638);
    EXPECT_EQ(byName["50 12x4"]->usableGB, 1601.6);
    EXPECT_EQ(byName["50 12x4"]->survivesAtMost, 4);
    EXPECT_EQ(byName["50 12x4"]->slotUnits, 48);
    EXPECT_EQ(byName["1 2x1"]->usableGB, 36.4);
    EXPECT_EQ(byName["5 12x1"]->efficiency, 91.7);

    // Nothing of the running program moved: no message, no event that changed a control, no
    // modified plan.
    EXPECT_EQ(s.take(), Strings{});
    EXPECT_EQ(s.snapshot(), before);
    EXPECT_EQ(s.program.planDocument()->modified(), modified);
}

TEST(Alternatives, HalfHeightDrivesTakeOneAndAHalfSlots) {
    test::Session s(Osprey);
    s.run("add 0 28 - 36.4 hh"); // 42 of 48 slots
    int seen = 0;
    for (const Layout& l : alternatives(s.main()))
        if (layoutName(l) == "5 4x1") {
            EXPECT_EQ(l.slotUnits, 6);
            EXPECT_TRUE(l.fits); // exactly full
            ++seen;
        } else if (layoutName(l) == "5 5x1") {
            EXPECT_EQ(l.slotUnits, 7.5);
            EXPECT_FALSE(l.fits);
            EXPECT_EQ(l.refusal, MainForm::AddRefusal::Slots);
            ++seen;
        }
    EXPECT_EQ(seen, 2);
}

// For every layout offered: a fresh program in the same situation, the calculator set to it, Add
// pressed. Add takes the set exactly when the list said it fits.
struct Situation {
    const char* name;
    int controller;
    const char* script;
    int refusedForSlots;
    int refusedForLogicalDrives;
};

class FitsAsAddDecides : public testing::TestWithParam<Situation> {};

TEST_P(FitsAsAddDecides, ForEveryLayout) {
    const Situation& c = GetParam();
    test::Session s(c.controller);
    s.run(c.script);
    const std::vector<Layout> layouts = alternatives(s.main());
    ASSERT_FALSE(layouts.empty());
    int slots = 0, logical = 0;
    for (const Layout& l : layouts) {
        slots += l.refusal == MainForm::AddRefusal::Slots ? 1 : 0;
        logical += l.refusal == MainForm::AddRefusal::LogicalDrives ? 1 : 0;
        test::Session add(c.controller);
        add.run(c.script);
        const int before = setsIn(add.main());
        ASSERT_TRUE(chooseLayout(add.main(), l.level, l.drives, l.spans));
        ASSERT_EQ(add.take(), Strings{}) << layoutName(l);
        add.main().cmdAddLogicals.userClick();
        const bool accepted = add.take().empty() && setsIn(add.main()) > before;
        EXPECT_EQ(accepted, l.fits) << layoutName(l);
    }
    EXPECT_EQ(slots, c.refusedForSlots);
    EXPECT_EQ(logical, c.refusedForLogicalDrives);
}

const Situation Situations[] = {
    {"EmptyOsprey", Osprey, "calc 5 12 - 36.4", 0, 0},
    // 40 of 48 slots taken: only layouts of up to 8 drives go in.
    {"OspreyEightSlotsFree", Osprey, "add 0 40 - 36.4", 130, 0},
    // Every logical drive taken: nothing goes in, and that is what it lacks first.
    {"OspreyEightSets", Osprey, "8 add 0 1 - 36.4", 0, 150},
    // The Lark counts a logical drive per span: seven sets leave one, so the 39 spanned layouts are
    // refused for it, and 5 of its 12 slots leave out 6 to 8 drives of RAID 0, 3 and 5.
    {"SpansCountLogicalDrives", 1, "7 add 0 1 - 36.4", 9, 39},
};

INSTANTIATE_TEST_SUITE_P(Situations, FitsAsAddDecides, testing::ValuesIn(Situations),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(UseLayout, ReachesManySpansWithoutTheDriveLimitMessage) {
    test::Session s(Osprey);
    s.run("calc 50 16 3 36.4");
    MainForm& m = s.main();
    m.mnuAlternatives.userClick();
    AlternativesForm* window = s.program.frmAlternatives();
    ASSERT_NE(window, nullptr);
    window->cmdUse.userClick(); // nothing chosen: nothing happens
    ASSERT_EQ(s.program.frmAlternatives(), window);

    // Picking 16 spans before 3 drives would hold 256 drives on the way.
    s.pick(window->lstLayouts, "50 3x16");
    window->cmdUse.userClick();
    s.program.collectUnloaded();
    EXPECT_EQ(s.program.frmAlternatives(), nullptr);
    EXPECT_EQ(s.take(), Strings{});
    EXPECT_EQ((Strings{m.cmbRaidLevel.text(), m.cmbMaxDrives.text(), m.cmbNumSpans.text(), m.TxtLogicalCap.text()}),
              (Strings{"50", "3", "16", "1164.8"}));
    EXPECT_EQ(setsIn(m), 0);

    // And back from many spans to many drives, across levels.
    const std::pair<const char*, Strings> uses[] = {{"50 16x3", {"50", "16", "3"}}, {"5 16x1", {"5", "16", "1"}}};
    for (const auto& [layout, wanted] : uses) {
        m.mnuAlternatives.userClick();
        s.pick(s.program.frmAlternatives()->lstLayouts, layout);
        s.program.frmAlternatives()->cmdUse.userClick();
        EXPECT_EQ(s.take(), Strings{}) << layout;
        EXPECT_EQ((Strings{m.cmbRaidLevel.text(), m.cmbMaxDrives.text(), m.cmbNumSpans.text()}), wanted);
    }
}

// A good plan, one the Osprey refuses and one that cannot be read: the running plan comes first, the
// good file has its figures, the other two their reasons, and the running plan does not change.
TEST(ComparePlans, GoodRefusedAndUnreadableFiles) {
    test::Session writer(Osprey);
    writer.run("add 5 12 - 36.4");
    nlohmann::ordered_json plan = savedPlanJson(writer.main());
    writer.host.files["/p/good.spindex"] = planFileText(plan);
    plan["sets"][0]["drives"] = 99;
    writer.host.files["/p/refused.spindex"] = planFileText(plan);
    writer.host.files["/p/text.spindex"] = "not a plan";

    test::Session s(Osprey);
    s.host.files = writer.host.files;
    s.run("add 0 2 - 36.4");
    const Strings before = s.snapshot();
    s.host.openAnswers.push_back(std::nullopt); // Cancel: no window
    s.main().mnuComparePlans.userClick();
    EXPECT_EQ(s.program.frmCompare(), nullptr);
    s.host.openFilesAnswers.push_back(Strings{"/p/good.spindex", "/p/refused.spindex", "/p/text.spindex"});
    s.main().mnuComparePlans.userClick();
    ASSERT_NE(s.program.frmCompare(), nullptr);
    const std::vector<PlanFigures> rows = s.program.frmCompare()->rows();
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(comparisonCsv(rows),
              "Plan,Controller,Sets,Drives,\"Raw, GB\",\"Usable, GB\",\"Efficiency, %\",Survives at Least,"
              "Loss Probability,Mixed IOPS,Slots Used,Slots,Price,Error\r\n"
              "(this plan),Arvex Osprey,1,2,72.8,72.8,100,0,0.0838727456553458,300,2,48,,\r\n"
              "good.spindex,Arvex Osprey,1,12,436.8,400.4,91.7,1,0.00181995721902376,947.368421052632,12,48,,\r\n"
              "refused.spindex,,,,,,,,,,,,,\"logical drive 0: drives 99 is not offered for level \"\"5\"\" (the list "
              "holds 3 to 16)\"\r\n"
              "text.spindex,,,,,,,,,,,,,\"it is not valid JSON: line 1, column 2: invalid literal\"\r\n");
    EXPECT_EQ(s.take(), Strings{});
    EXPECT_EQ(s.snapshot(), before);

    // The running plan's row follows the plan.
    s.run("add 1 2 - 36.4");
    EXPECT_EQ(s.program.frmCompare()->rows()[0].summary->total.sets, 2);
}

} // namespace
} // namespace spindex
