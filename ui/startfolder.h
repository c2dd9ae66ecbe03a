#pragma once

// Where a file dialog starts: in the folder of the plan being worked on, else in the folder where
// the user last chose a file of the same kind, else in the user's documents.

#include <QString>
#include <string>

namespace spindex::ui {

// The kind of file a dialog's filter asks for: the extension of its first pattern, "spindex" for
// "Spindex Plans (*.spindex)|*.spindex"; empty when it names none.
QString fileKind(const std::string& filter);

// The first of the plan file's folder, the folder last used for the kind and the documents folder
// that is given; the plan file and the last folder may be empty.
QString startFolder(const QString& planFile, const QString& lastUsed, const QString& documents);

} // namespace spindex::ui
