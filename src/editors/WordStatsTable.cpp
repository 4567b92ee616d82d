#include "editors/WordStatsTable.h"

#include <algorithm>

#include "base/Text.h"
#include "model/Files.h"
#include "model/LearningStatsFile.h"
#include "model/Session.h"
#include "model/SkippedLines.h"

namespace quorl {

namespace {
// The field whose percentage each number column shows (the Count column has none).
constexpr int kColumnField[WordStatsTable::kColumns] = {-1, -1, fDescription, fLocation, fHabitat};
}  // namespace

void WordStatsTable::Load(const std::vector<BayesClass>& words) {
    words_ = words;
    rows_.clear();
    rows_.reserve(words_.size());
    for (size_t i = 0; i < words_.size(); ++i) rows_.push_back({i, LowerCase(words_[i].Word)});
}

int WordStatsTable::Number(size_t row, int column) const {
    const BayesClass& w = WordOf(row);
    if (column == CountColumn) return w.Count;
    if (column > CountColumn && column < kColumns) return w.FieldPercent[kColumnField[column]];
    return 0;
}

std::string WordStatsTable::Text(size_t row, int column) const {
    return column == WordColumn ? WordOf(row).Word : IntToStr(Number(row, column));
}

void WordStatsTable::ColumnClick(int column) {
    if (column < 0 || column >= kColumns) return;
    sortColumn_ = column;
    if (sortColumn_ == previousColumn_)
        direction_ = -direction_;
    else
        direction_ = column == WordColumn ? 1 : -1;
    previousColumn_ = sortColumn_;
    Sort();
}

void WordStatsTable::Sort() {
    const int dir = direction_;
    if (sortColumn_ == WordColumn) {
        std::stable_sort(rows_.begin(), rows_.end(), [dir](const Row& a, const Row& b) {
            return dir > 0 ? a.key < b.key : b.key < a.key;
        });
        return;
    }
    const int field = sortColumn_ == CountColumn ? -1 : kColumnField[sortColumn_];
    auto value = [&](const Row& r) {
        const BayesClass& w = words_[r.word];
        return field < 0 ? w.Count : w.FieldPercent[field];
    };
    std::stable_sort(rows_.begin(), rows_.end(),
                     [&](const Row& a, const Row& b) { return dir > 0 ? value(a) < value(b) : value(b) < value(a); });
}

void WordStatsTable::DeleteRows(const std::vector<size_t>& rows) {
    std::vector<bool> gone(rows_.size(), false);
    for (size_t r : rows)
        if (r < gone.size()) gone[r] = true;
    size_t kept = 0;
    for (size_t r = 0; r < rows_.size(); ++r)
        if (!gone[r]) rows_[kept++] = std::move(rows_[r]);
    rows_.resize(kept);
}

size_t WordStatsTable::DeleteOneCountWords() {
    const size_t before = rows_.size();
    std::erase_if(rows_, [this](const Row& r) { return words_[r.word].Count == 1; });
    return before - rows_.size();
}

std::vector<BayesClass> WordStatsTable::Words() const {
    std::vector<BayesClass> out;
    out.reserve(rows_.size());
    for (const Row& r : rows_) out.push_back(words_[r.word]);
    return out;
}

void ShowPressSave(Session& s) { s.dialogs.ShowMessage("Press Save button to make permanent"); }

bool SaveWordStatsTable(Session& s, const WordStatsTable& table) {
    const std::filesystem::path file = s.UserFile("WordStats.txt");
    if (!ConfirmDropUnreadLines(s, file)) return false;
    // The table is saved without what its load could not read: there was none, or the user agreed.
    std::vector<BayesClass> words = table.Words();
    for (BayesClass& w : words) w.UnreadLine.clear();
    if (!WriteStringToFile(s, WordStatsText(words, true), file, true)) return false;
    s.WordStats = std::move(words);
    s.WordStatsUnread.clear();
    s.StatsChanged();
    return true;
}

}  // namespace quorl
