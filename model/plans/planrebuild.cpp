#include "plans/planrebuild.h"

#include <algorithm>
#include <type_traits>

#include "forms/smallforms.h"
#include "mainform/mainform.h"
#include "rules/catalogue.h"
#include "runtime/program.h"
#include "runtime/quiethost.h"
#include "runtime/quietscope.h"

namespace spindex {

namespace {

std::string yesNo(bool value) {
    return value ? "true" : "false";
}

// A message as one line: the line breaks and double blanks of the program's texts go.
std::string oneLine(const std::string& text) {
    std::string line;
    for (char c : text) {
        const char d = c == '\r' || c == '\n' ? ' ' : c;
        if (d != ' ' || (!line.empty() && line.back() != ' '))
            line += d;
    }
    while (!line.empty() && line.back() == ' ')
        line.pop_back();
    return line;
}

// A field of the wanted plan against the rebuilt one, in words; empty when they agree.
template <class T> std::string differs(const std::string& where, const char* key, const T& wanted, const T& got) {
    if constexpr (std::is_same_v<T, std::string>)
        return wanted == got ? std::string() : where + key + " " + quoted(wanted) + " rebuilds as " + quoted(got);
    else if constexpr (std::is_same_v<T, bool>)
        return wanted == got ? std::string() : where + key + " " + yesNo(wanted) + " rebuilds as " + yesNo(got);
    else
        return wanted == got ? std::string()
                             : where + key + " " + std::to_string(wanted) + " rebuilds as " + std::to_string(got);
}

// The first field of a set that differs; the capacity, written for readers, is not compared.
std::string setDifference(const std::string& where, const PlanSet& a, const PlanSet& b) {
    for (std::string d :
         {differs(where, "level", a.level, b.level), differs(where, "drives", a.drives, b.drives),
          differs(where, "spans", a.spans, b.spans), differs(where, "driveSize", a.driveSize, b.driveSize),
          differs(where, "height", a.height, b.height), differs(where, "localSpare", a.localSpare, b.localSpare)})
        if (!d.empty())
            return d;
    return {};
}

// The calculator's five inputs of a set (or of the calculator itself).
struct Inputs {
    const std::string& level;
    std::int64_t drives;
    std::int64_t spans;
    const std::string& driveSize;
    const std::string& height;
};

// Plays a plan into a main window whose controller has just been set up afresh, with an empty
// table. Every step is a user's action on a control within the user's reach; after each step the
// window must show what the plan asks, else the replay stops with the reason.
class Replay {
public:
    Replay(MainForm& main, const Plan& plan, const QuietHost& shown) : m(main), m_plan(plan), m_shown(shown) {}

    std::string run() {
        // The plan's drive types come first: the sizes of its sets and spares may be among them.
        m.PlanDriveTypes = m_plan.driveTypes;
        m.showDriveSizes();
        // The global spares go on first, with no spare counted, so that they find a free slot
        // whatever the sets take later; their count is typed once the sets and local spares are in.
        const bool played = channelsTheControllerLacks() && globalSparesOn() && channels() && sets() && localSpares() &&
                            globalSpareCount() && calculator() && rules();
        // The assumptions follow no controller rule: the plan's are simply taken.
        m.PlanAssumptions = m_plan.assumptions;
        m.PlanProposal = m_plan.proposal;
        if (!played)
            return m_reason;
        return planDifference(m_plan, capturePlan(m));
    }

    // Sets the controller up as the Controller menu does; its question is answered by the quiet host.
    static bool switchController(MainForm& main, int id) {
        main.mnuController[static_cast<size_t>(id)].userClick();
        return main.program.ControllerType == id;
    }

private:
    bool fail(std::string reason) {
        m_reason = std::move(reason);
        return false;
    }
    // The first message the program showed since the mark, as the end of a reason.
    std::string said(size_t mark) const {
        return m_shown.texts.size() > mark ? ": " + oneLine(m_shown.texts[mark]) : std::string();
    }
    size_t mark() const { return m_shown.texts.size(); }

    bool reach(const Control& control, const std::string& where) {
        std::string why;
        return m.reachable(control, &why) || fail(where + why);
    }

    // A whole-number list (drives, spans, sets) set to the value, as a user picks it; forLevel names
    // the level whose rules filled the list.
    bool pickNumber(ListBox& list, const char* key, std::int64_t value, const std::string& forLevel,
                    const std::string& where) {
        const std::string text = std::to_string(value);
        if (list.text() == text)
            return true;
        const int index = list.indexOf(text);
        if (index < 0 || !m.reachable(list)) {
            std::string offered;
            if (m.reachable(list) && !list.items().empty())
                offered = " (the list holds " + list.items().front() +
                          (list.items().size() > 1 ? " to " + list.items().back() : "") + ")";
            return fail(where + key + " " + text + " is not offered" + forLevel + offered);
        }
        const size_t before = mark();
        list.userPick(index);
        return list.text() == text || fail(where + key + " " + text + " rebuilds as " + list.text() + said(before));
    }

    // A list of texts set to the entry, as a user picks it. An entry already shown is not picked
    // again, as a user would not: a new pick of the RAID level would rebuild the drives list that a
    // controller's set-up leaves (the Finch's "1" to "28"), from which a set may have been added.
    bool pickText(ListBox& list, const char* key, const std::string& text, const std::string& what,
                  const std::string& where) {
        if (list.text() == text)
            return true;
        const int index = list.indexOf(text);
        if (index < 0)
            return fail(where + key + " " + quoted(text) + " is not " + what);
        if (!reach(list, where))
            return false;
        const size_t before = mark();
        list.userPick(index);
        return list.text() == text ||
               fail(where + key + " " + quoted(text) + " rebuilds as " + quoted(list.text()) + said(before));
    }

    // A pair of height options set as the plan says; a drive size of one height only keeps its own.
    bool pickHeight(std::array<OptionButton, 2>& options, const std::string& height, const std::string& size,
                    const std::string& where) {
        OptionButton& wanted = options[height == HalfHeight ? 0 : 1];
        if (wanted.value())
            return true;
        if (!reach(wanted, where))
            return false;
        wanted.userClick();
        return wanted.value() || fail(where + "height " + quoted(height) + " but " + quoted(size) + " drives are " +
                                      (height == HalfHeight ? LowProfile : HalfHeight) + " only");
    }

    bool setCalculator(const Inputs& in, const std::string& where) {
        if (!pickText(m.cmbRaidLevel, "level", in.level, "offered by the " + m_plan.controller, where) ||
            !pickNumber(m.cmbMaxDrives, "drives", in.drives, " for level " + quoted(in.level), where) ||
            !pickNumber(m.cmbNumSpans, "spans", in.spans, " for level " + quoted(in.level), where) ||
            !pickText(m.cmbDriveSize, "driveSize", in.driveSize, "a drive size", where) ||
            !pickHeight(m.optDriveH, in.height, in.driveSize, where))
            return false;
        // A later input may have moved an earlier one.
        const PlanCalculator c = *capturePlan(m).calculator;
        const std::string moved =
            setDifference(where, {in.level, in.drives, in.spans, in.driveSize, in.height, false, {}},
                          {c.level, c.drives, c.spans, c.driveSize, c.height, false, {}});
        return moved.empty() || fail(moved);
    }

    // The storage of a channel this controller does not offer is chosen while a controller that
    // offers every channel is set up; the plan's controller then keeps it through its own set-up.
    bool channelsTheControllerLacks() {
        std::vector<size_t> lacking;
        bool differs = false;
        for (size_t i = 0; i < m_plan.channels.size(); ++i) {
            const std::string& storage = m_plan.channels[i].storage;
            if (m.cmbStorageSel[i].enabled || storage.empty())
                continue;
            lacking.push_back(i);
            differs = differs || m.cmbStorageSel[i].text() != storage;
        }
        if (!differs)
            return true;
        // The other controller's set-up may reset every channel: all of them are chosen again.
        const int home = m.program.ControllerType;
        const auto& catalogue = controllerCatalogue();
        const ControllerRecord& widest = *std::max_element(
            catalogue.begin(), catalogue.end(), [](const auto& a, const auto& b) { return a.channels < b.channels; });
        if (!switchController(m, widest.id))
            return fail("the controller cannot be switched");
        for (size_t i : lacking)
            if (!pickText(m.cmbStorageSel[i], "storage", m_plan.channels[i].storage, "a storage entry",
                          "channel " + std::to_string(i) + ": "))
                return false;
        return switchController(m, home) || fail("the controller cannot be switched");
    }

    bool globalSparesOn() {
        if (!m_plan.globalSpares)
            return true;
        const PlanGlobalSpares& spares = *m_plan.globalSpares;
        const std::string where = "global spares: ";
        OptionButton& yes = m.optGlobHotSpr[0];
        if (!reach(yes, where))
            return false;
        const size_t before = mark();
        yes.userClick();
        if (!yes.value())
            return fail(where + "they cannot be switched on" + said(before));
        std::string why;
        if (!m.Text2.userType("0", &why))
            return fail(where + why);
        if (spares.driveSize &&
            !pickText(m.cmbGlobalHotSpareSize, "driveSize", *spares.driveSize, "a drive size", where))
            return false;
        return pickHeight(m.optGlobHotSpH, spares.height, m.cmbGlobalHotSpareSize.text(), where);
    }

    // Storage before the tick: the list of an unticked channel is out of reach.
    bool channels() {
        for (size_t i = 0; i < m_plan.channels.size(); ++i) {
            const PlanChannel& wanted = m_plan.channels[i];
            const std::string where = "channel " + std::to_string(i) + ": ";
            if (!wanted.storage.empty() &&
                !pickText(m.cmbStorageSel[i], "storage", wanted.storage, "a storage entry", where))
                return false;
            CheckBox& box = m.ckChanUsed[i];
            if ((box.value() != 0) == wanted.used)
                continue;
            if (!m.reachable(box))
                return fail(where + "used " + yesNo(wanted.used) + ", but the " + m_plan.controller +
                            (box.enabled ? " cannot change it" : " has no channel " + std::to_string(i)));
            const size_t before = mark();
            box.userClick();
            if ((box.value() != 0) != wanted.used)
                return fail(where + "used " + yesNo(wanted.used) + " rebuilds as " + yesNo(box.value() != 0) +
                            said(before));
        }
        return true;
    }

    bool sets() {
        for (size_t t = 0; t < m_plan.sets.size(); ++t) {
            const PlanSet& set = m_plan.sets[t];
            const int tab = static_cast<int>(t);
            const std::string where = "logical drive " + std::to_string(t) + ": ";
            if (!setCalculator({set.level, set.drives, set.spans, set.driveSize, set.height}, where) ||
                !reach(m.cmdAddLogicals, where))
                return false;
            const size_t before = mark();
            m.cmdAddLogicals.userClick();
            if (!m.tabHoldsSet(tab))
                return fail("logical drive " + std::to_string(t) + " cannot be added" + said(before));
        }
        return true;
    }

    bool localSpares() {
        for (size_t t = 0; t < m_plan.sets.size(); ++t) {
            if (!m_plan.sets[t].localSpare)
                continue;
            const int tab = static_cast<int>(t);
            const std::string where = "logical drive " + std::to_string(t) + ": ";
            std::string why;
            if (!m.SSTab1.userSelectTab(tab, &why))
                return fail(where + why);
            OptionButton& yes = m.optLocHotSpr[2 * t];
            if (!reach(yes, where))
                return false;
            const size_t before = mark();
            yes.userClick();
            if (!yes.value())
                return fail(where + "the local spare cannot be added" + said(before));
        }
        return true;
    }

    bool globalSpareCount() {
        if (!m_plan.globalSpares)
            return true;
        const std::string where = "global spares: ";
        const std::string count = std::to_string(m_plan.globalSpares->count);
        if (m.Text2.text() == count)
            return true;
        if (!reach(m.Text2, where))
            return false;
        const size_t before = mark();
        std::string why;
        if (!m.Text2.userType(count, &why))
            return fail(where + why);
        return m.Text2.text() == count ||
               fail(where + "count " + count + " rebuilds as " + m.Text2.text() + said(before));
    }

    bool calculator() {
        if (!m_plan.calculator)
            return true;
        const PlanCalculator& c = *m_plan.calculator;
        const std::string where = "calculator: ";
        if (!setCalculator({c.level, c.drives, c.spans, c.driveSize, c.height}, where))
            return false;
        return pickNumber(m.cmbNumRdSets, "sets", c.sets, "", where);
    }

    bool rules() {
        for (size_t i = 0; i < m.mnuRules.size(); ++i) {
            MenuItem& item = m.mnuRules[i];
            if (item.caption != m_plan.rules)
                continue;
            if (item.checked)
                return true;
            if (!reach(item, "rules: "))
                return false;
            item.userClick();
            return item.checked || fail("rules " + quoted(m_plan.rules) + " cannot be chosen");
        }
        return fail("rules " + quoted(m_plan.rules) + " is not an item of the Rules menu");
    }

    MainForm& m;
    const Plan& m_plan;
    const QuietHost& m_shown;
    std::string m_reason;
};

// Sets the running window's controller up afresh and replays the plan in it.
std::string switchAndReplay(MainForm& main, const Plan& plan, const QuietHost& shown) {
    const ControllerRecord* controller = findControllerNamed(plan.controller);
    if (!controller)
        return "controller " + quoted(plan.controller) + " is not in the controller list";
    if (!Replay::switchController(main, controller->id))
        return "the controller cannot be switched";
    return Replay(main, plan, shown).run();
}

} // namespace

std::unique_ptr<ScratchProgram> scratchProgram(const Plan& plan, std::string& reason) {
    auto scratch = std::make_unique<ScratchProgram>();
    Program& program = scratch->program;
    program.Main();
    // The splash hands over; the user picks the plan's controller and configures it.
    program.advance(SplashForm::ShownMs);
    SelectControllerForm* select = program.frmSelectController();
    const int entry = select ? select->cmbSelectCont.indexOf(plan.controller) : -1;
    if (entry < 0) {
        reason = "controller " + quoted(plan.controller) + " is not in the controller list";
        return nullptr;
    }
    select->cmbSelectCont.userPick(entry);
    select->Command1.userClick();
    scratch->main = program.frmSpindex();
    if (!scratch->main) {
        reason = "the controller cannot be configured";
        return nullptr;
    }
    reason = Replay(*scratch->main, plan, scratch->host).run();
    if (!reason.empty())
        return nullptr;
    return scratch;
}

std::optional<Plan> rebuildPlan(const Plan& plan, std::string& reason) {
    const std::unique_ptr<ScratchProgram> scratch = scratchProgram(plan, reason);
    if (!scratch)
        return std::nullopt;
    return capturePlan(*scratch->main);
}

std::string replayPlan(MainForm& main, const Plan& plan) {
    const Plan before = capturePlan(main);
    const QuietScope quiet(main.program);
    std::string reason = switchAndReplay(main, plan, quiet.host());
    if (reason.empty() && capturePlan(main) != plan)
        reason = "it does not rebuild exactly in the running program";
    // The plan the window held before was written by the program itself, so it rebuilds.
    if (!reason.empty())
        switchAndReplay(main, before, quiet.host());
    return reason;
}

std::string planDifference(const Plan& wanted, const Plan& rebuilt) {
    if (std::string d = differs("", "controller", wanted.controller, rebuilt.controller); !d.empty())
        return d;
    if (std::string d = differs("", "rules", wanted.rules, rebuilt.rules); !d.empty())
        return d;
    for (size_t i = 0; i < wanted.channels.size(); ++i) {
        const std::string where = "channel " + std::to_string(i) + ": ";
        const PlanChannel &a = wanted.channels[i], &b = rebuilt.channels[i];
        if (std::string d = differs(where, "used", a.used, b.used); !d.empty())
            return d;
        if (std::string d = differs(where, "storage", a.storage, b.storage); !d.empty() && !a.storage.empty())
            return d;
    }
    for (size_t t = 0; t < std::min(wanted.sets.size(), rebuilt.sets.size()); ++t)
        if (std::string d = setDifference("logical drive " + std::to_string(t) + ": ", wanted.sets[t], rebuilt.sets[t]);
            !d.empty())
            return d;
    if (wanted.sets.size() != rebuilt.sets.size())
        return "the plan has " + std::to_string(wanted.sets.size()) + " logical drives, the rebuild " +
               std::to_string(rebuilt.sets.size());
    const std::string where = "global spares: ";
    if (wanted.globalSpares.has_value() != rebuilt.globalSpares.has_value())
        return where + (wanted.globalSpares ? "they are on in the plan but rebuild off" : "they rebuild on");
    if (wanted.globalSpares) {
        const PlanGlobalSpares &a = *wanted.globalSpares, &b = *rebuilt.globalSpares;
        if (std::string d = differs(where, "count", a.count, b.count); !d.empty())
            return d;
        if (a.driveSize != b.driveSize)
            return where + "driveSize " + (a.driveSize ? quoted(*a.driveSize) : "null") + " rebuilds as " +
                   (b.driveSize ? quoted(*b.driveSize) : "null");
        if (std::string d = differs(where, "height", a.height, b.height); !d.empty())
            return d;
    }
    if (wanted.calculator && rebuilt.calculator) {
        const PlanCalculator &a = *wanted.calculator, &b = *rebuilt.calculator;
        const std::string calc = "calculator: ";
        for (std::string d : {setDifference(calc, {a.level, a.drives, a.spans, a.driveSize, a.height, false, {}},
                                            {b.level, b.drives, b.spans, b.driveSize, b.height, false, {}}),
                              differs(calc, "sets", a.sets, b.sets)})
            if (!d.empty())
                return d;
    }
    return {};
}

} // namespace spindex
