#include "ocr/TessDLL.h"

#include <dlfcn.h>
#include <cstdlib>
#include <utility>
#include <tesseract/capi.h>

using tesseract::PSM_AUTO;
using tesseract::RIL_PARA;
using tesseract::RIL_SYMBOL;
using tesseract::RIL_TEXTLINE;
using tesseract::RIL_WORD;

namespace quorl {

// The entry points of the engine's C interface that the binding calls, resolved by name.
#define QUORL_TESS_ENTRY_POINTS(X)        \
    X(TessBaseAPICreate)                  \
    X(TessBaseAPIInit3)                   \
    X(TessBaseAPISetVariable)             \
    X(TessBaseAPISetPageSegMode)          \
    X(TessBaseAPISetImage)                \
    X(TessBaseAPISetSourceResolution)     \
    X(TessBaseAPIRecognize)               \
    X(TessMonitorCreate)                  \
    X(TessMonitorDelete)                  \
    X(TessMonitorSetCancelFunc)           \
    X(TessMonitorSetCancelThis)           \
    X(TessMonitorGetProgress)             \
    X(TessBaseAPIGetIterator)             \
    X(TessResultIteratorGetPageIterator)  \
    X(TessResultIteratorGetUTF8Text)      \
    X(TessResultIteratorNext)             \
    X(TessResultIteratorDelete)           \
    X(TessPageIteratorIsAtBeginningOf)    \
    X(TessPageIteratorIsAtFinalElement)   \
    X(TessDeleteText)                     \
    X(TessBaseAPIClear)                   \
    X(TessBaseAPIEnd)                     \
    X(TessBaseAPIDelete)

struct TessDLL::Api {
#define QUORL_DECLARE(name) decltype(&::name) name = nullptr;
    QUORL_TESS_ENTRY_POINTS(QUORL_DECLARE)
#undef QUORL_DECLARE
};

namespace {

constexpr const char* kEnginePackage = "libtesseract5";

std::string EngineMissing(const std::string& library, const std::string& what) {
    return "The OCR engine could not be loaded: " + what + " (" + library + "). Install the package " +
           kEnginePackage + ".";
}

TessBaseAPI* Engine(void* e) { return static_cast<TessBaseAPI*>(e); }

// The engine's OpenMP threads spin while they wait for each other, and on a busy machine a label
// then takes seconds instead of a fraction of one: parallel regions are made to run on the
// calling thread. The run-time library was started before the engine was loaded, so the
// environment cannot say this any more; a thread limit the user set is kept.
void KeepEngineOnOneThread(void* module) {
    if (std::getenv("OMP_THREAD_LIMIT")) return;
    using SetLevels = void (*)(int);
    if (auto set = reinterpret_cast<SetLevels>(dlsym(module, "omp_set_max_active_levels"))) set(0);
}

}  // namespace

TessDLL::TessDLL(std::string library, std::string dataPath)
    : library_(std::move(library)), dataPath_(std::move(dataPath)) {
    loaded = Load();
}

TessDLL::~TessDLL() {
    if (loaded) TessDllRelease();
    if (module_) dlclose(module_);
}

bool TessDLL::Load() {
    if (loaded) return true;
    module_ = dlopen(library_.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!module_) {
        problem_ = EngineMissing(library_, "the library was not found");
        return false;
    }
    auto api = std::make_unique<Api>();
    std::string missing;
#define QUORL_RESOLVE(name)                                                       \
    api->name = reinterpret_cast<decltype(api->name)>(dlsym(module_, #name)); \
    if (!api->name && missing.empty()) missing = #name;
    QUORL_TESS_ENTRY_POINTS(QUORL_RESOLVE)
#undef QUORL_RESOLVE
    if (!missing.empty()) {
        problem_ = EngineMissing(library_, "the entry point " + missing + " is missing");
        dlclose(module_);
        module_ = nullptr;
        return false;
    }
    api_ = std::move(api);
    KeepEngineOnOneThread(module_);
    return true;
}

bool TessDLL::UseLanguage(const std::string& lang) {
    if (!loaded) return false;
    if (engine_ && language_ == lang) return true;
    if (!engine_) {
        engine_ = api_->TessBaseAPICreate();
        // The engine's own diagnostics ("Empty page!!", "Detected 12 diacritics") would otherwise
        // go to the error stream, in the middle of what the program writes there or to the output.
        if (engine_) api_->TessBaseAPISetVariable(Engine(engine_), "debug_file", "/dev/null");
    }
    if (!engine_) {
        problem_ = EngineMissing(library_, "the engine could not be started");
        return false;
    }
    language_.clear();
    if (api_->TessBaseAPIInit3(Engine(engine_), dataPath_.empty() ? nullptr : dataPath_.c_str(), lang.c_str()) != 0) {
        problem_ = "The OCR language data \"" + lang + "\" (" + lang + ".traineddata) was not found. Install the package tesseract-ocr-" + lang + ".";
        return false;
    }
    // The engine finds the blocks and paragraphs of the label itself; paragraphs come out
    // separated by an empty line, as labels are transcribed.
    api_->TessBaseAPISetPageSegMode(Engine(engine_), PSM_AUTO);
    language_ = lang;
    return true;
}

bool TessDLL::TessDllBeginPageLangBPP(const OcrPage& page, const std::string& lang) {
    pageBegun_ = false;
    result_.chars.clear();
    if (!loaded || !page.rows || page.width <= 0 || page.height <= 0 || page.bitsPerPixel != 8 ||
        page.bytesPerLine < page.width)
        return false;
    if (!UseLanguage(lang)) return false;
    api_->TessBaseAPISetImage(Engine(engine_), page.rows, page.width, page.height, 1, page.bytesPerLine);
    api_->TessBaseAPISetSourceResolution(Engine(engine_), page.dpi > 0 ? page.dpi : 300);
    pageBegun_ = true;
    return true;
}

bool TessDLL::WordRead(void* binding, int /*words*/) {
    auto* self = static_cast<TessDLL*>(binding);
    try {
        self->onProgress(self->api_->TessMonitorGetProgress(static_cast<ETEXT_DESC*>(self->monitor_)));
    } catch (...) {
        self->progressError_ = std::current_exception();
        return true;
    }
    return false;
}

const OcrResult* TessDLL::TessDllRecognize_all_Words() {
    if (!pageBegun_) return nullptr;
    result_.chars.clear();
    TessBaseAPI* engine = Engine(engine_);
    ETEXT_DESC* monitor = onProgress ? api_->TessMonitorCreate() : nullptr;
    if (monitor) {
        api_->TessMonitorSetCancelFunc(monitor, &TessDLL::WordRead);
        api_->TessMonitorSetCancelThis(monitor, this);
    }
    monitor_ = monitor;
    const int failed = api_->TessBaseAPIRecognize(engine, monitor);
    monitor_ = nullptr;
    if (monitor) api_->TessMonitorDelete(monitor);
    if (progressError_) std::rethrow_exception(std::exchange(progressError_, nullptr));
    if (failed != 0) return nullptr;
    TessResultIterator* it = api_->TessBaseAPIGetIterator(engine);
    if (!it) return &result_;  // nothing on the page
    const TessPageIterator* page = api_->TessResultIteratorGetPageIterator(it);
    do {
        char* symbol = api_->TessResultIteratorGetUTF8Text(it, RIL_SYMBOL);
        if (!symbol) continue;
        OcrChar c;
        c.text = symbol;
        api_->TessDeleteText(symbol);
        if (api_->TessPageIteratorIsAtBeginningOf(page, RIL_WORD) &&
            !api_->TessPageIteratorIsAtBeginningOf(page, RIL_TEXTLINE))
            c.blanks = 1;
        if (api_->TessPageIteratorIsAtFinalElement(page, RIL_TEXTLINE, RIL_SYMBOL)) c.flags |= kOcrLineEnd;
        if (api_->TessPageIteratorIsAtFinalElement(page, RIL_PARA, RIL_SYMBOL)) c.flags |= kOcrParagraphEnd;
        result_.chars.push_back(std::move(c));
    } while (api_->TessResultIteratorNext(it, RIL_SYMBOL));
    api_->TessResultIteratorDelete(it);
    return &result_;
}

void TessDLL::TessDllEndPage() {
    if (pageBegun_ && engine_) api_->TessBaseAPIClear(Engine(engine_));
    pageBegun_ = false;
    result_.chars.clear();
}

void TessDLL::TessDllRelease() {
    if (!loaded || !engine_) return;
    api_->TessBaseAPIEnd(Engine(engine_));
    api_->TessBaseAPIDelete(Engine(engine_));
    engine_ = nullptr;
    language_.clear();
}

}  // namespace quorl
