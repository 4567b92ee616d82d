// From the engine's characters to label text: the result record, the choice among passes and
// the repairs of typical misreadings.
#include <gtest/gtest.h>

#include "ParserFixture.h"
#include "fields/FieldAccess.h"
#include "ocr/OcrResult.h"
#include "ocr/OcrSelection.h"
#include "ocr/PassChoice.h"
#include "ocr/PostCorrection.h"

namespace quorl {
namespace {

OcrChar Ch(std::string text, int blanks = 0, uint8_t flags = 0) { return {std::move(text), blanks, flags}; }

TEST(OcrResultToText, BlanksLineAndParagraphEnds) {
    EXPECT_EQ(OcrResultToText(nullptr), "");
    OcrResult empty;
    EXPECT_EQ(OcrResultToText(&empty), "");
    OcrResult r;
    r.chars = {Ch("A"), Ch("b", 3), Ch("c", -2, kOcrLineEnd), Ch("d"), Ch("e", 0, kOcrLineEnd | kOcrParagraphEnd),
               Ch("\xC3\xB1", 1), Ch("o", 0, kOcrParagraphEnd)};
    EXPECT_EQ(OcrResultToText(&r), "A   bc\r\nde\r\n\r\n \xC3\xB1o\r\n");
}

std::vector<BayesClass> Words(std::initializer_list<const char*> words) {
    std::vector<BayesClass> stats;
    for (const char* w : words) stats.push_back(BayesClass{w, 1, {}, {}});
    return stats;
}

TEST(PassChoice, CountsKnownWordsBetweenBlanksOnly) {
    const auto stats = Words({"collected", "near", "rocky", "near"});
    // "Collected" lower-cased is known, "near" counts once per equal entry; "river" is open at
    // the end and not looked up.
    EXPECT_EQ(ScoreOcrText("Collected near the river", stats).known, 3);
    // A line break joins the last word of a line to the first of the next.
    EXPECT_EQ(ScoreOcrText("rocky\r\nnear x", stats).known, 0);
    EXPECT_EQ(ScoreOcrText("rocky  near  x", stats).known, 3);
    EXPECT_EQ(ScoreOcrText("", stats).known, 0);
}

TEST(PassChoice, CountsChangesBetweenLettersAndDigits) {
    const std::vector<BayesClass> none;
    EXPECT_EQ(ScoreOcrText("A1B2", none).mixed, 3);
    EXPECT_EQ(ScoreOcrText("l2345 1998", none).mixed, 1);
    EXPECT_EQ(ScoreOcrText("ab1", none).mixed, 1);
    // The last pair is looked at for a letter before a digit only.
    EXPECT_EQ(ScoreOcrText("1a", none).mixed, 0);
    // Letters outside ASCII are no letters here.
    EXPECT_EQ(ScoreOcrText("\xC3\xA9" "1 x", none).mixed, 0);
}

TEST(PassChoice, MoreKnownWordsWinAndTiesGoToTheLaterPass) {
    PassChoice c;
    EXPECT_TRUE(c.Offer("first", {5, 1}));
    EXPECT_FALSE(c.Offer("more mixed", {6, 1}));
    EXPECT_TRUE(c.Offer("tie", {5, 1}));
    EXPECT_EQ(c.BestText(), "tie");
    EXPECT_TRUE(c.Offer("more known", {9, 2}));
    // The lowest mixed count seen so far stays the bar, even after a pass with more known words.
    EXPECT_FALSE(c.Offer("same known, more mixed than the best ever", {7, 2}));
    EXPECT_TRUE(c.Offer("same known, as mixed", {5, 2}));
    EXPECT_EQ(c.BestText(), "same known, as mixed");

    EXPECT_EQ(PassChoice().ChosenText(), "");
    PassChoice none;
    EXPECT_FALSE(none.Offer("garbage", {1001, 0}));
    EXPECT_EQ(none.ChosenText(), "");
}

TEST(PassChoice, AFailedPassIsNeverChosenOverOneThatRead) {
    PassChoice c;
    c.Failed();
    EXPECT_TRUE(c.Offer("read after a failure", {0, 4}));
    c.Failed();
    EXPECT_EQ(c.ChosenText(), "read after a failure");
    PassChoice failures;
    failures.Failed();
    failures.Failed();
    EXPECT_EQ(failures.ChosenText(), kUnknownOcrError);
}

TEST(PostCorrection, SlashesBecomeLUntilOneStandsFirstLastOrNextToADigit) {
    EXPECT_EQ(PostCorrectOcrText("the /ake a/b"), "the lake alb");
    EXPECT_EQ(PostCorrectOcrText("10/5/2005 a/b"), "10/5/2005 a/b");
    EXPECT_EQ(PostCorrectOcrText("/ake a/b"), "/ake a/b");
    EXPECT_EQ(PostCorrectOcrText("a/b c/"), "alb c/");
    EXPECT_EQ(PostCorrectOcrText("a/b 1/2 c/d"), "alb 1/2 c/d");
}

TEST(PostCorrection, BlankInsideADecimalNumber) {
    EXPECT_EQ(PostCorrectOcrText("21 .5 m, 31 .2"), "21.5 m, 31.2");
    EXPECT_EQ(PostCorrectOcrText("21 . 5"), "21 . 5");
    EXPECT_EQ(PostCorrectOcrText("x1 .5"), "x1 .5");
    // At the very start there is no character before the "1" to look at.
    EXPECT_EQ(PostCorrectOcrText("1 .5 and 21 .5"), "1 .5 and 21 .5");
}

TEST(PostCorrection, CommonMisreadings) {
    EXPECT_EQ(PostCorrectOcrText("elev. 500 tt. Tt."), "elev. 500 ft. Tt.");
    EXPECT_EQ(PostCorrectOcrText("lVlt. Hood"), "Mt. Hood");
    EXPECT_EQ(PostCorrectOcrText("1l2 3o4 5O6 7l"), "112 304 506 7l");
    EXPECT_EQ(PostCorrectOcrText("1l1l1"), "11111");
}

TEST(PostCorrection, KeepsLettersAndBlanksOtherSymbols) {
    EXPECT_EQ(PostCorrectOcrText("Kocourkov\xC3\xA1 & Fj\xC3\xB8rd, \xC5\x81\xC3\xB3" "d\xC5\xBA, A\xC3\xB1o"),
              "Kocourkov\xC3\xA1 & Fj\xC3\xB8rd, \xC5\x81\xC3\xB3" "d\xC5\xBA, A\xC3\xB1o");
    // Degree signs, and the quotation mark read for one, become one blank each.
    EXPECT_EQ(PostCorrectOcrText("41\xC2\xB0" "11'N 74\xE2\x80\x9C" "08'W"), "41 11'N 74 08'W");
    EXPECT_EQ(PostCorrectOcrText("a\xE2\x80\x94" "b \xC3\x97 c"), "a b   c");  // dash, times sign
    // Minute and second marks read as typographic quotes or primes stay marks.
    EXPECT_EQ(PostCorrectOcrText("41\xC2\xB0" "11\xE2\x80\x99N 5\xE2\x80\xB2" "3\xE2\x80\xB3 \xE2\x80\x98x\xE2\x80\x9D"),
              "41 11'N 5'3\" 'x\"");
    // Greek and Cyrillic letters stay, the Greek question mark does not; the ends of the ranges.
    EXPECT_EQ(PostCorrectOcrText("\xCE\x95\xCE\xBB\xCE\xBB\xCE\xAC\xCE\xB4\xCE\xB1\xCD\xBE \xD0\x9C\xD0\xBE\xD1\x81"),
              "\xCE\x95\xCE\xBB\xCE\xBB\xCE\xAC\xCE\xB4\xCE\xB1  \xD0\x9C\xD0\xBE\xD1\x81");
    EXPECT_EQ(PostCorrectOcrText("\xC3\x80\xC9\x8F\xCD\xB0\xC9\x90"), "\xC3\x80\xC9\x8F\xCD\xB0 ");
    // A byte that begins no character is one blank too.
    EXPECT_EQ(PostCorrectOcrText("a\xFF" "b\xC3"), "a b ");
    // A symbol blanked between digits lets no letter rule join them.
    EXPECT_EQ(PostCorrectOcrText("4\xC2\xB0" "l"), "4 l");
}

TEST(PostCorrection, BarcodeDigits) { EXPECT_EQ(CorrectBarcodeText("O1o2 NY\r\n"), "0102 NY\r\n"); }

// The barcode goes in front of the label text under the Barcode field's own start word, which the
// parse takes off again: the field gets the digits alone.
class BarcodeStartTest : public ptest::ParserTest {};

TEST_F(BarcodeStartTest, TheFieldsOwnStartWordIsTakenOffByTheParse) {
    for (auto [words, start] : {std::pair{"barcode", "barcode: "}, {"Barcode:", "Barcode: "}, {" , bc,barcode", "bc: "}}) {
        Def(fBarcode).StartWords = words;
        EXPECT_EQ(BarcodeStart(s), start) << words;
        SetLines({BarcodeStart(s) + "QZV0001234", "Quercus alba"});
        FillByStartOrContainedWord(s, fBarcode);
        EXPECT_EQ(GetFieldText(s, fBarcode), "QZV0001234") << words;
    }
    Def(fBarcode).StartWords = "";
    EXPECT_EQ(BarcodeStart(s), "Barcode: ");
}

}  // namespace
}  // namespace quorl
