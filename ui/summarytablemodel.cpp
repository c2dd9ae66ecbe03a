#include "summarytablemodel.h"

#include <QFont>

namespace spindex::ui {

SummaryTableModel::SummaryTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void SummaryTableModel::setSummary(const spindex::PlanSummary& summary, const spindex::PlanAnalysis& analysis) {
    std::vector<std::vector<spindex::SummaryCell>> rows = spindex::summaryRows(summary, analysis);
    // Same rows: the views keep their selection and sort, and the headers follow the assumptions;
    // other rows: the table starts again.
    if (rows.size() == m_rows.size()) {
        m_rows = std::move(rows);
        m_columns = spindex::summaryColumns(analysis.assumptions);
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
        emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
        return;
    }
    beginResetModel();
    m_rows = std::move(rows);
    m_columns = spindex::summaryColumns(analysis.assumptions);
    endResetModel();
}

int SummaryTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int SummaryTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_columns.size());
}

QVariant SummaryTableModel::alignment(int column) const {
    return QVariant::fromValue(m_columns[static_cast<size_t>(column)].words ? Qt::AlignLeft | Qt::AlignVCenter
                                                                            : Qt::AlignRight | Qt::AlignVCenter);
}

QVariant SummaryTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return {};
    const bool total = index.row() == rowCount() - 1;
    const spindex::SummaryCell& cell = m_rows[static_cast<size_t>(index.row())][static_cast<size_t>(index.column())];
    switch (role) {
    case Qt::DisplayRole:
        return QString::fromStdString(cell.text);
    case Qt::TextAlignmentRole:
        return alignment(index.column());
    case Qt::FontRole:
        if (total) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    case SortRole:
        if (total)
            return {};
        return cell.number ? QVariant(*cell.number) : QVariant(QString::fromStdString(cell.text));
    case TotalRole:
        return total;
    default:
        return {};
    }
}

QVariant SummaryTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return {};
    const spindex::SummaryColumn& column = m_columns[static_cast<size_t>(section)];
    if (role == Qt::DisplayRole)
        return QString::fromStdString(column.header);
    if (role == Qt::ToolTipRole && !column.toolTip.empty())
        return QString::fromStdString(column.toolTip);
    if (role == Qt::TextAlignmentRole)
        return alignment(section);
    return {};
}

} // namespace spindex::ui
