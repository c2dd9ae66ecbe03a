#include "runtime/savefile.h"

#include "appinfo.h"
#include "runtime/host.h"

namespace spindex {

bool writeOrTell(Host& host, const std::string& path, const std::string& what, const std::string& content) {
    // A failed save must not pass for a done one: the user hears of it.
    const std::string error = host.writeFile(path, content);
    if (error.empty())
        return true;
    tellSaveFailure(host, path, what, error);
    return false;
}

void tellSaveFailure(Host& host, const std::string& path, const std::string& what, const std::string& reason) {
    host.messageBox("Could not save the " + what + " to " + path + ": " + reason, MsgButtons::Ok, MsgIcon::Critical,
                    appinfo::Title);
}

bool saveChosenFile(Host& host, const std::string& filter, const std::string& defaultExt, const std::string& what,
                    const std::function<std::string()>& content) {
    const std::optional<std::string> path = host.saveFileName(filter, defaultExt);
    if (!path || path->empty())
        return false;
    return writeOrTell(host, *path, what, content());
}

} // namespace spindex
