#include "model/KeptFiles.h"

#include <span>
#include <string_view>
#include <system_error>

#include "base/FileBytes.h"
#include "base/Text.h"
#include "model/UserSwitch.h"

namespace quorl {

namespace fs = std::filesystem;

namespace {

struct KeptName {
    std::string_view name;
    const char* what;
};

// The files of a user's folder; the program folder is the folder of the user Default.
constexpr KeptName kUserFiles[] = {
    {"Log.txt", "the log"},
    {"RecordTakenOut.txt", "the copy of a record taken out to be edited again"},
    {"Preferences.txt", "the preferences"},
    {"FieldDefinitions.txt", "the field definitions"},
    {"WordStats.txt", "the word statistics"},
    {"NameStats.txt", "the name statistics"},
    {"AutoCorrect.txt", "the AutoCorrect list"},
    {"OutputFormat.txt", "an output format"},
    {"DarwinXML.txt", "an output format"},
    {"DarwinCSV.txt", "an output format"},
    {"DarwinFormat.txt", "an output format"},
};

// The program folder's own files and folders, and the files the help keeps beside the program
// file, which may be the program folder too.
constexpr KeptName kProgramFiles[] = {
    {"CurrentUser.txt", "the name of the current user"},
    {"Settings.txt", "the program settings"},
    {"MailSettings.txt", "the mail settings"},
    {"PlantList.txt", "the plant list"},
    {"CountryList.txt", "the country list"},
    {"WordPlants.txt", "the plant names found among the learnt words"},
    {"Layout.txt", "the main window's layout"},
    {"NOTICE", "the notice of the shipped lists"},
    {"Users", "the users' folders"},
    {"HHDebug.txt", "the help debug log"},
    {"debug.debug", "the switch of the help debug log"},
    {"$_Temp_$.$$$", "the help debug log's test file"},
    {"Quorl.qhc", "the help"},
    {"Quorl.qch", "the help"},
};

// The path made absolute, its links followed as far as it exists; "Log.txt/" is Log.txt.
fs::path Resolved(const fs::path& path) {
    std::error_code ec;
    fs::path absolute = fs::absolute(path, ec);
    if (ec) absolute = path;
    fs::path resolved = fs::weakly_canonical(absolute, ec);
    if (ec) resolved = absolute.lexically_normal();
    if (resolved.filename().empty() && resolved.has_relative_path()) resolved = resolved.parent_path();
    return resolved;
}

bool SameResolved(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    return a == b || fs::equivalent(a, b, ec);
}

// The kept name that file (resolved) is in its folder: by its name, or as the same file.
const KeptName* MetIn(const fs::path& file, std::span<const KeptName> names) {
    const std::string entry = file.filename().string();
    for (const KeptName& k : names)
        if (entry == k.name) return &k;
    std::error_code ec;
    if (!fs::exists(file, ec)) return nullptr;
    for (const KeptName& k : names)
        if (fs::equivalent(file, file.parent_path() / fs::path(k.name), ec)) return &k;
    return nullptr;
}

// The names the program gives to files beside any file it writes: its lock (".Database.tsv.lock")
// and, while the file is replaced, its temporary file ("Database.tsv.tmp1234"), which the next
// start removes once its process has ended.
const char* PatternMet(const std::string& entry) {
    if (entry.size() > 6 && entry.front() == '.' && entry.ends_with(".lock")) return "a lock file";
    if (TemporaryFileOwner(entry) != 0) return "a temporary file";
    return nullptr;
}

const char* Met(const fs::path& programFolder, const std::string& name) {
    const fs::path program = Resolved(programFolder), users = program / "Users";
    const fs::path file = Resolved(programFolder / name), folder = file.parent_path();
    if (const char* what = PatternMet(file.filename().string())) return what;
    if (SameResolved(file, program)) return "the program folder";
    if (SameResolved(folder, program)) {
        if (const KeptName* k = MetIn(file, kUserFiles)) return k->what;
        if (const KeptName* k = MetIn(file, kProgramFiles)) return k->what;
    } else if (SameResolved(folder, users)) {
        // Users holds the users' folders, and the hidden folders in which users are being added.
        return StagingFolderOwner(file.filename().string()) != 0 ? "a user being added" : "a user's folder";
    } else if (SameResolved(folder.parent_path(), users)) {
        if (StagingFolderOwner(folder.filename().string()) != 0) return "a user being added";
        if (const KeptName* k = MetIn(file, kUserFiles)) return k->what;
    }
    return nullptr;
}

}  // namespace

std::string KeptFileMet(const fs::path& programFolder, const std::string& recordFile) {
    const std::string name = Trim(recordFile);
    if (name.empty()) return {};
    const char* what = Met(programFolder, name);
    return what ? std::string("one of Quorl's own files (") + what + ")" : std::string();
}

std::string KeptRecordFileProblem(const fs::path& programFolder, const std::string& recordFile) {
    const std::string kept = KeptFileMet(programFolder, recordFile);
    if (kept.empty()) return {};
    return "\"" + Trim(recordFile) + "\" is " + kept +
           ": records written to it would be lost. Choose another Output File Name.";
}

bool SameFile(const fs::path& a, const fs::path& b) { return SameResolved(Resolved(a), Resolved(b)); }

}  // namespace quorl
