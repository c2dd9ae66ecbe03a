#include "startfolder.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace spindex::ui {

QString fileKind(const std::string& filter) {
    static const QRegularExpression pattern(QStringLiteral("\\*\\.([A-Za-z0-9]+)"));
    const QRegularExpressionMatch match = pattern.match(QString::fromStdString(filter));
    return match.hasMatch() ? match.captured(1).toLower() : QString();
}

QString startFolder(const QString& planFile, const QString& lastUsed, const QString& documents) {
    if (!planFile.isEmpty())
        return QFileInfo(planFile).absolutePath();
    // A folder removed since it was last used would open the dialog nowhere.
    if (!lastUsed.isEmpty() && QFileInfo(lastUsed).isDir())
        return lastUsed;
    return documents;
}

} // namespace spindex::ui
