#pragma once

// Opening a plan never writes the main window's state directly: it rebuilds the plan as a user would,
// through the model's own user actions (choose the controller, set the channel rows, set the
// calculator for each set and add it, switch its local spare on, set the global spares, the
// calculator and the rule set), and compares the result with the plan field by field. A value that
// the actions cannot reach is what refuses a plan; the controller's rules have no second copy here.

#include <memory>
#include <optional>
#include <string>

#include "plans/plan.h"
#include "runtime/program.h"
#include "runtime/quiethost.h"

namespace spindex {

class MainForm;

// A program of its own, started fresh as a user starts Spindex, behind a quiet host: questions asked
// of a plan there leave the running program as it is.
struct ScratchProgram {
    QuietHost host;
    Program program{host};
    MainForm* main = nullptr;
};

// The plan rebuilt in a scratch program, or nothing with the first field that does not rebuild.
std::unique_ptr<ScratchProgram> scratchProgram(const Plan& plan, std::string& reason);

// Rebuilds the plan in a scratch program that starts fresh, as a user starts Spindex, and shows
// nothing. The plan it rebuilt, complete (every storage entry and the calculator filled in), or
// nothing with the first field that does not rebuild.
std::optional<Plan> rebuildPlan(const Plan& plan, std::string& reason);

// Plays a rebuilt plan into the running main window behind a quiet host: the plan's controller is
// set up afresh and the plan replayed. Empty on success, the window then holds exactly the plan;
// otherwise the window is brought back to the plan it held before and the reason is returned, so
// that a plan is never left half applied.
std::string replayPlan(MainForm& main, const Plan& plan);

// The first field in which the rebuilt plan differs from the wanted one, in words; empty when none.
// A storage entry "" and a missing calculator in the wanted plan take whatever was rebuilt; the
// sets' capacities are not compared.
std::string planDifference(const Plan& wanted, const Plan& rebuilt);

} // namespace spindex
