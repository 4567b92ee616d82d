#pragma once
// Shared by the parser tests: a Session over the main window's controls with scripted dialogs,
// the 30 built-in field definitions, the cascading lists bound, and a temporary user folder
// that receives Log.txt.
#include <string>
#include <vector>

#include "LoaderTestSupport.h"
#include "fields/CascadingLists.h"
#include "fields/FieldAccess.h"
#include "parser/Phases.h"

namespace quorl::ptest {

class ParserTest : public ::testing::Test {
protected:
    ParserTest() {
        folder_ = quorl::testing::MakeTempFolder();
        s.UserFolder = folder_;
        s.ProgramFolder = folder_;
        BuildMainForm(s.form);
        CreateCustomFieldControls(s.form);
        for (int f = 0; f < kBuiltInFields; ++f) {
            LabelFieldClass d;
            d.Name = FieldNames[static_cast<size_t>(f)];
            s.FieldDefinitions.push_back(d);
        }
        s.form.SetItems("RankCombo", {"f.", "form", "forma", "ssp.", "subsp.", "var."});
        BindCascadingLists(s);
    }
    ~ParserTest() override {
        std::error_code ec;
        std::filesystem::remove_all(folder_, ec);
    }

    LabelFieldClass& Def(int field) { return s.FieldDefinitions[static_cast<size_t>(field)]; }
    std::string Text(const char* control) const { return s.form.Get(control).text; }
    std::string F(int field) { return GetFieldText(s, field); }
    // Writes a file into the program folder and gives its path.
    std::filesystem::path Write(const std::string& name, const std::string& text) {
        quorl::testing::WriteFile(folder_ / name, text);
        return folder_ / name;
    }
    void Run(void (*phase)(Session&, PhaseState&)) {
        PhaseState ps;
        phase(s, ps);
    }
    void Set(const char* control, const std::string& text) { s.form.SetText(control, text); }
    void SetLines(std::vector<std::string> lines) { s.parser.LabelChunks = std::move(lines); }
    const Control& C(const char* name) { return s.form.Get(name); }
    std::string LogText() const { return quorl::testing::ReadFile(folder_ / "Log.txt"); }
    // PlantList with one family per entry: {family, {{genus, {species...}}...}}.
    struct Genus {
        std::string name;
        std::vector<std::string> species;
    };
    void AddFamily(const std::string& name, const std::vector<Genus>& genera) {
        FamilyClass f;
        f.Name = name;
        for (const Genus& g : genera) {
            FamilyClass gn;
            gn.Name = g.name;
            for (const std::string& sp : g.species) gn.Children.push_back(FamilyClass{sp, {}});
            f.Children.push_back(gn);
        }
        s.PlantList.push_back(f);
        s.form.AddItem("FamilyCombo", name);
    }
    struct State {
        std::string name;
        std::vector<std::string> counties;
    };
    void AddCountry(const std::string& name, const std::vector<State>& states) {
        CountryClass c;
        c.Name = name;
        for (const State& st : states) {
            CountryClass sn;
            sn.Name = st.name;
            for (const std::string& county : st.counties) {
                CountryClass cn;
                cn.Name = county;
                sn.Children.push_back(cn);
            }
            c.Children.push_back(sn);
        }
        s.CountryList.push_back(c);
        s.form.AddItem("CountryCombo", name);
    }

    ScriptedDialogs dialogs;
    Session s{dialogs};

private:
    std::filesystem::path folder_;
};

}  // namespace quorl::ptest
