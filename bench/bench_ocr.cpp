// The OCR of one label photo as "OCR && Parse" runs it (engine start, threshold, black and white,
// recognition, pass choice, repairs): Automatic (one pass) and Analyze (five passes), and the
// picture steps alone. The photo is a real label of about 1600 x 1100 pixels from the shared
// development data beside the repository, or the tests' own drawn label when that is absent.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "base/ScriptedDialogs.h"
#include "model/Session.h"
#include "ocr/AutoThreshold.h"
#include "ocr/BinarizeBitmap.h"
#include "ocr/JpegDecode.h"
#include "ocr/OcrSelection.h"

namespace fs = std::filesystem;
using namespace quorl;

namespace {

fs::path LabelPhoto() {
    const fs::path shared =
        fs::path(QUORL_SOURCE_DIR) / ".." / "shared" / "data" / "labels" / "lichens-gold" / "images" / "NY01075759_lg.jpg";
    if (fs::exists(shared)) return shared;
    return fs::path(QUORL_SOURCE_DIR) / "tests" / "data" / "photos" / "rendered-label.jpg";
}

const GreyImage& Photo() {
    static const GreyImage photo = LoadJpegGrey(LabelPhoto());
    return photo;
}

void RunOcr(benchmark::State& state, ThresholdMode mode) {
    ScriptedDialogs dialogs;
    Session s(dialogs);
    s.Debug = false;
    const GreyImage& photo = Photo();
    OcrSettings settings;
    settings.mode = mode;
    size_t chars = 0;
    for (auto _ : state) {
        const OcrRun run = OcrSelection(s, photo, {0, 0, photo.width, photo.height}, settings);
        if (!run.engineReady) {
            state.SkipWithError("no OCR engine");
            return;
        }
        chars = run.text.size();
        benchmark::DoNotOptimize(run);
    }
    state.counters["chars"] = static_cast<double>(chars);
    state.SetLabel(std::to_string(photo.width) + "x" + std::to_string(photo.height));
}

void BM_OcrAutomatic(benchmark::State& state) { RunOcr(state, ThresholdMode::Automatic); }
void BM_OcrAnalyze(benchmark::State& state) { RunOcr(state, ThresholdMode::Analyze); }

void BM_DecodeJpeg(benchmark::State& state) {
    const fs::path file = LabelPhoto();
    for (auto _ : state) benchmark::DoNotOptimize(LoadJpegGrey(file));
}

void BM_ThresholdAndBinarize(benchmark::State& state) {
    const GreyImage& photo = Photo();
    for (auto _ : state) {
        GreyImage bw = photo;
        BinarizeBitmap(bw, AutoThreshold(photo), true);
        benchmark::DoNotOptimize(bw);
    }
}

}  // namespace

BENCHMARK(BM_OcrAutomatic)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_OcrAnalyze)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_DecodeJpeg)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ThresholdAndBinarize)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
