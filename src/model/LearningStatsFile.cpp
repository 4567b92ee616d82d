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

void LoadWordStats(Session& s) {
    auto path = s.UserFile("WordStats.txt");
    SkippedLines skipped(s, path);
    std::string text = LoadFileToString(s, path, true, &skipped);
    // Older files hold values 0-255 instead of per cent: such a file is known by a value above 100.
    bool scale255 = false;
    ForEachLine(text, [&](size_t number, std::string_view raw) {
        TokenCursor line(raw);
        BayesClass word;
        std::string_view extra;
        if (!ReadGroup(line.Next(",", true), word, extra)) {
            skipped.Skip(number, raw, "count or values are not whole numbers");
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
        s.WordStats.push_back(std::move(word));
    });
    for (BayesClass& word : s.WordStats) {
        if (scale255)
            for (int f : kStatFields) word.FieldPercent[f] = static_cast<int32_t>(word.FieldPercent[f] * 100LL / 255);
        NormaliseSum(word);
    }
    skipped.Report();
}

void LoadNameStats(Session& s) {
    std::string text = LoadFileToString(s, s.UserFile("NameStats.txt"), true);
    std::unordered_set<std::string> seen;
    // Every name the learning step writes is read back, however short (Lee, Wu, J.).
    ForEachLine(text, [&](size_t, std::string_view line) {
        std::string name = Trim(line);
        if (!name.empty() && seen.insert(name).second) s.NameStats.push_back(std::move(name));
    });
}

}  // namespace

void LoadLearningStats(Session& s) {
    s.WordStats.clear();
    s.NameStats.clear();
    s.StatsChanged();
    LoadWordStats(s);
    LoadNameStats(s);
}

std::string WordStatsText(const std::vector<BayesClass>& words, bool withFollowers) {
    std::string out;
    for (const BayesClass& w : words) {
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
    return WriteStringToFile(s, WordStatsText(s.WordStats, withFollowers), s.UserFile("WordStats.txt"), true);
}

bool SaveNameStats(Session& s) {
    return WriteStringToFile(s, NameStatsText(s.NameStats), s.UserFile("NameStats.txt"), true);
}

}  // namespace quorl
