// Text beyond ASCII through the real windows: label files in UTF-8, UTF-16 or the legacy
// single-byte encoding with CR LF, LF or CR line ends are opened, the paste buttons copy exactly the
// selection, and a record with Łódź, Dvořák, ñ, é, ° and 北京 comes back byte for byte from each of
// the three record files (read with Python's csv module and xmllint).
#include <QProcess>

#include "UiTestSupport.h"
#include "base/Encoding.h"
#include "base/Text.h"
#include "model/OutputFormatFile.h"
#include "ocr/PhotoCommands.h"
#include "parser/FillLabelChunks.h"

using namespace quorl;
using namespace quorl::testing;
namespace fs = std::filesystem;

namespace {

const char* const kHabitat = "Matorral xerófilo near Łódź, 51°46' N";
const char* const kLegacyHabitat = "Matorral xerófilo near Zaña, 7°10' S";

// The label as UTF-8 text with CR LF line ends.
std::string Label(const std::string& habitat) {
    return "Flora of Europe\r\nCarex lurida Wahlenb.\r\nHabitat: " + habitat +
           "\r\nJ. Dvořák 1234 with 北京 team\r\n12 May 1990\r\n";
}

// The file's bytes in the encoding and with the line ends named.
std::string FileBytes(const std::string& crlfText, const QString& encoding, const char* lineEnd) {
    const std::string text = ReplaceAll(crlfText, "\r\n", lineEnd);
    if (encoding == "cp1252") return Utf8ToCp1252(text);
    if (encoding == "utf16") {
        const std::u16string units = QString::fromStdString(text).toStdU16String();
        std::string out = "\xFF\xFE";
        for (char16_t u : units) out += static_cast<char>(u & 0xFF), out += static_cast<char>(u >> 8);
        return out;
    }
    return text;
}

QString Run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(30000) || p.exitCode() != 0) return QStringLiteral("(failed) ") + p.readAllStandardError();
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The value of a column of the last record of a TSV or CSV file, read by Python's csv module.
QString CsvValue(const fs::path& file, const char* delimiter, const char* column) {
    const QString script = QStringLiteral(
        "import csv, sys\n"
        "rows = list(csv.reader(open(sys.argv[1], encoding='utf-8', newline=''), delimiter=sys.argv[2]))\n"
        "sys.stdout.write(rows[-1][rows[0].index(sys.argv[3])])\n");
    return Run(QStringLiteral("python3"), {QStringLiteral("-c"), script, QString::fromStdString(file.string()),
                                           QString::fromLatin1(delimiter), QString::fromLatin1(column)});
}

}  // namespace

class TestTextRoad : public QObject {
    Q_OBJECT

    std::unique_ptr<ProgramFolder> program_;
    using Started = StartedWindow<ScriptedDialogs>;

    static QString Text(Started& s, const char* name) { return quorl::testing::Text(W(s, name)); }
    static void Type(Started& s, const char* name, const QString& text) { quorl::testing::Type(W(s, name), text); }
    static void Select(Started& s, const QString& part) { quorl::testing::Select(W(s, "RichEdit1"), part); }
    // Opens a label file holding the label in the given encoding and line ends.
    fs::path Open(Started& s, const std::string& label, const QString& encoding, const char* lineEnd) {
        const fs::path file = program_->path / "label.txt";
        WriteAll(file, FileBytes(label, encoding, lineEnd));
        s.dialogs.fallbackAnswer = DialogButton::Ignore;
        OpenTextFileAndParse(s.session, file);
        return file;
    }

    static void AddTextRows() {
        QTest::addColumn<QString>("encoding");
        QTest::addColumn<QString>("lineEnd");
        for (const char* encoding : {"utf8", "cp1252", "utf16"})
            for (const char* end : {"\r\n", "\n", "\r"})
                QTest::addRow("%s %s", encoding, end[0] == '\n' ? "LF" : end[1] ? "CR LF" : "CR")
                    << QString::fromLatin1(encoding) << QString::fromLatin1(end);
    }

private slots:
    void init() { program_ = std::make_unique<ProgramFolder>(); }
    void cleanup() { program_.reset(); }

    void pasteButtonsCopyExactlyTheSelection_data() { AddTextRows(); }
    void pasteButtonsCopyExactlyTheSelection() {
        QFETCH(QString, encoding);
        QFETCH(QString, lineEnd);
        auto s = StartWindow();
        const bool legacy = encoding == "cp1252";
        const std::string habitat = legacy ? kLegacyHabitat : kHabitat;
        Open(*s, Label(habitat), encoding, lineEnd.toStdString().c_str());
        QVERIFY(Text(*s, "RichEdit1").contains(QString::fromStdString(habitat)));

        // Lines with characters of several bytes stand above the selections.
        Select(*s, QStringLiteral("xerófilo"));
        QTest::mouseClick(W(*s, "HabitatButton"), Qt::LeftButton);
        QCOMPARE(Text(*s, "HabitatMemo"), QStringLiteral("xerófilo"));
        Select(*s, legacy ? QStringLiteral("12 May") : QStringLiteral("北京 team"));
        QTest::mouseClick(W(*s, "NotesButton"), Qt::LeftButton);
        QCOMPARE(Text(*s, "NotesMemo"), legacy ? QStringLiteral("12 May") : QStringLiteral("北京 team"));
    }

    // A label text put into the window by a command has nothing selected: the widget does not
    // carry the old selection's offsets over into the new text.
    void replacedLabelTextHasNothingSelected() {
        auto s = StartWindow();
        Open(*s, Label(kHabitat), QStringLiteral("utf8"), "\r\n");
        Select(*s, QStringLiteral("xerófilo"));
        // The text of the Photo window's OCR && Parse, then of Paste from Clipboard.
        ParsePhotoText(s->session, "Plants of Maine\r\nJames Brown 7 with Jameson\r\nwet ditch\r\n12 May 1990\r\n");
        QVERIFY(Text(*s, "RichEdit1").startsWith(QStringLiteral("Plants of Maine")));
        QVERIFY(!qobject_cast<QPlainTextEdit*>(W(*s, "RichEdit1"))->textCursor().hasSelection());
        QTest::mouseClick(W(*s, "NotesButton"), Qt::LeftButton);
        QCOMPARE(Text(*s, "NotesMemo"), QString());
        Select(*s, QStringLiteral("James"));
        s->dialogs.clipboard = "Flora of Ohio\r\nJ. Smith 12\r\n";
        QTest::mouseClick(W(*s, "PasteButton"), Qt::LeftButton);
        QTest::mouseClick(W(*s, "NotesButton"), Qt::LeftButton);
        QCOMPARE(Text(*s, "NotesMemo"), QString());
    }

    void recordsComeBackByteForByte_data() { AddTextRows(); }
    void recordsComeBackByteForByte() {
        QFETCH(QString, encoding);
        QFETCH(QString, lineEnd);
        const bool legacy = encoding == "cp1252";
        const std::string habitat = legacy ? kLegacyHabitat : kHabitat;
        const QString notes = QStringLiteral("Dvořák, Łódź, 北京: ñ é °");
        struct Output { int type; const char* file; const char* habitat; const char* notes; };
        for (const Output& out : {Output{0, "Quorl.tsv", "Habitat", "Notes"}, Output{2, "Quorl.csv", "habitat", "fieldNotes"},
                                  Output{1, "Quorl.xml", "habitat", "fieldNotes"}}) {
            auto s = StartWindow();
            s->session.OutputType = out.type;
            LoadOutputFormat(s->session);
            Open(*s, Label(habitat), encoding, lineEnd.toStdString().c_str());
            Select(*s, QString::fromStdString(habitat));
            QTest::mouseClick(W(*s, "HabitatButton"), Qt::LeftButton);
            Type(*s, "NotesMemo", notes);
            Type(*s, "CollectorEdit", QStringLiteral("J. Núñez"));  // person names hold the 33 accents only
            Type(*s, "CollectionDateEdit", QStringLiteral("12 May 1990"));
            Type(*s, "Edit2", QStringLiteral("QZV1075763"));
            Type(*s, "CountryCombo", QStringLiteral("United States"));
            Type(*s, "OtherCollectorsEdit", QStringLiteral("M. Müller"));
            s->dialogs.fallbackAnswer = DialogButton::Yes;
            QTest::mouseClick(W(*s, "AddDataButton"), Qt::LeftButton);
            const fs::path record = program_->path / out.file;
            std::string shown;
            for (const std::string& m : s->dialogs.shown) shown += m + " / ";
            QVERIFY2(fs::exists(record), (out.file + std::string(": ") + shown).c_str());
            QVERIFY(IsValidUtf8(ReadAll(record)));
            QString readHabitat, readNotes;
            if (out.type == 1) {
                // xmllint ends what it prints with a line end of its own.
                const QString path = QString::fromStdString(record.string());
                auto xpath = [&](const char* name) {
                    QString v = Run(QStringLiteral("xmllint"), {QStringLiteral("--xpath"), QStringLiteral("string(//%1)").arg(QLatin1String(name)), path});
                    return v.endsWith(QLatin1Char('\n')) ? v.chopped(1) : v;
                };
                readHabitat = xpath("habitat");
                readNotes = xpath("fieldNotes");
            } else {
                const char* delimiter = out.type == 0 ? "\t" : ",";
                readHabitat = CsvValue(record, delimiter, out.habitat);
                readNotes = CsvValue(record, delimiter, out.notes);
            }
            // The writers turn the apostrophe into a backquote; every other character is kept.
            QCOMPARE(readHabitat, QString::fromStdString(ReplaceAll(habitat, "'", "`")));
            QCOMPARE(readNotes, notes);
        }
    }
};

QTEST_MAIN(TestTextRoad)
#include "test_text_road.moc"
