#include "ui/WordStatsModel.h"

#include "ui/QtText.h"

namespace quorl {

int WordStatsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(table_.RowCount());
}

int WordStatsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : WordStatsTable::kColumns;
}

QVariant WordStatsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const auto row = static_cast<size_t>(index.row());
    if (role == Qt::DisplayRole) {
        if (index.column() == WordStatsTable::WordColumn) return ToQt(table_.Text(row, index.column()));
        return QString::number(table_.Number(row, index.column()));
    }
    if (role == Qt::TextAlignmentRole && index.column() != WordStatsTable::WordColumn)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant WordStatsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    static const char* const kCaptions[WordStatsTable::kColumns] = {"Word", "Count", "Description", "Locality",
                                                                     "Habitat"};
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= WordStatsTable::kColumns)
        return QAbstractTableModel::headerData(section, orientation, role);
    return QString::fromLatin1(kCaptions[section]);
}

void WordStatsModel::Load(const std::vector<BayesClass>& words) {
    Change([&](WordStatsTable& t) { t.Load(words); });
}

void WordStatsModel::ColumnClick(int column) {
    Change([&](WordStatsTable& t) { t.ColumnClick(column); });
}

void WordStatsModel::DeleteRows(const std::vector<size_t>& rows) {
    Change([&](WordStatsTable& t) { t.DeleteRows(rows); });
}

}  // namespace quorl
