#pragma once

// "Compare Plans": the running plan and the plan files the user chose, a row each. The files are
// opened once, when they are chosen; the running plan's row follows the plan.

#include <string>
#include <vector>

#include "analysis/comparison.h"
#include "runtime/form.h"

namespace spindex {

class CompareForm : public Form {
public:
    explicit CompareForm(Program& program);
    MenuItem mnuFile{"mnuFile", "&File"};
    MenuItem mnuSaveCsv{"mnuSaveCsv", "Save as CSV..."};
    MenuItem mnuLine{"mnuLine", "-"};
    MenuItem mnuClose{"mnuClose", "&Close"};

    void Form_Load() {}
    // Opens each file as Open Plan would, in a program of its own; the rows of earlier files go.
    void compareFiles(const std::vector<std::string>& paths);
    // The running plan first, then the files in the order chosen.
    std::vector<PlanFigures> rows() const;

    void mnuSaveCsv_Click();
    void mnuClose_Click();

private:
    std::vector<PlanFigures> m_files;
};

} // namespace spindex
