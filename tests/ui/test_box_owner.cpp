// The boxes on Qt belong to the window that asks, so that the window manager keeps them in front of
// it, and that window is the active one again when the box closes.
#include <QAbstractButton>
#include <QApplication>
#include <QInputDialog>
#include <QPointer>
#include <QTimer>
#include <QTreeWidget>
#include <QWindow>

#include "UiTestSupport.h"
#include "records/DarwinCsvWriter.h"
#include "ui/AppWindows.h"
#include "ui/PhotoCanvas.h"
#include "ui/QtDialogs.h"

using namespace quorl;
using namespace quorl::testing;

namespace {

struct QtApp {
    ProgramFolder program;
    QtDialogs dialogs;
    Session session{dialogs};
    std::unique_ptr<AppWindows> windows;
};

struct MetBox {
    bool met = false;
    QPointer<QWidget> parent;
    QPointer<QWindow> transientParent;
};

// Waits for the next box, notes whose it is, and closes it with the button of that caption (an
// input box takes text first).
std::shared_ptr<MetBox> AnswerNextBox(const QString& button, const QString& text = {}) {
    auto met = std::make_shared<MetBox>();
    auto* poll = new QTimer(qApp);
    QPointer<QWidget> before = QApplication::activeModalWidget();
    QObject::connect(poll, &QTimer::timeout, poll, [=] {
        auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!box || box == before || !box->isVisible()) return;
        poll->stop();
        poll->deleteLater();
        *met = {true, box->parentWidget(), box->windowHandle()->transientParent()};
        if (auto* input = qobject_cast<QInputDialog*>(box)) input->setTextValue(text);
        for (QAbstractButton* b : box->findChildren<QAbstractButton*>())
            if (b->text().remove(QLatin1Char('&')) == button) return b->click();
        box->reject();
    });
    poll->start(10);
    return met;
}

void Activate(QWidget* w) {
    w->show();
    w->activateWindow();
    QTRY_VERIFY(QApplication::activeWindow() == w);
}

}  // namespace

class TestBoxOwner : public QObject {
    Q_OBJECT

    std::unique_ptr<QtApp> app_;

    // The box asked belongs to owner (none: no parent), and owner is the active window after it.
    static void Asked(QWidget* owner, const std::function<void()>& ask, const QString& button,
                      const QString& text = {}) {
        const QString name = owner ? owner->windowTitle() : QStringLiteral("no window");
        std::shared_ptr<MetBox> met = AnswerNextBox(button, text);
        ask();
        QVERIFY2(met->met, qPrintable(name));
        QVERIFY2(met->parent == owner, qPrintable(name + " <> " + (met->parent ? met->parent->windowTitle() : "none")));
        QVERIFY2(met->transientParent == (owner ? owner->windowHandle() : nullptr), qPrintable(name));
        if (owner) QTRY_VERIFY2(QApplication::activeWindow() == owner, qPrintable(name));
    }

private slots:
    void init() {
        app_ = std::make_unique<QtApp>();
        std::shared_ptr<MetBox> keepUser = AnswerNextBox(QStringLiteral("Yes"));
        app_->windows = CreateAppWindows(app_->session);
        QVERIFY(keepUser->met);
    }
    void cleanup() { app_.reset(); }

    void aBoxBelongsToTheWindowThatAsks() {
        AppWindows& w = *app_->windows;
        Session& s = app_->session;

        w.output->ShowFormatOutput();
        Activate(w.output.get());
        w.output->OutListView->setCurrentItem(w.output->OutListView->topLevelItem(0));
        Asked(w.output.get(), [&] { w.output->OutListViewDblClick(); }, "OK", "collector");
        QCOMPARE(w.output->Rows().at(0).databaseName, std::string("collector"));
        w.output->hide();

        s.form.SetText("CollectorEdit", "A. Gray");
        QVERIFY(AddDarwinCSV(s));
        w.main->MenuItem("OutputPreview1")->trigger();
        Activate(w.outputPreview.get());
        QTreeWidget* list = w.outputPreview->OutputPreviewListView;
        list->setCurrentItem(list->topLevelItem(0));
        Asked(w.outputPreview.get(), [&] { w.outputPreview->OutputPreviewListViewDblClick(); }, "Cancel");
        QVERIFY(w.outputPreview->isVisible());
        w.outputPreview->hide();

        const fs::path photo = app_->program.path / "label.jpg";
        QImage(400, 300, QImage::Format_RGB32).save(QString::fromStdString(photo.string()), "JPG");
        w.photo->LabelImagePath = photo;
        w.photo->LoadLabelImage();
        Activate(w.photo.get());
        QTest::mouseClick(w.photo->Image1, Qt::LeftButton, {}, QPoint(100, 100));  // a region of no size
        Asked(w.photo.get(), [&] { w.photo->OCRAndParseButtonClick(); }, "OK");
        Asked(w.photo.get(), [&] { w.photo->PhotoFromFileButtonClick(); }, "Cancel");  // the file dialog

        // The busy window, active, stands for the window behind it.
        s.dialogs.ShowBusy("Reading", "Please wait...");
        Activate(w.busy.get());
        Asked(w.photo.get(), [&] { s.dialogs.ShowMessage("Read."); }, "OK");
        s.dialogs.HideBusy();
        w.photo->hide();

        QDialog modal(w.main.get());
        modal.setModal(true);
        Activate(&modal);
        std::string word;
        Asked(&modal, [&] { s.dialogs.InputBox("Add Start Word", "Start Words", word); }, "OK", "Leg.");
        QCOMPARE(word, std::string("Leg."));
        modal.hide();

        // No window of the program is shown: a box of its own.
        w.main->hide();
        Asked(nullptr, [&] { s.dialogs.ShowMessage("Complete."); }, "OK");
    }
};

QTEST_MAIN(TestBoxOwner)
#include "test_box_owner.moc"
