#include "summarytablemodel.h"

#include <QFont>

#include "runtime/numbers.h"

namespace spindex::ui {

namespace {
QString number(double value) {
    return QString::fromStdString(spindex::formatNumber(value));
}

const char* const Headers[] = {"Logical Drive", "RAID Level", "Drives",    "Spans",      "Drive Size",
                               "Height",        "Raw GB",     "Usable GB", "Efficiency", "Failures Survived",
                               "Local Spare"};
static_assert(std::size(Headers) == SummaryTableModel::Columns);
} // namespace

SummaryTableModel::SummaryTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void SummaryTableModel::setSummary(const spindex::PlanSummary& summary, const spindex::PlanAnalysis& analysis) {
    // Same rows: the views keep their selection and sort; other rows: the table starts again.
    if (summary.sets.size() == m_summary.sets.size()) {
        m_summary = summary;
        m_analysis = analysis;
        m_analysisColumns = spindex::analysisColumns(analysis.assumptions);
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
        emit headerDataChanged(Qt::Horizontal, Columns, columnCount() - 1);
        return;
    }
    beginResetModel();
    m_summary = summary;
    m_analysis = analysis;
    m_analysisColumns = spindex::analysisColumns(analysis.assumptions);
    endResetModel();
}

int SummaryTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_summary.sets.size()) + 1;
}

int SummaryTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Columns + static_cast<int>(m_analysisColumns.size());
}

QString SummaryTableModel::text(int row, int column) const {
    if (column >= Columns) {
        const bool set = row < static_cast<int>(m_analysis.sets.size());
        const std::vector<std::string> cells = set ? spindex::analysisCells(m_analysis.sets[static_cast<size_t>(row)])
                                                   : spindex::analysisTotalCells(m_analysis.total);
        const auto k = static_cast<size_t>(column - Columns);
        return k < cells.size() ? QString::fromStdString(cells[k]) : QString();
    }
    const QString dash = QString::fromUtf8(" \u2013 ");
    if (row < static_cast<int>(m_summary.sets.size())) {
        const spindex::SetSummary& s = m_summary.sets[static_cast<size_t>(row)];
        switch (column) {
        case LogicalDrive:
            return QString::number(s.set);
        case Level:
            return QString::fromStdString(s.level);
        case Drives:
            return number(s.drives);
        case Spans:
            return number(s.spans);
        case DriveSize:
            return QString::fromStdString(s.driveSize) + " GB";
        case Height:
            return s.halfHeight ? "Half Height" : "Low Profile";
        case RawGB:
            return number(s.rawGB);
        case UsableGB:
            return number(s.usableGB);
        case Efficiency:
            return number(s.efficiency) + " %";
        case Survives:
            return QString::number(s.survivesAtLeast) + dash + QString::number(s.survivesAtMost);
        case LocalSpare:
            return s.localSpare ? "Yes" : "No";
        default:
            return {};
        }
    }
    const spindex::PlanTotal& t = m_summary.total;
    switch (column) {
    case LogicalDrive:
        return "Total";
    case Drives:
        return number(t.drives);
    case RawGB:
        return number(t.rawGB);
    case UsableGB:
        return number(t.usableGB);
    case Efficiency:
        return number(t.efficiency) + " %";
    case Survives:
        return t.sets > 0 ? "at least " + QString::number(t.survivesAtLeast) : QString();
    case LocalSpare:
        // The total counts the global spares as well.
        return number(t.spares) + (t.spares == 1 ? " spare in all" : " spares in all");
    default:
        return {};
    }
}

QVariant SummaryTableModel::analysisSortValue(int row, int column) const {
    const spindex::SetAnalysis& a = m_analysis.sets[static_cast<size_t>(row)];
    const double values[] = {a.covered ? 1.0 : 0.0,
                             a.rebuildHours.value_or(0),
                             a.lossProbability,
                             a.mttdlHours,
                             a.mixedIops,
                             a.readMBps,
                             a.writeMBps};
    const auto k = static_cast<size_t>(column - Columns);
    return k < std::size(values) ? QVariant(values[k]) : QVariant();
}

QVariant SummaryTableModel::sortValue(int row, int column) const {
    if (row >= static_cast<int>(m_summary.sets.size()))
        return {};
    if (column >= Columns)
        return row < static_cast<int>(m_analysis.sets.size()) ? analysisSortValue(row, column) : QVariant();
    const spindex::SetSummary& s = m_summary.sets[static_cast<size_t>(row)];
    switch (column) {
    case LogicalDrive:
        return s.set;
    case Level:
        return QString::fromStdString(s.level);
    case Drives:
        return s.drives;
    case Spans:
        return s.spans;
    case DriveSize:
        return spindex::parseNumber(s.driveSize).value_or(0);
    case Height:
        return s.halfHeight ? 1 : 0;
    case RawGB:
        return s.rawGB;
    case UsableGB:
        return s.usableGB;
    case Efficiency:
        return s.efficiency;
    case Survives:
        return s.survivesAtLeast * 1000 + s.survivesAtMost;
    case LocalSpare:
        return s.localSpare ? 1 : 0;
    default:
        return {};
    }
}

QVariant SummaryTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return {};
    const bool total = index.row() == rowCount() - 1;
    switch (role) {
    case Qt::DisplayRole:
        return text(index.row(), index.column());
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(index.column() == Height || index.column() == LocalSpare || index.column() == Columns
                                       ? Qt::AlignLeft | Qt::AlignVCenter
                                       : Qt::AlignRight | Qt::AlignVCenter);
    case Qt::FontRole:
        if (total) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    case SortRole:
        return sortValue(index.row(), index.column());
    case TotalRole:
        return total;
    default:
        return {};
    }
}

QVariant SummaryTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return {};
    if (section >= Columns) {
        const spindex::AnalysisColumn& column = m_analysisColumns[static_cast<size_t>(section - Columns)];
        if (role == Qt::DisplayRole)
            return QString::fromStdString(column.header);
        if (role == Qt::ToolTipRole)
            return QString::fromStdString(column.toolTip);
        if (role == Qt::TextAlignmentRole)
            return QVariant::fromValue(section == Columns ? Qt::AlignLeft | Qt::AlignVCenter
                                                          : Qt::AlignRight | Qt::AlignVCenter);
        return {};
    }
    if (role == Qt::DisplayRole)
        return QString::fromUtf8(Headers[section]);
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(section == Height || section == LocalSpare ? Qt::AlignLeft | Qt::AlignVCenter
                                                                              : Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

} // namespace spindex::ui
