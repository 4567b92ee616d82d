// Numbers far beyond anything real, read from a label or a settings file: refused or clamped where
// they are read, so that nothing later overflows into a wrong record or a wrong statistic.
#include "ParserFixture.h"

#include "model/FieldDefinitionsFile.h"
#include "model/LearningStatsFile.h"
#include "parser/FindName.h"
#include "records/Learning.h"
#include "records/RecordValues.h"

namespace {

using quorl::testing::ReadFile;
using namespace quorl;

class HostileNumbers : public quorl::ptest::ParserTest {};

TEST_F(HostileNumbers, ElevationBeyondAnyRealOneGivesNoMeters) {
    s.FillMeters = true;
    s.FieldDefinitions[fElevation].StartWords = "elev";
    SetLines({"Elev. 120000000000000000000 ft", "Pima County"});
    Run(ElevationPhase);
    EXPECT_EQ(Text("ElevFeetLowEdit"), "120000000000000000000");
    EXPECT_EQ(Text("ElevMetersLowEdit"), "");

    SetLines({"Elev. 5000 ft", "Pima County"});
    Set("ElevFeetLowEdit", "");
    Run(ElevationPhase);
    EXPECT_EQ(Text("ElevMetersLowEdit"), "1524");

    EXPECT_EQ(MetersFromFeet("1e30"), std::nullopt);
    EXPECT_EQ(MetersFromFeet("-120000000000000000000"), std::nullopt);
    EXPECT_EQ(MetersFromFeet("3280"), 999);
    EXPECT_EQ(MetersFromFeet("no number"), 0);
}

TEST_F(HostileNumbers, WordCountsAndValuesAreClampedWhenReadAndLearningGoesOn) {
    Write("WordStats.txt", "oak\t2147483647\t2147483647\t-5\t0\t,woodland\t-3\t0\t0\t100\t\r\n");
    Write("NameStats.txt", "");
    LoadLearningStats(s);
    ASSERT_EQ(s.WordStats.size(), 1u);
    const BayesClass& oak = s.WordStats[0];
    EXPECT_EQ(oak.Count, 1000000000);
    EXPECT_EQ(oak.FieldPercent[fLocation], 0);
    EXPECT_EQ(oak.Followers.at(0).Count, 0);

    AddWordStat(s, "oak", "woodland", fHabitat);
    EXPECT_GT(s.WordStats[0].Count, 0);
    for (int f : {fDescription, fLocation, fHabitat}) {
        EXPECT_GE(s.WordStats[0].FieldPercent[f], 0);
        EXPECT_LE(s.WordStats[0].FieldPercent[f], 100);
    }
    ASSERT_TRUE(SaveWordStats(s, true));
    EXPECT_EQ(ReadFile(s.UserFile("WordStats.txt")).find('-'), std::string::npos);
}

TEST_F(HostileNumbers, FieldLineLimitsAreClampedWhenRead) {
    std::string text = "Version 2\r\n";
    for (int f = 0; f < kBuiltInFields; ++f)
        text += std::string(FieldNames[static_cast<size_t>(f)]) + "\t0\t0\t\t" +
                (f == fCountry ? "-2147483648\t2147483647" : "1\t50") + "\t\t\r\n";
    Write("FieldDefinitions.txt", text);
    LoadFieldDefinitions(s);
    EXPECT_EQ(Def(fCountry).Minimum, -1000000);
    EXPECT_EQ(Def(fCountry).Maximum, 1000000);

    SetLines({"Herbarium", "Flora of Peru", "Lima"});
    EXPECT_EQ(FindNameInChunks(s, Def(fCountry), "Peru", true), 11);  // one past its position
    EXPECT_EQ(s.parser.CurrentLine, 1);
}

}  // namespace
