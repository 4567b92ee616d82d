// The help window: every context number the windows use opens its page, F1 finds the context from
// the focused control up through its parents, the Help Contents command, a missing collection, and
// the tips window.
#include <QCheckBox>
#include <QHelpContentWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTreeWidget>

#include "UiTestSupport.h"
#include "help/HelpHook.h"
#include "ui/HelpContext.h"
#include "ui/FieldDefinitionWindow.h"
#include "ui/FieldDefinitionsWindow.h"
#include "ui/HelpWindow.h"
#include "ui/PreferencesWindow.h"
#include "ui/TipsWindow.h"
#include "ui/ProgramHelp.h"
#include "ui/QtHelpViewer.h"

using namespace quorl;
using namespace quorl::testing;

namespace {

struct Page {
    int id;
    const char* file;
    const char* anchor;
    const char* text;  // a phrase of the page
};

// Every context number of the program's windows and the page it belongs on.
const Page kPages[] = {
    {1000, "main.html", "", "The road of one label"},
    {4, "photo.html", "", "OCR Only"},
    {1025, "output-format.html", "", "Check All, Check None"},
    {1004, "field-definitions.html", "", "Preserve and Warn"},
    {7, "field-definitions.html", "", "Preserve and Warn"},
    {1009, "word-stats.html", "", "Learning from labels"},
    {1012, "countries.html", "", "Latitude and longitude boxes"},
    {1006, "preferences.html", "output", "Default output format"},
    {1010, "preferences.html", "autocorrect", "Correct Missing Numerals"},
    {1013, "preferences.html", "doublespace", "Double spacing"},
    {1015, "preferences.html", "splitting", "Auto-split lines on paste"},
    {1016, "preferences.html", "minelev", "Minimum elevation"},
    {1017, "preferences.html", "meters", "Meters from feet"},
    {1018, "preferences.html", "dateformat", "1 Jan 2005"},
    {1019, "field-definition.html", "default", "Default"},
    {1020, "field-definition.html", "preserve", "keeps its value"},
    {1021, "field-definition.html", "contained", "Contained words"},
    {1022, "field-definition.html", "start", "Start words"},
    {1023, "field-definition.html", "warn", "Warn if empty"},
    {1024, "field-definition.html", "minmax", "Minimum and maximum line"},
};

QUrl Shown(MainWindow& w) {
    HelpWindow* hw = w.Help().Viewer().Window();
    return hw && hw->isVisible() ? hw->Browser->source() : QUrl();
}

}  // namespace

class TestHelpWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<ProgramFolder> program_;

private slots:
    void init() { program_ = std::make_unique<ProgramFolder>(); }
    void cleanup() { program_.reset(); }

    void everyContextNumberOpensItsPage() {
        auto w = StartWindow();
        QVERIFY(w->window->Help().Loaded());
        QVERIFY(std::find(w->dialogs.messages.begin(), w->dialogs.messages.end(), "HTML Help not loaded") ==
                w->dialogs.messages.end());
        for (const Page& p : kPages) {
            RequestHelp(w->session, p.id);
            const QUrl url = Shown(*w->window);
            QVERIFY2(url.fileName() == QLatin1String(p.file), qPrintable(QString::number(p.id) + " " + url.toString()));
            QCOMPARE(url.fragment(), QString::fromLatin1(p.anchor));
            QVERIFY2(w->window->Help().Viewer().Window()->Browser->toPlainText().contains(QLatin1String(p.text)),
                     p.text);
        }
        QVERIFY(w->dialogs.questions.empty());
        // A number no page carries shows the main page.
        QVERIFY(!w->window->Help().Viewer().ShowContext(999));
        QCOMPARE(Shown(*w->window).fileName(), QStringLiteral("main.html"));
    }

    void f1FindsTheContextFromTheFocusedControlUp() {
        auto w = StartWindow();
        PreferencesWindow prefs(w->session);
        prefs.show();
        auto f1 = [&](QWidget* window, QWidget* control) {
            window->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(window));
            control->setFocus();
            QTest::keyClick(control, Qt::Key_F1);
        };
        // A check box with a context of its own.
        f1(&prefs, prefs.FeetToMetersCheckBox);
        QCOMPARE(Shown(*w->window).fileName(), QStringLiteral("preferences.html"));
        QCOMPARE(Shown(*w->window).fragment(), QStringLiteral("meters"));
        const QPoint at = prefs.FeetToMetersCheckBox->mapToGlobal(QPoint(0, 0));
        QCOMPARE(w->session.HelpSystem->PopupX(), at.x());
        QCOMPARE(w->session.HelpSystem->PopupY(), at.y());
        // The text box inside the up-down has none: its parent's is taken.
        auto* inner = prefs.MinElevUpDown->findChild<QLineEdit*>();
        QVERIFY(inner);
        f1(&prefs, inner);
        QCOMPARE(Shown(*w->window).fragment(), QStringLiteral("minelev"));
        // Nothing up from the barcode template has a context: no help comes.
        w->window->Help().Viewer().CloseAll();
        f1(&prefs, prefs.BarcodeFormatEdit);
        QVERIFY(Shown(*w->window).isEmpty());

        // The one field definition window's controls.
        FieldDefinitionWindow definition(w->session);
        definition.show();
        f1(&definition, definition.DefaultEdit);
        QCOMPARE(Shown(*w->window).fileName(), QStringLiteral("field-definition.html"));
        QCOMPARE(Shown(*w->window).fragment(), QStringLiteral("default"));

        // The field-definitions window: F1 on its highlighted Help item asks for the item's own
        // context; the Help command, and F1 on the table, for the window's.
        FieldDefinitionsWindow list(w->session);
        list.show();
        std::vector<int> asked;
        w->session.HelpSystem->onContext = [&](int id) { asked.push_back(id); };
        auto* bar = list.findChild<QMenuBar*>();
        QVERIFY(bar);
        f1(&list, list.ListView1);
        bar->setActiveAction(list.Help1);
        QTest::keyClick(bar, Qt::Key_F1);
        list.Help1->trigger();
        QCOMPARE(asked, (std::vector<int>{1004, 7, 1004}));
        w->session.HelpSystem->onContext = nullptr;

        // A control of the main window has no context of its own: the window's page comes.
        f1(w->window.get(), W(*w, "CollectorEdit"));
        QCOMPARE(Shown(*w->window).fileName(), QStringLiteral("main.html"));
        QVERIFY(w->dialogs.questions.empty());
    }

    void fieldDefinitionHelpCommandsOpenTheirPages() {
        auto w = StartWindow();
        FieldDefinitionWindow definition(w->session);
        auto* bar = definition.findChild<QMenuBar*>();
        QVERIFY(bar);
        QCOMPARE(bar->actions().size(), 1);
        QCOMPARE(bar->actions().first()->text(), QStringLiteral("Help"));
        const struct {
            QAction* command;
            int id;
            const char* file;
        } commands[] = {{definition.HelpFieldDefinitions1, 1004, "field-definitions.html"},
                        {definition.HelpLearning1, 1009, "word-stats.html"}};
        for (const auto& c : commands) {
            QVERIFY(c.command);
            QVERIFY(bar->actions().first()->menu()->actions().contains(c.command));
            w->window->Help().Viewer().CloseAll();
            c.command->trigger();
            QCOMPARE(Shown(*w->window).fileName(), QString::fromLatin1(c.file));
            std::vector<int> asked;
            w->session.HelpSystem->onContext = [&](int id) { asked.push_back(id); };
            c.command->trigger();
            w->session.HelpSystem->onContext = nullptr;
            QCOMPARE(asked, std::vector<int>{c.id});
        }
    }

    // Help asked for in a modal dialog takes input while the dialog stays open: a click on the help
    // window's Index tab reaches it. Asked for again from another modal window, it belongs to that.
    void helpFromAModalDialogTakesInputWhileTheDialogIsOpen() {
        auto w = StartWindow();
        FieldDefinitionWindow definition(w->session);
        QMessageBox box(QMessageBox::Information, "QUORL", "Saved", QMessageBox::Ok, w->window.get());
        for (auto [dialog, control] : {std::pair<QDialog*, QWidget*>{&definition, definition.DefaultEdit},
                                       {&box, box.button(QMessageBox::Ok)}}) {
            dialog->setWindowModality(Qt::ApplicationModal);
            dialog->show();
            dialog->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(dialog));
            QTest::keyClick(control, Qt::Key_F1);
            HelpWindow* hw = w->window->Help().Viewer().Window();
            QVERIFY(hw && QTest::qWaitForWindowExposed(hw));
            const QTabBar* tabs = hw->Tabs->tabBar();
            hw->Tabs->setCurrentIndex(0);  // then clicked through the window system, as a mouse does
            QTest::mouseClick(hw->windowHandle(), Qt::LeftButton, {}, tabs->mapTo(hw, tabs->tabRect(1).center()));
            QCOMPARE(hw->Tabs->currentIndex(), 1);
            QVERIFY(dialog->isVisible());
            dialog->hide();
        }
    }

    void helpContentsShowsContentsIndexAndTheMainPageAndClosesWithTheMainWindow() {
        auto w = StartWindow();
        w->window->MenuItem("HelpContents1")->trigger();
        QCOMPARE(Shown(*w->window).fileName(), QStringLiteral("main.html"));
        HelpWindow* hw = w->window->Help().Viewer().Window();
        QCOMPARE(hw->Tabs->count(), 2);
        QCOMPARE(hw->Tabs->tabText(0), QStringLiteral("Contents"));
        QCOMPARE(hw->Tabs->tabText(1), QStringLiteral("Index"));
        auto* contents = qobject_cast<QHelpContentWidget*>(hw->Tabs->widget(0));
        QVERIFY(contents);
        QTRY_VERIFY_WITH_TIMEOUT(contents->model()->rowCount() > 0, 10000);
        // Every page of the contents can be read from the collection.
        const QModelIndex top = contents->model()->index(0, 0);
        QVERIFY(contents->model()->rowCount(top) >= 10);
        // Closing the main window closes the help with it.
        w->window->close();
        QVERIFY(!hw->isVisible());
    }

    // Closed right after it opened, while its contents and index are still read in the background.
    void closesRightAfterItOpened() {
        for (int i = 0; i < 150; ++i) {
            QtHelpViewer viewer(HelpCollectionFile());
            QVERIFY(viewer.ShowContext(1000));
            QCoreApplication::processEvents();
        }
    }

    void missingCollectionIsSaidOnceAndEveryRequestWarns() {
        ScriptedDialogs dialogs;
        Session session(dialogs);
        ProgramHelp help(session, QStringLiteral("/nonexistent/Quorl.qhc"));
        QVERIFY(!help.Loaded());
        QCOMPARE(dialogs.messages, std::vector<std::string>{"HTML Help not loaded"});
        RequestHelp(session, 1000);
        RequestHelp(session, 4);
        QCOMPARE(dialogs.questions, (std::vector<std::string>{"The Quorl help is not installed on this computer.",
                                                              "The Quorl help is not installed on this computer."}));
        QCOMPARE(dialogs.messages.size(), size_t(1));
        QVERIFY(!help.Viewer().Window());
    }

    void tipsWindowIsBorderlessCentredAndCloses() {
        auto w = StartWindow();
        w->window->move(100, 80);
        TipsWindow tips(w->window.get());
        QVERIFY(tips.windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(tips.geometry().contains(tips.CloseButton->geometry().translated(tips.pos())));
        tips.ShowCentred();
        QCOMPARE(tips.frameGeometry().center(), w->window->frameGeometry().center());
        QTest::mouseClick(tips.CloseButton, Qt::LeftButton);
        QVERIFY(!tips.isVisible());
    }
};

QTEST_MAIN(TestHelpWindow)
#include "test_help_window.moc"
