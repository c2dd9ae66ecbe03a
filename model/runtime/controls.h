#pragma once

// The forms runtime, simulated once, here.
//
// Every control value lives in one of these objects. A value set from code raises the control's
// handler at once, nested inside the running procedure, but only when the value really changes; a
// user's action goes through the user* members, which follow the rules of a real window (a pick in
// a list always raises its selection handler, a click on a selected option button does nothing).
// Handlers are plain callbacks installed by the form that owns the control; every one of them is
// raised through raiseEvent(), so the event chain has one entry point.

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace spindex {

using Handler = std::function<void()>;

// The one place that runs event handlers.
void raiseEvent(const Handler& handler);
// Counts the changes of control values and the user's actions: every event raised, and the few
// changes that raise none (a list's items, an option switched off). A result computed from the
// controls stays right while the count stands still, so the modified flag is computed again only
// when it has moved.
std::uint64_t changeCount();
void countChange();

enum class ControlKind { TextBox, List, Label, Frame, Button, CheckBox, Option, Menu, Image, Shape, Line, Tab };

class Control {
public:
    Control(ControlKind kind, std::string name) : kind(kind), name(std::move(name)) {}
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const ControlKind kind;
    std::string name; // set once, when the window creates its controls
    std::string caption;
    bool enabled = true;
    bool visible = true;
    Control* container = nullptr; // frame (or other control) the control sits in
    int tabPage = -1;             // page of the tab control it sits on, -1 when on no page
    Handler onClick;

    bool hasClickHandler() const { return static_cast<bool>(onClick); }
    // The user's click; check boxes toggle and option buttons select themselves.
    virtual void userClick() { raiseEvent(onClick); }
};

// Geometry of images, shapes, lines and placed labels in twips.
struct Geometry {
    int left = 0, top = 0, width = 0, height = 0;
};

class Label : public Control {
public:
    explicit Label(std::string name = {}, std::string caption = {}) : Control(ControlKind::Label, std::move(name)) {
        this->caption = std::move(caption);
    }
    Geometry geometry; // set only where the window places the label itself, as the graphic does
};

class Frame : public Control {
public:
    explicit Frame(std::string name = {}, std::string caption = {}) : Control(ControlKind::Frame, std::move(name)) {
        this->caption = std::move(caption);
    }
};

class Button : public Control {
public:
    explicit Button(std::string name = {}, std::string caption = {}) : Control(ControlKind::Button, std::move(name)) {
        this->caption = std::move(caption);
    }
};

class TextBox : public Control {
public:
    explicit TextBox(std::string name = {}, std::string text = {})
        : Control(ControlKind::TextBox, std::move(name)), m_text(std::move(text)) {}

    const std::string& text() const { return m_text; }
    // Raises the change handler when the text differs.
    void setText(const std::string& text);
    // The user's typing replaces the whole text; a locked box takes none. False, with the reason in
    // why, when the box refused it.
    bool userType(const std::string& text, std::string* why = nullptr);

    bool locked = false;
    Handler onChange;

private:
    std::string m_text;
};

// A pick-only list (drop-down list combo box).
class ListBox : public Control {
public:
    explicit ListBox(std::string name = {}) : Control(ControlKind::List, std::move(name)) {}

    const std::vector<std::string>& items() const { return m_items; }
    int listIndex() const { return m_listIndex; }
    std::string text() const { return m_listIndex >= 0 ? m_items[m_listIndex] : std::string(); }
    int indexOf(const std::string& text) const;

    void addItem(const std::string& item) {
        m_items.push_back(item);
        countChange();
    }
    void clear(); // no event; the selection goes
    // New entries without an event; the entry selected stays selected where it is still listed.
    void setItems(std::vector<std::string> items);
    // Selection from code: raises the selection handler only when the index changes.
    void setListIndex(int index);
    // The user's pick: raises the selection handler every time.
    void userPick(int index);

private:
    std::vector<std::string> m_items;
    int m_listIndex = -1;
};

class CheckBox : public Control {
public:
    explicit CheckBox(std::string name = {}) : Control(ControlKind::CheckBox, std::move(name)) {}
    int value() const { return m_value; }
    void setValue(int value); // raises the click handler when the value changes
    void userClick() override { setValue(m_value ? 0 : 1); }

private:
    int m_value = 0;
};

class OptionButton;

// The option buttons of one container: exactly one of them is selected.
class OptionGroup {
public:
    void add(OptionButton& button);
    const std::vector<OptionButton*>& members() const { return m_members; }

private:
    std::vector<OptionButton*> m_members;
};

class OptionButton : public Control {
public:
    explicit OptionButton(std::string name = {}, std::string caption = {})
        : Control(ControlKind::Option, std::move(name)) {
        this->caption = std::move(caption);
    }
    bool value() const { return m_value; }
    // Selecting from code clears the others of the group and raises the click handler, unless the
    // button was selected already. Clearing from code raises nothing.
    void setValue(bool value);
    void userClick() override { setValue(true); }

private:
    friend class OptionGroup;
    OptionGroup* m_group = nullptr;
    bool m_value = false;
};

class MenuItem : public Control {
public:
    explicit MenuItem(std::string name = {}, std::string caption = {}) : Control(ControlKind::Menu, std::move(name)) {
        this->caption = std::move(caption);
    }
    bool checked = false;
    bool separator() const { return caption == "-"; }
};

class Image : public Control {
public:
    explicit Image(std::string name = {}) : Control(ControlKind::Image, std::move(name)) {}
    std::string picture; // icon file name, empty for the design-time picture
    Geometry geometry;
    std::function<void(Image& source)> onDragDrop;
};

class Shape : public Control {
public:
    explicit Shape(std::string name = {}) : Control(ControlKind::Shape, std::move(name)) {}
    Geometry geometry;
    bool opaque = false; // filled in the window's background colour, without border
};

class LineShape : public Control {
public:
    explicit LineShape(std::string name = {}) : Control(ControlKind::Line, std::move(name)) {}
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    Geometry geometry() const { return {x1, y1, x2 - x1, y2 - y1}; }
};

class TabControl : public Control {
public:
    static constexpr int Tabs = 8;
    explicit TabControl(std::string name = {}) : Control(ControlKind::Tab, std::move(name)) { tabEnabled.fill(true); }
    int tab() const { return m_tab; }
    // The program moves to a tab; it may also stand on a disabled one.
    void setTab(int tab) { m_tab = tab; }
    // The user clicks a tab: only an enabled one opens. False, with the reason in why, when refused.
    bool userSelectTab(int tab, std::string* why = nullptr);
    std::array<bool, Tabs> tabEnabled;
    std::array<std::string, Tabs> tabCaption;

private:
    int m_tab = 0;
};

std::string indexedName(const std::string& base, int index);

} // namespace spindex
