#include "ocr/JpegDecode.h"

#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>
#include <jerror.h>
#include <new>
#include <vector>

#include "base/FileBytes.h"

namespace quorl {

namespace {

// libjpeg's default error handler ends the process; this one jumps back to the decoder with the
// library's message so that a broken file is an error like any other. Warnings (damaged or
// missing data that the library makes up for) are kept: the first one is told to the user.
struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
    char warning[JMSG_LENGTH_MAX];
    int warningCode;
};

void OnJpegError(j_common_ptr info) {
    auto* err = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, err->message);
    std::longjmp(err->jump, 1);
}

void OnJpegMessage(j_common_ptr info, int level) {
    auto* err = reinterpret_cast<ErrorManager*>(info->err);
    if (level >= 0 || err->warning[0] != '\0') return;  // trace messages, later warnings
    (*info->err->format_message)(info, err->warning);
    err->warningCode = info->err->msg_code;
}

int DotsPerInch(const jpeg_decompress_struct& d) {
    if (d.X_density == 0) return 0;
    if (d.density_unit == 1) return d.X_density;
    if (d.density_unit == 2) return static_cast<int>(d.X_density * 2.54 + 0.5);
    return 0;  // an aspect ratio only
}

// The grey level of one CMYK pixel. Files with an Adobe marker (those of image editors) store the
// four inks inverted: 255 is no ink.
uint8_t CmykGrey(const JSAMPLE* p, bool inverted) {
    int c = p[0], m = p[1], y = p[2], k = p[3];
    if (!inverted) c = 255 - c, m = 255 - m, y = 255 - y, k = 255 - k;
    const int r = c * k / 255, g = m * k / 255, b = y * k / 255;
    return static_cast<uint8_t>((r * 299 + g * 587 + b * 114 + 500) / 1000);
}

std::string SizeText(JDIMENSION w, JDIMENSION h) { return std::to_string(w) + " x " + std::to_string(h); }

}  // namespace

GreyImage DecodeJpegGrey(std::string_view bytes, std::string* warning) {
    if (warning) warning->clear();
    if (bytes.empty()) throw JpegError("empty file");
    jpeg_decompress_struct d{};
    ErrorManager err{};
    d.err = jpeg_std_error(&err.pub);
    err.pub.error_exit = OnJpegError;
    err.pub.emit_message = OnJpegMessage;
    // Everything that must be cleaned up after a jump lives outside the jump's frame.
    GreyImage image;
    std::vector<JSAMPLE> cmykRow;
    std::string refusal;
    if (setjmp(err.jump)) {
        jpeg_destroy_decompress(&d);
        throw JpegError(err.message);
    }
    jpeg_create_decompress(&d);
    jpeg_mem_src(&d, reinterpret_cast<const unsigned char*>(bytes.data()), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&d, TRUE);
    // The header's size decides, before the library or the program sets aside any memory for it.
    if (static_cast<long long>(d.image_width) * d.image_height > kMaxPicturePixels) {
        refusal = "Picture too large: " + SizeText(d.image_width, d.image_height);
        jpeg_destroy_decompress(&d);
        throw JpegError(refusal);
    }
    // CMYK cannot be turned into grey by the library: it is decoded as CMYK and converted here.
    const bool cmyk = d.jpeg_color_space == JCS_CMYK || d.jpeg_color_space == JCS_YCCK;
    d.out_color_space = cmyk ? JCS_CMYK : JCS_GRAYSCALE;
    jpeg_start_decompress(&d);
    try {
        image = GreyImage(static_cast<int>(d.output_width), static_cast<int>(d.output_height));
        if (cmyk) cmykRow.resize(static_cast<size_t>(d.output_width) * 4);
    } catch (const std::bad_alloc&) {
        refusal = "Not enough memory for a picture of " + SizeText(d.output_width, d.output_height);
        jpeg_destroy_decompress(&d);
        throw JpegError(refusal);
    }
    image.dpi = DotsPerInch(d);
    const bool inverted = d.saw_Adobe_marker;
    while (d.output_scanline < d.output_height) {
        uint8_t* grey = image.Row(static_cast<int>(d.output_scanline));
        JSAMPROW row = cmyk ? cmykRow.data() : grey;
        if (jpeg_read_scanlines(&d, &row, 1) != 1) break;
        if (cmyk)
            for (int x = 0; x < image.width; ++x) grey[x] = CmykGrey(row + 4 * x, inverted);
    }
    jpeg_finish_decompress(&d);
    jpeg_destroy_decompress(&d);
    if (warning && err.warning[0] != '\0')
        *warning = err.warningCode == JWRN_JPEG_EOF
                       ? std::string("The picture is incomplete: its file ends before the picture does, so part "
                                     "of it is missing.")
                       : std::string("The picture is damaged (") + err.warning + "); parts of it may be wrong.";
    return image;
}

GreyImage LoadJpegGrey(const std::filesystem::path& file, std::string* warning) {
    std::string bytes;
    if (!ReadFileBytes(file, bytes)) throw JpegError("cannot read " + file.string());
    return DecodeJpegGrey(bytes, warning);
}

}  // namespace quorl
