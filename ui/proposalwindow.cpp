#include "proposalwindow.h"

#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include "controlbinder.h"
#include "mainform/mainform.h"
#include "plans/plan.h"
#include "proposal/bom.h"
#include "runtime/program.h"
#include "windowactions.h"

namespace spindex::ui {

namespace {
enum Column { ItemColumn, KindColumn, QuantityColumn, UnitPriceColumn, PriceColumn, Columns };

QTableWidgetItem* cell(const QString& text, bool editable, Qt::Alignment alignment = Qt::AlignLeft) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    item->setFlags(editable ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable
                            : Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

QString money(const std::optional<double>& value, const std::string& currency) {
    return value ? QString::fromStdString(spindex::moneyText(*value, currency)) : QString();
}
} // namespace

ProposalWindow::ProposalWindow(WindowActions& actions, spindex::ProposalForm& form, QWidget* owner)
    : FormWindow(actions, form, owner), m_proposal(&form) {
    ControlBinder& bind = binder();
    QMenu* file = bind.menu(form.mnuFile, *menuBar());
    for (spindex::MenuItem* item :
         {&form.mnuImportPrices, &form.mnuSavePdf, &form.mnuSaveBomCsv, &form.mnuLine, &form.mnuClose})
        bind.menuItem(*item, *file);

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(10, 8, 10, 8);
    layout->setSpacing(6);
    auto* texts = new QFormLayout;
    for (auto [label, box] :
         {std::pair{&form.lblCustomer, &form.txtCustomer}, std::pair{&form.lblPreparedBy, &form.txtPreparedBy},
          std::pair{&form.lblCurrency, &form.txtCurrency}}) {
        QLineEdit* edit = bind.textBox(*box);
        edit->setMinimumWidth(320);
        texts->addRow(bind.label(*label, edit), edit);
    }
    layout->addLayout(texts);

    m_table = new QTableWidget(0, Columns, central);
    m_table->setObjectName("bomTable");
    m_table->setHorizontalHeaderLabels({tr("Item"), tr("Kind"), tr("Quantity"), tr("Unit Price"), tr("Price")});
    m_table->verticalHeader()->hide();
    m_table->setWordWrap(false);
    m_table->setAlternatingRowColors(true);
    m_table->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                             QAbstractItemView::AnyKeyPressed);
    m_table->horizontalHeader()->setSectionResizeMode(ItemColumn, QHeaderView::Stretch);
    m_table->setMinimumSize(640, 260);
    connect(m_table, &QTableWidget::itemChanged, this, &ProposalWindow::priceEdited);
    layout->addWidget(m_table, 1);

    m_costPerTB = new QLabel(central);
    m_costPerTB->setObjectName("lblCostPerTB");
    layout->addWidget(m_costPerTB);
    setCentralWidget(central);
}

void ProposalWindow::showModel(spindex::Form& form) {
    binder().refresh();
    const spindex::MainForm* main = form.program.frmSpindex();
    if (!main)
        return;
    const spindex::Bom bom = spindex::billOfMaterials(spindex::capturePlan(*main));
    const Qt::Alignment right = Qt::AlignRight;
    m_showing = true;
    m_table->setRowCount(static_cast<int>(bom.items.size()) + 1);
    int row = 0;
    for (const spindex::BomItem& item : bom.items) {
        m_table->setItem(row, ItemColumn, cell(QString::fromStdString(item.item), false));
        m_table->setItem(row, KindColumn, cell(QString::fromStdString(item.kind), false));
        m_table->setItem(row, QuantityColumn, cell(QString::number(item.quantity), false, right));
        m_table->setItem(row, UnitPriceColumn, cell(money(item.unitPrice, bom.currency), true, right));
        m_table->setItem(row, PriceColumn, cell(money(item.price, bom.currency), false, right));
        ++row;
    }
    QTableWidgetItem* total = cell(tr("Total"), false);
    QFont bold = total->font();
    bold.setBold(true);
    total->setFont(bold);
    m_table->setItem(row, ItemColumn, total);
    for (int c = KindColumn; c < PriceColumn; ++c)
        m_table->setItem(row, c, cell(QString(), false));
    QTableWidgetItem* sum = cell(money(bom.total.price, bom.currency), false, right);
    sum->setFont(bold);
    m_table->setItem(row, PriceColumn, sum);
    m_table->resizeColumnsToContents();
    m_table->horizontalHeader()->setSectionResizeMode(ItemColumn, QHeaderView::Stretch);
    m_showing = false;

    const QString cost =
        bom.total.costPerUsableTB
            ? tr("Cost per usable TB: %1").arg(money(bom.total.costPerUsableTB, bom.currency))
            : tr("Cost per usable TB: %1").arg(bom.total.complete ? tr("no usable capacity") : tr("Prices incomplete"));
    m_costPerTB->setText(cost);
}

void ProposalWindow::priceEdited(QTableWidgetItem* item) {
    if (m_showing || !m_proposal || item->column() != UnitPriceColumn ||
        item->row() >= static_cast<int>(m_proposal->txtPrice.size()))
        return;
    // The cell shows the currency after the price; what the user leaves of it is the price.
    QString text = item->text().trimmed();
    const QString currency = QString::fromStdString(m_proposal->txtCurrency.text()).trimmed();
    if (!currency.isEmpty() && text.endsWith(currency))
        text = text.chopped(currency.size()).trimmed();
    spindex::TextBox& box = m_proposal->txtPrice[static_cast<size_t>(item->row())];
    const std::string typed = text.toStdString();
    actions().act(*m_proposal, [&box, typed] { box.userType(typed); });
}

} // namespace spindex::ui
