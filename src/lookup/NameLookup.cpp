#include "lookup/NameLookup.h"

#include <algorithm>
#include <optional>

#include "base/Dialogs.h"
#include "base/Text.h"
#include "fields/FieldAccess.h"
#include "fields/FieldValues.h"
#include "lookup/HtmlTags.h"
#include "lookup/NameBrowser.h"
#include "model/Log.h"
#include "model/ProgramSettings.h"
#include "model/Records.h"
#include "model/Session.h"

namespace quorl {

namespace {

std::string PercentEncoded(std::string_view utf8) {
    static const char hex[] = "0123456789ABCDEF";
    std::string out;
    for (char ch : utf8) {
        auto c = static_cast<unsigned char>(ch);
        if (IsAsciiLetter(c) || IsDigit(c) || c == '-' || c == '.' || c == '_' || c == '~') {
            out += ch;
        } else {
            out += '%';
            out += hex[c >> 4];
            out += hex[c & 0x0F];
        }
    }
    return out;
}

// The text of an italic run: from just after "<I>" at the start of window up to its first "</I>".
std::string ItalicRun(std::string_view window) {
    size_t end = window.find("</I>");
    return end == std::string_view::npos ? std::string() : std::string(window.substr(3, end - 3));
}

// Every run of blanks becomes one blank.
std::string JoinBlankRuns(std::string_view text) {
    std::string out;
    for (char c : text)
        if (c != ' ' || out.empty() || out.back() != ' ') out += c;
    return out;
}

}  // namespace

std::string NameSearchQuery(std::string_view scientificName) { return ReplaceAllNoCase(scientificName, "ssp", "subsp"); }

std::string NameSearchUrl(std::string_view host, std::string_view scientificName) {
    std::string base(host);
    while (!base.empty() && base.back() == '/') base.pop_back();
    return base + "/NameSearch.aspx?name=" + PercentEncoded(NameSearchQuery(scientificName));
}

bool ShowNameSearch(Session& s, std::string& whyNot) {
    const std::string name = BoxText(s, "ScientificNameEdit");
    const std::string host = ProgramSetting(s, "NameSearchHost");
    if (host.empty()) {
        whyNot = "the name-search page is not set up (Settings.txt in the program folder has no NameSearchHost line)";
        return false;
    }
    if (!s.nameBrowser) {
        whyNot = "there is no browser window to show the name-search page";
        return false;
    }
    s.NameLookupName = name;
    s.NameLookupPending = true;
    s.nameBrowser->Navigate(NameSearchUrl(host, name));
    s.nameBrowser->ShowWindow();
    return true;
}

int NameSearchTimeoutMs(Session& s) {
    constexpr int kDefaultMs = 20000;
    const std::string setting = ProgramSetting(s, "NameSearchTimeout");
    if (setting.empty()) return kDefaultMs;
    const std::optional<double> seconds = TryStrToFloat(setting);
    if (!seconds || !(*seconds > 0) || *seconds > 3600) {
        WriteToLog(s, "NameSearchTimeout " + setting + " in Settings.txt is no number of seconds; 20 is used.");
        return kDefaultMs;
    }
    return std::max(1, static_cast<int>(*seconds * 1000 + 0.5));
}

std::string NameSearchTimeoutReason(int milliseconds) {
    std::string seconds = std::to_string(milliseconds / 1000);
    if (const int rest = milliseconds % 1000; rest != 0) {
        std::string decimals = std::to_string(1000 + rest).substr(1);
        while (decimals.back() == '0') decimals.pop_back();
        seconds += "." + decimals;
    }
    return "the name-search page did not load within " + seconds + (seconds == "1" ? " second" : " seconds");
}

std::string ExpectedNameMarkup(Session& s) {
    const std::string rank = BoxText(s, "RankCombo");
    if (rank.empty()) return GetFieldText(s, fScientificName);
    return GetFieldText(s, fGenus) + " " + GetFieldText(s, fSpecies) + "</i> " + rank + " <i>" +
           BoxText(s, "SubSpEdit");
}

std::string OfferedName(const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
        size_t at = line.find("<I>");
        if (at == std::string::npos) continue;
        // Only this line is read, in windows of 100 characters.
        const std::string w1 = line.substr(at, 100);
        size_t close = w1.find("</I>");
        if (close == std::string::npos) return {};
        std::string found = ItalicRun(w1);
        const std::string w2 = w1.substr(close, 100);
        size_t next = w2.find("<I>");
        if (next != std::string::npos) {
            const std::string between = w2.substr(4, next - 4);
            const std::string second = ItalicRun(std::string_view(w2).substr(next, 100));
            found = JoinBlankRuns(found + " " + between + " " + second);
        }
        return Trim(found).empty() ? std::string() : found;
    }
    return {};
}

}  // namespace quorl
