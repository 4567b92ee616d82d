#pragma once
// The word statistics editor's table: one row per learnt word (Word, Count and the Description,
// Locality and Habitat percentages), sorted by a column, rows deleted, and saved back to WordStats
// and WordStats.txt.
#include <cstddef>
#include <string>
#include <vector>

#include "model/Records.h"

namespace quorl {

class Session;

class WordStatsTable {
public:
    enum Column { WordColumn = 0, CountColumn, DescriptionColumn, LocalityColumn, HabitatColumn };
    static constexpr int kColumns = 5;

    // One row per word, in the order of words. The sort state is kept from the last use.
    void Load(const std::vector<BayesClass>& words);

    size_t RowCount() const { return rows_.size(); }
    // The row's word, or its number of a number column as decimal text.
    std::string Text(size_t row, int column) const;
    int Number(size_t row, int column) const;

    // Click on a column header: sorts by that column. A new number column sorts descending first,
    // the Word column ascending (case-insensitive); the same column again reverses the order.
    void ColumnClick(int column);
    int SortColumn() const { return sortColumn_; }
    int Direction() const { return direction_; }  // +1 ascending, -1 descending

    // Deletes the rows of those indices (any order, duplicates allowed).
    void DeleteRows(const std::vector<size_t>& rows);
    // Deletes the words seen exactly once; returns how many went.
    size_t DeleteOneCountWords();

    // The words of the rows in the table's order, each with its learnt word pairs.
    std::vector<BayesClass> Words() const;

private:
    struct Row {
        size_t word;      // index into words_
        std::string key;  // the word in lower case, for sorting
    };
    const BayesClass& WordOf(size_t row) const { return words_[rows_[row].word]; }
    void Sort();

    std::vector<BayesClass> words_;
    std::vector<Row> rows_;
    int sortColumn_ = 0;
    int previousColumn_ = 1;
    int direction_ = 1;
};

// Said after "Delete 1-count words": "Press Save button to make permanent".
void ShowPressSave(Session& s);

// "Save": WordStats.txt rewritten from the table; WordStats takes the table's words only when the
// file was written. False (after the file writer's message) when it was not, and when the file's
// load left lines unread and the user does not want it written without them.
bool SaveWordStatsTable(Session& s, const WordStatsTable& table);

}  // namespace quorl
