// Threshold, black and white conversion and the barcode locator on small drawn pictures.
#include <gtest/gtest.h>

#include "ocr/AutoThreshold.h"
#include "ocr/BinarizeBitmap.h"

namespace quorl {
namespace {

// Horizontal stripes of the given greys and heights, 102 pixels wide.
GreyImage Stripes(const std::vector<std::pair<int, int>>& greyAndRows) {
    int h = 0;
    for (auto [g, rows] : greyAndRows) h += rows;
    GreyImage p(102, h);
    int y = 0;
    for (auto [g, rows] : greyAndRows)
        for (int i = 0; i < rows; ++i, ++y)
            for (int x = 0; x < p.width; ++x) p.At(x, y) = static_cast<uint8_t>(g);
    return p;
}

TEST(AutoThreshold, WalksDownFromThePeakWhileBinsHoldMoreThanATenth) {
    // Peak in bin 20 (grey 102); bins 19..16 hold a fifth of it each, bin 15 a twentieth.
    const GreyImage p = Stripes({{102, 100}, {97, 20}, {92, 20}, {87, 20}, {82, 20}, {77, 5}, {30, 30}});
    EXPECT_EQ(AutoThreshold(p), 61);  // trunc(15 * 4.1)
}

TEST(AutoThreshold, FullBinsDownToBlackGiveMinusFour) {
    EXPECT_EQ(AutoThreshold(GreyImage(40, 40, 0)), -4);
    // Every bin from the peak down to 0 above a tenth of the peak.
    EXPECT_EQ(AutoThreshold(Stripes({{20, 40}, {15, 40}, {10, 40}, {5, 40}, {0, 40}})), -4);
}

TEST(AutoThreshold, DarkTextOnPaperLiesBetweenInkAndPaper) {
    GreyImage p(200, 100, 220);
    for (int y = 40; y < 60; ++y)
        for (int x = 20; x < 180; x += 8) p.At(x, y) = p.At(x + 1, y) = 30;
    const int t = AutoThreshold(p);
    EXPECT_GT(t, 30);
    EXPECT_LT(t, 220);
}

TEST(BinarizeBitmap, GreyEqualToTheCutIsBlackAndTheLastColumnWhite) {
    for (int w : {60, 300}) {
        GreyImage p(w, 5, 120);
        BinarizeBitmap(p, 120, false);
        for (int y = 0; y < p.height; ++y) {
            for (int x = 0; x + 1 < w; ++x) ASSERT_EQ(p.At(x, y), 0) << w << " " << x << "," << y;
            EXPECT_EQ(p.At(w - 1, y), 255);
        }
    }
}

TEST(BinarizeBitmap, UnevenLightingFromLeftToRightIsEvenedOut) {
    // Paper from grey 120 at the left to 240 at the right, with two dark strokes.
    GreyImage p(400, 30);
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x) p.At(x, y) = static_cast<uint8_t>(120 + x * 120 / 399);
    for (int y = 5; y < 25; ++y)
        for (int x : {50, 51, 350, 351}) p.At(x, y) = 70 + x / 4;
    BinarizeBitmap(p, 150, false);
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x) {
            const bool stroke = y >= 5 && y < 25 && (x == 50 || x == 51 || x == 350 || x == 351);
            ASSERT_EQ(p.At(x, y), stroke ? 0 : 255) << x << "," << y;
        }
}

TEST(BinarizeBitmap, ADarkBandAtTheEdgesOfOneRowIsNotTakenForDimLight) {
    // Paper of 200; in row 5 the first 61 and the last 100 columns are a mark of grey 100. The
    // edge levels of that row are damped against the row above, so the mark stays black.
    GreyImage p(400, 10, 200);
    for (int x = 0; x <= 60; ++x) p.At(x, 5) = 100;
    for (int x = 300; x < 400; ++x) p.At(x, 5) = 100;
    BinarizeBitmap(p, 150, false);
    EXPECT_EQ(p.At(0, 5), 0);
    EXPECT_EQ(p.At(20, 5), 0);
    EXPECT_EQ(p.At(398, 5), 0);
    EXPECT_EQ(p.At(200, 5), 255);
    EXPECT_EQ(p.At(0, 4), 255);
    EXPECT_EQ(p.At(398, 6), 255);
}

TEST(BinarizeBitmap, NarrowPictureMeasuresItsEdgesInsideItself) {
    // 60 pixels wide: the edge levels come from columns 10..13 and 47..59, the centre from
    // 1..58. Bright columns 14..24 lift only the centre, so the left edge's cut drops far
    // below the paper and the paper at the left stays white.
    GreyImage p(60, 3, 100);
    for (int y = 0; y < p.height; ++y)
        for (int x = 14; x <= 24; ++x) p.At(x, y) = 250;
    BinarizeBitmap(p, 100, false);
    EXPECT_EQ(p.At(0, 0), 255);
    EXPECT_EQ(p.At(30, 0), 0);  // the centre's cut is the threshold itself
}

TEST(BinarizeBitmap, ReportsProgressForEveryRow) {
    GreyImage p(50, 7, 200);
    std::vector<int> rows;
    BinarizeBitmap(p, 100, false, [&](int r) { rows.push_back(r); });
    EXPECT_EQ(rows, (std::vector<int>{0, 1, 2, 3, 4, 5, 6}));
}

// A white picture with bars of 4 black and 4 white pixels from x = 100, rows top..bottom-1.
GreyImage Barcode(int bars, int top, int bottom, int height = 200) {
    GreyImage p(600, height, 255);
    for (int b = 0; b < bars; ++b)
        for (int y = top; y < bottom; ++y)
            for (int x = 100 + 8 * b; x < 104 + 8 * b; ++x) p.At(x, y) = 0;
    return p;
}

TEST(BarcodeLocator, FindsTheBandUnderTheBars) {
    // 50 bars: 100 changes, run 396 pixels wide over 70 rows: 5 times as wide as high.
    GreyImage p = Barcode(50, 40, 110);
    EXPECT_EQ(LocateBarcode(p), (PixelRect{100, 110, 496, 180}));
    // The same through the binariser, from grey bars on grey paper.
    GreyImage grey = Barcode(50, 40, 110);
    for (auto& v : grey.pixels) v = v ? 210 : 40;
    EXPECT_EQ(BinarizeBitmap(grey, 120, true), (PixelRect{100, 110, 496, 180}));
    EXPECT_EQ(BinarizeBitmap(grey, 120, false), PixelRect{});
}

TEST(BarcodeLocator, RefusesRowsWithTooFewOrTooManyBarsOrTheWrongShape) {
    EXPECT_EQ(LocateBarcode(Barcode(20, 40, 110)), PixelRect{});   // 40 changes
    EXPECT_EQ(LocateBarcode(Barcode(21, 50, 78)), (PixelRect{100, 78, 264, 106}));  // 42 changes, 164 / 28
    GreyImage many(1400, 200, 255);
    for (int b = 0; b < 75; ++b)  // 150 changes
        for (int y = 40; y < 270 / 2; ++y)
            for (int x = 100 + 8 * b; x < 104 + 8 * b; ++x) many.At(x, y) = 0;
    EXPECT_EQ(LocateBarcode(many), PixelRect{});
    EXPECT_EQ(LocateBarcode(Barcode(50, 40, 60)), PixelRect{});   // 396 / 20: too flat
    // Bars too tall at their top are taken from the row where what is left of them is 5 times
    // as wide as high (row 61: 396 / 79).
    EXPECT_EQ(LocateBarcode(Barcode(50, 40, 140)), (PixelRect{100, 140, 496, 196}));
}

TEST(BarcodeLocator, BandEndsFourRowsAboveTheBottomAndNeverHoldsNoRow) {
    EXPECT_EQ(LocateBarcode(Barcode(50, 100, 170)), (PixelRect{100, 170, 496, 196}));
    // Bars that run to the picture's bottom leave no band: no barcode rather than an empty page.
    EXPECT_EQ(LocateBarcode(Barcode(50, 130, 200)), PixelRect{});
}

TEST(CropImage, ClampsToThePictureAndKeepsTheResolution) {
    GreyImage p(10, 8, 0);
    p.dpi = 200;
    p.At(9, 7) = 77;
    p.At(5, 4) = 66;
    const GreyImage c = CropImage(p, {5, 4, 50, 50});
    EXPECT_EQ(c.At(0, 0), 66);
    EXPECT_EQ(c.width, 5);
    EXPECT_EQ(c.height, 4);
    EXPECT_EQ(c.dpi, 200);
    EXPECT_EQ(c.At(4, 3), 77);
    EXPECT_TRUE(CropImage(p, {12, 0, 20, 5}).Empty());
    EXPECT_TRUE(CropImage(p, {3, 3, 3, 6}).Empty());
}

}  // namespace
}  // namespace quorl
