// An exception out of a window's event handler, under the program's own application object: the
// user sees it, the log holds it, and the window with its fields and label goes on working.
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <stdexcept>

#include "UiTestSupport.h"
#include "base/Dialogs.h"
#include "ui/QtText.h"
#include "ui/QuorlApplication.h"

using namespace quorl;
using namespace quorl::testing;

class TestHandlerErrors : public QObject {
    Q_OBJECT

private slots:
    void exceptionInAHandlerIsShownLoggedAndTheWindowStays() {
        ProgramFolder folder;
        auto w = StartWindow();
        w->session.Debug = true;
        std::vector<std::string> shown;
        auto* app = static_cast<QuorlApplication*>(QCoreApplication::instance());
        app->SetErrorReport(&w->session, [&](const std::string& what) { shown.push_back(what); });
        w->window->show();

        auto* label = qobject_cast<QPlainTextEdit*>(W(*w, "RichEdit1"));
        auto* collector = qobject_cast<QLineEdit*>(W(*w, "CollectorEdit"));
        QVERIFY(label && collector);
        label->setPlainText(QStringLiteral("Plants of Mexico\nJ. Smith 123"));
        QTest::keyClicks(collector, QStringLiteral("J. Smith"));

        int thrown = 0;
        auto* faulty = new QPushButton(QStringLiteral("faulty"), w->window.get());
        connect(faulty, &QPushButton::clicked, [&] {
            ++thrown;
            if (thrown == 1) throw std::runtime_error("Unable to read the label.");
            throw 42;  // not an exception class
        });
        faulty->show();
        QTest::mouseClick(faulty, Qt::LeftButton);
        QCOMPARE(thrown, 1);
        QCOMPARE(shown, std::vector<std::string>{"Unable to read the label."});
        QVERIFY(ReadAll(folder.path / "Log.txt").find("Error: Unable to read the label.") != std::string::npos);

        // The event loop runs on; the window, the fields and the label are as they were.
        bool later = false;
        QTimer::singleShot(0, [&] { later = true; });
        QTRY_VERIFY(later);
        QVERIFY(w->window->isVisible());
        QCOMPARE(collector->text(), QStringLiteral("J. Smith"));
        QCOMPARE(w->session.form.Get("CollectorEdit").text, std::string("J. Smith"));
        QCOMPARE(label->toPlainText(), QStringLiteral("Plants of Mexico\nJ. Smith 123"));

        QTest::mouseClick(faulty, Qt::LeftButton);
        QCOMPARE(shown.size(), size_t(2));
        QCOMPARE(shown[1], std::string("An unknown error happened."));
        app->SetErrorReport(nullptr, {});
    }

    void theEndOfTheProgramIsNoError() {
        std::vector<std::string> shown;
        bool ends = false;
        try {
            throw ProgramEnded(0);
        } catch (...) {
            ends = ReportHandlerException(nullptr, [&](const std::string& what) { shown.push_back(what); });
        }
        QVERIFY(ends);
        QVERIFY(shown.empty());
    }
};

int main(int argc, char** argv) {
    QuorlApplication app(argc, argv);
    TestHandlerErrors test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_handler_errors.moc"
