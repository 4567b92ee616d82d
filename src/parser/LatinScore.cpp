#include "parser/LatinScore.h"

#include <vector>

#include "base/Text.h"

namespace quorl {

const std::array<LatinClass, kLatinGroupCount + 1> LatinWeights = {{
    {"ensis", 6}, {"um", 2}, {"ii", 5}, {"ides", 3}, {"folia", 7}, {"tus", 5},
    {"puntia", 5}, {"lus", 4}, {"folius", 7}, {"sphae", 7}, {"liae", 7}, {"alba", 5},
    {"losa", 3}, {"loysia", 4}, {"scens", 5}, {"lata", 5}, {"leyi", 6}, {"oides", 7},
    {"gens", 5}, {"ryi", 4}, {"yucca", 4}, {"brevi", 7}, {"phy", 4}, {"lepid", 5},
    {"phin", 4}, {"riae", 7}, {"lipo", 6}, {"aris", 3}, {"opis", 5}, {"eei", 6},
    {"nus", 3}, {"notho", 6}, {"acantha", 7}, {"ascoa", 5}, {"olfea", 3}, {"carpa", 6},
    {"alis", 3}, {"untia", 5}, {"chloa", 4}, {"icea", 4}, {"iata", 3}, {"plex", 3},
    {"uae", 3}, {"inus", 3}, {"florus", 5}, {"cus", 2}, {"cum", 2}, {"erus", 4},
    {"quercus", 6}, {"carp", 2}, {"ium", 4}, {"aea", 6}, {"with", 2}, {"epias", 2},
    {"larea", 2}, {"cameria", 3}, {"aceae", 7}, {"aer", 2}, {"formis", 4}, {"pinna", 3},
    {"fortia", 4}, {"ys", 5}, {"py", 3}, {"by", 3}, {"ae", 1}, {"zs", 7},
    {"pb", 7}, {"tp", 7}, {"zy", 7}, {"cq", 7}, {"tg", 7}, {"fn", 7},
    {"yg", 6}, {"dt", 7}, {"sb", 7}, {"bc", 7}, {"ph", 1}, {"ps", 3},
    {"syl", 1}, {"reus", 4}, {"dron", 3}, {"nica", 3}, {"ata", 1}, {"sia", 1},
    {"END", 0},
}};

namespace {

// The letter groups (indices into LatinWeights) by the first byte of their text, made once.
using GroupsByFirstByte = std::array<std::vector<uint8_t>, 256>;
const GroupsByFirstByte& LatinGroupsByFirstByte() {
    static const GroupsByFirstByte groups = [] {
        GroupsByFirstByte g;
        for (int i = 0; i < kLatinGroupCount; ++i) {
            const std::string& t = LatinWeights[static_cast<size_t>(i)].Text;
            if (!t.empty()) g[static_cast<unsigned char>(t[0])].push_back(static_cast<uint8_t>(i));
        }
        return g;
    }();
    return groups;
}

// Whether the lower-cased text holds group at byte index i.
bool GroupAt(std::string_view text, size_t i, const std::string& group) {
    if (group.size() > text.size() - i) return false;
    for (size_t k = 1; k < group.size(); ++k)
        if (LowerAscii(text[i + k]) != group[k]) return false;
    return true;
}

}  // namespace

int32_t LatinScore(std::string_view text) {
    if (text.empty()) return 0;
    int32_t score = 0;
    for (char c : text) {
        if (c == ',') ++score;
        if (IsDigit(static_cast<unsigned char>(c))) --score;
    }
    // Each group that the lower-cased text holds counts once: one pass over the text, trying at
    // each byte the groups that begin with it.
    const GroupsByFirstByte& byFirst = LatinGroupsByFirstByte();
    std::array<bool, kLatinGroupCount> held{};
    for (size_t i = 0; i < text.size(); ++i)
        for (uint8_t g : byFirst[static_cast<unsigned char>(LowerAscii(text[i]))])
            if (!held[g] && GroupAt(text, i, LatinWeights[g].Text)) held[g] = true;
    for (int i = 0; i < kLatinGroupCount; ++i)
        if (held[static_cast<size_t>(i)]) score += LatinWeights[static_cast<size_t>(i)].Weight;
    return score;
}

}  // namespace quorl
