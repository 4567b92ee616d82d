#pragma once
// The help diagnostic log HHDebug.txt: written only in help-debug mode ("debug.debug" beside the
// program, or -debug / /debug on the command line), a header describing the machine, then one
// line per help request.
#include <filesystem>
#include <string>
#include <vector>

namespace quorl {

// What the header of the help log tells about the machine and the program. The help window fills
// the values that only the toolkit knows (versions, locale names).
struct HelpEnvironment {
    std::filesystem::path modulePath;  // the running program file
    std::vector<std::string> arguments;  // command-line parameters, without the program
    std::string osName;                  // "Linux"
    int osMajor = 0, osMinor = 0, osBuild = 0;
    std::string osRelease;               // the distribution's own name of itself
    std::string localeName, localeDescription;
    std::string languageCode, languageName;
    std::string territoryCode, territoryName;
    std::string decimalSeparator;
    std::string programVersion;
    std::string toolkitVersion;
    bool helpInstalled = false;
    std::string helpVersion, helpFriendlyVersion;
    bool webInstalled = false;
    std::string webVersion, webFriendlyVersion;
};

// Help-debug mode: "debug.debug" in the program's folder, or a parameter "/debug" or "-debug" in
// any letter case.
bool HelpDebugMode(const std::filesystem::path& programFolder, const std::vector<std::string>& arguments);

// The folder of the help log: the program's folder when a file can be made and removed there,
// else the temporary folder.
std::filesystem::path HelpLogFolder(const std::filesystem::path& programFolder);

// Fills the operating-system fields from the running kernel and the distribution's release file.
void DescribeOperatingSystem(HelpEnvironment& env);

class HelpDebugLog {
public:
    // A log that writes nothing.
    HelpDebugLog() = default;
    // When enabled: a file whose folder is missing or not writable moves to the temporary folder,
    // and a log left from an earlier run is removed.
    HelpDebugLog(std::filesystem::path file, bool enabled);

    bool Enabled() const { return enabled_; }
    const std::filesystem::path& File() const { return file_; }

    // The "!" lines that open the log.
    void WriteHeader(const HelpEnvironment& env) const;

    // Appends one line while enabled. "-" and "=" stand for a rule of that character; a text
    // starting with "!", "-" or "=" loses that character and is written without the time, any
    // other text after the time and three blanks. The file is opened and closed for every line;
    // a file that cannot be opened is skipped.
    void Out(const std::string& text) const;

private:
    std::filesystem::path file_;
    bool enabled_ = false;
};

}  // namespace quorl
