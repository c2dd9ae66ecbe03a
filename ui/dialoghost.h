#pragma once

// The program's surroundings in the window build: real message boxes and file dialogs, files read and
// written whole, printing and the page set-up, other programs started, and the manual's window. It
// knows the windows only through what the session tells it: the window a dialog belongs to, the
// window to print, the current plan's file.

#include <QObject>
#include <QPageLayout>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "runtime/host.h"

class QFileDialog;

namespace spindex::files {
class KeptPlans;
}
class QWidget;

namespace spindex::ui {

class EventLoops;
class FormWindow;
class ManualWindow;

class DialogHost : public QObject, public spindex::Host {
    Q_OBJECT
public:
    struct Surroundings {
        // The window the dialogs belong to: the focused one, if any.
        std::function<QWidget*()> dialogParent;
        // The Qt window of the model window of that name, made now if it is not there yet.
        std::function<FormWindow*(const std::string&)> window;
        // The file of the plan in the main window, if it has one.
        std::function<std::optional<std::string>()> planFile;
        // Where plans never saved are kept for the next start; none: nothing is kept.
        QString keptPlans;
    };

    DialogHost(EventLoops& loops, Surroundings surroundings, QObject* parent = nullptr);
    ~DialogHost() override;

    // The manual's window, once it has been shown.
    ManualWindow* manualWindow() const { return m_manual.get(); }

    spindex::MsgAnswer messageBox(const std::string& text, spindex::MsgButtons buttons, spindex::MsgIcon icon,
                                  const std::string& title) override;
    std::optional<std::string> saveFileName(const std::string& filter, const std::string& defaultExt) override;
    std::optional<std::string> openFileName(const std::string& filter) override;
    std::optional<std::vector<std::string>> openFileNames(const std::string& filter) override;
    std::string writeFile(const std::string& path, const std::string& content) override;
    std::string readFile(const std::string& path, std::string& content, std::int64_t limit) override;
    void printWindow(const std::string& window) override;
    void printerSetup(const std::string& window) override;
    bool startProgram(const std::string& path) override;
    bool fileExists(const std::string& path) override;
    std::string showDocument(const std::string& path) override;
    void programEnded() override;
    void planFileUsed(const std::string& path) override;
    bool keepsPlans() override { return m_kept != nullptr; }
    void keepPlan(const std::string& text) override;
    void forgetKeptPlan() override;
    std::optional<spindex::KeptPlan> keptPlan() override;
    void removeKeptPlan(const std::string& path) override;
    // The drive types for new plans are kept in the settings.
    std::string newPlanDriveTypes() override;
    void keepNewPlanDriveTypes(const std::string& json) override;
    std::string drawProposalPdf(const spindex::MainForm& main, const std::string& planFile, std::string& pdf) override;
    std::string drawReportPdf(const spindex::ReportForm& report, std::string& pdf) override;

signals:
    void ended();

private:
    // Runs a file dialog for files of the filter's kind as a nested loop, started in the folder
    // where the user looks for them: the chosen file, or nothing on Cancel.
    std::optional<std::string> chosenFile(QFileDialog& dialog, const std::string& filter);

    EventLoops& m_loops;
    const Surroundings m_surroundings;
    std::unique_ptr<ManualWindow> m_manual; // once the user has asked for it
    std::unique_ptr<spindex::files::KeptPlans> m_kept;
    // The page set up in Printer Setup, used by every later printout of this run.
    std::optional<QPageLayout> m_pageLayout;
};

} // namespace spindex::ui
