#include "summarywindow.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "controlbinder.h"
#include "mainform/mainform.h"
#include "runtime/program.h"
#include "summary/summarytable.h"
#include "summarytablemodel.h"
#include "windowactions.h"

namespace spindex::ui {

namespace {

// Sorts the set rows by the column's value; the total row stays last in either order.
class SetsFirst : public QSortFilterProxyModel {
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override {
        const bool leftTotal = left.data(SummaryTableModel::TotalRole).toBool();
        const bool rightTotal = right.data(SummaryTableModel::TotalRole).toBool();
        if (leftTotal != rightTotal)
            // The view reverses the order for a descending sort; the total must end last either way.
            return sortOrder() == Qt::AscendingOrder ? rightTotal : leftTotal;
        const QVariant a = left.data(SummaryTableModel::SortRole);
        const QVariant b = right.data(SummaryTableModel::SortRole);
        const auto order = QVariant::compare(a, b);
        if (order != QPartialOrdering::Equivalent)
            return order == QPartialOrdering::Less;
        // Equal values stand in tab order, either way (a descending sort asks with the two swapped).
        return sortOrder() == Qt::AscendingOrder ? left.row() < right.row() : left.row() > right.row();
    }
};

// Ctrl+C copies whole rows, not the one cell a table view copies by itself.
class RowTable : public QTableView {
public:
    RowTable(SummaryWindow& window, QWidget* parent) : QTableView(parent), m_window(window) {}

    // The size that shows every column and row: the window opens at it where the screen is large
    // enough, and the table scrolls where it is not.
    void setFullSize(const QSize& size) {
        m_fullSize = size;
        updateGeometry();
    }
    QSize sizeHint() const override { return m_fullSize.isValid() ? m_fullSize : QTableView::sizeHint(); }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event == QKeySequence::Copy) {
            m_window.copySelectedRows();
            event->accept();
            return;
        }
        QTableView::keyPressEvent(event);
    }

private:
    SummaryWindow& m_window;
    QSize m_fullSize;
};

} // namespace

SummaryWindow::SummaryWindow(WindowActions& actions, spindex::SummaryForm& form, QWidget* owner)
    : FormWindow(actions, form, owner), m_rows(new SummaryTableModel(this)), m_sorted(new SetsFirst(this)) {
    ControlBinder& bind = binder();
    QMenu* file = bind.menu(form.mnuFile, *menuBar());
    bind.menuItem(form.mnuSaveCsv, *file);
    bind.menuItem(form.mnuAssumptions, *file);
    bind.menuItem(form.mnuLine, *file);
    bind.menuItem(form.mnuClose, *file);

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(10, 8, 10, 8);
    layout->setSpacing(6);

    m_sorted->setSourceModel(m_rows);
    m_sorted->setDynamicSortFilter(true);
    m_table = new RowTable(*this, central);
    m_table->setObjectName("summaryTable");
    m_table->setModel(m_sorted);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setAlternatingRowColors(true);
    m_table->setWordWrap(false);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setHighlightSections(false);
    m_table->setSortingEnabled(true);
    m_table->sortByColumn(0, Qt::AscendingOrder); // by logical drive

    auto* copy = new QAction(tr("&Copy"), m_table);
    copy->setObjectName("copyRows");
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    connect(copy, &QAction::triggered, this, [this] { copySelectedRows(); });
    m_table->addAction(copy);
    m_table->setContextMenuPolicy(Qt::ActionsContextMenu);
    layout->addWidget(m_table, 1);

    m_slots = new QLabel(central);
    m_slots->setObjectName("lblSlots");
    layout->addWidget(m_slots);
    setCentralWidget(central);
}

void SummaryWindow::showModel(spindex::Form& form) {
    binder().refresh();
    const spindex::MainForm* main = form.program.frmSpindex();
    if (!main)
        return;
    const spindex::PlanSummary summary = spindex::planSummary(*main);
    m_rows->setSummary(summary, spindex::planAnalysis(*main));
    m_slots->setText(QString::fromStdString(spindex::summarySlotsLine(summary.total)));

    // Every column and every row (at most eight sets and the total) shown without scrolling where the
    // screen has the room.
    m_table->resizeColumnsToContents();
    QHeaderView* header = m_table->horizontalHeader();
    int width = 2 * m_table->frameWidth();
    for (int c = 0; c < header->count(); ++c)
        width += header->sectionSize(c);
    const int rows = spindex::MainForm::Sets + 1;
    const int height =
        2 * m_table->frameWidth() + header->height() + rows * m_table->verticalHeader()->defaultSectionSize();
    static_cast<RowTable*>(m_table)->setFullSize(QSize(width, height));
}

QString SummaryWindow::selectedRowsText() const {
    QList<int> rows;
    for (const QModelIndex& index : m_table->selectionModel()->selectedRows())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    QString text;
    for (int row : rows) {
        QStringList cells;
        for (int c = 0; c < m_sorted->columnCount(); ++c)
            cells.append(m_sorted->index(row, c).data().toString());
        text += cells.join('\t') + '\n';
    }
    return text;
}

void SummaryWindow::copySelectedRows() const {
    const QString text = selectedRowsText();
    if (!text.isEmpty())
        QApplication::clipboard()->setText(text);
}

} // namespace spindex::ui
