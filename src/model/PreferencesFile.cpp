#include "model/PreferencesFile.h"

#include "base/LineNumbers.h"
#include "base/Text.h"
#include "base/TokenCursor.h"
#include "model/Files.h"
#include "model/Session.h"
#include "model/SkippedLines.h"

namespace quorl {

namespace {

const char* const kDefaultBarcodeTemplate = "QZV#######";

std::string_view TrimFront(std::string_view v) {
    while (!v.empty() && static_cast<unsigned char>(v.front()) <= ' ') v.remove_prefix(1);
    return v;
}

bool YesValue(const std::string& value) { return LowerCase(value) == "yes"; }
const char* YesNo(bool b) { return b ? "Yes" : "No"; }

// The on/off keys, as written, with their Session members.
struct SwitchKey {
    const char* key;
    bool Session::*member;
};
const SwitchKey kSwitches[] = {
    {"LearnFromLabels", &Session::LearnFromLabels}, {"ApplyLearning", &Session::ApplyLearning},
    {"AutoCorrect", &Session::AutoCorrect},         {"ReplaceNumerals", &Session::ReplaceNumerals},
    {"FillMeters", &Session::FillMeters},           {"DateFormatCheck", &Session::DateFormatCheck},
    {"DontSplitLines", &Session::DontSplitLines},   {"AutoSplit", &Session::AutoSplit},
    {"DoubleSpace", &Session::DoubleSpace},
};

const char* OutputTypeName(int type) { return type == 0 ? "TSV" : type == 2 ? "CSV" : "Darwin"; }

}  // namespace

void LoadPreferences(Session& s) {
    auto path = s.UserFile("Preferences.txt");
    SkippedLines skipped(s, path);
    std::string text = LoadFileToString(s, path, true, &skipped);
    bool seenCheck = false, seenTemplate = false;
    bool warnedNoTab = false;
    TokenCursor rest(text);
    LineNumbers lines(text);
    while (true) {
        // The line as it stands before trimming: a TAB right after the key is trimmed off with the
        // line's end, yet it still says that the key has a value, the empty one.
        // The cursor trims the end of the whole text too, so the raw line is taken from the text.
        const size_t at = rest.Empty() ? text.size() : static_cast<size_t>(rest.Rest().data() - text.data());
        std::string_view ahead = TrimFront(std::string_view(text).substr(at));
        const bool hasTab = ahead.substr(0, ahead.find("\r\n")).find('\t') != std::string_view::npos;
        // The file's own line number, blank lines before it counted.
        const size_t lineNo = lines.At(ahead.data());
        std::string line = rest.NextString("\r\n", true);
        if (line.empty() || line[0] == '#') {
            if (rest.Empty()) break;
            continue;
        }
        std::string value = line;
        std::string key = LowerCase(Trim(NextToken(value, "\t", false)));
        if (!hasTab) {
            // A key without its TAB is skipped; the rest of the file is still read.
            if (!warnedNoTab)
                s.dialogs.ShowMessage("Error in Preferences.txt file\r\nDid you use tabs to separate parameters?");
            warnedNoTab = true;
            if (rest.Size() < 5) break;
            continue;
        }
        const SwitchKey* sw = nullptr;
        for (const SwitchKey& k : kSwitches)
            if (key == LowerCase(k.key)) sw = &k;
        if (sw) {
            s.*(sw->member) = YesValue(value);
        } else if (key == "outputformat") {
            std::string v = LowerCase(value);
            s.OutputType = v == "tsv" ? 0 : v == "csv" ? 2 : 1;
        } else if (key == "minelevation") {
            if (auto n = TryStrToInt(value))
                s.MinElevation = *n;
            else
                skipped.Skip(lineNo, line, "MinElevation is not a whole number");
        } else if (key == "barcodeformatcheck") {
            s.BarcodeFormatCheck = YesValue(value);
            seenCheck = true;
        } else if (key == "barcodeformattemplate") {
            s.BarcodeFormatTemplate = value;
            seenTemplate = true;
        } else if (key == "debug") {
            s.Debug = YesValue(value);
        }
        if (rest.Size() < 5) break;
    }
    if (!seenCheck) s.BarcodeFormatCheck = true;
    if (!seenTemplate) s.BarcodeFormatTemplate = kDefaultBarcodeTemplate;
    skipped.Report();
}

std::string PreferencesText(const Session& s, const std::string& fileText) {
    std::string out;
    out.reserve(fileText.size() + 128);
    bool seenCheck = false, seenTemplate = false;
    TokenCursor rest(fileText);
    do {
        std::string line = rest.NextString("\r\n", false);
        if (!StartsWith(line, "#")) {
            std::string lower = LowerCase(line);
            if (Contains(lower, "outputformat")) line = std::string("OutputFormat\t") + OutputTypeName(s.OutputType);
            for (const SwitchKey& k : kSwitches)
                if (Contains(lower, LowerCase(k.key))) line = std::string(k.key) + '\t' + YesNo(s.*k.member);
            if (Contains(lower, "barcodeformatcheck")) {
                line = std::string("BarcodeFormatCheck\t") + YesNo(s.BarcodeFormatCheck);
                seenCheck = true;
            }
            if (Contains(lower, "barcodeformattemplate")) {
                line = "BarcodeFormatTemplate\t" + s.BarcodeFormatTemplate;
                seenTemplate = true;
            }
            if (Contains(lower, "minelevation")) line = "MinElevation\t" + IntToStr(s.MinElevation);
        }
        out += line;
        out += "\r\n";
    } while (!rest.Empty());
    if (!seenCheck) out += std::string("\r\n#Check format of Barcode\r\nBarcodeFormatCheck\t") + YesNo(s.BarcodeFormatCheck) + "\r\n";
    if (!seenTemplate)
        out += "\r\n#Template for Barcode Format\r\n#Wild cards: # = numeric, @ = alpha\r\nBarcodeFormatTemplate\t" +
               s.BarcodeFormatTemplate + "\r\n";
    return out;
}

bool SavePreferences(Session& s) {
    auto path = s.UserFile("Preferences.txt");
    std::string text = LoadFileToString(s, path, true);
    return WriteStringToFile(s, PreferencesText(s, text), path, true);
}

}  // namespace quorl
