#include "ocr/JpegDecode.h"

#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>

#include "base/FileBytes.h"

namespace quorl {

namespace {

// libjpeg's default error handler ends the process; this one jumps back to the decoder with the
// library's message so that a broken file is an error like any other.
struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void OnJpegError(j_common_ptr info) {
    auto* err = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, err->message);
    std::longjmp(err->jump, 1);
}

void OnJpegWarning(j_common_ptr, int) {}

int DotsPerInch(const jpeg_decompress_struct& d) {
    if (d.X_density == 0) return 0;
    if (d.density_unit == 1) return d.X_density;
    if (d.density_unit == 2) return static_cast<int>(d.X_density * 2.54 + 0.5);
    return 0;  // an aspect ratio only
}

}  // namespace

GreyImage DecodeJpegGrey(std::string_view bytes) {
    if (bytes.empty()) throw JpegError("empty file");
    jpeg_decompress_struct d{};
    ErrorManager err{};
    d.err = jpeg_std_error(&err.pub);
    err.pub.error_exit = OnJpegError;
    err.pub.emit_message = OnJpegWarning;
    // Everything that must be cleaned up after a jump lives outside the jump's frame.
    GreyImage image;
    if (setjmp(err.jump)) {
        jpeg_destroy_decompress(&d);
        throw JpegError(err.message);
    }
    jpeg_create_decompress(&d);
    jpeg_mem_src(&d, reinterpret_cast<const unsigned char*>(bytes.data()), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&d, TRUE);
    d.out_color_space = JCS_GRAYSCALE;
    jpeg_start_decompress(&d);
    image.width = static_cast<int>(d.output_width);
    image.height = static_cast<int>(d.output_height);
    image.dpi = DotsPerInch(d);
    image.pixels.assign(static_cast<size_t>(image.width) * static_cast<size_t>(image.height), 255);
    while (d.output_scanline < d.output_height) {
        JSAMPROW row = image.Row(static_cast<int>(d.output_scanline));
        jpeg_read_scanlines(&d, &row, 1);
    }
    jpeg_finish_decompress(&d);
    jpeg_destroy_decompress(&d);
    return image;
}

GreyImage LoadJpegGrey(const std::filesystem::path& file) {
    std::string bytes;
    if (!ReadFileBytes(file, bytes)) throw JpegError("cannot read " + file.string());
    return DecodeJpegGrey(bytes);
}

}  // namespace quorl
