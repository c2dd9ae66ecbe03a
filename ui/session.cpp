#include "session.h"

#include <algorithm>

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
#include "formwindow.h"
#include "mainform.h"
#include "manualwindow.h"
#include "outputforms.h"
#include "recentplans.h"
#include "smallforms.h"
#include "windowclasses.h"

namespace spindex::ui {

namespace {
// A Windows-style filter "Text Files (*.txt)|*.txt" as Qt writes it.
QString qtFilter(const std::string& filter) {
    const QString text = QString::fromStdString(filter);
    const int bar = text.indexOf('|');
    return bar < 0 ? text : text.left(bar);
}
} // namespace

Session::Session(QString programFolder, QObject* parent) : QObject(parent) {
    m_program = std::make_unique<spindex::Program>(*this, programFolder.toStdString());
    m_splashTimer.setSingleShot(true);
    connect(&m_splashTimer, &QTimer::timeout, this, [this] {
        m_program->timerFired();
        m_program->settle();
        sync();
    });
}

Session::~Session() {
    for (auto& [form, window] : m_windows)
        delete window;
    m_windows.clear();
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
    m_program->settle();
    sync();
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
    m_program->settle();
    sync();
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
    const std::vector<spindex::Form*> loaded = m_program->loadedForms();
    for (auto it = m_windows.begin(); it != m_windows.end();) {
        if (std::find(loaded.begin(), loaded.end(), it->first) == loaded.end()) {
            it->second->hide();
            it->second->deleteLater();
            it = m_windows.erase(it);
        } else {
            ++it;
        }
    }
    for (spindex::Form* form : loaded) {
        FormWindow*& window = m_windows[form];
        if (!window) {
            window = createWindow(*form);
            window->refresh();
            window->adjustSize();
            // Windows place themselves in the middle of the screen when they are loaded; one
            // larger than the screen is cut down to it and kept on it.
            if (const QScreen* screen = window->screen()) {
                const QRect area = screen->availableGeometry();
                window->resize(window->size().boundedTo(area.size()));
                const QPoint centred = area.center() - window->rect().center();
                window->move(std::max(centred.x(), area.left()), std::max(centred.y(), area.top()));
            }
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
    if (spindex::Form* focused = m_program->focused())
        if (FormWindow* window = windowFor(*focused); window && window->isVisible() && !window->isActiveWindow()) {
            window->raise();
            window->activateWindow();
            m_activating = focused;
            m_activationClock.start();
        }
    m_syncing = false;
}

FormWindow* Session::createWindow(spindex::Form& form) {
    if (auto* f = dynamic_cast<spindex::SplashForm*>(&form))
        return new SplashWindow(*this, *f);
    if (auto* f = dynamic_cast<spindex::SelectControllerForm*>(&form))
        return new SelectWindow(*this, *f);
    if (auto* f = dynamic_cast<spindex::MainForm*>(&form))
        return new MainWindow(*this, *f);
    if (auto* f = dynamic_cast<spindex::ReportForm*>(&form))
        return new ReportWindow(*this, *f);
    if (auto* f = dynamic_cast<spindex::GraphicForm*>(&form))
        return new GraphicWindow(*this, *f);
    if (auto* f = dynamic_cast<spindex::SummaryForm*>(&form))
        return new SummaryWindow(*this, *f);
    auto* about = dynamic_cast<spindex::AboutForm*>(&form);
    Q_ASSERT(about);
    return new AboutWindow(*this, *about);
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
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case spindex::MsgButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    ++m_dialogDepth;
    const int result = box.exec();
    --m_dialogDepth;
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

std::optional<std::string> Session::saveFileName(const std::string& filter, const std::string& defaultExt) {
    QFileDialog dialog(dialogParent());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(qtFilter(filter));
    dialog.setDefaultSuffix(QString::fromStdString(defaultExt));
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    ++m_dialogDepth;
    const bool accepted = dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty();
    --m_dialogDepth;
    if (!accepted)
        return std::nullopt;
    return dialog.selectedFiles().first().toStdString();
}

std::optional<std::string> Session::openFileName(const std::string& filter) {
    QFileDialog dialog(dialogParent());
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(qtFilter(filter));
    ++m_dialogDepth;
    const bool accepted = dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty();
    --m_dialogDepth;
    if (!accepted)
        return std::nullopt;
    return dialog.selectedFiles().first().toStdString();
}

std::string Session::writeFile(const std::string& path, const std::string& content) {
    return spindex::files::writeWhole(path, content);
}

std::string Session::readFile(const std::string& path, std::string& content, std::int64_t limit) {
    return spindex::files::readWhole(path, content, limit);
}

void Session::printWindow(const std::string& window) {
    spindex::Form* form = m_program->form(window);
    FormWindow* target = form ? windowFor(*form) : nullptr;
    if (!target) {
        sync();
        target = form ? windowFor(*form) : nullptr;
        if (!target)
            return;
    }
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, target);
    ++m_dialogDepth;
    const bool accepted = dialog.exec() == QDialog::Accepted;
    --m_dialogDepth;
    if (!accepted)
        return;
    QPainter painter(&printer);
    target->print(painter);
}

void Session::printerSetup(const std::string& window) {
    spindex::Form* form = m_program->form(window);
    QPrinter printer(QPrinter::HighResolution);
    QPageSetupDialog dialog(&printer, form ? windowFor(*form) : nullptr);
    ++m_dialogDepth;
    dialog.exec(); // a cancelled set-up changes nothing
    --m_dialogDepth;
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
