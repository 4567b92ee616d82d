// The main window's commands driven through the real widgets: paste, parse and corrections with a
// paste button and the field popup, the double-spacing keys, resizing, the field font, batch mode
// with its painted pause, and the menu items that open windows.
#include <QAction>
#include <QClipboard>
#include <QApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

#include "UiTestSupport.h"
#include "model/Records.h"
#include "ui/AppWindows.h"
#include "ui/QtDialogs.h"
#include "ui/QtText.h"

using namespace quorl;
using namespace quorl::testing;
namespace fs = std::filesystem;

namespace {

// Scripted answers, but the pause of the real program: it waits with the windows painting.
struct PausingDialogs : ScriptedDialogs {
    bool Pause(int milliseconds) override {
        ScriptedDialogs::Pause(milliseconds);
        return QtDialogs().Pause(milliseconds);
    }
};

const char* kLabel =
    "Flora of 0hio\n\nCarex lurida Wahlenb.\nwet ditch along road\nDelaware Co.\nVery dry\nJ. Smith 1234\n12 May 1990";

}  // namespace

class TestCommands : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ProgramFolder> program_;

    using Started = StartedWindow<PausingDialogs>;
    static std::unique_ptr<Started> Start() { return StartWindow<PausingDialogs>(); }
    static QPlainTextEdit* LabelWindow(Started& s) { return qobject_cast<QPlainTextEdit*>(W(s, "RichEdit1")); }
    static void Select(Started& s, const QString& part) { quorl::testing::Select(W(s, "RichEdit1"), part); }
    static QAction* PopupItem(Started& s, const char* name) {
        return s.window->PopupMenu1->findChild<QAction*>(QString::fromLatin1(name));
    }

private slots:
    void init() { program_ = std::make_unique<ProgramFolder>(); }
    void cleanup() { program_.reset(); }

    void pasteParseAndCorrect() {
        auto s = Start();
        Session& session = s->session;
        session.AutoCorrect = false;
        s->dialogs.clipboard = FromQtLines(QString::fromLatin1(kLabel));
        QTest::mouseClick(W(*s, "PasteButton"), Qt::LeftButton);
        QCOMPARE(LabelWindow(*s)->toPlainText(), QString::fromLatin1(kLabel));
        QCOMPARE(session.parser.LineCount(), 0);  // pasting does not parse

        s->form().SetText("PhenologyEdit", "left over");
        QTest::mouseClick(W(*s, "ParseOnlyButton"), Qt::LeftButton);
        QCOMPARE(session.parser.LineCount(), 7);
        QCOMPARE(s->form().Get("PhenologyEdit").text, std::string());

        // A paste button takes the selection, cleaned.
        Select(*s, QStringLiteral("wet ditch along road"));
        QTest::mouseClick(W(*s, "HabitatButton"), Qt::LeftButton);
        QCOMPARE(qobject_cast<QPlainTextEdit*>(W(*s, "HabitatMemo"))->toPlainText(), QStringLiteral("wet ditch along road"));

        // The field popup: the text items need a selection and a control that is no list.
        s->window->ShowFieldPopup("DescriptionMemo", W(*s, "DescriptionMemo")->mapToGlobal(QPoint(4, 4)));
        QVERIFY(PopupItem(*s, "AppendatBeginning1")->isVisible());
        s->window->PopupMenu1->hide();
        s->form().SetText("DescriptionMemo", "shrub");
        Select(*s, QStringLiteral("Very dry"));
        s->window->ShowFieldPopup("DescriptionMemo", QPoint(10, 10));
        PopupItem(*s, "AppendatBeginning1")->trigger();
        s->window->PopupMenu1->hide();
        QCOMPARE(qobject_cast<QPlainTextEdit*>(W(*s, "DescriptionMemo"))->toPlainText(), QStringLiteral("Very dry shrub"));

        // The Preserve item shows and sets the field's switch (what it keeps: core tests).
        s->window->ShowFieldPopup("HerbariumEdit", QPoint(10, 10));
        QVERIFY(!PopupItem(*s, "Preserve1")->isChecked());
        PopupItem(*s, "Preserve1")->trigger();
        s->window->PopupMenu1->hide();
        QVERIFY(session.FieldDefinitions[fHerbarium].Preserve);
        s->window->ShowFieldPopup("HerbariumEdit", QPoint(10, 10));
        QVERIFY(PopupItem(*s, "Preserve1")->isChecked());
        s->window->PopupMenu1->hide();

        // Every field control offers the popup; the label window has its own.
        QCOMPARE(W(*s, "NotesMemo")->contextMenuPolicy(), Qt::CustomContextMenu);
        QCOMPARE(W(*s, "RichEdit1")->contextMenuPolicy(), Qt::CustomContextMenu);
        QCOMPARE(W(*s, "FontEdit")->contextMenuPolicy(), Qt::DefaultContextMenu);
    }

    void toolAndUserFieldButtons() {
        std::string defs = "Version 2\r\n";
        for (int i = 0; i < 31; ++i) defs += (i < 30 ? FieldNames[i] : std::string("Soil")) + "\t0\t0\t\t1\t50\t\t\r\n";
        WriteAll(program_->path / "FieldDefinitions.txt", defs);
        auto s = Start();
        s->form().SetText("RichEdit1", "34 deg 12 min N\r\nsoil: sandy loam");
        Select(*s, QStringLiteral("12"));
        QTest::mouseClick(W(*s, "LatMinButton"), Qt::LeftButton);
        QCOMPARE(qobject_cast<QLineEdit*>(W(*s, "LatMinutesEdit"))->text(), QStringLiteral("12"));
        Select(*s, QStringLiteral(": sandy loam"));
        QTest::mouseClick(W(*s, "CustomButton0"), Qt::LeftButton);
        QCOMPARE(qobject_cast<QLineEdit*>(W(*s, "CustomEdit0"))->text(), QStringLiteral("sandy loam"));
    }

    void doubleSpacingKeys() {
        auto s = Start();
        s->session.DoubleSpace = true;
        QPlainTextEdit* label = LabelWindow(*s);
        s->form().SetText("RichEdit1", "abcd\r\n\r\nef");
        label->setFocus();
        SelectRange(label, 2);
        QTest::keyClick(label, Qt::Key_Return);
        QCOMPARE(label->toPlainText(), QStringLiteral("ab\n\ncd\n\nef"));
        QCOMPARE(s->form().Get("RichEdit1").text, std::string("ab\r\n\r\ncd\r\n\r\nef"));
        QCOMPARE(label->textCursor().position(), 4);  // at the start of "cd"
        QTest::keyClick(label, Qt::Key_Backspace);
        QCOMPARE(label->toPlainText(), QStringLiteral("abcd\n\nef"));
        QCOMPARE(label->textCursor().position(), 2);
        SelectRange(label, 4);
        QTest::keyClick(label, Qt::Key_Delete);
        QCOMPARE(label->toPlainText(), QStringLiteral("abcdef"));
        QTest::keyClicks(label, "x");
        QCOMPARE(label->toPlainText(), QStringLiteral("abcdxef"));
        // Single spacing: keys edit as usual.
        s->session.DoubleSpace = false;
        QTest::keyClick(label, Qt::Key_Return);
        QCOMPARE(label->toPlainText(), QStringLiteral("abcdx\nef"));
    }

    void resizeToOneAndAHalf() {
        auto s = Start();
        QWidget* client = s->window->centralWidget();
        // The window opened no larger than the screen; at its design size nothing scrolls.
        const QSize design(s->session.DesignWidth, s->session.DesignHeight);
        const int extra = s->window->height() - client->height();
        s->window->resize(design.width(), design.height() + extra);
        QTRY_COMPARE(client->size(), design);
        const QRect label = W(*s, "RichEdit1")->geometry(), inner = W(*s, "LongSecondsEdit")->geometry();
        s->window->resize(design.width() * 3 / 2, design.height() * 3 / 2 + extra);
        QTRY_COMPARE(client->size(), design * 3 / 2);
        auto scaled = [](QRect r) { return QRect(r.x() * 3 / 2, r.y() * 3 / 2, r.width() * 3 / 2, r.height() * 3 / 2); };
        QCOMPARE(W(*s, "RichEdit1")->geometry(), scaled(label));
        QCOMPARE(W(*s, "LongSecondsEdit")->geometry(), scaled(inner));
        QFont parse = W(*s, "ParseOnlyButton")->font();
        QCOMPARE(parse.pixelSize(), 16);  // 12 points
        QVERIFY(parse.bold());
        QVERIFY(W(*s, "ImageNumLabel")->font().bold());
        QVERIFY(!W(*s, "CollectorEdit")->font().bold());

        // The field font from the Font group.
        qobject_cast<QSpinBox*>(W(*s, "FontUpDown"))->setValue(12);
        QCOMPARE(s->form().Get("FontEdit").text, std::string("12"));
        QCOMPARE(W(*s, "CollectorEdit")->font().pixelSize(), 16);
        QTest::mouseClick(W(*s, "BoldCheck"), Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(W(*s, "NotesMemo")->font().bold());
        QVERIFY(W(*s, "LatDegreesEdit")->font().bold());

        // Back to the design size.
        s->window->resize(design.width(), design.height() + extra);
        QTRY_COMPARE(client->size(), design);
        QCOMPARE(W(*s, "RichEdit1")->geometry(), label);
        QVERIFY(!W(*s, "ParseOnlyButton")->font().bold());
    }

    void batchModeShowsEachLabel() {
        auto s = Start();
        s->session.BatchPauseMs = 150;
        const fs::path file = program_->path / "batch.txt";
        WriteAll(file,
                 "Flora of Ohio\r\nCarex lurida\r\nwet ditch\r\nQZV0000001\r\n"
                 "QZV0000002\r\nFlora of Utah\r\nJuncus tenuis\r\nsandy shore\r\n");
        s->dialogs.files = {file};
        // During the first pause the window already shows the first label, and events run.
        QString duringPause;
        QTimer::singleShot(60, this, [&] { duringPause = LabelWindow(*s)->toPlainText(); });
        QElapsedTimer clock;
        clock.start();
        QAction* item = s->window->MenuItem("BatchMode1");
        QVERIFY(item && !item->isVisible() && !item->isEnabled());
        s->window->menuHooks.at("BatchMode1")();
        QVERIFY(clock.elapsed() >= 300);
        QCOMPARE(duringPause, QStringLiteral("Flora of Ohio\nCarex lurida\nwet ditch\nQZV0000001\n"));
        QCOMPARE(LabelWindow(*s)->toPlainText(), QStringLiteral("QZV0000002\nFlora of Utah\nJuncus tenuis\nsandy shore\n"));
        QCOMPARE(s->dialogs.pauses, (std::vector<int>{150, 150}));
        QCOMPARE(s->dialogs.messages.back(), std::string("Batch file complete."));
    }

    void openAndMenuWindows() {
        ScriptedDialogs dialogs;
        Session session(dialogs);
        auto windows = CreateAppWindows(session);
        MainWindow& main = *windows->main;
        auto run = [&](const char* item) { main.MenuItem(item)->trigger(); };

        const fs::path file = program_->path / "label.txt";
        WriteAll(file, "Flora of Ohio\r\nCarex lurida\r\nwet ditch\r\nJ. Smith 12\r\n");
        dialogs.files = {file};
        run("Open1");
        QCOMPARE(qobject_cast<QLabel*>(main.Widget("ImageLabel"))->text(), QStringLiteral("label.txt"));
        QCOMPARE(qobject_cast<QPlainTextEdit*>(main.Widget("RichEdit1"))->toPlainText(),
                 QStringLiteral("Flora of Ohio\nCarex lurida\nwet ditch\nJ. Smith 12\n"));

        // The other windows' menu items are driven in their own tests.

        dialogs.answers = {DialogButton::Yes};
        QTest::mouseClick(main.Widget("ClearAllButton"), Qt::LeftButton);
        QCOMPARE(qobject_cast<QPlainTextEdit*>(main.Widget("RichEdit1"))->toPlainText(), QString());

        // With a selection: "Add to AutoCorrect" opens the AutoCorrect window for it, modally.
        session.form.SetText("RichEdit1", "Carex lurlda");
        SelectRange(main.Widget("RichEdit1"), 6, 12);
        main.ShowLabelPopup(QPoint(10, 10));
        QVERIFY(main.AutoCorrectPopupMenu->isVisible());
        QString caption;
        bool modal = false;
        QTimer::singleShot(0, this, [&] {
            modal = windows->autoCorrect->isModal() && windows->autoCorrect->isVisible();
            caption = windows->autoCorrect->Label1->text();
            windows->autoCorrect->reject();
        });
        main.AutoCorrectPopupMenu->actions().at(0)->trigger();
        QVERIFY(modal);
        QCOMPARE(caption, QStringLiteral("Change lurlda to:"));
    }

    void qtOpenDialog() {
        // The open dialog starts in the folder with the filter converted; cancelling returns false.
        QtDialogs qt;
        QStringList filters;
        QString folder;
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                auto* d = qobject_cast<QFileDialog*>(w);
                if (!d || !d->isVisible()) continue;
                poll.stop();
                filters = d->nameFilters();
                folder = d->directory().absolutePath();
                d->reject();
            }
        });
        poll.start(20);
        fs::path chosen = "unchanged";
        QVERIFY(!qt.ChooseFile("Text Files|*.txt;*.rtf", program_->path, chosen));
        QCOMPARE(filters, QStringList{QStringLiteral("Text Files (*.txt *.rtf)")});
        QCOMPARE(fs::canonical(folder.toStdString()), fs::canonical(program_->path));
        QCOMPARE(chosen, fs::path("unchanged"));
    }

    void qtClipboardAndPause() {
        QGuiApplication::clipboard()->setText(QStringLiteral("one\r\ntwo\nthr\u00e9e"));
        QtDialogs qt;
        QCOMPARE(qt.ClipboardText(), std::string("one\r\ntwo\r\nthrée"));
        int ticks = 0;
        QTimer timer;
        connect(&timer, &QTimer::timeout, this, [&] { ++ticks; });
        timer.start(10);
        QVERIFY(qt.Pause(100));
        QVERIFY(ticks >= 3);
        // Quitting the application (the main window closed) ends a pause early and says so.
        bool waited = true;
        QElapsedTimer clock;
        clock.start();
        QTimer::singleShot(0, this, [&] { waited = qt.Pause(5000); });
        QTimer::singleShot(30, this, [] { QCoreApplication::exit(0); });
        QCoreApplication::exec();
        QVERIFY(!waited);
        QVERIFY(clock.elapsed() < 4000);
    }
};

QTEST_MAIN(TestCommands)
#include "test_commands.moc"
