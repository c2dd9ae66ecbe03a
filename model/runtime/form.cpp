#include "runtime/form.h"

namespace spindex {

Form::Form(Program& program, std::string name, std::string caption, int width, int height)
    : program(program), name(std::move(name)), caption(std::move(caption)), width(width), height(height) {}

Control* Form::control(std::string_view controlName) {
    const auto it = m_byName.find(controlName);
    return it == m_byName.end() ? nullptr : it->second;
}

const Control* Form::control(std::string_view controlName) const {
    const auto it = m_byName.find(controlName);
    return it == m_byName.end() ? nullptr : it->second;
}
bool Form::reachable(const Control& control, std::string* why) const {
    auto fail = [why](std::string reason) {
        if (why)
            *why = std::move(reason);
        return false;
    };
    if (!visible)
        return fail("window " + name + " is not shown");
    for (const Control* c = &control; c; c = c->container) {
        if (!c->visible)
            return fail(c == &control ? "control " + control.name + " is hidden"
                                      : "control " + control.name + " is inside hidden " + c->name);
        if (!c->enabled)
            return fail(c == &control ? "control " + control.name + " is disabled"
                                      : "control " + control.name + " is inside disabled " + c->name);
        if (c->tabPage >= 0 && m_pages && m_pages->tab() != c->tabPage)
            return fail("control " + control.name + " is on tab " + std::to_string(c->tabPage) +
                        ", not the current tab");
    }
    if (const Control* cover = coveredBy(control))
        return fail("control " + control.name + " is covered by " + cover->name);
    return true;
}

} // namespace spindex
