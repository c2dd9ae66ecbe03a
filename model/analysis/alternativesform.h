#pragma once

// "Alternatives": every layout for the drives in the calculator, one entry each in lstLayouts in the
// calculator's order. Use sets the calculator to the chosen one and closes; no set is added.

#include <vector>

#include "analysis/alternatives.h"
#include "runtime/form.h"

namespace spindex {

class AlternativesForm : public Form {
public:
    explicit AlternativesForm(Program& program);
    ListBox lstLayouts{"lstLayouts"};
    Button cmdUse{"cmdUse", "Use"};
    Button cmdClose{"cmdClose", "Close"};

    // The layouts as they were when the window opened, in the order of lstLayouts.
    const std::vector<Layout>& layouts() const { return m_layouts; }

    void Form_Load();
    void cmdUse_Click();
    void cmdClose_Click();

private:
    void close();
    std::vector<Layout> m_layouts;
};

} // namespace spindex
