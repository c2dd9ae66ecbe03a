#pragma once

// "Proposal": who the proposal is for, who prepared it and the currency, the bill of materials as a
// table whose unit prices are edited in their cells, and the total with the cost per usable TB. The
// File menu imports a price list and saves the bill as CSV. It follows the plan: every refresh reads
// the bill again.

#include "formwindow.h"
#include "proposal/proposalform.h"

class QLabel;
class QTableWidget;
class QTableWidgetItem;

namespace spindex::ui {

class ProposalWindow : public FormWindow {
    Q_OBJECT
public:
    ProposalWindow(WindowActions& actions, spindex::ProposalForm& form, QWidget* owner = nullptr);

    QTableWidget* table() const { return m_table; }

protected:
    void showModel(spindex::Form& form) override;
    void release() override { m_proposal = nullptr; }

private:
    void priceEdited(QTableWidgetItem* item);

    spindex::ProposalForm* m_proposal;
    QTableWidget* m_table;
    QLabel* m_costPerTB;
    bool m_showing = false;
};

} // namespace spindex::ui
