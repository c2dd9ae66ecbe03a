#pragma once

// Plans never saved, kept in the user's data folder for the next start. Each running program keeps
// its plan in a file of its own, held by a lock file while it runs: the first one "unsaved.spindex",
// another running beside it "unsaved-PID.spindex", so that a second program never writes over the
// first one's plan. A plan left by a program that has ended is offered for recovery, the newest
// first; a program that finds its own file left by an earlier run moves that aside, under the time
// it was kept, before it keeps anything there.

#include <QDateTime>
#include <QLockFile>
#include <QString>
#include <memory>
#include <optional>
#include <string>

namespace spindex::files {

class KeptPlans {
public:
    struct Kept {
        QString path;
        QDateTime time;
    };

    // folder: where the plans are kept. Nothing is touched before the first request.
    explicit KeptPlans(QString folder);
    ~KeptPlans();
    KeptPlans(const KeptPlans&) = delete;
    KeptPlans& operator=(const KeptPlans&) = delete;

    // Writes this program's plan whole; empty on success, else the reason.
    std::string keep(const std::string& text);
    // Removes this program's plan.
    void forget();
    // The newest plan of a program that has ended, as found at the first request or after a removal.
    const std::optional<Kept>& newest();
    // Removes a plan of an ended program (it has been recovered).
    void remove(const QString& path);

private:
    void claim();
    void findNewest();
    const QString m_folder;
    bool m_claimed = false;
    QString m_own; // this program's file, once claimed
    std::unique_ptr<QLockFile> m_lock;
    std::optional<Kept> m_newest;
};

} // namespace spindex::files
