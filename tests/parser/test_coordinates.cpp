#include <gtest/gtest.h>

#include "ParserFixture.h"
#include "parser/Coordinates.h"
#include "parser/LandSurvey.h"
#include "parser/Phases.h"

using namespace quorl;
using ParserSessionTest = quorl::ptest::ParserTest;

TEST(CoordinateScores, CompassLetterNextToNumber) {
    EXPECT_EQ(CompassLetterScore("12 N", 'N'), 3);
    EXPECT_EQ(CompassLetterScore("NEW 5", 'N'), 0);
    EXPECT_EQ(CompassLetterScore("N 34 12", 'N'), 3);
    EXPECT_EQ(CompassLetterScore("12345 xx N", 'N'), 0);       // too far after the digit
    EXPECT_EQ(CompassLetterScore("12   N", 'N'), 3);           // at most four places after it
    EXPECT_EQ(CompassLetterScore("12    N", 'N'), 0);
    EXPECT_EQ(CompassLetterScore("N 5 x", 'N'), 3);            // at most two places before one
    EXPECT_EQ(CompassLetterScore("N  5 x", 'N'), 0);
    EXPECT_EQ(CompassLetterScore("Nx5 x", 'N'), 0);            // a letter between them
    EXPECT_EQ(CompassLetterScore("New Mexico N5 x", 'N'), 3);  // a later occurrence counts
    EXPECT_EQ(CompassLetterScore("2N", 'N'), 0);               // p < 3: no look back
    EXPECT_EQ(CompassLetterScore("12N", 'N'), 3);
    EXPECT_EQ(CompassLetterScore("Plot N3a", 'N'), 0);         // no look after a letter two from the end
    EXPECT_EQ(CompassLetterScore("", 'N'), 0);
    EXPECT_TRUE(IsCompassLetter('W'));
    EXPECT_FALSE(IsCompassLetter('w'));
}

TEST(CoordinateScores, LatLongScoreAddsSignsWordsAndShortRuns) {
    // No signs: the runs decide; the last character never takes part.
    EXPECT_EQ(LatLongScore(""), 0);
    EXPECT_EQ(LatLongScore("Oak woodland"), -1);
    const std::string dms = "34° 12' 30\" N 112° 10' 5\" W";
    EXPECT_GT(LatLongScore(dms), 20);
    EXPECT_EQ(LatLongScore("Latitude"), 5 - 1);
    EXPECT_EQ(LatLongScore("12 DEG"), 1 + 1 + 1 - 1);
    EXPECT_EQ(LatLongScore("5°"), LatLongScore("5x") + 10);
    EXPECT_EQ(LatLongScore("2100 m"), 1 + 1 - 1);  // two short runs; 2100 is above 180
    EXPECT_EQ(LatLongScore("180 m"), 1 + 1 - 1);   // 180 is no degree
    EXPECT_EQ(LatLongScore("179 m"), 1 + 1 + 1 - 1);
    EXPECT_EQ(LatLongScore("DEG 12 N"), 1 + 3 + 1 + 1 - 1);  // DEG at the start counts too
    EXPECT_EQ(LatLongScore("ab 180"), 0);  // the last character never takes part: 18 is read, not 180
}

// The text left after the survey marks are blanked, blanks run together, and what was found.
TEST(LandSurvey, BlanksTownshipRangeSectionAndQuarterCalls) {
    const struct {
        const char* text;  // the one-byte view: \xB0 degree, \xBC quarter, \xBD half
        const char* left;
        int found;
    } cases[] = {
        {"Riley Co.: Twp 5 N, Rge 10 E, Sec. 22", "Riley Co.: , ,", kTownship | kRange | kSection},
        {"Twp.5N, Rge.10E", ",", kTownship | kRange},
        {"Township 12 N, Range 10 E", ",", kTownship | kRange},
        {"T17S R30E", "", kTownship | kRange},
        {"R 5E", "", kRange},
        {"Front Range 2 miles N.W., Range, 10 mi", "Front Range 2 miles N.W., Range, 10 mi", 0},
        {"t 5 N, T. R. Smith, T 34\xB0N, R 5.5 km", "t 5 N, T. R. Smith, T 34\xB0N, R 5.5 km", 0},
        {"Sec,33 SE1/4 of NW 1/4", "", kSection},
        {"Sec 13 SW, Section 14NE, sec. 22 N 29", ", , N 29", kSection},
        {"SEl/4 of N1/2 sec 3, SE\xBC NW\xBD", ",", kSection},
        {"SE1/45 x, N1/3, of SE1/4", "SE1/45 x, N1/3, of", 0},
    };
    for (const auto& c : cases) {
        std::string t = c.text;
        EXPECT_EQ(BlankLandSurvey(t), c.found) << c.text;
        EXPECT_EQ(t.size(), std::string(c.text).size()) << c.text;
        std::string left;
        for (char ch : t)
            if (ch != ' ' || (!left.empty() && left.back() != ' ')) left += ch;
        if (!left.empty() && left.back() == ' ') left.pop_back();
        EXPECT_EQ(left, c.left) << c.text;
    }
}

class LatLong : public ParserSessionTest {
protected:
    void ClearBoxes() {
        for (const char* box : {"LatDegreesEdit", "LatMinutesEdit", "LatSecondsEdit", "NSCombo", "LongDegreesEdit",
                                "LongMinutesEdit", "LongSecondsEdit", "EWCombo"})
            Set(box, "");
    }
    // The eight boxes as "deg/min/sec hemisphere deg/min/sec hemisphere".
    std::string Boxes() const {
        return Text("LatDegreesEdit") + "/" + Text("LatMinutesEdit") + "/" + Text("LatSecondsEdit") + " " +
               Text("NSCombo") + " " + Text("LongDegreesEdit") + "/" + Text("LongMinutesEdit") + "/" +
               Text("LongSecondsEdit") + " " + Text("EWCombo");
    }
};

TEST_F(LatLong, ParseLatLongFillsTheBoxes) {
    const struct {
        const char* text;
        const char* boxes;
    } cases[] = {
        {"34° 12' 30\" N 112° 10' 5\" W", "34/12/30 N 112/10/5 W"},
        {"N 34 12 30 W 112 10 5", "34/12/30 N 112/10/5 W"},           // letter before the numbers
        {"34.5 N 112.25 W x", "34.5// N 112.25// W"},                   // decimal degrees
        {"3O deg 15* 2 s 11O DEG 5 e", "30/15/2 S 110/5/ E"},         // deg, star and letter O
        {"Lat. 34 12 30 N", "34/12/30 N // "},                           // latitude only
        {"34 12 30 5", "//  // "},                                       // numbers without a letter write nothing
        {"34°12'30\"N 112°10'5\"W", "34/12/30 N 112/10/5 W"},          // signs part numbers and letters
        {"34.5°N 112.25°W", "34.5// N 112.25// W"},
        {"34.5 N, Long. 112.25 W", "34.5// N 112.25// W"},               // a leading number is never dropped
        {"34 N 112 W 35 N 113 W", "34// N 112// W"},                      // two groups at most
        {"Lat:34 12 30 N, Long:112 10 5 W", "34/12/30 N 112/10/5 W"},
        {"N 34 12 30, W 112 10 5, 181 m", "34/12/30 N 112/10/5 W"},      // no part is above 180
        // Leading words are dropped until a number leads that has another among the three after it.
        {"Lat. 27° 01' N, Long. 108° 56' W", "27/01/ N 108/56/ W"},
        {"LATITUDE 27 01 N LONGITUDE 108 56 W", "27/01/ N 108/56/ W"},  // the words go before O is read as 0
        {"Latitude 62° 52.053'N Longitude 141° 28.497'W", "62/52.053/ N 141/28.497/ W"},
        // ... or that its hemisphere letter closes, numbers between; a road and a distance do not lead.
        {"Lat. 27° N, Long. 108° W", "27// N 108// W"},
        {"Lat. 35.25 N, Long. 111.65 W", "35.25// N 111.65// W"},
        {"Lat. 27°N, Long. 108°30'W", "27// N 108/30/ W"},
        {"Co. Rd. 125, 6.1 mi ENE of US 301 at Lawtey, 30°04'N, 82°09'W; pine scrub", "30/04/ N 82/09/ W"},
        {"SR 21, 1.7 mi N of Huxford at CR 30, 31°14'50\"N, 87°29'47\"W", "31/14/50 N 87/29/47 W"},
        // A number with a degree sign leads whatever follows it, and numbers before it without one
        // are no part of its coordinate; a star parts numbers but marks no degrees.
        {"Lat/Long: 60o09*N, 152°36*W", "60/09/ N 152/36/ W"},
        {"Hwy 22, 29°37'N, 82°18'W", "29/37/ N 82/18/ W"},
        {"54° 54.875' N 159° 15.47°' W", "54/54.875/ N 159/15.47/ W"},  // after degrees, a misread minute mark
        // ... but not before rubbish; degrees misread as letters make their group no coordinate up
        // to its letter, and the numbers before them lose theirs; a sign alone misreads nothing.
        {"bO°[]q. _'Nr t52°_6. q'O", "//  // "},
        {"Islands; 52°55.q'N, l_Z°28'E", "52/55./ N // "},
        {"Aleutian Islands; 52°48.5'H, TZ°QE.B'E", "//  // "},
        {"Hwy 12, d°H 55°17'N 37°40'W", "55/17/ N 37/40/ W"},
        {"circa 55°1'_°N, 37°4'W", "55/1/ N 37/4/ W"},
        // A second latitude or longitude with numbers is passed over; letters alone end as before.
        {"34 N 35 S 112 W", "34// N 112// W"},
        {"N N E 5 5 E x", "// N // "},
        // Township, range and section, in their spellings, with quarter calls, are no coordinate.
        {"T. 10S., R. 20E. 29°37'N 82°18'W", "29/37/ N 82/18/ W"},
        {"T.10S., R.20E., sec. 22, 29°37'N, 82°18'W", "29/37/ N 82/18/ W"},
        {"T 10 s, R 20 e, 29°37'N, 82°18'W", "29/37/ N 82/18/ W"},
        {"Riley Co.: Twp 5 N, Rge 10 E, Sec. 22, 39°12'N 96°34'W", "39/12/ N 96/34/ W"},
        {"Twp. 5N, Rge. 10E 39 12 N 96 34 W", "39/12/ N 96/34/ W"},
        {"Township 12 N, Range 10 E, 44 30 N 93 15 W", "44/30/ N 93/15/ W"},
        {"KTN D-6, Sec,33 SE1/4 of NW 1/4, 55°30'N 131°W", "55/30/ N 131// W"},
        {"Section 14NE, T60S, R83E, 56 40 N 132 50 W", "56/40/ N 132/50/ W"},
        {"Sec 13 SW, 56 40 N 132 50 W", "56/40/ N 132/50/ W"},
        {"Sec. 12 SE¼ NW¼, 34°N 112°W", "34// N 112// W"},
        {"sec. 22 N 29 37 W 82 18", "29/37/ N 82/18/ W"},  // the N of the latitude stays
        {"Salt R. 34°N 112°W", "34// N 112// W"},           // a number with degrees is no range
        {"Brooks Range 68 38 N 149 31 W", "68/38/ N 149/31/ W"},  // a range needs its E or W
        {"x 27 01 ab cd 5 N", "27/01/5 N // "},  // a number next and one three after it
        {"Lat 34 ab cd ef N", "34// N // "},      // four tokens after the drop: nothing more is asked
        {"34 N 181 180 W", "34// N 180// W"},     // 180 is a degree, 181 is not
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        ClearBoxes();
        EXPECT_EQ(ParseLatLong(s, c.text), 1);
        EXPECT_EQ(Boxes(), c.boxes);
    }
}

TEST_F(LatLong, ParseLatLongRejectsWordsAndClearsBoth) {
    Set("LatDegreesEdit", "9");
    Set("LongDegreesEdit", "9");
    EXPECT_EQ(ParseLatLong(s, "5 km N of the river"), 0);
    EXPECT_EQ(Text("LatDegreesEdit"), "");
    EXPECT_EQ(Text("LongDegreesEdit"), "");
    EXPECT_EQ(Text("NSCombo"), "N");
    EXPECT_EQ(Text("EWCombo"), "E");
    EXPECT_EQ(ParseLatLong(s, "34 12 north x"), 0);
    // Too few tokens, and leading words that leave too few.
    EXPECT_EQ(ParseLatLong(s, "12 N"), 0);
    EXPECT_EQ(ParseLatLong(s, "GPS: 34 12 N"), 0);
    EXPECT_EQ(ParseLatLong(s, "a 34 12 N"), 0);  // a one-letter word that is no compass letter is dropped too
    EXPECT_EQ(ParseLatLong(s, "Lat 34 ab cd ef gh N"), 0);  // five after the drop: the words lead nowhere
    // Township, range and section leave too few tokens; a second latitude is passed over and the
    // words after it reject the text.
    for (const char* text :
         {"Cochise County: Chiricahua Mts, T17S R30E Sec 12", "Riley Co.: Twp 5 N, Rge 10 E, Sec. 22",
          "Twp. 5N, Rge. 10E", "KTN D-6, Sec,33 SE1/4 of NW 1/4", "Petersburg Quad D-2, Sec 13 SW, T 58 S, R 81E",
          "tral Br_oks RanSe (63°3._'N,l_9°3_''rf), .S km E or Toolik Lake"}) {
        Set("LatDegreesEdit", "");
        EXPECT_EQ(ParseLatLong(s, text), 0) << text;
        EXPECT_EQ(Text("LatDegreesEdit"), "") << text;
    }
}

TEST_F(LatLong, ParseLatLongLongTextIsSafe) {
    std::string t;
    for (int i = 0; i < 300; ++i) t += "1 a ";
    EXPECT_EQ(ParseLatLong(s, t), 1);
}

// The phase takes the best line that scores more than 4 and more than its description/location/
// habitat score, joined with a coordinate neighbour.
TEST_F(LatLong, PhaseLineChoiceAndNeighbours) {
    const struct {
        const char* label;
        std::vector<std::string> lines;
        std::vector<int> scores;  // coordinate score per line
        int ldh;                  // description/location/habitat score of every line
        const char* boxes;
    } cases[] = {
        {"score 5", {"x", "34 12 30 N 112 10 5 W", "y"}, {0, 5, 0}, 0, "34/12/30 N 112/10/5 W"},
        {"score 4", {"x", "34 12 30 N 112 10 5 W", "y"}, {0, 4, 0}, 0, "//  // "},
        {"ldh as high", {"x", "34 12 30 N 112 10 5 W", "y"}, {0, 8, 0}, 8, "//  // "},
        {"next line scores 3", {"34 12 30 N", "112 10 5 W", "y"}, {9, 3, 0}, 0, "34/12/30 N 112/10/5 W"},
        {"next line scores 2", {"34 12 30 N", "112 10 5 W", "y"}, {9, 2, 0}, 0, "34/12/30 N // "},
        {"line before ends in a digit", {"x", "N 34 12 30", "W 112 10 5"}, {0, 3, 9}, 0, "34/12/30 N 112/10/5 W"},
        {"no digit in its last four", {"x", "34 12 30 lat", "112 10 5 W"}, {0, 3, 9}, 0, "//  112/10/5 W"},
        {"line before too short", {"x", "N 34", "112 10 5 W"}, {0, 3, 9}, 0, "//  112/10/5 W"},
        {"survey line, coordinates next", {"Twp 5 N, Rge 10 E, Sec. 22", "39 12 N 96 34 W"}, {9, 3}, 0,
         "39/12/ N 96/34/ W"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        ClearBoxes();
        SetLines(c.lines);
        for (size_t i = 0; i < c.scores.size(); ++i) {
            s.parser.LineScores[fLatLong][i] = c.scores[i];
            s.parser.LineLDHScore[i] = c.ldh;
        }
        Run(LatLongPhase);
        EXPECT_EQ(Boxes(), c.boxes);
    }
}
