#include "LoaderTestSupport.h"
#include "editors/CountryEditor.h"
#include "editors/CountryListFile.h"
#include "model/ReferenceLists.h"

using namespace quorl;
using namespace quorl::testing;

namespace {

class CountryListFileTest : public LoaderTest {
protected:
    std::string SaveAndRead() {
        CountryEditor editor(s);
        editor.Open();
        EXPECT_TRUE(editor.Save());
        return ReadFile(folder / "CountryList.txt");
    }
    void Load(const std::string& text) {
        WriteFile(folder / "CountryList.txt", text);
        LoadCountryList(s);
    }
};

TEST_F(CountryListFileTest, TheShippedListSavesBackByteForByte) {
    const fs::path shipped = fs::path(QUORL_SOURCE_DIR) / "data" / "CountryList.txt";
    const std::string original = ReadFile(shipped);
    ASSERT_GT(original.size(), 100000u);
    Load(original);
    ASSERT_GT(s.CountryList.size(), 200u);
    EXPECT_TRUE(SaveAndRead() == original);  // not EXPECT_EQ: a failure would print half a megabyte
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(CountryListFileTest, ShortNamesSaveBackWhereverTheyStand) {
    const char* const files[] = {
        "USA\tAK\tAL\r\n",                                     // a country's last state
        "France\tParis,75\r\n",                                  // a state's last county
        "Slovenia\tIg\r\n",
        "Chad\tA,B\tC\r\nX\tZu\r\n",
        "Peru(-18/-0.1/-81/-68)\tLi(-12/-11/-77/-76),Ca\r\n",
    };
    for (const char* file : files) {
        Load(file);
        EXPECT_EQ(SaveAndRead(), file);
        LoadCountryList(s);  // and again after the save
        EXPECT_EQ(CountryListText(s.CountryList), file);
    }
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(CountryListFileTest, AStrayByteDoesNotReEncodeTheRestOnSave) {
    Load("Chad\tKanem\xA0Nord\r\nM\xC3\xA9xico\tJalisco\r\n");
    EXPECT_EQ(SaveAndRead(), "Chad\tKanem\u00A0Nord\r\nMéxico\tJalisco\r\n");
}

TEST_F(CountryListFileTest, ABoxWithAZeroBoundIsKept) {
    // On the equator and on the prime meridian: a zero minimum is a real bound.
    Load("Gabon(0/2.3/8.7/14.5)\tOgooue-Maritime(-2.5/0/8.7/10.5),Etimboue(-2/-1/0/9.5)\r\n");
    const std::string saved = SaveAndRead();
    EXPECT_EQ(saved, "Gabon(0/2.3/8.7/14.5)\tOgooue-Maritime(-2.5/0/8.7/10.5),Etimboue(-2/-1/0/9.5)\r\n");
    LoadCountryList(s);
    EXPECT_FLOAT_EQ(s.CountryList[0].MaxLat, 2.3f);
    EXPECT_FLOAT_EQ(s.CountryList[0].Children[0].Children[0].MaxLong, 9.5f);
    EXPECT_EQ(FormatRegionBounds(CountryClass{}), "");
}

TEST_F(CountryListFileTest, EveryLevelIsSortedInByteOrderOnSave) {
    Load("chad\tbee,zed,Yew,ash\r\nChad\tzeta,xia\tAlpha\r\nAbc\r\n");
    EXPECT_EQ(SaveAndRead(), "Abc\r\nChad\tAlpha\tzeta,xia\r\nchad\tbee,Yew,ash,zed\r\n");
    ASSERT_EQ(s.CountryList.size(), 3u);
    EXPECT_EQ(s.CountryList[2].Name, "chad");  // the tree in memory is sorted as well
}

TEST_F(CountryListFileTest, InvertedBoxesGetANoteAndAreWrittenAsTyped) {
    Load("Chad(30/20/24/13.5)\tKanem(1/2/3/4)\r\n");
    EXPECT_EQ(SaveAndRead(), "Chad(30/20/24/13.5)\tKanem(1/2/3/4)\r\n");
    EXPECT_EQ(dialogs.messages, (std::vector<std::string>{"Note!  Chad Min Lat greater than Max Lat.",
                                                           "Note!  Chad Min Long greater than Max Long."}));
}

TEST_F(CountryListFileTest, BoundsAreWrittenInTheirShortestExactForm) {
    EXPECT_EQ(FormatRegionBound(29.378f), "29.378");
    EXPECT_EQ(FormatRegionBound(-179.147f), "-179.147");
    EXPECT_EQ(FormatRegionBound(10.0f), "10");
    // Every digit that the 32-bit value needs is written, so that a reload gives the same box.
    for (float v : {123.45678f, 1.0f / 3.0f, -0.000123f, 179.99999f})
        EXPECT_EQ(static_cast<float>(std::stod(FormatRegionBound(v))), v) << FormatRegionBound(v);
}

}  // namespace
