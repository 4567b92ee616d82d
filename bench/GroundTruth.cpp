#include "GroundTruth.h"

#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <array>
#include <cmath>
#include <iterator>
#include <optional>
#include <vector>

#include "records/RecordFileTable.h"

namespace quorl {

namespace {

std::vector<std::string> Words(std::string_view text) {
    std::vector<std::string> words;
    const std::string t = ComparableText(text);
    size_t start = 0;
    while (start < t.size()) {
        size_t end = t.find(' ', start);
        if (end == std::string::npos) end = t.size();
        words.push_back(t.substr(start, end - start));
        start = end + 1;
    }
    return words;
}

// 1-12 for an English month name or abbreviation ("sept" too), 0 otherwise.
int MonthNumber(const std::string& word) {
    static const std::array<const char*, 12> names = {"january", "february", "march",     "april",   "may",      "june",
                                                      "july",    "august",   "september", "october", "november", "december"};
    if (word.size() < 3) return 0;
    for (size_t i = 0; i < names.size(); ++i)
        if (std::string_view(names[i]).substr(0, word.size()) == word || (i == 8 && word == "sept")) return static_cast<int>(i) + 1;
    return 0;
}

bool AllDigits(const std::string& w) {
    return !w.empty() && std::all_of(w.begin(), w.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string TwoDigits(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

std::string WithoutClosingWord(const std::string& text, std::initializer_list<std::string_view> words) {
    for (std::string_view w : words) {
        const std::string tail = " " + std::string(w);
        if (text.size() > tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0)
            return text.substr(0, text.size() - tail.size());
    }
    return text;
}

std::string CountryName(std::string_view text) {
    const std::string t = ComparableText(text);
    for (const char* alias : {"u s a", "usa", "u s", "us", "united states of america"})
        if (t == alias) return "united states";
    return t;
}

// The first person of a list of collectors written with "&", ",", ";", "and" or "with".
std::string FirstCollector(std::string_view truth) {
    static const QRegularExpression separator(QStringLiteral("\\s*(&|,|;|\\band\\b|\\bwith\\b)\\s*"));
    const QString first = QString::fromUtf8(truth.data(), static_cast<qsizetype>(truth.size())).split(separator).first();
    return ComparableText(first.toStdString());
}

std::optional<double> Degrees(std::string_view text) {
    const QString t = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).trimmed();
    bool ok = false;
    const double v = t.toDouble(&ok);
    return ok ? std::optional<double>(v) : std::nullopt;
}

}  // namespace

std::map<std::string, std::string> ReadGroundTruth(std::string_view csvBytes) {
    const RecordFileTable table = ReadDelimitedTable(csvBytes, ',');
    std::map<std::string, std::string> truth;
    for (const RecordFileRow& row : table.rows) {
        if (row.values == table.columns) continue;
        for (size_t i = 0; i < table.columns.size(); ++i) truth[table.columns[i]] = i < row.values.size() ? row.values[i] : "";
        break;
    }
    return truth;
}

std::string TruthValue(const std::map<std::string, std::string>& truth, std::string_view terms) {
    size_t start = 0;
    while (start <= terms.size()) {
        size_t end = terms.find('|', start);
        if (end == std::string_view::npos) end = terms.size();
        auto it = truth.find(std::string(terms.substr(start, end - start)));
        if (it != truth.end() && !ComparableText(it->second).empty()) return it->second;
        start = end + 1;
    }
    return "";
}

std::string ComparableText(std::string_view text) {
    const QString t = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))
                          .normalized(QString::NormalizationForm_KD);
    QString out;
    bool gap = false;
    for (QChar c : t) {
        if (c.category() == QChar::Mark_NonSpacing) continue;
        if (!c.isLetterOrNumber()) {
            gap = true;
            continue;
        }
        if (gap && !out.isEmpty()) out += u' ';
        gap = false;
        out += c.toLower();
    }
    return out.toStdString();
}

std::string IsoDate(std::string_view text) {
    static const QRegularExpression iso(QStringLiteral("^\\s*(\\d{4})(-\\d{2})?(-\\d{2})?\\s*(/.*)?$"));
    const QString t = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    if (auto m = iso.match(t); m.hasMatch()) return (m.captured(1) + m.captured(2) + m.captured(3)).toStdString();
    int year = 0, month = 0, day = 0;
    for (const std::string& w : Words(text)) {
        if (AllDigits(w) && w.size() == 4) {
            if (year == 0) year = std::stoi(w);
        } else if (AllDigits(w) && w.size() <= 2) {
            if (day == 0) day = std::stoi(w);
        } else if (month == 0) {
            month = MonthNumber(w);
        }
    }
    if (year == 0) return "";
    std::string out = std::to_string(year);
    if (month == 0) return out;
    out += "-" + TwoDigits(month);
    if (day >= 1 && day <= 31) out += "-" + TwoDigits(day);
    return out;
}

double WordOverlap(std::string_view a, std::string_view b) {
    std::vector<std::string> wa = Words(a), wb = Words(b);
    if (wa.empty() && wb.empty()) return 1.0;
    std::sort(wa.begin(), wa.end());
    std::sort(wb.begin(), wb.end());
    std::vector<std::string> common;
    std::set_intersection(wa.begin(), wa.end(), wb.begin(), wb.end(), std::back_inserter(common));
    return 2.0 * static_cast<double>(common.size()) / static_cast<double>(wa.size() + wb.size());
}

bool SameValue(Comparison how, std::string_view parsed, std::string_view truth) {
    const std::string p = ComparableText(parsed), t = ComparableText(truth);
    if (p.empty() || t.empty()) return p.empty() && t.empty();
    switch (how) {
        case Comparison::Text: return p == t;
        case Comparison::Collector: return p == t || p == FirstCollector(truth);
        case Comparison::Date: return !IsoDate(truth).empty() && IsoDate(parsed) == IsoDate(truth);
        case Comparison::Place:
            return WithoutClosingWord(p, {"county", "co", "parish"}) == WithoutClosingWord(t, {"county", "co", "parish"});
        case Comparison::Country: return CountryName(parsed) == CountryName(truth);
        case Comparison::Name: return p == t || (p.find(' ') != std::string::npos && t.rfind(p + " ", 0) == 0);
        case Comparison::Coordinate: {
            const auto a = Degrees(parsed), b = Degrees(truth);
            return a && b && std::fabs(*a - *b) <= 0.005;
        }
    }
    return false;
}

}  // namespace quorl
