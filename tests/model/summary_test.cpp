// The plan summary: per set the drives of all its spans, the raw capacity (drives times drive size),
// the usable capacity shown on its tab, the efficiency to one decimal (halves to the even
// neighbour), and the drive failures it survives at least and at most by RAID level; for the plan
// the sums, the spares (local, and global while "Yes" is chosen), the slots and the fewest failures
// any set survives. Numbers as the program writes them: 436.8 + 728 + 291.2 is 1456. The summary
// window saves the summary as CSV (RFC 4180, CR LF).

#include "appinfo.h"
#include "summary/summary.h"
#include "summary/summarycsv.h"
#include "summary/summaryform.h"
#include "testsession.h"

namespace spindex {
namespace {

using test::Strings;

std::string summaryText(test::Session& s) {
    return summaryJson(s.main()).dump();
}

std::string totalText(test::Session& s) {
    return summaryJson(s.main())["total"].dump();
}

// One set of each RAID level on a fresh plan, with the figures worked out by hand. RAID 5, 10 and 0
// have theirs in the three-set CSV below, and the total of sets in the test that follows.
TEST(Summary, OneSetOfEachLevel) {
    const struct {
        const char* name;
        int controller;
        const char* configuration;
        const char* set;
    } rows[] = {
        // 4 drives x 2 spans of 9.1: a whole side of four drives may fail.
        {"Raid0Plus1", 5, "add 0+1 4 2 9.1 lp",
         R"({"set":0,"level":"0+1","drives":8,"rawGB":72.8,"usableGB":36.4,"efficiency":50,"survivesAtLeast":1,"survivesAtMost":4,"localSpare":false})"},
        // 3 x 3 drives of 9.1: 9 / 2 is 4.5, of which the whole part counts.
        {"Raid0Plus1OddDrives", 5, "add 0+1 3 3 9.1 lp",
         R"({"set":0,"level":"0+1","drives":9,"rawGB":81.9,"usableGB":40.95,"efficiency":50,"survivesAtLeast":1,"survivesAtMost":4,"localSpare":false})"},
        // A mirror of two 18.2 drives keeps one.
        {"Raid1", 6, "add 1 2 - 18.2 lp",
         R"({"set":0,"level":"1","drives":2,"rawGB":36.4,"usableGB":18.2,"efficiency":50,"survivesAtLeast":1,"survivesAtMost":1,"localSpare":false})"},
        // 5 x 18.2 = 91 raw, 4 x 18.2 = 72.8 usable.
        {"Raid3", 1, "add 3 5 - 18.2 lp",
         R"({"set":0,"level":"3","drives":5,"rawGB":91,"usableGB":72.8,"efficiency":80,"survivesAtLeast":1,"survivesAtMost":1,"localSpare":false})"},
        // 3 drives x 2 spans of 36.4: 218.4 raw, 4 x 36.4 = 145.6 usable, one parity drive per span.
        {"Raid30", 1, "add 30 3 2 36.4 lp",
         R"({"set":0,"level":"30","drives":6,"rawGB":218.4,"usableGB":145.6,"efficiency":66.7,"survivesAtLeast":1,"survivesAtMost":2,"localSpare":false})"},
        // 4 drives x 3 spans of 18.2: 218.4 raw, 9 x 18.2 = 163.8 usable.
        {"Raid50", 6, "add 50 4 3 18.2 lp",
         R"({"set":0,"level":"50","drives":12,"rawGB":218.4,"usableGB":163.8,"efficiency":75,"survivesAtLeast":1,"survivesAtMost":3,"localSpare":false})"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        test::Session s(row.controller);
        s.run(row.configuration);
        EXPECT_EQ(summaryJson(s.main())["sets"].dump(), std::string("[") + row.set + "]");
    }
}

// The total follows the table: adds, spares local and global, deletes that move sets down with
// their spares, and a controller switch that clears the plan to an empty summary.
TEST(Summary, TotalFollowsTheTable) {
    test::Session s(6);
    MainForm& m = s.main();
    const struct {
        const char* step;
        const char* total;
    } steps[] = {
        {"add 5 12 - 36.4 lp",
         R"({"sets":1,"drives":12,"spares":0,"rawGB":436.8,"usableGB":400.4,"efficiency":91.7,"slotsUsed":12,"slots":48,"slotsFree":36,"survivesAtLeast":1})"},
        // 764.4 / 1164.8 is 65.625 %.
        {"add 10 2 5 72.8",
         R"({"sets":2,"drives":22,"spares":0,"rawGB":1164.8,"usableGB":764.4,"efficiency":65.6,"slotsUsed":27,"slots":48,"slotsFree":21,"survivesAtLeast":1})"},
        // A RAID 0 set survives no failure, and so the plan's weakest set survives none.
        {"add 0 3 - 9.1 lp",
         R"({"sets":3,"drives":25,"spares":0,"rawGB":1192.1,"usableGB":791.7,"efficiency":66.4,"slotsUsed":30,"slots":48,"slotsFree":18,"survivesAtLeast":0})"},
        // A spare is no drive of its set: drives and capacity stay, one more slot is used.
        {"spare 2",
         R"({"sets":3,"drives":25,"spares":1,"rawGB":1192.1,"usableGB":791.7,"efficiency":66.4,"slotsUsed":31,"slots":48,"slotsFree":17,"survivesAtLeast":0})"},
        // Two global spares of 72.8, half height: 3 slot units.
        {"global 2",
         R"({"sets":3,"drives":25,"spares":3,"rawGB":1192.1,"usableGB":791.7,"efficiency":66.4,"slotsUsed":34,"slots":48,"slotsFree":14,"survivesAtLeast":0})"},
        {"delete 0 yes",
         R"({"sets":2,"drives":13,"spares":3,"rawGB":755.3,"usableGB":391.3,"efficiency":51.8,"slotsUsed":22,"slots":48,"slotsFree":26,"survivesAtLeast":0})"},
        // The RAID 0 set has moved to tab 1 with its spare; deleting it takes the spare too.
        {"delete 1 yes",
         R"({"sets":1,"drives":10,"spares":2,"rawGB":728,"usableGB":364,"efficiency":50,"slotsUsed":18,"slots":48,"slotsFree":30,"survivesAtLeast":1})"},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.step);
        s.play(step.step);
        const bool deleting = std::string(step.step).starts_with("delete");
        EXPECT_EQ(s.take(), deleting ? Strings{"Spindex (yes/no): Are You Sure?"} : Strings{});
        EXPECT_EQ(totalText(s), step.total);
    }
    // "No" on the global spare: its count no longer counts.
    m.optGlobHotSpr[1].userClick();
    EXPECT_EQ(totalText(s), R"({"sets":1,"drives":10,"spares":0,"rawGB":728,"usableGB":364,"efficiency":50,)"
                            R"("slotsUsed":15,"slots":48,"slotsFree":33,"survivesAtLeast":1})");
    s.run("global 1; spare 0");
    s.host.answers.push_back(MsgAnswer::Yes);
    m.mnuController[1].userClick();
    s.take();
    EXPECT_EQ(summaryText(s), R"({"sets":[],"total":{"sets":0,"drives":0,"spares":0,"rawGB":0,"usableGB":0,)"
                              R"("efficiency":0,"slotsUsed":0,"slots":12,"slotsFree":12,"survivesAtLeast":0}})");
    // A global spare without sets is a spare all the same.
    s.run("global 2");
    EXPECT_EQ(totalText(s), R"({"sets":0,"drives":0,"spares":2,"rawGB":0,"usableGB":0,"efficiency":0,)"
                            R"("slotsUsed":2,"slots":12,"slotsFree":10,"survivesAtLeast":0})");
}

TEST(Summary, EfficiencyToOneDecimalHalvesToEven) {
    const struct {
        double usable, raw, percent;
    } rows[] = {
        {6.25, 100, 6.2}, {6.35, 100, 6.4}, {93.75, 100, 93.8}, {400.4, 436.8, 91.7}, {1, 3, 33.3},
        {2, 3, 66.7},     {5, 5, 100},      {0, 27.3, 0},       {10, 0, 0}, // no raw capacity, no efficiency
    };
    for (const auto& row : rows)
        EXPECT_EQ(efficiencyPercent(row.usable, row.raw), row.percent) << row.usable << " / " << row.raw;
}

// A tab's fields as the program would never write them still give a summary: what is not a number
// counts as 0, and a level without a row survives nothing.
TEST(Summary, FieldsThatAreNoNumbers) {
    test::Session s(6);
    s.run("add 5 4 - 36.4 lp");
    s.play("field 0 3 big; field 0 0 6");
    EXPECT_EQ(summaryJson(s.main())["sets"][0].dump(),
              R"({"set":0,"level":"6","drives":4,"rawGB":0,"usableGB":109.2,"efficiency":0,)"
              R"("survivesAtLeast":0,"survivesAtMost":0,"localSpare":false})");
}

TEST(SummaryStatusLine, OneLineOfTheTotal) {
    test::Session s(6);
    EXPECT_EQ(summaryStatusLine(planSummary(s.main())),
              "No RAID sets: 0 drives, 0 spares \xc2\xb7 0 GB raw, 0 GB usable (0 %) \xc2\xb7 0 of 48 slots used");
    s.run("add 5 12 - 36.4 lp; spare 0");
    EXPECT_EQ(summaryStatusLine(planSummary(s.main())),
              "1 RAID set: 12 drives, 1 spare \xc2\xb7 436.8 GB raw, 400.4 GB usable (91.7 %) \xc2\xb7 13 of 48 slots "
              "used \xc2\xb7 fewest drive failures a set survives: 1");
    s.run("add 0 1 - 9.1 lp");
    EXPECT_EQ(summaryStatusLine(planSummary(s.main())),
              "2 RAID sets: 13 drives, 1 spare \xc2\xb7 445.9 GB raw, 409.5 GB usable (91.8 %) \xc2\xb7 14 of 48 slots "
              "used \xc2\xb7 fewest drive failures a set survives: 0");
}

TEST(SummaryCsv, FieldsQuotedWhereNeeded) {
    const struct {
        const char *text, *field;
    } rows[] = {{"400.4", "400.4"},
                {"Drive Size, GB", "\"Drive Size, GB\""},
                {"12\" bay", "\"12\"\" bay\""},
                {"two\r\nlines", "\"two\r\nlines\""},
                {"line\nfeed", "\"line\nfeed\""}};
    for (const auto& row : rows)
        EXPECT_EQ(csvField(row.text), row.field);
    EXPECT_EQ(csvRow({"a", "b,c", ""}), "a,\"b,c\",\r\n");
}

// Three sets, a local spare and two global spares, byte for byte.
const char* const ThreeSetPlan = "add 5 12 - 36.4 lp; add 10 2 5 72.8; add 0 3 - 9.1 lp; spare 2; global 2";
const std::string CsvHeader =
    "Logical Drive,RAID Level,Drives,Spans,\"Drive Size, GB\",Drive Height,\"Raw, GB\",\"Usable, GB\","
    "\"Efficiency, %\",Survives at Least,Survives at Most,Spares,Covered,\"Rebuild, h\",\"Repair, h\",URE Probability,"
    "\"MTTDL, h\",Loss Probability,Read IOPS,Write IOPS,Mixed IOPS,\"Read, MB/s\",\"Write, MB/s\"\r\n";
const std::string ThreeSetCsv =
    CsvHeader +
    "0,5,12,1,36.4,Low Profile,436.8,400.4,91.7,1,1,0,Yes,0.337037037037037,0.337037037037037,"
    "0.00319807522822996,26027167.6177494,0.00168144174350491,1800,450,947.368421052632,660,660\r\n"
    "1,10,10,5,72.8,Half Height,728,364,50,1,5,0,Yes,0.674074074074074,0.674074074074074,"
    "0.000582230438039227,171554685.067462,0.000255279586925488,1500,750,1153.84615384615,600,300\r\n"
    "2,0,3,1,9.1,Low Profile,27.3,27.3,100,0,0,1,Yes,,,,333333.333333333,0.123133042550647,450,450,450,180,180\r\n"
    "Total,,25,,,,1192.1,791.7,66.4,0,,3,,,,,,0.124830913106686,,,2551.21457489879,1440,1140\r\n";

TEST(SummaryCsv, EmptyPlanHasTheHeaderAndTheTotal) {
    test::Session s(6);
    EXPECT_EQ(summaryCsv(planSummary(s.main()), planAnalysis(s.main())),
              CsvHeader + "Total,,0,,,,0,0,0,0,,0,,,,,,0,,,0,0,0\r\n");
}

// Plan > "Summary" opens the window; its Save as CSV writes the summary through the dialog.
TEST(SummaryWindow, SavesTheCsvThroughTheDialog) {
    test::Session s(6);
    s.run(ThreeSetPlan);
    s.main().mnuPlanSummary.userClick();
    SummaryForm& summary = *s.program.frmSummary();
    s.host.saveAnswers.push_back("/plans/three.csv");
    summary.mnuSaveCsv.userClick();
    EXPECT_EQ(s.host.saveDialogs, Strings{"CSV Files (*.csv)|*.csv csv"});
    EXPECT_EQ(s.host.files.at("/plans/three.csv"), ThreeSetCsv);
    EXPECT_EQ(s.take(), Strings{});

    // Cancel writes nothing and says nothing.
    s.host.files.clear();
    s.host.saveAnswers.push_back(std::nullopt);
    summary.mnuSaveCsv.userClick();
    EXPECT_TRUE(s.host.files.empty());
    EXPECT_EQ(s.take(), Strings{});
}

} // namespace
} // namespace spindex
