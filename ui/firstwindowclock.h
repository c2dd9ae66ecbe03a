#pragma once

// For timing the start-up from outside: with SPINDEX_TIME_FIRST_WINDOW set, the first window the
// window system exposes writes "first window NANOSECONDS" (the wall clock, in nanoseconds since
// 1970) on standard error and the program quits. bench/first-window.sh compares it with a bare Qt
// window started the same way.

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QWindow>
#include <chrono>
#include <cstdio>

namespace spindex::ui {

class FirstWindowClock : public QObject {
public:
    // Installed on the application when the environment asks for it; does nothing otherwise.
    static void installIfAsked(QCoreApplication& app) {
        if (qEnvironmentVariableIsSet("SPINDEX_TIME_FIRST_WINDOW"))
            app.installEventFilter(new FirstWindowClock(&app));
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!m_seen && event->type() == QEvent::Expose) {
            const auto* window = qobject_cast<QWindow*>(watched);
            if (window && window->isExposed()) {
                m_seen = true;
                const auto now = std::chrono::duration_cast<std::chrono::nanoseconds>(
                    std::chrono::system_clock::now().time_since_epoch());
                std::fprintf(stderr, "first window %lld\n", static_cast<long long>(now.count()));
                std::fflush(stderr);
                QMetaObject::invokeMethod(
                    qApp, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    using QObject::QObject;
    bool m_seen = false;
};

} // namespace spindex::ui
