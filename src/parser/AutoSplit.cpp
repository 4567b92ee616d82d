#include "parser/AutoSplit.h"

#include <algorithm>
#include <vector>

#include "base/Encoding.h"
#include "base/ParseText.h"
#include "base/Text.h"
#include "model/Log.h"
#include "model/Records.h"
#include "model/Session.h"
#include "parser/Coordinates.h"
#include "parser/LineScoring.h"
#include "parser/NameScore.h"

namespace quorl {

namespace {

const std::string kLineEnd = "\r\n";

// For Elevation: the word stands after its unit, or a number stands just before it. Returns
// true when the text was broken around a number (no further Elevation start word is tried).
// Distances are counted in characters; p is the word's 1-based byte position.
bool BreakAtElevationWord(std::string& text, long p, const std::string& word) {
    const size_t wordStart = static_cast<size_t>(p - 1), wordEnd = wordStart + word.size();
    // The window runs from 10 characters before the word to 12 after it, short of the last one.
    const size_t from = CharsBack(text, wordStart, 10);
    const size_t to = std::min(CharsForward(text, wordEnd, 12), CharsBack(text, text.size(), 1));
    const std::string window = to > from ? LowerCase(std::string_view(text).substr(from, to - from)) : "";
    const long own = static_cast<long>(wordStart - from) + 1;
    long unit = static_cast<long>(Pos(" ft", window));
    if (unit == 0) unit = static_cast<long>(Pos(" m", window));
    if (unit > 0 && unit >= own) {
        text.insert(wordStart, kLineEnd);
        return false;
    }
    // Back from the word: a number within 4 characters, of digits within 9 characters.
    long distance = 1;
    bool inText = wordStart > 0;
    size_t k = inText ? CharsBack(text, wordStart, 1) : 0;
    auto digitAtK = [&] { return inText && IsDigitChar(text[k]); };
    auto back = [&] {
        if (k == 0)
            inText = false;
        else
            k = CharsBack(text, k, 1);
        ++distance;
    };
    while (inText && !digitAtK() && distance < 5) back();
    if (!digitAtK()) return false;
    while (digitAtK() && distance < 10) back();
    if (digitAtK()) return false;
    const size_t numberStart = inText ? CharsForward(text, k, 1) : 0;
    text.insert(wordEnd, kLineEnd);
    text.insert(numberStart, kLineEnd);
    return true;
}

// The word with its first character moved 32 places down the single-byte code page, which makes
// a lower-case letter a capital.
void RaiseFirstCharacter(std::string& w) {
    if (static_cast<unsigned char>(w[0]) < 0x80) {
        w[0] = static_cast<char>(w[0] - 32);
        return;
    }
    char32_t cp;
    const size_t n = NextCodePoint(w, 0, cp);
    const int b = Cp1252ByteOf(cp);
    if (b >= 0) w.replace(0, n, Cp1252ToUtf8(std::string(1, static_cast<char>(b - 32))));
}

void BreakBeforeStartWords(Session& s, std::string& text) {
    for (size_t f = 0; f < s.FieldDefinitions.size(); ++f) {
        std::string list = s.FieldDefinitions[f].StartWords;
        while (list.size() >= 2) {
            std::string w = LowerCase(NextToken(list, ",", true));
            if (w.empty()) continue;
            RaiseFirstCharacter(w);
            const long p = static_cast<long>(Pos(w, text));
            if (p <= 1 || CharAt(text, p - 1) != ' ') continue;
            if (static_cast<int>(f) != fElevation) {
                text.insert(static_cast<size_t>(p - 1), kLineEnd);
            } else if (BreakAtElevationWord(text, p, w)) {
                break;
            }
        }
    }
}

// Whether the character starting at byte i belongs to a run of coordinates.
bool InCoordinateRun(const std::string& line, size_t i) {
    const char c = line[i];
    if (c == ';') return false;
    if (IsDigitChar(c) || c == ' ' || c == ',' || c == '\'' || c == '*' || c == '"') return true;
    if (line.compare(i, kDegreeSign.size(), kDegreeSign) == 0) return true;
    const char u = static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : c);
    if (u == 'N' || u == 'S' || u == 'E' || u == 'W') return true;
    return i > 0 && IsDigitChar(line[i - 1]);
}

void IsolateCoordinateRun(std::string& line) {
    size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && !IsDigitChar(line[i])) ++i;
        if (i >= line.size()) return;
        const size_t start = i;
        while (i < line.size() && InCoordinateRun(line, i)) i = CharsForward(line, i, 1);
        if (CharCount(std::string_view(line).substr(start, i - start)) >= 11) {
            line.insert(CharsForward(line, i, 1), kLineEnd);
            line.insert(start, kLineEnd);
            return;
        }
        if (i == start) i = CharsForward(line, i, 1);
    }
}

int BestDescriptiveField(Session& s, const std::string& half, int& bestScore) {
    int field = 0;
    bestScore = -1;
    for (int f : {fDescription, fLocation, fHabitat}) {
        const int score = WordStatsScore(s, half, f);
        if (score > bestScore) bestScore = score, field = f;
    }
    return field;
}

void CutLongLine(Session& s, std::string& line) {
    std::vector<size_t> at;  // where each character starts; positions q below count characters
    for (size_t i = 0; i < line.size(); i = CharsForward(line, i, 1)) at.push_back(i);
    const long len = static_cast<long>(at.size());
    if (len < 20) return;
    // Cuts go in after q, from the end, so the starts of the characters before stay valid.
    for (long q = len - 5; q >= 6; --q) {
        const size_t b = at[static_cast<size_t>(q - 1)];
        const char c = line[b];
        if (c != ';' && c != ',') continue;
        const std::string left = line.substr(0, b + 1);
        const std::string right = line.substr(b);
        if (NameScore(s, left) > 5 || NameScore(s, right) > 5) continue;
        if (LatLongScore(left) > 5 && LatLongScore(right) > 5) continue;
        int leftScore = 0, rightScore = 0;
        const int leftField = BestDescriptiveField(s, left, leftScore);
        const int rightField = BestDescriptiveField(s, right, rightScore);
        if (leftScore >= 6 && rightScore >= 6 && leftField != rightField)
            line.insert(b + 1, kLineEnd);
    }
}

}  // namespace

std::string AutoSplitText(Session& s, const std::string& input) {
    WriteToLog(s, "-->Before AutoSplit");
    for (const std::string& line : SplitLines(input)) WriteToLog(s, "/" + line);

    std::string text = input;
    BreakBeforeStartWords(s, text);

    auto& chunks = s.parser.LabelChunks;
    chunks.clear();
    do {
        chunks.push_back(NextToken(text, kLineEnd, true));
    } while (MoreCharsThan(text, 1));

    for (std::string& line : chunks)
        if (LatLongScore(line) > 5) IsolateCoordinateRun(line);
    for (std::string& line : chunks) CutLongLine(s, line);

    std::string out;
    for (const std::string& line : chunks) out += line + kLineEnd;
    return out;
}

}  // namespace quorl
