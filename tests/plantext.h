#pragma once

// Plan files written by hand for the tests of opening plans: one line of JSON each, with only the keys
// a case needs, so that a case shows at a glance what its file holds.

#include <string>

namespace spindex::test {

// A plan of the controller with its channels (the "channels" key and its array) and its sets (the
// set objects, comma-separated); rest is further keys, each starting with a comma.
inline std::string planText(const std::string& controller, const std::string& channels, const std::string& sets,
                            const std::string& rest = "") {
    return R"({"format":"spindex-plan","version":1,"controller":")" + controller + "\"," + channels + R"(,"sets":[)" +
           sets + "]" + rest + "}";
}

// One set of the plan, without a local spare.
inline std::string setText(const std::string& level, int drives, int spans, const std::string& size,
                           const std::string& height = "low profile") {
    return R"({"level":")" + level + R"(","drives":)" + std::to_string(drives) + R"(,"spans":)" +
           std::to_string(spans) + R"(,"driveSize":")" + size + R"(","height":")" + height + R"(","localSpare":false})";
}

} // namespace spindex::test
