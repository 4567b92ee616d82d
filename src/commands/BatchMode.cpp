#include "commands/BatchMode.h"

#include <filesystem>
#include <optional>
#include <string_view>

#include "base/Text.h"
#include "base/TokenCursor.h"
#include "commands/MainCommands.h"
#include "model/AutoCorrect.h"
#include "model/Files.h"
#include "model/Session.h"
#include "parser/FillLabelChunks.h"
#include "records/RecordTakenOut.h"

namespace quorl {

namespace {
constexpr size_t kBarcodeLength = 10;

std::string BarcodeOf(std::string_view line) {
    return std::string(line.substr(Pos(kBatchMarker, line) - 1, kBarcodeLength));
}
}  // namespace

std::vector<std::string> SplitBatchLabels(const std::string& text) {
    std::vector<std::string> labels;
    std::string label, code;
    TokenCursor rest(text);
    // A barcode line that starts the next label is read again as that label's first line.
    std::optional<std::string_view> again;
    while (again || rest.Size() > 2) {
        const std::string_view line = again ? *again : rest.Next("\r\n", true);
        again.reset();
        if (!Contains(line, kBatchMarker)) {
            label.append(line).append("\r\n");
            continue;
        }
        if (code.empty()) {
            code = BarcodeOf(line);
            label.append(line).append("\r\n");
            continue;
        }
        if (BarcodeOf(line) == code)
            label.append(line).append("\r\n");
        else
            again = line;
        code.clear();
        labels.push_back(label);
        label.clear();
    }
    // The last label has no later barcode line to close it; it is parsed all the same.
    if (!Trim(rest.Rest()).empty()) label += Trim(rest.Rest()) + "\r\n";
    if (!Trim(label).empty()) labels.push_back(label);
    return labels;
}

void BatchMode1Click(Session& s) {
    std::filesystem::path file;
    if (ChooseLabelFile(s, file)) {
        if (!CanReadFile(s, file) || !OfferRecordTakenOutBack(s)) return;
        for (const std::string& label : SplitBatchLabels(AutoCorrectText(s, LoadFileToString(s, file, true)))) {
            s.form.SetText("RichEdit1", label);
            ParseLabelWindow(s);
            if (!s.dialogs.Pause(s.BatchPauseMs)) return;
        }
    }
    s.dialogs.ShowMessage("Batch file complete.");
}

}  // namespace quorl
