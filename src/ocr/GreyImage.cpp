#include "ocr/GreyImage.h"

#include <algorithm>
#include <cstring>

namespace quorl {

GreyImage CropImage(const GreyImage& image, PixelRect r) {
    r.left = std::clamp(r.left, 0, image.width);
    r.right = std::clamp(r.right, 0, image.width);
    r.top = std::clamp(r.top, 0, image.height);
    r.bottom = std::clamp(r.bottom, 0, image.height);
    if (r.Empty()) return {};
    GreyImage out(r.Width(), r.Height());
    out.dpi = image.dpi;
    for (int y = 0; y < out.height; ++y)
        std::memcpy(out.Row(y), image.Row(r.top + y) + r.left, static_cast<size_t>(out.width));
    return out;
}

}  // namespace quorl
