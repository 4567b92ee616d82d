#pragma once
// A Session with the real main window's controls, a scripted Dialogs port and a fresh program
// folder, for the record writer and learning tests.
#include <filesystem>
#include <string>

#include "LoaderTestSupport.h"
#include "model/Records.h"

namespace quorl::testing {

class RecordFixture : public ::testing::Test {
protected:
    ScriptedDialogs dialogs;
    Session s{dialogs};
    std::filesystem::path dir;

    void SetUp() override {
        dir = MakeTempFolder();
        s.ProgramFolder = dir;
        s.UserFolder = dir;
        s.Debug = false;
        BuildMainForm(s.form);
        CreateCustomFieldControls(s.form);
    }

    void TearDown() override {
        if (!HasFailure()) std::filesystem::remove_all(dir);
    }

    // Adds an output column; key "18.5" or "3".
    void Column(const std::string& key, bool enabled, const std::string& label, const std::string& name,
                bool numeric = false) {
        OutputFormatClass c;
        size_t dot = key.find('.');
        c.FieldIndex = std::stoi(key.substr(0, dot));
        c.SubIndex = dot == std::string::npos ? 0 : std::stoi(key.substr(dot + 1));
        c.Enabled = enabled;
        c.Numeric = numeric;
        c.Label = label;
        c.DatabaseName = name;
        c.Order = static_cast<int>(s.OutputColumns.size());
        s.OutputColumns.push_back(c);
    }

    // Several columns at once: {key, label, name[, numeric[, enabled]]}.
    struct ColumnSpec {
        const char* key;
        const char* label;
        const char* name;
        bool numeric = false;
        bool enabled = true;
    };
    void Columns(std::initializer_list<ColumnSpec> specs) {
        for (const ColumnSpec& c : specs) Column(c.key, c.enabled, c.label, c.name, c.numeric);
    }

    void Set(const std::string& control, const std::string& text) { s.form.SetText(control, text); }
    std::string Box(const std::string& control) const { return s.form.Get(control).text; }

    std::filesystem::path RecordPath() const { return dir / s.OutputFileName; }

    std::string RecordFile() const { return ReadFile(RecordPath()); }
};

}  // namespace quorl::testing
