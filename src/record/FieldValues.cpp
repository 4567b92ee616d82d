#include "record/FieldValues.h"

#include "model/Session.h"

namespace quorl {

std::string ReadFieldText(const Session& s, int field) {
    for (const auto& c : s.form.Controls()) {
        if (c->tag != field) continue;
        if (c->kind == ControlKind::Edit || c->kind == ControlKind::Memo || c->kind == ControlKind::Combo)
            return c->text;
    }
    return {};
}

std::string BoxText(const Session& s, std::string_view name) {
    const Control* c = s.form.Find(name);
    return c ? c->text : std::string();
}

void SetBoxText(Session& s, std::string_view name, const std::string& text) {
    if (s.form.Find(name)) s.form.SetText(name, text);
}

}  // namespace quorl
