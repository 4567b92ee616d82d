#pragma once
// What the OCR engine read on one page, character by character, and the label text made of it.
#include <cstdint>
#include <string>
#include <vector>

namespace quorl {

constexpr uint8_t kOcrLineEnd = 0x40;
constexpr uint8_t kOcrParagraphEnd = 0x80;

struct OcrChar {
    std::string text;    // one character as UTF-8
    int blanks = 0;      // blanks before it (0 or less: none)
    uint8_t flags = 0;   // kOcrLineEnd, kOcrParagraphEnd
};

struct OcrResult {
    std::vector<OcrChar> chars;
};

// Each character preceded by its blanks and followed by "\r\n" for a line end and another for a
// paragraph end; a null result gives "". Characters are passed on as the engine gave them.
std::string OcrResultToText(const OcrResult* result);

}  // namespace quorl
