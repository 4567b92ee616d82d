#include "records/AddQuestions.h"

#include "model/Session.h"

namespace quorl {

DialogButton AskOnce(Session& s, const std::string& question, DialogKind kind,
                     const std::vector<DialogButton>& buttons) {
    for (const auto& [asked, answer] : s.AddAnswers)
        if (asked == question) return answer;
    const DialogButton answer = s.dialogs.Ask(question, kind, buttons);
    s.AddAnswers.emplace_back(question, answer);
    return answer;
}

}  // namespace quorl
