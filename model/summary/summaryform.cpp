#include "summary/summaryform.h"

#include "appinfo.h"
#include "mainform/mainform.h"
#include "runtime/program.h"
#include "summary/summary.h"
#include "summary/summarycsv.h"

namespace spindex {

SummaryForm::SummaryForm(Program& program) : Form(program, "frmSummary", "Plan Summary", 11520, 4320) {
    add(mnuFile);
    for (MenuItem* m : {&mnuSaveCsv, &mnuLine, &mnuClose})
        add(*m, &mnuFile);
    mnuSaveCsv.onClick = [this] { mnuSaveCsv_Click(); };
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
    const std::string error = program.host.writeFile(*path, summaryCsv(planSummary(*main)));
    if (!error.empty())
        program.host.messageBox("Could not save the summary to " + *path + ": " + error, MsgButtons::Ok,
                                MsgIcon::Critical, appinfo::Title);
}

void SummaryForm::mnuClose_Click() {
    Program& p = program;
    p.unload(*this);
    if (Form* main = p.frmSpindex())
        p.focus(main);
}

} // namespace spindex
