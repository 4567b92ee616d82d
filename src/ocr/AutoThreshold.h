#pragma once
// The grey level proposed as the black/white threshold of a picture, from the histogram of the
// picture smoothed over 3 x 3 pixels.
#include "ocr/GreyImage.h"

namespace quorl {

// Walks from the histogram's highest bin (bins of 5 grey levels) towards darker bins while a bin
// holds more than a tenth of the peak, and returns the first bin that does not, times 4.1 and
// truncated: normally 0..209, and -4 when every bin below the peak is that full. The picture is
// not changed.
int AutoThreshold(const GreyImage& picture);

}  // namespace quorl
