#include "drivetypes/drivetypesform.h"

#include "appinfo.h"
#include "drivetypes/drivetypes.h"
#include "mainform/mainform.h"
#include "plans/planjson.h"
#include "runtime/numbers.h"
#include "runtime/program.h"

namespace spindex {

DriveTypesForm::DriveTypesForm(Program& program) : Form(program, "frmDriveTypes", "Drive Types", 6000, 5400) {
    ckHalfHeight.caption = "Half Height";
    ckLowProfile.caption = "Low Profile";
    for (Control* c : std::initializer_list<Control*>{&lblDriveTypes, &lstDriveTypes, &lblSize, &txtSize, &ckHalfHeight,
                                                      &ckLowProfile})
        add(*c);
    const auto& figures = driveFigures();
    for (size_t i = 0; i < figures.size(); ++i) {
        txtFigure[i].name = figures[i].box;
        lblFigure[i].name = "lbl" + std::string(figures[i].box).substr(3);
        lblFigure[i].caption = figures[i].assumption.label;
        add(lblFigure[i]);
        add(txtFigure[i]);
    }
    for (Button* b : {&cmdAdd, &cmdRemove, &cmdSaveDefault, &cmdClose})
        add(*b);
    cmdAdd.onClick = [this] { cmdAdd_Click(); };
    cmdRemove.onClick = [this] { cmdRemove_Click(); };
    cmdSaveDefault.onClick = [this] { cmdSaveDefault_Click(); };
    cmdClose.onClick = [this] { this->program.closeToMain(*this); };
}

void DriveTypesForm::Form_Load() {
    showTypes();
}

void DriveTypesForm::showTypes() {
    std::vector<std::string> sizes;
    if (const MainForm* main = program.frmSpindex())
        for (const DriveType& type : main->PlanDriveTypes)
            sizes.push_back(type.size);
    lstDriveTypes.setItems(std::move(sizes));
}

void DriveTypesForm::refuse(const std::string& text) {
    program.host.messageBox(text, MsgButtons::Ok, MsgIcon::Exclamation, appinfo::Title);
}

void DriveTypesForm::cmdAdd_Click() {
    MainForm* main = program.frmSpindex();
    if (!main)
        return;
    const std::optional<std::string> size = driveSizeText(txtSize.text());
    if (!size)
        return refuse(DriveSizeMessage);
    for (const DriveSize& listed : driveSizes(main->PlanDriveTypes))
        if (parseNumber(listed.text) == parseNumber(*size))
            return refuse("There is already a " + listed.text + " GB drive");
    if (!ckHalfHeight.value() && !ckLowProfile.value())
        return refuse("Choose at least one height");
    DriveType type;
    type.size = *size;
    type.halfHeight = ckHalfHeight.value() != 0;
    type.lowProfile = ckLowProfile.value() != 0;
    const auto& figures = driveFigures();
    for (size_t i = 0; i < figures.size(); ++i) {
        if (txtFigure[i].text().empty())
            continue;
        const std::optional<double> value = parseNumber(txtFigure[i].text());
        if (!value || !inRange(figures[i].assumption, *value))
            return refuse(rangeMessage(figures[i].assumption));
        type.*figures[i].value = *value;
    }
    main->PlanDriveTypes.push_back(std::move(type));
    main->showDriveSizes();
    showTypes();
    txtSize.setText("");
    ckHalfHeight.setValue(0);
    ckLowProfile.setValue(0);
    for (TextBox& box : txtFigure)
        box.setText("");
}

void DriveTypesForm::cmdRemove_Click() {
    MainForm* main = program.frmSpindex();
    if (!main || lstDriveTypes.listIndex() < 0)
        return;
    const std::string size = lstDriveTypes.text();
    for (int t = 0; t < MainForm::Sets; ++t)
        if (main->tabHoldsSet(t) && main->tabDriveSize(t).text() == size)
            return refuse(size + " GB drives are in use by logical drive " + std::to_string(t));
    if (main->optGlobHotSpr[0].value() && main->cmbGlobalHotSpareSize.text() == size)
        return refuse(size + " GB drives are in use by the global hot spares");
    if (main->cmbDriveSize.text() == size)
        return refuse(size + " GB drives are selected in the calculator");
    auto& types = main->PlanDriveTypes;
    types.erase(types.begin() + lstDriveTypes.listIndex());
    main->showDriveSizes();
    showTypes();
}

void DriveTypesForm::cmdSaveDefault_Click() {
    if (const MainForm* main = program.frmSpindex())
        program.host.keepNewPlanDriveTypes(compactJson(driveTypesJson(main->PlanDriveTypes)));
}

} // namespace spindex
