#include "ui/MainWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QScrollArea>
#include <QSpinBox>
#include <QStyle>
#include <algorithm>
#include <filesystem>

#include "commands/MainCommands.h"
#include "commands/SessionStart.h"
#include "fields/CascadingLists.h"
#include "model/Form.h"
#include "model/Log.h"
#include "model/MainForm.h"
#include "model/Session.h"
#include "base/TextOffsets.h"
#include "model/UserFiles.h"
#include "records/ExportData.h"
#include "records/RecordTakenOut.h"
#include "records/RecordTakenOutCopy.h"
#include "ui/AppWindows.h"
#include "ui/ElidedLabel.h"
#include "ui/HelpContext.h"
#include "ui/ProgramHelp.h"
#include "ui/QtHelpViewer.h"
#include "ui/QtText.h"
#include "ui/ScreenFit.h"

namespace quorl {

namespace {

// Narrows, then shrinks, the font of a button whose caption is wider than the button.
void FitCaption(QPushButton* b, QFont f) {
    const int room = b->width() - 4;
    if (room > 0 && !b->text().isEmpty()) {
        if (QFontMetrics(f).horizontalAdvance(b->text()) > room) f.setStretch(QFont::Condensed);
        while (f.pixelSize() > 9 && QFontMetrics(f).horizontalAdvance(b->text()) > room)
            f.setPixelSize(f.pixelSize() - 1);
    }
    if (b->font() != f) b->setFont(f);
}

// The font a control asks for: its own size and style when it has one, else its parent's font.
QFont ControlFont(const QWidget* w, const Control& c) {
    QFont f = w->parentWidget() ? w->parentWidget()->font() : w->font();
    if (c.fontSize > 0) {
        f.setPixelSize((c.fontSize * 4 + 1) / 3);  // points at 96 dots per inch
        f.setBold(c.fontBold);
    }
    return f;
}

// Offsets between the inner text of a control and its widget's text.
int InnerOffset(const std::string& inner, int widgetPos) {
    return static_cast<int>(InnerOffsetOf(inner, static_cast<size_t>(std::max(widgetPos, 0))));
}
int WidgetOffset(const std::string& inner, int pos) {
    return static_cast<int>(WidgetOffsetOf(inner, static_cast<size_t>(std::max(pos, 0))));
}

// Runs the hook filed under the name, when there is one. It runs as a copy: a hook may replace itself.
bool RunHook(const std::unordered_map<std::string, MainWindow::Hook>& hooks, const std::string& name) {
    auto it = hooks.find(name);
    if (it == hooks.end() || !it->second) return false;
    MainWindow::Hook h = it->second;
    h();
    return true;
}

// A value set from code is shown from its start, as a box shows what it is given, not scrolled to
// its end; the box the user is typing in keeps its caret.
void ShowFromStart(QLineEdit* e) {
    if (!e->hasFocus()) e->setCursorPosition(0);
}

QColor ToColor(uint32_t rgb) { return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF); }

}  // namespace

MainWindow::MainWindow(Session& s, QWidget* parent) : QMainWindow(parent), session(s) {
    Form& form = session.form;
    help_ = std::make_unique<ProgramHelp>(session, HelpCollectionFile());
    SetHelpContext(this, 1000);
    BuildMainForm(form);
    BindCascadingLists(session);
    setWindowTitle(form.caption.empty() ? QStringLiteral("QUORL") : ToQt(form.caption));
    QFont f = font();
    f.setPixelSize(11);
    setFont(f);
    client_ = new QWidget(this);
    // The design geometry leaves the captions of the small paste buttons little room.
    // Group box captions sit on the frame line, as the design geometry of their children expects.
    client_->setStyleSheet(QStringLiteral(
        "QPushButton { padding: 0px 1px; }"
        "QGroupBox { border: 1px solid #b8b8b8; border-radius: 3px; margin-top: 6px; }"
        "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left; left: 8px; padding: 0px 3px; }"));
    // The controls never shrink below their design size, but the window may (a 1366 x 768
    // screen): the client then scrolls.
    auto* scroll = new QScrollArea(this);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(client_);
    setCentralWidget(scroll);
    for (const auto& c : form.Controls()) EnsureWidget(*c);
    form.SetObserver([this](const Control& c) { UpdateWidget(c); });
    CreateMenus();
    client_->setMinimumSize(form.clientWidth, form.clientHeight);
    // Opened at the design size, or smaller on a smaller screen (the client then scrolls). Cut in
    // height, it is made wider by the scroll bar, so that it does not scroll sideways as well.
    const QSize design(form.clientWidth, form.clientHeight + menuBar()->sizeHint().height());
    QSize opened = FitToScreen(this, design);
    if (opened.height() < design.height())
        opened = FitToScreen(this, design + QSize(style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scroll), 0));
    resize(opened);
    focusWatch_ = connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { OnFocusChanged(now); });

    try {
        StartSession(session, std::filesystem::current_path());
        CreateCustomFieldControls(form);
        for (const auto& c : form.Controls()) EnsureWidget(*c);
        SetupCustomFields(session);
    } catch (...) {
        form.SetObserver(nullptr);  // the window is not made; the Form must not call into it
        throw;
    }
    ApplyTabOrder();
    WireCommands();
    client_->installEventFilter(this);

    show();
    repaint();
    raise();
    activateWindow();
    RecordControlPositions(session);
    // A record that the last run took out to be edited again and did not add back.
    OfferRecordTakenOutCopy(session, true);
}

MainWindow::~MainWindow() {
    disconnect(focusWatch_);  // the controls taken apart after this body move the focus
    session.form.SetObserver(nullptr);
}

QWidget* MainWindow::Widget(std::string_view name) const {
    auto it = widgets_.find(std::string(name));
    return it == widgets_.end() ? nullptr : it->second;
}

QAction* MainWindow::MenuItem(std::string_view name) const {
    auto it = menuItems_.find(std::string(name));
    return it == menuItems_.end() ? nullptr : it->second;
}

QWidget* MainWindow::EnsureWidget(const Control& c) {
    if (QWidget* w = Widget(c.name)) return w;
    QWidget* w = CreateWidget(c);
    widgets_[c.name] = w;
    names_[w] = QString::fromStdString(c.name);
    w->installEventFilter(this);
    UpdateWidget(c);
    return w;
}

QWidget* MainWindow::CreateWidget(const Control& c) {
    QWidget* parent = client_;
    if (!c.parent.empty()) {
        if (const Control* box = session.form.Find(c.parent)) parent = EnsureWidget(*box);
    }
    const std::string name = c.name;
    Form& form = session.form;
    switch (c.kind) {
        case ControlKind::Edit: {
            auto* e = new QLineEdit(parent);
            e->setReadOnly(name == "FontEdit");  // the font size comes from its up-down only
            connect(e, &QLineEdit::textEdited, this,
                    [&form, name](const QString& t) { form.UserSetText(name, FromQtLines(t)); });
            return e;
        }
        case ControlKind::Memo:
        case ControlKind::RichEdit: {
            auto* m = new QPlainTextEdit(parent);
            m->setLineWrapMode(c.kind == ControlKind::RichEdit ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
            connect(m, &QPlainTextEdit::textChanged, this, [this, &form, m, name] {
                PushSelection(name);  // the change handler sees the caret after the edit
                form.UserSetText(name, FromQtLines(m->toPlainText()));
            });
            connect(m, &QPlainTextEdit::selectionChanged, this, [this, name] { PushSelection(name); });
            connect(m, &QPlainTextEdit::cursorPositionChanged, this, [this, name] { PushSelection(name); });
            return m;
        }
        case ControlKind::Combo: {
            auto* cb = new QComboBox(parent);
            cb->setEditable(true);
            cb->setInsertPolicy(QComboBox::NoInsert);
            cb->setCompleter(nullptr);
            cb->setMaxVisibleItems(20);
            connect(cb, &QComboBox::activated, this, [&form, name](int i) { form.UserSelectItem(name, i); });
            connect(cb->lineEdit(), &QLineEdit::textEdited, this,
                    [&form, name](const QString& t) { form.UserSetText(name, FromQtLines(t)); });
            return cb;
        }
        case ControlKind::GroupBox:
            return new QGroupBox(parent);
        case ControlKind::Button: {
            auto* b = new QPushButton(parent);
            connect(b, &QPushButton::clicked, this, [this, name] { RunHook(clickHooks, name); });
            return b;
        }
        case ControlKind::Label:
            return new ElidedLabel(parent);
        case ControlKind::UpDown: {
            auto* spin = new QSpinBox(parent);
            spin->setRange(8, 14);
            spin->setSingleStep(2);
            spin->setWrapping(false);
            // Only the steps 8, 10, 12 and 14: the number cannot be typed.
            if (auto* text = spin->findChild<QLineEdit*>()) text->setReadOnly(true);
            connect(spin, &QSpinBox::valueChanged, this, [&form, name](int v) {
                // The up-down drives the font size edit it is bound to.
                if (name == "FontUpDown" && form.Find("FontEdit")) form.SetText("FontEdit", std::to_string(v));
                form.UserSetText(name, std::to_string(v));
            });
            return spin;
        }
        case ControlKind::CheckBox: {
            auto* cb = new QCheckBox(parent);
            connect(cb, &QCheckBox::clicked, this, [&form, name](bool on) {
                form.Get(name).checked = on;
                form.RunChangeHandler(name);
            });
            return cb;
        }
    }
    return new QWidget(parent);
}

void MainWindow::UpdateWidget(const Control& c) {
    QWidget* w = Widget(c.name);
    if (!w) {
        EnsureWidget(c);  // draws the new control with its current state
        return;
    }
    const QSignalBlocker block(w);
    const QString text = ToQtLines(c.text);
    switch (c.kind) {
        case ControlKind::Edit: {
            auto* e = static_cast<QLineEdit*>(w);
            if (e->text() != text) {
                e->setText(text);
                ShowFromStart(e);
            }
            break;
        }
        case ControlKind::Memo:
        case ControlKind::RichEdit: {
            auto* m = static_cast<QPlainTextEdit*>(w);
            if (m->toPlainText() != text) {
                m->setPlainText(text);
                KeepSelection(c.name);
            }
            break;
        }
        case ControlKind::Combo: {
            auto* cb = static_cast<QComboBox*>(w);
            const QSignalBlocker blockEdit(cb->lineEdit());
            const QString shownText = cb->lineEdit()->text();
            std::vector<std::string>& shown = shownItems_[c.name];
            if (shown != c.items) {
                bool grows = shown.size() <= c.items.size() && std::equal(shown.begin(), shown.end(), c.items.begin());
                if (!grows) {
                    cb->clear();
                    shown.clear();
                }
                QStringList added;
                for (size_t i = shown.size(); i < c.items.size(); ++i) added << ToQtLines(c.items[i]);
                cb->addItems(added);
                shown = c.items;
            }
            if (c.itemIndex >= 0 && c.itemIndex < cb->count()) {
                if (cb->currentIndex() != c.itemIndex) cb->setCurrentIndex(c.itemIndex);
            } else if (cb->currentIndex() != -1) {
                cb->setCurrentIndex(-1);
            }
            if (cb->currentText() != text) cb->setEditText(text);
            if (cb->lineEdit()->text() != shownText) ShowFromStart(cb->lineEdit());
            break;
        }
        case ControlKind::GroupBox:
            static_cast<QGroupBox*>(w)->setTitle(text);
            break;
        case ControlKind::Button:
            static_cast<QPushButton*>(w)->setText(text);
            break;
        case ControlKind::Label:
            static_cast<QLabel*>(w)->setText(text);
            break;
        case ControlKind::UpDown: {
            auto* spin = static_cast<QSpinBox*>(w);
            bool ok = false;
            int v = text.toInt(&ok);
            if (ok && spin->value() != v) spin->setValue(v);
            break;
        }
        case ControlKind::CheckBox: {
            auto* cb = static_cast<QCheckBox*>(w);
            cb->setText(text);
            cb->setChecked(c.checked);
            break;
        }
    }
    if (c.IsTextField() || c.kind == ControlKind::Combo) {
        QPalette pal = w->palette();
        if (pal.color(QPalette::Base) != ToColor(c.color)) {
            pal.setColor(QPalette::Base, ToColor(c.color));
            w->setPalette(pal);
        }
    }
    int width = c.width, height = c.height;
    if (width <= 0 || height <= 0) {
        QSize hint = w->sizeHint();
        if (width <= 0) width = hint.width();
        if (height <= 0) height = hint.height();
    }
    if (w->geometry() != QRect(c.left, c.top, width, height)) w->setGeometry(c.left, c.top, width, height);
    if (c.kind == ControlKind::Button) {
        FitCaption(static_cast<QPushButton*>(w), ControlFont(w, c));
    } else if (c.fontSize > 0) {
        QFont f = ControlFont(w, c);
        if (w->font() != f) w->setFont(f);
    }
    if (const QString tip = ToQt(c.hint); w->toolTip() != tip) w->setToolTip(tip);
    w->setEnabled(c.enabled);
    if (w->isHidden() == c.visible) w->setVisible(c.visible);
}

void MainWindow::ApplyTabOrder() {
    // Controls placed on the window in their tab order; the controls inside a group box follow
    // the group box, in their own tab order.
    std::vector<const Control*> top;
    for (const auto& c : session.form.Controls())
        if (c->parent.empty()) top.push_back(c.get());
    auto byTab = [](const Control* a, const Control* b) { return a->tabOrder < b->tabOrder; };
    std::stable_sort(top.begin(), top.end(), byTab);
    std::vector<QWidget*> chain;
    for (const Control* c : top) {
        chain.push_back(Widget(c->name));
        if (c->kind != ControlKind::GroupBox) continue;
        std::vector<Control*> inside = session.form.ChildrenOf(c->name);
        std::stable_sort(inside.begin(), inside.end(), byTab);
        for (const Control* k : inside) chain.push_back(Widget(k->name));
    }
    std::erase_if(chain, [](QWidget* w) { return w == nullptr || w->focusPolicy() == Qt::NoFocus; });
    for (size_t i = 1; i < chain.size(); ++i) QWidget::setTabOrder(chain[i - 1], chain[i]);
}

QAction* MainWindow::AddMenuItem(QMenu* menu, const char* name, const QString& caption, const QString& hint) {
    QAction* a = menu->addAction(caption);
    a->setObjectName(QString::fromLatin1(name));
    a->setStatusTip(hint);
    a->setToolTip(hint.isEmpty() ? caption : hint);
    std::string key = name;
    connect(a, &QAction::triggered, this, [this, key] { RunHook(menuHooks, key); });
    menuItems_[key] = a;
    return a;
}

void MainWindow::CreateMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("File"));
    AddMenuItem(file, "Open1", QStringLiteral("Open Text File"));
    AddMenuItem(file, "SwitchUser1", QStringLiteral("Switch User"));
    QAction* batch = AddMenuItem(file, "BatchMode1", QStringLiteral("Batch Mode"));
    batch->setVisible(false);
    batch->setEnabled(false);
    AddMenuItem(file, "Exit1", QStringLiteral("Exit"));

    QMenu* tools = menuBar()->addMenu(QStringLiteral("Tools"));
    AddMenuItem(tools, "Analyze1", QStringLiteral("Analyze Parse"), QStringLiteral("Analyze why QUORL parsed as it did"));
    AddMenuItem(tools, "EvaluateConfiguration1", QStringLiteral("Check Configuration"),
                QStringLiteral("Correct errors, improve efficiency, return to defaults."));
    AddMenuItem(tools, "EditCountries1", QStringLiteral("Edit Countries"));
    AddMenuItem(tools, "EditWordStats1", QStringLiteral("Edit Word Stats"),
                QStringLiteral("View and delete words from the WordStats file"));
    AddMenuItem(tools, "ConfigurationListbox1", QStringLiteral("Field Definitions"));
    AddMenuItem(tools, "FormatOutput1", QStringLiteral("Format Output"));
    AddMenuItem(tools, "JournalParseDefinition1", QStringLiteral("Journal Parse Definition"),
                QStringLiteral("Custom File Parsing"))
        ->setVisible(false);
    AddMenuItem(tools, "Preferences1", QStringLiteral("Preferences"));
    AddMenuItem(tools, "SubmitLogFile1", QStringLiteral("Send Log File"), QStringLiteral("Send log file to the programmer"));

    QMenu* view = menuBar()->addMenu(QStringLiteral("View"));
    AddMenuItem(view, "ViewImage1", QStringLiteral("View Image"))->setVisible(false);
    AddMenuItem(view, "OutputPreview1", QStringLiteral("Output Preview"),
                QStringLiteral("View output file, optionally edit entries"));

    QMenu* help = menuBar()->addMenu(QStringLiteral("Help"));
    AddMenuItem(help, "HelpContents1", QStringLiteral("Help Contents"));
    AddMenuItem(help, "About3", QStringLiteral("About"));
}

void MainWindow::Open1Click() { quorl::Open1Click(session); }

void MainWindow::SwitchUser1Click() {
    if (windows && windows->switchUser) windows->switchUser->FillAndShow();
}

void MainWindow::About3Click() {
    if (windows && windows->about) windows->about->ShowAbout(GetFileVersion());
}

void MainWindow::FormatOutput1Click() {
    if (windows && windows->output) windows->output->ShowFormatOutput();
}

void MainWindow::AddDataButtonClick() { quorl::AddDataButtonClick(session); }

void MainWindow::Exit1Click() { close(); }

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!OfferRecordTakenOutBack(session)) {
        event->ignore();
        return;
    }
    help_->Viewer().CloseAll();
    event->accept();
    QCoreApplication::exit(0);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == client_ && event->type() == QEvent::Resize) {
        FormResize();
        return false;
    }
    if (event->type() == QEvent::KeyPress && watched == Widget("RichEdit1")) RichEdit1KeyDown(static_cast<QKeyEvent*>(event));
    if (event->type() == QEvent::MouseButtonDblClick) {
        auto it = names_.find(watched);
        if (it != names_.end() && RunHook(doubleClickHooks, it.value().toStdString())) return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::OnFocusChanged(QWidget* now) {
    for (QObject* o = now; o; o = o->parent()) {
        auto it = names_.find(o);
        if (it != names_.end()) {
            session.form.focused = it.value().toStdString();
            return;
        }
        if (o == this) return;
    }
}

std::string MainWindow::InnerText(const std::string& name, const QPlainTextEdit* m) const {
    const Control* c = session.form.Find(name);
    const QString shown = m->toPlainText();
    // While an edit is being handled the Form may already hold a newer text.
    return c && ToQtLines(c->text) == shown ? c->text : FromQtLines(shown);
}

int MainWindow::Caret(const std::string& name) const {
    auto* m = qobject_cast<QPlainTextEdit*>(Widget(name));
    return m ? InnerOffset(InnerText(name, m), m->textCursor().position()) : 0;
}

void MainWindow::KeepSelection(const std::string& name) {
    auto* m = qobject_cast<QPlainTextEdit*>(Widget(name));
    Control* c = session.form.Find(name);
    if (!m || !c) return;
    const int size = static_cast<int>(c->text.size());
    const int start = std::clamp(c->selStart, 0, size);
    const int end = std::clamp(c->selStart + std::max(c->selLength, 0), start, size);
    session.form.SetSelection(name, start, end - start);
    const QSignalBlocker block(m);
    QTextCursor cur = m->textCursor();
    cur.setPosition(WidgetOffset(c->text, start));
    cur.setPosition(WidgetOffset(c->text, end), QTextCursor::KeepAnchor);
    m->setTextCursor(cur);
}

void MainWindow::PushSelection(const std::string& name) {
    auto* m = qobject_cast<QPlainTextEdit*>(Widget(name));
    if (!m) return;
    const std::string text = InnerText(name, m);
    const QTextCursor cur = m->textCursor();
    int start = InnerOffset(text, cur.selectionStart());
    int end = InnerOffset(text, cur.selectionEnd());
    session.form.SetSelection(name, start, end - start);
}

}  // namespace quorl
