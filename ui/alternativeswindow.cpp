#include "alternativeswindow.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QPalette>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

#include "analysis/analysis.h"
#include "controlbinder.h"
#include "runtime/numbers.h"
#include "windowactions.h"

namespace spindex::ui {

namespace {

// The row's entry in lstLayouts, whatever the sort.
constexpr int EntryRole = Qt::UserRole + 1;
constexpr int SortRole = Qt::UserRole + 2;
constexpr int UsableColumn = 1;

QStandardItem* cell(const QString& text, const QVariant& sortValue) {
    auto* item = new QStandardItem(text);
    item->setData(sortValue, SortRole);
    item->setEditable(false);
    return item;
}

QStandardItem* number(double value, const QString& text) {
    QStandardItem* item = cell(text, value);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

QString fromStd(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

AlternativesWindow::AlternativesWindow(WindowActions& actions, spindex::AlternativesForm& form, QWidget* owner)
    : FormWindow(actions, form, owner), m_rows(new QStandardItemModel(this)),
      m_sorted(new QSortFilterProxyModel(this)) {
    ControlBinder& bind = binder();
    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(10, 8, 10, 8);

    m_rows->setHorizontalHeaderLabels({tr("Layout"), tr("Usable, GB"), tr("Efficiency, %"), tr("Survives at Least"),
                                       tr("Survives at Most"), tr("Loss Probability"), tr("Mixed IOPS"), tr("Slots"),
                                       tr("Fits")});
    m_sorted->setSourceModel(m_rows);
    m_sorted->setSortRole(SortRole);
    m_table = new QTableView(central);
    m_table->setObjectName("alternativesTable");
    m_table->setModel(m_sorted);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setWordWrap(false);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setHighlightSections(false);
    m_table->setSortingEnabled(true);
    column->addWidget(m_table, 1);

    auto* buttons = new QDialogButtonBox(central);
    QPushButton* use = bind.button(form.cmdUse);
    QPushButton* close = bind.button(form.cmdClose);
    buttons->addButton(use, QDialogButtonBox::AcceptRole);
    buttons->addButton(close, QDialogButtonBox::RejectRole);
    use->setToolTip(tr("Set the calculator to the chosen layout"));
    setDefaultButton(use);
    column->addWidget(buttons);
    setCentralWidget(central);

    // A row chosen in the table is its entry chosen in the list, as the user's own pick.
    connect(m_table->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this, &actions, &form](const QModelIndex& current) {
                if (!current.isValid())
                    return;
                const int entry = current.siblingAtColumn(0).data(EntryRole).toInt();
                if (form.lstLayouts.listIndex() != entry)
                    actions.act(form, [&form, entry] { form.lstLayouts.userPick(entry); });
            });
    connect(m_table, &QTableView::doubleClicked, this, [&actions, &form](const QModelIndex& index) {
        const int entry = index.siblingAtColumn(0).data(EntryRole).toInt();
        actions.act(form, [&form, entry] {
            form.lstLayouts.userPick(entry);
            form.cmdUse.userClick();
        });
    });
    m_table->setMinimumSize(760, 380);
}

void AlternativesWindow::fill(const spindex::AlternativesForm& form) {
    const QBrush grey = QApplication::palette().brush(QPalette::Disabled, QPalette::Text);
    int entry = 0;
    for (const spindex::Layout& l : form.layouts()) {
        QList<QStandardItem*> row{
            cell(fromStd(spindex::layoutName(l)), entry),
            number(l.usableGB, fromStd(spindex::formatNumber(l.usableGB))),
            number(l.efficiency, fromStd(spindex::formatNumber(l.efficiency))),
            number(l.survivesAtLeast, QString::number(l.survivesAtLeast)),
            number(l.survivesAtMost, QString::number(l.survivesAtMost)),
            number(l.lossProbability, fromStd(spindex::percentText(l.lossProbability))),
            number(l.mixedIops, QString::number(l.mixedIops, 'f', 0)),
            number(l.slotUnits, fromStd(spindex::formatNumber(l.slotUnits))),
            cell(l.fits ? tr("Yes") : tr("No"), l.fits),
        };
        row[0]->setData(entry, EntryRole);
        if (!l.fits)
            for (QStandardItem* item : row) {
                item->setForeground(grey);
                item->setToolTip(fromStd(spindex::refusalText(l)));
            }
        m_rows->appendRow(row);
        ++entry;
    }
    m_table->sortByColumn(UsableColumn, Qt::DescendingOrder);
    m_table->resizeColumnsToContents();
}

void AlternativesWindow::showModel(spindex::Form& form) {
    binder().refresh();
    auto& alternatives = static_cast<spindex::AlternativesForm&>(form);
    if (!m_filled) {
        fill(alternatives);
        m_filled = true;
    }
    // The list's entry, chosen by a script or by the user, is the table's chosen row.
    const int entry = alternatives.lstLayouts.listIndex();
    const QModelIndex current = m_table->currentIndex();
    if (entry >= 0 && (!current.isValid() || current.siblingAtColumn(0).data(EntryRole).toInt() != entry)) {
        const QModelIndex source = m_rows->index(entry, 0);
        m_table->selectRow(m_sorted->mapFromSource(source).row());
    }
}

} // namespace spindex::ui
