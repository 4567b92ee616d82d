// The parser's rules count characters, not bytes: a letter of two, three or four UTF-8 bytes weighs
// as one. Each rule gives for a text the result it gives for the same text with every such
// letter replaced by a one-byte stand-in that no rule takes for a letter, digit or sign.
#include <gtest/gtest.h>

#include "ParserFixture.h"
#include "base/Text.h"
#include "parser/AutoSplit.h"
#include "parser/CollectionNumber.h"
#include "parser/Coordinates.h"
#include "parser/DateRecognizer.h"
#include "parser/Elevation.h"
#include "parser/FillLabelChunks.h"
#include "parser/LatinScore.h"
#include "parser/NameScore.h"

namespace quorl::ptest {
namespace {

// Every character beyond ASCII but the degree sign becomes "~".
std::string StandIn(const std::string& t) {
    std::string out;
    for (size_t i = 0; i < t.size();) {
        const size_t next = CharsForward(t, i, 1);
        const std::string_view c = std::string_view(t).substr(i, next - i);
        out += (c.size() == 1 || c == "°") ? std::string(c) : "~";
        i = next;
    }
    return out;
}

class CharacterRules : public ParserTest {
protected:
    void SetUp() override {
        Def(fElevation).StartWords = "elev,elevation";
        Def(fCollectionNumber).StartWords = "no.";
    }
    // What every rule makes of the text, as one text.
    std::string Outcome(const std::string& text) {
        for (const char* box : {"ElevMetersLowEdit", "ElevFeetLowEdit", "NumberEdit", "PrefixEdit", "SuffixEdit"})
            Set(box, "");
        std::string o = std::to_string(LatLongScore(text)) + "|" + std::to_string(CompassLetterScore(text, 'N')) +
                        "|" + std::to_string(NameScore(s, text)) + "|" + std::to_string(LatinScore(text)) + "|";
        std::string line = text;
        o += ExtractDate(s, line) + "|" + line + "|";
        o += FindElevation(s, text) + "|" + Text("ElevMetersLowEdit") + "|" + Text("ElevFeetLowEdit") + "|";
        std::string number = text;
        o += std::to_string(FindCollectionNumber(s, number)) + "|" + Text("PrefixEdit") + "|" + Text("SuffixEdit") + "|";
        o += AutoSplitText(s, text) + "|";
        s.LabelText = text;
        FillLabelChunks(s);
        for (const std::string& l : s.parser.LabelChunks) o += l + "/";
        return o;
    }
};

TEST_F(CharacterRules, ALetterOfSeveralBytesCountsAsOneCharacter) {
    dialogs.fallbackAnswer = DialogButton::Cancel;  // short labels: no parse after the cut
    const char* const texts[] = {
        "Cerro Tancítaro, Michoacán 2300 m",
        "Éx 12 Ñov 1998 ñ, leg. J. Núñez",
        "É-1234 Núñez",
        "ñ-4321-abcdéfghíjklm",
        "No. 4567 ñ x",
        "N 33 ñ 12 W é",
        "ñóx sea level",
        "Road to Łódź near 北京 Elev. ñó 1200 ft; dry slope, oak woodland; wet meadow with sedges",
        "Dvořák 33 ñ N 112 é W 1500 ñ",
        "Lat ÉÉ 33 12 N, long 112 30 W, elevation 2000 m, on rocks",
    };
    for (const char* t : texts) EXPECT_EQ(StandIn(Outcome(t)), Outcome(StandIn(t))) << t;
}

TEST_F(CharacterRules, TheDegreeSignIsOneCharacterBetweenNumberAndHemisphere) {
    EXPECT_EQ(CompassLetterScore("33°  N", 'N'), 3);  // four characters from the digit, six bytes
    EXPECT_EQ(CompassLetterScore("33°   N", 'N'), 0);
    EXPECT_GT(LatLongScore("33°12' N"), LatLongScore("33 12 N"));
    ParseLatLong(s, "34°12'30\" N 112°10'5\" W°");
    EXPECT_EQ(Text("LatDegreesEdit") + "/" + Text("LongSecondsEdit") + Text("EWCombo"), "34/5W");
}

}  // namespace
}  // namespace quorl::ptest
