// A label pasted into the label window of the main window and parsed with the "Parse" button: the
// fields the Form holds are drawn in their widgets, with their colours.
#include <QPushButton>

#include "UiTestSupport.h"
#include "fields/FieldAccess.h"

using namespace quorl;
using namespace quorl::testing;

namespace {

uint32_t WidgetColour(QWidget* w) { return w->palette().color(QPalette::Base).rgb() & 0xFFFFFF; }

}  // namespace

class TestParseWindow : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ProgramFolder> program_;

    using Started = StartedWindow<>;

    // Types the label into the label window as a paste would and presses "Parse".
    void PasteAndParse(Started& s, const QString& label) {
        auto* labelWindow = qobject_cast<QPlainTextEdit*>(s.window->Widget("RichEdit1"));
        QVERIFY(labelWindow);
        labelWindow->setFocus();
        labelWindow->clear();
        labelWindow->insertPlainText(label);
        auto* parse = qobject_cast<QPushButton*>(s.window->Widget("ParseOnlyButton"));
        QVERIFY(parse);
        QCOMPARE(parse->text(), QStringLiteral("Parse"));
        QTest::mouseClick(parse, Qt::LeftButton);
    }

    // The Form's text and colour of a control, and the same in its widget.
    void CheckDrawn(Started& s, const char* name) {
        const Control& c = s.session.form.Get(name);
        QWidget* w = s.window->Widget(name);
        QVERIFY2(w, name);
        QCOMPARE(Text(w), QString::fromStdString(c.text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        QCOMPARE(WidgetColour(w), c.color);
    }

private slots:
    void init() { program_ = std::make_unique<ProgramFolder>(); }
    void cleanup() { program_.reset(); }

    void parsesAPastedLabel() {
        auto s = StartWindow();
        s->session.form.SetText("CollectorEdit", "left over");
        PasteAndParse(*s, QStringLiteral("Plants of Arizona\nFagaceae\nQuercus turbinella Greene\n"
                                         "Maricopa County: Mazatzal Mountains, rocky slope\n"
                                         "Elev. 4200 ft.\nColl. J. R. Smith 4512\n"));
        Session& session = s->session;
        QCOMPARE(session.parser.LineCount(), 6);
        QCOMPARE(session.parser.LabelChunks[1], std::string("Fagaceae"));
        QVERIFY(s->dialogs.questions.empty());
        QVERIFY(!s->dialogs.busyVisible);

        // What the parse finds is the parser's (core tests); here it is drawn in the widgets.
        QCOMPARE(GetFieldText(session, fGenus), std::string("Quercus"));
        QVERIFY(GetFieldText(session, fCollector).find("Smith") != std::string::npos);
        for (const char* name : {"FamilyCombo", "GenusCombo", "SpeciesCombo", "ScientificNameEdit", "CollectorEdit",
                                 "NumberEdit", "ElevFeetLowEdit", "CollectionDateEdit", "CountryCombo", "HabitatMemo",
                                 "RichEdit1"})
            CheckDrawn(*s, name);
    }

    void aShortLabelAsksAndCancelEmptiesTheWindow() {
        auto s = StartWindow();
        s->dialogs.answers = {DialogButton::Cancel};
        PasteAndParse(*s, QStringLiteral("Quercus alba\nArizona"));
        QCOMPARE(s->dialogs.questions.size(), size_t(1));
        QCOMPARE(s->dialogs.questions[0], std::string("Doesn't look like a label..."));
        QCOMPARE(s->session.form.Get("RichEdit1").text, std::string());
        QCOMPARE(Text(s->window->Widget("RichEdit1")), QString());
        QVERIFY(!s->dialogs.busyVisible);
    }
};

QTEST_MAIN(TestParseWindow)
#include "test_parse_window.moc"
