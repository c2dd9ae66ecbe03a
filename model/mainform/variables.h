#pragma once

// The program's variables by name, as scripts read them: the program's own (the controller chosen,
// each channel's slots and storage entry), the main window's (while it is loaded), and the plan's
// values (what Save Plan would write now, its file, whether it is modified, its summary), which are
// computed when asked for.

#include <cstddef>
#include <nlohmann/json.hpp>
#include <string_view>

namespace spindex {

class Program;

struct ProgramVariable {
    enum class Scope {
        Program,    // always there
        MainWindow, // a variable of the main window, while it is loaded
        Plan        // a value of the plan in the main window, while it is loaded; no window's variable
    };
    const char* name;
    Scope scope;
    bool perChannel; // one element per channel, read with the channel's index
    // The value; the main window is loaded for every scope but Program, and index is the channel of a
    // per-channel variable.
    nlohmann::ordered_json (*read)(const Program& program, std::size_t index);
};

// The variable of that name, or nothing.
const ProgramVariable* findVariable(std::string_view name);

} // namespace spindex
