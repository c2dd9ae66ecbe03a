#pragma once

// The program's surroundings in batch mode: message boxes, the save dialog, printing and starting a
// program are printed as the protocol's lines, and questions take the answers that the script queued.

#include <QLibrary>
#include <deque>
#include <optional>
#include <string>

#include "batchoutput.h"
#include "pdfmodule.h"
#include "runtime/host.h"

namespace spindex::batch {

class BatchHost : public Host {
public:
    // programFolder: the folder of the tool's executable, from which its PDF module is found.
    BatchHost(BatchOutput& out, std::string programFolder) : m_out(out), m_programFolder(std::move(programFolder)) {}
    ~BatchHost() override;
    BatchHost(const BatchHost&) = delete;
    BatchHost& operator=(const BatchHost&) = delete;

    // `answer yes|no|ok`: the button to press in the next question.
    void queueAnswer(MsgAnswer answer) { m_answers.push_back(answer); }
    // `savefile PATH` (a name) or `cancelsave` (nothing): the next save dialog's result.
    void queueSaveFile(std::optional<std::string> name) { m_saveNames.push_back(std::move(name)); }
    // `openfile PATH`, `openfiles PATH...` (the names) or `cancelopen` (nothing): the next open
    // dialog's result, for a dialog of either kind.
    void queueOpenFile(std::optional<std::vector<std::string>> names) { m_openNames.push_back(std::move(names)); }

    MsgAnswer messageBox(const std::string& text, MsgButtons buttons, MsgIcon icon, const std::string& title) override;
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
    // Drawn by the PDF module, loaded the first time: a script without PDF output never loads Qt's
    // GUI library, and needs no display either way.
    std::string drawProposalPdf(const MainForm& main, const std::string& planFile, std::string& pdf) override;
    std::string drawReportPdf(const ReportForm& report, std::string& pdf) override;
    void programEnded() override;

private:
    BatchOutput& m_out;
    std::deque<MsgAnswer> m_answers;
    std::deque<std::optional<std::string>> m_saveNames;
    std::deque<std::optional<std::vector<std::string>>> m_openNames;
    std::optional<std::vector<std::string>> takeOpenAnswer();
    std::string drawPdf(const PdfRequest& request, std::string& pdf);
    std::string m_programFolder;
    QLibrary m_pdfModule;
    DrawPdf m_drawPdf = nullptr;
};

} // namespace spindex::batch
