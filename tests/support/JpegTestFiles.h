#pragma once
// JPEG files made in the test: written with libjpeg from a pixel function, grey or CMYK, and
// changed the way broken files are (a size in the header that the data does not have, a file
// cut short).
#include <cstdio>
#include <jpeglib.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace quorl::testing {

// A baseline JPEG of w x h pixels; components is 1 (grey) or 4 (CMYK, stored inverted with an
// Adobe marker as image editors do: 255 is no ink). pixel(x, y, component) gives each sample.
inline std::string MakeJpeg(int w, int h, int components, const std::function<int(int, int, int)>& pixel,
                            int quality = 90) {
    jpeg_compress_struct c{};
    jpeg_error_mgr err{};
    c.err = jpeg_std_error(&err);
    jpeg_create_compress(&c);
    unsigned char* out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&c, &out, &size);
    c.image_width = static_cast<JDIMENSION>(w);
    c.image_height = static_cast<JDIMENSION>(h);
    c.input_components = components;
    c.in_color_space = components == 4 ? JCS_CMYK : JCS_GRAYSCALE;
    jpeg_set_defaults(&c);
    jpeg_set_quality(&c, quality, TRUE);
    jpeg_start_compress(&c, TRUE);
    std::vector<JSAMPLE> row(static_cast<size_t>(w) * components);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x)
            for (int k = 0; k < components; ++k) row[static_cast<size_t>(x * components + k)] = static_cast<JSAMPLE>(pixel(x, y, k));
        JSAMPROW p = row.data();
        jpeg_write_scanlines(&c, &p, 1);
    }
    jpeg_finish_compress(&c);
    std::string bytes(reinterpret_cast<const char*>(out), size);
    jpeg_destroy_compress(&c);
    std::free(out);
    return bytes;
}

// A grey picture with detail everywhere, so that its compressed data is spread over the file.
inline std::string MakeGreyJpeg(int w, int h) {
    return MakeJpeg(w, h, 1, [](int x, int y, int) { return (x * 7 + y * 13 + (x * y) % 31) % 256; });
}

// The same file with the size its frame header declares changed to w x h.
inline std::string WithDeclaredSize(std::string jpeg, int w, int h) {
    const size_t sof = jpeg.find("\xFF\xC0");
    if (sof == std::string::npos) return jpeg;
    jpeg[sof + 5] = static_cast<char>(h >> 8);
    jpeg[sof + 6] = static_cast<char>(h & 0xFF);
    jpeg[sof + 7] = static_cast<char>(w >> 8);
    jpeg[sof + 8] = static_cast<char>(w & 0xFF);
    return jpeg;
}

}  // namespace quorl::testing
