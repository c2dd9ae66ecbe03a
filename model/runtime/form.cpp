#include "runtime/form.h"

#include <algorithm>

namespace spindex {

Form::Form(Program& program, std::string name, std::string caption, int width, int height)
    : program(program), name(std::move(name)), caption(std::move(caption)), width(width), height(height) {}

const std::vector<std::pair<std::string_view, Control*>>& Form::byName() const {
    if (m_byName.empty() && !m_order.empty()) {
        m_byName.reserve(m_order.size());
        for (Control* c : m_order)
            m_byName.emplace_back(c->name, c);
        // Of two controls with one name, the first added is the one found.
        std::stable_sort(m_byName.begin(), m_byName.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
    }
    return m_byName;
}

Control* Form::control(std::string_view controlName) {
    return const_cast<Control*>(std::as_const(*this).control(controlName));
}

const Control* Form::control(std::string_view controlName) const {
    const auto& index = byName();
    const auto it = std::lower_bound(index.begin(), index.end(), controlName,
                                     [](const auto& entry, std::string_view name) { return entry.first < name; });
    return it != index.end() && it->first == controlName ? it->second : nullptr;
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
