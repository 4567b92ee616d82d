#include "model/ParserState.h"

namespace quorl {

const std::string& ParserState::Line(int line) const {
    static const std::string kNoLine;
    return IsLine(line) ? LabelChunks[line] : kNoLine;
}

void ParserState::SetLine(int line, std::string text) {
    if (IsLine(line)) LabelChunks[line] = std::move(text);
}

int32_t ParserState::Score(int field, int line) const {
    return IsScoreRow(field) && IsSlot(line) ? LineScores[field][line] : 0;
}

void ParserState::SetScore(int field, int line, int32_t value) {
    if (IsScoreRow(field) && IsSlot(line)) LineScores[field][line] = value;
}

}  // namespace quorl
