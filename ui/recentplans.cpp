#include "recentplans.h"

#include <QFileInfo>
#include <QSettings>

namespace spindex::ui {

namespace {
const QString Key = QStringLiteral("recentPlans");

void store(const QStringList& paths) {
    QSettings().setValue(Key, paths);
}
} // namespace

QStringList RecentPlans::list() {
    return QSettings().value(Key).toStringList().mid(0, Kept);
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

} // namespace spindex::ui
