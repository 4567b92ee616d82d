// The field definitions editor and its one-field dialog as the user drives them: the table and its
// popup, the dialog's word lists, Save reaching the main window, and the Check Configuration item.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

#include "base/ScriptedDialogs.h"
#include "model/Session.h"
#include "ui/AppWindows.h"
#include "ui/FieldDefinitionWindow.h"
#include "ui/FieldDefinitionsWindow.h"
#include "ui/HelpContext.h"
#include "AppTestSupport.h"
#include "UiTestSupport.h"

namespace fs = std::filesystem;
using namespace quorl;
using namespace quorl::testing;

class TestFieldDefinitionsWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<StartedApp> app_;

    FieldDefinitionsWindow& List() { return *app_->windows->configList; }
    FieldDefinitionWindow& Dialog() { return *app_->windows->oneConfig; }
    QTreeWidgetItem* Item(int row) { return List().ListView1->topLevelItem(row); }
    void Select(int row) { List().ListView1->setCurrentItem(row < 0 ? nullptr : Item(row)); }
    // Opens the popup as a right click on the table does and reads its items.
    QList<QAction*> Popup() {
        QTreeWidget* view = List().ListView1;
        QRect r = view->currentItem() ? view->visualItemRect(view->currentItem()) : QRect(5, 5, 1, 1);
        emit view->customContextMenuRequested(r.center());
        QList<QAction*> items = List().PopupMenu1->actions();
        List().PopupMenu1->hide();
        return items;
    }
    static QStringList Words(QListWidget* list) {
        QStringList out;
        for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
        return out;
    }

private slots:
    void init() {
        app_ = std::make_unique<StartedApp>(false);
        app_->windows->main->MenuItem("ConfigurationListbox1")->trigger();
    }
    void cleanup() { app_.reset(); }

    void tableAndPopup() {
        QVERIFY(List().isVisible());
        QCOMPARE(List().windowTitle(), QStringLiteral("QUORL Field Definitions"));
        const int count = static_cast<int>(app_->session.FieldDefinitions.size());
        QCOMPARE(List().ListView1->topLevelItemCount(), count);
        QCOMPARE(List().ListView1->currentItem(), Item(count - 1));
        QCOMPARE(Item(0)->text(0), QStringLiteral("Collector"));
        QCOMPARE(Item(0)->text(2), QStringLiteral("Yes"));  // the shipped Collector warns when empty
        QCOMPARE(Item(0)->text(4), QStringLiteral("1"));
        QCOMPARE(Item(0)->text(5), QStringLiteral("50"));

        QStringList captions;
        for (QAction* a : Popup()) captions << a->text();
        QCOMPARE(captions, (QStringList{"Preserve", "Warn Empty", "Add Field", "Delete Field", "Edit Field"}));

        Select(3);
        Popup();
        QVERIFY(List().Preserve1->isEnabled() && List().EditField1->isEnabled());
        QVERIFY(!List().DeleteField1->isEnabled());
        QVERIFY(!List().Preserve1->isChecked());
        List().Preserve1->trigger();
        QCOMPARE(Item(3)->text(1), QStringLiteral("Yes"));
        Popup();
        QVERIFY(List().Preserve1->isChecked());

        Select(-1);
        List().ListView1->clearSelection();
        Popup();
        QVERIFY(!List().Preserve1->isEnabled() && !List().WarnEmpty1->isEnabled());
        QVERIFY(!List().DeleteField1->isEnabled() && !List().EditField1->isEnabled());
        QVERIFY(List().AddField1->isEnabled());

        app_->dialogs.inputs = {"Host"};
        List().AddField1->trigger();
        QCOMPARE(List().ListView1->topLevelItemCount(), count + 1);
        QCOMPARE(List().ListView1->currentItem(), Item(count));
        QCOMPARE(Item(count)->text(0), QStringLiteral("Host"));
        Popup();
        QVERIFY(List().DeleteField1->isEnabled());
        List().DeleteField1->trigger();
        QCOMPARE(List().ListView1->topLevelItemCount(), count);

        // Cancel drops the edits: the next opening shows the definitions again.
        List().CancelButton->click();
        QVERIFY(!List().isVisible());
        app_->windows->main->MenuItem("ConfigurationListbox1")->trigger();
        QCOMPARE(Item(3)->text(1), QStringLiteral("No"));
    }

    void dialogWordLists() {
        FieldRow row{"Habitat", "No", "No", "", "3", "50", "1,2,3,4,5", "", 13};
        Dialog().Load(row);
        QCOMPARE(Dialog().FieldLabel->text(), QStringLiteral("Habitat"));
        QCOMPARE(Dialog().StartListbox->currentRow(), 0);
        QCOMPARE(Dialog().MinEdit->value(), 3);
        QCOMPARE(HelpContextOf(&List()), 1004);
        QCOMPARE(HelpContextOf(Dialog().MinEdit), 1024);
        QCOMPARE(HelpContextOf(Dialog().ContainsListbox), 1021);

        // A right click selects the word under the pointer; Move To Top moves it first.
        QListWidget* start = Dialog().StartListbox;
        emit start->customContextMenuRequested(start->visualItemRect(start->item(2)).center());
        Dialog().StartPopup->hide();
        QCOMPARE(start->currentRow(), 2);
        QVERIFY(Dialog().StartEdit1->isEnabled());
        Dialog().StartTop1->trigger();
        QCOMPARE(Words(start), (QStringList{"3", "1", "2", "4", "5"}));
        QCOMPARE(start->currentRow(), 0);
        Dialog().StartDown1->trigger();
        QCOMPARE(Words(start), (QStringList{"1", "3", "2", "4", "5"}));

        app_->dialogs.inputs = {"rock", "cliff\tface"};
        Dialog().ContainsAdd1->trigger();
        Dialog().ContainsAdd1->trigger();  // refused: the TAB would break the file
        QCOMPARE(Words(Dialog().ContainsListbox), QStringList{"rock"});
        QCOMPARE(app_->dialogs.messages.back(), std::string("A word cannot contain a TAB."));

        Dialog().WarnCheckbox->setChecked(true);
        Dialog().SaveButton->click();
        QCOMPARE(row.StartWords, std::string("1,3,2,4,5"));
        QCOMPARE(row.ContainWords, std::string("rock"));
        QCOMPARE(row.Warn, std::string("Yes"));

        FieldRow empty{"Rank", "No", "No", "", "1", "50", "", "", 7};
        Dialog().Load(empty);
        QCOMPARE(start->count(), 0);
        emit start->customContextMenuRequested(QPoint(5, 5));
        Dialog().StartPopup->hide();
        QVERIFY(!Dialog().StartEdit1->isEnabled());
    }

    void doubleClickOpensTheDialogModally() {
        Select(5);
        bool modal = false;
        QTimer::singleShot(0, this, [&] {
            modal = Dialog().isModal() && Dialog().isVisible();
            Dialog().PreserveCheckbox->setChecked(true);
            Dialog().MaxEdit->setValue(12);
            Dialog().SaveButton->click();
        });
        emit List().ListView1->itemDoubleClicked(Item(5), 0);
        QVERIFY(modal);
        QCOMPARE(Item(5)->text(1), QStringLiteral("Yes"));
        QCOMPARE(Item(5)->text(5), QStringLiteral("12"));
        QCOMPARE(app_->session.FieldDefinitions[5].Maximum, 50);  // nothing reaches the definitions before Save
    }

    void saveShowsTheNewUserRowInTheMainWindow() {
        MainWindow& main = *app_->windows->main;
        QVERIFY(!main.Widget("CustomButton0")->isVisible());
        app_->dialogs.inputs = {"Host"};
        List().AddField1->trigger();
        List().SaveButton->click();
        QVERIFY(!List().isVisible());
        QVERIFY(main.Widget("CustomButton0")->isVisible());
        QVERIFY(main.Widget("CustomEdit0")->isVisible());
        QCOMPARE(qobject_cast<QPushButton*>(main.Widget("CustomButton0"))->text(), QStringLiteral("Host"));
        QVERIFY(!main.Widget("CustomButton1")->isVisible());
        QCOMPARE(app_->session.FieldDefinitions.back().Name, std::string("Host"));
        const std::string tsv = ReadAll(app_->program.path / "OutputFormat.txt");
        QVERIFY(tsv.find("\r\n30\t1\tHost\tHost\r\n") != std::string::npos);
    }

    // A save that cannot write FieldDefinitions.txt is reported; the window stays open with the
    // new row and nothing changes until a later Save succeeds.
    void failedSaveKeepsTheWindowOpen() {
        const fs::path defs = app_->program.path / "FieldDefinitions.txt";
        const std::string before = ReadAll(defs);
        app_->dialogs.inputs = {"Host"};
        List().AddField1->trigger();
        fs::remove(defs);
        fs::create_directory(defs);
        List().SaveButton->click();
        QVERIFY(List().isVisible());
        QCOMPARE(List().ListView1->topLevelItemCount(), 31);
        QCOMPARE(Item(30)->text(0), QStringLiteral("Host"));
        QCOMPARE(app_->session.FieldDefinitions.size(), size_t(30));
        QVERIFY(!app_->dialogs.messages.empty());
        QVERIFY(ReadAll(app_->program.path / "OutputFormat.txt").find("\tHost\t") == std::string::npos);

        fs::remove(defs);
        WriteAll(defs, before);
        List().SaveButton->click();
        QVERIFY(!List().isVisible());
        QCOMPARE(app_->session.FieldDefinitions.back().Name, std::string("Host"));
    }

    void checkConfigurationRunsFromTheMenu() {
        app_->dialogs.fallbackAnswer = DialogButton::No;
        app_->windows->main->MenuItem("EvaluateConfiguration1")->trigger();
        QVERIFY(!app_->dialogs.questions.empty());  // the shipped Barcode field stops at line 2
        QVERIFY(!app_->dialogs.messages.empty());
        QCOMPARE(app_->dialogs.messages.back(), std::string("Complete."));
    }
};

QTEST_MAIN(TestFieldDefinitionsWindow)
#include "test_field_definitions_window.moc"
