// The main window drawn from the Form: start-up in a program folder, widgets for every control,
// the binding between widgets and Form both ways, the user-defined rows and the start-up question.
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QThread>
#include <QTimer>
#include <QToolTip>
#include <QWindow>
#include <map>

#include "UiTestSupport.h"
#include "model/Log.h"
#include "model/MainForm.h"
#include "model/Records.h"
#include "ui/AppWindows.h"
#include "ui/ElidedLabel.h"
#include "ui/ProgramRun.h"

using namespace quorl;
using namespace quorl::testing;
namespace fs = std::filesystem;

namespace {

// Field definitions file with the 30 built-in fields followed by the user-defined ones.
std::string FieldDefinitionsText(int count) {
    std::string text = "Version 2\r\n";
    for (int i = 0; i < count; ++i) {
        std::string name = i < 30 ? FieldNames[i] : "Extra " + std::to_string(i - 29);
        text += name + "\t0\t0\t\t1\t50\t\t\r\n";
    }
    return text;
}

bool IntersectsVisibleSibling(QWidget* w, QString* other) {
    if (!w->isVisible() || !w->parentWidget()) return false;
    for (QObject* o : w->parentWidget()->children()) {
        auto* s = qobject_cast<QWidget*>(o);
        if (!s || s == w || !s->isVisible() || s->isWindow()) continue;
        if (s->geometry().intersects(w->geometry())) {
            *other = s->objectName();
            return true;
        }
    }
    return false;
}

// Counts paint events; holds a window's first expose back 50 ms, as a window manager mapping it late.
struct LateExposeWatch : QObject {
    std::map<QObject*, int> paints, exposes;
    bool exposeHeld = false;
    bool eventFilter(QObject* watched, QEvent* e) override {
        paints[watched] += e->type() == QEvent::Paint;
        exposes[watched] += e->type() == QEvent::Expose;
        auto* window = qobject_cast<QWindow*>(watched);
        if (e->type() != QEvent::Expose || exposeHeld || !window) return false;
        QTimer::singleShot(50, window, [window] { qApp->postEvent(window, new QExposeEvent(QRect({}, window->size()))); });
        return exposeHeld = true;
    }
};

}  // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ProgramFolder> program_;
    fs::path folder_;

private slots:
    void init() {
        program_ = std::make_unique<ProgramFolder>();
        folder_ = program_->path;
    }

    void cleanup() { program_.reset(); }

    // Smaller than its design the window scrolls; the controls keep their design size.
    void windowShrinksBelowItsDesignSizeWithScrollBars() {
        auto s = StartWindow();
        QWidget* collector = W(*s, "CollectorEdit");
        const QSize designed = collector->size();
        s->window->resize(900, 600);
        QTRY_COMPARE(s->window->size(), QSize(900, 600));
        QCOMPARE(collector->size(), designed);
        auto* scroll = qobject_cast<QScrollArea*>(s->window->centralWidget());
        QVERIFY(scroll);
        QVERIFY(scroll->verticalScrollBar()->maximum() > 0);
        QVERIFY(scroll->horizontalScrollBar()->maximum() > 0);
        s->window->resize(1500, 1300);  // larger still scales
        QTRY_VERIFY(collector->width() > designed.width());
        QCOMPARE(scroll->verticalScrollBar()->maximum(), 0);
    }

    // The font size is stepped, never typed: 8, 10, 12, 14 and no other.
    void fontSizeTakesOnlyTheStepsOfItsUpDown() {
        auto s = StartWindow();
        auto* edit = qobject_cast<QLineEdit*>(W(*s, "FontEdit"));
        auto* spin = qobject_cast<QSpinBox*>(W(*s, "FontUpDown"));
        QVERIFY(edit && spin);
        QVERIFY(edit->isReadOnly());
        edit->setFocus();
        QTest::keyClicks(edit, QStringLiteral("9"));
        QCOMPARE(s->form().Get("FontEdit").text, std::string("8"));
        spin->setFocus();
        QTest::keyClicks(spin, QStringLiteral("9"));
        QCOMPARE(spin->value(), 8);
        std::vector<int> sizes;
        for (int i = 0; i < 5; ++i) {
            spin->stepUp();
            sizes.push_back(std::stoi(s->form().Get("FontEdit").text));
        }
        QCOMPARE(sizes, (std::vector<int>{10, 12, 14, 14, 14}));
        spin->stepDown();
        QCOMPARE(edit->text(), QStringLiteral("12"));
    }

    // Every control of the Form has its widget, shown as the Form says, and none overlaps another.
    void laysOutControlsWithoutOverlap() {
        WriteAll(folder_ / "FieldDefinitions.txt", FieldDefinitionsText(38));  // every user-defined row shown
        auto s = StartWindow();
        for (const auto& c : s->session.form.Controls()) {
            QWidget* w = W(*s, c->name);
            QVERIFY2(w, c->name.c_str());
            const Control* parent = c->parent.empty() ? nullptr : &s->session.form.Get(c->parent);
            QVERIFY2(w->isVisible() == (c->visible && (!parent || parent->visible)), c->name.c_str());
            w->setObjectName(QString::fromStdString(c->name));
        }
        for (const auto& c : s->session.form.Controls()) {
            QString other;
            QVERIFY2(!IntersectsVisibleSibling(W(*s, c->name), &other),
                     (c->name + " overlaps " + other.toStdString()).c_str());
            // Inside the window's client area.
            QWidget* w = W(*s, c->name);
            if (w->isVisible())
                QVERIFY2(w->parentWidget()->rect().contains(w->geometry()), c->name.c_str());
        }
    }

    void asksToKeepTheUserAndStartsTheLog() {
        ScriptedDialogs dialogs;
        dialogs.answers.push_back(DialogButton::Yes);
        Session session(dialogs);
        auto windows = CreateAppWindows(session);
        QCOMPARE(dialogs.questions.size(), size_t(1));
        QCOMPARE(dialogs.questions[0], std::string("Keep Current User as: Default?"));
        QVERIFY(!windows->switchUser->isVisible());
        QVERIFY(windows->main->isVisible());
        // The log starts with the version line: the first line of every log a user mails.
        QVERIFY(ReadAll(folder_ / "Log.txt").substr(12).starts_with("  Quorl Version " + GetFileVersion() + "\r\n"));
        QCOMPARE(qobject_cast<QLabel*>(windows->main->Widget("UserNameLabel"))->text(), QStringLiteral("Default"));
    }

    void answeringNoListsTheUsers() {
        // A user is a folder holding a Preferences.txt.
        for (const char* user : {"Ann", ".hidden"}) {
            fs::create_directories(folder_ / "Users" / user);
            fs::copy_file(folder_ / "Preferences.txt", folder_ / "Users" / user / "Preferences.txt");
        }
        ScriptedDialogs dialogs;
        dialogs.answers.push_back(DialogButton::No);
        Session session(dialogs);
        auto windows = CreateAppWindows(session);
        QVERIFY(windows->switchUser->isVisible());
        QCOMPARE(windows->switchUser->ListBox1->count(), 2);
        QCOMPARE(windows->switchUser->ListBox1->item(0)->text(), QStringLiteral("Default"));
        QCOMPARE(windows->switchUser->ListBox1->item(1)->text(), QStringLiteral("Ann"));
        QVERIFY(dialogs.messages.empty());
    }

    void answeringNoWithoutUsersAsksToAddOne() {
        ScriptedDialogs dialogs;
        dialogs.answers.push_back(DialogButton::No);
        Session session(dialogs);
        auto windows = CreateAppWindows(session);
        QCOMPARE(windows->switchUser->ListBox1->count(), 1);
        QVERIFY(fs::is_directory(folder_ / "Users"));
        QCOMPARE(dialogs.messages.size(), size_t(1));
        QCOMPARE(dialogs.messages[0], std::string("Please add a user."));
    }

    void customRows_data() {
        QTest::addColumn<int>("definitions");
        QTest::addColumn<int>("shown");
        QTest::newRow("none") << 30 << 0;
        QTest::newRow("one") << 31 << 1;
        QTest::newRow("all") << 38 << 8;
    }

    void customRows() {
        QFETCH(int, definitions);
        QFETCH(int, shown);
        WriteAll(folder_ / "FieldDefinitions.txt", FieldDefinitionsText(definitions));
        auto s = StartWindow();
        const Form& form = s->session.form;
        QCOMPARE(static_cast<int>(s->session.FieldDefinitions.size()), definitions);
        // The rows' places and captions are the Form's (core tests); the widgets follow them.
        for (int j = 0; j < 8; ++j) {
            auto* button = qobject_cast<QPushButton*>(W(*s, CustomButtonName(j)));
            QVERIFY(button && W(*s, CustomEditName(j)));
            QCOMPARE(button->isVisible(), j < shown);
            QCOMPARE(W(*s, CustomEditName(j))->isVisible(), j < shown);
            QCOMPARE(button->text().toStdString(), form.Get(CustomButtonName(j)).text);
        }
        QCOMPARE(W(*s, "NotesMemo")->y(), form.Get("NotesMemo").top);
        QCOMPARE(W(*s, "NotesButton")->y(), form.Get("NotesMemo").top);
        QCOMPARE(W(*s, "NotesMemo")->height(), form.Get("NotesMemo").height);
    }

    void userInputReachesTheFormAndCodeReachesTheWidget() {
        auto s = StartWindow();
        Form& form = s->session.form;
        int edits = 0;
        form.OnChange("CollectorEdit", [&] { ++edits; });
        auto* collector = qobject_cast<QLineEdit*>(W(*s, "CollectorEdit"));
        s->window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(s->window.get()));
        collector->setFocus();
        QTest::keyClicks(collector, "Smith");
        QCOMPARE(form.Get("CollectorEdit").text, std::string("Smith"));
        QCOMPARE(edits, 5);
        QCOMPARE(form.focused, std::string("CollectorEdit"));

        // Lines of a memo come back with CR LF; letters beyond ASCII as UTF-8.
        auto* memo = qobject_cast<QPlainTextEdit*>(W(*s, "DescriptionMemo"));
        memo->setPlainText(QString::fromUtf8("Prairie\nCaf\xc3\xa9"));
        QCOMPARE(form.Get("DescriptionMemo").text, std::string("Prairie\r\nCafé"));

        // Code changes reach the widget without running the widget's own signal path twice.
        form.SetText("HabitatMemo", "Dry\r\nslope");
        QCOMPARE(qobject_cast<QPlainTextEdit*>(W(*s, "HabitatMemo"))->toPlainText(), QStringLiteral("Dry\nslope"));
        form.SetText("CollectorEdit", "Jones");
        QCOMPARE(collector->text(), QStringLiteral("Jones"));
        QCOMPARE(edits, 6);  // one change handler call for the code change, none from the widget
        form.SetColor("CollectorEdit", kColorRed);
        QCOMPARE(collector->palette().color(QPalette::Base), QColor(255, 0, 0));
        form.SetVisible("HerbariumEdit", false);
        QVERIFY(!W(*s, "HerbariumEdit")->isVisible());
        form.SetEnabled("HerbariumButton", false);
        QVERIFY(!W(*s, "HerbariumButton")->isEnabled());

        // Selection in the label window counts a line end as two characters.
        form.SetText("RichEdit1", "ab\r\ncd");
        SelectRange(W(*s, "RichEdit1"), 3, 5);
        QCOMPARE(form.Get("RichEdit1").selStart, 4);
        QCOMPARE(form.Get("RichEdit1").selLength, 2);

        // Button clicks go to the hook of their name.
        int clicks = 0;
        s->window->clickHooks["ParseOnlyButton"] = [&] { ++clicks; };
        QTest::mouseClick(W(*s, "ParseOnlyButton"), Qt::LeftButton);
        QCOMPARE(clicks, 1);
    }

    void comboFromCodeRunsNoHandlerButUserChoiceDoes() {
        auto s = StartWindow();
        Form& form = s->session.form;
        int changes = 0;
        form.OnChange("CountryCombo", [&] { ++changes; });
        auto* combo = qobject_cast<QComboBox*>(W(*s, "CountryCombo"));
        const auto& items = form.Get("CountryCombo").items;
        QVERIFY(items.size() >= 2);
        form.SetItemIndex("CountryCombo", 1);
        QCOMPARE(combo->currentIndex(), 1);
        QCOMPARE(combo->currentText().toStdString(), items[1]);
        form.SetText("CountryCombo", "Atlantis");
        QCOMPARE(combo->currentText(), QStringLiteral("Atlantis"));
        QCOMPARE(combo->currentIndex(), -1);
        form.SetItems("CountryCombo", {"A", "B"});
        QCOMPARE(combo->count(), 2);
        QCOMPARE(changes, 0);

        // The user's choice runs the handler once and lands in the Form.
        emit combo->activated(1);
        QCOMPARE(form.Get("CountryCombo").itemIndex, 1);
        QCOMPARE(form.Get("CountryCombo").text, std::string("B"));
        QVERIFY(changes >= 1);
        int before = changes;
        QTest::keyClicks(combo->lineEdit(), "x");
        QCOMPARE(changes, before + 1);
        QCOMPARE(form.Get("CountryCombo").itemIndex, -1);
    }

    void busyWindowCentresItsTexts() {
        auto s = StartWindow();
        BusyWindow busy(s->window.get());
        busy.ShowBusy("Loading Ann", "Please wait...");
        QVERIFY(busy.isVisible());
        QCOMPARE(busy.Label1->text(), QStringLiteral("Loading Ann"));
        QCOMPARE(busy.Label2->text(), QStringLiteral("Please wait..."));
        QVERIFY(busy.Label2->font().bold());
        QVERIFY(!busy.ProgressBar1->isVisible());
        // An empty title keeps the last one.
        busy.ShowBusy("", "Database.tsv");
        QCOMPARE(busy.Label1->text(), QStringLiteral("Loading Ann"));
        QCOMPARE(busy.Label2->text(), QStringLiteral("Database.tsv"));
        QCOMPARE(busy.Label2->x(), busy.width() / 2 - busy.Label2->width() / 2);
    }

    // Closed at once after its start, the focus moving elsewhere as its controls go (freed memory patterned).
    void closesRightAfterStart() {
        QLineEdit elsewhere;
        for (int i = 0; i < 25; ++i) {
            auto s = StartWindow();
            W(*s, "CollectorEdit")->setFocus();
            connect(W(*s, "CollectorEdit"), &QObject::destroyed, &elsewhere,
                    [&] { emit qApp->focusChanged(nullptr, &elsewhere); });
        }
    }

    // The long step after them processes no events: ShowBusy and ShowProgress paint before they return.
    void busyWindowIsPaintedBeforeTheLongStep() {
        auto s = StartWindow();
        BusyWindow busy(s->window.get());
        LateExposeWatch watch;
        busy.createWinId();
        for (QObject* o : std::initializer_list<QObject*>{busy.windowHandle(), busy.Label1, busy.Label2, busy.ProgressBar1})
            o->installEventFilter(&watch);
        busy.ShowBusy("Please Wait...", "Processing Image");
        QVERIFY(watch.exposeHeld && watch.paints[busy.Label1] && watch.paints[busy.Label2]);
        busy.ShowProgress(1, 100);
        QVERIFY(watch.paints[busy.ProgressBar1]);
        busy.HideBusy();

        // In front of the window whose command started the step; kept painted by the step's progress.
        QWidget photo;
        photo.show();
        photo.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&photo));
        busy.ShowBusy("Please Wait...", "Performing OCR");
        QCOMPARE(busy.windowHandle()->transientParent(), photo.windowHandle());
        QCOMPARE(busy.windowHandle()->type(), Qt::Dialog);  // what the window manager keeps in front
        busy.ShowProgress(1, 100);
        const int exposed = watch.exposes[busy.windowHandle()];
        qApp->postEvent(busy.windowHandle(), new QExposeEvent(QRect({}, busy.size())));  // uncovered
        QThread::msleep(150);
        busy.ShowProgress(2, 100);
        QCOMPARE(watch.exposes[busy.windowHandle()], exposed + 1);
    }

    // While a step runs the user's clicks and keys are dropped: those Qt takes up during the step
    // and those still queued as it ends. A question the step asks takes its answer, other events
    // go on (a window closes), and input after the step is delivered.
    void inputDuringAStepIsDroppedButAQuestionOfTheStepIsAnswered() {
        auto s = StartWindow();
        BusyWindow busy(s->window.get());
        QWidget* edit = W(*s, "CollectorEdit");
        const auto type = [edit](const char* text) {
            qApp->postEvent(edit, new QKeyEvent(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString::fromLatin1(text)));
        };
        QWidget other;
        other.show();
        busy.ShowBusy("Please Wait...", "Processing Image");
        type("a");
        PostClick(W(*s, "ClearAllButton"));
        qApp->postEvent(other.windowHandle(), new QCloseEvent);  // as the window manager asks
        busy.ShowProgress(1, 100);
        QVERIFY(s->dialogs.questions.empty() && !other.isVisible());  // "Clear all fields?" not asked
        type("b");
        QMessageBox question(QMessageBox::Warning, QStringLiteral("QUORL"), QStringLiteral("Barcode is wrong format."),
                             QMessageBox::Ignore | QMessageBox::Cancel, s->window.get());
        QTimer::singleShot(0, &question, [&] { PostClick(question.button(QMessageBox::Ignore)); });
        QCOMPARE(question.exec(), int(QMessageBox::Ignore));
        type("c");
        busy.HideBusy();
        QCOMPARE(Text(edit), QString());

        type("d");
        QTRY_COMPARE(Text(edit), QStringLiteral("d"));
    }

    // A text longer than its label is shown shortened in the middle; the whole text is the tooltip.
    void aLabelTooShortShowsItsTextShortenedWithTheWholeTextAsTooltip() {
        auto s = StartWindow();
        auto* label = qobject_cast<ElidedLabel*>(W(*s, "OutputLabel"));
        s->form().SetText("OutputLabel", "Records.tsv");
        QVERIFY(label && label->ShownText() == label->text());
        const QString name = QStringLiteral("Lichens of the Ozark plateau, ").repeated(3) + QStringLiteral("2026.tsv");
        s->form().SetText("OutputLabel", name.toStdString());
        QVERIFY(label->ShownText().contains(QChar(0x2026)) && label->ShownText().endsWith(u".tsv"));
        QHelpEvent hover(QEvent::ToolTip, QPoint(2, 2), label->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(label, &hover);
        QCOMPARE(QToolTip::text(), name);
    }

    void closingTheMainWindowEndsTheEventLoopWithZero() {
        ScriptedDialogs dialogs;
        Session session(dialogs);
        auto windows = CreateAppWindows(session);
        windows->switchUser->show();  // another window still open does not keep the program going
        QTimer::singleShot(0, windows->main.get(), [&] { windows->main->close(); });
        QTimer::singleShot(5000, windows->main.get(), [] { QCoreApplication::exit(7); });  // the close did not end it
        QCOMPARE(QCoreApplication::exec(), 0);
    }

    void theExitItemEndsTheEventLoopWithZero() {
        ScriptedDialogs dialogs;
        Session session(dialogs);
        auto windows = CreateAppWindows(session);
        QTimer::singleShot(0, windows->main.get(), [&] { windows->main->MenuItem("Exit1")->trigger(); });
        QTimer::singleShot(5000, windows->main.get(), [] { QCoreApplication::exit(7); });  // the item did nothing
        QCOMPARE(QCoreApplication::exec(), 0);
    }

    void aMissingListEndsTheStartWithZero() {
        fs::remove(folder_ / "PlantList.txt");
        ScriptedDialogs dialogs;
        Session session(dialogs);
        std::vector<std::string> errors;
        QCOMPARE(RunProgram(session, [&](const std::string& e) { errors.push_back(e); }), 0);
        QVERIFY(errors.empty());  // the message came first; ending the program is no error
        QCOMPARE(dialogs.messages.size(), size_t(1));
        QVERIFY(dialogs.messages[0].starts_with("Unable to open file: "));
        QVERIFY(dialogs.questions.empty());  // no window after the main window was made
    }

    void aboutShowsTheVersionCentred() {
        ScriptedDialogs dialogs;
        Session session(dialogs);
        auto windows = CreateAppWindows(session);
        QTimer::singleShot(0, windows->about.get(), [&] { windows->about->Button1->click(); });
        windows->main->MenuItem("About3")->trigger();
        QCOMPARE(windows->about->VersionLabel->text(), QString::fromStdString("Version " + GetFileVersion()));
        QCOMPARE(windows->about->VersionLabel->x(), windows->about->width() / 2 - windows->about->VersionLabel->width() / 2);
        QVERIFY(!windows->about->isVisible());
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
