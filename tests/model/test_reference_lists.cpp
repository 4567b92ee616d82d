#include <algorithm>
#include "LoaderTestSupport.h"
#include "model/ReferenceLists.h"

using namespace quorl;
using namespace quorl::testing;

namespace {

class ReferenceListsTest : public LoaderTest {};

template <class Node>
std::vector<std::string> Names(const std::vector<Node>& nodes) {
    std::vector<std::string> r;
    for (const auto& n : nodes) r.push_back(n.Name);
    return r;
}
using Strings = std::vector<std::string>;

TEST(SplitDelimitedText, FollowsTheListRules) {
    EXPECT_EQ(SplitDelimitedText("a\tb\t\tc\t", '\t'), (Strings{"a", "b", "c"}));
    EXPECT_EQ(SplitDelimitedText("a,,b,", ','), (Strings{"a", "", "b", ""}));
    EXPECT_EQ(SplitDelimitedText("\"x,y\",\"say \"\"hi\"\"\",z", ','), (Strings{"x,y", "say \"hi\"", "z"}));
    EXPECT_EQ(SplitDelimitedText("", ','), Strings{});
}

TEST_F(ReferenceListsTest, PlantListBuildsTheTreeAndTheFamilyList) {
    WriteFile(folder / "PlantList.txt",
              "Pinaceae\tAbies,alba,grandis\tPinus,nigra,ssp. laricio\r\n"
              "Aster family\tBellis\t\tAster ,amellus\n"
              "\r\n"
              "Poaceae\tPoa,annua,\"x,y\"\r\n");
    LoadPlantList(s);
    ASSERT_EQ(s.PlantList.size(), 3u);
    EXPECT_EQ(s.form.Get("FamilyCombo").items, (Strings{"Pinaceae", "Aster family", "Poaceae"}));
    const FamilyClass& pin = s.PlantList[0];
    EXPECT_EQ(Names(pin.Children), (Strings{"Abies", "Pinus"}));
    EXPECT_EQ(Names(pin.Children[0].Children), (Strings{"alba", "grandis"}));
    EXPECT_EQ(Names(pin.Children[1].Children), (Strings{"nigra", "ssp. laricio"}));  // blanks come back
    const FamilyClass& aster = s.PlantList[1];
    EXPECT_EQ(aster.Name, "Aster family");  // a family name keeps its blanks
    ASSERT_EQ(aster.Children.size(), 2u);
    EXPECT_TRUE(aster.Children[0].Children.empty());  // a genus without ","
    EXPECT_EQ(aster.Children[1].Name, "Aster$");
    EXPECT_EQ(Names(s.PlantList[2].Children[0].Children), (Strings{"annua", "x,y"}));
}

TEST_F(ReferenceListsTest, MissingPlantListEndsTheProgram) {
    EXPECT_THROW(LoadPlantList(s), ProgramEnded);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0], "Unable to open file: " + (folder / "PlantList.txt").string());
}

TEST_F(ReferenceListsTest, GetOneFamilyFillsTheGenusList) {
    WriteFile(folder / "PlantList.txt", "Pinaceae\tAbies,alba\tPinus,nigra\r\nPoaceae\tPoa,annua\r\n");
    LoadPlantList(s);
    s.form.SetItems("GenusCombo", {"old"});
    GetOneFamily(s, 0);
    EXPECT_EQ(s.form.Get("GenusCombo").items, (Strings{"Abies", "Pinus"}));
    EXPECT_EQ(s.form.Get("GenusCombo").text, "Select Genus");
    ASSERT_EQ(s.FamilyGenera.size(), 2u);
    EXPECT_EQ(Names(s.FamilyGenera[1].Children), Strings{"nigra"});
    GetOneFamily(s, 1);
    EXPECT_EQ(s.form.Get("GenusCombo").items, Strings{"Poa"});
    GetOneFamily(s, 5);
    EXPECT_TRUE(s.form.Get("GenusCombo").items.empty());
    EXPECT_TRUE(s.FamilyGenera.empty());
    EXPECT_NE(ReadFile(folder / "Log.txt").find("Top GetOneFamily"), std::string::npos);
}

TEST(ParseBoundedName, ReadsTheNameAndTheBox) {
    CountryClass c;
    EXPECT_TRUE(ParseBoundedName(c, "Chad ( 7.44 / 23.5/13.47/24.0)"));
    EXPECT_EQ(c.Name, "Chad");
    EXPECT_FLOAT_EQ(c.MinLat, 7.44f);
    EXPECT_FLOAT_EQ(c.MaxLat, 23.5f);
    EXPECT_FLOAT_EQ(c.MinLong, 13.47f);
    EXPECT_FLOAT_EQ(c.MaxLong, 24.0f);
    CountryClass plain;
    EXPECT_TRUE(ParseBoundedName(plain, "New Mexico"));
    EXPECT_EQ(plain.Name, "New Mexico");
    EXPECT_FALSE(plain.HasBox());
    CountryClass bad;
    EXPECT_FALSE(ParseBoundedName(bad, "Peru(-18/x/-81/-68)"));
    EXPECT_EQ(bad.Name, "Peru");
    EXPECT_FALSE(bad.HasBox());
}

TEST_F(ReferenceListsTest, CountryListReadsStatesCountiesAndBoxes) {
    WriteFile(folder / "CountryList.txt",
              "USA(24.5/49.4/-124.8/-66.9)\tTexas(25.8/36.5/-106.6/-93.5),Travis(30/30.6/-98.2/-97.4),Bell\t"
              "Utah,Iron,Ut\tNV\r\n"
              "Chad\r\n"
              "Peru\tLima\r\n"
              "\r\n");
    s.form.SetItems("CountryCombo", {"stale"});
    LoadCountryList(s);
    ASSERT_EQ(s.CountryList.size(), 3u);
    EXPECT_EQ(s.form.Get("CountryCombo").items, (Strings{"USA", "Chad", "Peru"}));
    const CountryClass& usa = s.CountryList[0];
    EXPECT_FLOAT_EQ(usa.MaxLong, -66.9f);
    // Short names are read wherever they stand: the last state "NV" and the last county "Ut".
    EXPECT_EQ(Names(usa.Children), (Strings{"Texas", "Utah", "NV"}));
    EXPECT_EQ(Names(usa.Children[0].Children), (Strings{"Travis", "Bell"}));
    EXPECT_FLOAT_EQ(usa.Children[0].Children[0].MinLat, 30.0f);
    EXPECT_FALSE(usa.Children[0].Children[1].HasBox());
    EXPECT_EQ(Names(usa.Children[1].Children), (Strings{"Iron", "Ut"}));
    // A line without TAB has one unnamed state; a state without counties has no children.
    ASSERT_EQ(s.CountryList[1].Children.size(), 1u);
    EXPECT_EQ(s.CountryList[1].Children[0].Name, "");
    ASSERT_EQ(s.CountryList[2].Children.size(), 1u);
    EXPECT_TRUE(s.CountryList[2].Children[0].Children.empty());

    LoadCountryList(s);  // reloading keeps each country once
    EXPECT_EQ(s.form.Get("CountryCombo").items, (Strings{"USA", "Chad", "Peru"}));
    EXPECT_EQ(s.CountryList.size(), 3u);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(ReferenceListsTest, BadBoxNumbersKeepThePlaceWithoutItsBox) {
    WriteFile(folder / "CountryList.txt",
              "Peru(-18/x/-81/-68)\tLima\r\nChad\tKanem(1/2/3/y),Mao\r\nMali(10/25/-12/4)\tKayes\r\n");
    LoadCountryList(s);
    ASSERT_EQ(s.CountryList.size(), 3u);
    EXPECT_FALSE(s.CountryList[0].HasBox());
    EXPECT_EQ(s.CountryList[1].Children[0].Name, "Kanem");
    EXPECT_FALSE(s.CountryList[1].Children[0].HasBox());
    EXPECT_TRUE(s.CountryList[2].HasBox());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(dialogs.messages[0].find("Skipped 2 unreadable line(s)"), std::string::npos);
}

TEST_F(ReferenceListsTest, TextAfterABoxIsReportedWithItsLine) {
    WriteFile(folder / "CountryList.txt",
              "\r\nChad\tKanem\r\nFrance(41/51/-5/9)\tIle-de-France,Paris(48.8/48.9/2.2/2.5) Cedex\r\n");
    LoadCountryList(s);
    ASSERT_EQ(s.CountryList.size(), 2u);
    EXPECT_EQ(s.CountryList[1].Children[0].Children[0].Name, "Paris");
    EXPECT_FLOAT_EQ(s.CountryList[1].Children[0].Children[0].MaxLong, 2.5f);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(dialogs.messages[0].find("Skipped 1 unreadable line(s)"), std::string::npos);
    EXPECT_NE(ReadFile(folder / "Log.txt").find("Skipped line 3 of CountryList.txt (the text after the box of Paris "
                                                 "is not read: Cedex)"),
              std::string::npos);
}

TEST_F(ReferenceListsTest, MissingCountryListEndsTheProgram) {
    EXPECT_THROW(LoadCountryList(s), ProgramEnded);
    EXPECT_EQ(dialogs.messages.at(0), "Unable to open file: " + (folder / "CountryList.txt").string());
}

}  // namespace

TEST(CountryOrder, CapitalsBeforeSmallLettersAndPrefixesFirst) {
    std::vector<CountryClass> list(4);
    const char* names[] = {"chad", "Chadwick", "Chad", "Équateur"};  // the last starts with a byte above 0x7F
    for (size_t i = 0; i < list.size(); ++i) list[i].Name = names[i];
    std::sort(list.begin(), list.end(), AnsiStringLess);
    EXPECT_EQ(list[0].Name, "Chad");
    EXPECT_EQ(list[1].Name, "Chadwick");
    EXPECT_EQ(list[2].Name, "chad");
    EXPECT_EQ(list[3].Name, "Équateur");
    EXPECT_FALSE(AnsiStringLess(list[0], list[0]));  // strict: equal names are not less
}
