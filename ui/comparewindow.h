#pragma once

// "Compare Plans": a row per plan, the running plan first, sortable by any column; a plan that did
// not open shows its reason in the last column. Ctrl+C copies the selected rows as tab-separated
// text; the File menu saves the table as CSV.

#include "analysis/compareform.h"
#include "formwindow.h"

class QStandardItemModel;
class QSortFilterProxyModel;
class QTableView;

namespace spindex::ui {

class CompareWindow : public FormWindow {
    Q_OBJECT
public:
    CompareWindow(WindowActions& actions, spindex::CompareForm& form, QWidget* owner = nullptr);

    QTableView* table() const { return m_table; }
    // The selected rows as the view shows them, cells separated by tabs, each row ending in a line feed.
    QString selectedRowsText() const;

protected:
    void showModel(spindex::Form& form) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QStandardItemModel* m_rows;
    QSortFilterProxyModel* m_sorted;
    QTableView* m_table;
};

} // namespace spindex::ui
