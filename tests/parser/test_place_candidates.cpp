// The country phase searches only the countries that the place-name index offers: every name the
// name search can find in the lines must be among them.
#include <gtest/gtest.h>

#include <random>

#include "ParserFixture.h"
#include "model/PlaceNameIndex.h"
#include "parser/FindName.h"

namespace {

using namespace quorl;

std::string RandomText(std::mt19937& rng, const std::vector<std::string>& pieces, int most) {
    std::string text;
    for (int i = static_cast<int>(rng() % static_cast<unsigned>(most + 1)); i > 0; --i)
        text += pieces[rng() % pieces.size()];
    return text;
}

class PlaceCandidates : public quorl::ptest::ParserTest {};

TEST_F(PlaceCandidates, EveryNameTheSearchFindsIsACandidate) {
    std::mt19937 rng(29);
    const std::vector<std::string> pieces = {"a", "B", "ab", " ", "-", "1", "USA", "Peru", "\xC3\xA9", "e"};
    Def(fCountry).Minimum = 0;
    Def(fCountry).Maximum = 50;
    PlaceNameIndex index;
    std::vector<CountryClass> list;
    size_t checked = 0;
    for (int round = 0; round < 1500; ++round) {
        if (round % 30 == 0) {
            list.assign(1 + rng() % 12, CountryClass{});
            for (CountryClass& c : list) c.Name = RandomText(rng, pieces, 3);
        }
        std::vector<std::string> lines(1 + rng() % 4);
        for (std::string& line : lines) line = RandomText(rng, pieces, 8);
        SetLines(lines);
        const SearchLines search(s);
        const std::vector<uint32_t> candidates = index.Candidates(list, search.lower);
        for (uint32_t i = 0; i < list.size(); ++i) {
            for (bool wholeWord : {true, false}) {
                if (FindNameInChunks(s, Def(fCountry), list[i].Name, wholeWord, search) == 0) continue;
                ++checked;
                ASSERT_TRUE(std::binary_search(candidates.begin(), candidates.end(), i))
                    << "\"" << list[i].Name << "\" in " << ::testing::PrintToString(lines);
            }
        }
    }
    EXPECT_GT(checked, 500u);  // the names were found often enough to mean something
}

TEST_F(PlaceCandidates, FollowsRenamedEntries) {
    PlaceNameIndex index;
    std::vector<CountryClass> list(2);
    list[0].Name = "Chad";
    list[1].Name = "Peru";
    EXPECT_EQ(index.Candidates(list, {"flora of peru", "chan"}), (std::vector<uint32_t>{1}));
    list[0].Name = "Chan";  // same length: the same string buffer
    EXPECT_EQ(index.Candidates(list, {"flora of peru", "chan"}), (std::vector<uint32_t>{0, 1}));
}

}  // namespace
