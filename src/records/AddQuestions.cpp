#include "records/AddQuestions.h"

#include "model/Session.h"

namespace quorl {

namespace {

// The values of the main window's boxes and lists, in component order.
std::vector<std::string> FieldValues(const Session& s) {
    std::vector<std::string> values;
    for (const auto& c : s.form.Controls())
        if (c->IsTextField() || c->kind == ControlKind::Combo) values.push_back(c->text);
    return values;
}

}  // namespace

DialogButton AskOnce(Session& s, const std::string& question, DialogKind kind,
                     const std::vector<DialogButton>& buttons) {
    for (const auto& [asked, answer] : s.AddAnswers)
        if (asked == question) return answer;
    const DialogButton answer = s.dialogs.Ask(question, kind, buttons);
    s.AddAnswers.emplace_back(question, answer);
    return answer;
}

void KeepAddAnswers(Session& s) { s.AddAnswersFields = FieldValues(s); }

void ForgetAddAnswersIfFieldsChanged(Session& s) {
    if (FieldValues(s) != s.AddAnswersFields) s.AddAnswers.clear();
}

}  // namespace quorl
