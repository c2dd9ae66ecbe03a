#include "comparewindow.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "controlbinder.h"
#include "runtime/numbers.h"

namespace spindex::ui {

namespace {
constexpr int SortRole = Qt::UserRole + 1;
}

CompareWindow::CompareWindow(WindowActions& actions, spindex::CompareForm& form, QWidget* owner)
    : FormWindow(actions, form, owner), m_rows(new QStandardItemModel(this)),
      m_sorted(new QSortFilterProxyModel(this)) {
    ControlBinder& bind = binder();
    QMenu* file = bind.menu(form.mnuFile, *menuBar());
    bind.menuItem(form.mnuSaveCsv, *file);
    bind.menuItem(form.mnuLine, *file);
    bind.menuItem(form.mnuClose, *file);

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(10, 8, 10, 8);
    m_sorted->setSourceModel(m_rows);
    m_sorted->setSortRole(SortRole);
    m_sorted->setDynamicSortFilter(true);
    m_table = new QTableView(central);
    m_table->setObjectName("compareTable");
    m_table->setModel(m_sorted);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setWordWrap(false);
    m_table->verticalHeader()->hide();
    m_table->setSortingEnabled(true);
    // The rows open in their own order, the running plan first, until a heading is clicked.
    m_table->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    m_table->installEventFilter(this);
    layout->addWidget(m_table, 1);
    setCentralWidget(central);
    m_table->setMinimumSize(900, 160);
}

bool CompareWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_table && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event) == QKeySequence::Copy) {
        QApplication::clipboard()->setText(selectedRowsText());
        return true;
    }
    return FormWindow::eventFilter(watched, event);
}

QString CompareWindow::selectedRowsText() const {
    QList<int> rows;
    for (const QModelIndex& index : m_table->selectionModel()->selectedRows())
        rows << index.row();
    std::sort(rows.begin(), rows.end());
    QString text;
    for (int row : rows) {
        QStringList cells;
        for (int c = 0; c < m_sorted->columnCount(); ++c)
            cells << m_sorted->index(row, c).data().toString();
        text += cells.join('\t') + '\n';
    }
    return text;
}

void CompareWindow::showModel(spindex::Form& form) {
    binder().refresh();
    const std::vector<spindex::PlanFigures> plans = static_cast<spindex::CompareForm&>(form).rows();
    QStringList headers{tr("Plan")};
    for (const std::string& h : spindex::comparisonHeaders())
        headers << QString::fromStdString(h);
    headers << tr("Error");
    m_rows->clear();
    m_rows->setHorizontalHeaderLabels(headers);
    for (const spindex::PlanFigures& plan : plans) {
        std::vector<std::string> cells{plan.name};
        for (std::string& cell : spindex::comparisonCells(plan))
            cells.push_back(std::move(cell));
        cells.push_back(plan.error);
        QList<QStandardItem*> row;
        for (const std::string& cell : cells) {
            auto* item = new QStandardItem(QString::fromStdString(cell));
            // Figures sort as numbers, names and reasons as text.
            if (const std::optional<double> value = spindex::parseNumber(cell)) {
                item->setData(*value, SortRole);
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            } else {
                item->setData(QString::fromStdString(cell), SortRole);
            }
            if (!plan.error.empty())
                item->setToolTip(QString::fromStdString(plan.error));
            row << item;
        }
        m_rows->appendRow(row);
    }
    m_table->resizeColumnsToContents();
}

} // namespace spindex::ui
