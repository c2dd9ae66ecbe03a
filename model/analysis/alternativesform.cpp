#include "analysis/alternativesform.h"

#include "mainform/mainform.h"
#include "runtime/program.h"

namespace spindex {

AlternativesForm::AlternativesForm(Program& program) : Form(program, "frmAlternatives", "Alternatives", 9600, 6000) {
    for (Control* c : std::initializer_list<Control*>{&lstLayouts, &cmdUse, &cmdClose})
        add(*c);
    cmdUse.onClick = [this] { cmdUse_Click(); };
    cmdClose.onClick = [this] { cmdClose_Click(); };
}

void AlternativesForm::Form_Load() {
    if (const MainForm* main = program.frmSpindex())
        m_layouts = alternatives(*main);
    for (const Layout& layout : m_layouts)
        lstLayouts.addItem(layoutName(layout));
}

void AlternativesForm::cmdUse_Click() {
    const int chosen = lstLayouts.listIndex();
    MainForm* main = program.frmSpindex();
    if (chosen < 0 || !main)
        return;
    const Layout layout = m_layouts[static_cast<size_t>(chosen)];
    close();
    chooseLayout(*main, layout.level, layout.drives, layout.spans);
}

void AlternativesForm::cmdClose_Click() {
    close();
}

void AlternativesForm::close() {
    program.closeToMain(*this);
}

} // namespace spindex
