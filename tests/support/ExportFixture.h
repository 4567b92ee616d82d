#pragma once
// A main window holding one valid record (Abies alba from a listed genus, in a country with a
// coordinate box), thirty field definitions, a TSV record file and the log on: the base of the
// export and name-lookup tests. A fake browser window stands in for the name-search page.
#include "RecordFixture.h"

#include <string>
#include <vector>

#include "base/Text.h"
#include "lookup/NameBrowser.h"
#include "model/Files.h"

namespace quorl::testing {

// Remembers what the lookup asked of the window; pages arrive when the test says so.
class FakeBrowser : public NameBrowser {
public:
    std::vector<std::string> urls;
    bool visible = false;
    void Navigate(const std::string& url) override { urls.push_back(url); }
    void ShowWindow() override { visible = true; }
    void CloseWindow() override { visible = false; }
};

class ExportFixture : public RecordFixture {
public:
    FakeBrowser browser;

    void SetUp() override {
        RecordFixture::SetUp();
        s.Debug = true;
        s.OutputFileName = "Records.tsv";
        s.FieldDefinitions.resize(kBuiltInFields);
        for (int i = 0; i < kBuiltInFields; ++i) s.FieldDefinitions[static_cast<size_t>(i)].Name = FieldNames[static_cast<size_t>(i)];
        Column("0", true, "Collector", "Collector");
        Column("9", true, "Name", "ScientificName");
        Column("14", true, "Country", "Country");
        Column("15", true, "State", "State");
        Column("19", true, "Herbarium", "Herbarium");

        CountryClass mexico{"Mexico", 14.5f, 32.7f, -118.4f, -86.7f, {}};
        mexico.Children.push_back({"Jalisco", 18.9f, 22.75f, -105.7f, -101.5f, {}});
        mexico.Children.push_back({"Oaxaca", 0, 0, 0, 0, {}});
        CountryClass nobox{"Nowhere", 0, 0, 0, 0, {}};
        nobox.Children.push_back({"Inland", 1, 2, 1, 2, {}});
        s.CountryList = {mexico, nobox};
        s.form.SetItems("CountryCombo", {"Mexico", "Nowhere"});

        s.form.SetItems("GenusCombo", {"Abies", "Pinus"});
        s.form.SetItems("SpeciesCombo", {"alba", "religiosa"});
        s.form.SetItems("RankCombo", {"", "subsp.", "var."});
        FillValidRecord();
        s.nameBrowser = &browser;
        WriteFile(dir / "Settings.txt", "NameSearchHost\thttp://127.0.0.1:9/\r\n");
    }

    void FillValidRecord() {
        Set("CollectorEdit", "J. Smith");
        Set("GenusCombo", "Abies");
        Set("SpeciesCombo", "alba");
        Set("ScientificNameEdit", "Abies alba");
        SelectCountry(0, "Jalisco");
        Set("HerbariumEdit", "MEXU");
        Set("LocalityMemo", "Sierra de Manantlan");
        Set("ImageNameEdit", "7");
    }

    void SelectCountry(int index, const std::string& state) {
        s.form.SetItemIndex("CountryCombo", index);
        std::vector<std::string> states;
        for (const auto& st : s.CountryList[static_cast<size_t>(index)].Children) states.push_back(st.Name);
        s.form.SetItems("StateCombo", states);
        s.form.SetText("StateCombo", state);
    }

    void SetLatitude(const std::string& degrees, const std::string& hemisphere) {
        Set("LatDegreesEdit", degrees);
        Set("NSCombo", hemisphere);
    }

    bool Written() const { return std::filesystem::exists(RecordPath()); }

    // The log without its time stamps.
    std::vector<std::string> LogLines() const {
        std::vector<std::string> lines;
        for (const std::string& line : SplitLines(ReadFile(dir / "Log.txt"))) {
            size_t at = line.find("  ");
            lines.push_back(at == std::string::npos ? line : line.substr(at + 2));
        }
        return lines;
    }
    bool Logged(const std::string& text) const {
        for (const std::string& line : LogLines())
            if (line == text) return true;
        return false;
    }
};

}  // namespace quorl::testing
