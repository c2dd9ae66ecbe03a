#pragma once

// The plans last opened or saved, newest first, kept in the user's settings between runs.

#include <QStringList>

namespace spindex::ui {

class RecentPlans {
public:
    static constexpr int Kept = 8;

    static QStringList list();
    // The plan goes to the top of the list, by its full path.
    static void add(const QString& path);
    static void remove(const QString& path);
    static void clear();
};

} // namespace spindex::ui
