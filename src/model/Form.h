#pragma once
// The main window's controls as data, in component order. The Qt window draws them and reports
// user input back; the core reads and writes them without any widget.
//
// Two change rules hold: setting an edit's or memo's text from code runs its change handler (when
// the text really changes); setting a list's text or selected item from code runs none. Input from
// the user (UserSetText, UserSelectItem) runs the handler of any control. A text set from code
// leaves nothing selected in it.
// Texts are inner strings with CR LF line ends.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace quorl {

enum class ControlKind { Edit, Memo, Combo, GroupBox, Button, Label, CheckBox, RichEdit, UpDown };

// Colours as 0xRRGGBB.
constexpr uint32_t kColorWindow = 0xFFFFFF;
constexpr uint32_t kColorRed = 0xFF0000;
constexpr uint32_t kColorYellow = 0xFFFF00;
constexpr uint32_t kColorButtonFace = 0xF0F0F0;

struct Control {
    std::string name;
    int tag = 0;
    ControlKind kind = ControlKind::Edit;
    std::string parent;  // empty: placed on the main window; else the name of its group box
    std::string text;    // value of an edit, memo or list; caption of the others
    std::vector<std::string> items;
    int itemIndex = -1;
    uint32_t color = kColorWindow;
    bool visible = true;
    bool enabled = true;
    bool checked = false;
    int left = 0, top = 0, width = 0, height = 0;
    int tabOrder = 0;
    std::string hint;
    int selStart = 0;   // 0-based selection in the text, kept by the window; emptied by SetText
    int selLength = 0;
    int fontSize = 0;   // points; 0 keeps the window's font
    bool fontBold = false;
    uint64_t textChange = 0;  // the Form's TextChanges() when this text last changed (0: never)

    bool IsTextField() const { return kind == ControlKind::Edit || kind == ControlKind::Memo || kind == ControlKind::RichEdit; }
};

class Form {
public:
    using Handler = std::function<void()>;
    using Observer = std::function<void(const Control&)>;

    Form() = default;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    Control& Add(Control c);
    Control* Find(std::string_view name);
    const Control* Find(std::string_view name) const;
    Control& Get(std::string_view name);  // throws std::out_of_range for an unknown name
    const Control& Get(std::string_view name) const;
    const std::vector<std::unique_ptr<Control>>& Controls() const { return controls_; }
    // Controls carrying the tag, in component order.
    std::vector<Control*> WithTag(int tag);
    // Direct children of a group box, in component order.
    std::vector<Control*> ChildrenOf(std::string_view groupBox);

    // Code changes (see the change rules above).
    void SetText(std::string_view name, const std::string& text);
    void SetItemIndex(std::string_view name, int index);
    // Empties a list: its items and its text, as a list box's Clear does.
    void ClearItems(std::string_view name);
    void AddItem(std::string_view name, const std::string& item);
    void SetItems(std::string_view name, std::vector<std::string> items);
    void SetColor(std::string_view name, uint32_t color);
    void SetVisible(std::string_view name, bool visible);
    void SetEnabled(std::string_view name, bool enabled);
    void SetBounds(std::string_view name, int left, int top, int width, int height);
    void SetSelection(std::string_view name, int start, int length);
    void SetFont(std::string_view name, int size, bool bold);

    // Input from the user; runs the control's change handler.
    void UserSetText(std::string_view name, const std::string& text);
    void UserSelectItem(std::string_view name, int index);

    // How many times a control's text has changed, by code or by the user: a control whose
    // textChange is above a count taken earlier has changed since.
    uint64_t TextChanges() const { return textChanges_; }

    void OnChange(std::string_view name, Handler handler);
    void RunChangeHandler(std::string_view name);
    // One observer (the window) hears of every change made to a control.
    void SetObserver(Observer observer) { observer_ = std::move(observer); }
    void Notify(const Control& c) { if (observer_) observer_(c); }

    // The main window itself.
    std::string caption;
    int width = 0, height = 0;              // outer size
    int clientWidth = 0, clientHeight = 0;  // inner size
    std::string focused;                    // name of the control with the focus

private:
    // Sets one property of a control and tells the observer, when the value changes.
    template <typename T>
    void SetProperty(std::string_view name, T Control::*property, T value);
    // Sets the text and stamps the change; false when the text was already that.
    bool ChangeText(Control& c, const std::string& text);

    // Maps looked up by a string_view without making a string of it.
    struct NameHash {
        using is_transparent = void;
        size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
    };
    template <typename T>
    using ByName = std::unordered_map<std::string, T, NameHash, std::equal_to<>>;

    std::vector<std::unique_ptr<Control>> controls_;
    ByName<Control*> byName_;
    ByName<Handler> handlers_;
    Observer observer_;
    uint64_t textChanges_ = 0;
};

}  // namespace quorl
