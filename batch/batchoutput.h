#pragma once

// Where the protocol's lines go, in the order in which they happen, and whether any of them was an
// error (the exit status).

#include <ostream>
#include <string_view>
#include <utility>

namespace spindex::batch {

class BatchOutput {
public:
    explicit BatchOutput(std::ostream& out) : m_out(out) {}

    void line(std::string_view text) {
        m_out << text << '\n';
        m_printed = true;
    }
    void error(std::string_view reason) {
        m_out << "error: " << reason << '\n';
        m_printed = true;
        m_anyError = true;
    }
    bool anyError() const { return m_anyError; }
    // Whether something was printed since the last call (the runner flushes after a line that printed).
    bool takePrinted() { return std::exchange(m_printed, false); }
    void flush() { m_out.flush(); }

private:
    std::ostream& m_out;
    bool m_anyError = false;
    bool m_printed = false;
};

} // namespace spindex::batch
