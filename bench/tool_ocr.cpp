// quorl-ocr [--analyze] [--lang CODE] [--box X1,Y1,X2,Y2] [--barcode]
//           [--program-folder DIR [--parse]] IMAGE...
// Reads label photos without a window, through the same steps as the Photo window's "OCR && Parse":
// the area (the box, in picture pixels, or the whole picture), the automatic threshold (five
// trial thresholds with --analyze), black and white, the engine, the choice among the passes and
// the repairs of the text; with --parse the text is then parsed into the fields. The word
// statistics that choose among passes come from DIR (a scratch copy; DIR is never written).
// Prints one JSON object per image and line: "file", "text", "threshold", "milliseconds" (from
// decoding the file to the repaired text), and with --parse every field control by name;
// "warning" when only part of the image could be read, "error" when it could not be read.
#include <QJsonObject>
#include <QString>

#include <chrono>
#include <filesystem>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "ToolSession.h"
#include "ocr/JpegDecode.h"
#include "ocr/OcrSelection.h"
#include "ocr/PhotoCommands.h"

namespace fs = std::filesystem;
using namespace quorl;

namespace {

int Usage() {
    std::cerr << "usage: quorl-ocr [--analyze] [--lang CODE] [--box X1,Y1,X2,Y2] [--barcode]\n"
                 "                 [--program-folder DIR [--parse]] IMAGE...\n";
    return 2;
}

bool ParseBox(const std::string& text, PixelRect& box) {
    std::istringstream in(text);
    char c1 = 0, c2 = 0, c3 = 0;
    in >> box.left >> c1 >> box.top >> c2 >> box.right >> c3 >> box.bottom;
    return in && in.peek() == EOF && c1 == ',' && c2 == ',' && c3 == ',' && !box.Empty();
}

}  // namespace

int main(int argc, char** argv) {
    OcrSettings settings;
    fs::path programFolder;
    bool parse = false;
    bool hasBox = false;
    PixelRect box;
    std::vector<fs::path> images;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const bool hasValue = i + 1 < argc;
        if (a == "--analyze")
            settings.mode = ThresholdMode::Analyze;
        else if (a == "--barcode")
            settings.getBarcode = true;
        else if (a == "--parse")
            parse = true;
        else if (a == "--lang" && hasValue)
            settings.language = argv[++i];
        else if (a == "--program-folder" && hasValue)
            programFolder = argv[++i];
        else if (a == "--box" && hasValue) {
            if (!ParseBox(argv[++i], box)) return Usage();
            hasBox = true;
        } else if (a.rfind("--", 0) == 0)
            return Usage();
        else
            images.emplace_back(a);
    }
    if (images.empty() || (parse && programFolder.empty())) return Usage();

    std::unique_ptr<ToolSession> tool;
    ScriptedDialogs bareDialogs;
    std::unique_ptr<Session> bare;
    try {
        if (!programFolder.empty()) tool = std::make_unique<ToolSession>(programFolder);
    } catch (const std::exception& e) {
        std::cerr << "quorl-ocr: " << e.what() << "\n";
        return 1;
    }
    if (!tool) bare = std::make_unique<Session>(bareDialogs);
    Session& s = tool ? tool->session : *bare;
    ScriptedDialogs& dialogs = tool ? tool->dialogs : bareDialogs;
    s.Debug = false;

    int status = 0;
    for (const fs::path& image : images) {
        dialogs.messages.clear();
        const bool ok = PrintFileResult(image, [&](QJsonObject& out) {
            const auto start = std::chrono::steady_clock::now();
            std::string warning;
            const GreyImage picture = LoadJpegGrey(image, &warning);
            if (!warning.empty()) out["warning"] = QString::fromStdString(warning);
            const PixelRect area = hasBox ? box : PixelRect{0, 0, picture.width, picture.height};
            const OcrRun run = OcrSelection(s, picture, area, settings);
            const auto end = std::chrono::steady_clock::now();
            if (!run.engineReady) throw std::runtime_error(dialogs.messages.empty() ? "no engine" : dialogs.messages.front());
            out["text"] = QString::fromStdString(run.text);
            out["threshold"] = run.threshold;
            out["milliseconds"] =
                static_cast<qint64>(std::chrono::duration_cast<std::chrono::milliseconds>(end - start).count());
            if (parse) {
                ParseOcrText(s, run.text);
                tool->PutFields(out);
            }
        });
        if (!ok) status = 1;
    }
    return status;
}
