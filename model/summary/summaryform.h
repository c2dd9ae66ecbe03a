#pragma once

// "Plan Summary": a window that shows the plan summary of the main window's plan, as it stands after
// every action, and saves it as a CSV file.

#include "runtime/form.h"

namespace spindex {

class SummaryForm : public Form {
public:
    explicit SummaryForm(Program& program);
    MenuItem mnuFile{"mnuFile", "&File"};
    MenuItem mnuSaveCsv{"mnuSaveCsv", "Save as CSV..."};
    MenuItem mnuAssumptions{"mnuAssumptions", "&Assumptions..."};
    MenuItem mnuLine{"mnuLine", "-"};
    MenuItem mnuClose{"mnuClose", "&Close"};

    void Form_Load();
    void mnuSaveCsv_Click();
    void mnuAssumptions_Click();
    void mnuClose_Click();
};

} // namespace spindex
