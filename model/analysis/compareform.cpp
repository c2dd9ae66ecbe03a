#include "analysis/compareform.h"

#include "mainform/mainform.h"
#include "plans/planfile.h"
#include "runtime/program.h"
#include "runtime/savefile.h"

namespace spindex {

CompareForm::CompareForm(Program& program) : Form(program, "frmCompare", "Compare Plans", 12000, 5000) {
    add(mnuFile);
    for (MenuItem* m : {&mnuSaveCsv, &mnuLine, &mnuClose})
        add(*m, &mnuFile);
    mnuSaveCsv.onClick = [this] { mnuSaveCsv_Click(); };
    mnuClose.onClick = [this] { mnuClose_Click(); };
}

void CompareForm::compareFiles(const std::vector<std::string>& paths) {
    m_files.clear();
    for (const std::string& path : paths)
        m_files.push_back(planFileFigures(program.host, path, planFileName(path)));
}

std::vector<PlanFigures> CompareForm::rows() const {
    std::vector<PlanFigures> all;
    if (const MainForm* main = program.frmSpindex())
        all.push_back(currentPlanFigures(*main));
    all.insert(all.end(), m_files.begin(), m_files.end());
    return all;
}

void CompareForm::mnuSaveCsv_Click() {
    saveChosenFile(program.host, "CSV Files (*.csv)|*.csv", "csv", "file", [this] { return comparisonCsv(rows()); });
}

void CompareForm::mnuClose_Click() {
    program.closeToMain(*this);
}

} // namespace spindex
