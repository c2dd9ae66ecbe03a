#pragma once

// "Plan Summary": the plan summary in a table, one row per RAID set and the total row last, with
// the drive slots under it. It follows the plan: every refresh reads the model's summary again.
// The table sorts by any column (the total row stays last) and Ctrl+C copies the selected rows as
// tab-separated text; the File menu saves the summary as CSV and closes the window (Escape and Ctrl+W
// close it as they close every window of the main window).

#include "formwindow.h"
#include "summary/summaryform.h"

class QLabel;
class QSortFilterProxyModel;
class QTableView;

namespace spindex::ui {

class SummaryTableModel;

class SummaryWindow : public FormWindow {
    Q_OBJECT
public:
    SummaryWindow(WindowActions& actions, spindex::SummaryForm& form, QWidget* owner = nullptr);

    QTableView* table() const { return m_table; }
    // The selected rows as the view shows them, cells separated by tabs, each row ending in a line feed.
    QString selectedRowsText() const;
    // Puts the selected rows on the clipboard.
    void copySelectedRows() const;

protected:
    void showModel(spindex::Form& form) override;

private:
    SummaryTableModel* m_rows;
    QSortFilterProxyModel* m_sorted;
    QTableView* m_table;
    QLabel* m_slots;
};

} // namespace spindex::ui
