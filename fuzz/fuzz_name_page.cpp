// Fuzz target: the name-search page reader. The input's first line is the looked-up name as
// "scientific name|genus|species|rank|subspecies"; the rest is the page's body as the browser
// window serialises it. The reader looks for the confirming name and for the name it offers; the
// user declines every offer, and the program folder does not exist, so nothing is written.
// Built by scripts/fuzz with clang's libFuzzer.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/ScriptedDialogs.h"
#include "base/Text.h"
#include "lookup/HtmlTags.h"
#include "lookup/NameLookup.h"
#include "model/MainForm.h"
#include "model/Records.h"
#include "model/Session.h"
#include "records/NameSearchResult.h"

using namespace quorl;

namespace {

std::string NextPart(std::string_view& rest) {
    const size_t bar = rest.find('|');
    std::string part(rest.substr(0, bar));
    rest = bar == std::string_view::npos ? std::string_view() : rest.substr(bar + 1);
    return part;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const size_t eol = input.find('\n');
    std::string_view name = input.substr(0, eol);
    const std::string page(eol == std::string_view::npos ? std::string_view() : input.substr(eol + 1));

    ScriptedDialogs dialogs;
    dialogs.fallbackAnswer = DialogButton::No;
    Session s(dialogs);
    s.Debug = false;
    s.ProgramFolder = s.UserFolder = "/nonexistent/quorl-fuzz";
    BuildMainForm(s.form);
    for (int f = 0; f < kBuiltInFields; ++f) {
        LabelFieldClass d;
        d.Name = FieldNames[static_cast<size_t>(f)];
        s.FieldDefinitions.push_back(d);
    }
    for (const char* control : {"ScientificNameEdit", "GenusCombo", "SpeciesCombo", "RankCombo", "SubSpEdit"})
        s.form.SetText(control, NextPart(name));
    s.NameLookupName = s.form.Get("ScientificNameEdit").text;
    s.NameLookupPending = true;
    NameSearchDocumentComplete(s, page);

    // The pieces alone, on the page as it came.
    OfferedName(SplitLines(page));
    OfferedName(SplitLines(UpperCaseTagNames(page)));
    return 0;
}
