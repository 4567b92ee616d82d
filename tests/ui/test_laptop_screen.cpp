// The windows on a laptop screen of 1366 x 768: each opens within the screen with every button
// reachable, a long message scrolls inside its box, and the busy window fits its texts.
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include "AppTestSupport.h"
#include "ui/MessageBox.h"
#include "ui/PhotoCanvas.h"
#include "ui/QtDialogs.h"

using namespace quorl;
using namespace quorl::testing;

namespace {

constexpr QSize kScreen(1366, 768);
// What a window manager's title bar and borders take at least.
constexpr int kTitleBar = 30;

// The window with its title bar lies within the screen.
bool FitsTheScreen(const QWidget* w) {
    return w->width() <= kScreen.width() && w->height() + kTitleBar <= kScreen.height();
}

// Every button the user can see lies inside the window; in a scrolling area, once scrolled to.
QStringList ButtonsOutside(QWidget* window) {
    QStringList outside;
    for (QAbstractButton* b : window->findChildren<QAbstractButton*>()) {
        if (!b->isVisibleTo(window) || b->window() != window) continue;
        for (QWidget* p = b->parentWidget(); p && p != window; p = p->parentWidget())
            if (auto* scroll = qobject_cast<QScrollArea*>(p)) scroll->ensureWidgetVisible(b, 0, 0);
        const QRect r(b->mapTo(window, QPoint(0, 0)), b->size());
        bool shown = window->rect().contains(r);
        for (QWidget* p = b->parentWidget(); shown && p && p != window; p = p->parentWidget())
            shown = QRect(p->mapTo(window, QPoint(0, 0)), p->size()).contains(r);
        if (!shown || !b->isVisible()) outside << b->text() + b->objectName();
    }
    return outside;
}

}  // namespace

class TestLaptopScreen : public QObject {
    Q_OBJECT

public:
    static void initMain() {
        // The offscreen platform with one screen of a laptop's size.
        const QString config = ScreenConfig();
        QFile f(config);
        if (f.open(QIODevice::WriteOnly))
            f.write(R"({"screens": [{"name": "laptop", "x": 0, "y": 0, "width": 1366, "height": 768,
                        "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.toUtf8());
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
        QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    }

    static QString ScreenConfig() {
        return QDir::temp().filePath(QStringLiteral("quorl-laptop-screen-%1.json").arg(QCoreApplication::applicationPid()));
    }

private slots:
    void initTestCase() { QCOMPARE(QGuiApplication::primaryScreen()->availableGeometry().size(), kScreen); }
    void cleanupTestCase() { QFile::remove(ScreenConfig()); }

    void mainWindowFitsWithEveryButtonReachable() {
        StartedApp app(true);
        MainWindow& main = *app.windows->main;
        QVERIFY2(FitsTheScreen(&main), qPrintable(QStringLiteral("%1x%2").arg(main.width()).arg(main.height())));
        // Only the height was too large: the window scrolls up and down, not sideways.
        auto* scroll = qobject_cast<QScrollArea*>(main.centralWidget());
        QVERIFY(scroll && scroll->verticalScrollBar()->maximum() > 0);
        QCOMPARE(scroll->horizontalScrollBar()->maximum(), 0);
        QCOMPARE(ButtonsOutside(&main), QStringList());
    }

    void photoWindowFitsWithEveryButtonReachable() {
        StartedApp app(true);
        PhotoWindow& photo = *app.windows->photo;
        photo.show();
        QVERIFY2(FitsTheScreen(&photo), qPrintable(QStringLiteral("%1x%2").arg(photo.width()).arg(photo.height())));
        QCOMPARE(ButtonsOutside(&photo), QStringList());
        // Down to the smallest size the window allows, every control stays inside.
        photo.resize(photo.minimumSizeHint());
        QTRY_COMPARE(photo.size(), photo.minimumSizeHint());
        QCOMPARE(ButtonsOutside(&photo), QStringList());
        QVERIFY(photo.Image1->width() > 0 && photo.Image1->height() > 0);
    }

    void theOtherWindowsFit() {
        StartedApp app(true);

        // The other windows as they open.
        for (QWidget* w : std::initializer_list<QWidget*>{
                 app.windows->output.get(), app.windows->configList.get(), app.windows->oneConfig.get(),
                 app.windows->preferences.get(), app.windows->help.get(), app.windows->autoCorrect.get(),
                 app.windows->outputPreview.get(), app.windows->switchUser.get(), app.windows->analyze.get(),
                 app.windows->wordStats.get(), app.windows->sendLogFile.get(), app.windows->country.get(),
                 app.windows->replacements.get(), app.windows->about.get()}) {
            w->show();
            QVERIFY2(FitsTheScreen(w), qPrintable(w->windowTitle()));
            QCOMPARE(ButtonsOutside(w), QStringList());
            w->hide();
        }
    }

    // A text taller than the screen scrolls in its box; the box and its buttons stay on the screen.
    void longTextsScrollInTheirBox() {
        QString lines;
        for (int i = 1; i <= 80; ++i) lines += QStringLiteral("Line %1 of the explanation\r\n").arg(i);
        const std::string text = lines.toStdString();
        struct Case {
            bool ask;
            DialogButton pressed;
        };
        for (const Case c : {Case{false, DialogButton::Ok}, Case{true, DialogButton::No}}) {
            QtDialogs qt;
            QString failure = QStringLiteral("no box");
            QTimer::singleShot(50, this, [&] {
                QWidget* box = QApplication::activeModalWidget();
                if (!box) return;
                failure.clear();
                if (!FitsTheScreen(box)) failure = QStringLiteral("box %1 high").arg(box->height());
                auto* scroll = box->findChild<QScrollArea*>();
                auto* label = scroll ? qobject_cast<QLabel*>(scroll->widget()) : nullptr;
                if (!label || !label->text().contains(QStringLiteral("Line 80 of the explanation")))
                    failure += QStringLiteral(" no scrolling text");
                if (!ButtonsOutside(box).isEmpty()) failure += QStringLiteral(" buttons outside");
                for (QAbstractButton* b : box->findChildren<QAbstractButton*>())
                    if (b->text().remove(QLatin1Char('&')) == (c.ask ? QStringLiteral("No") : QStringLiteral("OK")))
                        b->click();
            });
            if (c.ask)
                QCOMPARE(qt.Ask(text, DialogKind::Confirmation, {DialogButton::Yes, DialogButton::No}), c.pressed);
            else
                qt.ShowMessage(text);
            QVERIFY2(failure.isEmpty(), qPrintable(failure));
        }

        // A short text keeps the ordinary message box; it and the input boxes are wide enough for
        // their title in the frame.
        for (const std::string input : {"", "Adding User Name", "Database Field Name"}) {
            QtDialogs qt;
            bool plain = false;
            int width = 0, need = 1;
            QTimer::singleShot(50, this, [&] {
                auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
                plain = box && !box->findChild<QScrollArea*>();
                if (!box) return;
                width = box->width();
                need = TitleBarWidth(*box, box->windowTitle());
                box->accept();
            });
            std::string value;
            if (input.empty()) qt.ShowMessage("Complete.");
            else qt.InputBox(input, "Add the user name", value);
            QVERIFY(plain);
            QVERIFY2(width >= need, qPrintable(QStringLiteral("%1: %2 < %3").arg(input.c_str()).arg(width).arg(need)));
        }
    }

    void busyWindowFitsItsTexts() {
        StartedApp app(true);
        BusyWindow busy(app.windows->main.get());
        const QString longest = QString(300, QLatin1Char('m'));
        for (const QString& title : {QStringLiteral("Loading Ann"), QStringLiteral("Searching for Word and Plant Duplicates"),
                                     QStringLiteral("Searching for Country & Name Duplicates"), longest}) {
            busy.ShowBusy(title.toStdString(), "Please Wait...");
            QVERIFY2(FitsTheScreen(&busy), qPrintable(title));
            QVERIFY2(busy.Label1->x() >= 0 && busy.Label1->geometry().right() < busy.width(), qPrintable(title));
            const int need = busy.Label1->fontMetrics().horizontalAdvance(title);
            QVERIFY2(busy.Label1->width() >= need || title == longest, qPrintable(title));
            QCOMPARE(busy.Label1->x(), busy.width() / 2 - busy.Label1->width() / 2);
        }
        QVERIFY(busy.Label1->toolTip() == longest);  // too long even for the screen: shortened
    }

    void eachBusyStepStartsWithoutTheProgressOfTheLast() {
        StartedApp app(true);
        BusyWindow busy(app.windows->main.get());
        busy.ShowBusy("Please Wait...", "Processing Image");
        busy.ShowProgress(99, 99);
        QVERIFY(busy.ProgressBar1->isVisible());
        busy.ShowBusy("Please Wait...", "Performing OCR");
        QVERIFY(busy.ProgressBar1->value() < 99);
        busy.ShowProgress(0, 50);
        QVERIFY(busy.ProgressBar1->isVisible());
        QCOMPARE(busy.ProgressBar1->value(), 0);
    }
};

QTEST_MAIN(TestLaptopScreen)
#include "test_laptop_screen.moc"
