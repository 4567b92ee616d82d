// The OCR text on its way into the label windows: the AutoCorrect list, then double spacing.
#include <gtest/gtest.h>

#include "base/ScriptedDialogs.h"
#include "model/Session.h"
#include "ocr/PhotoCommands.h"

namespace quorl {
namespace {

TEST(PhotoCommands, OcrTextGoesThroughAutoCorrectThenDoubleSpacing) {
    ScriptedDialogs dialogs;
    Session s(dialogs);
    s.AutoCorrectList.push_back({true, false, "0hio", "Ohio"});
    const std::string ocr = "Flora of 0hio\r\n\r\n\r\nCarex\r\nJ. Smith 12\r\n";
    EXPECT_EQ(PrepareOcrText(s, ocr), ocr);  // AutoCorrect off
    s.AutoCorrect = true;
    EXPECT_EQ(PrepareOcrText(s, ocr), "Flora of Ohio\r\n\r\n\r\nCarex\r\nJ. Smith 12\r\n");
    s.DoubleSpace = true;
    EXPECT_EQ(PrepareOcrText(s, ocr), "Flora of Ohio\r\n\r\nCarex\r\n\r\nJ. Smith 12\r\n\r\n");
}

}  // namespace
}  // namespace quorl
