#include "model/ReferenceLists.h"

#include <algorithm>

#include "base/Text.h"
#include "base/TokenCursor.h"
#include "model/Files.h"
#include "model/Log.h"
#include "model/Session.h"
#include "model/SkippedLines.h"

namespace quorl {

namespace {

bool IsBlankOrControl(char c) { return c != '\0' && static_cast<unsigned char>(c) <= ' '; }

std::string ExtractQuoted(std::string_view text, size_t& p) {
    std::string out;
    ++p;  // opening quotation mark
    while (p < text.size()) {
        if (text[p] == '"') {
            if (p + 1 < text.size() && text[p + 1] == '"') {
                out += '"';
                p += 2;
                continue;
            }
            ++p;
            return out;
        }
        out += text[p++];
    }
    return out;  // unterminated: the rest of the text
}

}  // namespace

std::vector<std::string> SplitDelimitedText(std::string_view text, char delimiter) {
    std::vector<std::string> items;
    size_t p = 0, n = text.size();
    while (p < n && IsBlankOrControl(text[p])) ++p;
    while (p < n) {
        if (text[p] == '"') {
            items.push_back(ExtractQuoted(text, p));
        } else {
            size_t start = p;
            while (p < n && !IsBlankOrControl(text[p]) && text[p] != delimiter) ++p;
            items.emplace_back(text.substr(start, p - start));
        }
        while (p < n && IsBlankOrControl(text[p])) ++p;
        if (p < n && text[p] == delimiter) {
            if (p + 1 == n) items.emplace_back();
            do ++p;
            while (p < n && IsBlankOrControl(text[p]));
        }
    }
    return items;
}

void LoadPlantList(Session& s) {
    std::string text = LoadFileToString(s, s.ProgramFile("PlantList.txt"), true);
    std::vector<std::string> families = s.form.Get("FamilyCombo").items;
    std::string line;
    ForEachLine(text, [&](size_t, std::string_view raw) {
        // Blanks would split the items too: they stand as "$" until the species are cut.
        line.assign(raw);
        std::replace(line.begin(), line.end(), ' ', '$');
        std::vector<std::string> items = SplitDelimitedText(line, '\t');
        if (items.empty()) return;  // an empty line names no family

        FamilyClass family;
        family.Name = std::move(items[0]);
        // The family list shows the name as written ("Select Family" heads the list).
        std::replace(family.Name.begin(), family.Name.end(), '$', ' ');
        family.Children.reserve(items.size() - 1);
        for (size_t i = 1; i < items.size(); ++i) {
            std::string& item = items[i];
            size_t comma = item.find(',');
            FamilyClass genus;
            genus.Name = Trim(std::string_view(item).substr(0, comma));
            if (comma != std::string::npos) {
                std::vector<std::string> species = SplitDelimitedText(std::string_view(item).substr(comma + 1), ',');
                genus.Children.resize(species.size());
                for (size_t k = 0; k < species.size(); ++k) {
                    std::replace(species[k].begin(), species[k].end(), '$', ' ');
                    genus.Children[k].Name = std::move(species[k]);
                }
            }
            family.Children.push_back(std::move(genus));
        }
        families.push_back(family.Name);
        s.PlantList.push_back(std::move(family));
    });
    s.form.SetItems("FamilyCombo", std::move(families));
}

bool ParseBoundedName(CountryClass& node, std::string_view entry, std::string_view* afterBox) {
    if (afterBox) *afterBox = {};
    if (entry.find('(') == std::string_view::npos) {
        node.Name = std::string(entry);
        return true;
    }
    TokenCursor e(entry);
    node.Name = e.NextString("(", true);
    std::string_view parts[4];
    parts[0] = e.Next("/", true);
    parts[1] = e.Next("/", true);
    parts[2] = e.Next("/", true);
    parts[3] = e.Next(")", true);
    if (afterBox) *afterBox = TokenCursor::TrimView(e.Rest());
    float* bounds[4] = {&node.MinLat, &node.MaxLat, &node.MinLong, &node.MaxLong};
    float values[4];
    for (int i = 0; i < 4; ++i) {
        auto v = TryStrToFloat(parts[i]);
        if (!v) {
            node.MinLat = node.MaxLat = node.MinLong = node.MaxLong = 0;
            return false;
        }
        values[i] = static_cast<float>(*v);
    }
    for (int i = 0; i < 4; ++i) *bounds[i] = values[i];
    return true;
}

void LoadCountryList(Session& s) {
    auto path = s.ProgramFile("CountryList.txt");
    SkippedLines skipped(s, path);
    std::string text = LoadFileToString(s, path, true, &skipped);
    s.CountryList.clear();
    std::vector<std::string> names;

    ForEachLine(text, [&](size_t number, std::string_view raw) {
        if (TokenCursor::TrimView(raw).empty()) return;  // an empty line names no country
        // What of the line cannot be read; the line counts once however many places it concerns.
        std::string unread;
        auto parse = [&](CountryClass& node, std::string_view entry) {
            std::string_view afterBox;
            if (!ParseBoundedName(node, entry, &afterBox) && unread.empty())
                unread = "a box number is not a number; that place is kept without its box";
            if (!afterBox.empty() && unread.empty())
                unread = "the text after the box of " + node.Name + " is not read: " + std::string(afterBox);
        };
        TokenCursor line(raw);
        CountryClass country;
        parse(country, line.Next("\t", true));
        do {
            TokenCursor item(line.Next("\t", true));
            CountryClass state;
            parse(state, item.Next(",", true));
            // Every name is read, however short ("Ig", "75"): what the file holds comes back at
            // the editor's next Save.
            while (!TokenCursor::TrimView(item.Rest()).empty()) {
                const std::string_view entry = item.Next(",", true);
                if (entry.empty()) continue;  // ",," names no county
                CountryClass county;
                parse(county, entry);
                state.Children.push_back(std::move(county));
            }
            country.Children.push_back(std::move(state));
        } while (!TokenCursor::TrimView(line.Rest()).empty());
        if (!unread.empty()) skipped.Skip(number, raw, unread);
        names.push_back(country.Name);
        s.CountryList.push_back(std::move(country));
    });
    s.form.SetItems("CountryCombo", std::move(names));
    skipped.Report();
}

void GetOneFamily(Session& s, int familyIndex) {
    WriteToLog(s, "Top GetOneFamily");
    s.form.ClearItems("GenusCombo");
    s.form.SetText("GenusCombo", "Select Genus");
    s.FamilyGenera.clear();
    if (familyIndex < 0 || familyIndex >= static_cast<int>(s.PlantList.size())) return;
    const FamilyClass& family = s.PlantList[familyIndex];
    std::vector<std::string> genera;
    genera.reserve(family.Children.size());
    for (const FamilyClass& g : family.Children) genera.push_back(g.Name);
    s.form.SetItems("GenusCombo", std::move(genera));
    s.FamilyGenera = family.Children;
}

}  // namespace quorl
