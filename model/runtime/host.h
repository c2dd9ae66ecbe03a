#pragma once

// What the program asks of its surroundings: message boxes, the file dialogs, reading and writing
// files, printing, starting another program and showing the manual. The window build implements it
// with real dialogs; the batch tool and the tests implement it with scripted answers.

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace spindex {

class MainForm;
class ReportForm;

enum class MsgButtons { Ok, YesNo, YesNoCancel };
enum class MsgIcon { None, Critical, Exclamation, Question, Information };
enum class MsgAnswer { Ok, Yes, No, Cancel };

// A plan that a program kept while it had no file, for the user to recover at a later start.
struct KeptPlan {
    std::string path;
    std::string time; // when it was kept, as the user reads it: "2026-12-07 19:40"
};

class Host {
public:
    virtual ~Host() = default;
    virtual MsgAnswer messageBox(const std::string& text, MsgButtons buttons, MsgIcon icon,
                                 const std::string& title) = 0;
    // The save-file dialog: the chosen path (default extension appended), or nothing on Cancel.
    virtual std::optional<std::string> saveFileName(const std::string& filter, const std::string& defaultExt) = 0;
    // The open-file dialog: the chosen path, or nothing on Cancel.
    virtual std::optional<std::string> openFileName(const std::string& filter) = 0;
    // The open-file dialog that takes several files: the chosen paths, or nothing on Cancel.
    // Surroundings without one answer with the single-file dialog.
    virtual std::optional<std::vector<std::string>> openFileNames(const std::string& filter) {
        if (std::optional<std::string> path = openFileName(filter))
            return std::vector<std::string>{std::move(*path)};
        return std::nullopt;
    }
    // Writes the whole file or nothing: when writing fails, a file that was there keeps its old
    // content. Empty on success, else the reason in words for the user.
    virtual std::string writeFile(const std::string& path, const std::string& content) = 0;
    // Reads the whole file when it holds at most limit bytes. Empty on success, else the reason.
    virtual std::string readFile(const std::string& path, std::string& content, std::int64_t limit) = 0;
    virtual void printWindow(const std::string& window) = 0;
    virtual void printerSetup(const std::string& window) = 0;
    // Starts a program in a normal window; false when it cannot be started.
    virtual bool startProgram(const std::string& path) = 0;
    virtual bool fileExists(const std::string& path) = 0;
    // Shows a document (the manual) in a window of its own, beside the program's windows. Empty on
    // success, else the reason in words for the user.
    virtual std::string showDocument(const std::string& path) = 0;
    virtual void programEnded() = 0;
    // A plan file was opened or saved (the window build keeps a list of recent plans).
    virtual void planFileUsed(const std::string& /*path*/) {}
    // Plans never saved are kept for the next start by surroundings that keep them (the window build);
    // the others keep nothing.
    virtual bool keepsPlans() { return false; }
    // Keeps the text as this program's unsaved plan, in place of what it kept before. A failure goes
    // unsaid: the next keep tries again.
    virtual void keepPlan(const std::string& /*text*/) {}
    // This program's unsaved plan is no longer needed: it got a file or was cleared.
    virtual void forgetKeptPlan() {}
    // The newest plan kept by a program that has ended, none when there is none.
    virtual std::optional<KeptPlan> keptPlan() { return std::nullopt; }
    // A kept plan has been recovered into this program, which keeps it from now on.
    virtual void removeKeptPlan(const std::string& /*path*/) {}
    // The drive types a new plan begins with, as the plan file writes its "driveTypes"; empty for none.
    virtual std::string newPlanDriveTypes() { return {}; }
    // Keeps them for the next start.
    virtual void keepNewPlanDriveTypes(const std::string& /*json*/) {}
    // Draws the main window's customer proposal as a PDF document into pdf; planFile names the plan's
    // file ("" for a plan never saved). Empty on success, else the reason in words for the user.
    virtual std::string drawProposalPdf(const MainForm& /*main*/, const std::string& /*planFile*/,
                                        std::string& /*pdf*/) {
        return "PDF output is not available here";
    }
    // Draws the report window's report as a PDF document into pdf, as it prints. Empty on success, else
    // the reason in words for the user.
    virtual std::string drawReportPdf(const ReportForm& /*report*/, std::string& /*pdf*/) {
        return "PDF output is not available here";
    }
};

// Routes the program's requests to the surroundings that take them now: the user's, or for a while a
// quiet host, while the program rebuilds a plan behind the user's back.
class HostRoute final : public Host {
public:
    explicit HostRoute(Host& target) : m_target(&target) {}
    // Sends every request to the new target; gives back the previous one.
    Host& reroute(Host& target) { return *std::exchange(m_target, &target); }

    MsgAnswer messageBox(const std::string& text, MsgButtons buttons, MsgIcon icon, const std::string& title) override {
        return m_target->messageBox(text, buttons, icon, title);
    }
    std::optional<std::string> saveFileName(const std::string& filter, const std::string& defaultExt) override {
        return m_target->saveFileName(filter, defaultExt);
    }
    std::optional<std::vector<std::string>> openFileNames(const std::string& filter) override {
        return m_target->openFileNames(filter);
    }
    std::optional<std::string> openFileName(const std::string& filter) override {
        return m_target->openFileName(filter);
    }
    std::string writeFile(const std::string& path, const std::string& content) override {
        return m_target->writeFile(path, content);
    }
    std::string readFile(const std::string& path, std::string& content, std::int64_t limit) override {
        return m_target->readFile(path, content, limit);
    }
    void printWindow(const std::string& window) override { m_target->printWindow(window); }
    void printerSetup(const std::string& window) override { m_target->printerSetup(window); }
    bool startProgram(const std::string& path) override { return m_target->startProgram(path); }
    bool fileExists(const std::string& path) override { return m_target->fileExists(path); }
    std::string showDocument(const std::string& path) override { return m_target->showDocument(path); }
    void programEnded() override { m_target->programEnded(); }
    void planFileUsed(const std::string& path) override { m_target->planFileUsed(path); }
    bool keepsPlans() override { return m_target->keepsPlans(); }
    void keepPlan(const std::string& text) override { m_target->keepPlan(text); }
    void forgetKeptPlan() override { m_target->forgetKeptPlan(); }
    std::optional<KeptPlan> keptPlan() override { return m_target->keptPlan(); }
    void removeKeptPlan(const std::string& path) override { m_target->removeKeptPlan(path); }
    std::string newPlanDriveTypes() override { return m_target->newPlanDriveTypes(); }
    void keepNewPlanDriveTypes(const std::string& json) override { m_target->keepNewPlanDriveTypes(json); }
    std::string drawProposalPdf(const MainForm& main, const std::string& planFile, std::string& pdf) override {
        return m_target->drawProposalPdf(main, planFile, pdf);
    }
    std::string drawReportPdf(const ReportForm& report, std::string& pdf) override {
        return m_target->drawReportPdf(report, pdf);
    }

private:
    Host* m_target;
};

} // namespace spindex
