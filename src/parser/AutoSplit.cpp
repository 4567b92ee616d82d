#include "parser/AutoSplit.h"

#include <algorithm>

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
bool BreakAtElevationWord(std::string& text, long p, const std::string& word) {
    const long len = static_cast<long>(word.size());
    const long from = std::max(p - 10, 1L);
    const long to = std::min(p + len + 12, static_cast<long>(text.size()));
    const std::string window = LowerCase(Copy(text, from, to - from));
    const long own = p - from + 1;
    long unit = static_cast<long>(Pos(" ft", window));
    if (unit == 0) unit = static_cast<long>(Pos(" m", window));
    if (unit > 0 && unit >= own) {
        text.insert(static_cast<size_t>(p - 1), kLineEnd);
        return false;
    }
    long k = p - 1;
    while (k >= 1 && !IsDigitChar(CharAt(text, k)) && p - k < 5) --k;
    if (k < 1 || !IsDigitChar(CharAt(text, k))) return false;
    while (k >= 1 && IsDigitChar(CharAt(text, k)) && p - k < 10) --k;
    if (IsDigitChar(CharAt(text, k))) return false;
    const long numberStart = k + 1;
    text.insert(static_cast<size_t>(p - 1 + len), kLineEnd);
    text.insert(static_cast<size_t>(numberStart - 1), kLineEnd);
    return true;
}

void BreakBeforeStartWords(Session& s, std::string& text) {
    for (size_t f = 0; f < s.FieldDefinitions.size(); ++f) {
        std::string list = s.FieldDefinitions[f].StartWords;
        while (list.size() >= 2) {
            std::string w = LowerCase(NextToken(list, ",", true));
            if (w.empty()) continue;
            w[0] = static_cast<char>(w[0] - 32);
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

bool InCoordinateRun(const std::string& line, size_t i) {
    const char c = line[i];
    if (c == ';') return false;
    if (IsDigitChar(c) || c == ' ' || c == ',' || c == '\'' || c == '*' || c == kDegreeSign || c == '"') return true;
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
        while (i < line.size() && InCoordinateRun(line, i)) ++i;
        if (i - start >= 11) {
            line.insert(std::min(i + 1, line.size()), kLineEnd);
            line.insert(start, kLineEnd);
            return;
        }
        if (i == start) ++i;
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
    const long len = static_cast<long>(line.size());
    if (len < 20) return;
    for (long q = len - 5; q >= 6; --q) {
        const char c = CharAt(line, q);
        if (c != ';' && c != ',') continue;
        const std::string left = Copy(line, 1, q);
        const std::string right = Copy(line, q, static_cast<long>(line.size()));
        if (NameScore(s, left) > 5 || NameScore(s, right) > 5) continue;
        if (LatLongScore(left) > 5 && LatLongScore(right) > 5) continue;
        int leftScore = 0, rightScore = 0;
        const int leftField = BestDescriptiveField(s, left, leftScore);
        const int rightField = BestDescriptiveField(s, right, rightScore);
        if (leftScore >= 6 && rightScore >= 6 && leftField != rightField)
            line.insert(static_cast<size_t>(q), kLineEnd);
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
    } while (text.size() > 1);

    for (std::string& line : chunks)
        if (LatLongScore(line) > 5) IsolateCoordinateRun(line);
    for (std::string& line : chunks) CutLongLine(s, line);

    std::string out;
    for (const std::string& line : chunks) out += line + kLineEnd;
    return out;
}

}  // namespace quorl
