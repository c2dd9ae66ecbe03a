// The risk and speed figures of a set, the assumptions window and the assumptions in the plan file.
// Expected figures were worked out by hand from the formulas, with 50-digit decimal arithmetic.

#include <gtest/gtest.h>

#include <cmath>

#include "analysis/analysis.h"
#include "analysis/assumptionsform.h"
#include "plans/plandocument.h"
#include "plans/planjson.h"
#include "plans/planreader.h"
#include "testsession.h"

namespace spindex {
namespace {

using test::Strings;

// Fifteen significant digits, as the program writes its figures.
void expectFigure(double got, double wanted) {
    EXPECT_NEAR(got, wanted, std::fabs(wanted) * 1e-13) << "wanted " << wanted;
}

struct LevelCase {
    const char* name;
    AnalysedSet set;
    bool covered;
    std::optional<double> rebuildHours, repairHours, ureProbability;
    double mttdlHours, lossProbability, readIops, writeIops, mixedIops, readMBps, writeMBps;
};

class EachLevel : public testing::TestWithParam<LevelCase> {};

TEST_P(EachLevel, HasItsFigures) {
    const LevelCase& c = GetParam();
    const PlanAnalysis analysis = analysePlan({c.set}, {}, Assumptions{});
    ASSERT_EQ(analysis.sets.size(), 1u);
    const SetAnalysis& got = analysis.sets[0];
    EXPECT_EQ(got.covered, c.covered);
    for (auto [figure, wanted] :
         {std::pair{got.rebuildHours, c.rebuildHours}, std::pair{got.repairHours, c.repairHours},
          std::pair{got.ureProbability, c.ureProbability}}) {
        ASSERT_EQ(figure.has_value(), wanted.has_value());
        if (wanted)
            expectFigure(*figure, *wanted);
    }
    expectFigure(got.mttdlHours, c.mttdlHours);
    expectFigure(got.lossProbability, c.lossProbability);
    expectFigure(got.readIops, c.readIops);
    expectFigure(got.writeIops, c.writeIops);
    expectFigure(got.mixedIops, c.mixedIops);
    expectFigure(got.readMBps, c.readMBps);
    expectFigure(got.writeMBps, c.writeMBps);
}

// Per level: the set; covered; rebuild, repair hours; read-error probability; MTTDL hours; loss
// probability; read, write, mixed IOPS; read, write MB/s.
// clang-format off
const LevelCase Levels[] = {
    // The typical request, twelve drives of RAID 5 without a spare, has its figures in the plan
    // file's example.
    // A pair rebuilds from its one other copy; its writes go to both.
    {"MirrorWithLocalSpare", {0, "1", 2, 1, 36.4, true}, true,
     0.337037037037037, 0.337037037037037, 0.000291157605395203, 1715297392.18527,
     2.55346046634968e-05, 300, 150, 230.769230769231, 120, 60},
    // Nothing to rebuild: any failure loses the set.
    {"Raid0HasNoRebuild", {0, "0", 3, 1, 9.1, false}, false,
     std::nullopt, std::nullopt, std::nullopt, 333333.333333333,
     0.123133042550647, 450, 450, 450, 180, 180},
    // Two spans of six: a second failure in either span loses it; one parity drive per span.
    {"SpannedParity", {0, "50", 6, 2, 72.8, false}, false,
     0.674074074074074, 24.6740740740741, 0.00290776424050808, 27492455.4766581,
     0.00159189593883832, 1800, 450, 947.368421052632, 600, 600},
    // A mirror of stripes rebuilds from the whole other half.
    {"MirroredStripes", {0, "0+1", 4, 1, 18.2, false}, false,
     0.168518518518519, 24.1685185185185, 0.000291157605395203, 736388645.808741,
     5.94776924860376e-05, 600, 300, 461.538461538462, 240, 120},
};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Analysis, EachLevel, testing::ValuesIn(Levels),
                         [](const testing::TestParamInfo<LevelCase>& info) { return std::string(info.param.name); });

// The published figures for double failures alone: drive MTTF 30,000 h and one hour to repair.
TEST(Analysis, DoubleFailureFormsMatchThePublishedFigures) {
    Assumptions a;
    a.mtbfHours = 30000;
    a.bitErrorRate = 0; // no read errors: the second failure alone
    a.rebuildMBps = 10; // 36 GB at 10 MB/s: one hour
    const PlanAnalysis analysis = analysePlan({{0, "1", 2, 1, 36, true}, {1, "5", 10, 1, 36, true}}, {}, a);
    expectFigure(analysis.sets[0].mttdlHours, 450000000);
    expectFigure(analysis.sets[1].mttdlHours, 10000000);
}

// A small error rate over a few bits: the plain 1 - (1 - p)^n rounds 1 - 1e-18 to 1 and answers 0.
TEST(Analysis, SmallErrorRatesKeepTheirDigits) {
    Assumptions a;
    a.bitErrorRate = 1e-18;
    const PlanAnalysis analysis = analysePlan({{0, "1", 2, 1, 9.1, true}}, {}, a);
    expectFigure(*analysis.sets[0].ureProbability, 7.27999973500801e-08);
}

TEST(Analysis, GlobalSparesCoverASetWhenThereIsOneLargeEnough) {
    const AnalysedSet set{0, "5", 4, 1, 36.4, false};
    struct Row {
        const char* name;
        GlobalSpareCover spares;
        bool covered;
    } rows[] = {
        {"large enough", {true, 1, 36.4}, true},  {"larger", {true, 2, 72.8}, true},
        {"too small", {true, 1, 18.2}, false},    {"count 0", {true, 0, 72.8}, false},
        {"no size chosen", {true, 1, {}}, false}, {"switched off", {false, 1, 72.8}, false},
    };
    for (const Row& row : rows) {
        const PlanAnalysis analysis = analysePlan({set}, row.spares, Assumptions{});
        EXPECT_EQ(analysis.sets[0].covered, row.covered) << row.name;
        EXPECT_EQ(analysis.total.uncovered, row.covered ? 0 : 1) << row.name;
    }
}

// Any set may lose its data: 1 - (1 - 0.1)(1 - 0.2) for two sets of those chances.
TEST(Analysis, PlanLossCombinesTheSets) {
    Assumptions a;
    a.years = 1;
    // RAID 0 of one drive: the loss within a year is 1 - exp(-8760 / M).
    a.mtbfHours = 8760 / -std::log1p(-0.1);
    const PlanAnalysis one = analysePlan({{0, "0", 1, 1, 9.1, false}}, {}, a);
    expectFigure(one.total.lossProbability, 0.1);
    const PlanAnalysis two = analysePlan({{0, "0", 1, 1, 9.1, false}, {1, "0", 1, 1, 9.1, false}}, {}, a);
    expectFigure(two.total.lossProbability, 0.19);
    EXPECT_EQ(analysePlan({}, {}, a).total.lossProbability, 0);
}

TEST(AssumptionsWindow, ShowsThePlansValuesAndTakesThemAllAtOnce) {
    test::Session s(6);
    MainForm& m = s.main();
    m.mnuAssumptions.userClick();
    AssumptionsForm* form = s.program.frmAssumptions();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(m.mnuAssumptions.container, &m.mnuPlan);
    Strings shown;
    for (const TextBox& box : form->txtAssumption)
        shown.push_back(box.name + "=" + box.text());
    EXPECT_EQ(shown, (Strings{"txtMtbfHours=1000000", "txtBitErrorRate=1e-15", "txtDriveIops=150", "txtDriveMBps=60",
                              "txtRebuildMBps=30", "txtReplaceHours=24", "txtReadPercent=70", "txtYears=5"}));
    EXPECT_EQ(form->lblAssumption[5].caption, "Hours to replace a drive without a spare");

    form->txtAssumption[1].userType("1E-16");
    form->txtAssumption[6].userType("0.5e2");
    form->cmdOK.userClick();
    EXPECT_EQ(s.take(), Strings{});
    EXPECT_EQ(s.program.frmAssumptions(), nullptr);
    EXPECT_EQ(m.PlanAssumptions.bitErrorRate, 1e-16);
    EXPECT_EQ(m.PlanAssumptions.readPercent, 50);
    EXPECT_TRUE(s.program.planDocument()->modified());

    // It opens again with the values now in force; Restore Defaults fills the boxes, Cancel keeps them out.
    m.mnuAssumptions.userClick();
    form = s.program.frmAssumptions();
    EXPECT_EQ(form->txtAssumption[1].text(), "1e-16");
    form->cmdDefaults.userClick();
    EXPECT_EQ(form->txtAssumption[1].text(), "1e-15");
    form->cmdCancel.userClick();
    EXPECT_EQ(m.PlanAssumptions.bitErrorRate, 1e-16);
}

TEST(AssumptionsWindow, NamesTheFirstBadBoxAndChangesNothing) {
    const struct Row {
        const char* name;
        int box;
        const char* text;
        const char* message;
    } rows[] = {
        {"not a number", 0, "lots", "Drive MTBF (hours) must be a number from 1000 to 100000000"},
        {"empty", 2, "", "Random I/O per second, one drive must be a number from 1 to 1000000"},
        {"below the range", 1, "1e-19", "Unrecoverable read errors per bit must be a number from 1e-18 to 1e-10"},
        {"above the range", 6, "100.5", "Reads in the workload (%) must be a number from 0 to 100"},
        {"a comma", 7, "2,5", "Period for the loss risk (years) must be a number from 1 to 50"},
    };
    for (const Row& row : rows) {
        test::Session s(6);
        MainForm& m = s.main();
        m.mnuAssumptions.userClick();
        AssumptionsForm& form = *s.program.frmAssumptions();
        form.txtAssumption[3].userType("99"); // good, but must not be taken alone
        form.txtAssumption[row.box].userType(row.text);
        if (row.box != 7)
            form.txtAssumption[7].userType("0"); // bad too, but later in the window
        form.cmdOK.userClick();
        EXPECT_EQ(s.take(), Strings{std::string("Spindex (icon): ") + row.message}) << row.name;
        EXPECT_EQ(s.program.frmAssumptions(), &form) << row.name;
        EXPECT_EQ(m.PlanAssumptions, Assumptions{}) << row.name;
        EXPECT_FALSE(s.program.planDocument()->modified()) << row.name;
    }
}

std::string osprey(const std::string& assumptions) {
    return R"({"format":"spindex-plan","version":1,"controller":"Arvex Osprey","channels":[)"
           R"({"used":true,"storage":"Vault/12 - 12 drives"},{"used":true,"storage":"Vault/12 - 12 drives"},{"used":true,"storage":"Vault/12 - 12 drives"},)"
           R"({"used":true,"storage":"Vault/12 - 12 drives"}],"sets":[])" +
           assumptions + "}";
}

TEST(PlanAssumptions, ReadWithTheirDefaultsOrRefused) {
    // A plan without the key opens with the defaults below.
    std::string reason;
    const std::optional<Plan> with = readPlan(osprey(R"(,"assumptions":{"years":10,"bitErrorRate":1e-14})"), reason);
    ASSERT_TRUE(with) << reason;
    Assumptions wanted;
    wanted.years = 10;
    wanted.bitErrorRate = 1e-14;
    EXPECT_EQ(with->assumptions, wanted);

    const std::pair<const char*, const char*> refused[] = {
        {R"({"readPercent":120})", R"(assumptions: "readPercent" is 120, not a number from 0 to 100)"},
        {R"({"mtbfHours":"1000000"})", R"(assumptions: "mtbfHours" is "1000000", not a number from 1000 to 100000000)"},
        {R"({"bitErrorRate":1e-20})", R"(assumptions: "bitErrorRate" is 1e-20, not a number from 1e-18 to 1e-10)"},
        {R"({"years":null})", R"(assumptions: "years" is null, not a number from 1 to 50)"},
        {R"([5])", R"("assumptions" is [5], not an object)"},
    };
    for (const auto& [value, why] : refused) {
        EXPECT_FALSE(readPlan(osprey(std::string(R"(,"assumptions":)") + value), reason)) << value;
        EXPECT_EQ(reason, why);
    }
}

// A plan opened keeps its assumptions and is not modified by the opening; a bad one changes nothing.
TEST(PlanAssumptions, OpenedWithThePlan) {
    test::Session s(6);
    MainForm& m = s.main();
    s.host.files["/plans/old.spindex"] = osprey("");
    s.host.files["/plans/new.spindex"] = osprey(R"(,"assumptions":{"replaceHours":0})");
    s.host.files["/plans/bad.spindex"] = osprey(R"(,"assumptions":{"replaceHours":-1})");
    ASSERT_TRUE(s.program.planDocument()->open("/plans/new.spindex"));
    EXPECT_EQ(m.PlanAssumptions.replaceHours, 0);
    EXPECT_FALSE(s.program.planDocument()->modified());
    EXPECT_FALSE(s.program.planDocument()->open("/plans/bad.spindex"));
    EXPECT_EQ(s.take(), Strings{"Spindex (critical): Could not open the plan /plans/bad.spindex: assumptions: "
                                "\"replaceHours\" is -1, not a number from 0 to 8760"});
    EXPECT_EQ(m.PlanAssumptions.replaceHours, 0);
    ASSERT_TRUE(s.program.planDocument()->open("/plans/old.spindex"));
    EXPECT_EQ(m.PlanAssumptions, Assumptions{});
    EXPECT_FALSE(s.program.planDocument()->modified());
    EXPECT_EQ(s.host.files["/plans/old.spindex"], osprey(""));
}

} // namespace
} // namespace spindex
