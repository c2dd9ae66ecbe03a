#include "dialoghost.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <map>

#include "files.h"
#include "formwindow.h"
#include "keptplans.h"
#include "manualwindow.h"
#include "proposalpdf.h"
#include "recentplans.h"
#include "reportdrawing.h"
#include "startfolder.h"
#include "windowactions.h"

namespace spindex::ui {

namespace {
// A Windows-style filter "Text Files (*.txt)|*.txt" as Qt writes it.
QString qtFilter(const std::string& filter) {
    const QString text = QString::fromStdString(filter);
    const int bar = text.indexOf('|');
    return bar < 0 ? text : text.left(bar);
}

// Keeps one known message of Qt's off standard error while it lives; every other message passes.
class QuietMessage {
public:
    explicit QuietMessage(const char* text) {
        s_text = text;
        s_previous = qInstallMessageHandler(&QuietMessage::handle);
    }
    ~QuietMessage() {
        qInstallMessageHandler(s_previous);
        s_text = nullptr;
    }
    QuietMessage(const QuietMessage&) = delete;
    QuietMessage& operator=(const QuietMessage&) = delete;

private:
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& message) {
        if (s_text && message == QLatin1String(s_text))
            return;
        if (s_previous)
            s_previous(type, context, message);
        else
            std::fprintf(stderr, "%s\n", qPrintable(message));
    }
    static inline const char* s_text = nullptr;
    static inline QtMessageHandler s_previous = nullptr;
};
} // namespace

DialogHost::DialogHost(EventLoops& loops, Surroundings surroundings, QObject* parent)
    : QObject(parent), m_loops(loops), m_surroundings(std::move(surroundings)) {
    if (!m_surroundings.keptPlans.isEmpty())
        m_kept = std::make_unique<spindex::files::KeptPlans>(m_surroundings.keptPlans);
}

DialogHost::~DialogHost() = default;

spindex::MsgAnswer DialogHost::messageBox(const std::string& text, spindex::MsgButtons buttons, spindex::MsgIcon icon,
                                          const std::string& title) {
    QMessageBox box(m_surroundings.dialogParent());
    box.setWindowTitle(QString::fromStdString(title));
    box.setText(QString::fromStdString(text));
    static const std::map<spindex::MsgIcon, QMessageBox::Icon> icons{
        {spindex::MsgIcon::None, QMessageBox::NoIcon},
        {spindex::MsgIcon::Critical, QMessageBox::Critical},
        {spindex::MsgIcon::Exclamation, QMessageBox::Warning},
        {spindex::MsgIcon::Question, QMessageBox::Question},
        {spindex::MsgIcon::Information, QMessageBox::Information}};
    box.setIcon(icons.at(icon));
    switch (buttons) {
    case spindex::MsgButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case spindex::MsgButtons::YesNo:
        // Every yes/no question of the program asks before work is thrown away: Enter and Escape
        // keep it.
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
        break;
    case spindex::MsgButtons::YesNoCancel:
        // Yes keeps the work, No throws it away, Cancel goes back; Escape goes back.
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::Cancel);
        break;
    }
    int result = QMessageBox::NoButton;
    {
        const NestedLoop loop(m_loops, EventLoops::Dialog);
        result = box.exec();
    }
    switch (buttons) {
    case spindex::MsgButtons::Ok:
        return spindex::MsgAnswer::Ok;
    case spindex::MsgButtons::YesNo:
        return result == QMessageBox::Yes ? spindex::MsgAnswer::Yes : spindex::MsgAnswer::No;
    case spindex::MsgButtons::YesNoCancel:
        break;
    }
    if (result == QMessageBox::Yes)
        return spindex::MsgAnswer::Yes;
    return result == QMessageBox::No ? spindex::MsgAnswer::No : spindex::MsgAnswer::Cancel;
}

std::optional<std::string> DialogHost::chosenFile(QFileDialog& dialog, const std::string& filter) {
    // The folder last used for each kind of file is kept between runs.
    const QString key = QStringLiteral("folders/") + fileKind(filter);
    QSettings settings;
    const std::optional<std::string> plan = m_surroundings.planFile();
    dialog.setDirectory(startFolder(plan ? QString::fromStdString(*plan) : QString(), settings.value(key).toString(),
                                    QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)));
    bool accepted = false;
    {
        const NestedLoop loop(m_loops, EventLoops::Dialog);
        accepted = dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty();
    }
    if (!accepted)
        return std::nullopt;
    const QString chosen = dialog.selectedFiles().first();
    settings.setValue(key, QFileInfo(chosen).absolutePath());
    return chosen.toStdString();
}

std::optional<std::string> DialogHost::saveFileName(const std::string& filter, const std::string& defaultExt) {
    QFileDialog dialog(m_surroundings.dialogParent());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(qtFilter(filter));
    dialog.setDefaultSuffix(QString::fromStdString(defaultExt));
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    return chosenFile(dialog, filter);
}

std::optional<std::string> DialogHost::openFileName(const std::string& filter) {
    QFileDialog dialog(m_surroundings.dialogParent());
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(qtFilter(filter));
    return chosenFile(dialog, filter);
}

std::optional<std::vector<std::string>> DialogHost::openFileNames(const std::string& filter) {
    QFileDialog dialog(m_surroundings.dialogParent());
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setNameFilter(qtFilter(filter));
    // The chosen folder is remembered through the first file; the others come from the dialog.
    if (!chosenFile(dialog, filter))
        return std::nullopt;
    std::vector<std::string> paths;
    for (const QString& path : dialog.selectedFiles())
        paths.push_back(path.toStdString());
    return paths;
}

std::string DialogHost::writeFile(const std::string& path, const std::string& content) {
    return spindex::files::writeWhole(path, content);
}

std::string DialogHost::readFile(const std::string& path, std::string& content, std::int64_t limit) {
    return spindex::files::readWhole(path, content, limit);
}

void DialogHost::printWindow(const std::string& window) {
    const QPointer<FormWindow> target = m_surroundings.window(window);
    if (!target)
        return;
    QPrinter printer(QPrinter::HighResolution);
    if (m_pageLayout)
        printer.setPageLayout(*m_pageLayout);
    QPrintDialog dialog(&printer, target);
    bool accepted = false;
    {
        const NestedLoop loop(m_loops, EventLoops::Dialog);
        accepted = dialog.exec() == QDialog::Accepted;
    }
    // A window closed while the dialog was up is no longer there to be printed.
    if (!accepted || !target || !target->form())
        return;
    QPainter painter(&printer);
    target->print(painter);
}

void DialogHost::printerSetup(const std::string& window) {
    QPrinter printer(QPrinter::HighResolution);
    if (m_pageLayout)
        printer.setPageLayout(*m_pageLayout);
    std::unique_ptr<QPageSetupDialog> dialog;
    {
        // Without an installed printer the dialog sets up the page of PDF output all the same; Qt
        // still says on standard error that it is not a native printer, which is no news to anyone.
        const QuietMessage quiet("QPageSetupDialog: Cannot be used on non-native printers");
        dialog = std::make_unique<QPageSetupDialog>(&printer, m_surroundings.window(window));
    }
    bool accepted = false;
    {
        const NestedLoop loop(m_loops, EventLoops::Dialog);
        accepted = dialog->exec() == QDialog::Accepted; // a cancelled set-up changes nothing
    }
    if (accepted)
        m_pageLayout = printer.pageLayout();
}

bool DialogHost::startProgram(const std::string& path) {
    return QProcess::startDetached(QString::fromStdString(path), {});
}

bool DialogHost::fileExists(const std::string& path) {
    return QFileInfo(QString::fromStdString(path)).isFile();
}

std::string DialogHost::showDocument(const std::string& path) {
    // Read once here for the reason a user can act on; the window then reads it with its pictures.
    std::string content;
    constexpr std::int64_t Limit = 16 * 1024 * 1024;
    if (std::string why = spindex::files::readWhole(path, content, Limit); !why.empty())
        return why;
    if (!m_manual) {
        m_manual = std::make_unique<ManualWindow>();
        m_manual->placeOnScreen();
    }
    m_manual->open(QString::fromStdString(path));
    m_manual->show();
    m_manual->raise();
    m_manual->activateWindow();
    return {};
}

void DialogHost::programEnded() {
    emit ended();
}

std::string DialogHost::newPlanDriveTypes() {
    return QSettings().value(QStringLiteral("newPlanDriveTypes")).toString().toStdString();
}

void DialogHost::keepNewPlanDriveTypes(const std::string& json) {
    QSettings().setValue(QStringLiteral("newPlanDriveTypes"), QString::fromStdString(json));
}

void DialogHost::planFileUsed(const std::string& path) {
    RecentPlans::add(QString::fromStdString(path));
}

void DialogHost::keepPlan(const std::string& text) {
    if (m_kept)
        m_kept->keep(text);
}

void DialogHost::forgetKeptPlan() {
    if (m_kept)
        m_kept->forget();
}

std::optional<spindex::KeptPlan> DialogHost::keptPlan() {
    if (!m_kept || !m_kept->newest())
        return std::nullopt;
    const spindex::files::KeptPlans::Kept& kept = *m_kept->newest();
    return spindex::KeptPlan{kept.path.toStdString(),
                             kept.time.toString(QStringLiteral("yyyy-MM-dd HH:mm")).toStdString()};
}

void DialogHost::removeKeptPlan(const std::string& path) {
    if (m_kept)
        m_kept->remove(QString::fromStdString(path));
}

std::string DialogHost::drawProposalPdf(const spindex::MainForm& main, const std::string& planFile, std::string& pdf) {
    const QByteArray bytes = proposalPdf(main, planFile, QDate::currentDate());
    pdf.assign(bytes.constData(), static_cast<size_t>(bytes.size()));
    return bytes.isEmpty() ? "the document could not be drawn" : std::string();
}

std::string DialogHost::drawReportPdf(const spindex::ReportForm& report, std::string& pdf) {
    const QByteArray bytes = reportPdf(report);
    pdf.assign(bytes.constData(), static_cast<size_t>(bytes.size()));
    return bytes.isEmpty() ? "the document could not be drawn" : std::string();
}

} // namespace spindex::ui
