#include "summary/summaryform.h"

#include "analysis/analysis.h"
#include "mainform/mainform.h"
#include "runtime/program.h"
#include "runtime/savefile.h"
#include "summary/summary.h"
#include "summary/summarycsv.h"

namespace spindex {

SummaryForm::SummaryForm(Program& program) : Form(program, "frmSummary", "Plan Summary", 11520, 4320) {
    add(mnuFile);
    for (MenuItem* m : {&mnuSaveCsv, &mnuAssumptions, &mnuLine, &mnuClose})
        add(*m, &mnuFile);
    mnuSaveCsv.onClick = [this] { mnuSaveCsv_Click(); };
    mnuAssumptions.onClick = [this] { mnuAssumptions_Click(); };
    mnuClose.onClick = [this] { mnuClose_Click(); };
}

void SummaryForm::Form_Load() {}

void SummaryForm::mnuSaveCsv_Click() {
    const MainForm* main = program.frmSpindex();
    if (!main)
        return;
    saveChosenFile(program.host, "CSV Files (*.csv)|*.csv", "csv", "summary",
                   [main] { return summaryCsv(planSummary(*main), planAnalysis(*main)); });
}

void SummaryForm::mnuAssumptions_Click() {
    if (MainForm* main = program.frmSpindex())
        main->mnuAssumptions_Click();
}

void SummaryForm::mnuClose_Click() {
    program.closeToMain(*this);
}

} // namespace spindex
