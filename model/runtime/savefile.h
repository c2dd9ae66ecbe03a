#pragma once

// Saving one file the user chooses: the save dialog, the whole file written or nothing, and a failure
// told to the user. Every "save as" of the program goes this way.

#include <functional>
#include <string>

namespace spindex {

class Host;

// Writes the content to the path, whole or not at all; a failure says "Could not save the <what> to
// <path>: <reason>" and the old file keeps its content. True once the file is written.
bool writeOrTell(Host& host, const std::string& path, const std::string& what, const std::string& content);
// Says "Could not save the <what> to <path>: <reason>" in a critical message box.
void tellSaveFailure(Host& host, const std::string& path, const std::string& what, const std::string& reason);

// Asks for a file of the filter's kind and writes the content to it, made only once a file is
// chosen, as writeOrTell writes it. True once the file is written.
bool saveChosenFile(Host& host, const std::string& filter, const std::string& defaultExt, const std::string& what,
                    const std::function<std::string()>& content);

} // namespace spindex
