#pragma once
// JPEG files decoded straight to grey (colour and CMYK files too), with the resolution the file
// states. A picture larger than any label photo is refused from its header, before decoding.
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

#include "ocr/GreyImage.h"

namespace quorl {

struct JpegError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The most pixels a picture may have (a 21-megapixel herbarium sheet is the largest in use).
constexpr long long kMaxPicturePixels = 100'000'000;

// Throws JpegError when the bytes are not a JPEG picture that can be decoded, when the picture
// has more than kMaxPicturePixels ("Picture too large: W x H"), or when there is no memory for it.
// A picture that can be decoded only in part (a file cut short) is returned as far as it goes,
// the rest grey, and warning (when given) says so; otherwise warning is emptied.
GreyImage DecodeJpegGrey(std::string_view bytes, std::string* warning = nullptr);
// Throws JpegError as above, and when the file cannot be read.
GreyImage LoadJpegGrey(const std::filesystem::path& file, std::string* warning = nullptr);

}  // namespace quorl
