#pragma once
// Shared by the window tests: a temporary program folder filled with the shipped defaults (or the
// tests' own minimal folder when the repository has none), made the current directory, and a
// session with its main window started in it.
#include <QComboBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <string>

#include "base/ScriptedDialogs.h"
#include "model/Session.h"
#include "ui/BusyWindow.h"
#include "ui/MainWindow.h"

namespace quorl::testing {

namespace fs = std::filesystem;

inline std::string ReadAll(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

inline void WriteAll(const fs::path& p, const std::string& text) {
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out << text;
}

inline fs::path DefaultsFolder() {
    fs::path shipped = fs::path(QUORL_SOURCE_DIR) / "data";
    if (fs::exists(shipped / "FieldDefinitions.txt") && fs::exists(shipped / "PlantList.txt")) return shipped;
    return fs::path(QUORL_TEST_DATA) / "ui-program";
}

// The program folder of one test; the previous current directory comes back at the end.
class ProgramFolder {
public:
    ProgramFolder() {
        path = fs::path(dir_.path().toStdString());
        for (const auto& e : fs::directory_iterator(DefaultsFolder()))
            if (e.path().extension() == ".txt") fs::copy_file(e.path(), path / e.path().filename());
        old_ = fs::current_path();
        fs::current_path(path);
    }
    ~ProgramFolder() { fs::current_path(old_); }
    ProgramFolder(const ProgramFolder&) = delete;
    ProgramFolder& operator=(const ProgramFolder&) = delete;

    fs::path path;

private:
    QTemporaryDir dir_;
    fs::path old_;
};

// A session and its main window, started in the current directory's program folder.
template <class Dialogs = ScriptedDialogs>
struct StartedWindow {
    Dialogs dialogs;
    Session session{dialogs};
    std::unique_ptr<MainWindow> window = std::make_unique<MainWindow>(session);
    Form& form() { return session.form; }
};

template <class Dialogs = ScriptedDialogs>
std::unique_ptr<StartedWindow<Dialogs>> StartWindow() {
    return std::make_unique<StartedWindow<Dialogs>>();
}

// Scripted answers, with the program's own busy window for the steps (set busy): it paints and
// treats the user's input as in the program. onShow and onHide run as a step shows and hides it,
// before the busy window does: there a test gives input while the step runs.
class BusyScriptedDialogs : public ScriptedDialogs {
public:
    BusyWindow* busy = nullptr;
    std::function<void()> onShow, onHide;

    void ShowBusy(const std::string& title, const std::string& message) override {
        ScriptedDialogs::ShowBusy(title, message);
        if (onShow) onShow();
        if (busy) busy->ShowBusy(title, message);
    }
    void HideBusy() override {
        ScriptedDialogs::HideBusy();
        if (onHide) onHide();
        if (busy) busy->HideBusy();
    }
};

// Posts a click (press and release) on the middle of a widget: it waits in the event queue as a
// click given while the program is busy waits for the program to read it.
inline void PostClick(QWidget* w) {
    const QPointF at = QRectF(w->rect()).center();
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
        QCoreApplication::postEvent(w, new QMouseEvent(type, at, w->mapToGlobal(at), Qt::LeftButton, held, {}));
    }
}

// The widget of a control of the Form; a warning names one that is missing.
template <class Started>
QWidget* W(Started& s, const std::string& name) {
    QWidget* w = s.window->Widget(name);
    if (!w) qWarning("no widget %s", name.c_str());
    return w;
}

// The text a line edit, memo or list box shows.
inline QString Text(QWidget* w) {
    if (auto* e = qobject_cast<QLineEdit*>(w)) return e->text();
    if (auto* m = qobject_cast<QPlainTextEdit*>(w)) return m->toPlainText();
    if (auto* c = qobject_cast<QComboBox*>(w)) return c->currentText();
    return {};
}

// Types into a field as the user does: select everything, delete, then one key event per character
// carrying its text (keyClicks knows Latin-1 keys only).
inline void Type(QWidget* w, const QString& text) {
    if (auto* c = qobject_cast<QComboBox*>(w)) w = c->lineEdit();
    w->setFocus();
    QTest::keyClick(w, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(w, Qt::Key_Delete);
    for (QChar c : text) QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// Selects characters [from, to) of a memo, as the mouse would; to < 0 only places the caret.
inline void SelectRange(QWidget* memo, int from, int to = -1) {
    auto* e = qobject_cast<QPlainTextEdit*>(memo);
    QTextCursor cur = e->textCursor();
    cur.setPosition(from);
    if (to >= 0) cur.setPosition(to, QTextCursor::KeepAnchor);
    e->setTextCursor(cur);
}

// Selects the first occurrence of part in a memo.
inline void Select(QWidget* memo, const QString& part) {
    const int at = qobject_cast<QPlainTextEdit*>(memo)->toPlainText().indexOf(part);
    QVERIFY2(at >= 0, qPrintable(part));
    SelectRange(memo, at, at + static_cast<int>(part.size()));
}

}  // namespace quorl::testing
