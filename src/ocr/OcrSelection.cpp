#include "ocr/OcrSelection.h"

#include <exception>
#include <vector>

#include "base/Dialogs.h"
#include "base/WordSplitter.h"
#include "model/Log.h"
#include "model/Session.h"
#include "ocr/AutoThreshold.h"
#include "ocr/BinarizeBitmap.h"
#include "ocr/PassChoice.h"
#include "ocr/PostCorrection.h"
#include "ocr/TessDLL.h"

namespace quorl {

namespace {

constexpr const char* kBusyTitle = "Please Wait...";
constexpr int kAnalyzeStep = 15;
constexpr int kAnalyzeReach = 30;

std::vector<int> Thresholds(const OcrSettings& settings, int automatic) {
    switch (settings.mode) {
        case ThresholdMode::Automatic: return {automatic};
        case ThresholdMode::Manual: return {settings.manualThreshold};
        case ThresholdMode::Analyze: break;
    }
    std::vector<int> range;
    for (int t = automatic - kAnalyzeReach; t <= automatic + kAnalyzeReach; t += kAnalyzeStep) range.push_back(t);
    return range;
}

OcrPage PageOf(const GreyImage& image, int firstRow) {
    OcrPage page;
    page.rows = image.Row(firstRow);
    page.width = image.width;
    page.height = image.height - firstRow;
    page.bytesPerLine = image.width;
    page.dpi = image.dpi;
    return page;
}

// One page through the engine: begin, recognise, text, end. The engine takes the page when it
// recognises it: a page that did not begin or that the engine failed on gives no text, and
// errorMessage is shown.
std::string ReadPage(Session& s, TessDLL& engine, const OcrPage& page, const std::string& lang,
                     const char* errorMessage) {
    const OcrResult* result = nullptr;
    if (page.height > 0 && engine.TessDllBeginPageLangBPP(page, lang)) result = engine.TessDllRecognize_all_Words();
    if (!result) s.dialogs.ShowMessage(errorMessage);
    std::string text = OcrResultToText(result);
    engine.TessDllEndPage();
    return text;
}

}  // namespace

std::string BarcodeStart(const Session& s) {
    if (s.FieldDefinitions.size() > static_cast<size_t>(fBarcode))
        for (const std::string& word : CutWordList(s.FieldDefinitions[fBarcode].StartWords))
            if (!word.empty()) return word + (word.back() == ':' ? " " : ": ");
    return "Barcode: ";
}

OcrRun OcrSelection(Session& s, const GreyImage& picture, const PixelRect& area, const OcrSettings& settings) {
    OcrRun run;
    s.dialogs.ShowBusy(kBusyTitle, "Processing Image");
    TessDLL engine(settings.engineLibrary.empty() ? kTesseractLibrary : settings.engineLibrary,
                   settings.engineDataPath);
    if (!engine.loaded || !engine.UseLanguage(settings.language)) {
        WriteToLog(s, engine.Problem());
        s.dialogs.ShowMessage(engine.Problem());
        return run;
    }
    run.engineReady = true;
    // The busy window's bar follows the engine through each page, and the window stays painted.
    engine.onProgress = [&s](int percent) { s.dialogs.BusyProgress(percent, 100); };

    const GreyImage original = CropImage(picture, area);
    if (original.Empty()) return run;
    const int automatic = AutoThreshold(original);
    const std::vector<int> thresholds = Thresholds(settings, automatic);
    run.threshold = thresholds.front();

    PassChoice choice;
    std::string barcode;
    for (const int thr : thresholds) {
        ++run.passes;
        GreyImage bw = original;
        std::string text;
        bool failed = false;
        try {
            const PixelRect band = BinarizeBitmap(bw, thr, settings.getBarcode,
                                                  [&s, rows = bw.height](int row) { s.dialogs.BusyProgress(row, rows - 1); });
            const bool hasBarcode = settings.getBarcode && band.right > 0;
            s.dialogs.ShowBusy(kBusyTitle, "Performing OCR");
            text = ReadPage(s, engine, PageOf(bw, hasBarcode ? band.bottom : 0), settings.language,
                            "Error in Label OCR!");
            if (hasBarcode) {
                run.barcodeImage = CropImage(bw, band);
                barcode = CorrectBarcodeText(
                    ReadPage(s, engine, PageOf(run.barcodeImage, 0), settings.language, "Error in Barcode OCR!"));
            }
        } catch (const std::exception& e) {
            WriteToLog(s, std::string("OCR pass at threshold ") + std::to_string(thr) + " failed: " + e.what());
            text = kUnknownOcrError;
            failed = true;
        }
        const PassScore score = ScoreOcrText(text, s.WordStats);
        WriteToLog(s, "OCR pass at threshold " + std::to_string(thr) + ": " + std::to_string(score.known) +
                          " known words, " + std::to_string(score.mixed) + " letter-digit changes");
        if (failed) {
            choice.Failed();
            continue;
        }
        if (choice.Offer(text, score)) {
            run.threshold = thr;
            run.preview = std::move(bw);
        }
    }
    std::string text = choice.ChosenText();
    if (text != kUnknownOcrError) text = PostCorrectOcrText(text);
    if (settings.getBarcode && !barcode.empty()) text = BarcodeStart(s) + barcode + text;
    run.text = text;
    return run;
}

}  // namespace quorl
