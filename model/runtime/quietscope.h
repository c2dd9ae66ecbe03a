#pragma once

// For as long as it lives, the program talks to a quiet host instead of the user: questions are
// answered Yes and nothing is shown. Opening a plan rebuilds it this way in the running program.

#include "runtime/program.h"
#include "runtime/quiethost.h"

namespace spindex {

class QuietScope {
public:
    explicit QuietScope(Program& program) : m_program(program), m_previous(program.host.reroute(m_quiet)) {}
    ~QuietScope() { m_program.host.reroute(m_previous); }
    QuietScope(const QuietScope&) = delete;
    QuietScope& operator=(const QuietScope&) = delete;

    // What the program would have shown meanwhile.
    const QuietHost& host() const { return m_quiet; }

private:
    Program& m_program;
    QuietHost m_quiet;
    Host& m_previous;
};

} // namespace spindex
