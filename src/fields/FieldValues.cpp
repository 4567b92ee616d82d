#include "fields/FieldValues.h"

#include "model/Session.h"

namespace quorl {

std::string BoxText(const Session& s, std::string_view name) {
    const Control* c = s.form.Find(name);
    return c ? c->text : std::string();
}

int BoxItemIndex(const Session& s, std::string_view name) {
    const Control* c = s.form.Find(name);
    return c ? c->itemIndex : -1;
}

void SetBoxText(Session& s, std::string_view name, const std::string& text) {
    if (s.form.Find(name)) s.form.SetText(name, text);
}

}  // namespace quorl
