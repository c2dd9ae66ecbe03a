#pragma once

// The plan summary as a table for a Qt item view: one row per RAID set in tab order, then the total
// row. The model's summary is given whole after every action; the rows only show it.

#include <QAbstractTableModel>

#include "analysis/analysisrows.h"
#include "summary/summary.h"

namespace spindex::ui {

class SummaryTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column {
        LogicalDrive,
        Level,
        Drives,
        Spans,
        DriveSize,
        Height,
        RawGB,
        UsableGB,
        Efficiency,
        Survives,
        LocalSpare,
        Columns // the analysis's columns follow
    };
    // The value a column sorts by: a number for the number columns, else the text.
    static constexpr int SortRole = Qt::UserRole;
    // True on the total row.
    static constexpr int TotalRole = Qt::UserRole + 1;

    explicit SummaryTableModel(QObject* parent = nullptr);

    void setSummary(const spindex::PlanSummary& summary, const spindex::PlanAnalysis& analysis);
    const spindex::PlanSummary& summary() const { return m_summary; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QString text(int row, int column) const;
    QVariant sortValue(int row, int column) const;
    QVariant analysisSortValue(int row, int column) const;
    spindex::PlanSummary m_summary;
    spindex::PlanAnalysis m_analysis;
    std::vector<spindex::AnalysisColumn> m_analysisColumns = spindex::analysisColumns({});
};

} // namespace spindex::ui
