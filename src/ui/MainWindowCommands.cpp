// The commands of the main window: menu items, buttons, the label window's keys and popup, the
// field popup menu and resizing. Each handler hands the work to the core.
#include <QAction>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScrollBar>

#include "commands/BatchMode.h"
#include "commands/MainCommands.h"
#include "editors/ConfigurationCheck.h"
#include "fields/DoubleSpacing.h"
#include "fields/FieldEntryTools.h"
#include "fields/WindowScaling.h"
#include "model/MainForm.h"
#include "model/Records.h"
#include "model/Session.h"
#include "parser/FillLabelChunks.h"
#include "ui/AppWindows.h"
#include "ui/HelpContext.h"
#include "ui/MainWindow.h"
#include "ui/QtText.h"

namespace quorl {

namespace {

// Menu items whose windows show what they hold; they get their own commands with their windows.
struct ShownWindow {
    const char* item;
    QWidget* (*window)(AppWindows&);
};
constexpr ShownWindow kShownWindows[] = {
    {"ViewImage1", [](AppWindows& w) -> QWidget* { return w.photo.get(); }},
};

bool HasFieldPopup(const Control& c) {
    const bool value = c.kind == ControlKind::Edit || c.kind == ControlKind::Memo || c.kind == ControlKind::Combo;
    return value && c.tag >= 0 && c.tag < kNoFieldTag;
}

}  // namespace

void MainWindow::WireCommands() {
    Session& s = session;
    menuHooks["Open1"] = [this] { Open1Click(); };
    menuHooks["SwitchUser1"] = [this] { SwitchUser1Click(); };
    menuHooks["OutputPreview1"] = [this] {
        if (windows && windows->outputPreview) windows->outputPreview->LoadOutputPreview();
    };
    doubleClickHooks["UserNameLabel"] = [this] { SwitchUser1Click(); };
    menuHooks["About3"] = [this] { About3Click(); };
    menuHooks["Exit1"] = [this] { Exit1Click(); };
    menuHooks["HelpContents1"] = [&s] { RequestHelp(s, 1000); };
    menuHooks["SubmitLogFile1"] = [this] {
        if (windows && windows->sendLogFile) windows->sendLogFile->FillAndShow();
    };
    menuHooks["FormatOutput1"] = [this] { FormatOutput1Click(); };
    doubleClickHooks["OutputLabel"] = [this] { FormatOutput1Click(); };
    menuHooks["BatchMode1"] = [&s] { BatchMode1Click(s); };
    menuHooks["EvaluateConfiguration1"] = [&s] { EvaluateConfiguration(s); };
    menuHooks["ConfigurationListbox1"] = [this] {
        if (windows && windows->configList) windows->configList->FillFieldList();
    };
    menuHooks["Analyze1"] = [this, &s] {
        Analyze1Click(s);
        if (windows && windows->analyze) {
            windows->analyze->SetItemIndex(0);
            ShowWindow(windows->analyze.get());
        }
    };
    menuHooks["Preferences1"] = [this] {
        if (windows && windows->preferences) windows->preferences->Open();
    };
    menuHooks["EditWordStats1"] = [this] {
        if (windows && windows->wordStats) windows->wordStats->Open();
    };
    menuHooks["EditCountries1"] = [this] {
        if (windows && windows->country) windows->country->Open();
    };
    for (const ShownWindow& shown : kShownWindows)
        menuHooks[shown.item] = [this, window = shown.window] {
            if (windows) ShowWindow(window(*windows));
        };

    clickHooks["ParseOnlyButton"] = [&s] { ParseOnlyButtonClick(s); };
    clickHooks["AddDataButton"] = [this] { AddDataButtonClick(); };
    clickHooks["PasteButton"] = [&s] { PasteLabelText(s); };
    clickHooks["ClearAllButton"] = [&s] { ClearAllButtonClick(s); };
    clickHooks["LayoutButton"] = [&s] { LayoutButtonClick(s); };
    for (const auto& c : s.form.Controls()) {
        if (c->kind != ControlKind::Button) continue;
        const std::string name = c->name;
        const int field = c->tag - kPasteButtonTagBase;
        if (field >= 0 && field < kBuiltInFields)
            clickHooks[name] = [&s, name] { PasteSelectionButtonClick(s, name); };
        else if (field >= kBuiltInFields && field < kMaxFields)
            clickHooks[name] = [&s, name] { CustomButtonOnClick(s, name); };
        else if (IsToolButton(name))
            clickHooks[name] = [&s, name] { ToolButtonClick(s, name); };
    }

    BindFieldChangeHandlers(s);
    s.form.OnChange("FontUpDown", [&s] { SetFieldFont(s); });
    s.form.OnChange("BoldCheck", [&s] { SetFieldFont(s); });
    s.form.OnChange("RichEdit1", [this] { RichEdit1Change(); });
    CreatePopupMenus();
}

void MainWindow::ShowWindow(QWidget* w) {
    if (!w) return;
    w->show();
    w->raise();
    w->activateWindow();
}

void MainWindow::CreatePopupMenus() {
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    auto addItem = [this](const char* name, const QString& caption, std::function<void(const std::string&)> act) {
        QAction* a = PopupMenu1->addAction(caption);
        a->setObjectName(QString::fromLatin1(name));
        connect(a, &QAction::triggered, this, [this, act] { act(popupControl_); });
        return a;
    };
    Session& s = session;
    addItem("AppendatBeginning1", QStringLiteral("Insert at Beginning"),
            [&s](const std::string& c) { PopupSelectionInto(s, c, PopupPlacement::InsertAtBeginning); });
    addItem("ReplacewithSelectedText1", QStringLiteral("Overwrite"),
            [&s](const std::string& c) { PopupSelectionInto(s, c, PopupPlacement::Overwrite); });
    addItem("DescriptionPopUp", QStringLiteral("Append at end"),
            [&s](const std::string& c) { PopupSelectionInto(s, c, PopupPlacement::AppendAtEnd); });
    addItem("Required1", QStringLiteral("Warn if Empty"), [&s](const std::string& c) { Required1Click(s, c); })
        ->setCheckable(true);
    addItem("Preserve1", QStringLiteral("Preserve"), [&s](const std::string& c) { Preserve1Click(s, c); })
        ->setCheckable(true);

    for (const auto& c : s.form.Controls()) {
        QWidget* w = Widget(c->name);
        if (!w || !HasFieldPopup(*c)) continue;
        QWidget* target = w;
        if (auto* cb = qobject_cast<QComboBox*>(w); cb && cb->lineEdit()) target = cb->lineEdit();
        target->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(target, &QWidget::customContextMenuRequested, this,
                [this, target, name = c->name](const QPoint& p) { ShowFieldPopup(name, target->mapToGlobal(p)); });
    }

    AutoCorrectPopupMenu = new QMenu(this);
    AutoCorrectPopupMenu->setObjectName(QStringLiteral("AutoCorrectPopupMenu"));
    QAction* add = AutoCorrectPopupMenu->addAction(QStringLiteral("Add to AutoCorrect"));
    add->setObjectName(QStringLiteral("AddtoAutoCorrect1"));
    connect(add, &QAction::triggered, this, [this] {
        if (windows && windows->autoCorrect) windows->autoCorrect->Open();
    });
    if (QWidget* label = Widget("RichEdit1")) {
        label->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(label, &QWidget::customContextMenuRequested, this,
                [this, label](const QPoint& p) { ShowLabelPopup(label->mapToGlobal(p)); });
    }
}

void MainWindow::ShowFieldPopup(const std::string& control, const QPoint& at) {
    const QList<QAction*> items = PopupMenu1->actions();
    FieldPopupMenu state;
    state.warnChecked = items[3]->isChecked();
    state.preserveChecked = items[4]->isChecked();
    PopupMenu1Popup(session, control, state);
    popupControl_ = control;
    for (int i = 0; i < 3; ++i) items[i]->setVisible(state.editItemsVisible);
    items[3]->setChecked(state.warnChecked);
    items[4]->setChecked(state.preserveChecked);
    PopupMenu1->popup(at);
}

void MainWindow::ShowLabelPopup(const QPoint& at) {
    if (RichEdit1ContextPopup(session)) AutoCorrectPopupMenu->popup(at);
}

void MainWindow::FormResize() {
    int w = client_->width(), h = client_->height();
    quorl::FormResize(session, w, h);
}

void MainWindow::RichEdit1KeyDown(QKeyEvent* key) {
    LabelKey k = LabelKey::Other;
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) k = LabelKey::Enter;
    if (key->key() == Qt::Key_Backspace) k = LabelKey::Backspace;
    if (key->key() == Qt::Key_Delete) k = LabelKey::Delete;
    auto* m = qobject_cast<QPlainTextEdit*>(Widget("RichEdit1"));
    if (!m) return;
    quorl::RichEdit1KeyDown(session, k, FromQtLines(m->toPlainText()), Caret("RichEdit1"));
}

void MainWindow::RichEdit1Change() {
    auto* m = qobject_cast<QPlainTextEdit*>(Widget("RichEdit1"));
    if (!m) return;
    // The same line stays on top of the window after the text is rewritten.
    const int top = m->verticalScrollBar()->value();
    if (!quorl::RichEdit1Change(session)) return;
    KeepSelection("RichEdit1");
    m->verticalScrollBar()->setValue(top);
}

}  // namespace quorl
