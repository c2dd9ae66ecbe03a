#pragma once

// What a name in a script refers to: a window, a control of a window, or a program variable, with
// the property asked for after a dot.
//
//   frmGraphic                     window (loaded or not)
//   frmGraphic.visible             window property
//   frmGraphic.imgLgcDrv(13)       control of that window
//   imgLgcDrv(13).picture          control property
//   cmbRaidLevel                   bare name: a control of frmSpindex, or of frmSelectController for
//                                  cmbSelectCont and Command1 while that window is loaded
//   ControllerType, ChannelSlots(2), MaxSlots, frmSpindex.MaxSlots    variables
//   Plan, PlanFile, PlanModified,  the plan: what Save Plan would write now, its file, whether it
//   PlanSummary                    is modified, and its summary (while the main window is loaded)

#include <optional>
#include <string>

namespace spindex {
class Control;
class Form;
class Program;
} // namespace spindex

namespace spindex::batch {

struct Reference {
    enum class Kind { Window, Control, Variable };
    Kind kind = Kind::Control;
    std::string window;         // name of the window, or of the control's window
    Form* form = nullptr;       // that window, null while it is not loaded
    Control* control = nullptr; // for Kind::Control
    std::string variable;       // for Kind::Variable, without its index
    int index = -1;             // index of an array variable
    std::string property;       // as written after the dot, empty for the default property
};

// The reference, or nothing with the reason in error. A control of a window that is not loaded is an
// error; a window that is not loaded is not.
std::optional<Reference> resolve(Program& program, const std::string& name, std::string& error);

// A control that a command acts on: no property, and its window loaded.
std::optional<Reference> resolveControl(Program& program, const std::string& name, std::string& error);

// A loaded window named by the command (key, focus).
Form* resolveLoadedWindow(Program& program, const std::string& name, std::string& error);

// "Name(12)" into "Name" and 12; false when the name has no index in parentheses.
bool splitIndex(const std::string& name, std::string& base, int& index);

} // namespace spindex::batch
