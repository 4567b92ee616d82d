#include "commands/BatchMode.h"

#include <filesystem>

#include "base/Text.h"
#include "commands/MainCommands.h"
#include "model/AutoCorrect.h"
#include "model/Files.h"
#include "model/Session.h"
#include "parser/FillLabelChunks.h"

namespace quorl {

namespace {
constexpr size_t kBarcodeLength = 10;

std::string BarcodeOf(const std::string& line) {
    return line.substr(Pos(kBatchMarker, line) - 1, kBarcodeLength);
}
}  // namespace

std::vector<std::string> SplitBatchLabels(std::string rest) {
    std::vector<std::string> labels;
    std::string label, code;
    while (rest.size() > 2) {
        std::string line = NextToken(rest, "\r\n", true);
        if (!Contains(line, kBatchMarker)) {
            label += line + "\r\n";
            continue;
        }
        if (code.empty()) {
            code = BarcodeOf(line);
            label += line + "\r\n";
            continue;
        }
        if (BarcodeOf(line) == code)
            label += line + "\r\n";
        else
            rest = line + "\r\n" + rest;
        code.clear();
        labels.push_back(label);
        label.clear();
    }
    // The last label has no later barcode line to close it; it is parsed all the same.
    if (!Trim(rest).empty()) label += Trim(rest) + "\r\n";
    if (!Trim(label).empty()) labels.push_back(label);
    return labels;
}

void BatchMode1Click(Session& s) {
    std::filesystem::path file;
    if (s.dialogs.ChooseFile(kTextFileFilter, s.ProgramFolder, file)) {
        if (!CanReadFile(s, file)) return;
        for (const std::string& label : SplitBatchLabels(AutoCorrectText(s, LoadFileToString(s, file, true)))) {
            s.form.SetText("RichEdit1", label);
            ParseLabelWindow(s);
            if (!s.dialogs.Pause(s.BatchPauseMs)) return;
        }
    }
    s.dialogs.ShowMessage("Batch file complete.");
}

}  // namespace quorl
