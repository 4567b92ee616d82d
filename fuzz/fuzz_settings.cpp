// Fuzz target: one input split at the byte 0x1E into the files of a program folder (in the order
// of kFiles; a missing part is an empty file). The program starts on that folder, loading every
// settings, statistics and list file, parses a label with what it loaded, and builds the texts it
// would write back. Built by scripts/fuzz with clang's libFuzzer.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <unistd.h>

#include "base/ScriptedDialogs.h"
#include "commands/SessionStart.h"
#include "fields/CascadingLists.h"
#include "fields/FieldAccess.h"
#include "model/AutoCorrect.h"
#include "model/FieldDefinitionsFile.h"
#include "model/LearningStatsFile.h"
#include "model/MainForm.h"
#include "model/OutputFormatFile.h"
#include "model/PreferencesFile.h"
#include "model/Session.h"
#include "parser/FillLabelChunks.h"

using namespace quorl;
namespace fs = std::filesystem;

namespace {

const char* const kFiles[] = {"Preferences.txt", "FieldDefinitions.txt", "AutoCorrect.txt", "OutputFormat.txt",
                              "DarwinXML.txt",   "DarwinCSV.txt",        "WordStats.txt",   "NameStats.txt",
                              "PlantList.txt",   "CountryList.txt",      "Settings.txt",    "CurrentUser.txt"};

const char* const kLabel =
    "Herbarium of the Desert Institute\r\nFagaceae\r\nQuercus emoryi Torr.\r\nPima County, Arizona\r\n"
    "Oak woodland on rocky slope, 1500 m\r\n31 deg 45' N 110 deg 50' W\r\nColl. J. Smith 1234 with A. Garcia\r\n"
    "12 May 1998\r\nDet. R. Jones 2001\r\n";

const fs::path& Folder() {
    static const fs::path folder = fs::temp_directory_path() / ("quorl-fuzz-settings-" + std::to_string(::getpid()));
    return folder;
}

void WriteBytes(const fs::path& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const fs::path& folder = Folder();
    std::error_code ec;
    fs::remove_all(folder, ec);
    fs::create_directories(folder / "Users", ec);
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    for (const char* name : kFiles) {
        const size_t cut = rest.find('\x1E');
        WriteBytes(folder / name, rest.substr(0, cut));
        rest = cut == std::string_view::npos ? std::string_view() : rest.substr(cut + 1);
    }

    ScriptedDialogs dialogs;
    dialogs.fallbackAnswer = DialogButton::Ignore;
    Session s(dialogs);
    BuildMainForm(s.form);
    CreateCustomFieldControls(s.form);
    BindCascadingLists(s);
    try {
        StartSession(s, folder);
        SetupCustomFields(s);
    } catch (const ProgramEnded&) {
        return 0;  // a settings file the program cannot start with: it says so and ends
    }
    s.LabelText = AutoCorrectText(s, kLabel);
    FillLabelChunks(s);
    PreferencesText(s, "OutputFormat\tTSV\r\nMinElevation\t0\r\n");
    WordStatsText(s.WordStats, true);
    NameStatsText(s.NameStats);
    FieldDefinitionsText(s);
    OutputFormatText(s);
    return 0;
}
