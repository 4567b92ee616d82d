// Batch mode: cutting a batch file into labels at its barcode lines, and the command that parses
// each label in turn.
#include <gtest/gtest.h>

#include <fstream>

#include "ParserFixture.h"
#include "commands/BatchMode.h"

using namespace quorl;
using V = std::vector<std::string>;

TEST(SplitBatchLabels, NextBarcodeLineOpensTheNextLabel) {
    // Label A (barcode line last), then label B, whose own barcode line no later one closes.
    const std::string file =
        "Flora of Ohio\r\nCarex lurida\r\nQZV0000001 \r\nFlora of Utah\r\nJuncus tenuis\r\nQZV0000002\r\nwet meadow\r\n";
    V labels = SplitBatchLabels(file);
    ASSERT_EQ(labels.size(), 2u);
    // A runs up to the barcode line of B; B starts with it and is parsed although nothing closes it.
    EXPECT_EQ(labels[0], "Flora of Ohio\r\nCarex lurida\r\nQZV0000001\r\nFlora of Utah\r\nJuncus tenuis\r\n");
    EXPECT_EQ(labels[1], "QZV0000002\r\nwet meadow\r\n");
}

TEST(SplitBatchLabels, RepeatedBarcodeClosesItsLabel) {
    const std::string file = "QZV0000007 top\r\nSalix nigra\r\nbarcode QZV0000007\r\nQZV0000008\r\nAcer rubrum\r\nQZV0000008\r\n";
    V labels = SplitBatchLabels(file);
    ASSERT_EQ(labels.size(), 2u);
    EXPECT_EQ(labels[0], "QZV0000007 top\r\nSalix nigra\r\nbarcode QZV0000007\r\n");
    EXPECT_EQ(labels[1], "QZV0000008\r\nAcer rubrum\r\nQZV0000008\r\n");
}

TEST(SplitBatchLabels, LastLineWithoutLineEndAndEmptyTails) {
    EXPECT_EQ(SplitBatchLabels("QZV0000001\r\nab"), (V{"QZV0000001\r\nab\r\n"}));
    EXPECT_EQ(SplitBatchLabels("QZV0000001\r\nx\r\nQZV0000001\r\n\r\n\r\n"), (V{"QZV0000001\r\nx\r\nQZV0000001\r\n"}));
    EXPECT_TRUE(SplitBatchLabels("").empty());
    EXPECT_TRUE(SplitBatchLabels("\r\n\r\n").empty());
    // The marker is case-sensitive.
    EXPECT_EQ(SplitBatchLabels("qzv0000001\r\nx\r\n"), (V{"qzv0000001\r\nx\r\n"}));
}

class BatchModeTest : public ptest::ParserTest {};

TEST_F(BatchModeTest, ParsesEveryLabelAndPausesOnEach) {
    s.BatchPauseMs = 25;
    s.AutoCorrect = true;
    s.AutoCorrectList = {ReplacementClass{true, true, "Uta", "Utah"}};
    dialogs.files = {Write("batch.txt",
                           "Flora of Ohio\r\nCarex lurida\r\nwet ditch\r\nQZV0000001\r\n"
                           "QZV0000002\r\nFlora of Uta\r\nJuncus tenuis\r\nsandy shore\r\n")};
    s.form.SetText("PhenologyEdit", "left over");
    BatchMode1Click(s);
    EXPECT_EQ(dialogs.pauses, (std::vector<int>{25, 25}));
    ASSERT_FALSE(dialogs.messages.empty());
    EXPECT_EQ(dialogs.messages.back(), "Batch file complete.");
    EXPECT_EQ(dialogs.fileFolders, (std::vector<std::filesystem::path>{s.ProgramFolder}));
    // The window shows the last label, corrected and parsed; the fields were cleared first.
    EXPECT_EQ(s.form.Get("RichEdit1").text, "QZV0000002\r\nFlora of Utah\r\nJuncus tenuis\r\nsandy shore\r\n");
    ASSERT_EQ(s.parser.LineCount(), 4);
    EXPECT_EQ(s.form.Get("PhenologyEdit").text, "");
}

TEST_F(BatchModeTest, CancelledOrUnreadableFileParsesNothing) {
    BatchMode1Click(s);
    EXPECT_EQ(dialogs.messages, (V{"Batch file complete."}));
    dialogs.messages.clear();
    dialogs.files = {s.ProgramFolder / "missing.txt"};
    EXPECT_NO_THROW(BatchMode1Click(s));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].rfind("Unable to open file: ", 0), 0u);
    EXPECT_TRUE(dialogs.pauses.empty());
}
