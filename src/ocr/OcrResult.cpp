#include "ocr/OcrResult.h"

namespace quorl {

std::string OcrResultToText(const OcrResult* result) {
    std::string text;
    if (!result) return text;
    for (const OcrChar& c : result->chars) {
        if (c.blanks > 0) text.append(static_cast<size_t>(c.blanks), ' ');
        text += c.text;
        if (c.flags & kOcrLineEnd) text += "\r\n";
        if (c.flags & kOcrParagraphEnd) text += "\r\n";
    }
    return text;
}

}  // namespace quorl
