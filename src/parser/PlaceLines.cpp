#include "parser/PlaceLines.h"

#include <algorithm>
#include <iterator>

#include "base/Text.h"
#include "base/WordSplitter.h"
#include "fields/FieldAccess.h"
#include "fields/PhaseSupport.h"
#include "model/Session.h"
#include "parser/FindName.h"
#include "parser/LatinScore.h"

namespace quorl {

namespace {

// Read in the accent-folded, lower-cased line, at the start of a word; "institut" also stands
// for institute, instituto and institution.
constexpr std::string_view kInstitutionWords[] = {
    "botanical garden", "botanic garden", "jardin botanico", "jardin botanique", "herbarium", "herbario",
    "herbier",          "museum",         "museo",           "musee",            "university", "universidad",
    "universite",       "institut",       "college"};

bool AtWordStart(std::string_view lower, size_t at) {
    return at == 0 || !IsAsciiLetter(static_cast<unsigned char>(lower[at - 1]));
}

// Whether one of the words appears in the lower-cased line at the start of a word.
template <class Words>
bool NamesAnyAtWordStart(std::string_view lower, const Words& words) {
    for (std::string_view word : words)
        for (size_t at = lower.find(word); at != std::string_view::npos; at = lower.find(word, at + 1))
            if (AtWordStart(lower, at)) return true;
    return false;
}

bool NamesAnInstitution(std::string_view lower) { return NamesAnyAtWordStart(lower, kInstitutionWords); }

// The herbarium phase searches when the Herbarium has no Default and no preserved value.
bool HerbariumSearches(Session& s) {
    const LabelFieldClass& def = Definition(s, fHerbarium);
    return def.Default.empty() && !(def.Preserve && !GetFieldText(s, fHerbarium).empty());
}

// A word with a small letter; of two or more capitals and no small letter; neither.
enum Style : unsigned { kNeutral = 0, kSmall = 1, kCapitals = 2 };

// A word of the text: the bytes between blanks, and what the institution's name needs of it.
struct Word {
    size_t begin = 0, end = 0;  // end: before the stops and closing marks that end the word
    bool capitalised = false, connector = false, keyword = false, covered = false;
    bool closes = false;        // a comma, colon, semicolon or TAB follows it
    bool comma = false;
    Style style = kNeutral;
    size_t keywordEnd = 0;      // for a keyword's first word: the index of its last word
};

std::vector<Word> CutWords(std::string_view text) {
    std::vector<Word> words;
    size_t i = 0;
    while (i < text.size()) {
        if (text[i] == ' ' || text[i] == '\t') {
            // A TAB parts the columns of a label: it ends a name as a comma does.
            if (text[i] == '\t' && !words.empty()) words.back().closes = true;
            ++i;
            continue;
        }
        Word w;
        w.begin = i;
        while (i < text.size() && text[i] != ' ' && text[i] != '\t') ++i;
        w.end = i;
        while (w.end > w.begin && std::string_view(",;:.)").find(text[w.end - 1]) != std::string_view::npos) {
            w.closes = w.closes || (text[w.end - 1] != '.' && text[w.end - 1] != ')');
            w.comma = w.comma || text[w.end - 1] == ',';
            --w.end;
        }
        const std::string_view core = text.substr(w.begin, w.end - w.begin);
        w.capitalised = !core.empty() && IsUpperLetter(core[0]);
        w.connector = EqualsNoCase(core, "of") || EqualsNoCase(core, "the") || EqualsNoCase(core, "de") ||
                      EqualsNoCase(core, "and");
        const bool small = std::any_of(core.begin(), core.end(), IsLowerLetter);
        const auto capitals = std::count_if(core.begin(), core.end(), IsUpperLetter);
        w.style = small ? kSmall : capitals >= 2 ? kCapitals : kNeutral;
        words.push_back(w);
    }
    return words;
}

size_t WordAt(const std::vector<Word>& words, size_t at) {
    size_t k = 0;
    while (k + 1 < words.size() && words[k + 1].begin <= at) ++k;
    return k;
}

void MarkKeywords(std::vector<Word>& words, std::string_view lower, const std::vector<std::string>& keywords) {
    for (const std::string& keyword : keywords)
        for (size_t at = lower.find(keyword); at != std::string_view::npos; at = lower.find(keyword, at + 1)) {
            if (!AtWordStart(lower, at)) continue;
            Word& first = words[WordAt(words, at)];
            first.keyword = true;
            first.keywordEnd = std::max(first.keywordEnd, WordAt(words, at + keyword.size() - 1));
        }
}

// The words [first, last] of the institution's name whose keyword begins at word k.
std::pair<size_t, size_t> NameAround(const std::vector<Word>& words, size_t k) {
    size_t last = std::max(k, words[k].keywordEnd);
    unsigned styles = 0;  // of the keyword's words; a word in another style is no part of the name
    bool capitalised = false;
    for (size_t j = k; j <= last; ++j) {
        styles |= words[j].style;
        capitalised = capitalised || words[j].capitalised;
    }
    const auto nameWord = [&](const Word& w) {
        return w.capitalised && !w.connector && (w.style == kNeutral || styles == kNeutral || (w.style & styles));
    };
    // A keyword in small letters gives no capitals to tell its name by: the name takes the words
    // before it back to a comma, colon, semicolon, TAB or the line's start.
    size_t first = k;
    while (first > 0 && (nameWord(words[first - 1]) || !capitalised) && !words[first - 1].closes) --first;
    while (!words[last].closes && last + 1 < words.size()) {
        size_t j = last + 1;
        if (words[j].keyword) {
            last = std::max(j, words[j].keywordEnd);
            continue;
        }
        while (j < words.size() && words[j].connector && !words[j].closes) ++j;
        if (j == last + 1 || j == words.size() || !nameWord(words[j])) break;
        last = j;
        while (!words[last].closes && last + 1 < words.size() && nameWord(words[last + 1])) ++last;
    }
    if (words[last].comma) {
        // The town after the name: one to three capitalised words up to the next comma or the end.
        size_t j = last + 1;
        while (j < words.size() && j - last <= 3 && words[j].capitalised && !words[j].connector) {
            if (words[j].comma || j + 1 == words.size()) return {first, j};
            if (words[j].closes) break;
            ++j;
        }
    }
    return {first, last};
}

}  // namespace

std::string BlankInstitutionNames(std::string_view text, const std::vector<std::string>& keywords) {
    std::string out(text);
    const std::string lower = LowerCase(text);
    if (!NamesAnyAtWordStart(lower, keywords)) return out;
    std::vector<Word> words = CutWords(text);
    if (words.empty()) return out;
    MarkKeywords(words, lower, keywords);
    for (size_t k = 0; k < words.size(); ++k) {
        if (!words[k].keyword || words[k].covered) continue;
        const auto [first, last] = NameAround(words, k);
        for (size_t j = first; j <= last; ++j) words[j].covered = true;
        std::fill(out.begin() + static_cast<long>(words[first].begin), out.begin() + static_cast<long>(words[last].end), ' ');
    }
    return out;
}

void PreparePlaceLines(Session& s) {
    ParserState& p = s.parser;
    const int count = p.LineCount();
    p.PlaceLines.assign(static_cast<size_t>(count), PlaceLineForms{});
    std::vector<std::string> keywords(std::begin(kInstitutionWords), std::end(kInstitutionWords));
    if (HerbariumSearches(s)) {
        // Each contained word takes the first line of the window that names it; a taken line is
        // empty for the words after it.
        SearchLines lines(s);
        const LabelFieldClass& def = Definition(s, fHerbarium);
        for (const std::string& word : CutWordList(def.ContainedWords)) {
            if (!word.empty()) keywords.push_back(LowerCase(word));
            const int line = FindNameLine(s, def, word, false, lines);
            if (line < 0 || line >= count) continue;
            p.PlaceLines[static_cast<size_t>(line)].passOver = true;
            lines.folded[static_cast<size_t>(line)] = lines.lower[static_cast<size_t>(line)] = {};
        }
    }
    const SearchLines lines(s);  // makes the search forms of every line
    bool anotherLine = false;
    for (int i = 0; i < count; ++i) {
        PlaceLineForms& f = p.PlaceLines[static_cast<size_t>(i)];
        f.source = p.Line(i);
        f.folded = BlankInstitutionNames(lines.folded[static_cast<size_t>(i)], keywords);
        f.foldedLower = LowerCase(f.folded);
        f.lower = LowerCase(BlankInstitutionNames(f.source, keywords));
        f.passOver = f.passOver || NamesAnInstitution(lines.lower[static_cast<size_t>(i)]);
        anotherLine = anotherLine || (!f.passOver && !f.source.empty());
    }
    if (anotherLine) return;
    for (int i = 0; i < count; ++i) {
        PlaceLineForms& f = p.PlaceLines[static_cast<size_t>(i)];
        f = {f.source, false, std::string(lines.folded[static_cast<size_t>(i)]),
             std::string(lines.lower[static_cast<size_t>(i)]), std::string(p.LowerLine(i))};
    }
}

}  // namespace quorl
