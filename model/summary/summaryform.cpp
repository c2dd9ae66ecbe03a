#include "summary/summaryform.h"

#include "analysis/analysis.h"
#include "appinfo.h"
#include "mainform/mainform.h"
#include "runtime/program.h"
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
    const std::optional<std::string> path = program.host.saveFileName("CSV Files (*.csv)|*.csv", "csv");
    if (!path || path->empty())
        return;
    const std::string error = program.host.writeFile(*path, summaryCsv(planSummary(*main), planAnalysis(*main)));
    if (!error.empty())
        program.host.messageBox("Could not save the summary to " + *path + ": " + error, MsgButtons::Ok,
                                MsgIcon::Critical, appinfo::Title);
}

void SummaryForm::mnuAssumptions_Click() {
    if (MainForm* main = program.frmSpindex())
        main->mnuAssumptions_Click();
}

void SummaryForm::mnuClose_Click() {
    Program& p = program;
    p.unload(*this);
    if (Form* main = p.frmSpindex())
        p.focus(main);
}

} // namespace spindex
