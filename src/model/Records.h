#pragma once
// The plain record types that every subsystem shares, and the table of field display names.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace quorl {

// Number of built-in label fields (0-29) and the highest possible field count (30 + 8 user fields).
constexpr int kBuiltInFields = 30;
constexpr int kMaxFields = 38;
constexpr int kFieldNameCount = 40;
// Field numbers of the built-in fields, in the order of FieldNames.
enum FieldNumber : int {
    fCollector = 0, fCollectionNumber, fOtherCollectors, fCollectionDate, fFamily, fGenus, fSpecies,
    fRank, fSubSp, fScientificName, fAssociatedSpecies, fDescription, fLocation, fHabitat, fCountry,
    fState, fCounty, fElevation, fLatLong, fHerbarium, fPhenology, fDeterminer, fDeterminedDate,
    fAccession, fNotes, fTownship, fRange, fSection, fSectionInfo, fBarcode
};
// Tag of a control that belongs to no field.
constexpr int kNoFieldTag = 200;
constexpr int kPasteButtonTagBase = 100;

extern const std::array<std::string, kFieldNameCount> FieldNames;

struct LabelFieldClass {
    int32_t Minimum = 1;
    int32_t Maximum = 50;
    int32_t FoundLine = 0;
    std::string StartWords;
    std::string ContainedWords;
    std::string Default;
    bool Preserve = false;
    bool WarnIfEmpty = false;
    std::string Name;

    void Reset() { *this = LabelFieldClass{}; Minimum = 0; Maximum = 0; }
};

struct BayesClass {
    std::string Word;
    int32_t Count = 0;
    std::array<int32_t, 20> FieldPercent{};
    std::vector<BayesClass> Followers;
    // The line of WordStats.txt this word was read from when part of that line could not be read
    // ("" otherwise): the file keeps that line as it stood in place of the word's own groups.
    std::string UnreadLine = {};
};

struct FamilyClass {
    std::string Name;
    std::vector<FamilyClass> Children;
    void Reset() { Name.clear(); Children.clear(); }
};

struct CountryClass {
    std::string Name;
    float MinLat = 0, MaxLat = 0, MinLong = 0, MaxLong = 0;
    std::vector<CountryClass> Children;
    void Reset() { *this = CountryClass{}; }
    bool HasBox() const { return MinLat != 0 || MaxLat != 0 || MinLong != 0 || MaxLong != 0; }
};

// Country order: the names compared byte by byte as unsigned values, case-sensitive, no locale; a
// prefix sorts first. Used wherever the country list is sorted.
bool AnsiStringLess(const CountryClass& a, const CountryClass& b);

struct ReplacementClass {
    bool CaseSensitive = false;
    bool WholeWord = false;
    std::string From;
    std::string To;
};

struct OutputFormatClass {
    int32_t Order = 0;
    int32_t FieldIndex = 0;
    int32_t SubIndex = 0;
    bool Enabled = false;
    bool Numeric = false;
    std::string Label;
    std::string DatabaseName;
    int32_t Position = 0;
};

struct ControlPositionClass {
    int32_t Left = 0, Top = 0, Width = 0, Height = 0;
    std::array<int32_t, 8> ChildLeft{}, ChildTop{}, ChildWidth{}, ChildHeight{};
};

struct LatinClass {
    std::string Text;
    int32_t Weight = 0;
};

}  // namespace quorl
