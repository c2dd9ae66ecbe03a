#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "runtime/controls.h"

namespace spindex {

class Program;

// A window: its caption, whether it is shown, and its controls by name.
class Form {
public:
    Form(Program& program, std::string name, std::string caption, int width, int height);
    virtual ~Form() = default;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    Program& program;
    const std::string name;
    std::string caption;
    bool visible = false;
    const int width, height; // twips, the window's designed size

    Control* control(std::string_view controlName);
    const Control* control(std::string_view controlName) const;
    const std::vector<Control*>& controls() { return m_order; }

    // Whether a user can act on the control: shown and enabled, its containers too, and on the
    // current page of its tab control.
    bool reachable(const Control& control, std::string* why = nullptr) const;

    // A key pressed while the window has the focus; only the splash screen reacts to keys.
    virtual void userKeyPress() {}

    // The control lying over this one that keeps the mouse from it, if any (an opaque shape).
    virtual const Control* coveredBy(const Control&) const { return nullptr; }

protected:
    template <class C> C& add(C& control, Control* container = nullptr, int tabPage = -1) {
        control.container = container;
        control.tabPage = tabPage;
        m_order.push_back(&control);
        m_byName.clear(); // the index is built again at the next look-up
        return control;
    }
    // The tab control whose pages hold controls with a tabPage, if the window has one.
    const TabControl* m_pages = nullptr;

private:
    // The controls sorted by name, built at the first look-up by name: a window loads without it,
    // and most windows are never asked for a control by name.
    const std::vector<std::pair<std::string_view, Control*>>& byName() const;
    mutable std::vector<std::pair<std::string_view, Control*>> m_byName;
    std::vector<Control*> m_order;
};

} // namespace spindex
