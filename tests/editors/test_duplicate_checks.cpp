// The duplicate searches of the configuration check: the rules of each repair, and the indexed
// searches giving exactly what the pairwise reading gives.
#include <gtest/gtest.h>

#include <random>

#include "QuadraticDuplicateChecks.h"
#include "editors/DuplicateChecks.h"

using namespace quorl;

namespace {

BayesClass Word(const std::string& w, int count = 1) {
    BayesClass b;
    b.Word = w;
    b.Count = count;
    return b;
}

std::vector<std::string> WordsOf(const std::vector<BayesClass>& words) {
    std::vector<std::string> out;
    for (const BayesClass& w : words) out.push_back(w.Word);
    return out;
}

FamilyClass Node(const std::string& name, std::vector<FamilyClass> children = {}) {
    FamilyClass f;
    f.Name = name;
    f.Children = std::move(children);
    return f;
}

CountryClass Place(const std::string& name, const std::vector<std::string>& states = {}) {
    CountryClass c;
    c.Name = name;
    for (const std::string& s : states) {
        c.Children.emplace_back();
        c.Children.back().Name = s;
    }
    return c;
}

TEST(WordNameDuplicates, EachMatchingWordNamesTheNameOnceCaseBlindForAToZOnly) {
    std::vector<BayesClass> words = {Word("smith"), Word("rock"), Word("SMITH"), Word("\xC3\xA9mile")};
    std::vector<std::string> names = {"Jones", "Smith", "\xC3\x89mile"};
    // "É" is not folded: only the letters A-Z change case.
    EXPECT_EQ(WordNameDuplicates(words, names), (std::vector<std::string>{"Smith", "Smith"}));
}

std::vector<FamilyClass> Plants() {
    return {Node("Fagaceae", {Node("Quercus", {Node("alba"), Node("rubra")}), Node("Fagus", {Node("sylvatica")})}),
            Node("Pinaceae", {Node("Pinus", {Node("ponderosa")}), Node("Abies")}),
            Node("Otheraceae", {Node("Quercus", {Node("velutina")})})};
}

TEST(WordPlants, AGenusFollowedByItsSpeciesTakesBothWords) {
    std::vector<BayesClass> words = {Word("rocky"), Word("pinus"), Word("ponderosa"), Word("slope")};
    WordPlantFindings found = FindWordPlants(words, Plants());
    EXPECT_EQ(found.names, (std::vector<std::string>{"Pinus", "ponderosa"}));
    RemoveWordPlants(words, found);
    EXPECT_EQ(WordsOf(words), (std::vector<std::string>{"rocky", "slope"}));
}

TEST(WordPlants, TheLastWordMatchingAGenusTakesOnlyItself) {
    std::vector<BayesClass> words = {Word("ponderosa"), Word("slope"), Word("pinus")};
    WordPlantFindings found = FindWordPlants(words, Plants());
    EXPECT_EQ(found.names, (std::vector<std::string>{"Pinus"}));  // a species alone is no match
    RemoveWordPlants(words, found);
    EXPECT_EQ(WordsOf(words), (std::vector<std::string>{"ponderosa", "slope"}));
}

TEST(WordPlants, AGenusOfTwoFamiliesTakesNoUnrelatedWordWithIt) {
    // quercus is a genus of two families and no species follows: only the word itself goes.
    std::vector<BayesClass> words = {Word("quercus"), Word("slope"), Word("canyon")};
    WordPlantFindings found = FindWordPlants(words, Plants());
    EXPECT_EQ(found.names, (std::vector<std::string>{"Quercus", "Quercus"}));
    RemoveWordPlants(words, found);
    EXPECT_EQ(WordsOf(words), (std::vector<std::string>{"slope", "canyon"}));
}

TEST(WordPlants, FamiliesAndLongOrLatinWordsOnly) {
    // fagus (5 letters, no Latin group) is not examined; fagaceae is long enough; the family name is
    // compared with the word as learnt, so a capitalised word does not match.
    std::vector<BayesClass> words = {Word("fagus"), Word("sylvatica"), Word("fagaceae"), Word("Pinaceae")};
    WordPlantFindings found = FindWordPlants(words, Plants());
    EXPECT_EQ(found.names, (std::vector<std::string>{"Fagaceae"}));
    EXPECT_EQ(found.words, (std::vector<size_t>{2}));
    EXPECT_FALSE(MayBePlantName("fagus"));
    EXPECT_TRUE(MayBePlantName("\xC3\xA1rboles-xx"));  // 10 characters in 11 bytes
    EXPECT_FALSE(MayBePlantName("\xC3\xA1rbol-xx"));   // 8 characters in 9 bytes
}

// Random lists built from a small pool of spellings, so that names, words, places and plants meet
// often, with repeats, case variants, and words that follow genera.
class Equivalence : public ::testing::TestWithParam<unsigned> {};

std::string Spelling(std::mt19937& rng, const std::vector<std::string>& pool) {
    std::string s = pool[rng() % pool.size()];
    for (char& c : s)
        if (rng() % 4 == 0 && c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return s;
}

TEST_P(Equivalence, IndexedSearchesGiveThePairwiseResults) {
    std::mt19937 rng(GetParam());
    const std::vector<std::string> pool = {"station", "smith", "lima", "peru", "quercus", "alba", "pinus",
                                           "ponderosa", "fagaceae", "garcia", "rock", "isla", "sur", "abies",
                                           "{brace", "velutina", "nothofagus"};
    std::vector<BayesClass> words;
    for (int i = 0; i < 300; ++i) {
        // Plant words are compared as learnt: mostly lower case.
        std::string w = rng() % 3 ? pool[rng() % pool.size()] : Spelling(rng, pool);
        words.push_back(Word(w, static_cast<int>(rng() % 6)));
    }
    std::vector<std::string> names;
    for (int i = 0; i < 120; ++i) names.push_back(Spelling(rng, pool));
    std::vector<CountryClass> places;
    for (int i = 0; i < 15; ++i) {
        std::vector<std::string> states;
        for (unsigned k = rng() % 4; k > 0; --k) states.push_back(Spelling(rng, pool));
        places.push_back(Place(Spelling(rng, pool), states));
    }
    std::vector<FamilyClass> plants;
    for (int f = 0; f < 10; ++f) {
        std::vector<FamilyClass> genera;
        for (unsigned g = rng() % 5 + 1; g > 0; --g) {
            std::vector<FamilyClass> species;
            for (unsigned k = rng() % 3; k > 0; --k) species.push_back(Node(pool[rng() % pool.size()]));
            genera.push_back(Node(Spelling(rng, pool), species));
        }
        plants.push_back(Node(Spelling(rng, pool), genera));
    }

    EXPECT_EQ(WordNameDuplicates(words, names), quadratic::WordNameDuplicates(words, names));
    EXPECT_EQ(PlaceNameDuplicates(names, places), quadratic::PlaceNameDuplicates(names, places));
    WordPlantFindings fast = FindWordPlants(words, plants), slow = quadratic::FindWordPlants(words, plants);
    EXPECT_EQ(fast.names, slow.names);
    EXPECT_EQ(fast.words, slow.words);
    EXPECT_FALSE(slow.names.empty());

    auto w1 = words, w2 = words;
    auto n1 = names, n2 = names;
    ResolveWordNameDuplicates(w1, n1);
    quadratic::ResolveWordNameDuplicates(w2, n2);
    EXPECT_EQ(n1, n2);
    EXPECT_EQ(WordsOf(w1), WordsOf(w2));
    EXPECT_LT(n1.size(), names.size());
    EXPECT_LT(w1.size(), words.size());

    RemoveCountryNames(n1, places);
    quadratic::RemoveCountryNames(n2, places);
    EXPECT_EQ(n1, n2);
}

INSTANTIATE_TEST_SUITE_P(Seeds, Equivalence, ::testing::Values(1u, 2u, 3u, 17u, 99u, 2024u));

}  // namespace
