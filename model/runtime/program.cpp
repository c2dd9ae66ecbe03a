#include "runtime/program.h"

#include "analysis/alternativesform.h"
#include "analysis/assumptionsform.h"
#include "analysis/compareform.h"
#include "drivetypes/drivetypesform.h"
#include "forms/smallforms.h"
#include "mainform/mainform.h"
#include "outputs/outputforms.h"
#include "plans/plandocument.h"
#include "plans/planfile.h"
#include "plans/planrebuild.h"
#include "proposal/proposalform.h"
#include "rules/catalogue.h"
#include "summary/summaryform.h"

namespace spindex {

Program::Program(Host& host, std::string programFolder) : host(host), programFolder(std::move(programFolder)) {}

Program::~Program() = default;

void Program::Main() {
    m_splash = std::make_unique<SplashForm>(*this);
    m_splash->Form_Load();
    show(*m_splash);
}

const std::vector<std::string>& Program::formNames() {
    static const std::vector<std::string> names{
        "frmSplash",   "frmSelectController", "frmSpindex",     "frmLogicalDriveDisplay", "frmGraphic",
        "frmAbout",    "frmSummary",          "frmAssumptions", "frmAlternatives",        "frmCompare",
        "frmProposal", "frmDriveTypes"};
    return names;
}

std::array<Form*, Program::WindowKinds> Program::windowSlots() const {
    return {m_splash.get(),       m_select.get(),  m_main.get(),     m_report.get(),
            m_graphic.get(),      m_about.get(),   m_summary.get(),  m_assumptions.get(),
            m_alternatives.get(), m_compare.get(), m_proposal.get(), m_driveTypes.get()};
}

Form* Program::form(const std::string& name) {
    for (Form* f : windowSlots())
        if (f && f->name == name)
            return f;
    return nullptr;
}

const Form* Program::form(const std::string& name) const {
    for (const Form* f : windowSlots())
        if (f && f->name == name)
            return f;
    return nullptr;
}

std::vector<Form*> Program::loadedForms() {
    std::vector<Form*> forms;
    for (Form* f : windowSlots())
        if (f)
            forms.push_back(f);
    return forms;
}

std::vector<const Form*> Program::loadedForms() const {
    std::vector<const Form*> forms;
    for (const Form* f : windowSlots())
        if (f)
            forms.push_back(f);
    return forms;
}

template <class F> F& Program::load(std::unique_ptr<F>& slot) {
    if (!slot) {
        slot = std::make_unique<F>(*this);
        slot->Form_Load();
    }
    return *slot;
}

SelectControllerForm& Program::loadSelectController() {
    return load(m_select);
}
MainForm& Program::loadMain() {
    MainForm& main = load(m_main);
    // A new plan: modified from here on when it changes.
    if (!m_plan)
        m_plan = std::make_unique<PlanDocument>(main);
    return main;
}
ReportForm& Program::loadReport() {
    return load(m_report);
}
GraphicForm& Program::loadGraphic() {
    return load(m_graphic);
}
AboutForm& Program::loadAbout() {
    return load(m_about);
}
SummaryForm& Program::loadSummary() {
    return load(m_summary);
}
AssumptionsForm& Program::loadAssumptions() {
    return load(m_assumptions);
}
AlternativesForm& Program::loadAlternatives() {
    return load(m_alternatives);
}
CompareForm& Program::loadCompare() {
    return load(m_compare);
}
ProposalForm& Program::loadProposal() {
    return load(m_proposal);
}
DriveTypesForm& Program::loadDriveTypes() {
    return load(m_driveTypes);
}

void Program::show(Form& form) {
    form.visible = true;
    focus(&form);
}

void Program::unload(Form& form) {
    auto release = [&](auto& slot) {
        if (slot.get() != &form)
            return false;
        // The window may be unloading itself from one of its own handlers: it is destroyed later.
        m_unloaded.push_back(std::move(slot));
        return true;
    };
    form.visible = false;
    if (m_focused == &form)
        m_focused = nullptr;
    if (&form == m_main.get() && m_plan) {
        m_plan->keep();                     // the close box loses no plan never saved
        m_unloadedPlan = std::move(m_plan); // it may be asking from one of its own handlers
    }
    release(m_splash) || release(m_select) || release(m_main) || release(m_report) || release(m_graphic) ||
        release(m_about) || release(m_summary) || release(m_assumptions) || release(m_alternatives) ||
        release(m_compare) || release(m_proposal) || release(m_driveTypes);
}

void Program::closeToMain(Form& form) {
    unload(form);
    if (m_main)
        focus(m_main.get());
}

void Program::focus(Form* form) {
    if (form == m_focused)
        return;
    Form* previous = m_focused;
    m_focused = form;
    // The graphic window and the about box close as soon as they lose the focus.
    if (previous && (previous == m_graphic.get() || previous == m_about.get()))
        unload(*previous);
}

void Program::advance(int milliseconds) {
    if (!m_splash || !m_splash->Timer1.enabled || m_splash->Timer1.interval <= 0)
        return;
    m_splash->Timer1.elapsed += milliseconds;
    if (m_splash->Timer1.elapsed >= m_splash->Timer1.interval) {
        m_splash->Timer1.elapsed = 0;
        raiseEvent(m_splash->Timer1.onTimer);
    }
}

void Program::timerFired() {
    if (m_splash && m_splash->Timer1.enabled)
        raiseEvent(m_splash->Timer1.onTimer);
}

void Program::closeRequested(Form& form) {
    if (&form == m_main.get())
        m_main->mnuClose_Click();
    else
        unload(form);
}

void Program::MainWithPlan(const std::string& path) {
    std::string reason;
    std::optional<Plan> plan = readPlanFile(host, path, reason);
    if (plan)
        plan = rebuildPlan(*plan, reason);
    if (plan) {
        if (const ControllerRecord* controller = findControllerNamed(plan->controller))
            ControllerType = controller->id;
        MainForm& main = loadMain();
        show(main);
        reason = m_plan->adopt(path, *plan);
        if (reason.empty())
            return;
        unload(main);
        ControllerType = 0;
    }
    showOpenFailure(host, path, reason);
    Main();
}

void Program::settle() {
    if (!m_ended && loadedForms().empty())
        End();
    if (m_plan) {
        m_plan->showState();
        m_plan->settle();
    }
    if (m_proposal && m_main)
        m_proposal->showPlan();
    collectUnloaded();
}

void Program::collectUnloaded() {
    m_unloaded.clear();
    m_unloadedPlan.reset();
}

bool Program::keepDue() const {
    return m_plan && m_plan->keepDue();
}

void Program::keepPlan() {
    if (m_plan)
        m_plan->keep();
}

void Program::End() {
    for (Form* f : loadedForms())
        unload(*f);
    m_ended = true;
    host.programEnded();
}

} // namespace spindex
