#pragma once
// The binding to the OCR engine: the Tesseract library, loaded when a run starts and unloaded at
// its end. A page goes in, one result comes out per page, the page ends, and the engine is
// released once at the end of the run. A library, entry point or language that is missing makes
// the binding "not loaded" and says what is missing; it then never calls into the library.
#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <string>

#include "ocr/OcrResult.h"

namespace quorl {

constexpr const char* kTesseractLibrary = "libtesseract.so.5";

// One page for the engine: rows top-down, 8 bits per pixel.
struct OcrPage {
    const uint8_t* rows = nullptr;
    int width = 0;
    int height = 0;
    int bytesPerLine = 0;
    int bitsPerPixel = 8;
    int dpi = 300;
};

class TessDLL {
public:
    // library: the shared library to load; dataPath: the folder of the language files, empty for
    // the library's own.
    explicit TessDLL(std::string library = kTesseractLibrary, std::string dataPath = {});
    ~TessDLL();
    TessDLL(const TessDLL&) = delete;
    TessDLL& operator=(const TessDLL&) = delete;

    // Loads the library and resolves every entry point; true at once when already loaded.
    bool Load();
    bool loaded = false;
    // What is missing, with the package that brings it; "" while nothing is.
    const std::string& Problem() const { return problem_; }

    // Makes the language's data ready; false, with Problem() set, when it is missing.
    bool UseLanguage(const std::string& lang);

    // Starts a page in the given language; false when the page is empty, the binding is not
    // loaded, or the language is missing. Then no recognition may follow.
    bool TessDllBeginPageLangBPP(const OcrPage& page, const std::string& lang);
    // The result of the page begun last, owned by the binding and valid until TessDllEndPage;
    // nullptr when no page was begun or the engine failed.
    const OcrResult* TessDllRecognize_all_Words();
    void TessDllEndPage();
    // Frees the engine (the destructor calls it).
    void TessDllRelease();

    // While a page is recognised, called after each word the engine reads, on the calling thread,
    // with how far the engine got (0 to 100); may be empty.
    std::function<void(int percent)> onProgress;

private:
    struct Api;
    // The engine's question after each word whether to stop reading: it tells onProgress how far
    // the page got, and stops the page only when onProgress failed.
    static bool WordRead(void* binding, int words);
    std::string library_;
    std::string dataPath_;
    std::string problem_;
    void* module_ = nullptr;
    std::unique_ptr<Api> api_;
    void* engine_ = nullptr;
    std::string language_;  // language the engine was started with
    bool pageBegun_ = false;
    OcrResult result_;
    void* monitor_ = nullptr;          // the progress of the page being recognised
    std::exception_ptr progressError_;  // what onProgress threw, given on after the page
};

}  // namespace quorl
