#include "recentplans.h"

#include <QFileInfo>
#include <QSettings>

namespace spindex::ui {

namespace {
const QString Key = QStringLiteral("recentPlans");

// The list as this program knows it: read from the settings once, written back at each change, so
// that showing it after every action costs nothing.
QStringList& known() {
    static QStringList paths = QSettings().value(Key).toStringList().mid(0, RecentPlans::Kept);
    return paths;
}

void store(const QStringList& paths) {
    known() = paths;
    QSettings().setValue(Key, paths);
}
} // namespace

QStringList RecentPlans::list() {
    return known();
}

void RecentPlans::add(const QString& path) {
    // Absolute, so that a plan named relative to the folder Spindex started in is found from anywhere.
    const QString full = QFileInfo(path).absoluteFilePath();
    QStringList paths = list();
    paths.removeAll(full);
    paths.prepend(full);
    store(paths.mid(0, Kept));
}

void RecentPlans::remove(const QString& path) {
    QStringList paths = list();
    paths.removeAll(path);
    store(paths);
}

void RecentPlans::clear() {
    store({});
}

} // namespace spindex::ui
