#include "model/LearningStatsFile.h"

#include <algorithm>
#include <unordered_set>

#include "base/NumberRange.h"
#include "base/Text.h"
#include "base/TokenCursor.h"
#include "model/Files.h"
#include "model/Session.h"
#include "model/SkippedLines.h"

namespace quorl {

namespace {

// The fields whose values the statistics hold, in file order.
constexpr int kStatFields[3] = {fDescription, fLocation, fHabitat};

// One group "word TAB count TAB d TAB l TAB h". Reads as far as it can; false when a number was
// missing or not a whole number (the values not read stay 0). extra receives what follows the
// last value (trimmed), which no writer wrote and which is not read.
bool ReadGroup(std::string_view groupText, BayesClass& b, std::string_view& extra) {
    extra = {};
    TokenCursor g(groupText);
    b.Word = g.NextString("\t", true);
    auto count = TryStrToInt(g.Next("\t", true));
    if (!count) return false;
    b.Count = std::clamp(*count, 0, kMaxWordCount);
    for (int f : kStatFields) {
        auto v = TryStrToInt(g.Next("\t", true));
        if (!v) return false;
        b.FieldPercent[f] = std::clamp(*v, 0, kMaxWordValue);
    }
    extra = TokenCursor::TrimView(g.Rest());
    return true;
}

int MaxPercent(const BayesClass& b) {
    int m = 0;
    for (int f : kStatFields) m = std::max(m, b.FieldPercent[f]);
    return m;
}

// Values that do not add up to about 100 are scaled to per cent of their sum.
void NormaliseSum(BayesClass& b) {
    long long sum = 0;
    for (int f : kStatFields) sum += b.FieldPercent[f];
    if (sum > 0 && (sum < 98 || sum > 102))
        for (int f : kStatFields) b.FieldPercent[f] = static_cast<int32_t>(b.FieldPercent[f] * 100LL / sum);
}

void AppendGroup(std::string& out, const BayesClass& b) {
    out += b.Word;
    out += '\t';
    out += IntToStr(b.Count);
    out += '\t';
    for (int f : kStatFields) {
        out += IntToStr(b.FieldPercent[f]);
        out += '\t';
    }
}

// The unread lines to write back, in file order: the loader's own (file number, line) and those
// taken out for their NUL bytes. A line of nothing but blanks and NULs holds nothing to keep.
std::vector<std::string> LinesToKeep(const SkippedLines& skipped, std::vector<std::pair<size_t, std::string>> unread) {
    std::erase_if(unread, [](const auto& line) { return Trim(line.second).empty(); });
    for (const NulLine& line : skipped.RemovedLines())
        if (!Trim(line.text).empty()) unread.emplace_back(line.number, skipped.LineAsInFile(line.number, line.raw));
    std::stable_sort(unread.begin(), unread.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::string> kept;
    for (auto& line : unread) kept.push_back(std::move(line.second));
    return kept;
}

// Writes text with the kept unread lines after it; the file still holds those and the lines read
// in part (halfRead), and its next save from what was read asks again before it drops them.
bool SaveKeepingUnread(Session& s, std::string text, const std::vector<std::string>& unread, size_t halfRead,
                       const std::filesystem::path& file) {
    for (const std::string& line : unread) {
        text += line;
        text += "\r\n";
    }
    if (!WriteStringToFile(s, text, file, true)) return false;
    if (const size_t kept = unread.size() + halfRead; kept > 0) s.UnreadLines[file] = kept;
    return true;
}

void LoadWordStats(Session& s) {
    auto path = s.UserFile("WordStats.txt");
    SkippedLines skipped(s, path);
    std::string text = LoadFileToString(s, path, true, &skipped);
    std::vector<std::pair<size_t, std::string>> unread;
    // Older files hold values 0-255 instead of per cent: such a file is known by a value above 100.
    bool scale255 = false;
    ForEachLine(text, [&](size_t number, std::string_view raw) {
        TokenCursor line(raw);
        BayesClass word;
        std::string_view extra;
        const size_t fileNumber = skipped.FileLineNumber(number);
        if (!ReadGroup(line.Next(",", true), word, extra)) {
            skipped.Skip(number, raw, "count or values are not whole numbers");
            unread.emplace_back(fileNumber, skipped.LineAsInFile(fileNumber, raw));
            return;
        }
        // A line is reported once, for the first part of it that is not read.
        bool reported = false;
        auto report = [&](const std::string& reason) {
            if (!reported) skipped.Skip(number, raw, reason);
            reported = true;
        };
        auto reportExtra = [&](const BayesClass& group) {
            if (!extra.empty()) report("the text after the values of " + group.Word + " is not read: " + std::string(extra));
        };
        reportExtra(word);
        scale255 = scale255 || MaxPercent(word) > 100;
        while (!line.Empty()) {
            BayesClass follower;
            if (!ReadGroup(line.Next(",", true), follower, extra)) report("a word pair is not readable");
            reportExtra(follower);
            scale255 = scale255 || MaxPercent(follower) > 100;
            NormaliseSum(follower);
            word.Followers.push_back(std::move(follower));
        }
        // The line stays as it stood: what was not read of it is written back with what was.
        if (reported) word.UnreadLine = skipped.LineAsInFile(fileNumber, raw);
        s.WordStats.push_back(std::move(word));
    });
    for (BayesClass& word : s.WordStats) {
        if (scale255)
            for (int f : kStatFields) word.FieldPercent[f] = static_cast<int32_t>(word.FieldPercent[f] * 100LL / 255);
        NormaliseSum(word);
    }
    s.WordStatsUnread = LinesToKeep(skipped, std::move(unread));
    skipped.Report();
}

void LoadNameStats(Session& s) {
    const auto path = s.UserFile("NameStats.txt");
    SkippedLines skipped(s, path);
    std::string text = LoadFileToString(s, path, true, &skipped);
    std::unordered_set<std::string> seen;
    // Every name the learning step writes is read back, however short (Lee, Wu, J.).
    ForEachLine(text, [&](size_t, std::string_view line) {
        std::string name = Trim(line);
        if (!name.empty() && seen.insert(name).second) s.NameStats.push_back(std::move(name));
    });
    s.NameStatsUnread = LinesToKeep(skipped, {});
    skipped.Report();
}

}  // namespace

void LoadLearningStats(Session& s) {
    s.WordStats.clear();
    s.NameStats.clear();
    s.WordStatsUnread.clear();
    s.NameStatsUnread.clear();
    s.StatsChanged();
    LoadWordStats(s);
    LoadNameStats(s);
}

std::string WordStatsText(const std::vector<BayesClass>& words, bool withFollowers) {
    std::string out;
    for (const BayesClass& w : words) {
        if (!w.UnreadLine.empty()) {
            out += w.UnreadLine;
            out += "\r\n";
            continue;
        }
        AppendGroup(out, w);
        if (withFollowers)
            for (const BayesClass& f : w.Followers) {
                if (f.Word.empty()) continue;
                out += ',';
                AppendGroup(out, f);
            }
        out += "\r\n";
    }
    return out;
}

std::string NameStatsText(const std::vector<std::string>& names) {
    std::string out;
    for (const std::string& n : names) {
        out += n;
        out += "\r\n";
    }
    return out;
}

bool SaveWordStats(Session& s, bool withFollowers) {
    const auto halfRead = std::count_if(s.WordStats.begin(), s.WordStats.end(),
                                        [](const BayesClass& w) { return !w.UnreadLine.empty(); });
    return SaveKeepingUnread(s, WordStatsText(s.WordStats, withFollowers), s.WordStatsUnread,
                             static_cast<size_t>(halfRead), s.UserFile("WordStats.txt"));
}

bool SaveNameStats(Session& s) {
    return SaveKeepingUnread(s, NameStatsText(s.NameStats), s.NameStatsUnread, 0, s.UserFile("NameStats.txt"));
}

}  // namespace quorl
