#pragma once
// Shared by the loader tests: a Session over the main window's controls with scripted dialogs,
// a fresh temporary folder per test, and byte-exact file access.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <unistd.h>

#include "base/ScriptedDialogs.h"
#include "model/MainForm.h"
#include "model/Session.h"

namespace quorl::testing {

namespace fs = std::filesystem;

inline fs::path MakeTempFolder() {
    std::random_device rd;
    fs::path p = fs::temp_directory_path() /
                 ("quorl-test-" + std::to_string(::getpid()) + "-" + std::to_string(rd()));
    fs::create_directories(p);
    return p;
}

inline void WriteFile(const fs::path& p, const std::string& bytes) {
    fs::create_directories(p.parent_path());
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out << bytes;
}

inline std::string ReadFile(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// One line of FieldDefinitions.txt per built-in field, in the form the program writes it.
inline std::string FieldLine(const std::string& name, int min = 1, int max = 50, const std::string& start = "",
                             const std::string& contained = "") {
    return name + "\t0\t0\t\t" + std::to_string(min) + "\t" + std::to_string(max) + "\t" + start + "\t" +
           contained + "\r\n";
}

inline std::string FieldLines(int from, int to) {
    std::string s;
    for (int i = from; i < to; ++i) s += FieldLine(FieldNames[i]);
    return s;
}

inline const std::string kPreferences =
    "#Output format\r\nOutputFormat\tTSV\r\n\r\nMinElevation\t0\r\nLearnFromLabels\tYes\r\n"
    "ApplyLearning\tYes\r\nAutoCorrect\tYes\r\nReplaceNumerals\tNo\r\nFillMeters\tNo\r\n"
    "BarcodeFormatCheck\tYes\r\nBarcodeFormatTemplate\tQZV#######\r\n";

inline const std::string kOutputFormat = "Database.tsv\r\n0\t1\tCollector\tcollector\t0\r\n3\t1\tCollection Date\tdate\t0\r\n";

// A complete set of a user's settings files.
inline void WriteUserFiles(const fs::path& folder) {
    WriteFile(folder / "FieldDefinitions.txt", "Version 2\r\n" + FieldLines(0, kBuiltInFields));
    WriteFile(folder / "Preferences.txt", kPreferences);
    WriteFile(folder / "AutoCorrect.txt", "02\tC0\tCo\r\n");
    WriteFile(folder / "OutputFormat.txt", kOutputFormat);
    WriteFile(folder / "DarwinXML.txt", "Database.xml\r\n0\t1\tCollector\trecordedBy\t0\r\n");
    WriteFile(folder / "WordStats.txt", "rock\t4\t20\t60\t20\t\r\n");
    WriteFile(folder / "NameStats.txt", "Smith\r\nJones\r\n");
}

// The shared reference lists of a program folder.
inline void WriteReferenceLists(const fs::path& folder) {
    WriteFile(folder / "PlantList.txt", "Pinaceae\tAbies,alba,grandis\tPinus,nigra\r\nPoaceae\tPoa,annua\r\n");
    WriteFile(folder / "CountryList.txt", "Chad(7.4/23.5/13.5/24)\tKanem,Mao\r\nPeru\tLima,Lima,Huaral\r\n");
}

// The call ends the program through the dialogs port, with a failure exit code.
template <class Call>
void ExpectProgramEndsWithFailure(Call call) {
    try {
        call();
        ADD_FAILURE() << "the program went on";
    } catch (const ProgramEnded& e) {
        EXPECT_NE(e.exitCode, 0);
    }
}

class LoaderTest : public ::testing::Test {
protected:
    LoaderTest() : s(dialogs) {
        folder = MakeTempFolder();
        s.ProgramFolder = folder;
        s.UserFolder = folder;
        BuildMainForm(s.form);
    }
    ~LoaderTest() override {
        std::error_code ec;
        fs::remove_all(folder, ec);
    }

    fs::path folder;
    ScriptedDialogs dialogs;
    Session s;
};

}  // namespace quorl::testing
