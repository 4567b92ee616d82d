#include "model/Form.h"

#include <stdexcept>

namespace quorl {

Control& Form::Add(Control c) {
    if (byName_.count(c.name)) throw std::invalid_argument("duplicate control " + c.name);
    controls_.push_back(std::make_unique<Control>(std::move(c)));
    Control* p = controls_.back().get();
    byName_[p->name] = p;
    return *p;
}

Control* Form::Find(std::string_view name) {
    auto it = byName_.find(name);
    return it == byName_.end() ? nullptr : it->second;
}

const Control* Form::Find(std::string_view name) const {
    auto it = byName_.find(name);
    return it == byName_.end() ? nullptr : it->second;
}

Control& Form::Get(std::string_view name) {
    Control* c = Find(name);
    if (!c) throw std::out_of_range("no control " + std::string(name));
    return *c;
}

const Control& Form::Get(std::string_view name) const {
    const Control* c = Find(name);
    if (!c) throw std::out_of_range("no control " + std::string(name));
    return *c;
}

std::vector<Control*> Form::WithTag(int tag) {
    std::vector<Control*> r;
    for (auto& c : controls_)
        if (c->tag == tag) r.push_back(c.get());
    return r;
}

std::vector<Control*> Form::ChildrenOf(std::string_view groupBox) {
    std::vector<Control*> r;
    for (auto& c : controls_)
        if (c->parent == groupBox) r.push_back(c.get());
    return r;
}

namespace {
int ExactItem(const Control& c) {
    for (size_t i = 0; i < c.items.size(); ++i)
        if (c.items[i] == c.text) return static_cast<int>(i);
    return -1;
}
}  // namespace

bool Form::ChangeText(Control& c, const std::string& text) {
    if (c.text == text) return false;
    c.text = text;
    c.textChange = ++textChanges_;
    return true;
}

void Form::SetText(std::string_view name, const std::string& text) {
    Control& c = Get(name);
    if (!ChangeText(c, text)) return;
    if (c.kind == ControlKind::Combo) c.itemIndex = ExactItem(c);
    // A replaced text has nothing selected: the old offsets would name a piece of the new text.
    if (c.IsTextField()) c.selStart = c.selLength = 0;
    Notify(c);
    if (c.IsTextField()) RunChangeHandler(name);
}

void Form::SetItemIndex(std::string_view name, int index) {
    Control& c = Get(name);
    if (index < 0 || index >= static_cast<int>(c.items.size())) {
        c.itemIndex = -1;
        ChangeText(c, "");
    } else {
        c.itemIndex = index;
        ChangeText(c, c.items[index]);
    }
    Notify(c);
}

void Form::ClearItems(std::string_view name) {
    Control& c = Get(name);
    c.items.clear();
    c.itemIndex = -1;
    ChangeText(c, "");
    Notify(c);
}

void Form::AddItem(std::string_view name, const std::string& item) {
    Control& c = Get(name);
    c.items.push_back(item);
    Notify(c);
}

void Form::SetItems(std::string_view name, std::vector<std::string> items) {
    Control& c = Get(name);
    c.items = std::move(items);
    c.itemIndex = ExactItem(c);
    Notify(c);
}

template <typename T>
void Form::SetProperty(std::string_view name, T Control::*property, T value) {
    Control& c = Get(name);
    if (c.*property == value) return;
    c.*property = value;
    Notify(c);
}

void Form::SetColor(std::string_view name, uint32_t color) { SetProperty(name, &Control::color, color); }

void Form::SetVisible(std::string_view name, bool visible) { SetProperty(name, &Control::visible, visible); }

void Form::SetEnabled(std::string_view name, bool enabled) { SetProperty(name, &Control::enabled, enabled); }

void Form::SetBounds(std::string_view name, int left, int top, int width, int height) {
    Control& c = Get(name);
    c.left = left;
    c.top = top;
    c.width = width;
    c.height = height;
    Notify(c);
}

void Form::SetSelection(std::string_view name, int start, int length) {
    Control& c = Get(name);
    c.selStart = start;
    c.selLength = length;
}

void Form::SetFont(std::string_view name, int size, bool bold) {
    Control& c = Get(name);
    if (c.fontSize == size && c.fontBold == bold) return;
    c.fontSize = size;
    c.fontBold = bold;
    Notify(c);
}

void Form::UserSetText(std::string_view name, const std::string& text) {
    Control& c = Get(name);
    if (!ChangeText(c, text)) return;
    if (c.kind == ControlKind::Combo) c.itemIndex = ExactItem(c);
    RunChangeHandler(name);
}

void Form::UserSelectItem(std::string_view name, int index) {
    Control& c = Get(name);
    if (index < 0 || index >= static_cast<int>(c.items.size())) return;
    c.itemIndex = index;
    ChangeText(c, c.items[index]);
    RunChangeHandler(name);
}

void Form::OnChange(std::string_view name, Handler handler) { handlers_[std::string(name)] = std::move(handler); }

void Form::RunChangeHandler(std::string_view name) {
    auto it = handlers_.find(name);
    if (it != handlers_.end() && it->second) {
        Handler h = it->second;  // a handler may replace itself
        h();
    }
}

}  // namespace quorl
