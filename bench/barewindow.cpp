// The yardstick for the window program's start-up: a bare Qt program that shows one QLabel, timed by
// bench/first-window.sh exactly as spindex is.

#include <QApplication>
#include <QLabel>

#include "firstwindowclock.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    spindex::ui::FirstWindowClock::installIfAsked(app);
    QLabel label(QStringLiteral("A bare Qt window"));
    label.show();
    return QApplication::exec();
}
