#pragma once
// The main window "QUORL" (MainWindow): draws every control of the session's Form as a widget at its
// design geometry, keeps widget and Form in step both ways, carries the main menu, and runs the
// start-up of the session while it is being built.
#include <QMainWindow>
#include <QHash>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class QAction;
class QKeyEvent;
class QMenu;
class QPlainTextEdit;
class QPoint;

namespace quorl {

class Session;
struct Control;
struct AppWindows;
class ProgramHelp;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    using Hook = std::function<void()>;

    // Builds the window from the main-window Form, runs the start-up of the session in the current
    // directory, adds the user-defined field rows and shows the window.
    explicit MainWindow(Session& s, QWidget* parent = nullptr);
    ~MainWindow() override;

    Session& session;
    // The other windows of the program; set by whoever creates them (nullptr in bare tests).
    AppWindows* windows = nullptr;

    // Handlers that the commands of the window fill in, looked up by name when the event comes:
    // clicks of buttons, double clicks on any control, menu items (named like "Open1").
    std::unordered_map<std::string, Hook> clickHooks;
    std::unordered_map<std::string, Hook> doubleClickHooks;
    std::unordered_map<std::string, Hook> menuHooks;

    // The widget drawn for a control, nullptr for an unknown name.
    QWidget* Widget(std::string_view name) const;
    // A menu item by its name ("Open1", "SwitchUser1", ...), nullptr for an unknown name.
    QAction* MenuItem(std::string_view name) const;

    // The program's help: the viewer, the hook and the help log (Help() is never null).
    ProgramHelp& Help() { return *help_; }

    // Menu commands that the window carries out itself.
    void SwitchUser1Click();
    void About3Click();
    void Exit1Click();
    void FormatOutput1Click();
    void Open1Click();

    // The field popup menu (PopupMenu1) as opened on a control; its items act on that control.
    // The menu pops up at the given global position.
    void ShowFieldPopup(const std::string& control, const QPoint& at);
    QMenu* PopupMenu1 = nullptr;
    // The label window's popup with its one item "Add to AutoCorrect".
    void ShowLabelPopup(const QPoint& at);
    QMenu* AutoCorrectPopupMenu = nullptr;
    // The add button: validates and writes the record (the name lookup may run it again).
    void AddDataButtonClick();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Commands of the menu, the buttons and the label window (MainWindowCommands.cpp).
    void WireCommands();
    void CreatePopupMenus();
    void ShowWindow(QWidget* w);
    void FormResize();
    void RichEdit1KeyDown(QKeyEvent* key);
    void RichEdit1Change();
    // Caret of a memo as an offset in the inner text; the Form's selection put into the widget.
    int Caret(const std::string& name) const;
    void KeepSelection(const std::string& name);
    std::string popupControl_;

    QWidget* EnsureWidget(const Control& c);
    QWidget* CreateWidget(const Control& c);
    void UpdateWidget(const Control& c);
    void ApplyTabOrder();
    void CreateMenus();
    QAction* AddMenuItem(QMenu* menu, const char* name, const QString& caption, const QString& hint = {});
    void OnFocusChanged(QWidget* now);
    void PushSelection(const std::string& name);
    // The memo's text as the Form holds it (the Form's positions count in it), or as the widget
    // shows it while the two differ.
    std::string InnerText(const std::string& name, const QPlainTextEdit* m) const;

    std::unique_ptr<ProgramHelp> help_;
    QWidget* client_ = nullptr;
    std::unordered_map<std::string, QWidget*> widgets_;
    QHash<QObject*, QString> names_;
    std::unordered_map<std::string, std::vector<std::string>> shownItems_;  // combo items as drawn
    std::unordered_map<std::string, QAction*> menuItems_;
    QMetaObject::Connection focusWatch_;  // cut when the window goes, before its controls do
};

}  // namespace quorl
