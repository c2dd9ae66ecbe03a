#pragma once

// Plays one script line against the program, as the user's action it stands for.
//
// A command that a user could not carry out changes nothing and prints one error line. Acting on a
// control gives its window the focus first, as the user's click would (a window that closes when it
// loses the focus closes then), and only then checks that the control is within reach. After every
// line the windows unloaded during it are destroyed.

#include <string>
#include <string_view>
#include <vector>

#include "batchhost.h"
#include "batchoutput.h"
#include "runtime/controls.h"

namespace spindex {
class Control;
class Form;
class Program;
} // namespace spindex

namespace spindex::batch {

struct Reference;

class CommandRunner {
public:
    CommandRunner(Program& program, BatchHost& host, BatchOutput& out) : m_program(program), m_host(host), m_out(out) {}

    void run(std::string_view line);

private:
    using Words = std::vector<std::string>;
    void dispatch(const Words& words);

    void select(const Words& words);
    void click(const Words& words);
    void check(const Words& words);
    void type(const Words& words);
    void tab(const Words& words);
    void key(const Words& words);
    void drag(const Words& words);
    void wait(const Words& words);
    void focus(const Words& words);
    void answer(const Words& words);
    void savefile(const Words& words);
    void cancelsave(const Words& words);
    void openfile(const Words& words);
    void openfiles(const Words& words);
    void cancelopen(const Words& words);
    void get(const Words& words);

    // The control the user acts on, once its window has the focus and the control is within reach;
    // null after an error line.
    Control* reach(const Reference& ref);
    // The named control of the expected kind, within reach; null after an error line.
    Control* target(const std::string& name, ControlKind kind, const char* kindWord);
    void focusWindow(Form* form);
    // The named window while it is shown; null after an error line.
    Form* shownWindow(const std::string& name);

    Program& m_program;
    BatchHost& m_host;
    BatchOutput& m_out;
};

} // namespace spindex::batch
