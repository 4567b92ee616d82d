// Scaling the main window's controls from their design positions: the limits the window test
// (resizing to 1.5 times through the real window) does not reach.
#include <gtest/gtest.h>

#include "ParserFixture.h"
#include "fields/WindowScaling.h"

using namespace quorl;

class WindowScalingTest : public ptest::ParserTest {
protected:
    WindowScalingTest() {
        SetupCustomFields(s);
        RecordControlPositions(s);
    }
    struct Box {
        int left, top, width, height;
        bool operator==(const Box&) const = default;
    };
    Box At(const char* name) {
        const Control& c = s.form.Get(name);
        return {c.left, c.top, c.width, c.height};
    }
    void Resize(int& w, int& h) { FormResize(s, w, h); }
};

TEST_F(WindowScalingTest, NeverBelowTheDesignSizeAndUnevenFactors) {
    const Box label = At("RichEdit1");
    int w = 10, h = s.DesignHeight * 2;
    Resize(w, h);
    EXPECT_EQ(w, s.DesignWidth);
    EXPECT_EQ(s.form.width, s.DesignWidth);
    EXPECT_EQ(At("RichEdit1"), (Box{label.left, label.top * 2, label.width, label.height * 2}));
    EXPECT_EQ(s.form.Get("ParseOnlyButton").fontSize, 12);  // trunc(4 * (1 + 2))
    // Laid out again in the larger window, the notes row stands at its bottom.
    ASSERT_EQ(s.FieldDefinitions.size(), 30u);
    SetupCustomFields(s);
    EXPECT_EQ(s.form.Get("NotesMemo").top, h - 90);
    EXPECT_EQ(s.form.Get("NotesMemo").height, 80);
    // A slightly larger window: 4 * (1.1 + 1.1) = 8.8 stays at 8, regular.
    w = s.DesignWidth * 11 / 10;
    h = s.DesignHeight * 11 / 10;
    Resize(w, h);
    EXPECT_EQ(s.form.Get("ParseOnlyButton").fontSize, 8);
    EXPECT_FALSE(s.form.Get("ParseOnlyButton").fontBold);
}

TEST_F(WindowScalingTest, CaptionsTurnBoldFromSizeNine) {
    struct Case {
        int heightPercent;  // of the design height, at the design width
        int size;           // trunc(4 * (1 + height factor))
        bool bold;
    };
    for (const Case c : {Case{120, 8, false}, Case{130, 9, true}, Case{150, 10, true}, Case{100, 8, false}}) {
        int w = s.DesignWidth, h = s.DesignHeight * c.heightPercent / 100;
        Resize(w, h);
        for (const char* caption : {"ParseOnlyButton", "ImageNumLabel"}) {
            EXPECT_EQ(s.form.Get(caption).fontSize, c.size) << caption << " at " << c.heightPercent << "%";
            EXPECT_EQ(s.form.Get(caption).fontBold, c.bold) << caption << " at " << c.heightPercent << "%";
        }
    }
}

TEST_F(WindowScalingTest, NothingBeforeThePositionsAreRecorded) {
    s.ControlPositions.clear();
    const Box label = At("RichEdit1");
    int w = 3000, h = 3000;
    Resize(w, h);
    EXPECT_EQ(At("RichEdit1"), label);
}
