#pragma once
// A Session with the real main window's controls, a scripted Dialogs port and a fresh program
// folder, for the record writer and learning tests.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "model/MainForm.h"
#include "model/Records.h"
#include "model/ScriptedDialogs.h"
#include "model/Session.h"

namespace quorl::testing {

class RecordFixture : public ::testing::Test {
protected:
    ScriptedDialogs dialogs;
    Session s{dialogs};
    std::filesystem::path dir;

    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir = std::filesystem::temp_directory_path() /
              ("quorl-records-" + std::string(info->test_suite_name()) + "-" + info->name());
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
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

    void Set(const std::string& control, const std::string& text) { s.form.SetText(control, text); }
    std::string Box(const std::string& control) const { return s.form.Get(control).text; }

    std::filesystem::path RecordPath() const { return dir / s.OutputFileName; }

    std::string ReadBytes(const std::filesystem::path& p) const {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    std::string RecordFile() const { return ReadBytes(RecordPath()); }

    void WriteBytes(const std::filesystem::path& p, const std::string& bytes) const {
        std::ofstream out(p, std::ios::binary | std::ios::trunc);
        out << bytes;
    }
};

}  // namespace quorl::testing
