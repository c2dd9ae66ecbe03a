// A plan's file and modified flag: the caption names the file and stars a modified plan; Exit, the
// close box and Open Plan ask before a modified plan is lost; a save that fails keeps the old file,
// the plan's file and its modified flag; the program can start with a plan file.

#include "outputs/outputforms.h"
#include "plans/plandocument.h"
#include "plans/planjson.h"
#include "testsession.h"

namespace spindex {
namespace {

using test::Strings;

std::string planNow(const MainForm& main) {
    return planFileText(savedPlanJson(main));
}

// A session whose plan was saved to /p/a.spindex; modified when asked.
struct Saved : test::Session {
    explicit Saved(bool modified, int controller = 6) : test::Session(controller) {
        run("add 5 4 - 36.4");
        host.saveAnswers.push_back("/p/a.spindex");
        main().mnuSavePlanAs.userClick();
        if (modified)
            run("add 1 2");
        program.settle();
    }
};

TEST(PlanCaption, NamesTheFileAndStarsAModifiedPlan) {
    test::Session s(6);
    const auto caption = [&] {
        s.program.settle();
        return s.main().caption;
    };
    EXPECT_EQ(caption(), "Spindex (Beta 1.1.7)");
    EXPECT_FALSE(s.program.planDocument()->modified());
    // The same controller set up afresh is the same plan; another controller modifies a new plan.
    s.host.answers = {MsgAnswer::Yes, MsgAnswer::Yes};
    s.main().mnuController[6].userClick();
    EXPECT_FALSE(s.program.planDocument()->modified());
    s.main().mnuController[3].userClick();
    EXPECT_TRUE(s.program.planDocument()->modified());
    s.take();
    s.run("add 5 4");
    EXPECT_EQ(caption(), "Spindex (Beta 1.1.7)"); // a new plan is never named, modified or not
    EXPECT_TRUE(s.program.planDocument()->modified());

    s.host.saveAnswers.push_back("/p/first.spindex");
    s.main().mnuSavePlanAs.userClick();
    EXPECT_EQ(caption(), "first.spindex - Spindex (Beta 1.1.7)");
    s.main().mnuRules[1].userClick();
    EXPECT_EQ(caption(), "first.spindex* - Spindex (Beta 1.1.7)");
    // Modified means different from the file, not touched: back to Standard, the star goes.
    s.main().mnuRules[0].userClick();
    EXPECT_EQ(caption(), "first.spindex - Spindex (Beta 1.1.7)");
    // The tab shown and the windows open are no part of the plan.
    s.run("tab 2");
    s.main().cmdDataReport.userClick();
    EXPECT_EQ(caption(), "first.spindex - Spindex (Beta 1.1.7)");

    s.program.focus(&s.main());
    s.run("global 2");
    EXPECT_EQ(caption(), "first.spindex* - Spindex (Beta 1.1.7)");
    s.main().mnuSavePlan.userClick(); // to its file, without a dialog
    EXPECT_EQ(s.host.saveDialogs.size(), 1u);
    EXPECT_EQ(caption(), "first.spindex - Spindex (Beta 1.1.7)");
    EXPECT_EQ(s.host.files["/p/first.spindex"], planNow(s.main()));
    EXPECT_EQ(s.take(), Strings{});
}

// Before an action would discard a modified plan: Exit and the close box ask only for a plan with a
// file; Open Plan asks for any modified plan, before its dialog.
TEST(PlanQuestion, ThreeAnswersAtExitCloseBoxAndOpen) {
    enum class Action { Exit, CloseBox, Open };
    using enum Action;
    constexpr auto Yes = MsgAnswer::Yes, No = MsgAnswer::No, Cancel = MsgAnswer::Cancel;
    const struct {
        const char* name;
        Action action;
        bool withFile, modified;
        std::optional<MsgAnswer> answer; // none: no question comes
        bool goesOn;                     // the program ended, or the open dialog came
        bool savedAgain;                 // the file holds the plan as it is now
    } rows[] = {
        {"exit, yes", Exit, true, true, Yes, true, true},
        {"exit, no", Exit, true, true, No, true, false},
        {"exit, cancel", Exit, true, true, Cancel, false, false},
        {"exit, not modified", Exit, true, false, std::nullopt, true, true},
        {"exit, new plan", Exit, false, true, std::nullopt, true, false},
        {"close box, cancel", CloseBox, true, true, Cancel, false, false},
        {"close box, new plan", CloseBox, false, true, std::nullopt, true, false},
        {"open, yes", Open, true, true, Yes, true, true},
        {"open, cancel", Open, true, true, Cancel, false, false},
        {"open, not modified", Open, true, false, std::nullopt, true, true},
        {"open, new plan, no", Open, false, true, No, true, false},
        {"open, new plan, cancel", Open, false, true, Cancel, false, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        test::Session s(6);
        s.run("add 5 4 - 36.4");
        if (row.withFile) {
            s.host.saveAnswers.push_back("/p/a.spindex");
            s.main().mnuSavePlanAs.userClick();
        }
        const std::string file = row.withFile ? s.host.files.at("/p/a.spindex") : "";
        if (row.modified)
            s.run("add 1 2");
        ASSERT_EQ(s.program.planDocument()->modified(), row.modified);
        s.host.answers.push_back(row.answer.value_or(MsgAnswer::No));
        s.host.openAnswers.push_back(std::nullopt);
        MainForm& main = s.main();
        const std::string now = planNow(main);
        if (row.action == Open)
            main.mnuOpenPlan.userClick();
        else if (row.action == Exit)
            main.mnuClose.userClick();
        else
            s.program.closeRequested(main);
        const std::string name = row.withFile ? "a.spindex" : "the new plan";
        EXPECT_EQ(s.take(), row.answer ? Strings{"Spindex (icon) (yes/no/cancel): Save the changes to " + name + "?"}
                                       : Strings{});
        if (row.action == Open)
            EXPECT_EQ(s.host.openDialogs.size(), row.goesOn ? 1u : 0u);
        else
            EXPECT_EQ(s.program.ended(), row.goesOn);
        if (row.withFile)
            EXPECT_EQ(s.host.files["/p/a.spindex"], row.savedAgain ? now : file);
        else
            EXPECT_EQ(s.host.files.count("/p/a.spindex"), 0u);
        if (!s.program.ended()) {
            EXPECT_EQ(s.program.planDocument()->modified(), row.modified && !row.savedAgain);
        }
    }
}

// Yes for a new plan is Save Plan As: the open goes on once the plan is saved, and not at all when
// the save dialog is cancelled.
TEST(PlanQuestion, YesForANewPlanSavesItFirst) {
    test::Session s(6);
    s.run("add 5 4");
    s.host.answers = {MsgAnswer::Yes, MsgAnswer::Yes};
    s.host.saveAnswers = {std::nullopt, std::string("/p/new.spindex")};
    s.host.openAnswers.push_back(std::nullopt);
    s.main().mnuOpenPlan.userClick();
    EXPECT_TRUE(s.host.openDialogs.empty());
    s.main().mnuOpenPlan.userClick();
    EXPECT_EQ(s.host.openDialogs.size(), 1u);
    EXPECT_EQ(s.host.saveDialogs.size(), 2u);
    EXPECT_EQ(s.program.planDocument()->file(), "/p/new.spindex");
    EXPECT_FALSE(s.program.planDocument()->modified());
}

// Save Plan to the plan's own file fails: the plan keeps its file and stays modified, and Exit,
// waiting for the save after Yes, does not go on.
TEST(PlanSave, FailingSaveKeepsTheOldFileAndTheModifiedFlag) {
    Saved saved(true);
    const std::string old = saved.host.files["/p/a.spindex"];
    saved.host.failingWrites["/p/a.spindex"] = "no permission to write it";
    saved.main().mnuSavePlan.userClick();
    saved.host.answers.push_back(MsgAnswer::Yes);
    saved.main().mnuClose.userClick();
    saved.program.settle();
    EXPECT_EQ(saved.take(),
              (Strings{"Spindex (critical): Could not save the plan to /p/a.spindex: no permission to write it",
                       "Spindex (icon) (yes/no/cancel): Save the changes to a.spindex?",
                       "Spindex (critical): Could not save the plan to /p/a.spindex: no permission to write it"}));
    EXPECT_FALSE(saved.program.ended());
    EXPECT_EQ(saved.host.files["/p/a.spindex"], old);
    EXPECT_EQ(saved.program.planDocument()->file(), "/p/a.spindex");
    EXPECT_EQ(saved.main().caption, "a.spindex* - Spindex (Beta 1.1.7)");
}

// The pictures of the report and the graphic showed the old plan: they close. The new plan shows
// from tab 0.
TEST(PlanOpen, ClosesTheOldPicturesAndShowsTabZero) {
    Saved s(false);
    s.run("add 0 3; add 0 2; tab 2");
    s.main().cmdDataReport.userClick();
    s.main().cmdDisplayGraphic.userClick();
    ASSERT_NE(s.program.frmGraphic(), nullptr);
    ASSERT_NE(s.program.frmLogicalDriveDisplay(), nullptr);
    EXPECT_TRUE(s.program.planDocument()->open("/p/a.spindex"));
    EXPECT_EQ(s.program.frmGraphic(), nullptr);
    EXPECT_EQ(s.program.frmLogicalDriveDisplay(), nullptr);
    EXPECT_EQ(s.main().SSTab1.tab(), 0);
    EXPECT_EQ(s.tab(0), "5,4,1,36.4,109.2,LP 0/");
    EXPECT_EQ(s.tab(1), ",,,,,LP 0/");
}

// A plan never saved is kept once its change has settled, and at Exit; it lets go once it gets a
// file or is cleared back to a fresh plan. A plan with a file is never kept.
TEST(PlanKept, WhileNewAndModifiedAndAtExit) {
    test::Session s(6);
    s.host.keeps = true;
    const auto due = [&] {
        s.program.settle();
        return s.program.keepDue();
    };
    EXPECT_FALSE(due());
    s.run("add 5 4 - 36.4");
    EXPECT_TRUE(due());
    EXPECT_FALSE(s.host.kept);
    s.program.keepPlan();
    EXPECT_TRUE(s.host.kept);
    EXPECT_FALSE(due()); // nothing changed since
    s.program.keepPlan();
    EXPECT_EQ(s.host.keepWrites, 1);

    s.play("clear yes"); // back to a fresh plan; the calculator's inputs alone are not kept
    EXPECT_EQ(s.take(), Strings{"Spindex (yes/no): Are you sure?"});
    EXPECT_FALSE(due());
    EXPECT_FALSE(s.host.kept);

    s.run("add 1 2");
    s.program.settle();
    s.program.keepPlan();
    ASSERT_TRUE(s.host.kept);
    s.host.saveAnswers.push_back("/p/a.spindex");
    s.main().mnuSavePlanAs.userClick();
    EXPECT_FALSE(due());
    EXPECT_FALSE(s.host.kept);
    s.run("add 0 3");
    EXPECT_FALSE(due()); // modified, with a file: Exit asks instead
    EXPECT_EQ(s.host.keepWrites, 2);

    // Exit before the second has passed: the plan is kept on the way out, without a question.
    test::Session quick(6);
    quick.host.keeps = true;
    quick.run("add 5 4 - 36.4");
    quick.main().mnuClose.userClick();
    quick.program.settle();
    EXPECT_TRUE(quick.program.ended());
    EXPECT_EQ(quick.take(), Strings{});
    ASSERT_TRUE(quick.host.kept);

    // Recovered at the next start: as a plan without a file, modified, with its set.
    test::Session next(8, ".", KeptPlan{"/data/unsaved.spindex", "2026-12-07 19:40"});
    next.host.files["/data/unsaved.spindex"] = *quick.host.kept;
    next.program.settle();
    const PlanDocument& plan = *next.program.planDocument();
    EXPECT_EQ(plan.recoveryNote(),
              "An unsaved plan from 2026-12-07 19:40 can be recovered: File, Recover Unsaved Plan.");
    EXPECT_TRUE(next.main().mnuRecover.enabled);
    next.main().mnuRecover.userClick();
    next.program.settle();
    EXPECT_EQ(next.take(), Strings{});
    EXPECT_EQ(next.program.ControllerType, 6);
    EXPECT_EQ(next.tab(0), "5,4,1,36.4,109.2,LP 0/");
    EXPECT_FALSE(plan.file());
    EXPECT_TRUE(plan.modified());
    EXPECT_EQ(plan.recoveryNote(), "");
    EXPECT_FALSE(next.main().mnuRecover.enabled); // the recovered file is gone
    EXPECT_EQ(next.host.kept, quick.host.kept);   // and the plan is kept as this program's own
}

// A kept plan that no longer opens shows why, and the plan in the window stays.
TEST(PlanKept, RecoveringABadFileChangesNothing) {
    test::Session s(6, ".", KeptPlan{"/data/unsaved.spindex", "2026-12-07 19:40"});
    s.host.files["/data/unsaved.spindex"] = "{";
    s.run("add 5 4 - 36.4");
    s.host.answers.push_back(MsgAnswer::No); // the question before the plan in the window goes
    s.main().mnuRecover.userClick();
    const Strings shown = s.take();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[1].rfind("Spindex (critical): Could not open the plan /data/unsaved.spindex: ", 0), 0u) << shown[1];
    EXPECT_EQ(s.tab(0), "5,4,1,36.4,109.2,LP 0/");
}

// `spindex PLAN`: no splash and no selection window; the main window opens with the plan. A plan
// that cannot be opened shows its message, and the program starts as usual.
TEST(PlanAtStart, OpensStraightInTheMainWindow) {
    test::Session source(8);
    source.run("storage 1 6; add 50 3 2 18.2; spare 0; global 1");
    const std::string plan = planNow(source.main());

    test::TestHost host;
    host.files["/p/mast.spindex"] = plan;
    Program program(host);
    program.MainWithPlan("/p/mast.spindex");
    EXPECT_EQ(program.frmSplash(), nullptr);
    EXPECT_EQ(program.frmSelectController(), nullptr);
    ASSERT_NE(program.frmSpindex(), nullptr);
    EXPECT_TRUE(program.frmSpindex()->visible);
    EXPECT_EQ(program.focused(), program.frmSpindex());
    EXPECT_EQ(program.ControllerType, 8);
    EXPECT_EQ(planNow(*program.frmSpindex()), plan);
    EXPECT_EQ(program.frmSpindex()->caption, "mast.spindex - Spindex (Beta 1.1.7)");
    EXPECT_FALSE(program.planDocument()->modified());
    EXPECT_EQ(host.shown, Strings{});

    test::TestHost other;
    other.files["/p/bad.spindex"] = "[]";
    Program fallback(other);
    fallback.MainWithPlan("/p/bad.spindex");
    EXPECT_EQ(other.shown, Strings{"Spindex (critical): Could not open the plan /p/bad.spindex: it is not a Spindex "
                                   "plan: the JSON is an array, not an object"});
    ASSERT_NE(fallback.frmSelectController(), nullptr);
    fallback.advance(5000);
    fallback.frmSelectController()->Command1.userClick();
    EXPECT_EQ(fallback.ControllerType, 6);
    EXPECT_EQ(fallback.planDocument()->file(), std::nullopt);
}

} // namespace
} // namespace spindex
