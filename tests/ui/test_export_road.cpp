// The road of one label through the real windows: label text from the clipboard, parse, a typed
// correction, the add button, and what the record file, the statistics and the cleared window hold
// afterwards; the name lookup against a page server on 127.0.0.1 started here.
#include <QTcpServer>
#include <QTcpSocket>
#include <QWebEngineView>
#include <algorithm>
#include <map>
#include <utility>

#include "AppTestSupport.h"

using namespace quorl;
using namespace quorl::testing;
namespace fs = std::filesystem;

namespace {

// A page server on 127.0.0.1: the answer for /NameSearch.aspx is the page set by the test; every
// request line is kept.
class PageServer : public QObject {
public:
    QTcpServer server;
    QByteArray namePage;
    QStringList requests;
    bool holdFirst = false;  // the first name-search request gets no answer
    QByteArray nameStatus = "200 OK";
    QByteArray nameType = "text/html; charset=utf-8";

    bool Start() {
        if (!server.listen(QHostAddress::LocalHost, 0)) return false;
        connect(&server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = server.nextPendingConnection()) {
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { Answer(socket); });
                connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
        return true;
    }
    QString Host() const { return QStringLiteral("http://127.0.0.1:%1").arg(server.serverPort()); }

private:
    void Answer(QTcpSocket* socket) {
        QByteArray& buffer = pending_[socket];
        buffer += socket->readAll();
        if (!buffer.contains("\r\n\r\n")) return;
        const QByteArray line = buffer.left(buffer.indexOf("\r\n"));
        pending_.erase(socket);
        const QString path = QString::fromLatin1(line.split(' ').value(1));
        requests << path;
        if (holdFirst && requests.size() == 1) return;
        const bool found = path.startsWith(QStringLiteral("/NameSearch.aspx?name="));
        const QByteArray body = found ? namePage : QByteArray("<html><body>not here</body></html>");
        socket->write("HTTP/1.1 " + (found ? nameStatus : QByteArray("404 Not Found")) + "\r\nContent-Type: " +
                      (found ? nameType : QByteArray("text/html; charset=utf-8")) +
                      QByteArray("\r\nConnection: close\r\nContent-Length: ") +
                      QByteArray::number(body.size()) + "\r\n\r\n" + body);
        socket->disconnectFromHost();
    }
    std::map<QTcpSocket*, QByteArray> pending_;
};

}  // namespace

class TestExportRoad : public QObject {
    Q_OBJECT

public:
    static void initMain() {
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
        QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    }

private:
    // The program started in a fresh program folder; "keep the current user" is answered Yes.
    struct Program : StartedApp {
        Program() : StartedApp(true) {
            dialogs.questions.clear();
            dialogs.messages.clear();
        }
        MainWindow& main() { return *windows->main; }
        QWidget* W(const char* name) { return windows->main->Widget(name); }
        QString Text(const char* name) { return quorl::testing::Text(W(name)); }
        void Click(const char* name) { QTest::mouseClick(W(name), Qt::LeftButton); }
        void Type(const char* name, const QString& text) { quorl::testing::Type(W(name), text); }
        fs::path RecordPath() { return program.path / session.OutputFileName; }
        // A record whose species is not in the genus's list, ready to add, and the name-search
        // page at the server.
        void FillUnlistedSpecies(const PageServer& server, const std::string& moreSettings = "") {
            WriteAll(program.path / "Settings.txt",
                     "NameSearchHost\t" + server.Host().toStdString() + "\r\n" + moreSettings);
            Type("CollectorEdit", QStringLiteral("R. C. Harris"));
            Type("CollectionDateEdit", QStringLiteral("19 Sep 1990"));
            Type("CountryCombo", QStringLiteral("United States"));
            Type("Edit2", QStringLiteral("QZV1075763"));
            Type("GenusCombo", QStringLiteral("Abies"));
            Type("SpeciesCombo", QStringLiteral("albida"));
            Type("ScientificNameEdit", QStringLiteral("Abies albida"));
        }
    };

private slots:
    void labelFromTheClipboardIsParsedCorrectedAndAdded() {
        Program p;
        p.session.FieldDefinitions[fHerbarium].Preserve = true;
        p.Type("ImageNameEdit", QStringLiteral("41"));
        // The clipboard of the scripted port holds the label's text.
        p.dialogs.clipboard =
            "LICHENS OF MISSOURI\r\n"
            "Pyrenidium actinellum Nyl.\r\n"
            "on Acarospora fuscata\r\n"
            "United States, Missouri, St. Francois County: rhyolite glade W of Knob Lick Fire Tower.\r\n"
            "19 Sep 1990\r\n"
            "R. C. Harris 25487\r\n"
            "NEW YORK BOTANICAL GARDEN\r\n";
        p.Click("PasteButton");
        QVERIFY(p.Text("RichEdit1").contains(QStringLiteral("Knob Lick Fire Tower")));
        p.Click("ParseOnlyButton");
        QCOMPARE(p.Text("CollectorEdit"), QStringLiteral("R. C. Harris"));
        QCOMPARE(p.Text("NumberEdit"), QStringLiteral("25487"));
        QCOMPARE(p.Text("CollectionDateEdit"), QStringLiteral("19 Sep 1990"));
        QCOMPARE(p.Text("CountryCombo"), QStringLiteral("United States"));
        QCOMPARE(p.Text("ScientificNameEdit"), QStringLiteral("Acarospora fuscata"));

        // The user corrects the state, writes locality and habitat, herbarium and barcode.
        p.Type("StateCombo", QStringLiteral("Missouri"));
        QVERIFY(p.session.form.Get("StateCombo").itemIndex >= 0);
        p.Type("LocalityMemo", QStringLiteral("St. Francois County: W of Knob Lick Fire Tower"));
        p.Type("HabitatMemo", QStringLiteral("Rhyolite glade, on sandstone"));
        QCOMPARE(p.session.form.Get("HabitatMemo").text, std::string("Rhyolite glade, on sandstone"));
        p.Type("HerbariumEdit", QStringLiteral("NY"));
        p.Type("Edit2", QStringLiteral("QZV0175763"));

        p.Click("AddDataButton");
        QVERIFY2(p.dialogs.questions.empty(), p.dialogs.questions.empty() ? "" : p.dialogs.questions[0].c_str());
        QVERIFY2(p.dialogs.messages.empty(), p.dialogs.messages.empty() ? "" : p.dialogs.messages[0].c_str());
        // The record's bytes are the writers' (core tests); here the values reached the file.
        const std::string record = ReadAll(p.RecordPath());
        for (const char* value : {"R. C. Harris", "25487", "Rhyolite glade, on sandstone", "Missouri", "QZV0175763"})
            QVERIFY2(record.find(value) != std::string::npos, value);
        QVERIFY(("\r\n" + ReadAll(p.program.path / "WordStats.txt")).find("\r\nrhyolite\t") != std::string::npos);
        QVERIFY(ReadAll(p.program.path / "NameStats.txt").find("\r\nHarris\r\n") != std::string::npos);

        // The window is ready for the next label.
        for (const char* name : {"CollectorEdit", "NumberEdit", "HabitatMemo", "RichEdit1", "CollectionDateEdit"})
            QVERIFY2(p.Text(name).isEmpty(), name);
        QCOMPARE(p.Text("HerbariumEdit"), QStringLiteral("NY"));
        QCOMPARE(p.Text("ImageNameEdit"), QStringLiteral("42"));
        QCOMPARE(p.session.LabelText, std::string());
        QCOMPARE(p.session.LastHerbarium, std::string("NY"));
    }

    void cancelKeepsTheLabelAndTheCorrectedRecordGoes() {
        Program p;
        p.session.BarcodeFormatCheck = true;  // a herbarium that checks its barcodes
        p.Type("CollectorEdit", QStringLiteral("R. C. Harris"));
        p.Type("CollectionDateEdit", QStringLiteral("19 Sep 1990"));
        p.Type("CountryCombo", QStringLiteral("United States"));
        p.Type("Edit2", QStringLiteral("01075763"));
        p.Type("ImageNameEdit", QStringLiteral("5"));
        // Genus and species intentionally blank: Yes; the barcode's form: Cancel.
        p.dialogs.answers = {DialogButton::Yes, DialogButton::Cancel};
        p.Click("AddDataButton");
        QCOMPARE(p.dialogs.questions, (std::vector<std::string>{"Are Genus and Species intentionally blank?",
                                                                "Barcode is wrong format."}));
        QVERIFY(!fs::exists(p.RecordPath()));
        QCOMPARE(p.Text("CollectorEdit"), QStringLiteral("R. C. Harris"));
        QCOMPARE(p.Text("ImageNameEdit"), QStringLiteral("5"));
        QVERIFY(!p.dialogs.busyVisible);

        p.Type("Edit2", QStringLiteral("QZV1075763"));
        p.dialogs.answers = {DialogButton::Yes};
        p.Click("AddDataButton");
        QVERIFY(fs::exists(p.RecordPath()));
        QVERIFY(p.Text("CollectorEdit").isEmpty());
        QCOMPARE(p.Text("ImageNameEdit"), QStringLiteral("6"));
    }

    // A second click on the add button while the record is written (a double click) is dropped,
    // whether Qt takes it up as the busy window comes up or only as the step ends: one record, and
    // no question about the emptied fields. A click after the step is the user's next command.
    void aSecondClickWhileTheRecordIsWrittenIsDropped() {
        for (const bool atTheEnd : {false, true}) {
            ProgramFolder program;
            auto s = StartWindow<BusyScriptedDialogs>();
            BusyWindow busy(s->window.get());
            s->dialogs.busy = &busy;
            QWidget* add = W(*s, "AddDataButton");
            bool clicked = false;
            (atTheEnd ? s->dialogs.onHide : s->dialogs.onShow) = [&] {
                if (!std::exchange(clicked, true)) PostClick(add);
            };
            for (const auto& [name, text] : {std::pair{"CollectorEdit", "R. C. Harris"}, {"CollectionDateEdit", "19 Sep 1990"},
                                             {"CountryCombo", "United States"}, {"Edit2", "QZV1075763"}})
                Type(W(*s, name), QString::fromLatin1(text));
            // Yes for this record; then what would write an empty one.
            s->dialogs.answers = {DialogButton::Yes, DialogButton::Ignore, DialogButton::Yes, DialogButton::Yes};
            QTest::mouseClick(add, Qt::LeftButton);
            QTest::qWait(50);
            QVERIFY(clicked);
            QCOMPARE(s->dialogs.questions, std::vector<std::string>{"Are Genus and Species intentionally blank?"});
            QCOMPARE(std::ranges::count(ReadAll(program.path / s->session.OutputFileName), '\n'), 2);  // header, record

            PostClick(add);
            QTRY_COMPARE(s->dialogs.messages, std::vector<std::string>{
                "No field was changed since the last record was added.  No record was written."});
        }
    }

    void nameInItalicsAtTheNamePageConfirmsAndWritesTheRecord() {
        PageServer server;
        QVERIFY(server.Start());
        server.namePage = "<html><body><h1>Results</h1>\n<table><tr><td><i>Abies albida</i> Mill.</td></tr></table>"
                          "\n<a href=\"/NameSearch.aspx?name=Abies\">Abies</a></body></html>";
        Program p;
        p.FillUnlistedSpecies(server);
        p.Click("AddDataButton");
        QVERIFY(!fs::exists(p.RecordPath()));
        QTRY_VERIFY_WITH_TIMEOUT(fs::exists(p.RecordPath()), 30000);
        QCOMPARE(server.requests.value(0), QStringLiteral("/NameSearch.aspx?name=Abies%20albida"));
        QCOMPARE(p.session.ConfirmedName, std::string("Abies albida"));
        QVERIFY(ReadAll(p.RecordPath()).find("Abies albida") != std::string::npos);
        QVERIFY(!p.windows->browser->isVisible());
        QVERIFY(p.dialogs.questions.empty());
        QVERIFY(p.Text("CollectorEdit").isEmpty());
    }

    void anotherNameAtTheNamePageIsOfferedAndYesWritesIt() {
        PageServer server;
        QVERIFY(server.Start());
        server.namePage = "<html><body><p>Did you mean</p>\n<ul><li><i>Abies alba</i> Mill.</li>"
                          "\n<li><i>Abies</i> <b>x</b></li></ul></body></html>";
        Program p;
        p.FillUnlistedSpecies(server);
        p.dialogs.answers = {DialogButton::Yes};
        bool read = false;
        connect(p.windows->browser.get(), &BrowserWindow::DocumentRead, this, [&] { read = true; });
        p.Click("AddDataButton");
        QTRY_VERIFY_WITH_TIMEOUT(read, 30000);
        QCOMPARE(p.dialogs.questions, std::vector<std::string>{"Abies alba was found.  Use this name?"});
        QVERIFY(fs::exists(p.RecordPath()));
        const std::string record = ReadAll(p.RecordPath());
        QVERIFY2(record.find("Abies alba") != std::string::npos && record.find("albida") == std::string::npos,
                 record.c_str());
        QCOMPARE(p.session.ConfirmedName, std::string("Abies alba"));
        QVERIFY(!p.windows->browser->isVisible());
    }

    void aNewerLookupReplacesOneStillLoading() {
        PageServer server;
        QVERIFY(server.Start());
        server.holdFirst = true;
        server.namePage = "<html><body><p><i>Abies albidula</i> Mill.</p></body></html>";
        Program p;
        p.FillUnlistedSpecies(server);
        p.Click("AddDataButton");
        QTRY_COMPARE_WITH_TIMEOUT(server.requests.size(), 1, 30000);
        // The page does not come; the user corrects the name in the main window and adds again.
        p.main().activateWindow();
        QTRY_VERIFY(p.main().isActiveWindow());
        p.Type("ScientificNameEdit", QStringLiteral("Abies albidula"));
        p.Click("AddDataButton");
        QTRY_VERIFY(p.windows->browser->isActiveWindow());  // the lookup's window comes to the front
        QTRY_VERIFY_WITH_TIMEOUT(fs::exists(p.RecordPath()), 30000);
        QCOMPARE(server.requests.value(1), QStringLiteral("/NameSearch.aspx?name=Abies%20albidula"));
        QCOMPARE(p.session.ConfirmedName, std::string("Abies albidula"));
    }

    // The page cannot be had: the user is told why and asked; Yes adds the record, No keeps it.
    void namePageThatCannotBeLoadedAsksWhetherToAddAnyway() {
        for (const bool serverError : {true, false}) {
            PageServer server;
            QVERIFY(server.Start());
            server.nameStatus = "500 Internal Server Error";
            server.namePage = "<html><body><p><i>Abies albida</i></p></body></html>";
            if (!serverError) server.server.close();  // nothing listens on the port any more
            Program p;
            p.FillUnlistedSpecies(server);
            bool failed = false;
            connect(p.windows->browser.get(), &BrowserWindow::LookupFailed, this, [&] { failed = true; });
            p.dialogs.answers = {DialogButton::No};
            p.Click("AddDataButton");
            QTRY_VERIFY_WITH_TIMEOUT(failed, 30000);
            QCOMPARE(p.dialogs.questions.size(), size_t(1));
            const std::string& question = p.dialogs.questions[0];
            QVERIFY2(question.find("Abies albida could not be checked") != std::string::npos, question.c_str());
            QVERIFY2(question.find(serverError ? "error 500" : "could not be reached") != std::string::npos,
                     question.c_str());
            QVERIFY(!fs::exists(p.RecordPath()));
            QCOMPARE(p.Text("ScientificNameEdit"), QStringLiteral("Abies albida"));

            failed = false;
            p.dialogs.answers = {DialogButton::Yes};
            p.Click("AddDataButton");
            QTRY_VERIFY_WITH_TIMEOUT(failed, 30000);
            QVERIFY(fs::exists(p.RecordPath()));
            QVERIFY(ReadAll(p.RecordPath()).find("Abies albida") != std::string::npos);
            QVERIFY(ReadAll(p.program.path / "Log.txt").find("Record added with the unchecked name Abies albida") !=
                    std::string::npos);
            QVERIFY(p.Text("CollectorEdit").isEmpty());
            fs::remove(p.RecordPath());
        }
    }

    // A page that never finishes loading fails after the time limit; an answer that is no page (a
    // file to download) fails at once, saying what came back. The user is asked as for a host that
    // cannot be reached.
    void namePageThatDoesNotLoadInTimeAsksWhetherToAddAnyway() {
        for (const bool neverAnswers : {true, false}) {
            PageServer server;
            QVERIFY(server.Start());
            server.holdFirst = neverAnswers;
            server.nameType = "application/octet-stream";
            server.namePage = "<html><body><p><i>Abies albida</i></p></body></html>";
            Program p;
            p.FillUnlistedSpecies(server, neverAnswers ? "NameSearchTimeout\t1\r\n" : "NameSearchTimeout\t600\r\n");
            bool failed = false;
            connect(p.windows->browser.get(), &BrowserWindow::LookupFailed, this, [&] { failed = true; });
            p.dialogs.answers = {DialogButton::Yes};
            p.Click("AddDataButton");
            QTRY_VERIFY_WITH_TIMEOUT(failed, 15000);
            QCOMPARE(p.dialogs.questions.size(), size_t(1));
            const std::string& question = p.dialogs.questions[0];
            const char* why = neverAnswers ? "did not load within 1 second." : "answered with application/octet-stream";
            QVERIFY2(question.find(why) != std::string::npos, question.c_str());
            QVERIFY2(question.find("Add the record anyway?") != std::string::npos, question.c_str());
            QVERIFY(fs::exists(p.RecordPath()));
            QVERIFY(!p.windows->browser->isVisible());
            QVERIFY(!p.session.NameLookupPending);
        }
    }
};

QTEST_MAIN(TestExportRoad)
#include "test_export_road.moc"
