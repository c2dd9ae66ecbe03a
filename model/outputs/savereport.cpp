#include "outputs/savereport.h"

#include "mainform/mainform.h"
#include "runtime/program.h"
#include "runtime/savefile.h"

namespace spindex {

report::ReportInput reportInput(const MainForm& main) {
    report::ReportInput input;
    for (size_t k = 0; k < MainForm::Totals; ++k) {
        input.totalLabels[k] = main.Label11[k].caption;
        input.totalValues[k] = main.txtSumTotals[k].text();
    }
    for (int t = 0; t < MainForm::Sets; ++t) {
        report::SetRecord& set = input.sets[t];
        for (int k = 0; k < MainForm::SetFields; ++k) {
            const auto field = static_cast<MainForm::SetField>(k);
            set.labels[k] = main.tabFieldLabel(t, field).caption;
            set.values[k] = main.tabField(t, field).text();
        }
        set.halfHeight = main.tabHalfHeight(t);
    }
    return input;
}

void SaveReportText(Program& program) {
    MainForm* main = program.frmSpindex();
    if (!main)
        return;
    saveChosenFile(program.host, "Text Files (*.txt)|*.txt", "txt", "report",
                   [main] { return report::textFile(reportInput(*main)); });
}

} // namespace spindex
