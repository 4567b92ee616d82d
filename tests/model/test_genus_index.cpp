// The genus index finds exactly the genera that testing every genus of the plant list finds.
#include <gtest/gtest.h>

#include <random>

#include "base/Text.h"
#include "model/GenusIndex.h"

using namespace quorl;

namespace {

std::string RandomName(std::mt19937& rng, int maxLength) {
    static const std::string letters = "aAbB \xC3\xA9";
    std::uniform_int_distribution<int> length(0, maxLength);
    std::uniform_int_distribution<size_t> letter(0, letters.size() - 1);
    std::string name;
    for (int i = length(rng); i > 0; --i) name += letters[letter(rng)];
    return name;
}

std::vector<FamilyClass> RandomPlants(std::mt19937& rng) {
    std::vector<FamilyClass> plants(1 + rng() % 4);
    for (FamilyClass& family : plants) {
        family.Children.resize(rng() % 8);
        for (FamilyClass& genus : family.Children) genus.Name = RandomName(rng, 5);
    }
    return plants;
}

std::vector<GenusIndex::Place> EveryGenusTested(const std::vector<FamilyClass>& plants, const std::string& text) {
    std::vector<GenusIndex::Place> found;
    for (uint32_t f = 0; f < plants.size(); ++f)
        for (uint32_t g = 0; g < plants[f].Children.size(); ++g) {
            const std::string& name = plants[f].Children[g].Name;
            if (CharCount(name) >= 2 && Contains(text, name)) found.emplace_back(f, g);
        }
    return found;
}

TEST(GenusIndex, FindsWhatTestingEveryGenusFinds) {
    std::mt19937 rng(23);
    GenusIndex index;
    std::vector<FamilyClass> plants = RandomPlants(rng);
    for (int round = 0; round < 3000; ++round) {
        if (round % 50 == 0) plants = RandomPlants(rng);  // a new list: the index must follow it
        const std::string text = RandomName(rng, 12);
        ASSERT_EQ(index.GeneraIn(plants, text), EveryGenusTested(plants, text)) << round;
    }
}

TEST(GenusIndex, FollowsTheListWhenFamiliesOrGeneraAreAdded) {
    GenusIndex index;
    std::vector<FamilyClass> plants(1);
    plants[0].Name = "Fagaceae";
    plants[0].Children.push_back({"Quercus", {}});
    EXPECT_EQ(index.GeneraIn(plants, "Quercus alba Pinus"), (std::vector<GenusIndex::Place>{{0, 0}}));
    plants[0].Children.push_back({"Fagus", {}});
    plants.push_back({"Pinaceae", {{"Pinus", {}}, {"Abies", {}}}});
    EXPECT_EQ(index.GeneraIn(plants, "Quercus alba Pinus"), (std::vector<GenusIndex::Place>{{0, 0}, {1, 0}}));
    EXPECT_TRUE(index.GeneraIn(plants, "quercus").empty());  // letter case counts
}

}  // namespace
