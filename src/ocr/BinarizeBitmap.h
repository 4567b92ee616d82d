#pragma once
// Black and white from grey, with a cut level that follows the lighting of each row: the
// brightest grey at the left edge, in the centre and at the right edge of the row sets three
// levels, shifted so that the centre's equals the threshold, and the cut runs in straight lines
// between them.
#include <functional>

#include "ocr/GreyImage.h"

namespace quorl {

// Converts the picture in place to pure black (0) and white (255); the last column is always
// white. With findBarcode, returns the band under a row of barcode bars (where its digits are
// printed, see LocateBarcode), else an empty rectangle. progress, when given, receives each row
// number as it is converted.
PixelRect BinarizeBitmap(GreyImage& picture, int threshold, bool findBarcode,
                         const std::function<void(int)>& progress = {});

// In a black and white picture, the first row (from the top) that crosses between 41 and 149
// bars whose run is 5 to 6 times as wide as the bars are high; returns the band of the same
// height right under the bars, cut to end 4 rows above the picture's bottom. Empty when no row
// qualifies or the band would hold no row.
PixelRect LocateBarcode(const GreyImage& blackWhite);

}  // namespace quorl
