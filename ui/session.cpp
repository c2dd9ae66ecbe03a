#include "session.h"

#include <algorithm>

#include <QApplication>
#include <QEvent>
#include <QTimer>

#include "appicon.h"
#include "forms/smallforms.h"
#include "formwindow.h"
#include "mainform/mainform.h"
#include "plans/plandocument.h"
#include "windowfactory.h"

namespace spindex::ui {

Session::Session(QString programFolder, QString keptPlans, QObject* parent) : QObject(parent) {
    DialogHost::Surroundings surroundings;
    surroundings.dialogParent = [this]() -> QWidget* {
        const spindex::Form* focused = m_program->focused();
        return focused ? windowFor(*focused) : nullptr;
    };
    surroundings.window = [this](const std::string& name) -> FormWindow* {
        const spindex::Form* form = m_program->form(name);
        if (form && !windowFor(*form))
            sync();
        return form ? windowFor(*form) : nullptr;
    };
    surroundings.planFile = [this]() -> std::optional<std::string> {
        const spindex::PlanDocument* plan = m_program->planDocument();
        return plan ? plan->file() : std::nullopt;
    };
    surroundings.keptPlans = std::move(keptPlans);
    m_host = std::make_unique<DialogHost>(m_loops, std::move(surroundings));
    connect(m_host.get(), &DialogHost::ended, this, &Session::ended);
    m_program = std::make_unique<spindex::Program>(*m_host, programFolder.toStdString());
    m_splashTimer.setSingleShot(true);
    connect(&m_splashTimer, &QTimer::timeout, this, [this] {
        m_program->timerFired();
        settle();
    });
    m_keepTimer.setSingleShot(true);
    m_keepTimer.setInterval(1000);
    connect(&m_keepTimer, &QTimer::timeout, this, [this] { m_program->keepPlan(); });
    qApp->installEventFilter(this);
}

Session::~Session() {
    qApp->removeEventFilter(this);
    // Windows that belong to the main window go with it; the guarded pointers skip them then.
    std::vector<QPointer<FormWindow>> windows = m_loops.takeWaiting();
    for (auto& [form, window] : m_windows)
        windows.emplace_back(window);
    m_windows.clear();
    for (auto it = windows.rbegin(); it != windows.rend(); ++it)
        delete it->data();
    m_host.reset(); // the manual's window
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
            if (m_activating == it->first)
                m_activating = nullptr;
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
    m_loops.dispose(window);
}

void Session::activated(spindex::Form& form) {
    if (&form == m_activating) {
        m_activating = nullptr; // the activation the program asked for has arrived
        return;
    }
    // The window system delivers activations late: one for a window that was active before the
    // program moved the focus on (the main window, just as the graphic opens) is not the user's.
    if (!m_activating)
        userFocus(form);
}

void Session::userFocus(spindex::Form& form) {
    if (m_syncing || m_loops.inDialog() || m_program->ended() || m_program->focused() == &form)
        return;
    m_program->focus(&form);
    settle();
}

bool Session::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (!m_iconSet && type == QEvent::Expose) {
        // The program's icon, drawn at seven sizes for the window system, is set once the first window
        // is on screen: the windows made at start get it then, and the first one shows sooner.
        m_iconSet = true;
        QTimer::singleShot(0, this, [] { QApplication::setWindowIcon(applicationIcon()); });
    }
    if (m_activating && (type == QEvent::MouseButtonPress || type == QEvent::KeyPress) && watched->isWidgetType()) {
        // The user works in another window than the one the program asked for: that is settled now.
        auto* window = qobject_cast<FormWindow*>(static_cast<QWidget*>(watched)->window());
        if (window && window->form() && window->form() != m_activating) {
            m_activating = nullptr;
            if (window->isActiveWindow())
                userFocus(*window->form());
        }
    }
    return QObject::eventFilter(watched, event);
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
    spindex::MainForm* main = m_program->frmSpindex();
    for (spindex::Form* form : m_program->loadedForms()) {
        FormWindow*& window = m_windows[form];
        if (!window) {
            // Every window opened from the main window belongs to it.
            window = makeWindow(*this, *form, main && main != form ? windowFor(*main) : nullptr);
            Q_ASSERT(window);
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
    if (m_program->keepDue() && !m_keepTimer.isActive())
        m_keepTimer.start();
    if (spindex::Form* focused = m_program->focused()) {
        if (FormWindow* window = windowFor(*focused); window && window->isVisible() && !window->isActiveWindow()) {
            window->raise();
            window->activateWindow();
            m_activating = focused;
        }
    } else if (m_handBack && m_handBack->isVisible() && !m_program->ended()) {
        m_handBack->activateWindow();
    }
    m_handBack = nullptr;
    m_syncing = false;
}

} // namespace spindex::ui
