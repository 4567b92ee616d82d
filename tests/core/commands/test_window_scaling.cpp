// Scaling the main window's controls from their design positions, and the field font.
#include <gtest/gtest.h>

#include "../parser/ParserFixture.h"
#include "record/WindowScaling.h"

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

TEST_F(WindowScalingTest, OneAndAHalfTimesScalesEveryControlAndTheCaptionFont) {
    const Box label = At("RichEdit1"), paste = At("CollectorButton"), group = At("LatitudeGroup"),
              inner = At("LatMinutesEdit"), notes = At("NotesMemo");
    int w = s.DesignWidth * 3 / 2, h = s.DesignHeight * 3 / 2;
    Resize(w, h);
    auto scaled = [](Box b) { return Box{b.left * 3 / 2, b.top * 3 / 2, b.width * 3 / 2, b.height * 3 / 2}; };
    EXPECT_EQ(At("RichEdit1"), scaled(label));
    EXPECT_EQ(At("CollectorButton"), scaled(paste));
    EXPECT_EQ(At("LatitudeGroup"), scaled(group));
    EXPECT_EQ(At("LatMinutesEdit"), scaled(inner));  // inside its group box
    EXPECT_EQ(At("NotesMemo"), scaled(notes));
    for (const char* name : {"CollectorButton", "ImageNumLabel", "LatitudeGroup", "ParseOnlyButton"}) {
        EXPECT_EQ(s.form.Get(name).fontSize, 12) << name;
        EXPECT_TRUE(s.form.Get(name).fontBold) << name;
    }
    // Field controls keep the font of the Font group.
    EXPECT_EQ(s.form.Get("CollectorEdit").fontSize, 0);

    // Back to the design size: design positions and the regular 8-point font.
    w = s.DesignWidth;
    h = s.DesignHeight;
    Resize(w, h);
    EXPECT_EQ(At("RichEdit1"), label);
    EXPECT_EQ(At("LatMinutesEdit"), inner);
    EXPECT_EQ(s.form.Get("CollectorButton").fontSize, 8);
    EXPECT_FALSE(s.form.Get("CollectorButton").fontBold);
}

TEST_F(WindowScalingTest, NeverBelowTheDesignSizeAndUnevenFactors) {
    const Box label = At("RichEdit1");
    int w = 10, h = s.DesignHeight * 2;
    Resize(w, h);
    EXPECT_EQ(w, s.DesignWidth);
    EXPECT_EQ(s.form.width, s.DesignWidth);
    EXPECT_EQ(At("RichEdit1"), (Box{label.left, label.top * 2, label.width, label.height * 2}));
    EXPECT_EQ(s.form.Get("ParseOnlyButton").fontSize, 12);  // trunc(4 * (1 + 2))
    // A slightly larger window: 4 * (1.1 + 1.1) = 8.8 stays at 8, regular.
    w = s.DesignWidth * 11 / 10;
    h = s.DesignHeight * 11 / 10;
    Resize(w, h);
    EXPECT_EQ(s.form.Get("ParseOnlyButton").fontSize, 8);
    EXPECT_FALSE(s.form.Get("ParseOnlyButton").fontBold);
}

TEST_F(WindowScalingTest, NothingBeforeThePositionsAreRecorded) {
    s.ControlPositions.clear();
    const Box label = At("RichEdit1");
    int w = 3000, h = 3000;
    Resize(w, h);
    EXPECT_EQ(At("RichEdit1"), label);
}

TEST_F(WindowScalingTest, FieldFontFromTheFontGroup) {
    s.form.SetText("FontEdit", "12");
    s.form.Get("BoldCheck").checked = true;
    SetFieldFont(s);
    for (const char* name : {"CollectorEdit", "NotesMemo", "FamilyCombo", "LatDegreesEdit", "CustomEdit3"}) {
        EXPECT_EQ(s.form.Get(name).fontSize, 12) << name;
        EXPECT_TRUE(s.form.Get(name).fontBold) << name;
    }
    EXPECT_EQ(s.form.Get("CollectorButton").fontSize, 0);
    EXPECT_EQ(s.form.Get("RichEdit1").fontSize, 0);
    s.form.Get("BoldCheck").checked = false;
    s.form.SetText("FontEdit", "8");
    SetFieldFont(s);
    EXPECT_EQ(s.form.Get("CollectorEdit").fontSize, 8);
    EXPECT_FALSE(s.form.Get("CollectorEdit").fontBold);
}
