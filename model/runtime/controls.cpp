#include "runtime/controls.h"

namespace spindex {

namespace {
std::uint64_t changes = 0;
}

void countChange() {
    ++changes;
}

std::uint64_t changeCount() {
    return changes;
}

void raiseEvent(const Handler& handler) {
    countChange();
    if (handler)
        handler();
}

void TextBox::setText(const std::string& text) {
    if (text == m_text)
        return;
    m_text = text;
    raiseEvent(onChange);
}

bool TextBox::userType(const std::string& text, std::string* why) {
    if (locked) {
        if (why)
            *why = "control " + name + " is locked";
        return false;
    }
    setText(text);
    return true;
}

bool TabControl::userSelectTab(int tab, std::string* why) {
    auto refuse = [why](std::string reason) {
        if (why)
            *why = std::move(reason);
        return false;
    };
    if (tab < 0 || tab >= Tabs)
        return refuse("there is no tab " + std::to_string(tab));
    if (!tabEnabled[tab])
        return refuse("tab " + std::to_string(tab) + " is disabled");
    m_tab = tab;
    return true;
}

int ListBox::indexOf(const std::string& text) const {
    for (size_t i = 0; i < m_items.size(); ++i)
        if (m_items[i] == text)
            return static_cast<int>(i);
    return -1;
}

void ListBox::clear() {
    m_items.clear();
    m_listIndex = -1;
    countChange();
}

void ListBox::setItems(std::vector<std::string> items) {
    const std::string selected = text();
    m_items = std::move(items);
    m_listIndex = selected.empty() ? -1 : indexOf(selected);
    countChange();
}

void ListBox::setListIndex(int index) {
    if (index < -1 || index >= static_cast<int>(m_items.size()) || index == m_listIndex)
        return;
    m_listIndex = index;
    raiseEvent(onClick);
}

void ListBox::userPick(int index) {
    if (index < 0 || index >= static_cast<int>(m_items.size()))
        return;
    m_listIndex = index;
    raiseEvent(onClick);
}

void CheckBox::setValue(int value) {
    value = value ? 1 : 0;
    if (value == m_value)
        return;
    m_value = value;
    raiseEvent(onClick);
}

void OptionGroup::add(OptionButton& button) {
    button.m_group = this;
    m_members.push_back(&button);
}

void OptionButton::setValue(bool value) {
    if (value == m_value)
        return;
    if (!value) {
        m_value = false;
        countChange();
        return;
    }
    if (m_group)
        for (OptionButton* other : m_group->members())
            other->m_value = false;
    m_value = true;
    raiseEvent(onClick);
}

std::string indexedName(const std::string& base, int index) {
    std::string name;
    name.reserve(base.size() + 5);
    name += base;
    name += '(';
    name += std::to_string(index);
    name += ')';
    return name;
}

} // namespace spindex
