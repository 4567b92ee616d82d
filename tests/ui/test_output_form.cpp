// The output format editor: list contents, the popup marks, renaming, Check All/None, the output
// type choice, Save and Cancel.
#include <QAbstractButton>
#include <QAction>
#include <QButtonGroup>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

#include <filesystem>

#include "AppTestSupport.h"
#include "model/MainForm.h"
#include "model/OutputFormatFile.h"
#include "ui/OutputFormatWindow.h"

namespace fs = std::filesystem;
using namespace quorl;
using namespace quorl::testing;

class TestOutputForm : public QObject {
    Q_OBJECT

    fs::path dir;
    std::unique_ptr<ScriptedDialogs> dialogs;
    std::unique_ptr<Session> s;
    std::unique_ptr<OutputFormatWindow> form;

    void Select(int row) { form->OutListView->setCurrentItem(form->OutListView->topLevelItem(row)); }
    QTreeWidgetItem* Item(int row) { return form->OutListView->topLevelItem(row); }

private slots:
    void init() {
        dir = fs::temp_directory_path() / ("quorl-output-form-" + std::to_string(QCoreApplication::applicationPid()));
        fs::remove_all(dir);
        fs::create_directories(dir);
        WriteAll(dir / "OutputFormat.txt",
              "Records.tsv\r\n0\t1\tCollector\tCollector\t0\r\n3\t0\tCollection Date\tDate\r\n"
              "18.10\t1\tLongitude\tLong\t1\r\n");
        WriteAll(dir / "Preferences.txt", "OutputFormat\tTSV\r\n");
        WriteAll(dir / "DarwinXML.txt", "Records.xml\r\n0\t1\tCollector\trecordedBy\t0\r\n");
        dialogs = std::make_unique<ScriptedDialogs>();
        s = std::make_unique<Session>(*dialogs);
        s->ProgramFolder = s->UserFolder = dir;
        s->Debug = false;
        BuildMainForm(s->form);
        LoadOutputFormat(*s);
        form = std::make_unique<OutputFormatWindow>(*s);
    }

    void cleanup() {
        form.reset();
        s.reset();
        dialogs.reset();
        fs::remove_all(dir);
    }

    void showsTheColumnsOfTheCurrentType() {
        form->ShowFormatOutput();
        QVERIFY(form->isVisible());
        QCOMPARE(form->OutputNameEdit->text(), QStringLiteral("Records.tsv"));
        QCOMPARE(form->OutputRadio->checkedId(), 0);
        QCOMPARE(form->OutListView->topLevelItemCount(), 3);
        QCOMPARE(Item(1)->text(0), QStringLiteral("Collection Date"));
        QCOMPARE(Item(1)->text(1), QStringLiteral("Date"));
        QCOMPARE(Item(1)->text(3), QStringLiteral("1"));
        QCOMPARE(Item(1)->text(4), QStringLiteral("3.0"));
        QCOMPARE(Item(2)->text(4), QStringLiteral("18.10"));
        QVERIFY(!Item(0)->icon(0).isNull());  // enabled
        QVERIFY(Item(1)->icon(0).isNull());   // disabled
        QVERIFY(!Item(2)->icon(2).isNull());  // numeric
        QVERIFY(Item(0)->icon(2).isNull());
        QVERIFY(form->OutListView->selectedItems().isEmpty());
    }

    void editsAndSavesTheFile() {
        form->ShowFormatOutput();
        Select(1);
        form->OutputPopupMenuPopup();
        QVERIFY(!form->Enabled1->isChecked());
        QVERIFY(!form->Numeric1->isChecked());
        form->Enabled1->trigger();
        form->Numeric1->trigger();
        QVERIFY(!Item(1)->icon(0).isNull());
        form->OutputPopupMenuPopup();
        QVERIFY(form->Enabled1->isChecked());
        QVERIFY(form->Numeric1->isChecked());

        dialogs->inputs.push_back("eventDate");
        form->OutListViewDblClick();
        QCOMPARE(dialogs->shown.back(), std::string("input: Database Field Name / Edit Field Name"));
        QCOMPARE(Item(1)->text(1), QStringLiteral("eventDate"));
        form->OutListViewDblClick();  // cancelled: the name stays
        QCOMPARE(Item(1)->text(1), QStringLiteral("eventDate"));
        dialogs->inputs.push_back(" ");  // an empty name would break the line of the format file
        form->OutListViewDblClick();
        QCOMPARE(Item(1)->text(1), QStringLiteral("eventDate"));

        Select(0);
        form->CheckNoneButton->click();
        QVERIFY(Item(2)->icon(0).isNull());
        Select(2);
        form->Enabled1->trigger();
        form->OutputNameEdit->setText(QStringLiteral("Other.tsv"));
        form->SaveButton->click();
        QVERIFY(!form->isVisible());
        QCOMPARE(ReadAll(dir / "OutputFormat.txt"),
                 std::string("Other.tsv\r\n0\t0\tCollector\tCollector\t0\r\n3\t0\tCollection Date\teventDate\t1\r\n"
                             "18.10\t1\tLongitude\tLong\t1\r\n"));
        QCOMPARE(s->OutputFileName, std::string("Other.tsv"));
        QCOMPARE(s->OutputColumns.size(), size_t(3));
        QCOMPARE(s->OutputColumns[1].DatabaseName, std::string("eventDate"));
        QVERIFY(s->OutputColumns[2].Enabled);
        QCOMPARE(s->form.Get("OutputLabel").text, std::string("Other.tsv"));

        form->CheckAllButton->click();
        for (int r = 0; r < 3; ++r) QVERIFY(!Item(r)->icon(0).isNull());
    }

    // A blank file name, one of the program's own files, or for Darwin Core XML a field name that
    // is no element name, is refused: the user is told, nothing is saved and the window stays open.
    void namesThatWouldBreakTheFilesAreRefused() {
        const std::string before = ReadAll(dir / "OutputFormat.txt");
        form->ShowFormatOutput();
        form->OutputNameEdit->setText(QStringLiteral("  "));
        form->SaveButton->click();
        QCOMPARE(dialogs->messages.back(), std::string("Enter an Output File Name."));
        QVERIFY(form->isVisible());
        QCOMPARE(ReadAll(dir / "OutputFormat.txt"), before);
        QCOMPARE(s->OutputFileName, std::string("Records.tsv"));
        // Nor one of the program's own files, whose records the program itself would delete.
        form->OutputNameEdit->setText(QStringLiteral("./Log.txt"));
        form->SaveButton->click();
        QVERIFY(dialogs->messages.back().starts_with("\"./Log.txt\" is one of Quorl's own files (the log)"));
        QVERIFY(form->isVisible());
        QCOMPARE(ReadAll(dir / "OutputFormat.txt"), before);

        // The tab-separated format takes any name; the XML format only element names.
        Select(0);
        dialogs->inputs.push_back("recorded By");
        form->OutListViewDblClick();
        QCOMPARE(Item(0)->text(1), QStringLiteral("recorded By"));
        form->OutputRadio->button(1)->click();
        Select(0);
        dialogs->inputs.push_back("recorded By");
        form->OutListViewDblClick();
        QCOMPARE(Item(0)->text(1), QStringLiteral("recordedBy"));
        QVERIFY(dialogs->messages.back().find("cannot name an XML element") != std::string::npos);

        // A bad name already in the file is refused at Save.
        WriteAll(dir / "DarwinXML.txt", "Records.xml\r\n0\t1\tCollector\trecorded By\t0\r\n");
        form->OutputRadio->button(1)->click();
        form->SaveButton->click();
        QVERIFY(form->isVisible());
        QVERIFY(dialogs->messages.back().find("Collector: \"recorded By\"") != std::string::npos);
        QCOMPARE(ReadAll(dir / "DarwinXML.txt"), std::string("Records.xml\r\n0\t1\tCollector\trecorded By\t0\r\n"));
        dialogs->inputs.push_back("recordedBy");
        Select(0);
        form->OutListViewDblClick();
        form->SaveButton->click();
        QVERIFY(!form->isVisible());
        QVERIFY(ReadAll(dir / "DarwinXML.txt").find("\trecordedBy\t") != std::string::npos);
    }

    // A save that cannot write the format file is reported; the window stays open with the user's
    // entries, and Save works again once the file can be written.
    void failedSaveKeepsTheWindowOpen() {
        form->ShowFormatOutput();
        form->OutputNameEdit->setText(QStringLiteral("Other.tsv"));
        fs::remove(dir / "OutputFormat.txt");
        fs::create_directory(dir / "OutputFormat.txt");
        form->SaveButton->click();
        QVERIFY(form->isVisible());
        QCOMPARE(form->OutputNameEdit->text(), QStringLiteral("Other.tsv"));
        QVERIFY(!dialogs->messages.empty());
        fs::remove(dir / "OutputFormat.txt");
        form->SaveButton->click();
        QVERIFY(!form->isVisible());
        QVERIFY(ReadAll(dir / "OutputFormat.txt").starts_with("Other.tsv\r\n"));
    }

    void choosingATypeLoadsItAndCancelWritesNothing() {
        form->ShowFormatOutput();
        form->OutputRadio->button(1)->click();
        QCOMPARE(s->OutputType, 1);
        QCOMPARE(form->OutListView->topLevelItemCount(), 1);
        QCOMPARE(Item(0)->text(1), QStringLiteral("recordedBy"));
        QCOMPARE(form->OutputNameEdit->text(), QStringLiteral("Records.xml"));
        QCOMPARE(s->form.Get("AddDataButton").text, std::string("Export Darwin XML"));

        // A Darwin CSV type without its own file shows the columns of OutputFormat.txt.
        form->OutputRadio->button(2)->click();
        QCOMPARE(form->OutListView->topLevelItemCount(), 3);
        Select(0);
        form->Enabled1->trigger();
        form->CancelButton->click();
        QVERIFY(!form->isVisible());
        QVERIFY(!fs::exists(dir / "DarwinCSV.txt"));
        QCOMPARE(ReadAll(dir / "Preferences.txt"), std::string("OutputFormat\tTSV\r\n"));
        QCOMPARE(s->OutputType, 2);
        form->ShowFormatOutput();  // the cancelled edit is gone
        QVERIFY(!Item(0)->icon(0).isNull());
        QCOMPARE(form->OutputRadio->checkedId(), 2);

        // Saving now creates DarwinCSV.txt.
        form->SaveButton->click();
        QVERIFY(fs::exists(dir / "DarwinCSV.txt"));
        QVERIFY(ReadAll(dir / "Preferences.txt").find("OutputFormat\tCSV") != std::string::npos);
    }

    void opensFromTheMenuAndFromTheOutputLabel() {
        StartedApp app(false);
        Session& session = app.session;
        auto& windows = app.windows;
        OutputFormatWindow& editor = *windows->output;
        QVERIFY(!editor.isVisible());
        windows->main->MenuItem("FormatOutput1")->trigger();
        QVERIFY(editor.isVisible());
        QCOMPARE(editor.OutListView->topLevelItemCount(), int(session.OutputColumns.size()));
        QVERIFY(editor.OutListView->topLevelItemCount() > 0);
        QCOMPARE(editor.OutputRadio->checkedId(), session.OutputType);
        editor.CancelButton->click();
        QVERIFY(!editor.isVisible());

        QWidget* label = windows->main->Widget("OutputLabel");
        QVERIFY(label);
        QTest::mouseDClick(label, Qt::LeftButton);
        QVERIFY(editor.isVisible());
        QCOMPARE(editor.OutputNameEdit->text().toStdString(), session.OutputFileName);
    }
};

QTEST_MAIN(TestOutputForm)
#include "test_output_form.moc"
