// Narrow columns of the list windows: a cut text shows whole when the mouse rests on it, a cut
// header ends in an ellipsis, and the user widens a column by dragging its header's edge.
#include <QAbstractButton>
#include <QButtonGroup>
#include <QHeaderView>
#include <QHelpEvent>
#include <QToolTip>
#include <QTreeWidget>

#include "AppTestSupport.h"
#include "ui/WholeTexts.h"

using namespace quorl;
using namespace quorl::testing;

namespace {

// The tooltip that comes when the mouse rests at pos of the widget (a view's viewport or a header).
QString TipAt(QWidget* w, QPoint pos) {
    QToolTip::hideText();
    QHelpEvent e(QEvent::ToolTip, pos, w->mapToGlobal(pos));
    QApplication::sendEvent(w, &e);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}

QString CellTip(QTreeWidget* view, QTreeWidgetItem* item, int column) {
    return TipAt(view->viewport(), view->visualRect(view->indexFromItem(item, column)).center());
}

QTreeWidgetItem* Row(QTreeWidget* view, int column, const QString& text) {
    const QList<QTreeWidgetItem*> found = view->findItems(text, Qt::MatchExactly, column);
    return found.isEmpty() ? nullptr : found.first();
}

// Drags the right edge of a header section by dx, as the user widens a column.
void DragEdge(QHeaderView* header, int section, int dx) {
    const QPoint edge(header->sectionViewportPosition(section) + header->sectionSize(section) - 1, header->height() / 2);
    QTest::mousePress(header->viewport(), Qt::LeftButton, {}, edge);
    QTest::mouseMove(header->viewport(), edge + QPoint(dx / 2, 0));
    QTest::mouseMove(header->viewport(), edge + QPoint(dx, 0));
    QTest::mouseRelease(header->viewport(), Qt::LeftButton, {}, edge + QPoint(dx, 0));
}

}  // namespace

class TestReportColumns : public QObject {
    Q_OBJECT

    std::unique_ptr<StartedApp> app_;

public:
    static void initMain() {
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
        QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    }

private slots:
    void init() { app_ = std::make_unique<StartedApp>(true); }
    void cleanup() { app_.reset(); }

    // The Name column of Format Output tells the three collection number rows apart on hover, and
    // shows them whole once the user has widened it.
    void formatOutputNamesShowWholeAndTheColumnWidens() {
        OutputFormatWindow& w = *app_->windows->output;
        w.ShowFormatOutput();
        w.OutputRadio->button(0)->click();  // tab-separated: number, prefix and suffix rows
        QTreeWidget* view = w.OutListView;
        QCOMPARE(view->columnWidth(0), 140);
        for (const QString name : {QStringLiteral("Collection Number Prefix"), QStringLiteral("Collection Number Suffix")}) {
            QTreeWidgetItem* item = Row(view, 0, name);
            QVERIFY2(item, qPrintable(name));
            QCOMPARE(CellTip(view, item, 0), name);
        }
        // A name that fits keeps the list's own hint.
        QCOMPARE(CellTip(view, Row(view, 0, QStringLiteral("Collector")), 0), view->toolTip());

        DragEdge(view->header(), 0, 80);
        QCOMPARE(view->columnWidth(0), 220);
        QCOMPARE(CellTip(view, Row(view, 0, QStringLiteral("Collection Number Prefix")), 0), view->toolTip());
    }

    void outputPreviewHeadersEndInAnEllipsisAndShowWhole() {
        Session& s = app_->session;
        WriteAll(app_->program.path / s.OutputFileName,
                 "recordedBy,verbatimEventDate,day\r\nJ. Smith,3 May 2001,3\r\n");
        app_->windows->main->MenuItem("OutputPreview1")->trigger();
        QTreeWidget* view = app_->windows->outputPreview->OutputPreviewListView;
        QCOMPARE(view->columnCount(), 3);
        QHeaderView* header = view->header();
        struct Case {
            int column;
            QString shown, tip;
        };
        const QString date = QStringLiteral("verbatimEventDate");
        for (const Case& c : {Case{1, {}, date}, Case{2, QStringLiteral("day"), view->toolTip()}}) {
            QCOMPARE(view->columnWidth(c.column), 100);
            const QString shown = ShownCaption(header, c.column);
            if (c.shown.isEmpty())
                QVERIFY2(shown.endsWith(QChar(0x2026)) && date.startsWith(shown.chopped(1)), qPrintable(shown));
            else
                QCOMPARE(shown, c.shown);
            const QPoint at(header->sectionViewportPosition(c.column) + 20, header->height() / 2);
            QCOMPARE(TipAt(header->viewport(), at), c.tip);
        }
        DragEdge(header, 1, 60);
        QCOMPARE(view->columnWidth(1), 160);
        QCOMPARE(ShownCaption(header, 1), date);
    }

    void fieldDefinitionWordsShowWhole() {
        app_->windows->main->MenuItem("ConfigurationListbox1")->trigger();
        QTreeWidget* view = app_->windows->configList->ListView1;
        struct Case {
            QString field;
            int column;  // 6 start words, 7 contained words
        };
        for (const Case& c : {Case{QStringLiteral("Collector"), 6}, Case{QStringLiteral("Description"), 7}}) {
            QTreeWidgetItem* item = Row(view, 0, c.field);
            QVERIFY2(item, qPrintable(c.field));
            const QString words = item->text(c.column);
            QVERIFY2(view->fontMetrics().horizontalAdvance(words) > view->columnWidth(c.column), qPrintable(words));
            QCOMPARE(CellTip(view, item, c.column), words);
        }
    }
};

QTEST_MAIN(TestReportColumns)
#include "test_report_columns.moc"
