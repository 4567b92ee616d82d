#include "fields/WindowScaling.h"

#include <cmath>

#include "base/Text.h"
#include "model/Form.h"
#include "model/Session.h"

namespace quorl {

namespace {
constexpr int kDesignFontSize = 8;
constexpr int kBoldFrom = 9;

int Scale(int value, float factor) { return static_cast<int>(std::trunc(static_cast<float>(value) * factor)); }

bool TakesCaptionFont(ControlKind k) {
    return k == ControlKind::Button || k == ControlKind::Label || k == ControlKind::GroupBox;
}

bool TakesFieldFont(ControlKind k) {
    return k == ControlKind::Edit || k == ControlKind::Memo || k == ControlKind::Combo;
}
}  // namespace

void FormResize(Session& s, int& width, int& height) {
    if (s.ControlPositions.empty() || s.DesignWidth <= 0 || s.DesignHeight <= 0) return;
    Form& form = s.form;
    if (width < s.DesignWidth) width = s.DesignWidth;
    if (height < s.DesignHeight) height = s.DesignHeight;
    form.width = width;
    form.height = height;
    form.clientWidth = width;  // the user-field layout places the notes row from the bottom
    form.clientHeight = height;
    const float x = static_cast<float>(width) / static_cast<float>(s.DesignWidth);
    const float y = static_cast<float>(height) / static_cast<float>(s.DesignHeight);
    const int size = static_cast<int>(std::trunc((y + x) * 4.0f));
    const bool bold = size >= kBoldFrom;

    size_t i = 0;
    for (const auto& cp : form.Controls()) {
        Control& c = *cp;
        if (!c.parent.empty()) continue;
        if (i >= s.ControlPositions.size()) break;
        const ControlPositionClass& r = s.ControlPositions[i++];
        form.SetBounds(c.name, Scale(r.Left, x), Scale(r.Top, y), Scale(r.Width, x), Scale(r.Height, y));
        if (TakesCaptionFont(c.kind)) form.SetFont(c.name, size, bold);
        if (c.kind != ControlKind::GroupBox) continue;
        std::vector<Control*> children = form.ChildrenOf(c.name);
        for (size_t j = 0; j < children.size() && j < r.ChildLeft.size(); ++j)
            form.SetBounds(children[j]->name, Scale(r.ChildLeft[j], x), Scale(r.ChildTop[j], y),
                           Scale(r.ChildWidth[j], x), Scale(r.ChildHeight[j], y));
    }
}

void SetFieldFont(Session& s) {
    Form& form = s.form;
    const Control* edit = form.Find("FontEdit");
    const Control* check = form.Find("BoldCheck");
    const int size = edit ? TryStrToInt(edit->text).value_or(kDesignFontSize) : kDesignFontSize;
    const bool bold = check && check->checked;
    for (const auto& cp : form.Controls())
        if (TakesFieldFont(cp->kind)) form.SetFont(cp->name, size, bold);
}

}  // namespace quorl
