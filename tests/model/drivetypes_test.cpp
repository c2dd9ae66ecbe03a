// Drive types of the plan's own beside the built-in sizes: the window's Add and Remove with their
// refusals in order, the size lists and the size and height coupling, capacity, slots and the
// analysis of a type's drives, and the plan file's "driveTypes".

#include "analysis/analysis.h"
#include "drivetypes/drivetypesform.h"
#include "plans/plandocument.h"
#include "plans/planjson.h"
#include "plans/planreader.h"
#include "plantext.h"
#include "testsession.h"

namespace spindex {
namespace {

using test::Strings;

DriveTypesForm& openTypes(test::Session& s) {
    if (!s.program.frmDriveTypes())
        s.main().mnuDriveTypes.userClick();
    return *s.program.frmDriveTypes();
}

// The user fills the boxes of a new type and presses Add; figures in the order of the boxes.
void addType(test::Session& s, const std::string& size, bool halfHeight, bool lowProfile, const Strings& figures = {}) {
    DriveTypesForm& f = openTypes(s);
    f.txtSize.userType(size);
    if (halfHeight != (f.ckHalfHeight.value() != 0))
        f.ckHalfHeight.userClick();
    if (lowProfile != (f.ckLowProfile.value() != 0))
        f.ckLowProfile.userClick();
    for (size_t i = 0; i < figures.size(); ++i)
        f.txtFigure[i].userType(figures[i]);
    f.cmdAdd.userClick();
}

TEST(DriveTypes, ListedSizedAndCoupledLikeTheBuiltInSizes) {
    test::Session s(6);
    addType(s, "1200.0", true, false);
    addType(s, "600.5", false, true);
    EXPECT_EQ(s.take(), Strings{});
    MainForm& m = s.main();
    EXPECT_EQ(m.cmbDriveSize.items(), (Strings{"1200", "600.5", "72.8", "36.4", "18.2", "9.1"}));
    EXPECT_EQ(m.cmbGlobalHotSpareSize.items(), (Strings{"9.1", "18.2", "36.4", "72.8", "600.5", "1200"}));
    const DriveTypesForm& f = *s.program.frmDriveTypes();
    EXPECT_EQ(f.lstDriveTypes.items(), (Strings{"1200", "600.5"})); // in the order added
    EXPECT_EQ(f.txtSize.text(), "");
    EXPECT_EQ(f.ckHalfHeight.value(), 0);
    EXPECT_TRUE(s.program.planDocument()->modified());

    // 1200 is made only half height, 600.5 only low profile: each pick takes its height, as the
    // sets show.
    s.run("add 0 4 - 1200; add 5 3 - 600.5");
    EXPECT_EQ(s.tab(0), "0,4,1,1200,4800,HH 0/");
    EXPECT_EQ(s.tab(1), "5,3,1,600.5,1201,LP 0/");
    s.run("global 1; globalsize 1200");
    EXPECT_EQ(m.optGlobHotSpH[0].value(), true);
    // 4 x 1.5 + 3 + one half-height spare.
    EXPECT_EQ(s.totals(), (Strings{"8", "6001", "4", "10.5"}));

    // Clearing the sets and another controller keep the types.
    s.play("clear yes");
    s.host.answers.push_back(MsgAnswer::Yes);
    m.mnuController[1].userClick();
    s.take();
    EXPECT_EQ(m.cmbDriveSize.items(), (Strings{"1200", "600.5", "72.8", "36.4", "18.2", "9.1"}));
}

// The figure boxes are checked in one loop with the assumptions' own ranges, whose messages the
// assumptions window's test names box by box: the first box and the last are enough here.
TEST(DriveTypes, AddRefusesTheFirstThingWrongAndChangesNothing) {
    const char* const sizeRule = "The drive size must be a number from 1 to 100000 GB with at most two decimals";
    const struct {
        const char *name, *size;
        bool halfHeight, lowProfile;
        Strings figures;
        const char* message;
    } rows[] = {
        {"NoNumber", "big", true, true, {}, sizeRule},
        {"BelowOne", "0.5", true, true, {}, sizeRule},
        {"AboveTheLargest", "100000.01", true, true, {}, sizeRule},
        {"ThreeDecimals", "12.345", true, true, {}, sizeRule},
        {"BuiltInSize", "36.40", false, false, {}, "There is already a 36.4 GB drive"},
        {"TypeAlreadyThere", "800", true, true, {}, "There is already a 800 GB drive"},
        {"NoHeight", "900", false, false, {"5"}, "Choose at least one height"},
        {"Mtbf", "900", true, false, {"500"}, "Drive MTBF (hours) must be a number from 1000 to 100000000"},
        {"MBps",
         "900",
         true,
         false,
         {"", "", "", "fast"},
         "Sequential MB/s, one drive must be a number from 1 to 100000"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        test::Session s(6);
        addType(s, "800", true, true);
        const Strings sizes = s.main().cmbDriveSize.items();
        addType(s, row.size, row.halfHeight, row.lowProfile, row.figures);
        EXPECT_EQ(s.take(), Strings{std::string("Spindex (icon): ") + row.message});
        EXPECT_EQ(s.main().cmbDriveSize.items(), sizes);
        EXPECT_EQ(s.program.frmDriveTypes()->lstDriveTypes.items(), Strings{"800"});
        EXPECT_EQ(s.program.frmDriveTypes()->txtSize.text(), row.size); // the boxes stay for a correction
    }
}

TEST(DriveTypes, RemoveRefusesASizeInUse) {
    test::Session s(6);
    addType(s, "1200", true, false);
    s.run("add 0 2 - 1200; calc 0 2 - 36.4");
    DriveTypesForm& f = openTypes(s);
    f.cmdRemove.userClick(); // nothing selected: nothing happens
    EXPECT_EQ(s.take(), Strings{});
    f.lstDriveTypes.userPick(0);
    f.cmdRemove.userClick();
    s.play("delete 0 yes; global 1; globalsize 1200");
    f.cmdRemove.userClick();
    s.play("globalsize 9.1; calc 0 2 - 1200");
    f.cmdRemove.userClick();
    EXPECT_EQ(s.take(), (Strings{"Spindex (icon): 1200 GB drives are in use by logical drive 0",
                                 "Spindex (yes/no): Are You Sure?",
                                 "Spindex (icon): 1200 GB drives are in use by the global hot spares",
                                 "Spindex (icon): 1200 GB drives are selected in the calculator"}));
    s.run("calc 0 2 - 36.4");
    f.cmdRemove.userClick();
    EXPECT_EQ(s.take(), Strings{});
    EXPECT_EQ(f.lstDriveTypes.items(), Strings{});
    EXPECT_EQ(s.main().cmbDriveSize.items(), (Strings{"72.8", "36.4", "18.2", "9.1"}));
}

// A type's own figures replace the plan's assumptions for its drives only.
TEST(DriveTypes, OwnFiguresInTheAnalysisOfItsSets) {
    test::Session s(6);
    addType(s, "1200", true, false, {"", "", "200", "100"});
    s.run("add 0 4 - 1200; add 0 2 - 36.4");
    const PlanAnalysis analysis = planAnalysis(s.main());
    ASSERT_EQ(analysis.sets.size(), 2u);
    EXPECT_EQ(analysis.sets[0].readIops, 800); // 4 x 200
    EXPECT_EQ(analysis.sets[0].readMBps, 400); // 4 x 100
    EXPECT_EQ(analysis.sets[1].readIops, 300); // 2 x 150, the plan's
    EXPECT_EQ(analysis.sets[1].readMBps, 120);
}

TEST(DriveTypes, PlanFileWritesThemAndOpensThemFirst) {
    test::Session s(6);
    addType(s, "1200", true, false, {"1500000"});
    addType(s, "3840", true, true);
    s.run("add 5 4 - 3840 lp; spare 0");
    EXPECT_EQ(compactJson(savedPlanJson(s.main())["driveTypes"]),
              R"([{"size":"1200","heights":["half height"],"mtbfHours":1500000},)"
              R"({"size":"3840","heights":["half height","low profile"]}])");
    s.host.saveAnswers.push_back("/p/types.spindex");
    s.main().mnuSavePlanAs.userClick();

    test::Session fresh(1);
    fresh.host.files = s.host.files;
    fresh.host.openAnswers.push_back("/p/types.spindex");
    fresh.host.answers.push_back(MsgAnswer::No);
    fresh.main().mnuOpenPlan.userClick();
    EXPECT_EQ(fresh.take(), Strings{});
    EXPECT_EQ(compactJson(savedPlanJson(fresh.main())), compactJson(savedPlanJson(s.main())));
    EXPECT_EQ(fresh.tab(0), "5,4,1,3840,11520,LP 1/3840");
    EXPECT_FALSE(fresh.program.planDocument()->modified());
}

TEST(DriveTypes, BadEntriesAndUnknownSizesRefuseThePlan) {
    const std::string channels =
        R"("channels":[{"used":true,"storage":"Vault/12 - 12 drives"},)"
        R"({"used":false,"storage":""},{"used":false,"storage":""},{"used":false,"storage":""}])";
    const struct {
        const char* types;
        const char* reason;
    } rows[] = {
        {R"([{"size":"1200","heights":[]}])", R"(driveTypes: entry 0: "heights" is [], not one or both heights)"},
        {R"([{"size":"1200","heights":["low profile","half height"]}])",
         R"(driveTypes: entry 0: "heights" is ["low profile","half height"], not one or both heights)"},
        {R"([{"size":"1200.0","heights":["half height"]}])",
         R"(driveTypes: entry 0: "size" is "1200.0", not a size from 1 to 100000 GB with at most two decimals, as the program writes it)"},
        {R"([{"size":"1200","heights":["half height"]},{"size":"36.4","heights":["half height"]}])",
         R"(driveTypes: entry 1: "size" is "36.4", not a size the list does not hold yet)"},
        {R"([{"size":"1200","heights":["half height"],"mtbfHours":5}])",
         R"(driveTypes: entry 0: "mtbfHours" is 5, not a number from 1000 to 100000000)"},
        {R"({"size":"1200"})", R"("driveTypes" is {"size":"1200"}, not a list of drive types)"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.types);
        std::string reason;
        EXPECT_FALSE(
            readPlan(test::planText("Arvex Lark", channels, "", std::string(",\"driveTypes\":") + row.types), reason));
        EXPECT_EQ(reason, row.reason);
    }

    // A size that is neither built in nor one of the plan's types, as an unknown size always was.
    test::Session s(1);
    s.host.files["/p/x.spindex"] = test::planText("Arvex Lark", channels, test::setText("0", 2, 1, "1800"));
    s.host.openAnswers.push_back("/p/x.spindex");
    s.main().mnuOpenPlan.userClick();
    EXPECT_EQ(s.take(), Strings{"Spindex (critical): Could not open the plan /p/x.spindex: logical drive 0: "
                                "driveSize \"1800\" is not a drive size"});
}

// Use for New Plans keeps the list; a plan of a later start begins with it, as a fresh plan.
TEST(DriveTypes, KeptForNewPlans) {
    test::Session s(6);
    addType(s, "1200", true, false);
    openTypes(s).cmdSaveDefault.userClick();
    EXPECT_EQ(s.host.newTypes, R"([{"size":"1200","heights":["half height"]}])");

    test::Session next(6, ".", std::nullopt, s.host.newTypes);
    EXPECT_EQ(next.main().cmbDriveSize.items(), (Strings{"1200", "72.8", "36.4", "18.2", "9.1"}));
    EXPECT_FALSE(next.program.planDocument()->modified());
}

} // namespace
} // namespace spindex
