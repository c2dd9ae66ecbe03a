#pragma once

// "Assumptions": the eight values behind the risk and speed figures, one box each. OK checks every
// box in order and takes them all at once, or names the first bad one and changes nothing.

#include <array>

#include "analysis/assumptions.h"
#include "runtime/form.h"

namespace spindex {

class AssumptionsForm : public Form {
public:
    explicit AssumptionsForm(Program& program);
    std::array<Label, AssumptionCount> lblAssumption;   // lblKEY, e.g. lblMtbfHours
    std::array<TextBox, AssumptionCount> txtAssumption; // txtKEY, e.g. txtMtbfHours
    Button cmdOK{"cmdOK", "OK"};
    Button cmdCancel{"cmdCancel", "Cancel"};
    Button cmdDefaults{"cmdDefaults", "Restore Defaults"};

    void Form_Load();
    void cmdOK_Click();
    void cmdCancel_Click();
    void cmdDefaults_Click();

private:
    void showValues(const Assumptions& values);
    void close();
};

} // namespace spindex
