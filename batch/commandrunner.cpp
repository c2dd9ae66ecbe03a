#include "commandrunner.h"

#include <algorithm>
#include <charconv>
#include <optional>

#include "mainform/mainform.h"
#include "nameresolver.h"
#include "plans/planjson.h"
#include "propertyreader.h"
#include "runtime/program.h"
#include "scriptreader.h"

namespace spindex::batch {

namespace {
struct Command {
    const char* name;
    void (CommandRunner::*run)(const std::vector<std::string>&);
    int arguments; // a negative count is the least of a list
    const char* usage;
};

// A number written in digits only: no sign, no blanks.
std::optional<long long> wholeNumber(const std::string& text) {
    if (text.empty() || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    long long value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

const char* kindName(ControlKind kind) {
    switch (kind) {
    case ControlKind::TextBox:
        return "a text box";
    case ControlKind::List:
        return "a list";
    case ControlKind::Label:
        return "a label";
    case ControlKind::Frame:
        return "a frame";
    case ControlKind::Button:
        return "a button";
    case ControlKind::CheckBox:
        return "a check box";
    case ControlKind::Option:
        return "an option button";
    case ControlKind::Menu:
        return "a menu item";
    case ControlKind::Image:
        return "an image";
    case ControlKind::Shape:
        return "a shape";
    case ControlKind::Line:
        return "a line";
    case ControlKind::Tab:
        return "a tab control";
    }
    return "a control";
}
} // namespace

void CommandRunner::run(std::string_view line) {
    if (isSkipped(line))
        return;
    if (m_program.ended()) {
        m_out.error("program has ended");
        return;
    }
    std::string error;
    if (const std::optional<Words> words = splitWords(line, error))
        dispatch(*words);
    else
        m_out.error(error);
    m_program.settle();
}

void CommandRunner::dispatch(const Words& words) {
    static const Command commands[] = {
        {"select", &CommandRunner::select, 2, "select CONTROL TEXT"},
        {"click", &CommandRunner::click, 1, "click CONTROL"},
        {"check", &CommandRunner::check, 2, "check CONTROL 0|1"},
        {"type", &CommandRunner::type, 2, "type CONTROL TEXT"},
        {"tab", &CommandRunner::tab, 1, "tab N"},
        {"key", &CommandRunner::key, 1, "key WINDOW"},
        {"drag", &CommandRunner::drag, 2, "drag SOURCE TARGET"},
        {"wait", &CommandRunner::wait, 1, "wait MS"},
        {"focus", &CommandRunner::focus, 1, "focus WINDOW"},
        {"answer", &CommandRunner::answer, 1, "answer yes|no|ok|cancel"},
        {"savefile", &CommandRunner::savefile, 1, "savefile PATH"},
        {"cancelsave", &CommandRunner::cancelsave, 0, "cancelsave"},
        {"openfile", &CommandRunner::openfile, 1, "openfile PATH"},
        {"openfiles", &CommandRunner::openfiles, -1, "openfiles PATH..."},
        {"cancelopen", &CommandRunner::cancelopen, 0, "cancelopen"},
        {"get", &CommandRunner::get, 1, "get NAME"},
    };
    const auto* command =
        std::find_if(std::begin(commands), std::end(commands), [&](const Command& c) { return words[0] == c.name; });
    if (command == std::end(commands)) {
        m_out.error("unknown command " + words[0]);
        return;
    }
    const bool fits = command->arguments < 0 ? words.size() >= size_t(-command->arguments) + 1
                                             : words.size() == size_t(command->arguments) + 1;
    if (!fits) {
        m_out.error(std::string("usage: ") + command->usage);
        return;
    }
    (this->*command->run)(words);
}

void CommandRunner::focusWindow(Form* form) {
    // Only a window on the screen can be clicked.
    if (form && form->visible)
        m_program.focus(form);
}

Control* CommandRunner::reach(const Reference& ref) {
    focusWindow(ref.form);
    // A window that closed when it lost the focus is gone now.
    Form* form = m_program.form(ref.window);
    if (form != ref.form) {
        m_out.error("window " + ref.window + " is not loaded");
        return nullptr;
    }
    std::string why;
    if (!form->reachable(*ref.control, &why)) {
        m_out.error(why);
        return nullptr;
    }
    return ref.control;
}

Control* CommandRunner::target(const std::string& name, ControlKind kind, const char* kindWord) {
    std::string error;
    const std::optional<Reference> ref = resolveControl(m_program, name, error);
    if (!ref) {
        m_out.error(error);
        return nullptr;
    }
    if (ref->control->kind != kind) {
        m_out.error(name + " is " + kindName(ref->control->kind) + ", not " + kindWord);
        return nullptr;
    }
    return reach(*ref);
}

void CommandRunner::select(const Words& words) {
    auto* list = static_cast<ListBox*>(target(words[1], ControlKind::List, "a list"));
    if (!list)
        return;
    const int index = list->indexOf(words[2]);
    if (index < 0)
        return m_out.error("list " + words[1] + " has no entry " + words[2]);
    list->userPick(index);
}

void CommandRunner::click(const Words& words) {
    std::string error;
    const std::optional<Reference> ref = resolveControl(m_program, words[1], error);
    if (!ref)
        return m_out.error(error);
    const ControlKind kind = ref->control->kind;
    if (kind == ControlKind::List)
        return m_out.error(words[1] + " is a list: pick an entry with select");
    if (kind == ControlKind::Tab)
        return m_out.error(words[1] + " is a tab control: click a tab with tab N");
    Control* control = reach(*ref);
    if (!control)
        return;
    control->userClick();
}

void CommandRunner::check(const Words& words) {
    if (words[2] != "0" && words[2] != "1")
        return m_out.error("usage: check CONTROL 0|1");
    auto* box = static_cast<CheckBox*>(target(words[1], ControlKind::CheckBox, "a check box"));
    if (box && box->value() != (words[2] == "1" ? 1 : 0))
        box->userClick();
}

void CommandRunner::type(const Words& words) {
    auto* found = static_cast<TextBox*>(target(words[1], ControlKind::TextBox, "a text box"));
    if (!found)
        return;
    if (std::string why; !found->userType(words[2], &why))
        m_out.error(why);
}

void CommandRunner::tab(const Words& words) {
    const std::optional<long long> n = wholeNumber(words[1]);
    if (!n || *n < 0 || *n >= TabControl::Tabs)
        return m_out.error("usage: tab N, with N from 0 to " + std::to_string(TabControl::Tabs - 1));
    MainForm* main = m_program.frmSpindex();
    if (!main)
        return m_out.error("window frmSpindex is not loaded");
    Reference ref;
    ref.window = main->name;
    ref.form = main;
    ref.control = &main->SSTab1;
    if (!reach(ref))
        return;
    if (std::string why; !main->SSTab1.userSelectTab(static_cast<int>(*n), &why))
        m_out.error(why);
}

Form* CommandRunner::shownWindow(const std::string& name) {
    std::string error;
    Form* form = resolveLoadedWindow(m_program, name, error);
    if (!form)
        m_out.error(error);
    else if (!form->visible)
        m_out.error("window " + form->name + " is not shown");
    return form && form->visible ? form : nullptr;
}

void CommandRunner::key(const Words& words) {
    Form* form = shownWindow(words[1]);
    if (!form)
        return;
    m_program.focus(form);
    form->userKeyPress();
}

void CommandRunner::drag(const Words& words) {
    std::string error;
    const std::optional<Reference> source = resolveControl(m_program, words[1], error);
    if (!source)
        return m_out.error(error);
    const std::optional<Reference> target = resolveControl(m_program, words[2], error);
    if (!target)
        return m_out.error(error);
    for (const Reference* ref : {&*source, &*target})
        if (ref->control->kind != ControlKind::Image)
            return m_out.error(ref->control->name + " is " + kindName(ref->control->kind) + ", not an image");
    if (source->form != target->form)
        return m_out.error("drag needs two images of one window");
    if (!reach(*source) || !reach(*target))
        return;
    auto& image = static_cast<Image&>(*target->control);
    auto& dragged = static_cast<Image&>(*source->control);
    if (image.onDragDrop)
        raiseEvent([&image, &dragged] { image.onDragDrop(dragged); });
}

void CommandRunner::wait(const Words& words) {
    const std::optional<long long> ms = wholeNumber(words[1]);
    constexpr long long Longest = 2147483647;
    if (!ms || *ms < 0 || *ms > Longest)
        return m_out.error("usage: wait MS, with MS a whole number of milliseconds from 0 to 2147483647");
    // In steps that the timer's count of elapsed time can hold.
    constexpr long long Step = 1000000000;
    long long left = *ms;
    do {
        const long long step = std::min(left, Step);
        m_program.advance(static_cast<int>(step));
        left -= step;
    } while (left > 0 && !m_program.ended());
}

void CommandRunner::focus(const Words& words) {
    if (Form* form = shownWindow(words[1]))
        m_program.focus(form);
}

void CommandRunner::answer(const Words& words) {
    const std::string& a = words[1];
    if (a == "yes")
        m_host.queueAnswer(MsgAnswer::Yes);
    else if (a == "no")
        m_host.queueAnswer(MsgAnswer::No);
    else if (a == "ok")
        m_host.queueAnswer(MsgAnswer::Ok);
    else if (a == "cancel")
        m_host.queueAnswer(MsgAnswer::Cancel);
    else
        m_out.error("usage: answer yes|no|ok|cancel");
}

void CommandRunner::savefile(const Words& words) {
    m_host.queueSaveFile(words[1]);
}

void CommandRunner::cancelsave(const Words&) {
    m_host.queueSaveFile(std::nullopt);
}

void CommandRunner::openfile(const Words& words) {
    m_host.queueOpenFile(std::vector<std::string>{words[1]});
}

void CommandRunner::openfiles(const Words& words) {
    m_host.queueOpenFile(std::vector<std::string>(words.begin() + 1, words.end()));
}

void CommandRunner::cancelopen(const Words&) {
    m_host.queueOpenFile(std::nullopt);
}

void CommandRunner::get(const Words& words) {
    std::string error;
    std::optional<nlohmann::ordered_json> value;
    if (const std::optional<Reference> ref = resolve(m_program, words[1], error))
        value = readValue(m_program, *ref, error);
    if (!value)
        return m_out.error(error);
    m_out.line(words[1] + " = " + compactJson(*value));
}

} // namespace spindex::batch
