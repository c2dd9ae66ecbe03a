#include "keptplans.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "files.h"

namespace spindex::files {

namespace {

constexpr const char* Stem = "unsaved";
constexpr const char* Extension = ".spindex";

QString lockOf(const QString& planPath) {
    return planPath.chopped(static_cast<int>(qstrlen(Extension))) + ".lock";
}

} // namespace

KeptPlans::KeptPlans(QString folder) : m_folder(std::move(folder)) {}

KeptPlans::~KeptPlans() = default;

void KeptPlans::claim() {
    if (m_claimed)
        return;
    m_claimed = true;
    const QDir folder(m_folder);
    folder.mkpath(QStringLiteral("."));
    for (const QString& stem :
         {QString::fromLatin1(Stem), QStringLiteral("%1-%2").arg(Stem).arg(QCoreApplication::applicationPid())}) {
        auto lock = std::make_unique<QLockFile>(folder.filePath(stem + ".lock"));
        lock->setStaleLockTime(0); // a lock outlives its program only when the program died
        if (!lock->tryLock(0))
            continue;
        m_lock = std::move(lock);
        m_own = folder.filePath(stem + Extension);
        break;
    }
    if (!m_lock) {
        // Even the lock of our own process number is taken: we keep without one, under a name no
        // other program uses.
        m_own = folder.filePath(QStringLiteral("%1-%2-%3%4")
                                    .arg(Stem)
                                    .arg(QCoreApplication::applicationPid())
                                    .arg(QDateTime::currentMSecsSinceEpoch())
                                    .arg(Extension));
    }
    // A plan an earlier run left under our name is not ours to overwrite.
    if (const QFileInfo left(m_own); left.exists()) {
        const QString aside = left.lastModified().toString(QStringLiteral("yyyyMMdd-HHmmss"));
        for (int n = 0; n < 100; ++n) {
            const QString name =
                QStringLiteral("%1-%2%3%4").arg(Stem, aside, n ? QStringLiteral("-%1").arg(n) : QString(), Extension);
            if (!folder.exists(name) && QFile::rename(m_own, folder.filePath(name)))
                break;
        }
    }
    findNewest();
}

void KeptPlans::findNewest() {
    m_newest.reset();
    const QDir folder(m_folder);
    const QFileInfoList plans =
        folder.entryInfoList({QString::fromLatin1(Stem) + "*" + Extension}, QDir::Files, QDir::Time);
    for (const QFileInfo& plan : plans) {
        if (plan.absoluteFilePath() == QFileInfo(m_own).absoluteFilePath())
            continue;
        // A program that still runs is still working on its plan.
        QLockFile lock(lockOf(plan.absoluteFilePath()));
        lock.setStaleLockTime(0);
        if (!lock.tryLock(0))
            continue;
        m_newest = Kept{plan.absoluteFilePath(), plan.lastModified()};
        return;
    }
}

std::string KeptPlans::keep(const std::string& text) {
    claim();
    return writeWhole(m_own.toStdString(), text);
}

void KeptPlans::forget() {
    if (m_claimed)
        QFile::remove(m_own);
}

const std::optional<KeptPlans::Kept>& KeptPlans::newest() {
    claim();
    return m_newest;
}

void KeptPlans::remove(const QString& path) {
    claim();
    QFile::remove(path);
    findNewest();
}

} // namespace spindex::files
