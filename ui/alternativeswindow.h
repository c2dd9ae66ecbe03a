#pragma once

// "Alternatives": every layout for the drives in the calculator in a sortable table, the largest
// usable capacity first; the layouts that Add would refuse now are greyed and say why. Choosing a
// row picks its entry of lstLayouts; Use (the default button, or a double click) sets the
// calculator to it; Close and Escape close the window.

#include "analysis/alternativesform.h"
#include "formwindow.h"

class QStandardItemModel;
class QSortFilterProxyModel;
class QTableView;

namespace spindex::ui {

class AlternativesWindow : public FormWindow {
    Q_OBJECT
public:
    AlternativesWindow(WindowActions& actions, spindex::AlternativesForm& form, QWidget* owner = nullptr);

    QTableView* table() const { return m_table; }

protected:
    void showModel(spindex::Form& form) override;

private:
    void fill(const spindex::AlternativesForm& form);
    QStandardItemModel* m_rows;
    QSortFilterProxyModel* m_sorted;
    QTableView* m_table;
    bool m_filled = false;
};

} // namespace spindex::ui
