#pragma once

// Files as the program's surroundings read and write them, for the window build and the batch tool
// alike. A file is written whole or not at all: the content goes to a temporary file beside the
// target, which replaces the target only once it is complete, so a failed save never damages the
// file that was there.

#include <cstdint>
#include <string>

namespace spindex::files {

// Writes the content to the path. Empty on success, else the reason, in words for the user.
std::string writeWhole(const std::string& path, const std::string& content);

// Reads the whole file into content when it holds at most limit bytes. Empty on success, else the
// reason; content is left empty then.
std::string readWhole(const std::string& path, std::string& content, std::int64_t limit);

} // namespace spindex::files
