#include "analysis/assumptionsform.h"

#include "appinfo.h"
#include "mainform/mainform.h"
#include "runtime/numbers.h"
#include "runtime/program.h"

namespace spindex {

namespace {
// "mtbfHours" -> "MtbfHours", the part of the control names after their prefix.
std::string boxSuffix(const AssumptionRow& row) {
    return std::string(row.box).substr(3);
}
} // namespace

AssumptionsForm::AssumptionsForm(Program& program) : Form(program, "frmAssumptions", "Assumptions", 6000, 4800) {
    const auto& rows = assumptionRows();
    for (size_t i = 0; i < rows.size(); ++i) {
        lblAssumption[i].name = "lbl" + boxSuffix(rows[i]);
        lblAssumption[i].caption = rows[i].label;
        txtAssumption[i].name = rows[i].box;
        add(lblAssumption[i]);
        add(txtAssumption[i]);
    }
    for (Button* b : {&cmdOK, &cmdCancel, &cmdDefaults})
        add(*b);
    cmdOK.onClick = [this] { cmdOK_Click(); };
    cmdCancel.onClick = [this] { cmdCancel_Click(); };
    cmdDefaults.onClick = [this] { cmdDefaults_Click(); };
}

void AssumptionsForm::Form_Load() {
    if (const MainForm* main = program.frmSpindex())
        showValues(main->PlanAssumptions);
}

void AssumptionsForm::showValues(const Assumptions& values) {
    const auto& rows = assumptionRows();
    for (size_t i = 0; i < rows.size(); ++i)
        txtAssumption[i].setText(formatNumber(values.*rows[i].value));
}

void AssumptionsForm::cmdOK_Click() {
    MainForm* main = program.frmSpindex();
    if (!main)
        return;
    Assumptions wanted;
    const auto& rows = assumptionRows();
    for (size_t i = 0; i < rows.size(); ++i) {
        const std::optional<double> value = parseNumber(txtAssumption[i].text());
        if (!value || !inRange(rows[i], *value)) {
            program.host.messageBox(rangeMessage(rows[i]), MsgButtons::Ok, MsgIcon::Exclamation, appinfo::Title);
            return;
        }
        wanted.*rows[i].value = *value;
    }
    main->PlanAssumptions = wanted;
    close();
}

void AssumptionsForm::cmdCancel_Click() {
    close();
}

void AssumptionsForm::cmdDefaults_Click() {
    showValues(Assumptions{});
}

void AssumptionsForm::close() {
    program.closeToMain(*this);
}

} // namespace spindex
