#include "session.h"

#include <algorithm>
#include <cstdio>

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QScreen>

#include "files.h"
#include "forms/smallforms.h"
#include "formwindow.h"
#include "mainform/mainform.h"
#include "manualwindow.h"
#include "outputs/outputforms.h"
#include "recentplans.h"
#include "windowclasses.h"

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

Session::NestedLoop::NestedLoop(Session& session, Kind kind) : m_session(session), m_kind(kind) {
    ++m_session.m_nested;
    if (m_kind == Dialog)
        ++m_session.m_dialogs;
}

Session::NestedLoop::~NestedLoop() {
    if (m_kind == Dialog)
        --m_session.m_dialogs;
    if (--m_session.m_nested > 0)
        return;
    // The loop has returned: the windows let go of meanwhile go once the code that ran it is done.
    for (const QPointer<FormWindow>& window : m_session.m_released)
        if (window)
            window->deleteLater();
    m_session.m_released.clear();
}

Session::Session(QString programFolder, QObject* parent) : QObject(parent) {
    m_program = std::make_unique<spindex::Program>(*this, programFolder.toStdString());
    m_splashTimer.setSingleShot(true);
    connect(&m_splashTimer, &QTimer::timeout, this, [this] {
        m_program->timerFired();
        settle();
    });
}

Session::~Session() {
    // Windows that belong to the main window go with it; the guarded pointers skip them then.
    std::vector<QPointer<FormWindow>> windows(m_released.begin(), m_released.end());
    for (auto& [form, window] : m_windows)
        windows.emplace_back(window);
    m_windows.clear();
    m_released.clear();
    for (auto it = windows.rbegin(); it != windows.rend(); ++it)
        delete it->data();
    m_manual.reset();
}

void Session::start(const QString& plan) {
    if (plan.isEmpty())
        m_program->Main();
    else
        m_program->MainWithPlan(plan.toStdString());
    m_program->settle();
    sync();
}

void Session::act(spindex::Form& form, const std::function<void()>& action) {
    if (m_program->ended())
        return;
    m_program->focus(&form);
    // The focus change may have closed the very window (graphic, about box) the user acted on.
    const auto loaded = m_program->loadedForms();
    if (std::find(loaded.begin(), loaded.end(), &form) != loaded.end())
        action();
    settle();
}

void Session::settle() {
    releaseUnloaded();
    m_program->settle();
    sync();
}

void Session::releaseUnloaded() {
    const std::vector<spindex::Form*> loaded = m_program->loadedForms();
    for (auto it = m_windows.begin(); it != m_windows.end();) {
        if (std::find(loaded.begin(), loaded.end(), it->first) == loaded.end()) {
            release(*it->second);
            it = m_windows.erase(it);
        } else {
            ++it;
        }
    }
}

void Session::release(FormWindow& window) {
    // The keyboard goes back to the window this one belongs to, as a window manager gives it back
    // when a dialog closes; without one nothing would have it.
    if (window.parentWidget() && QApplication::activeWindow() == &window)
        m_handBack = window.parentWidget();
    window.detach();
    window.hide();
    if (m_nested > 0)
        m_released.emplace_back(&window);
    else
        window.deleteLater();
}

void Session::focusChanged(spindex::Form* form) {
    if (form == m_activating)
        m_activating = nullptr; // the activation the program asked for has arrived
    if (m_syncing || inDialog() || m_program->ended() || m_program->focused() == form)
        return;
    // The window system delivers activations late: one for a window that was active before the
    // program moved the focus on (the main window, just as the graphic opens) is not the user's.
    if (m_activating && m_activationClock.isValid() && m_activationClock.elapsed() < ActivationGraceMs &&
        form != m_activating)
        return;
    m_activating = nullptr;
    m_program->focus(form);
    settle();
}

void Session::closeRequested(spindex::Form& form) {
    act(form, [this, &form] { m_program->closeRequested(form); });
}

FormWindow* Session::windowFor(const spindex::Form& form) const {
    const auto it = m_windows.find(&form);
    return it == m_windows.end() ? nullptr : it->second;
}

void Session::sync() {
    if (m_syncing)
        return;
    m_syncing = true;
    releaseUnloaded();
    for (spindex::Form* form : m_program->loadedForms()) {
        FormWindow*& window = m_windows[form];
        if (!window) {
            window = createWindow(*form);
            window->refresh();
            // Windows place themselves in the middle of the screen when they are loaded.
            window->placeOnScreen();
        }
        window->refresh();
        window->setVisible(form->visible);
    }
    auto* splash = m_program->frmSplash();
    if (splash && splash->Timer1.enabled) {
        if (!m_splashTimer.isActive())
            m_splashTimer.start(splash->Timer1.interval);
    } else {
        m_splashTimer.stop();
    }
    if (spindex::Form* focused = m_program->focused()) {
        if (FormWindow* window = windowFor(*focused); window && window->isVisible() && !window->isActiveWindow()) {
            window->raise();
            window->activateWindow();
            m_activating = focused;
            m_activationClock.start();
        }
    } else if (m_handBack && m_handBack->isVisible() && !m_program->ended()) {
        m_handBack->activateWindow();
    }
    m_handBack = nullptr;
    m_syncing = false;
}

FormWindow* Session::createWindow(spindex::Form& form) {
    // Every window opened from the main window belongs to it.
    spindex::MainForm* main = m_program->frmSpindex();
    QWidget* owner = main && main != &form ? windowFor(*main) : nullptr;
    if (auto* f = dynamic_cast<spindex::SplashForm*>(&form))
        return new SplashWindow(*this, *f);
    if (auto* f = dynamic_cast<spindex::SelectControllerForm*>(&form))
        return new SelectWindow(*this, *f);
    if (auto* f = dynamic_cast<spindex::MainForm*>(&form))
        return new MainWindow(*this, *f);
    if (auto* f = dynamic_cast<spindex::ReportForm*>(&form))
        return new ReportWindow(*this, *f, owner);
    if (auto* f = dynamic_cast<spindex::GraphicForm*>(&form))
        return new GraphicWindow(*this, *f, owner);
    if (auto* f = dynamic_cast<spindex::SummaryForm*>(&form))
        return new SummaryWindow(*this, *f, owner);
    if (auto* f = dynamic_cast<spindex::AssumptionsForm*>(&form))
        return new AssumptionsWindow(*this, *f, owner);
    auto* about = dynamic_cast<spindex::AboutForm*>(&form);
    Q_ASSERT(about);
    return new AboutWindow(*this, *about, owner);
}

QWidget* Session::dialogParent() const {
    if (const spindex::Form* focused = m_program->focused())
        return windowFor(*focused);
    return nullptr;
}

spindex::MsgAnswer Session::messageBox(const std::string& text, spindex::MsgButtons buttons, spindex::MsgIcon icon,
                                       const std::string& title) {
    QMessageBox box(dialogParent());
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
        const NestedLoop loop(*this, NestedLoop::Dialog);
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

std::optional<std::string> Session::chosenFile(QFileDialog& dialog) {
    bool accepted = false;
    {
        const NestedLoop loop(*this, NestedLoop::Dialog);
        accepted = dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty();
    }
    if (!accepted)
        return std::nullopt;
    return dialog.selectedFiles().first().toStdString();
}

std::optional<std::string> Session::saveFileName(const std::string& filter, const std::string& defaultExt) {
    QFileDialog dialog(dialogParent());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(qtFilter(filter));
    dialog.setDefaultSuffix(QString::fromStdString(defaultExt));
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    return chosenFile(dialog);
}

std::optional<std::string> Session::openFileName(const std::string& filter) {
    QFileDialog dialog(dialogParent());
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(qtFilter(filter));
    return chosenFile(dialog);
}

std::string Session::writeFile(const std::string& path, const std::string& content) {
    return spindex::files::writeWhole(path, content);
}

std::string Session::readFile(const std::string& path, std::string& content, std::int64_t limit) {
    return spindex::files::readWhole(path, content, limit);
}

void Session::printWindow(const std::string& window) {
    spindex::Form* form = m_program->form(window);
    if (!form)
        return;
    if (!windowFor(*form))
        sync();
    const QPointer<FormWindow> target = windowFor(*form);
    if (!target)
        return;
    QPrinter printer(QPrinter::HighResolution);
    if (m_pageLayout)
        printer.setPageLayout(*m_pageLayout);
    QPrintDialog dialog(&printer, target);
    bool accepted = false;
    {
        const NestedLoop loop(*this, NestedLoop::Dialog);
        accepted = dialog.exec() == QDialog::Accepted;
    }
    // A window closed while the dialog was up is no longer there to be printed.
    if (!accepted || !target || !target->form())
        return;
    QPainter painter(&printer);
    target->print(painter);
}

void Session::printerSetup(const std::string& window) {
    spindex::Form* form = m_program->form(window);
    QPrinter printer(QPrinter::HighResolution);
    if (m_pageLayout)
        printer.setPageLayout(*m_pageLayout);
    std::unique_ptr<QPageSetupDialog> dialog;
    {
        // Without an installed printer the dialog sets up the page of PDF output all the same; Qt
        // still says on standard error that it is not a native printer, which is no news to anyone.
        const QuietMessage quiet("QPageSetupDialog: Cannot be used on non-native printers");
        dialog = std::make_unique<QPageSetupDialog>(&printer, form ? windowFor(*form) : nullptr);
    }
    bool accepted = false;
    {
        const NestedLoop loop(*this, NestedLoop::Dialog);
        accepted = dialog->exec() == QDialog::Accepted; // a cancelled set-up changes nothing
    }
    if (accepted)
        m_pageLayout = printer.pageLayout();
}

bool Session::startProgram(const std::string& path) {
    return QProcess::startDetached(QString::fromStdString(path), {});
}

bool Session::fileExists(const std::string& path) {
    return QFileInfo(QString::fromStdString(path)).isFile();
}

std::string Session::showDocument(const std::string& path) {
    // Read once here for the reason a user can act on; the window then reads it with its pictures.
    std::string content;
    constexpr std::int64_t Limit = 16 * 1024 * 1024;
    if (std::string why = spindex::files::readWhole(path, content, Limit); !why.empty())
        return why;
    if (!m_manual)
        m_manual = std::make_unique<ManualWindow>();
    m_manual->open(QString::fromStdString(path));
    m_manual->show();
    m_manual->raise();
    m_manual->activateWindow();
    return {};
}

void Session::programEnded() {
    emit ended();
}

void Session::planFileUsed(const std::string& path) {
    RecentPlans::add(QString::fromStdString(path));
}

} // namespace spindex::ui
