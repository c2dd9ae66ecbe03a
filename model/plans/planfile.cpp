#include "plans/planfile.h"

#include <filesystem>

#include "appinfo.h"
#include "plans/planreader.h"
#include "runtime/host.h"

namespace spindex {

std::optional<Plan> readPlanFile(Host& host, const std::string& path, std::string& reason) {
    std::string bytes;
    reason = host.readFile(path, bytes, PlanFileLimit);
    if (!reason.empty())
        return std::nullopt;
    return readPlan(bytes, reason);
}

void showOpenFailure(Host& host, const std::string& path, const std::string& reason) {
    host.messageBox("Could not open the plan " + path + ": " + reason, MsgButtons::Ok, MsgIcon::Critical,
                    appinfo::Title);
}

std::string planFileName(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

} // namespace spindex
