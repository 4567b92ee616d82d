#include "ocr/PassChoice.h"

#include "base/Text.h"

namespace quorl {

PassScore ScoreOcrText(const std::string& text, const std::vector<BayesClass>& wordStats) {
    PassScore score;
    std::string word;
    const size_t n = text.size();
    // i runs over 1-based positions 1 .. n-1; c(i) is text[i - 1].
    auto c = [&](size_t i) { return static_cast<unsigned char>(text[i - 1]); };
    for (size_t i = 1; i + 1 <= n && i < n; ++i) {
        if (i < n - 1 && IsDigit(c(i)) && IsAsciiLetter(c(i + 1))) ++score.mixed;
        if (IsAsciiLetter(c(i)) && IsDigit(c(i + 1))) ++score.mixed;
        if (c(i) == ' ') {
            if (!word.empty()) {
                const std::string lower = LowerCase(word);
                for (const BayesClass& entry : wordStats)
                    if (entry.Word == lower) ++score.known;
                word.clear();
            }
        } else {
            word += static_cast<char>(c(i));
        }
    }
    return score;
}

bool PassChoice::Offer(const std::string& text, const PassScore& score) {
    offered_ = true;
    if (!(score.known > bestKnown_ || (score.known == bestKnown_ && score.mixed <= bestMixed_))) return false;
    if (score.mixed < bestMixed_) bestMixed_ = score.mixed;
    if (score.known > bestKnown_) bestKnown_ = score.known;
    best_ = text;
    return true;
}

std::string PassChoice::ChosenText() const {
    if (!offered_ && failed_) return kUnknownOcrError;
    return best_;
}

}  // namespace quorl
