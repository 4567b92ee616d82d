#include <vector>

#include "ocr/BinarizeBitmap.h"

namespace quorl {

namespace {

constexpr int kMaxChanges = 200;
constexpr int kMinBars = 40;   // changes, exclusive
constexpr int kMaxBars = 150;  // changes, exclusive

// The row below the last one, under (x, top), that has the colour of (x, top).
int BarBottom(const GreyImage& p, int x, int top) {
    const uint8_t colour = p.At(x, top);
    int y = top;
    while (y < p.height && p.At(x, y) == colour) ++y;
    return y;
}

}  // namespace

PixelRect LocateBarcode(const GreyImage& p) {
    const int h = p.height;
    int previous = 0;  // carried from row to row
    std::vector<int> changes;
    changes.reserve(kMaxChanges);
    for (int r = 0; r < h; ++r) {
        changes.clear();
        int n = 0;
        const uint8_t* row = p.Row(r);
        for (int x = 0; x + 1 < p.width; ++x) {
            const int grey = row[x];
            // The first change of a row is always from white to black.
            if (x > 0 && grey != previous && (n > 0 || grey < previous)) {
                if (n < kMaxChanges) changes.push_back(x);
                ++n;
            }
            previous = grey;
        }
        if (n <= kMinBars || n >= kMaxBars) continue;
        long long sum = 0;
        for (int k = 0; k + 1 < n; k += 2) sum += BarBottom(p, (changes[k] + changes[k + 1]) / 2, r);
        const int avgBottom = static_cast<int>(sum / (n / 2));
        const int left = changes.front();
        const int right = changes.back();
        const int ratio = (right - left) / (avgBottom - r);
        if (ratio != 5 && ratio != 6) continue;
        int bandBottom = avgBottom + (avgBottom - r);
        if (bandBottom >= h - 3) bandBottom = h - 4;
        // A band with no row in it (bars that end near the bottom) is no barcode.
        if (left < right && r < avgBottom && avgBottom < bandBottom) return {left, avgBottom, right, bandBottom};
        return {};
    }
    return {};
}

}  // namespace quorl
