#pragma once

// Where the storage cage graphic's icon files lie.

#include <QString>

namespace spindex::ui {

// The folder of the slot icons for a program started from programFolder: the data folder an
// installation puts beside bin/ (share/spindex, which the build tree copies), or, where there is
// none, the program's folder itself (a copy of the program kept in one folder with its icons).
QString iconFolder(const QString& programFolder);

} // namespace spindex::ui
