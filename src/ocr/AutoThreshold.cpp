#include "ocr/AutoThreshold.h"

#include <array>

namespace quorl {

int AutoThreshold(const GreyImage& picture) {
    constexpr int kBins = 52;
    std::array<long long, kBins> count{};
    // The smoothed values of the row above are needed by the next row; the row below is still
    // the picture's own.
    GreyImage smoothed = picture;
    for (int y = 1; y + 1 < picture.height; ++y) {
        const uint8_t* above = smoothed.Row(y - 1);
        const uint8_t* here = picture.Row(y);
        const uint8_t* below = smoothed.Row(y + 1);
        uint8_t* out = smoothed.Row(y);
        for (int x = 1; x + 1 < picture.width; ++x) {
            const int sum = above[x - 1] + above[x] + above[x + 1] + here[x - 1] + here[x] + here[x + 1] +
                            below[x - 1] + below[x] + below[x + 1];
            const int m = sum / 9;
            out[x] = static_cast<uint8_t>(m);
            ++count[m / 5];
        }
    }
    int peak = 0;
    for (int i = 1; i < kBins; ++i)
        if (count[i] > count[peak]) peak = i;
    int i = peak;
    while (i >= 0 && count[i] * 10 > count[peak]) --i;
    // i * 4.1 truncated, in whole numbers so that no rounding of 4.1 moves the result.
    return i * 41 / 10;
}

}  // namespace quorl
