#include "fields/DoubleSpacing.h"

#include <string_view>

#include "base/ParseText.h"
#include "base/Text.h"
#include "model/MainForm.h"
#include "model/Session.h"

namespace quorl {

namespace {
constexpr std::string_view kBreak = "\r\n";
constexpr std::string_view kDoubleBreak = "\r\n\r\n";
}  // namespace

std::string DoubleSpaceText(const std::string& text) {
    std::string t = ReplaceAll(text, kDoubleBreak, kBreak);
    t = ReplaceAll(t, kDoubleBreak, kBreak);
    return ReplaceAll(t, kBreak, kDoubleBreak);
}

void RichEdit1KeyDown(Session& s, LabelKey key, const std::string& text, int caret) {
    s.CaretShift = 0;
    s.PendingReformat = 0;
    if (!s.DoubleSpace) return;
    const int p = caret;
    switch (key) {
        case LabelKey::Enter:
            s.PendingReformat = 1;
            s.CaretShift = 2;
            break;
        case LabelKey::Backspace:
            if (p >= 2 && CharAt(text, p) == '\n') {
                s.PendingReformat = 2;
                if (CharAt(text, p - 2) == '\n') s.CaretShift = -2;
            }
            break;
        case LabelKey::Delete:
            if (CharAt(text, p + 1) == '\r') {
                s.PendingReformat = 2;
                if (p >= 2 && CharAt(text, p - 1) == '\n') s.CaretShift = -2;
            }
            break;
        case LabelKey::Other:
            break;
    }
}

std::string ReformatDoubleSpacing(const std::string& text, int pending) {
    // The text is cut at its double breaks (left to right, without overlap); a break left inside
    // a piece is one the edit made.
    const std::string single = pending == 1 ? std::string(kDoubleBreak) : std::string();
    std::string out;
    out.reserve(text.size() + 16);
    size_t start = 0;
    while (true) {
        size_t end = text.find(kDoubleBreak, start);
        std::string_view piece = std::string_view(text).substr(start, end == std::string::npos ? std::string::npos : end - start);
        for (size_t k = 0; k < piece.size();) {
            if (piece.substr(k, kBreak.size()) == kBreak) {
                out += single;
                k += kBreak.size();
            } else {
                out += piece[k++];
            }
        }
        if (end == std::string::npos) break;
        out += kDoubleBreak;
        start = end + kDoubleBreak.size();
    }
    return out;
}

bool RichEdit1Change(Session& s) {
    if (s.PendingReformat == 0 || !s.DoubleSpace) return false;
    Control* label = s.form.Find(kLabelWindow);
    if (!label) return false;
    const int pending = s.PendingReformat;
    const int caret = label->selStart;
    // Cleared first: writing the text runs this handler again, which must find nothing to do.
    s.PendingReformat = 0;
    s.form.SetText(kLabelWindow, ReformatDoubleSpacing(label->text, pending));
    const int size = static_cast<int>(label->text.size());
    int moved = caret + s.CaretShift;
    if (moved < 0) moved = 0;
    if (moved > size) moved = size;
    s.form.SetSelection(kLabelWindow, moved, 0);
    return true;
}

}  // namespace quorl
