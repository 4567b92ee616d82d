#include <gtest/gtest.h>

#include "Parser2Fixture.h"
#include "parser/Elevation.h"

using namespace quorl;
using quorl::test::ParserSessionTest;

class Elevations : public ParserSessionTest {
protected:
    Elevations() {
        s.MinElevation = 10;
        s.FieldDefinitions[17].StartWords = "elev,elevation";
    }
};

TEST(ElevationTokens, FindTokenIndexCutsAtFullStop) {
    std::vector<std::string> t = {"1200", "FT.", "x", "ft"};
    EXPECT_EQ(FindTokenIndex(t, "ft", 0, 3), 1);
    EXPECT_EQ(FindTokenIndex(t, "ft", 2, 3), 3);
    EXPECT_EQ(FindTokenIndex(t, "ft", 2, 99), 3);
    EXPECT_EQ(FindTokenIndex(t, "m", 0, 3), -1);
    EXPECT_EQ(FindTokenIndex({"left"}, "ft", 0, 0), -1);
}

TEST_F(Elevations, FeetThresholdFollowsMinElevation) {
    FindElevation(s, "25 ft");
    EXPECT_EQ(Text("ElevFeetLowEdit"), "");
    FindElevation(s, "33 ft");
    EXPECT_EQ(Text("ElevFeetLowEdit"), "33");
}

TEST_F(Elevations, MetersThreshold) {
    FindElevation(s, "9 m");
    EXPECT_EQ(Text("ElevMetersLowEdit"), "");
    FindElevation(s, "10 m");
    EXPECT_EQ(Text("ElevMetersLowEdit"), "10");
}

TEST_F(Elevations, RangesAndApostropheFeet) {
    FindElevation(s, "1200-1500 ft");
    EXPECT_EQ(Text("ElevFeetLowEdit"), "1200");
    EXPECT_EQ(Text("ElevFeetHighEdit"), "1500");
    FindElevation(s, "1200 - 1500 m");
    EXPECT_EQ(Text("ElevMetersLowEdit"), "1200");
    EXPECT_EQ(Text("ElevMetersHighEdit"), "1500");
}

TEST_F(Elevations, ApostropheIsFeet) {
    FindElevation(s, "5000'");
    EXPECT_EQ(Text("ElevFeetLowEdit"), "5000");
}

TEST_F(Elevations, SeaLevel) {
    EXPECT_EQ(FindElevation(s, "At Sea level, dunes"), "At Sea level, dunes");
    EXPECT_EQ(Text("ElevMetersLowEdit"), "0");
    Set("ElevMetersLowEdit", "");
    FindElevation(s, "0 m, beach");
    EXPECT_EQ(Text("ElevMetersLowEdit"), "0");
}

TEST_F(Elevations, StartWordWithBareNumber) {
    FindElevation(s, "Elev.: 800");
    EXPECT_EQ(Text("ElevMetersLowEdit"), "800");
    EXPECT_EQ(Text("ElevFeetLowEdit"), "");
}

TEST_F(Elevations, CutsElevationAndStartWordFromText) {
    EXPECT_EQ(FindElevation(s, "Rocky slope, elevation 2OOO m"), "Rocky slope, ");
    EXPECT_EQ(Text("ElevMetersLowEdit"), "2000");
    EXPECT_EQ(FindElevation(s, "Nothing here"), "Nothing here");
    EXPECT_EQ(FindElevation(s, ""), "");
    EXPECT_EQ(FindElevation(s, "ft"), "ft");
    EXPECT_EQ(FindElevation(s, "elev"), "elev");
}
