// The output preview window: the CSV record file as a table, and the re-edit of one record by a
// double click, which takes it out of the file and back into the main window.
#include <QLabel>
#include <QTimer>
#include <QPushButton>
#include <QTreeWidget>

#include "AppTestSupport.h"
#include "fields/FieldAccess.h"
#include "records/DarwinCsvWriter.h"

using namespace quorl;
using namespace quorl::testing;

class TestOutputPreview : public QObject {
    Q_OBJECT

    std::unique_ptr<StartedApp> app_;

    OutputPreviewWindow& W() { return *app_->windows->outputPreview; }
    Session& S() { return app_->session; }
    fs::path RecordPath() { return app_->program.path / S().OutputFileName; }
    QString Text(const char* control) { return quorl::testing::Text(app_->windows->main->Widget(control)); }
    void AddRecord(const std::string& collector, const std::string& locality) {
        ClearFields(S());
        const FamilyClass& family = S().PlantList.at(1);
        S().form.SetText("CollectorEdit", collector);
        S().form.SetText("NumberEdit", "12");
        S().form.SetText("FamilyCombo", family.Name);
        S().form.SetText("GenusCombo", family.Children.at(0).Name);
        S().form.SetText("CountryCombo", S().CountryList.at(0).Name);
        S().form.SetText("LocalityMemo", locality);
        QVERIFY(AddDarwinCSV(S()));
    }
    int EnabledColumns() {
        int n = 0;
        for (const OutputFormatClass& c : S().OutputColumns) n += c.Enabled ? 1 : 0;
        return n;
    }

private slots:
    void init() { app_ = std::make_unique<StartedApp>(true); }
    void cleanup() { app_.reset(); }

    void previewAndReEditACsvRecordWithAQuotedComma() {
        QCOMPARE(S().OutputType, 2);
        AddRecord("J. Smith", "Sierra de Manantlan");
        const std::string first = ReadAll(RecordPath());
        AddRecord("A. Gray", "Cerro, near the pass");
        QVERIFY(ReadAll(RecordPath()).find("\"Cerro, near the pass\"") != std::string::npos);
        ClearFields(S());

        app_->windows->main->MenuItem("OutputPreview1")->trigger();
        QVERIFY(W().isVisible());
        QCOMPARE(W().Label1->text(), QString::fromStdString(S().OutputFileName));
        QTreeWidget* list = W().OutputPreviewListView;
        QCOMPARE(list->columnCount(), EnabledColumns());
        QCOMPARE(list->headerItem()->text(0), QStringLiteral("recordedBy"));
        QCOMPARE(list->columnWidth(1), 100);
        QCOMPARE(list->topLevelItemCount(), 2);
        QTreeWidgetItem* gray = list->topLevelItem(1);
        QCOMPARE(gray->text(0), QStringLiteral("A. Gray"));
        // The quoted comma stays inside its value: the columns after it keep their places.
        int locality = -1;
        for (int c = 0; c < list->columnCount(); ++c)
            if (list->headerItem()->text(c) == QStringLiteral("locality")) locality = c;
        QVERIFY(locality > 0);
        QCOMPARE(gray->text(locality), QStringLiteral("Cerro, near the pass"));
        QCOMPARE(gray->text(list->columnCount() - 1), list->topLevelItem(0)->text(list->columnCount() - 1));

        // A double click on the row, answered Yes.
        app_->dialogs.answers.push_back(DialogButton::Yes);
        const QPoint at(list->columnWidth(0) / 2, list->visualItemRect(gray).center().y());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(app_->dialogs.questions.back(), std::string("Remove this line from output, clear QUORL form, and edit this line?"));
        QVERIFY(!W().isVisible());
        QCOMPARE(ReadAll(RecordPath()), first);
        QCOMPARE(Text("CollectorEdit"), QStringLiteral("A. Gray"));
        QCOMPARE(Text("LocalityMemo"), QStringLiteral("Cerro, near the pass"));
        QCOMPARE(Text("FamilyCombo"), QString::fromStdString(S().PlantList.at(1).Name));
        QCOMPARE(Text("GenusCombo"), QString::fromStdString(S().PlantList.at(1).Children.at(0).Name));
        QCOMPARE(Text("CountryCombo"), QString::fromStdString(S().CountryList.at(0).Name));
        QVERIFY(Text("RichEdit1").startsWith(QStringLiteral("-->DATA Reloaded from Output File.")));

        // Opened again, the preview shows what is left.
        app_->windows->main->MenuItem("OutputPreview1")->trigger();
        QCOMPARE(list->topLevelItemCount(), 1);
        QCOMPARE(list->topLevelItem(0)->text(0), QStringLiteral("J. Smith"));
        W().Button1->click();
        QVERIFY(!W().isVisible());
    }

    // A re-edited value stands in its box from its first character (a decimal degree is wider than
    // the degree box), and the window names the record file the values came from.
    void reEditedValuesShowFromTheirStartAndNameTheirFile() {
        ClearFields(S());
        S().form.SetText("ImageLabel", "label.txt");  // the label file opened last
        S().form.SetText("CollectorEdit", "J. Smith");
        S().form.SetText("LatDegreesEdit", "44.62417");
        S().form.SetText("NSCombo", "N");
        S().form.SetText("LongDegreesEdit", "12.27604");
        S().form.SetText("EWCombo", "W");
        S().form.SetText("CountryCombo", S().CountryList.at(0).Name);
        QVERIFY(AddDarwinCSV(S()));
        ClearFields(S());

        app_->windows->main->MenuItem("OutputPreview1")->trigger();
        QTreeWidget* list = W().OutputPreviewListView;
        app_->dialogs.answers.push_back(DialogButton::Yes);
        const QPoint at(list->columnWidth(0) / 2, list->visualItemRect(list->topLevelItem(0)).center().y());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        auto* lat = qobject_cast<QLineEdit*>(app_->windows->main->Widget("LatDegreesEdit"));
        QCOMPARE(lat->text(), QStringLiteral("44.62417"));
        QVERIFY(lat->fontMetrics().horizontalAdvance(lat->text()) > lat->width());  // it does not fit
        QCOMPARE(lat->cursorPosition(), 0);
        auto* lng = qobject_cast<QLineEdit*>(app_->windows->main->Widget("LongDegreesEdit"));
        QCOMPARE(lng->text(), QStringLiteral("12.27604"));
        QCOMPARE(lng->cursorPosition(), 0);
        auto* country = qobject_cast<QComboBox*>(app_->windows->main->Widget("CountryCombo"));
        QCOMPARE(country->lineEdit()->cursorPosition(), 0);
        QCOMPARE(Text("CollectorEdit"), QStringLiteral("J. Smith"));
        QCOMPARE(qobject_cast<QLabel*>(app_->windows->main->Widget("ImageLabel"))->text(),
                 QString::fromStdString(fs::path(S().OutputFileName).filename().string()));
    }

    // A record taken out is offered back before the program ends: Cancel keeps it going, Yes adds
    // the record (through the add's own checks) and ends it; then nothing asks any more.
    void aRecordTakenOutIsOfferedBackAtExit() {
        AddRecord("A. Gray", "Cerro, near the pass");
        app_->windows->main->MenuItem("OutputPreview1")->trigger();
        W().OutputPreviewListView->setCurrentItem(W().OutputPreviewListView->topLevelItem(0));
        app_->dialogs.answers = {DialogButton::Yes, DialogButton::Cancel, DialogButton::Cancel, DialogButton::Yes,
                                 DialogButton::Ignore};
        W().OutputPreviewListViewDblClick();
        MainWindow& main = *app_->windows->main;
        QTimer::singleShot(0, [&] {
            main.MenuItem("Exit1")->trigger();
            main.close();
            QVERIFY(main.isVisible());
            main.MenuItem("Exit1")->trigger();
            main.MenuItem("Exit1")->trigger();
        });
        QTimer::singleShot(5000, [] { QCoreApplication::exit(7); });
        QCOMPARE(QCoreApplication::exec(), 0);
        const std::string question =
            "The record taken out of " + S().OutputFileName + " has not been added back. Add it back now?";
        QCOMPARE(std::count(app_->dialogs.questions.begin(), app_->dialogs.questions.end(), question), std::ptrdiff_t(3));
    }

    // Each line of an XML record file is one value: its one column is as wide as the list.
    void xmlRecordFileShowsItsLinesAcrossTheList() {
        S().OutputType = 1;
        S().OutputFileName = "Records.xml";
        WriteAll(RecordPath(), "<?xml version=\"1.0\"?>\r\n<SimpleDarwinRecordSet>\r\n<SimpleDarwinRecord>\r\n");
        app_->windows->main->MenuItem("OutputPreview1")->trigger();
        QTRY_COMPARE(W().OutputPreviewListView->columnWidth(0), W().OutputPreviewListView->viewport()->width());
    }

    void missingFileIsReportedAndTheWindowStaysHidden() {
        fs::remove(RecordPath());
        app_->windows->main->MenuItem("OutputPreview1")->trigger();
        QVERIFY(!W().isVisible());
        QCOMPARE(app_->dialogs.messages.back(), "Unable to open file " + S().OutputFileName);
    }
};

QTEST_MAIN(TestOutputPreview)
#include "test_output_preview.moc"
