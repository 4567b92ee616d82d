// The cutting of labels into lines, of batch files into labels, and the AutoCorrect list work in
// one pass over the text. Each must give exactly what cutting one token at a time off the front
// of the text (and searching the text once per entry) gives: checked on random texts built from
// the characters that matter to them.
#include <gtest/gtest.h>

#include <random>

#include "ParserFixture.h"
#include "base/Letters.h"
#include "base/Text.h"
#include "commands/BatchMode.h"
#include "model/AutoCorrect.h"
#include "parser/FillLabelChunks.h"

using namespace quorl;

namespace {

std::string RandomText(std::mt19937& rng, const std::vector<std::string>& pieces, int maxPieces) {
    std::uniform_int_distribution<int> count(0, maxPieces);
    std::uniform_int_distribution<size_t> piece(0, pieces.size() - 1);
    std::string text;
    for (int i = count(rng); i > 0; --i) text += pieces[piece(rng)];
    return text;
}

// The label's lines as cutting one line at a time off the front of the text gives them.
std::vector<std::string> LinesOneAtATime(std::string text) {
    std::vector<std::string> lines;
    do {
        std::string line = NextToken(text, "\n", true);
        if (!line.empty() && lines.size() < static_cast<size_t>(kMaxLabelLines)) lines.push_back(line);
    } while (!text.empty());
    return lines;
}

// The batch file's labels as cutting one line at a time off the front of the text, and putting
// back a line that opens the next label, gives them.
std::vector<std::string> LabelsOneAtATime(std::string rest) {
    auto barcode = [](const std::string& line) { return line.substr(Pos(kBatchMarker, line) - 1, 10); };
    std::vector<std::string> labels;
    std::string label, code;
    while (rest.size() > 2) {
        std::string line = NextToken(rest, "\r\n", true);
        if (!Contains(line, kBatchMarker) || code.empty()) {
            if (Contains(line, kBatchMarker)) code = barcode(line);
            label += line + "\r\n";
            continue;
        }
        if (barcode(line) == code)
            label += line + "\r\n";
        else
            rest = line + "\r\n" + rest;
        code.clear();
        labels.push_back(label);
        label.clear();
    }
    if (!Trim(rest).empty()) label += Trim(rest) + "\r\n";
    if (!Trim(label).empty()) labels.push_back(label);
    return labels;
}

// Every entry searched for in the whole text, in list order.
std::string ReplacedEntryByEntry(const std::vector<ReplacementClass>& list, std::string text) {
    for (const ReplacementClass& r : list) {
        if (r.From.empty() || !(r.CaseSensitive ? Contains(text, r.From) : ContainsAnyCase(text, r.From))) continue;
        auto replace = [&](const std::string& from, const std::string& to) {
            text = r.CaseSensitive ? ReplaceAll(text, from, to) : ReplaceAllAnyCase(text, from, to);
        };
        if (!r.WholeWord) {
            replace(r.From, r.To);
            continue;
        }
        for (char a : std::string(" \r\n-"))
            for (char b : std::string(" ,.:;\r\n-")) replace(a + r.From + b, a + r.To + b);
    }
    return text;
}

class LargeInputs : public quorl::ptest::ParserTest {};

TEST_F(LargeInputs, LabelLinesAreThoseOfCuttingOneLineAtATime) {
    std::mt19937 rng(17);
    const std::vector<std::string> pieces = {"\n", "\r\n", "\r", " ", "\t", "ab", "Quercus", "x", "\n\n", "  "};
    dialogs.fallbackAnswer = DialogButton::Cancel;  // no parse after the cut
    for (int round = 0; round < 300; ++round) {
        const std::string text = RandomText(rng, pieces, round < 290 ? 30 : 600);
        s.LabelText = text;
        s.parser.LabelChunks.clear();
        FillLabelChunks(s);
        ASSERT_EQ(s.parser.LabelChunks, LinesOneAtATime(text)) << ::testing::PrintToString(text);
    }
}

TEST(LargeInputsBatch, LabelsAreThoseOfCuttingOneLineAtATime) {
    std::mt19937 rng(18);
    const std::vector<std::string> pieces = {"\r\n", "\n", "\r", " ", "QZV0000001", "QZV0000002", "QZV00",
                                             "x QZV0000001", "Carex", "ab", "\r\n\r\n"};
    for (int round = 0; round < 2000; ++round) {
        const std::string text = RandomText(rng, pieces, 40);
        ASSERT_EQ(SplitBatchLabels(text), LabelsOneAtATime(text)) << ::testing::PrintToString(text);
    }
}

TEST(LargeInputsAutoCorrect, ResultsAreThoseOfSearchingEntryByEntry) {
    std::mt19937 rng(19);
    const std::vector<std::string> textPieces = {" ", "\r\n", "\n", "-", ",", ".", ":", ";", "Co", "co", "CO",
                                                 "Mtn", "mtn", "sp", "sp.", "Été", "été", "ÉTÉ", "x"};
    const std::vector<std::string> fromPieces = {"Co", "co", "Mtn", "sp", ".", " ", "-", "x", "Été", "Co Co"};
    const std::vector<std::string> toPieces = {"", "County", "co", " ", "-", "Mountain x", "sp.", ",Co"};
    std::uniform_int_distribution<int> flags(0, 3), entries(1, 6);
    for (int round = 0; round < 3000; ++round) {
        std::vector<ReplacementClass> list;
        for (int i = entries(rng); i > 0; --i) {
            const int f = flags(rng);
            list.push_back({(f & 1) != 0, (f & 2) != 0 || i % 2 == 0, RandomText(rng, fromPieces, 2),
                            RandomText(rng, toPieces, 2)});
        }
        const std::string text = RandomText(rng, textPieces, 25);
        ASSERT_EQ(ApplyReplacements(list, text), ReplacedEntryByEntry(list, text))
            << ::testing::PrintToString(text) << " round " << round;
    }
}

TEST(LargeInputsAutoCorrect, WordsMadeByEarlierEntriesAreFoundByLaterOnes) {
    // A replacement anywhere in a word can make a word that a later whole-word entry finds...
    const std::vector<ReplacementClass> split = {
        {true, true, "Co", "County"}, {false, false, "x", " "}, {true, true, "Mtn", "Mountain"}};
    EXPECT_EQ(ApplyReplacements(split, " Mtnx Co"), " Mountain  Co");  // "Co" has no character after it
    // ...and so can a whole-word replacement.
    const std::vector<ReplacementClass> chain = {{false, true, "Co", "Cty Mtn"}, {true, true, "Mtn", "Mountain"}};
    EXPECT_EQ(ApplyReplacements(chain, " co."), " Cty Mountain.");
}

}  // namespace

TEST(LargeInputsAutoCorrect, EntriesThatWouldMultiplyTheTextWithoutEndAreLeftOut) {
    // Each entry finds its own From in its To: applied one after the other they would multiply
    // the text thirty times over.
    std::vector<ReplacementClass> list(30, ReplacementClass{false, false, "0", "0 0 0"});
    list.push_back({false, false, "Elev", "Elevation"});
    const std::string text = "Elev. 1000 m\r\n";
    const std::string corrected = ApplyReplacements(list, text);
    EXPECT_LE(corrected.size(), MaxCorrectedLength(text.size()));
    EXPECT_EQ(corrected.find("Elevation. 1"), 0u);  // entries before and after still apply
    // The same for whole-word entries, whose a/b rounds could multiply it within one entry.
    const std::vector<ReplacementClass> words(30, ReplacementClass{false, true, "x", "x x x"});
    EXPECT_LE(ApplyReplacements(words, " x x x x \r\n").size(), MaxCorrectedLength(12));
}
