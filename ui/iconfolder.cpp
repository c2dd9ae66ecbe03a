#include "iconfolder.h"

#include <QDir>

namespace spindex::ui {

QString iconFolder(const QString& programFolder) {
    const QString dataFolder = QDir::cleanPath(programFolder + '/' + QStringLiteral(SPINDEX_DATADIR_FROM_BINDIR));
    return QDir(dataFolder).exists() ? dataFolder : programFolder;
}

} // namespace spindex::ui
