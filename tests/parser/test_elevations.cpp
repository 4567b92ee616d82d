#include <gtest/gtest.h>

#include <algorithm>

#include "ParserFixture.h"
#include "parser/Elevation.h"
#include "parser/Phases.h"

using namespace quorl;
using ParserSessionTest = quorl::ptest::ParserTest;

class Elevations : public ParserSessionTest {
protected:
    Elevations() {
        s.MinElevation = 10;
        s.FieldDefinitions[17].StartWords = "elev,elevation";
    }
    static constexpr const char* kBoxes[] = {"ElevFeetLowEdit", "ElevFeetHighEdit", "ElevMetersLowEdit",
                                             "ElevMetersHighEdit"};
    void ClearBoxes() {
        for (const char* box : kBoxes) Set(box, "");
    }
    // The four boxes as "feet low/high meters low/high".
    std::string Boxes() const {
        return Text(kBoxes[0]) + "/" + Text(kBoxes[1]) + " " + Text(kBoxes[2]) + "/" + Text(kBoxes[3]);
    }
};

TEST_F(Elevations, FillsFeetAndMetersAboveTheThresholds) {
    const struct {
        const char* text;
        const char* boxes;  // feet low/high, meters low/high
    } cases[] = {
        {"32 ft", "/ /"},  {"33 ft", "33/ /"},  // feet from MinElevation x 3.28 on
        {"9 m", "/ /"},    {"10 m", "/ 10/"},    {">1200 m", "/ 1200/"},
        {"1200-1500 ft", "1200/1500 /"}, {"1200 - 1500 m", "/ 1200/1500"}, {"5000'", "5000/ /"},
        {"Elev.: 800", "/ 800/"},  // a start word with a bare number: meters
        // Nothing is higher than the highest summit.
        {"8850 m", "/ 8850/"}, {"8851 m", "/ /"}, {"29035 ft", "29035/ /"}, {"29036 ft", "/ /"},
        {"30000 ft = 2000 m", "/ 2000/"}, {"Elev. 8851", "/ /"}, {"Elev. 8851 ft", "8851/ /"},
    };
    for (const auto& c : cases) {
        ClearBoxes();
        FindElevation(s, c.text);
        EXPECT_EQ(Boxes(), c.boxes) << c.text;
    }
}

TEST_F(Elevations, ThousandsCommasKeepTheNumberWhole) {
    const struct {
        const char* text;
        const char* boxes;  // feet low/high, meters low/high
        const char* rest;   // the text left after the cut
    } cases[] = {
        {"Elev. 7,500 ft", "7500/ /", "Elev. "},
        {"Elevation 1,200 m", "/ 1200/", ""},
        {"Rocky slope, 7,500ft", "7500/ /", "Rocky slope, "},
        {"1,200-1,500 m", "/ 1200/1500", ""},
        {"Elev. 2,100", "/ 2100/", "Elev. 2,100"},            // start word and a bare number
        {"Plot 1,234; 500 m", "/ 500/", "Plot 1,234; "},      // the rest keeps its commas
        {"1,2000 m", "/ 2000/", "1,"},                         // four digits: no thousands
        {"Hill 3, 200 m", "/ 200/", "Hill 3, "},               // a blank after the comma
        {"EMEC 609,848 m", "/ /", "EMEC 609,848 m"},           // a catalogue number, no elevation
    };
    for (const auto& c : cases) {
        ClearBoxes();
        EXPECT_EQ(FindElevation(s, c.text), c.rest) << c.text;
        EXPECT_EQ(Boxes(), c.boxes) << c.text;
    }
    // The phase converts the whole number.
    ClearBoxes();
    SetLines({"x", "Elev. 7,500 ft", "y"});
    s.parser.LineScores[fElevation][1] = 5;
    s.FillMeters = true;
    Run(ElevationPhase);
    EXPECT_EQ(Boxes(), "7500/ 2286/");
}

TEST_F(Elevations, CoordinateMinutesAreNoFeet) {
    const struct {
        const char* text;
        const char* boxes;  // feet low, meters low
    } cases[] = {
        {"66°56'30\"W, on rocks, 100 m", "/100"},
        {"17°48'30\" N, 96°57'15\" W. Elev. 1250 m.", "/1250"},
        {"17Â°48' N, 1250 m", "/1250"},  // a degree sign read in the wrong encoding
        {"17d48' N, 1250 m", "/1250"},
        {"17 48' 30\" N, 1250 m", "/1250"},  // degrees, minutes and seconds without signs
        {"ridge 5000' 30 plants", "5000/"},  // no seconds mark: still feet
        {"5000' 3 m tall", "5000/"},
        {"Alt. 48' N", "48/"},
    };
    for (const auto& c : cases) {
        Set("ElevFeetLowEdit", "");
        Set("ElevMetersLowEdit", "");
        FindElevation(s, c.text);
        EXPECT_EQ(Text("ElevFeetLowEdit") + "/" + Text("ElevMetersLowEdit"), c.boxes) << c.text;
    }
}

TEST_F(Elevations, SeaLevel) {
    EXPECT_EQ(FindElevation(s, "At Sea level, dunes"), "At Sea level, dunes");
    EXPECT_EQ(Text("ElevMetersLowEdit"), "0");
    for (const char* text : {"0 m, beach", "Sea level", "ca. sea level"}) {  // at most four characters before it
        Set("ElevMetersLowEdit", "");
        FindElevation(s, text);
        EXPECT_EQ(Text("ElevMetersLowEdit"), "0") << text;
    }
    Set("ElevMetersLowEdit", "");
    for (const char* text : {"Rocks above sea level", "Near sea level"}) {
        FindElevation(s, text);
        EXPECT_EQ(Text("ElevMetersLowEdit"), "") << text;
    }
}

TEST_F(Elevations, CutsElevationAndStartWordFromText) {
    EXPECT_EQ(FindElevation(s, "Rocky slope, elevation 2OOO m"), "Rocky slope, ");
    EXPECT_EQ(Text("ElevMetersLowEdit"), "2000");
    EXPECT_EQ(FindElevation(s, "Rocky slope 1200-1500 ft"), "Rocky slope ");
    EXPECT_EQ(FindElevation(s, "Nothing here"), "Nothing here");
    EXPECT_EQ(FindElevation(s, ""), "");
    EXPECT_EQ(FindElevation(s, "ft"), "ft");
    EXPECT_EQ(FindElevation(s, "elev"), "elev");
}

// The phase picks the line: a long line that scores better for description, location or habitat
// than three times its elevation score is passed over; a line holding only the unit joins it.
TEST_F(Elevations, PhaseLineChoiceUnitLineAndMeters) {
    const struct {
        const char* label;
        std::vector<std::string> lines;
        int ldh;          // description/location/habitat score of line 1 (elevation score 5)
        bool fillMeters;
        const char* boxes;  // feet low/high, meters low/high
    } cases[] = {
        {"long line, ldh below 3x", {"x", "Slopes with rocks, 1200 m", "y"}, 14, false, "/ 1200/"},
        {"long line, ldh at 3x", {"x", "Slopes with rocks, 1200 m", "y"}, 15, false, "/ /"},
        {"19 characters", {"x", "Slope rocky, 1200 m", "y"}, 99, false, "/ 1200/"},
        {"20 characters", {"x", "Slopes rocky, 1200 m", "y"}, 99, false, "/ /"},
        {"unit on the next line", {"x", "Elevation 1200", "feet", "y"}, 0, false, "1200/ /"},
        {"unit line is the last", {"x", "Elevation 1200", "ft."}, 0, false, "1200/ /"},
        {"no unit line", {"x", "Elevation 1200", "y"}, 0, false, "/ 1200/"},
        {"feet give meters", {"x", "5000-6000 ft", "y"}, 0, true, "5000/6000 1524/1828"},
        {"meters only on request", {"x", "5000-6000 ft", "y"}, 0, false, "5000/6000 /"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        ClearBoxes();
        SetLines(c.lines);
        s.parser.LineScores[fElevation] = {};
        s.parser.LineScores[fElevation][1] = 5;
        s.parser.LineLDHScore[1] = c.ldh;
        s.FillMeters = c.fillMeters;
        Run(ElevationPhase);
        EXPECT_EQ(Boxes(), c.boxes);
    }
}

// When the best line gives no elevation (a plant's height below the lowest elevation), the next
// best line is tried, and so on; equal scores keep label order. Only the line that gives the
// elevation is cut, besides the best line, which is rewritten as before.
TEST_F(Elevations, PhaseTriesTheNextBestLineUntilOneGivesTheElevation) {
    const struct {
        const char* label;
        std::vector<std::string> lines;
        std::vector<int> scores;  // elevation score of each line
        const char* boxes;        // feet low/high, meters low/high
        int foundLine;            // -1: no elevation
        const char* rest;         // the line found, as it is left
    } cases[] = {
        {"height above coordinates", {"Tree 5 m.", "35°49'10\" N, 106°41'20\" W   Elev. 2000 m"}, {7, 5},
         "/ 2000/", 1, "35°49'10\" N, 106°41'20\" W   Elev. "},
        {"a real elevation first", {"Elev. 2000 m", "Tree 25 m"}, {7, 5}, "/ 2000/", 0, "Elev. "},
        {"score order, then label order", {"Tree 5 m", "Slope 900 m", "Ridge 1200 m", "Hill 300 m"}, {7, 4, 5, 5},
         "/ 1200/", 2, "Ridge "},
        {"two heights, then a range in feet", {"Tree 5 m", "Shrub 2 m", "Canyon 1500-1800 ft"}, {7, 6, 5},
         "1500/1800 /", 2, "Canyon "},
        {"heights in feet, unit on the next line", {"Tree 15 ft", "Elevation 1200", "feet"}, {7, 5, 0},
         "1200/ /", 1, ""},
        {"a line that does not score is not tried", {"Tree 5 m", "Slope 900 m"}, {7, 0}, "/ /", -1, ""},
        {"no line gives", {"Tree 5 m", "Herb 3 dm, l0 stems"}, {7, 5}, "/ /", -1, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        ClearBoxes();
        SetLines(c.lines);
        Def(fElevation).FoundLine = -1;
        s.parser.LineScores[fElevation] = {};
        s.parser.LineLDHScore = {};
        for (size_t i = 0; i < c.scores.size(); ++i) s.parser.LineScores[fElevation][i] = c.scores[i];
        Run(ElevationPhase);
        EXPECT_EQ(Boxes(), c.boxes);
        EXPECT_EQ(Def(fElevation).FoundLine, c.foundLine);
        if (c.foundLine >= 0) {
            EXPECT_EQ(s.parser.LabelChunks[static_cast<size_t>(c.foundLine)], c.rest);
        }
        // The lines tried after the best one and giving nothing keep their text ("l0" is not repaired).
        const size_t best = static_cast<size_t>(std::max_element(c.scores.begin(), c.scores.end()) - c.scores.begin());
        for (size_t i = 0; i < c.lines.size(); ++i) {
            if (i == best || static_cast<int>(i) == c.foundLine) continue;
            EXPECT_EQ(s.parser.LabelChunks[i], c.lines[i]);
        }
    }
}

// Rules of the extractor that the cases above leave open.
TEST_F(Elevations, OnlyAPositiveNumberBeforeAUnitOrAfterAStartWordCounts) {
    FindElevation(s, "Elev. 0");  // no elevation of nothing
    EXPECT_EQ(Text("ElevMetersLowEdit"), "");
    FindElevation(s, "along road 4 near 1200 ft");  // a number two tokens before is no range
    EXPECT_EQ(Text("ElevFeetLowEdit") + "/" + Text("ElevFeetHighEdit"), "1200/");
    EXPECT_EQ(FindElevation(s, "Slope 4 near 300 m on pines"), "Slope 4 near ");
    EXPECT_EQ(Text("ElevMetersLowEdit"), "300");
}

TEST_F(Elevations, ScoreNeedsANumberAndLosesForPlantHeights) {
    s.parser.LabelChunks = {"Elevation unknown", "Shrub 1 m", "Shrub 1 m tall", "Shrub 1 m high", "ca. 1200 m",
                            "Sea level", "Elevation 1200"};
    EXPECT_EQ(ElevationScore(s, 0), 0);  // no number: no elevation, whatever the words
    const int32_t shrub = ElevationScore(s, 1);
    EXPECT_GT(shrub, 1);
    EXPECT_EQ(ElevationScore(s, 2), shrub - 5 > 1 ? shrub - 5 : 0);
    EXPECT_EQ(ElevationScore(s, 3), ElevationScore(s, 2));
    EXPECT_GE(ElevationScore(s, 4), 5);
    EXPECT_EQ(ElevationScore(s, 5), 100);
    EXPECT_EQ(ElevationScore(s, 6), 100);  // the start word; a number without a unit adds nothing
    Def(fElevation).ContainedWords = "alt,approx";
    s.parser.LabelChunks = {"alt 1200 approx", "alt 1200"};
    EXPECT_EQ(ElevationScore(s, 0), 2);  // a score above 1 counts
    EXPECT_EQ(ElevationScore(s, 1), 0);
}
