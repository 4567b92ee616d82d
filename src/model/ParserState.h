#pragma once
// State of the label being parsed, shared by the driver, the scorers, the phases, the field
// access operations and the cascading lists; and the state of the analyze trace. Both live in the
// Session and are rebuilt by every parse (except ChosenFamilyIndex, which carries over).
#include <array>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "model/FieldWordLists.h"
#include "model/GenusIndex.h"
#include "model/NameStatsIndex.h"
#include "model/PlaceNameIndex.h"
#include "model/Records.h"
#include "model/WordStatsIndex.h"

namespace quorl {

// The per-line tables have this many slots: a label has at most 100 lines.
constexpr int kMaxLabelLines = 100;

// Forms of one label line that the scorers and phases search, made at most once for each text the
// line holds. The search forms are made by the name search, the first time it reads the line.
struct LineForms {
    std::string source;           // the line text the forms were made from
    std::string lower;            // A-Z lower-cased
    bool searchFormsMade = false;
    std::string folded;           // as the name search reads the line
    std::string foldedLower;      // the same, A-Z lower-cased
};

// A label line as the country, state and county searches read it: with the names of institutions
// (a herbarium, museum, university, …) blanked out, since such a name tells where the specimen is
// kept, not where it was collected. Made before the country search of each parse.
struct PlaceLineForms {
    std::string source;        // the line text the forms were made from
    bool passOver = false;     // names an institution: read for the country only when no other line names one
    std::string folded;        // the search forms of LineForms, names blanked
    std::string foldedLower;
    std::string lower;         // the A-Z lower-cased line, names blanked
};

struct ParserState {
    // Label lines, index 0 first: trimmed, never empty when cut; phases may empty a used line.
    std::vector<std::string> LabelChunks;
    // Score of line i for field f: LineScores[f][i], f = field number 0-37.
    std::array<std::array<int32_t, kMaxLabelLines>, kMaxFields> LineScores{};
    std::array<int32_t, kMaxLabelLines> LineNameScore{};
    std::array<int32_t, kMaxLabelLines> LineLatinScore{};
    // Highest of the Description, Location and Habitat word-statistics scores of each line.
    std::array<int32_t, kMaxLabelLines> LineLDHScore{};
    // Field number that took each line; 0 is also the Collector's number.
    std::array<int32_t, kMaxLabelLines> LineOwner{};
    int32_t CurrentLine = 0;       // line being filled; -1 for no line
    int32_t PlaceSearchField = 0;  // 14 country, 15 state, 16 county, 19 herbarium
    int32_t ChosenFamilyIndex = 0; // PlantList index of the family found last; not reset by a parse
    // Each line as the place searches read it; empty before the country search of a parse.
    std::vector<PlaceLineForms> PlaceLines;

    // Look-ups of WordStats by word and of NameStats by the first two characters of each name,
    // rebuilt when the Session's StatsVersion has moved.
    WordStatsIndex wordIndex;
    NameStatsIndex nameIndex;
    // The genera of the plant list, and the countries of the country list, by name.
    GenusIndex genusIndex;
    PlaceNameIndex countryNames;
    // Start and contained words of the field definitions, cut once.
    FieldWordLists wordLists;

    // Safe access: indices outside the tables or the label read as 0 or "" and are not written.
    static bool IsSlot(int line) { return line >= 0 && line < kMaxLabelLines; }
    static bool IsScoreRow(int field) { return field >= 0 && field < kMaxFields; }
    bool IsLine(int line) const { return line >= 0 && line < static_cast<int>(LabelChunks.size()); }
    int LineCount() const { return static_cast<int>(LabelChunks.size()); }
    const std::string& Line(int line) const;
    void SetLine(int line, std::string text);
    // The forms of a line, made again when its text differs from the one they were made from
    // (an empty line's forms outside the label). The reference, and views of its strings, stay
    // valid until the forms of that line are asked for again after its text has changed.
    LineForms& Forms(int line) const;
    std::string_view LowerLine(int line) const { return Forms(line).lower; }
    int32_t Score(int field, int line) const;
    void SetScore(int field, int line, int32_t value);

    // The place forms of a line while it holds the text they were made from, else nullptr.
    const PlaceLineForms* PlaceForms(int line) const;
    bool PassedOverByPlaces(int line) const {
        const PlaceLineForms* f = PlaceForms(line);
        return f && f->passOver;
    }
    // The lower-cased line as the place searches read it.
    std::string_view PlaceLower(int line) const {
        const PlaceLineForms* f = PlaceForms(line);
        return f ? std::string_view(f->lower) : LowerLine(line);
    }
    int32_t Owner(int line) const { return IsSlot(line) ? LineOwner[line] : 0; }
    void SetOwner(int line, int field) { if (IsSlot(line)) LineOwner[line] = field; }

private:
    // A cache of what the lines' texts determine (a deque: entries never move when it grows).
    mutable std::deque<LineForms> forms_;
    mutable LineForms noLine_;
};

// The analyze mode: explains the scoring of one field during one parse.
struct TraceState {
    bool Trace = false;
    int32_t TraceField = 0;
    std::string TraceText;
    std::string TraceLineHeader;  // heading of the line being scored, written before its first remark
};

}  // namespace quorl
