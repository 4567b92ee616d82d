// The road of one label through the real windows: label text from the clipboard, parse, a typed
// correction, the add button, and what the record file, the statistics and the cleared window hold
// afterwards; the name lookup against a page server on 127.0.0.1 started here.
//
// QUORL_LABEL_FILE=<label text> with QUORL_SCREENSHOT=<png> keeps a picture of the main window after
// that label was parsed (run it on a real display or under Xvfb to look at it).
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QWebEngineView>
#include <filesystem>
#include <map>

#include "UiTestSupport.h"
#include "base/ScriptedDialogs.h"
#include "model/Files.h"
#include "model/Session.h"
#include "ui/AppWindows.h"
#include "ui/QtText.h"

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
        socket->write("HTTP/1.1 " + (found ? nameStatus : QByteArray("404 Not Found")) + "\r\n" +
                      QByteArray("Content-Type: text/html; charset=utf-8\r\nConnection: close\r\nContent-Length: ") +
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
    std::unique_ptr<ProgramFolder> program_;
    fs::path folder_;

    // The program started in the test's program folder; "keep the current user" is answered Yes.
    struct Program {
        ScriptedDialogs dialogs;
        Session session{dialogs};
        std::unique_ptr<AppWindows> windows;
        Program() {
            dialogs.answers.push_back(DialogButton::Yes);
            windows = CreateAppWindows(session);
            dialogs.questions.clear();
            dialogs.messages.clear();
        }
        ~Program() { windows.reset(); }
        MainWindow& main() { return *windows->main; }
        QWidget* W(const char* name) { return windows->main->Widget(name); }
        QString Text(const char* name) {
            QWidget* w = W(name);
            if (auto* e = qobject_cast<QLineEdit*>(w)) return e->text();
            if (auto* m = qobject_cast<QPlainTextEdit*>(w)) return m->toPlainText();
            if (auto* c = qobject_cast<QComboBox*>(w)) return c->currentText();
            return {};
        }
        void Click(const char* name) { QTest::mouseClick(W(name), Qt::LeftButton); }
        // Types into a field as the user does: select everything, then the keys.
        void Type(const char* name, const QString& text) {
            QWidget* w = W(name);
            if (auto* c = qobject_cast<QComboBox*>(w)) w = c->lineEdit();
            w->setFocus();
            QTest::keyClick(w, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(w, Qt::Key_Delete);
            QTest::keyClicks(w, text);
        }
    };

    fs::path RecordPath(Program& p) { return folder_ / p.session.OutputFileName; }

    void UseNameServer(const PageServer& server) {
        WriteAll(folder_ / "Settings.txt", "NameSearchHost\t" + server.Host().toStdString() + "\r\n");
    }

    // A record whose species is not in the genus's list, ready to add.
    void FillUnlistedSpecies(Program& p) {
        p.Type("CollectorEdit", QStringLiteral("R. C. Harris"));
        p.Type("CollectionDateEdit", QStringLiteral("19 Sep 1990"));
        p.Type("CountryCombo", QStringLiteral("United States"));
        p.Type("Edit2", QStringLiteral("QZV1075763"));
        p.Type("GenusCombo", QStringLiteral("Abies"));
        p.Type("SpeciesCombo", QStringLiteral("albida"));
        p.Type("ScientificNameEdit", QStringLiteral("Abies albida"));
    }

private slots:
    void init() {
        program_ = std::make_unique<ProgramFolder>();
        folder_ = program_->path;
    }
    void cleanup() { program_.reset(); }

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
        const std::string record = ReadAll(RecordPath(p));
        for (const char* value : {"R. C. Harris", "25487", "Rhyolite glade, on sandstone", "Missouri", "QZV0175763"})
            QVERIFY2(record.find(value) != std::string::npos, value);
        QVERIFY(("\r\n" + ReadAll(folder_ / "WordStats.txt")).find("\r\nrhyolite\t") != std::string::npos);
        QVERIFY(ReadAll(folder_ / "NameStats.txt").find("\r\nHarris\r\n") != std::string::npos);

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
        QVERIFY(!fs::exists(RecordPath(p)));
        QCOMPARE(p.Text("CollectorEdit"), QStringLiteral("R. C. Harris"));
        QCOMPARE(p.Text("ImageNameEdit"), QStringLiteral("5"));
        QVERIFY(!p.dialogs.busyVisible);

        p.Type("Edit2", QStringLiteral("QZV1075763"));
        p.dialogs.answers = {DialogButton::Yes};
        p.Click("AddDataButton");
        QVERIFY(fs::exists(RecordPath(p)));
        QVERIFY(p.Text("CollectorEdit").isEmpty());
        QCOMPARE(p.Text("ImageNameEdit"), QStringLiteral("6"));
    }

    void nameInItalicsAtTheNamePageConfirmsAndWritesTheRecord() {
        PageServer server;
        QVERIFY(server.Start());
        server.namePage = "<html><body><h1>Results</h1>\n<table><tr><td><i>Abies albida</i> Mill.</td></tr></table>"
                          "\n<a href=\"/NameSearch.aspx?name=Abies\">Abies</a></body></html>";
        UseNameServer(server);
        Program p;
        FillUnlistedSpecies(p);
        p.Click("AddDataButton");
        QVERIFY(!fs::exists(RecordPath(p)));
        QTRY_VERIFY_WITH_TIMEOUT(fs::exists(RecordPath(p)), 30000);
        QCOMPARE(server.requests.value(0), QStringLiteral("/NameSearch.aspx?name=Abies%20albida"));
        QCOMPARE(p.session.ConfirmedName, std::string("Abies albida"));
        QVERIFY(ReadAll(RecordPath(p)).find("Abies albida") != std::string::npos);
        QVERIFY(!p.windows->browser->isVisible());
        QVERIFY(p.dialogs.questions.empty());
        QVERIFY(p.Text("CollectorEdit").isEmpty());
    }

    void anotherNameAtTheNamePageIsOfferedAndYesWritesIt() {
        PageServer server;
        QVERIFY(server.Start());
        server.namePage = "<html><body><p>Did you mean</p>\n<ul><li><i>Abies alba</i> Mill.</li>"
                          "\n<li><i>Abies</i> <b>x</b></li></ul></body></html>";
        UseNameServer(server);
        Program p;
        FillUnlistedSpecies(p);
        p.dialogs.answers = {DialogButton::Yes};
        bool read = false;
        connect(p.windows->browser.get(), &BrowserWindow::DocumentRead, this, [&] { read = true; });
        p.Click("AddDataButton");
        QTRY_VERIFY_WITH_TIMEOUT(read, 30000);
        QCOMPARE(p.dialogs.questions, std::vector<std::string>{"Abies alba was found.  Use this name?"});
        QVERIFY(fs::exists(RecordPath(p)));
        const std::string record = ReadAll(RecordPath(p));
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
        UseNameServer(server);
        Program p;
        FillUnlistedSpecies(p);
        p.Click("AddDataButton");
        QTRY_COMPARE_WITH_TIMEOUT(server.requests.size(), 1, 30000);
        // The page does not come; the user corrects the name and adds again.
        p.Type("ScientificNameEdit", QStringLiteral("Abies albidula"));
        p.Click("AddDataButton");
        QTRY_VERIFY_WITH_TIMEOUT(fs::exists(RecordPath(p)), 30000);
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
            UseNameServer(server);
            if (!serverError) server.server.close();  // nothing listens on the port any more
            Program p;
            FillUnlistedSpecies(p);
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
            QVERIFY(!fs::exists(RecordPath(p)));
            QCOMPARE(p.Text("ScientificNameEdit"), QStringLiteral("Abies albida"));

            failed = false;
            p.dialogs.answers = {DialogButton::Yes};
            p.Click("AddDataButton");
            QTRY_VERIFY_WITH_TIMEOUT(failed, 30000);
            QVERIFY(fs::exists(RecordPath(p)));
            QVERIFY(ReadAll(RecordPath(p)).find("Abies albida") != std::string::npos);
            QVERIFY(ReadAll(folder_ / "Log.txt").find("Record added with the unchecked name Abies albida") !=
                    std::string::npos);
            QVERIFY(p.Text("CollectorEdit").isEmpty());
            fs::remove(RecordPath(p));
        }
    }

    void screenshotOfAParsedLabel() {
        const QString label = qEnvironmentVariable("QUORL_LABEL_FILE");
        const QString shot = qEnvironmentVariable("QUORL_SCREENSHOT");
        if (label.isEmpty() || shot.isEmpty()) QSKIP("set QUORL_LABEL_FILE and QUORL_SCREENSHOT for a picture");
        Program p;
        const std::string text = LoadFileToString(p.session, label.toStdString(), false);
        QVERIFY(!text.empty());
        qobject_cast<QPlainTextEdit*>(p.W("RichEdit1"))->setPlainText(ToQtLines(text));
        p.Click("ParseOnlyButton");
        p.main().raise();
        QTest::qWait(300);
        QVERIFY(p.main().grab().save(shot));
    }
};

QTEST_MAIN(TestExportRoad)
#include "test_export_road.moc"
