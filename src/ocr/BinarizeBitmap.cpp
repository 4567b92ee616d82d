#include "ocr/BinarizeBitmap.h"

#include <algorithm>

namespace quorl {

namespace {

// A drop of the left level by more than this is damped against the row above (a dark mark at
// the edge is not taken for a change of lighting); the right level is damped on any drop while
// the centre held within it.
constexpr int kDampLimit = 1;

int BrightestIn(const uint8_t* row, int from, int to, int width) {
    int best = 0;
    for (int x = std::max(from, 0); x < std::min(to, width); ++x) best = std::max(best, int(row[x]));
    return best;
}

}  // namespace

PixelRect BinarizeBitmap(GreyImage& picture, int threshold, bool findBarcode, const std::function<void(int)>& progress) {
    const int w = picture.width;
    if (picture.Empty()) return {};
    const int half = w / 2;
    const int band = w <= 100 ? w - 1 : 100;
    GreyImage k = picture;
    int prevL = 0, prevC = 0, prevR = 0;
    for (int r = 0; r < k.height; ++r) {
        if (progress) progress(r);
        uint8_t* row = k.Row(r);
        int left = BrightestIn(row, 10, band / 4, w);
        int centre = BrightestIn(row, half - band / 2, half + band / 2, w);
        int right = BrightestIn(row, w - band / 4 + 1, w, w);
        if (r > 0) {
            if (prevL - left > kDampLimit) left = (9 * prevL + left) / 10;
            if (prevR > right && prevC - centre < kDampLimit) right = (9 * prevR + right) / 10;
        }
        prevL = left;
        prevC = centre;
        prevR = right;
        left -= centre - threshold;
        right -= centre - threshold;
        centre = threshold;
        const float slopeL = half > 0 ? static_cast<float>(centre - left) / static_cast<float>(half) : 0.0f;
        const float slopeR = half > 0 ? static_cast<float>(right - centre) / static_cast<float>(half) : 0.0f;
        row[w - 1] = 255;
        for (int x = 0; x < w - 1; ++x) {
            const double level = x < half ? left + x * static_cast<double>(slopeL)
                                          : centre + (x - half) * static_cast<double>(slopeR);
            const int cut = static_cast<int>(level);
            row[x] = row[x] > cut ? 255 : 0;
        }
    }
    const PixelRect barcode = findBarcode ? LocateBarcode(k) : PixelRect{};
    picture = std::move(k);
    return barcode;
}

}  // namespace quorl
