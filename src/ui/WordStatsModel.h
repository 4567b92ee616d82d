#pragma once
// The word statistics table as a Qt item model, so that a table view draws only the rows in sight
// however many words there are.
#include <QAbstractTableModel>

#include "editors/WordStatsTable.h"

namespace quorl {

class WordStatsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit WordStatsModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Every change of the table goes through here, so that the views hear of it.
    void Load(const std::vector<BayesClass>& words);
    void ColumnClick(int column);
    void DeleteRows(const std::vector<size_t>& rows);
    template <class F>
    void Change(F&& change) {
        beginResetModel();
        change(table_);
        endResetModel();
    }

    const WordStatsTable& Table() const { return table_; }

private:
    WordStatsTable table_;
};

}  // namespace quorl
