#include "formwindow.h"
#include "windowactions.h"

namespace spindex::ui {

void EventLoops::enter(Kind kind) {
    ++m_nested;
    if (kind == Dialog)
        ++m_dialogs;
}

void EventLoops::leave(Kind kind) {
    if (kind == Dialog)
        --m_dialogs;
    if (--m_nested > 0)
        return;
    // The loop has returned: the windows let go of meanwhile go once the code that ran it is done.
    for (const QPointer<FormWindow>& window : m_waiting)
        if (window)
            window->deleteLater();
    m_waiting.clear();
}

void EventLoops::dispose(FormWindow& window) {
    if (m_nested > 0)
        m_waiting.emplace_back(&window);
    else
        window.deleteLater();
}

std::vector<QPointer<FormWindow>> EventLoops::takeWaiting() {
    return std::exchange(m_waiting, {});
}

} // namespace spindex::ui
