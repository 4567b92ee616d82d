// The one-pass scans behind the Latin score and the known-name test of the name score, against
// the rules they stand for.
#include <gtest/gtest.h>

#include <random>

#include "ParserFixture.h"
#include "base/Text.h"
#include "parser/LatinScore.h"
#include "parser/NameScore.h"

using namespace quorl;

namespace {

// The Latin score as stated: commas add, digits subtract, and each letter group found anywhere in
// the lower-cased text adds its weight once.
int32_t LatinScoreAsStated(const std::string& text) {
    if (text.empty()) return 0;
    int32_t score = 0;
    for (char c : text) score += (c == ',') - IsDigit(static_cast<unsigned char>(c));
    const std::string lower = LowerCase(text);
    for (int i = 0; i < kLatinGroupCount; ++i)
        if (lower.find(LatinWeights[static_cast<size_t>(i)].Text) != std::string::npos)
            score += LatinWeights[static_cast<size_t>(i)].Weight;
    return score;
}

}  // namespace

// Overlapping groups ("folius" holds "lus", "us"...), groups at either end, repeated groups and
// capitals all count as in the lower-cased text.
TEST(LatinScoreScan, MatchesTheRuleOnRandomTexts) {
    std::mt19937 rng(5);
    const std::vector<std::string> pieces = {"folius", "ENSIS", "ii", "Quercus", "aceae", "p", "h", "y", "s", ",",
                                             "7", " ", "\xC3\xA9", "ae", "END", "Um", "zs", "t"};
    for (int round = 0; round < 5000; ++round) {
        std::string text;
        for (size_t n = rng() % 9; n > 0; --n) text += pieces[rng() % pieces.size()];
        ASSERT_EQ(LatinScore(text), LatinScoreAsStated(text)) << text;
    }
    EXPECT_EQ(LatinScore("QUERCUS ALBA"), LatinScoreAsStated("quercus alba"));
}

class KnownNameTest : public ptest::ParserTest {
protected:
    // Whether the known name "Smith" adds to the name score of text.
    bool Counts(const std::string& text) {
        s.NameStats = {"Zzzz"};
        s.StatsChanged();
        const int32_t without = NameScore(s, text);
        s.NameStats = {"Smith"};
        s.StatsChanged();
        return NameScore(s, text) != without;
    }
};

// A separator before (or the start of the text) and one after; a name opening the text counts
// when any of its occurrences has a separator after it.
TEST_F(KnownNameTest, NeedsSeparatorsAroundTheName) {
    EXPECT_TRUE(Counts("coll. J. Smith, 1998"));
    EXPECT_TRUE(Counts("coll. J.-Smith: Ann Lee"));
    EXPECT_TRUE(Counts("Smith, J. and Ann Lee"));
    EXPECT_TRUE(Counts("Smith and B. xSmith, Ann"));  // opens the text; ", " after the later one
    EXPECT_FALSE(Counts("Smithy and B. Smithson Ann"));  // opens it, but no separator after any
    EXPECT_FALSE(Counts("coll. J. xSmith, Ann Lee"));  // glued to a letter before
    EXPECT_FALSE(Counts("coll. J. Smithers Ann Lee"));
    EXPECT_FALSE(Counts("coll. Ann Lee J. Smith"));    // nothing after it
    EXPECT_TRUE(Counts("coll. SmithSmith J. Smith Smith. Ann"));  // a later occurrence counts
}
