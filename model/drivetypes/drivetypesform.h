#pragma once

// "Drive Types": the plan's own drive types. Add checks the boxes in order and adds the type, or
// names the first thing wrong and changes nothing; Remove lets go of a type no set, spare or the
// calculator uses; Use for New Plans keeps the list for the plans of later starts.

#include <array>

#include "runtime/form.h"

namespace spindex {

class DriveTypesForm : public Form {
public:
    explicit DriveTypesForm(Program& program);
    Label lblDriveTypes{"lblDriveTypes", "Drive types of this plan"};
    ListBox lstDriveTypes{"lstDriveTypes"};
    Label lblSize{"lblSize", "Size, GB"};
    TextBox txtSize{"txtSize"};
    CheckBox ckHalfHeight{"ckHalfHeight"};
    CheckBox ckLowProfile{"ckLowProfile"};
    std::array<Label, 4> lblFigure;   // lblMtbfHours, ...: the assumption's label
    std::array<TextBox, 4> txtFigure; // txtMtbfHours, ...: empty takes the plan's assumption
    Button cmdAdd{"cmdAdd", "Add"};
    Button cmdRemove{"cmdRemove", "Remove"};
    Button cmdSaveDefault{"cmdSaveDefault", "Use for New Plans"};
    Button cmdClose{"cmdClose", "Close"};

    void Form_Load();
    void cmdAdd_Click();
    void cmdRemove_Click();
    void cmdSaveDefault_Click();

private:
    void showTypes();
    void refuse(const std::string& text);
};

} // namespace spindex
