#pragma once

// The summary window's table for a Qt item view: the model's rows and headers (summarytable.h), given
// whole after every action; the item model only shows them.

#include <QAbstractTableModel>
#include <string>
#include <vector>

#include "summary/summarytable.h"

namespace spindex::ui {

class SummaryTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // The value a column sorts by: a number for the number columns, else the text.
    static constexpr int SortRole = Qt::UserRole;
    // True on the total row.
    static constexpr int TotalRole = Qt::UserRole + 1;

    explicit SummaryTableModel(QObject* parent = nullptr);

    void setSummary(const spindex::PlanSummary& summary, const spindex::PlanAnalysis& analysis);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QVariant alignment(int column) const;
    std::vector<std::vector<spindex::SummaryCell>> m_rows;
    std::vector<spindex::SummaryColumn> m_columns = spindex::summaryColumns({});
};

} // namespace spindex::ui
