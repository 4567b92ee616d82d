#pragma once
// JPEG files decoded straight to grey (colour files too), with the resolution the file states.
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

#include "ocr/GreyImage.h"

namespace quorl {

struct JpegError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Throws JpegError when the bytes are not a JPEG picture that can be decoded.
GreyImage DecodeJpegGrey(std::string_view bytes);
// Throws JpegError as above, and when the file cannot be read.
GreyImage LoadJpegGrey(const std::filesystem::path& file);

}  // namespace quorl
