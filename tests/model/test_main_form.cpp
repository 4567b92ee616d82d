#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "base/ScriptedDialogs.h"
#include "model/MainForm.h"
#include "model/Session.h"

using namespace quorl;

namespace {
struct MainFormTest : ::testing::Test {
    ScriptedDialogs dialogs;
    Session s{dialogs};
    void SetUp() override {
        BuildMainForm(s.form);
        CreateCustomFieldControls(s.form);
    }
    void Definitions(int n) {
        s.FieldDefinitions.assign(n, LabelFieldClass{});
        for (int i = 30; i < n; ++i) s.FieldDefinitions[i].Name = "User " + std::to_string(i);
    }
};
}  // namespace

TEST_F(MainFormTest, EveryFieldHasItsValueControlAndPasteButton) {
    const std::set<int> withoutButton = {fGenus, fSpecies, fRank, fElevation, fLatLong};
    for (int f = 0; f < kMaxFields; ++f) {
        const char* name = FieldControlName(f);
        ASSERT_NE(name, nullptr);
        // Custom rows are there too, so every field number reaches a control carrying its Tag.
        EXPECT_EQ(s.form.Get(name).tag, f) << name;
        // The named control is the field's first value control in component order.
        const Control* first = nullptr;
        for (auto& c : s.form.Controls())
            if (!first && c->tag == f && c->kind != ControlKind::GroupBox) first = c.get();
        ASSERT_NE(first, nullptr);
        EXPECT_EQ(first->name, name);
        auto buttons = s.form.WithTag(kPasteButtonTagBase + f);
        EXPECT_EQ(buttons.size(), withoutButton.count(f) ? 0u : 1u) << f;
    }
    EXPECT_EQ(FieldControlName(-1), nullptr);
    EXPECT_EQ(FieldControlName(38), nullptr);
    EXPECT_EQ(s.form.Get("Button1").text, "Barcode");
    EXPECT_EQ(s.form.WithTag(fLatLong).size(), 10u);   // 2 group boxes, 6 edits, 2 hemisphere lists
    EXPECT_EQ(s.form.WithTag(fElevation).size(), 6u);  // 2 group boxes, 4 edits
}

TEST_F(MainFormTest, GroupBoxChildren) {
    // Overlaps of the laid-out controls are checked on the real window (window tests).
    EXPECT_EQ(s.form.ChildrenOf("LatitudeGroup").size(), 7u);
    EXPECT_EQ(s.form.Get("NSCombo").parent, "LatitudeGroup");
}

TEST_F(MainFormTest, CustomRowsFollowTheFieldDefinitions) {
    const int rangeTop = s.form.Get("RangeButton").top;
    Definitions(30);
    SetupCustomFields(s);
    for (int j = 0; j < 8; ++j) {
        EXPECT_FALSE(s.form.Get(CustomEditName(j)).visible);
        EXPECT_EQ(s.form.Get(CustomButtonName(j)).text, "Custom " + std::to_string(j + 1));
    }
    EXPECT_EQ(s.form.Get("NotesMemo").top, s.form.clientHeight - 90);
    EXPECT_EQ(s.form.Get("NotesMemo").height, 80);

    Definitions(31);
    SetupCustomFields(s);
    EXPECT_TRUE(s.form.Get("CustomEdit0").visible);
    EXPECT_FALSE(s.form.Get("CustomEdit1").visible);
    EXPECT_EQ(s.form.Get("CustomButton0").text, "User 30");
    EXPECT_EQ(s.form.Get("NotesMemo").top, rangeTop + 56);
    EXPECT_EQ(s.form.Get("NotesButton").top, rangeTop + 56);

    Definitions(38);
    SetupCustomFields(s);
    EXPECT_TRUE(s.form.Get("CustomEdit7").visible);
    EXPECT_EQ(s.form.Get("NotesMemo").top, rangeTop + 140);
    // Odd user fields stand in the right column, rows 28 apart.
    EXPECT_EQ(s.form.Get("CustomEdit1").left - s.form.Get("CustomEdit0").left, 238);
    EXPECT_EQ(s.form.Get("CustomEdit2").top - s.form.Get("CustomEdit0").top, 28);
    EXPECT_EQ(s.form.Get("CustomEdit0").top, rangeTop + 28);

    // Tab order among the window's own controls: the user-field edits right after the County list,
    // their buttons after everything else.
    std::vector<const Control*> tab;
    for (auto& c : s.form.Controls())
        if (c->parent.empty()) tab.push_back(c.get());
    std::stable_sort(tab.begin(), tab.end(), [](auto a, auto b) { return a->tabOrder < b->tabOrder; });
    auto parish = std::find_if(tab.begin(), tab.end(), [](auto c) { return c->name == "ParishCombo"; });
    ASSERT_LT(parish + 8, tab.end());
    for (int j = 0; j < 8; ++j) {
        EXPECT_EQ((*(parish + 1 + j))->name, CustomEditName(j));
        EXPECT_EQ(tab[tab.size() - 8 + j]->name, CustomButtonName(j));
    }
}

TEST(FormRules, EditsRunTheirHandlerListsDoNot) {
    ScriptedDialogs d;
    Session s(d);
    BuildMainForm(s.form);
    int edits = 0, lists = 0;
    s.form.OnChange("CollectorEdit", [&] { ++edits; });
    s.form.OnChange("FamilyCombo", [&] { ++lists; });
    s.form.SetText("CollectorEdit", "Smith");
    s.form.SetText("CollectorEdit", "Smith");  // unchanged text: no change event
    s.form.SetItems("FamilyCombo", {"Select Family", "Asteraceae"});
    s.form.SetText("FamilyCombo", "Asteraceae");
    s.form.SetItemIndex("FamilyCombo", 0);
    EXPECT_EQ(edits, 1);
    EXPECT_EQ(lists, 0);
    s.form.UserSelectItem("FamilyCombo", 1);
    EXPECT_EQ(lists, 1);
    EXPECT_EQ(s.form.Get("FamilyCombo").text, "Asteraceae");
    EXPECT_EQ(s.form.Get("FamilyCombo").itemIndex, 1);
}
