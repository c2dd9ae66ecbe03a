#include "proposal/proposalform.h"

#include "appinfo.h"
#include "mainform/mainform.h"
#include "plans/plan.h"
#include "plans/plandocument.h"
#include "plans/planfile.h"
#include "proposal/bom.h"
#include "proposal/pricelist.h"
#include "runtime/host.h"
#include "runtime/program.h"
#include "runtime/savefile.h"

namespace spindex {

namespace {
// A price list is a few kilobytes; anything far larger is no price list.
constexpr std::int64_t PriceListLimit = 1024 * 1024;
} // namespace

ProposalForm::ProposalForm(Program& program) : Form(program, "frmProposal", "Proposal", 9600, 6000) {
    add(lblCustomer);
    add(txtCustomer);
    add(lblPreparedBy);
    add(txtPreparedBy);
    add(lblCurrency);
    add(txtCurrency);
    txtCustomer.onChange = [this] { textChanged(txtCustomer, lblCustomer, &Proposal::customer); };
    txtPreparedBy.onChange = [this] { textChanged(txtPreparedBy, lblPreparedBy, &Proposal::preparedBy); };
    txtCurrency.onChange = [this] { textChanged(txtCurrency, lblCurrency, &Proposal::currency); };
    for (int i = 0; i < MaxItems; ++i) {
        txtPrice[i].name = indexedName("txtPrice", i);
        txtPrice[i].visible = false;
        txtPrice[i].onChange = [this, i] { priceChanged(i); };
        add(txtPrice[i]);
    }
    add(mnuFile);
    for (MenuItem* m : {&mnuImportPrices, &mnuSavePdf, &mnuSaveBomCsv, &mnuLine, &mnuClose})
        add(*m, &mnuFile);
    mnuImportPrices.onClick = [this] { mnuImportPrices_Click(); };
    mnuSavePdf.onClick = [this] { mnuSavePdf_Click(); };
    mnuSaveBomCsv.onClick = [this] { mnuSaveBomCsv_Click(); };
    mnuClose.onClick = [this] { mnuClose_Click(); };
}

void ProposalForm::Form_Load() {
    showPlan();
}

void ProposalForm::showPlan() {
    const MainForm* main = program.frmSpindex();
    if (!main)
        return;
    m_showing = true;
    const Proposal& proposal = main->PlanProposal;
    txtCustomer.setText(proposal.customer);
    txtPreparedBy.setText(proposal.preparedBy);
    txtCurrency.setText(proposal.currency);
    const Bom bom = billOfMaterials(capturePlan(*main));
    for (size_t i = 0; i < txtPrice.size(); ++i) {
        const bool shown = i < bom.items.size();
        txtPrice[i].visible = shown;
        txtPrice[i].setText(shown && bom.items[i].unitPrice ? priceText(*bom.items[i].unitPrice) : std::string());
    }
    m_showing = false;
}

void ProposalForm::textChanged(TextBox& box, const Label& label, std::string Proposal::*field) {
    MainForm* main = program.frmSpindex();
    if (m_showing || !main)
        return;
    if (!fitsProposalText(box.text())) {
        program.host.messageBox(label.caption + " is too long", MsgButtons::Ok, MsgIcon::Exclamation, appinfo::Title);
        // The box goes back to what the plan holds.
        showPlan();
        return;
    }
    main->PlanProposal.*field = box.text();
}

void ProposalForm::priceChanged(int row) {
    MainForm* main = program.frmSpindex();
    if (m_showing || !main)
        return;
    const Bom bom = billOfMaterials(capturePlan(*main));
    if (row >= static_cast<int>(bom.items.size()))
        return;
    const std::string& item = bom.items[static_cast<size_t>(row)].item;
    const std::string& text = txtPrice[static_cast<size_t>(row)].text();
    std::map<std::string, double>& prices = main->PlanProposal.prices;
    if (text.find_first_not_of(" \t") == std::string::npos) {
        prices.erase(item);
    } else if (const std::optional<double> price = parsePrice(text)) {
        prices[item] = *price;
    } else {
        program.host.messageBox("A price must be " + std::string(PriceRule), MsgButtons::Ok, MsgIcon::Exclamation,
                                appinfo::Title);
    }
    // The box shows the price as the plan now holds it: with two decimals, or as it was.
    showPlan();
}

void ProposalForm::mnuImportPrices_Click() {
    MainForm* main = program.frmSpindex();
    if (!main)
        return;
    Host& host = program.host;
    const std::optional<std::string> path = host.openFileName("CSV Files (*.csv)|*.csv");
    if (!path || path->empty())
        return;
    std::string bytes;
    std::string reason = host.readFile(*path, bytes, PriceListLimit);
    std::optional<std::map<std::string, double>> list;
    if (reason.empty())
        list = readPriceList(bytes, reason);
    if (!list) {
        host.messageBox("Could not read the price list " + *path + ": " + reason, MsgButtons::Ok, MsgIcon::Critical,
                        appinfo::Title);
        return;
    }
    // Only the items this plan orders take a price; the list may cover a whole catalogue.
    for (const BomItem& item : billOfMaterials(capturePlan(*main)).items)
        if (const auto price = list->find(item.item); price != list->end())
            main->PlanProposal.prices[item.item] = price->second;
    showPlan();
}

void ProposalForm::mnuSavePdf_Click() {
    const MainForm* main = program.frmSpindex();
    if (!main)
        return;
    Host& host = program.host;
    const std::optional<std::string> path = host.saveFileName("PDF Files (*.pdf)|*.pdf", "pdf");
    if (!path || path->empty())
        return;
    const std::optional<std::string>& file = program.planDocument()->file();
    std::string pdf;
    std::string error = host.drawProposalPdf(*main, file ? planFileName(*file) : std::string(), pdf);
    // A document that could not be drawn is not written: the old file stays as it was.
    if (error.empty())
        error = host.writeFile(*path, pdf);
    if (!error.empty())
        host.messageBox("Could not save the file to " + *path + ": " + error, MsgButtons::Ok, MsgIcon::Critical,
                        appinfo::Title);
}

void ProposalForm::mnuSaveBomCsv_Click() {
    const MainForm* main = program.frmSpindex();
    if (!main)
        return;
    saveChosenFile(program.host, "CSV Files (*.csv)|*.csv", "csv", "file",
                   [main] { return bomCsv(billOfMaterials(capturePlan(*main))); });
}

void ProposalForm::mnuClose_Click() {
    program.closeToMain(*this);
}

} // namespace spindex
