// An OCR engine library with the engine's entry points that takes every page and fails on it:
// tests load it in place of the real engine to see how a failed recognition is told.
#include <tesseract/capi.h>

namespace {
int engineHandle;  // the address stands for the engine
}  // namespace

TessBaseAPI* TessBaseAPICreate() { return reinterpret_cast<TessBaseAPI*>(&engineHandle); }
void TessBaseAPIDelete(TessBaseAPI*) {}
int TessBaseAPIInit3(TessBaseAPI*, const char*, const char*) { return 0; }
BOOL TessBaseAPISetVariable(TessBaseAPI*, const char*, const char*) { return 1; }
void TessBaseAPISetPageSegMode(TessBaseAPI*, TessPageSegMode) {}
void TessBaseAPISetImage(TessBaseAPI*, const unsigned char*, int, int, int, int) {}
void TessBaseAPISetSourceResolution(TessBaseAPI*, int) {}
int TessBaseAPIRecognize(TessBaseAPI*, ETEXT_DESC*) { return -1; }
TessResultIterator* TessBaseAPIGetIterator(TessBaseAPI*) { return nullptr; }
TessPageIterator* TessResultIteratorGetPageIterator(TessResultIterator*) { return nullptr; }
char* TessResultIteratorGetUTF8Text(const TessResultIterator*, TessPageIteratorLevel) { return nullptr; }
BOOL TessResultIteratorNext(TessResultIterator*, TessPageIteratorLevel) { return 0; }
void TessResultIteratorDelete(TessResultIterator*) {}
BOOL TessPageIteratorIsAtBeginningOf(const TessPageIterator*, TessPageIteratorLevel) { return 0; }
BOOL TessPageIteratorIsAtFinalElement(const TessPageIterator*, TessPageIteratorLevel, TessPageIteratorLevel) { return 0; }
void TessDeleteText(const char*) {}
void TessBaseAPIClear(TessBaseAPI*) {}
void TessBaseAPIEnd(TessBaseAPI*) {}
ETEXT_DESC* TessMonitorCreate() { return nullptr; }
void TessMonitorDelete(ETEXT_DESC*) {}
void TessMonitorSetCancelFunc(ETEXT_DESC*, TessCancelFunc) {}
void TessMonitorSetCancelThis(ETEXT_DESC*, void*) {}
int TessMonitorGetProgress(ETEXT_DESC*) { return 0; }
