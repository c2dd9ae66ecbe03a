#include "batchhost.h"

#include <filesystem>

#include "files.h"
#include "plans/planjson.h"

namespace spindex::batch {

namespace {
// A dialog's answer: the name given, or null for a cancelled dialog.
nlohmann::ordered_json dialogAnswer(const std::optional<std::string>& name) {
    return name ? nlohmann::ordered_json(*name) : nlohmann::ordered_json(nullptr);
}

const char* iconName(MsgIcon icon) {
    switch (icon) {
    case MsgIcon::Critical:
        return "critical";
    case MsgIcon::Exclamation:
        return "exclamation";
    case MsgIcon::Question:
        return "question";
    case MsgIcon::Information:
        return "information";
    case MsgIcon::None:
        break;
    }
    return "none";
}

const char* buttonsName(MsgButtons buttons) {
    switch (buttons) {
    case MsgButtons::YesNo:
        return "yesno";
    case MsgButtons::YesNoCancel:
        return "yesnocancel";
    case MsgButtons::Ok:
        break;
    }
    return "ok";
}

const char* answerName(MsgAnswer answer) {
    switch (answer) {
    case MsgAnswer::Yes:
        return "yes";
    case MsgAnswer::No:
        return "no";
    case MsgAnswer::Cancel:
        return "cancel";
    case MsgAnswer::Ok:
        break;
    }
    return "ok";
}
} // namespace

MsgAnswer BatchHost::messageBox(const std::string& text, MsgButtons buttons, MsgIcon icon, const std::string& title) {
    // A question left unanswered takes its safe way out: No, or Cancel where there is one.
    const MsgAnswer unanswered = buttons == MsgButtons::YesNoCancel ? MsgAnswer::Cancel : MsgAnswer::No;
    MsgAnswer answer = MsgAnswer::Ok;
    const char* problem = nullptr;
    if (buttons == MsgButtons::Ok) {
        // An OK box needs no answer; a queued "ok" is its button and is used up by it.
        if (!m_answers.empty() && m_answers.front() == MsgAnswer::Ok)
            m_answers.pop_front();
    } else if (m_answers.empty()) {
        answer = unanswered;
        problem = "no answer queued";
    } else {
        answer = m_answers.front();
        m_answers.pop_front();
        if (answer == MsgAnswer::Ok) {
            answer = unanswered;
            problem = "the queued answer ok is no button of a question";
        } else if (answer == MsgAnswer::Cancel && buttons == MsgButtons::YesNo) {
            answer = MsgAnswer::No; // a Yes/No question has no Cancel: it counts as No
        }
    }
    m_out.line("msgbox " + compactJson({{"title", title},
                                        {"icon", iconName(icon)},
                                        {"buttons", buttonsName(buttons)},
                                        {"text", text},
                                        {"answer", answerName(answer)}}));
    if (problem)
        m_out.error(problem);
    return answer;
}

std::optional<std::string> BatchHost::saveFileName(const std::string& filter, const std::string& defaultExt) {
    const bool queued = !m_saveNames.empty();
    std::optional<std::string> name;
    if (queued) {
        name = std::move(m_saveNames.front());
        m_saveNames.pop_front();
    }
    m_out.line("savedialog " +
               compactJson({{"filter", filter}, {"defaultext", defaultExt}, {"answer", dialogAnswer(name)}}));
    if (!queued)
        m_out.error("no save answer queued");
    if (!name || name->empty())
        return name;
    // The dialog's default extension goes on a name typed without one.
    if (!defaultExt.empty() && !std::filesystem::path(*name).filename().has_extension())
        return *name + "." + defaultExt;
    return name;
}

std::optional<std::vector<std::string>> BatchHost::takeOpenAnswer() {
    std::optional<std::vector<std::string>> names;
    if (!m_openNames.empty()) {
        names = std::move(m_openNames.front());
        m_openNames.pop_front();
    }
    return names;
}

std::optional<std::vector<std::string>> BatchHost::openFileNames(const std::string& filter) {
    const bool queued = !m_openNames.empty();
    const std::optional<std::vector<std::string>> names = takeOpenAnswer();
    m_out.line("opendialog " +
               compactJson({{"filter", filter},
                            {"multiple", true},
                            {"answer", names ? nlohmann::ordered_json(*names) : nlohmann::ordered_json(nullptr)}}));
    if (!queued)
        m_out.error("no open answer queued");
    return names;
}

std::optional<std::string> BatchHost::openFileName(const std::string& filter) {
    const bool queued = !m_openNames.empty();
    const std::optional<std::vector<std::string>> names = takeOpenAnswer();
    std::optional<std::string> name;
    if (names && !names->empty())
        name = names->front();
    m_out.line("opendialog " + compactJson({{"filter", filter}, {"answer", dialogAnswer(name)}}));
    if (!queued)
        m_out.error("no open answer queued");
    if (name && name->empty())
        return std::nullopt;
    return name;
}

std::string BatchHost::writeFile(const std::string& path, const std::string& content) {
    return files::writeWhole(path, content);
}

std::string BatchHost::readFile(const std::string& path, std::string& content, std::int64_t limit) {
    return files::readWhole(path, content, limit);
}

void BatchHost::printWindow(const std::string& window) {
    m_out.line("print " + window);
}

void BatchHost::printerSetup(const std::string& window) {
    m_out.line("printsetup " + window);
}

bool BatchHost::startProgram(const std::string& path) {
    m_out.line("start " + path);
    return true;
}

bool BatchHost::fileExists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::exists(path, ec);
}

// The batch tool shows no windows: a document the program opens is not a line of its output.
std::string BatchHost::showDocument(const std::string&) {
    return {};
}

BatchHost::~BatchHost() {
    if (const auto end = m_drawPdf ? reinterpret_cast<EndPdf>(m_pdfModule.resolve(EndPdfSymbol)) : nullptr)
        end();
}

std::string BatchHost::drawPdf(const PdfRequest& request, std::string& pdf) {
    if (!m_drawPdf) {
        m_pdfModule.setFileName(
            QString::fromStdString(m_programFolder + "/" + SPINDEX_LIBDIR_FROM_BINDIR + "/spindex-batch-pdf"));
        m_drawPdf = reinterpret_cast<DrawPdf>(m_pdfModule.resolve(DrawPdfSymbol));
        if (!m_drawPdf)
            return "PDF output is not available: " + m_pdfModule.errorString().toStdString();
    }
    return m_drawPdf(request, pdf);
}

std::string BatchHost::drawProposalPdf(const MainForm& main, const std::string& planFile, std::string& pdf) {
    return drawPdf({&main, planFile, nullptr}, pdf);
}

std::string BatchHost::drawReportPdf(const ReportForm& report, std::string& pdf) {
    return drawPdf({nullptr, {}, &report}, pdf);
}

void BatchHost::programEnded() {
    m_out.line("ended");
}

} // namespace spindex::batch
