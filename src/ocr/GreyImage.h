#pragma once
// A grey picture of 8 bits per pixel, rows top-down without padding (0 black .. 255 white), and
// the rectangle type used for areas of it.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace quorl {

// Left/top inclusive, right/bottom exclusive; all zero means "none".
struct PixelRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool Empty() const { return right <= left || bottom <= top; }
    bool operator==(const PixelRect&) const = default;
};

struct GreyImage {
    int width = 0;
    int height = 0;
    // Pixels per inch as stored in the file; 0 when the file names none.
    int dpi = 0;
    std::vector<uint8_t> pixels;

    GreyImage() = default;
    GreyImage(int w, int h, uint8_t fill = 255)
        : width(w), height(h), pixels(static_cast<size_t>(w) * static_cast<size_t>(h), fill) {}

    bool Empty() const { return width <= 0 || height <= 0; }
    uint8_t* Row(int y) { return pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(width); }
    const uint8_t* Row(int y) const { return pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(width); }
    uint8_t At(int x, int y) const { return Row(y)[x]; }
    uint8_t& At(int x, int y) { return Row(y)[x]; }
};

// The part of a picture inside r, which is first clamped to the picture (empty when nothing of
// r lies inside it). The copy keeps the picture's resolution.
GreyImage CropImage(const GreyImage& image, PixelRect r);

}  // namespace quorl
