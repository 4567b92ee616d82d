// The preferences, AutoCorrect, analyze, word statistics and country list windows driven through
// their widgets, opened from the main window's menu as the user opens them.
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTimer>

#include "AppTestSupport.h"
#include "FileSizeLimit.h"
#include "editors/CountryEditor.h"
#include "ui/HelpContext.h"
#include "ui/WordStatsModel.h"

using namespace quorl;
using namespace quorl::testing;

class TestEditorWindows : public QObject {
    Q_OBJECT

    // The program over a folder whose word statistics hold five words.
    struct Program : StartedApp {
        Program()
            : StartedApp(false, [](const fs::path& folder) {
                  WriteAll(folder / "WordStats.txt",
                           "rock\t10\t20\t60\t20\t\r\nmoss\t1\t100\t0\t0\t\r\nbog\t11\t0\t0\t100\t\r\n"
                           "alpine\t1\t50\t50\t0\t\r\ncliff\t3\t0\t100\t0\t\r\n");
              }) {}
        MainWindow& main() { return *windows->main; }
        void Run(const char* item) { main().MenuItem(item)->trigger(); }
        QPlainTextEdit* Label() { return qobject_cast<QPlainTextEdit*>(main().Widget("RichEdit1")); }
    };

    static QStringList Column(QTableView* view, int column) {
        QStringList out;
        for (int r = 0; r < view->model()->rowCount(); ++r) out << view->model()->index(r, column).data().toString();
        return out;
    }
    static void ClickHeader(QTableView* view, int column) {
        QHeaderView* h = view->horizontalHeader();
        const QPoint at(h->sectionViewportPosition(column) + h->sectionSize(column) / 2, h->height() / 2);
        QTest::mouseClick(h->viewport(), Qt::LeftButton, {}, at);
    }
    // A click on a check box's indicator, where the user clicks.
    static void Toggle(QCheckBox* box) { QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2)); }
    static void Choose(QListWidget* list, const QString& name) {
        const auto items = list->findItems(name, Qt::MatchExactly);
        QVERIFY(!items.isEmpty());
        list->setCurrentItem(items.first());
    }

private slots:
    void preferencesCancelAndSave() {
        Program p;
        PreferencesWindow& w = *p.windows->preferences;
        p.Run("Preferences1");
        QVERIFY(w.isVisible());
        QCOMPARE(w.OutputRadio->checkedId(), p.session.OutputType);
        QCOMPARE(w.MinElevUpDown->value(), p.session.MinElevation);
        QCOMPARE(HelpContextOf(w.MinElevUpDown), 1016);
        QCOMPARE(HelpContextOf(w.ClearStatsButton), 1009);

        const bool fill = p.session.FillMeters;
        Toggle(w.FeetToMetersCheckBox);
        Toggle(w.BarcodeFormatCheckBox);
        QCOMPARE(w.BarcodeFormatEdit->isEnabled(), !p.session.BarcodeFormatCheck);  // at once, before saving
        QTest::mouseClick(w.CancelButton, Qt::LeftButton);
        QVERIFY(!w.isVisible());
        QCOMPARE(p.session.FillMeters, fill);
        p.Run("Preferences1");
        QCOMPARE(w.FeetToMetersCheckBox->isChecked(), fill);  // the controls come from the session again
        QCOMPARE(w.BarcodeFormatEdit->isEnabled(), p.session.BarcodeFormatCheck);

        p.session.form.SetText("RichEdit1", "Flora of Ohio\r\nCarex lurida\r\nwet ditch");
        Toggle(w.FeetToMetersCheckBox);
        Toggle(w.DoubleSpaceCheckBox);
        w.BarcodeFormatEdit->clear();
        QTest::mouseClick(w.SaveButton, Qt::LeftButton);
        QVERIFY(!w.isVisible());
        QCOMPARE(p.session.FillMeters, !fill);
        QVERIFY(p.session.DoubleSpace);
        QCOMPARE(p.Label()->toPlainText(), QStringLiteral("Flora of Ohio\n\nCarex lurida\n\nwet ditch"));
        const std::string saved = ReadAll(p.program.path / "Preferences.txt");
        QVERIFY(saved.find(std::string("FillMeters\t") + (fill ? "No" : "Yes") + "\r\n") != std::string::npos);
        QVERIFY(saved.find("\r\nBarcodeFormatTemplate\t\r\n") != std::string::npos);
        QVERIFY(p.dialogs.messages.empty());
    }

    void autoCorrectEntryCorrectsTheLabelWindow() {
        Program p;
        p.session.form.SetText("RichEdit1", "Carex lurlda\r\nnear lurlda creek");
        SelectRange(p.Label(), 6, 12);
        AutoCorrectWindow& w = *p.windows->autoCorrect;
        QTimer::singleShot(0, this, [&] {
            QCOMPARE(w.Label1->text(), QStringLiteral("Change lurlda to:"));
            w.ToEdit->setText(QStringLiteral("lurida"));
            QTest::mouseClick(w.Button1, Qt::LeftButton);
        });
        QVERIFY(w.Open());
        QCOMPARE(p.Label()->toPlainText(), QStringLiteral("Carex lurida\nnear lurida creek"));
        QVERIFY(ReadAll(p.program.path / "AutoCorrect.txt").ends_with("\r\n0\tlurlda\tlurida\r\n"));

        // The same text again: refused, and the window stays open until Cancel.
        p.session.form.SetText("RichEdit1", "LURLDA");
        SelectRange(p.Label(), 0, 6);
        bool stayedOpen = false;
        QTimer::singleShot(0, this, [&] {
            w.ToEdit->setText(QStringLiteral("x"));
            QTest::mouseClick(w.Button1, Qt::LeftButton);
            stayedOpen = w.isVisible();
            QTest::mouseClick(w.Button2, Qt::LeftButton);
        });
        QVERIFY(!w.Open());
        QVERIFY(stayedOpen);
        QCOMPARE(QString::fromStdString(p.dialogs.messages.back()),
                 QStringLiteral("LURLDA already on the AutoCorrect list, corrected to lurida."));
    }

    // A save that cannot write its file is reported and the window stays open with what the user
    // entered, so that Save can be pressed again once the disk has room.
    void failedSavesKeepTheWindowsOpen() {
        Program p;
        PreferencesWindow& prefs = *p.windows->preferences;
        const fs::path prefsFile = p.program.path / "Preferences.txt";
        const std::string before = ReadAll(prefsFile);
        const bool fill = p.session.FillMeters;
        p.Run("Preferences1");
        Toggle(prefs.FeetToMetersCheckBox);
        {
            FileSizeLimit full(16);
            QTest::mouseClick(prefs.SaveButton, Qt::LeftButton);
        }
        QVERIFY(prefs.isVisible());
        QCOMPARE(prefs.FeetToMetersCheckBox->isChecked(), !fill);
        QCOMPARE(ReadAll(prefsFile), before);
        QVERIFY(!p.dialogs.messages.empty());
        QTest::mouseClick(prefs.SaveButton, Qt::LeftButton);
        QVERIFY(!prefs.isVisible());
        QVERIFY(ReadAll(prefsFile).find(std::string("FillMeters\t") + (fill ? "No" : "Yes")) != std::string::npos);

        // AutoCorrect.txt replaced by a folder: nothing is added and the label stays as it was.
        const fs::path list = p.program.path / "AutoCorrect.txt";
        fs::remove(list);
        fs::create_directory(list);
        p.session.form.SetText("RichEdit1", "Carex lurlda");
        SelectRange(p.Label(), 6, 12);
        AutoCorrectWindow& w = *p.windows->autoCorrect;
        const size_t entries = p.session.AutoCorrectList.size();
        const size_t messages = p.dialogs.messages.size();
        bool stayedOpen = false;
        QString labelAfterFailure;
        size_t entriesAfterFailure = 0;
        QTimer::singleShot(0, this, [&] {
            w.ToEdit->setText(QStringLiteral("lurida"));
            QTest::mouseClick(w.Button1, Qt::LeftButton);
            stayedOpen = w.isVisible();
            labelAfterFailure = p.Label()->toPlainText();
            entriesAfterFailure = p.session.AutoCorrectList.size();
            fs::remove(list);  // the folder goes: Save again adds the entry
            QTest::mouseClick(w.Button1, Qt::LeftButton);
        });
        QVERIFY(w.Open());
        QVERIFY(stayedOpen);
        QCOMPARE(labelAfterFailure, QStringLiteral("Carex lurlda"));
        QCOMPARE(entriesAfterFailure, entries);
        QCOMPARE(p.dialogs.messages.size(), messages + 1);
        QCOMPARE(p.Label()->toPlainText(), QStringLiteral("Carex lurida"));
        QCOMPARE(p.session.AutoCorrectList.size(), entries + 1);
        QVERIFY(ReadAll(list).ends_with("0\tlurlda\tlurida\r\n"));
    }

    void analyzeExplainsOnceAndTheFrameEndsTraceMode() {
        Program p;
        p.session.form.SetText("RichEdit1", "Flora of Ohio\r\nCarex lurida\r\nwet ditch\r\nJ. Smith 12\r\nQZV0001234");
        AnalyzeWindow& w = *p.windows->analyze;
        p.Run("Analyze1");
        QVERIFY(w.isVisible() && p.session.trace.Trace);
        QCOMPARE(w.ItemIndex(), 0);
        w.close();
        QVERIFY(!p.session.trace.Trace);
        QTest::mouseClick(p.main().Widget("ParseOnlyButton"), Qt::LeftButton);
        QVERIFY(p.dialogs.traces.empty());

        p.Run("Analyze1");
        w.SetItemIndex(29);
        QTest::mouseClick(w.Button1, Qt::LeftButton);
        QVERIFY(!w.isVisible());
        QCOMPARE(p.dialogs.traces.size(), size_t(1));
        QVERIFY(p.dialogs.traces[0].rfind("Analyzing Barcode\r\n", 0) == 0);
    }

    void wordStatsDeleteAndSave() {
        Program p;
        WordStatsWindow& w = *p.windows->wordStats;
        p.Run("EditWordStats1");
        QVERIFY(!w.DeleteButton->isEnabled());
        w.ListView1->selectRow(4);  // cliff
        QVERIFY(w.DeleteButton->isEnabled());
        QTest::mouseClick(w.DeleteButton, Qt::LeftButton);
        QVERIFY(!w.DeleteButton->isEnabled());
        w.Delete1countwords1->trigger();
        QCOMPARE(QString::fromStdString(p.dialogs.messages.back()), QStringLiteral("Press Save button to make permanent"));
        QCOMPARE(Column(w.ListView1, 0), (QStringList{"rock", "bog"}));

        QTest::mouseClick(w.Button2, Qt::LeftButton);  // Cancel: nothing changes
        QCOMPARE(p.session.WordStats.size(), size_t(5));
        p.Run("EditWordStats1");
        QCOMPARE(w.model->rowCount(), 5);

        // A click on the count header sorts by count, highest first, and the saved file follows.
        w.Delete1countwords1->trigger();
        ClickHeader(w.ListView1, 1);
        QCOMPARE(w.ListView1->horizontalHeader()->sortIndicatorOrder(), Qt::DescendingOrder);
        QTest::mouseClick(w.SaveButton, Qt::LeftButton);
        QVERIFY(!w.isVisible());
        QCOMPARE(ReadAll(p.program.path / "WordStats.txt"),
                 std::string("bog\t11\t0\t0\t100\t\r\nrock\t10\t20\t60\t20\t\r\ncliff\t3\t0\t100\t0\t\r\n"));
        QCOMPARE(p.session.WordStats.size(), size_t(3));
    }

    void countryEditorAddsACountyThatTheMainWindowLists() {
        Program p;
        CountryListWindow& w = *p.windows->country;
        p.Run("EditCountries1");
        QVERIFY(w.isVisible());
        QVERIFY(!w.SaveButton->isEnabled());
        Choose(w.CountryListBox, QStringLiteral("United States"));
        QVERIFY(w.StateListBox->count() > 40);
        QVERIFY(!w.boundFields[0]->text().isEmpty());  // the country's box
        Choose(w.StateListBox, QStringLiteral("Missouri"));
        QVERIFY(w.ParishListBox->count() > 100);

        p.dialogs.inputs = {"Zzyzx Test"};
        w.CountryPopupPopup(PlaceLevel::County);
        QVERIFY(w.AddItem->isEnabled());
        QVERIFY(!w.DeleteItem->isEnabled());
        w.AddItem->trigger();
        QVERIFY(w.SaveButton->isEnabled());
        QVERIFY(!w.ParishListBox->findItems(QStringLiteral("Zzyzx Test"), Qt::MatchExactly).isEmpty());

        // Typing into the county column with no county chosen stores nothing.
        QLineEdit* countyMinLat = w.boundFields[8];
        countyMinLat->setFocus();
        QTest::keyClicks(countyMinLat, QStringLiteral("38"));
        QCOMPARE(countyMinLat->text(), QString());

        const size_t questions = p.dialogs.questions.size();
        QTest::mouseClick(w.SaveButton, Qt::LeftButton);
        QVERIFY(!w.SaveButton->isEnabled());
        QVERIFY(ReadAll(p.program.path / "CountryList.txt").find(",Zzyzx Test") != std::string::npos);
        QTest::mouseClick(w.CancelButton, Qt::LeftButton);
        QVERIFY(!w.isVisible());
        QCOMPARE(p.dialogs.questions.size(), questions);  // saved: closing asks nothing

        auto* country = qobject_cast<QComboBox*>(p.main().Widget("CountryCombo"));
        const int us = country->findText(QStringLiteral("United States"));
        QVERIFY(us >= 0);
        country->setCurrentIndex(us);
        emit country->activated(us);
        auto* state = qobject_cast<QComboBox*>(p.main().Widget("StateCombo"));
        const int mo = state->findText(QStringLiteral("Missouri"));
        QVERIFY(mo >= 0);
        state->setCurrentIndex(mo);
        emit state->activated(mo);
        auto* county = qobject_cast<QComboBox*>(p.main().Widget("ParishCombo"));
        QVERIFY(county->findText(QStringLiteral("Zzyzx Test")) >= 0);
    }

    void countryEditorCloseAsksAndDropsUnsavedChanges() {
        Program p;
        CountryListWindow& w = *p.windows->country;
        p.Run("EditCountries1");
        Choose(w.CountryListBox, QStringLiteral("Chad"));
        QLineEdit* maxLat = w.boundFields[1];
        maxLat->setFocus();
        maxLat->selectAll();
        QTest::keyClicks(maxLat, QStringLiteral("99"));
        QVERIFY(w.SaveButton->isEnabled());
        p.dialogs.answers = {DialogButton::Cancel, DialogButton::Yes};
        QTest::mouseClick(w.CancelButton, Qt::LeftButton);
        QVERIFY(w.isVisible());
        QCOMPARE(QString::fromStdString(p.dialogs.questions.back()), QStringLiteral("Exit without saving?"));
        w.close();  // the frame asks the same
        QVERIFY(!w.isVisible());
        const CountryClass* chad = nullptr;
        for (const CountryClass& c : p.session.CountryList)
            if (c.Name == "Chad") chad = &c;
        QVERIFY(chad && chad->MaxLat != 99.0f);
    }
};

QTEST_MAIN(TestEditorWindows)
#include "test_editor_windows.moc"
