// Fuzz target: the input is a label photo, decoded to grey as the Photo window and the OCR tool
// decode it. A broken or oversized picture must be an error or a warning, never a crash, and a
// picture that decodes must hold all its pixels. Built by scripts/fuzz with clang's libFuzzer.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "ocr/JpegDecode.h"

using namespace quorl;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string warning;
    try {
        const GreyImage picture = DecodeJpegGrey(std::string_view(reinterpret_cast<const char*>(data), size), &warning);
        if (picture.pixels.size() != static_cast<size_t>(picture.width) * static_cast<size_t>(picture.height))
            __builtin_trap();
        if (static_cast<long long>(picture.width) * picture.height > kMaxPicturePixels) __builtin_trap();
        unsigned sum = 0;
        for (uint8_t p : picture.pixels) sum += p;  // every pixel was written and may be read
        volatile unsigned keep = sum;
        (void)keep;
    } catch (const JpegError&) {
    }
    return 0;
}
