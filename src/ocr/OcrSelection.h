#pragma once
// One OCR run over an area of the label picture: crop, threshold, black and white, the engine,
// the choice among the passes, and the repairs of the text.
#include <string>

#include "ocr/GreyImage.h"

namespace quorl {

class Session;

enum class ThresholdMode { Automatic = 0, Manual = 1, Analyze = 2 };

struct OcrSettings {
    ThresholdMode mode = ThresholdMode::Automatic;
    int manualThreshold = 100;  // the track bar's position
    bool getBarcode = false;
    std::string language = "eng";
    // Where the engine comes from (tests point these elsewhere).
    std::string engineLibrary;   // empty: the installed engine
    std::string engineDataPath;  // empty: the engine's own language files
};

struct OcrRun {
    std::string text;           // the label text, repaired, the barcode's start word and digits first
    bool engineReady = false;   // false: the engine or the language was missing (told the user)
    int threshold = 0;          // where the track bar goes: the kept pass's, else the first one's
    int passes = 0;
    GreyImage preview;          // the kept pass's black and white picture (empty when none)
    GreyImage barcodeImage;     // the barcode band of the last pass that found one
};

// What the barcode's text follows at the start of the label text: the first start word of the
// Barcode field and ": ", so that the parser finds the field by its own word; "Barcode: " when
// the field has none.
std::string BarcodeStart(const Session& s);

// Reads the text in area (picture pixels, already clamped to the picture and not empty) of
// picture. Shows the busy window and leaves it shown. When the engine or the language data is
// missing, tells the user what is missing once and returns no text.
OcrRun OcrSelection(Session& s, const GreyImage& picture, const PixelRect& area, const OcrSettings& settings);

}  // namespace quorl
