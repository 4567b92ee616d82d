#include <gtest/gtest.h>

#include "ParserFixture.h"
#include "base/Text.h"
#include "editors/AnalyzeTool.h"
#include "fields/Trace.h"
#include "parser/FillLabelChunks.h"

using namespace quorl;

namespace {

class AnalyzeToolTest : public ptest::ParserTest {
protected:
    AnalyzeToolTest() {
        s.form.SetText("RichEdit1", "Flora of Peru\r\nQuercus alba\r\nMoist woods near the river\r\nJ. Smith 123\r\n"
                                    "12 May 1998\r\nQZV0001234");
    }
};

TEST_F(AnalyzeToolTest, AnalyzeParsesOnceAndShowsTheChosenFieldsExplanation) {
    AnalyzeField(s, fBarcode);
    ASSERT_EQ(dialogs.traces.size(), 1u);
    EXPECT_EQ(dialogs.traces[0].rfind("Analyzing Barcode\r\n", 0), 0u);
    EXPECT_FALSE(s.trace.Trace);  // for one parse only
    EXPECT_FALSE(s.parser.LabelChunks.empty());
    ParseLabelWindow(s);
    EXPECT_EQ(dialogs.traces.size(), 1u);
}

TEST_F(AnalyzeToolTest, CancelAndTheFrameLeaveTheNextParseUnexplained) {
    StartTrace(s, fDescription);  // what the menu command sets before the window opens
    CancelAnalyze(s);
    ParseLabelWindow(s);
    EXPECT_TRUE(dialogs.traces.empty());
    AnalyzeField(s, kBuiltInFields);  // a user field cannot be chosen
    EXPECT_TRUE(dialogs.traces.empty());
}

}  // namespace
