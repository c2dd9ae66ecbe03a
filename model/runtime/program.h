#pragma once

// The running program: its global variables and its windows. One object per run, so that a test
// builds a fresh program per case.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "rules/limits.h"
#include "runtime/host.h"

namespace spindex {

class Form;
class SplashForm;
class SelectControllerForm;
class MainForm;
class ReportForm;
class GraphicForm;
class AboutForm;
class SummaryForm;
class AssumptionsForm;
class AlternativesForm;
class CompareForm;
class ProposalForm;
class DriveTypesForm;
class Registry;
class PlanDocument;

class Program {
public:
    explicit Program(Host& host, std::string programFolder = ".");
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // The surroundings: the user's, or a quiet host inside a QuietScope.
    HostRoute host;
    const std::string programFolder;
    Registry* registry = nullptr; // none on platforms without one

    // Global variables
    std::int16_t ControllerType = 0;
    std::array<std::int16_t, Channels> ChannelSlots{};
    std::array<std::int16_t, Channels> LastStorageSel{};

    // The start-up procedure: the splash screen, with the selection window behind it.
    void Main();
    // Starting with a plan file (a file manager's double click): the main window opens straight
    // away with the plan, without the splash and the selection window. A plan that cannot be
    // opened shows its message, and the program starts as usual.
    void MainWithPlan(const std::string& path);

    // Windows; null while not loaded.
    SplashForm* frmSplash() { return m_splash.get(); }
    const SplashForm* frmSplash() const { return m_splash.get(); }
    SelectControllerForm* frmSelectController() { return m_select.get(); }
    const SelectControllerForm* frmSelectController() const { return m_select.get(); }
    MainForm* frmSpindex() { return m_main.get(); }
    const MainForm* frmSpindex() const { return m_main.get(); }
    // The main window's plan as a document (file, modified flag, open and save); null with the window.
    PlanDocument* planDocument() { return m_plan.get(); }
    const PlanDocument* planDocument() const { return m_plan.get(); }
    ReportForm* frmLogicalDriveDisplay() { return m_report.get(); }
    const ReportForm* frmLogicalDriveDisplay() const { return m_report.get(); }
    GraphicForm* frmGraphic() { return m_graphic.get(); }
    const GraphicForm* frmGraphic() const { return m_graphic.get(); }
    AboutForm* frmAbout() { return m_about.get(); }
    const AboutForm* frmAbout() const { return m_about.get(); }
    SummaryForm* frmSummary() { return m_summary.get(); }
    const SummaryForm* frmSummary() const { return m_summary.get(); }
    AssumptionsForm* frmAssumptions() { return m_assumptions.get(); }
    const AssumptionsForm* frmAssumptions() const { return m_assumptions.get(); }
    AlternativesForm* frmAlternatives() { return m_alternatives.get(); }
    const AlternativesForm* frmAlternatives() const { return m_alternatives.get(); }
    CompareForm* frmCompare() { return m_compare.get(); }
    const CompareForm* frmCompare() const { return m_compare.get(); }
    ProposalForm* frmProposal() { return m_proposal.get(); }
    const ProposalForm* frmProposal() const { return m_proposal.get(); }
    DriveTypesForm* frmDriveTypes() { return m_driveTypes.get(); }
    const DriveTypesForm* frmDriveTypes() const { return m_driveTypes.get(); }
    Form* form(const std::string& name);
    const Form* form(const std::string& name) const;
    std::vector<Form*> loadedForms();
    std::vector<const Form*> loadedForms() const;
    static const std::vector<std::string>& formNames();

    // Loading runs the window's Form_Load the first time it is referred to.
    SelectControllerForm& loadSelectController();
    MainForm& loadMain();
    ReportForm& loadReport();
    GraphicForm& loadGraphic();
    AboutForm& loadAbout();
    SummaryForm& loadSummary();
    AssumptionsForm& loadAssumptions();
    AlternativesForm& loadAlternatives();
    CompareForm& loadCompare();
    ProposalForm& loadProposal();
    DriveTypesForm& loadDriveTypes();
    void show(Form& form);
    void unload(Form& form);
    // A window beside the main window closes: it is unloaded and the main window has the focus again.
    void closeToMain(Form& form);

    // The focus moves to the window; a window that closes when it loses the focus closes now.
    void focus(Form* form);
    Form* focused() const { return m_focused; }

    // Time passes; a timer that falls due fires.
    void advance(int milliseconds);
    // The splash timer's interval has passed (the window build's real timer).
    void timerFired();

    // Ends the program: every window goes.
    void End();
    bool ended() const { return m_ended; }

    // The window frame's close box: the main window's is Exit, the others unload their window.
    void closeRequested(Form& form);

    // Once a user's action is over: with its last window gone the program ends (as when the
    // selection window is closed before a controller is configured), the main window's caption
    // shows whether its plan is modified, and the windows unloaded during the action are destroyed.
    void settle();
    // Windows unloaded during an action are destroyed once the action is over.
    void collectUnloaded();
    // A plan never saved is due to be kept (the window build keeps it a second later), and keeping it.
    bool keepDue() const;
    void keepPlan();

private:
    template <class F> F& load(std::unique_ptr<F>& slot);

    std::unique_ptr<SplashForm> m_splash;
    std::unique_ptr<SelectControllerForm> m_select;
    std::unique_ptr<MainForm> m_main;
    std::unique_ptr<PlanDocument> m_plan, m_unloadedPlan;
    std::unique_ptr<ReportForm> m_report;
    std::unique_ptr<GraphicForm> m_graphic;
    std::unique_ptr<AboutForm> m_about;
    std::unique_ptr<SummaryForm> m_summary;
    std::unique_ptr<AssumptionsForm> m_assumptions;
    std::unique_ptr<AlternativesForm> m_alternatives;
    std::unique_ptr<CompareForm> m_compare;
    std::unique_ptr<ProposalForm> m_proposal;
    std::unique_ptr<DriveTypesForm> m_driveTypes;
    std::vector<std::unique_ptr<Form>> m_unloaded;
    // Every window slot, loaded or not, in the order of formNames().
    // One slot per kind of window, empty while it is not loaded; the spare slots stay empty.
    static constexpr std::size_t WindowKinds = 16;
    std::array<Form*, WindowKinds> windowSlots() const;
    Form* m_focused = nullptr;
    bool m_ended = false;
};

} // namespace spindex
