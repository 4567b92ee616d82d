#include "help/HelpDebugLog.h"

#include <sys/utsname.h>

#include <cstdio>
#include <ctime>
#include <fstream>
#include <system_error>

#include "base/FileBytes.h"
#include "base/Text.h"
#include "model/Log.h"

namespace quorl {

namespace fs = std::filesystem;

namespace {

std::string YesNo(bool b) { return b ? "True" : "False"; }

std::string JoinArguments(const std::vector<std::string>& args) {
    std::string joined;
    for (const std::string& a : args) {
        if (!joined.empty()) joined += ' ';
        joined += a;
    }
    return joined;
}

std::string Now() {
    const std::tm tm = LocalTimeNow();
    char buf[32];
    std::strftime(buf, sizeof buf, "%Y-%m-%d %H:%M:%S", &tm);
    return buf;
}

bool CanWriteIn(const fs::path& folder) {
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) return false;
    const fs::path probe = folder / "$_Temp_$.$$$";
    {
        std::ofstream out(probe, std::ios::binary);
        if (!out) return false;
    }
    return fs::remove(probe, ec);
}

}  // namespace

bool HelpDebugMode(const fs::path& programFolder, const std::vector<std::string>& arguments) {
    std::error_code ec;
    if (fs::exists(programFolder / "debug.debug", ec)) return true;
    for (const std::string& a : arguments) {
        const std::string lower = LowerCase(a);
        if (lower == "/debug" || lower == "-debug") return true;
    }
    return false;
}

fs::path HelpLogFolder(const fs::path& programFolder) {
    if (CanWriteIn(programFolder)) return programFolder;
    std::error_code ec;
    return fs::temp_directory_path(ec);
}

void DescribeOperatingSystem(HelpEnvironment& env) {
    utsname u{};
    if (uname(&u) == 0) {
        env.osName = u.sysname;
        std::sscanf(u.release, "%d.%d.%d", &env.osMajor, &env.osMinor, &env.osBuild);
    }
    std::string release;
    if (ReadFileBytes("/etc/os-release", release)) {
        for (const std::string& line : SplitLines(release)) {
            if (!StartsWith(line, "PRETTY_NAME=")) continue;
            std::string value = line.substr(12);
            if (value.size() >= 2 && value.front() == '"' && value.back() == '"') value = value.substr(1, value.size() - 2);
            env.osRelease = value;
        }
    }
}

HelpDebugLog::HelpDebugLog(fs::path file, bool enabled) : file_(std::move(file)), enabled_(enabled) {
    if (!enabled_) return;
    std::error_code ec;
    if (!CanWriteIn(file_.parent_path())) file_ = fs::temp_directory_path(ec) / file_.filename();
    fs::remove(file_, ec);
}

void HelpDebugLog::WriteHeader(const HelpEnvironment& env) const {
    if (!enabled_) return;
    const fs::path& exe = env.modulePath;
    const std::string dir = exe.parent_path().string();
    const std::string params = JoinArguments(env.arguments);
    const std::string cmdline = params.empty() ? exe.string() : exe.string() + " " + params;
    const std::string os = env.osName + " " + std::to_string(env.osMajor) + "." + std::to_string(env.osMinor) +
                           " (Build " + std::to_string(env.osBuild) + ") " + env.osRelease;
    const std::string lines[] = {
        "!Log File:             " + file_.string(),
        "!Date:                 " + Now(),
        "!Operating System:      " + os,
        "!SysLocale.DefaultLCID: " + env.localeName + " (" + env.localeDescription + ")",
        "!SysLocale.PriLangID:   " + env.languageCode + " (" + env.languageName + ")",
        "!SysLocale.SubLangID:   " + env.territoryCode + " (" + env.territoryName + ")",
        "!DecimalSeparator:      " + env.decimalSeparator,
        "!EXE Path =          " + exe.string(),
        "!EXE Version =       " + env.programVersion,
        "!Cmdline Param(s) =  " + params,
        "!Actual CmdLine =  " + cmdline,
        "!_RunDir =           " + dir,
        "!_ModuleName =       " + exe.filename().string(),
        "!_ModuleDir =        " + dir,
        "!_ModulePath =        " + exe.string(),
        "!Module Version =       " + env.programVersion + " (Qt " + env.toolkitVersion + ")",
        "!_hhInstalled =      " + YesNo(env.helpInstalled),
        "!_hhVerStr =         " + env.helpVersion,
        "!_hhFriendlyVerStr = " + env.helpFriendlyVersion,
        "!_ieInstalled =      " + YesNo(env.webInstalled),
        "!_ieVerStr =         " + env.webVersion,
        "!_ieFriendlyVerStr = " + env.webFriendlyVersion,
    };
    for (const std::string& line : lines) Out(line);
}

void HelpDebugLog::Out(const std::string& text) const {
    if (!enabled_) return;
    std::string line = text == "-" ? std::string(80, '-') : text == "=" ? std::string(80, '=') : text;
    if (!line.empty() && (line[0] == '!' || line[0] == '-' || line[0] == '='))
        line.erase(0, 1);
    else
        line = LogTimeStamp() + "   " + line;
    std::ofstream out(file_, std::ios::binary | std::ios::app);
    if (!out) return;
    out << line << "\r\n";
}

}  // namespace quorl
