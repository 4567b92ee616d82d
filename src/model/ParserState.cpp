#include "model/ParserState.h"

#include "base/Text.h"

namespace quorl {

const std::string& ParserState::Line(int line) const {
    static const std::string kNoLine;
    return IsLine(line) ? LabelChunks[line] : kNoLine;
}

void ParserState::SetLine(int line, std::string text) {
    if (IsLine(line)) LabelChunks[line] = std::move(text);
}

LineForms& ParserState::Forms(int line) const {
    if (!IsLine(line)) {
        noLine_ = LineForms{};
        return noLine_;
    }
    if (forms_.size() <= static_cast<size_t>(line)) forms_.resize(static_cast<size_t>(line) + 1);
    LineForms& f = forms_[static_cast<size_t>(line)];
    const std::string& text = LabelChunks[static_cast<size_t>(line)];
    if (f.source != text) {
        f.source = text;
        f.lower = LowerCase(text);
        f.searchFormsMade = false;
    }
    return f;
}

const PlaceLineForms* ParserState::PlaceForms(int line) const {
    if (!IsLine(line) || static_cast<size_t>(line) >= PlaceLines.size()) return nullptr;
    const PlaceLineForms& f = PlaceLines[static_cast<size_t>(line)];
    return f.source == LabelChunks[static_cast<size_t>(line)] ? &f : nullptr;
}

int32_t ParserState::Score(int field, int line) const {
    return IsScoreRow(field) && IsSlot(line) ? LineScores[field][line] : 0;
}

void ParserState::SetScore(int field, int line, int32_t value) {
    if (IsScoreRow(field) && IsSlot(line)) LineScores[field][line] = value;
}

}  // namespace quorl
