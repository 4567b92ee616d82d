#pragma once
// Choosing the best of several OCR passes over one picture: the pass whose text holds the most
// words known to the word statistics, and among equals the one that mixes letters and digits
// least, with ties going to the later pass.
#include <string>
#include <vector>

#include "model/Records.h"

namespace quorl {

constexpr const char* kUnknownOcrError = "Unknown OCR Error.  Review log file.";

struct PassScore {
    int mixed = 0;  // changes between an ASCII letter and a digit
    int known = 0;  // words found among the word statistics (each equal entry counts)
};

// Words end at blanks only (a line break joins the last word of a line to the first of the next),
// are lower-cased and compared with every entry; the word open at the end of the text is not
// looked up, nor is the text's last character examined.
PassScore ScoreOcrText(const std::string& text, const std::vector<BayesClass>& wordStats);

class PassChoice {
public:
    // Offers a pass; true when it becomes the best so far.
    bool Offer(const std::string& text, const PassScore& score);
    // A pass that failed: it is never chosen, but when no pass read anything the run's text says
    // that it failed.
    void Failed() { failed_ = true; }
    const std::string& BestText() const { return best_; }
    // The best pass's text; the error text when every pass failed.
    std::string ChosenText() const;

private:
    std::string best_;
    bool offered_ = false;
    bool failed_ = false;
    int bestKnown_ = 0;
    int bestMixed_ = 1000;
};

}  // namespace quorl
