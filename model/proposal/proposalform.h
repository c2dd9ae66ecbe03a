#pragma once

// "Proposal": the customer's proposal of the main window's plan. The customer, who prepared it and the
// currency, a unit price per bill of materials item (row N of the bill is txtPrice(N)), a price list
// to import, and the bill saved as CSV. It follows the plan: after every action its boxes show the
// plan's texts and the prices of the bill as it stands.

#include <array>

#include "proposal/prices.h"
#include "rules/limits.h"
#include "runtime/form.h"

namespace spindex {

class MainForm;

class ProposalForm : public Form {
public:
    // The controller, an enclosure per channel, a drive per set and the global spares' drive.
    static constexpr int MaxItems = 1 + Channels + LogicalDrives + 1;

    explicit ProposalForm(Program& program);
    Label lblCustomer{"lblCustomer", "Customer"};
    TextBox txtCustomer{"txtCustomer"};
    Label lblPreparedBy{"lblPreparedBy", "Prepared by"};
    TextBox txtPreparedBy{"txtPreparedBy"};
    Label lblCurrency{"lblCurrency", "Currency"};
    TextBox txtCurrency{"txtCurrency"};
    std::array<TextBox, MaxItems> txtPrice; // shown for the bill's rows only
    MenuItem mnuFile{"mnuFile", "&File"};
    MenuItem mnuImportPrices{"mnuImportPrices", "&Import Price List..."};
    MenuItem mnuSavePdf{"mnuSavePdf", "Save as &PDF..."};
    MenuItem mnuSaveBomCsv{"mnuSaveBomCsv", "Save Bill of Materials as CSV..."};
    MenuItem mnuLine{"mnuLine", "-"};
    MenuItem mnuClose{"mnuClose", "&Close"};

    void Form_Load();
    // Shows the plan as it is now; the program calls it once every action is over.
    void showPlan();

    void mnuImportPrices_Click();
    void mnuSavePdf_Click();
    void mnuSaveBomCsv_Click();
    void mnuClose_Click();

private:
    void textChanged(TextBox& box, const Label& label, std::string Proposal::*field);
    void priceChanged(int row);
    bool m_showing = false; // the boxes are being filled, not typed in
};

} // namespace spindex
