#include "nameresolver.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>

#include "mainform/variables.h"
#include "rules/limits.h"
#include "runtime/form.h"
#include "runtime/program.h"

namespace spindex::batch {

namespace {
constexpr const char* MainWindow = "frmSpindex";
constexpr const char* SelectWindow = "frmSelectController";

const std::array<const char*, 4> WindowProperties{"loaded", "visible", "caption", "lines"};

bool isWindowName(const std::string& name) {
    const auto& names = Program::formNames();
    return std::find(names.begin(), names.end(), name) != names.end();
}

bool equalsIgnoringCase(const std::string& a, const char* b) {
    const std::string_view bv(b);
    return a.size() == bv.size() && std::equal(a.begin(), a.end(), bv.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

// A variable named by the text (with its index for the arrays), or nothing; error tells why a
// variable that was found cannot be read.
std::optional<Reference> variable(Program& program, const std::string& text, bool mainPrefix, std::string& error) {
    std::string base = text;
    int index = -1;
    const bool indexed = splitIndex(text, base, index);
    const ProgramVariable* found = findVariable(base);
    if (!found)
        return std::nullopt;
    const bool global = found->scope == ProgramVariable::Scope::Program;
    const bool local = !global;
    if (found->scope != ProgramVariable::Scope::MainWindow && mainPrefix)
        return std::nullopt; // the globals and the plan's values belong to no window
    Reference ref;
    ref.kind = Reference::Kind::Variable;
    ref.variable = base;
    ref.index = index;
    const bool isArray = found->perChannel;
    if (isArray != indexed || (isArray && (index < 0 || index >= Channels))) {
        error = isArray ? base + " needs an index from 0 to " + std::to_string(Channels - 1) : base + " has no index";
        return ref;
    }
    if (local) {
        ref.window = MainWindow;
        ref.form = program.form(MainWindow);
        if (!ref.form) {
            error = std::string("window ") + MainWindow + " is not loaded";
        }
    }
    return ref;
}
} // namespace

bool splitIndex(const std::string& name, std::string& base, int& index) {
    const size_t open = name.find('(');
    if (open == std::string::npos || open == 0 || name.back() != ')' || open + 2 >= name.size())
        return false;
    const char* first = name.data() + open + 1;
    const char* last = name.data() + name.size() - 1;
    int value = 0;
    const auto [end, ec] = std::from_chars(first, last, value);
    if (ec != std::errc() || end != last)
        return false;
    base = name.substr(0, open);
    index = value;
    return true;
}

std::optional<Reference> resolve(Program& program, const std::string& name, std::string& error) {
    if (name.empty()) {
        error = "empty name";
        return std::nullopt;
    }
    // A window prefix, or the window itself.
    std::string window;
    std::string rest = name;
    const size_t dot = name.find('.');
    if (isWindowName(name.substr(0, dot))) {
        window = name.substr(0, dot);
        rest = dot == std::string::npos ? std::string() : name.substr(dot + 1);
        if (dot != std::string::npos && rest.empty()) {
            error = "unknown name " + name;
            return std::nullopt;
        }
    }

    if (window.empty() || window == MainWindow) {
        std::string reason;
        if (auto ref = variable(program, rest, window == MainWindow, reason)) {
            if (!reason.empty()) {
                error = reason;
                return std::nullopt;
            }
            return ref;
        }
    }

    Reference ref;
    if (!window.empty() && (rest.empty() || std::any_of(WindowProperties.begin(), WindowProperties.end(),
                                                        [&](const char* p) { return equalsIgnoringCase(rest, p); }))) {
        ref.kind = Reference::Kind::Window;
        ref.window = window;
        ref.form = program.form(window);
        ref.property = rest;
        return ref;
    }

    const size_t propertyDot = rest.find('.');
    const std::string controlName = rest.substr(0, propertyDot);
    if (propertyDot != std::string::npos) {
        ref.property = rest.substr(propertyDot + 1);
        if (ref.property.empty()) {
            error = "unknown name " + name;
            return std::nullopt;
        }
    }
    if (window.empty()) {
        window = MainWindow;
        if ((controlName == "cmbSelectCont" || controlName == "Command1") && program.form(SelectWindow))
            window = SelectWindow;
    }
    ref.kind = Reference::Kind::Control;
    ref.window = window;
    ref.form = program.form(window);
    if (!ref.form) {
        error = "window " + window + " is not loaded";
        return std::nullopt;
    }
    ref.control = controlName.empty() ? nullptr : ref.form->control(controlName);
    if (!ref.control) {
        error = "unknown control " + (rest.size() == name.size() ? controlName : window + "." + controlName);
        return std::nullopt;
    }
    return ref;
}

std::optional<Reference> resolveControl(Program& program, const std::string& name, std::string& error) {
    std::optional<Reference> ref = resolve(program, name, error);
    if (!ref)
        return std::nullopt;
    if (ref->kind == Reference::Kind::Window)
        error = name + " is a window, not a control";
    else if (ref->kind == Reference::Kind::Variable)
        error = name + " is a variable, not a control";
    else if (!ref->property.empty())
        error = "unknown control " + name;
    else
        return ref;
    return std::nullopt;
}

Form* resolveLoadedWindow(Program& program, const std::string& name, std::string& error) {
    if (!isWindowName(name)) {
        error = "unknown window " + name;
        return nullptr;
    }
    Form* form = program.form(name);
    if (!form)
        error = "window " + name + " is not loaded";
    return form;
}

} // namespace spindex::batch
