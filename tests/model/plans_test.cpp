// Plans as files: what Save Plan writes, and opening, which rebuilds a plan through the user's own
// actions. Every plan Spindex writes reopens exactly, whatever the running program holds; a file that
// is no plan, or a plan that breaks the controller's rules, is refused with one message and changes
// nothing at all.

#include <random>

#include "outputs/outputforms.h"
#include "plans/plandocument.h"
#include "plans/planjson.h"
#include "plans/planreader.h"
#include "plans/planrebuild.h"
#include "plantext.h"
#include "randomuser.h"
#include "rules/catalogue.h"
#include "testsession.h"

namespace spindex {
namespace {

using test::Strings;

std::string planNow(test::Session& s) {
    return compactJson(savedPlanJson(s.main()));
}

// Everything of the running program that a refused open must leave as it was.
Strings everything(test::Session& s) {
    MainForm& m = s.main();
    Strings all = s.snapshot();
    for (const std::string& text : {planNow(s), s.program.planDocument()->file().value_or("no file"), m.caption,
                                    std::string(s.program.planDocument()->modified() ? "modified" : "not modified")})
        all.push_back(text);
    for (const Form* form : s.program.loadedForms())
        all.push_back(form->name + (form->visible ? " shown" : " hidden"));
    return all;
}

void saveAs(test::Session& s, const std::string& path) {
    s.host.saveAnswers.push_back(path);
    s.main().mnuSavePlanAs.userClick();
}

// Save Plan writes the JSON indented by two blanks a level, one value a line; the whole plan, every
// key in order, compactly.
const std::string OspreyHead = R"({
  "format": "spindex-plan",
  "version": 1,
  "controller": "Arvex Osprey",
  "rules": "Standard",
  "channels": [
    {
      "used": true,
      "storage": "Vault/12 - 12 drives"
    },
    {
)";
const std::string OspreyExample =
    R"({"format":"spindex-plan","version":1,"controller":"Arvex Osprey","rules":"Standard",)"
    R"("channels":[{"used":true,"storage":"Vault/12 - 12 drives"},{"used":true,"storage":"Vault/12 - 12 drives"},)"
    R"({"used":true,"storage":"Vault/12 - 12 drives"},{"used":true,"storage":"Vault/12 - 12 drives"}],)"
    R"("sets":[{"level":"5","drives":12,"spans":1,"driveSize":"36.4","height":"low profile","localSpare":false,)"
    R"("capacityGB":400.4}],"globalSpares":null,"calculator":{"level":"5","drives":12,"spans":1,"driveSize":"36.4",)"
    R"("height":"low profile","sets":1},"assumptions":{"mtbfHours":1000000,"bitErrorRate":1e-15,"driveIops":150,)"
    R"("driveMBps":60,"rebuildMBps":30,"replaceHours":24,"readPercent":70,"years":5},"proposal":{"customer":"",)"
    R"("preparedBy":"","currency":"","prices":{}},"summary":{"sets":[{"set":0,"level":"5","drives":12,)"
    R"("rawGB":436.8,"usableGB":400.4,"efficiency":91.7,"survivesAtLeast":1,"survivesAtMost":1,)"
    R"("localSpare":false}],"total":{"sets":1,"drives":12,"spares":0,"rawGB":436.8,"usableGB":400.4,)"
    R"("efficiency":91.7,"slotsUsed":12,"slots":48,"slotsFree":36,"survivesAtLeast":1}},)"
    R"("analysis":{"assumptions":{"mtbfHours":1000000,"bitErrorRate":1e-15,"driveIops":150,"driveMBps":60,)"
    R"("rebuildMBps":30,"replaceHours":24,"readPercent":70,"years":5},"sets":[{"set":0,"level":"5","covered":false,)"
    R"("rebuildHours":0.337037037037037,"repairHours":24.337037037037,"ureProbability":0.00319807522822996,)"
    R"("mttdlHours":24044593.1249257,"lossProbability":0.00181995721902376,"readIops":1800,"writeIops":450,)"
    R"("mixedIops":947.368421052632,"readMBps":660,"writeMBps":660}],"total":{"sets":1,"uncovered":1,)"
    R"("lossProbability":0.00181995721902376,"mixedIops":947.368421052632,"readMBps":660,"writeMBps":660}},)"
    R"("bom":{"currency":"","items":[{"item":"Arvex Osprey","kind":"controller","quantity":1,"unitPrice":null,)"
    R"("price":null},{"item":"Vault/12 - 12 drives","kind":"enclosure","quantity":4,"unitPrice":null,"price":null},)"
    R"({"item":"36.4 GB low profile drive","kind":"drive","quantity":12,"unitPrice":null,"price":null}],)"
    R"("total":{"price":0,"complete":false,"usableGB":400.4,"costPerUsableTB":null}},"driveTypes":[]})";

TEST(PlanFile, WrittenWithEveryKeyInOrder) {
    test::Session s(6);
    s.run("add 5 12 - 36.4");
    saveAs(s, "/plans/osprey.spindex");
    EXPECT_EQ(s.host.saveDialogs, Strings{"Spindex Plans (*.spindex)|*.spindex spindex"});
    const std::string& file = s.host.files["/plans/osprey.spindex"];
    EXPECT_EQ(file.substr(0, OspreyHead.size()), OspreyHead);
    EXPECT_EQ(file.substr(file.size() - 21), "  \"driveTypes\": []\n}\n");
    EXPECT_EQ(compactJson(nlohmann::ordered_json::parse(file)), OspreyExample);

    // Spares, heights, spans, the channels the Lark lacks, another rule set.
    test::Session lark(1);
    lark.run("add 10 2 2 72.8; add 1 2 - 36.4 lp; add 0 1 - 9.1; spare 1; global; globalsize 18.2; globalhh");
    lark.main().mnuRules[3].userClick();
    nlohmann::ordered_json larkPlan = savedPlanJson(lark.main());
    // Its summary, figures and bill, and the keys a new plan writes as the Osprey's, are checked
    // above and in tests of their own.
    for (const char* key : {"assumptions", "proposal", "summary", "analysis", "bom"})
        larkPlan.erase(key);
    EXPECT_EQ(
        compactJson(larkPlan),
        R"({"format":"spindex-plan","version":1,"controller":"Arvex Lark","rules":"Microsoft Clustering Services",)"
        R"("channels":[{"used":true,"storage":"Vault/12 - 12 drives"},{"used":false,"storage":"Vault/12 - 12 drives"},)"
        R"({"used":false,"storage":"Vault/12 - 12 drives"},{"used":false,"storage":"Vault/12 - 12 drives"}],)"
        R"("sets":[{"level":"10","drives":2,"spans":2,"driveSize":"72.8","height":"half height","localSpare":false,)"
        R"("capacityGB":145.6},{"level":"1","drives":2,"spans":1,"driveSize":"36.4","height":"low profile",)"
        R"("localSpare":true,"capacityGB":36.4},{"level":"0","drives":1,"spans":1,"driveSize":"9.1",)"
        R"("height":"low profile","localSpare":false,"capacityGB":9.1}],)"
        R"("globalSpares":{"count":1,"driveSize":"18.2","height":"half height"},)"
        R"("calculator":{"level":"0","drives":1,"spans":1,"driveSize":"9.1","height":"low profile","sets":1},)"
        R"("driveTypes":[]})");
}

// The plan now held reopens exactly in a fresh program of another controller.
void expectReopens(test::Session& s, int otherController) {
    const std::string saved = planNow(s);
    saveAs(s, "/plans/p.spindex");
    test::Session other(otherController);
    other.host.files = s.host.files;
    EXPECT_TRUE(other.program.planDocument()->open("/plans/p.spindex"));
    EXPECT_EQ(other.take(), Strings{});
    EXPECT_EQ(planNow(other), saved);
    other.program.settle();
    EXPECT_FALSE(other.program.planDocument()->modified());
    EXPECT_EQ(other.main().caption, "p.spindex - Spindex (Beta 1.1.7)");
}

// Two states the rebuild must reach by an unusual way.
TEST(PlanFile, RebuiltFromUnusualStates) {
    // Right after the set-up the Finch's drives list runs to 28; a RAID 0 set of 20 drives taken from
    // it before any level is picked.
    test::Session finch(3);
    finch.pick(finch.main().cmbMaxDrives, "20");
    finch.main().cmdAddLogicals.userClick();
    ASSERT_EQ(finch.tab(0), "0,20,1,18.2,364,LP 0/");
    expectReopens(finch, 6);

    // The global spares stay on with a count of 0 while the sets and local spares fill every slot:
    // the rebuild switches them on before the sets take the slots.
    test::Session full(1);
    full.run("global 0; add 0 8 - 9.1; add 0 3 - 9.1; spare 0");
    ASSERT_EQ(full.totals()[3], "12");
    ASSERT_TRUE(full.main().optGlobHotSpr[0].value());
    expectReopens(full, 2);
}

// A plan that fails half way through its replay into the running program is taken back: the program
// holds the plan it held before, as if nothing had been tried.
TEST(PlanFile, AHalfAppliedPlanIsTakenBack) {
    test::Session s(4);
    s.run("storage 1 5; add 50 3 2 18.2; add 5 3 - 36.4 hh; spare 1; global 1");
    s.main().mnuRules[2].userClick();
    const std::string before = planNow(s);
    std::string reason;
    std::optional<Plan> plan = readPlan(OspreyExample, reason);
    ASSERT_TRUE(plan);
    const auto twelve = plan->sets.front();
    plan->sets.assign(5, twelve); // 48 slots of 48, then a fifth set of 12
    EXPECT_EQ(replayPlan(s.main(), *plan),
              "logical drive 4 cannot be added: To many drives selected. You have 0 Low Profile drive spaces "
              "available, and have selected 12 total low profile drive slots to add.");
    EXPECT_EQ(planNow(s), before);
    EXPECT_EQ(s.take(), Strings{});
}

// The bad inputs: each gives its one message and changes nothing. The running program holds a
// modified plan with a file and shows the report, all of which must stay.
struct BadPlan {
    const char* name;
    std::string bytes;
    std::string reason;
};

const std::string Channels = R"("channels":[{"used":true,"storage":"Vault/12 - 12 drives"},)"
                             R"({"used":true,"storage":"Vault/12 - 12 drives"},)"
                             R"({"used":true,"storage":"Vault/12 - 12 drives"},)"
                             R"({"used":true,"storage":"Vault/12 - 12 drives"}])";
const std::string LarkChannels =
    R"("channels":[{"used":true,"storage":"Vault/12 - 12 drives"},)"
    R"({"used":false,"storage":""},{"used":false,"storage":""},{"used":false,"storage":""}])";
const std::string HeronChannels =
    R"("channels":[{"used":true,"storage":"Vault/12 - 12 drives"},{"used":true,"storage":"Vault/12 - 12 drives"},)"
    R"({"used":true,"storage":"Vault/12 - 12 drives"},{"used":false,"storage":""}])";
std::string plan(const std::string& controller, const std::string& sets, const std::string& rest = "",
                 const std::string& channels = Channels) {
    return test::planText(controller, channels, sets, rest);
}
std::string set(const std::string& level, int drives, int spans, const std::string& size,
                const std::string& height = "low profile") {
    return test::setText(level, drives, spans, size, height);
}
std::string repeated(const std::string& item, int times) {
    std::string all;
    for (int i = 0; i < times; ++i)
        all += (i ? "," : "") + item;
    return all;
}

TEST(PlanFile, BadInputIsRefusedAndChangesNothing) {
    const std::string five = set("5", 3, 1, "18.2");
    const BadPlan rows[] = {
        {"empty", "", "the file is empty"},
        {"one byte past 1 MiB", std::string(1024 * 1024 + 1, ' '), "it is larger than the limit"},
        {"not UTF-8", "{\"format\":\"spindex-plan\",\n\"controller\":\"Arvex L\xe4rk\"}",
         "it is not UTF-8 text: the byte at line 2, column 22 is not UTF-8"},
        {"overlong UTF-8", "{\"format\":\"\xc0\xaf\"}",
         "it is not UTF-8 text: the byte at line 1, column 12 is not UTF-8"},
        {"truncated over lines", "{\n  \"format\": \"spindex-plan\",\n  \"sets\": [\n    {\"level\": \"5\",",
         "it is not valid JSON: line 4, column 19: unexpected end of input; expected string literal"},
        {"text after the object", plan("Arvex Osprey", "") + " x",
         "it is not valid JSON: line 1, column 278: invalid literal; expected end of input"},
        {"array", "[" + plan("Arvex Osprey", "") + "]",
         "it is not a Spindex plan: the JSON is an array, not an object"},
        {"another program's JSON", R"({"name":"spindex","version":"1.1.7","dependencies":{"qt":"6"}})",
         "it is not a Spindex plan: the key \"format\" is missing"},
        {"another format", R"({"format":"spindex-summary","version":1})",
         "it is not a Spindex plan: \"format\" is \"spindex-summary\", not \"spindex-plan\""},
        {"version 2", R"({"format":"spindex-plan","version":2,"controller":"Arvex Osprey"})",
         "its version 2 is newer than this program understands (it reads plans of version 1)"},
        {"version 0", R"({"format":"spindex-plan","version":0})", "\"version\" is 0, not 1"},
        {"version as text", R"({"format":"spindex-plan","version":"1"})", "\"version\" is \"1\", not 1"},
        {"missing sets", R"({"format":"spindex-plan","version":1,"controller":"Arvex Osprey",)" + Channels + "}",
         "the key \"sets\" is missing"},
        {"drives as text", plan("Arvex Osprey", R"({"level":"5","drives":"12","spans":1})"),
         "logical drive 0: \"drives\" is \"12\", not a whole number"},
        {"height unknown", plan("Arvex Osprey", set("5", 3, 1, "18.2", "tall")),
         "logical drive 0: \"height\" is \"tall\", not \"half height\" or \"low profile\""},
        {"set no object", plan("Arvex Osprey", five + ",5"), "logical drive 1 is 5, not an object"},
        {"9 sets", plan("Arvex Osprey", repeated(five, 9)), "\"sets\" holds 9 logical drives; a plan has at most 8"},
        {"three channels",
         R"({"format":"spindex-plan","version":1,"controller":"Arvex Osprey","channels":[{},{},{}],"sets":[]})",
         "\"channels\" is [{},{},{}], not a list of 4 channels"},
        {"channel used as text", plan("Arvex Osprey", "", "", R"("channels":[{"used":"yes","storage":""},{},{},{}])"),
         "channel 0: \"used\" is \"yes\", not true or false"},
        // An empty entry would open with whatever the set-up leaves: another plan than the file.
        {"used channel without storage",
         plan("Arvex Osprey", "", "",
              R"("channels":[{"used":true,"storage":"Vault/12 - 12 drives"},{"used":true,"storage":""},)"
              R"({"used":false,"storage":""},{"used":true,"storage":"Vault/12 - 12 drives"}])"),
         "channel 1: \"storage\" is \"\", not a storage entry for a channel in use"},
        {"unknown controller", plan("Arvex Eagle", ""), "controller \"Arvex Eagle\" is not in the controller list"},
        {"unknown rule set", plan("Arvex Osprey", "", R"(,"rules":"Strict")"),
         "rules \"Strict\" is not an item of the Rules menu"},
        {"unknown storage",
         plan("Arvex Osprey", "", "",
              R"("channels":[{"used":true,"storage":"Vault/24"},{"used":true,"storage":"Vault/12 - 12 drives"},)"
              R"({"used":true,"storage":"Vault/12 - 12 drives"},{"used":true,"storage":"Vault/12 - 12 drives"}])"),
         "channel 0: storage \"Vault/24\" is not a storage entry"},
        {"level the controller lacks", plan("Arvex Osprey", repeated(five, 3) + "," + set("30", 3, 2, "18.2")),
         "logical drive 3: level \"30\" is not offered by the Arvex Osprey"},
        {"72.8 at low profile", plan("Arvex Osprey", set("5", 3, 1, "72.8")),
         "logical drive 0: height \"low profile\" but \"72.8\" drives are half height only"},
        {"spans for a single-span level", plan("Arvex Osprey", set("5", 3, 2, "18.2")),
         "logical drive 0: spans 2 is not offered for level \"5\""},
        {"more than 48 drives", plan("Arvex Osprey", set("50", 16, 4, "9.1")),
         "logical drive 0: spans 4 rebuilds as 3: No more than 48 drives total are allowed, Reducing the Number of "
         "Spans"},
        {"set that does not fit the slots",
         plan("Arvex Lark", set("0", 8, 1, "18.2") + "," + set("5", 8, 1, "18.2"), "", LarkChannels),
         "logical drive 1 cannot be added: To many drives selected. You have 4 Low Profile drive spaces available, "
         "and have selected 8 total low profile drive slots to add."},
        {"spans that need more logical drives than are free",
         plan("Arvex Heron", repeated(set("50", 3, 4, "9.1"), 3), "", HeronChannels),
         "logical drive 2 cannot be added: No more Logical Drives Free. You have 0 free logical drives, and you have "
         "selected 1 Raid sets and 4 Spans. This would require 4 free logical drives"},
        {"used channel the controller lacks",
         plan("Arvex Lark", "", "",
              R"("channels":[{"used":true,"storage":"Vault/12 - 12 drives"},{"used":false,"storage":""},)"
              R"({"used":true,"storage":"Vault/12 - 12 drives"},{"used":false,"storage":""}])"),
         "channel 2: used true, but the Arvex Lark has no channel 2"},
        {"global spare count 7",
         plan("Arvex Osprey", five, R"(,"globalSpares":{"count":7,"driveSize":"18.2","height":"low profile"})"),
         "global spares: count 7 rebuilds as 4"},
        {"global spares of 9.1 at half height",
         plan("Arvex Osprey", five, R"(,"globalSpares":{"count":1,"driveSize":"9.1","height":"half height"})"),
         "global spares: height \"half height\" but \"9.1\" drives are low profile only"},
        {"global spares without a size",
         plan("Arvex Osprey", five, R"(,"globalSpares":{"count":1,"driveSize":null,"height":"low profile"})"),
         "global spares: driveSize null rebuilds as \"9.1\""},
        {"calculator with two sets",
         plan("Arvex Osprey", five,
              R"(,"calculator":{"level":"5","drives":3,"spans":1,"driveSize":"18.2","height":"low profile","sets":2})"),
         "calculator: sets 2 is not offered"},
    };
    for (const BadPlan& row : rows) {
        SCOPED_TRACE(row.name);
        test::Session s(2);
        s.run("add 5 4 - 36.4; spare 0");
        saveAs(s, "/plans/kept.spindex");
        s.run("add 1 2; global 1");
        s.main().cmdDataReport.userClick();
        s.program.focus(&s.main());
        s.program.settle();
        ASSERT_EQ(s.main().caption, "kept.spindex* - Spindex (Beta 1.1.7)");
        const Strings before = everything(s);
        s.host.files["/plans/bad.spindex"] = row.bytes;
        s.host.answers.push_back(MsgAnswer::No);
        s.host.openAnswers.push_back("/plans/bad.spindex");
        s.main().mnuOpenPlan.userClick();
        s.program.settle();
        EXPECT_EQ(s.take(), (Strings{"Spindex (icon) (yes/no/cancel): Save the changes to kept.spindex?",
                                     "Spindex (critical): Could not open the plan /plans/bad.spindex: " + row.reason}));
        EXPECT_EQ(everything(s), before);
    }
}

// "calculator": null is read as a plan without the key: both open to the same program.
TEST(PlanFile, NullCalculatorReadsAsAbsent) {
    const std::string sets = set("5", 3, 1, "18.2") + "," + set("1", 2, 1, "72.8", "half height");
    std::string reason;
    const std::optional<Plan> absent = readPlan(plan("Arvex Osprey", sets), reason);
    ASSERT_TRUE(absent) << reason;
    EXPECT_FALSE(absent->calculator);
    EXPECT_EQ(readPlan(plan("Arvex Osprey", sets, R"(,"calculator":null)"), reason), absent);
}

// A file that cannot be read is refused as any bad input above is ("one byte past 1 MiB").
TEST(PlanFile, CancelledDialogChangesNothing) {
    test::Session s(6);
    const Strings before = everything(s);
    s.host.openAnswers.push_back(std::nullopt);
    s.main().mnuOpenPlan.userClick();
    EXPECT_EQ(s.host.openDialogs, Strings{"Spindex Plans (*.spindex)|*.spindex"});
    EXPECT_EQ(s.take(), Strings{});
    EXPECT_EQ(everything(s), before);
}

// A value of the JSON, chosen at random, is changed: another value of its kind, a value of another
// kind, or the key or item gone.
class Mutator {
public:
    explicit Mutator(unsigned seed) : rng(seed) {}

    std::string mutate(nlohmann::ordered_json json, std::string& what) {
        std::vector<nlohmann::ordered_json::json_pointer> paths;
        collect(json, nlohmann::ordered_json::json_pointer(), paths);
        const auto& path = paths[pick(paths.size())];
        nlohmann::ordered_json& value = json[path];
        what = path.to_string() + " " + value.dump();
        switch (pick(6)) {
        case 0: // gone
            if (nlohmann::ordered_json& parent = json[path.parent_pointer()]; parent.is_object())
                parent.erase(path.back());
            else
                parent.erase(std::stoul(path.back()));
            what += " removed";
            return json.dump(2);
        case 1: // another kind
            value = Others[pick(std::size(Others))];
            break;
        default: // another value of its kind
            if (value.is_string())
                value = Texts[pick(std::size(Texts))];
            else if (value.is_boolean())
                value = !value.get<bool>();
            else if (const double step = Steps[pick(std::size(Steps))]; value.is_number_integer() && step == 1e9)
                value = 1000000000;
            else if (value.is_number_integer() && step != 0.5)
                value = value.get<std::int64_t>() + static_cast<std::int64_t>(step);
            else if (value.is_number())
                value = value.get<double>() + step;
            else
                value = Others[pick(std::size(Others))];
        }
        what += " -> " + value.dump();
        return json.dump(2);
    }

private:
    void collect(const nlohmann::ordered_json& json, const nlohmann::ordered_json::json_pointer& at,
                 std::vector<nlohmann::ordered_json::json_pointer>& paths) {
        if (json.is_object())
            for (const auto& [key, value] : json.items()) {
                paths.push_back(at / key);
                collect(value, at / key, paths);
            }
        else if (json.is_array())
            for (size_t i = 0; i < json.size(); ++i) {
                paths.push_back(at / i);
                collect(json[i], at / i, paths);
            }
    }
    size_t pick(size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(rng); }

    inline static const nlohmann::ordered_json Others[] = {
        nullptr, 0, 1, "1", true, "", nlohmann::ordered_json::array(), nlohmann::ordered_json::object()};
    // clang-format off
    inline static const char* const Texts[] = {
        "", "0", "1", "5", "10", "30", "50", "0+1", "9.1", "18.2", "36.4", "72.8", "40", "half height",
        "low profile", "tall", "Arvex Lark", "Arvex Osprey", "Keel Embedded", "Marathon", "Standard",
        "Vault/12 - 6 drives", "2 lp drives Internal Storage", "spindex-plan"
    };
    // clang-format on
    inline static const double Steps[] = {1, -1, 2, -2, 4, 8, 0.5, -100, 1e9};
    std::mt19937 rng;
};

// Whatever a user builds, Save Plan writes a plan that opens in a program another user is busy with
// and gives back exactly the same plan. A thousand of them, each then with one value changed at
// random: each either opens and gives exactly the plan the file describes, or is refused with its
// message and changes nothing.
TEST(PlanFile, EveryPlanReopensAndEveryMutationOpensExactlyOrChangesNothing) {
    int opened = 0, refused = 0;
    Mutator mutator(20240611);
    for (int controller = 1; controller <= 8; ++controller)
        for (unsigned seed : {5u, 17u, 99u, 1234u, 777u}) {
            SCOPED_TRACE("controller " + std::to_string(controller) + ", seed " + std::to_string(seed));
            test::Session s(controller);
            test::RandomUser user(s, seed);
            test::Session target(controller % 8 + 1);
            test::RandomUser other(target, seed * 7);
            for (int round = 0; round < 25; ++round) {
                for (int step = 0; step < 20; ++step) {
                    user.step();
                    other.step();
                }
                s.program.collectUnloaded();
                target.program.collectUnloaded();
                target.program.focus(&target.main());
                const std::string saved = planNow(s);
                target.host.files["/plans/p.spindex"] = planFileText(savedPlanJson(s.main()));
                target.take();
                ASSERT_TRUE(target.program.planDocument()->open("/plans/p.spindex")) << saved << "\n"
                                                                                     << target.take().at(0);
                ASSERT_EQ(planNow(target), saved);
                std::string what;
                // The summary, the figures and the bill are written for readers and ignored when
                // opening: the values that are read are the ones worth changing.
                nlohmann::ordered_json plan = savedPlanJson(s.main());
                plan.erase("summary");
                plan.erase("analysis");
                plan.erase("bom");
                const std::string bytes = mutator.mutate(plan, what);
                SCOPED_TRACE(what);
                target.host.files["/plans/m.spindex"] = bytes;
                const Strings before = everything(target);
                target.take();
                if (target.program.planDocument()->open("/plans/m.spindex")) {
                    ++opened;
                    std::string reason;
                    const std::optional<Plan> file = readPlan(bytes, reason);
                    ASSERT_TRUE(file);
                    EXPECT_EQ(planDifference(*file, capturePlan(target.main())), "");
                    EXPECT_FALSE(target.program.planDocument()->modified());
                    EXPECT_EQ(target.take(), Strings{});
                } else {
                    ++refused;
                    const Strings shown = target.take();
                    const std::string message = "Spindex (critical): Could not open the plan /plans/m.spindex: ";
                    ASSERT_EQ(shown.size(), 1u);
                    EXPECT_EQ(shown[0].rfind(message, 0), 0u) << shown[0];
                    EXPECT_GT(shown[0].size(), message.size());
                    EXPECT_EQ(everything(target), before);
                }
            }
        }
    EXPECT_EQ(opened + refused, 1000);
    // Both ways must have been taken often, or the test proves little.
    EXPECT_GT(opened, 100);
    EXPECT_GT(refused, 500);
}

} // namespace
} // namespace spindex
