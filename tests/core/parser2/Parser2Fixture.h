#pragma once
// A Session with the main window built, thirty empty field definitions and a scripted dialog port,
// for the tests of the extractors and phases.
#include <gtest/gtest.h>

#include <string>

#include "model/MainForm.h"
#include "model/ScriptedDialogs.h"
#include "model/Session.h"

namespace quorl::test {

class ParserSessionTest : public ::testing::Test {
protected:
    ParserSessionTest() : s(dialogs) {
        BuildMainForm(s.form);
        CreateCustomFieldControls(s.form);
        s.FieldDefinitions.resize(kBuiltInFields);
        for (auto& d : s.FieldDefinitions) {
            d.Minimum = 0;
            d.Maximum = 50;
        }
        s.Debug = false;
    }
    std::string Text(const char* control) const { return s.form.Get(control).text; }
    void Set(const char* control, const std::string& text) { s.form.SetText(control, text); }

    ScriptedDialogs dialogs;
    Session s;
};

}  // namespace quorl::test
