// The help pages against the windows they describe: every name a page sets in bold or italics is one
// that a window of the program shows, as it reads there; and a page says what its window does.
#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QTreeWidget>

#include "AppTestSupport.h"
#include "UiTestSupport.h"
#include "ui/AppWindows.h"

using namespace quorl;
using namespace quorl::testing;

namespace {

// A caption as the user reads it: "&&" is an ampersand, a lone "&" marks the mnemonic; no closing colon.
QString Shown(QString caption) {
    caption.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    caption.remove(QLatin1Char('&'));
    caption.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return caption.simplified().remove(QRegularExpression(QStringLiteral(":$")));
}

QSet<QString> Captions(const std::vector<QWidget*>& windows) {
    QSet<QString> captions;
    for (QWidget* w : windows) {
        for (auto* b : w->findChildren<QAbstractButton*>()) captions.insert(Shown(b->text()));
        for (auto* a : w->findChildren<QAction*>()) captions.insert(Shown(a->text()));
        for (auto* m : w->findChildren<QMenu*>()) captions.insert(Shown(m->title()));
        for (auto* g : w->findChildren<QGroupBox*>()) captions.insert(Shown(g->title()));
        for (auto* l : w->findChildren<QLabel*>()) captions.insert(Shown(l->text()));
        for (auto* t : w->findChildren<QTreeWidget*>())
            for (int c = 0; c < t->columnCount(); ++c) captions.insert(Shown(t->headerItem()->text(c)));
    }
    return captions;
}

// The bold and italic texts of a page, a menu path ("File > Open Text File") cut into its steps.
QStringList MarkedNames(const QString& html) {
    QStringList names;
    static const QRegularExpression marked(QStringLiteral("<([bi])>(.*?)</\\1>"),
                                           QRegularExpression::DotMatchesEverythingOption);
    for (auto it = marked.globalMatch(html); it.hasNext();) {
        QString text = it.next().captured(2).simplified();
        text.replace(QStringLiteral("&gt;"), QStringLiteral(">")).replace(QStringLiteral("&amp;"), QStringLiteral("&"));
        for (const QString& step : text.split(QStringLiteral(" > "))) names << step.simplified();
    }
    return names;
}

}  // namespace

class TestHelpPages : public QObject {
    Q_OBJECT

public:
    static void initMain() {
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
        QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    }

private slots:
    void everyNameInBoldOrItalicsIsOnAWindow() {
        StartedApp app(true);
        AppWindows& w = *app.windows;
        const QSet<QString> captions =
            Captions({w.main.get(), w.photo.get(), w.output.get(), w.configList.get(), w.oneConfig.get(),
                      w.preferences.get(), w.autoCorrect.get(), w.outputPreview.get(), w.switchUser.get(),
                      w.analyze.get(), w.wordStats.get(), w.sendLogFile.get(), w.country.get()});
        // The add button reads after the record file's format; the pages name all three.
        const QStringList exportCaptions = {QStringLiteral("Export TSV"), QStringLiteral("Export Darwin CSV"),
                                            QStringLiteral("Export Darwin XML")};
        QVERIFY(std::any_of(exportCaptions.begin(), exportCaptions.end(),
                            [&](const QString& c) { return captions.contains(c); }));
        QSet<QString> known = captions;
        for (const QString& c : exportCaptions) known.insert(c);

        const QDir help(QStringLiteral(QUORL_SOURCE_DIR "/help"));
        const QStringList pages = help.entryList({QStringLiteral("*.html")});
        QVERIFY(pages.size() >= 10);
        QStringList unknown;
        for (const QString& page : pages) {
            QFile f(help.filePath(page));
            QVERIFY(f.open(QIODevice::ReadOnly));
            for (const QString& name : MarkedNames(QString::fromUtf8(f.readAll())))
                if (!known.contains(name)) unknown << page + QStringLiteral(": ") + name;
        }
        QVERIFY2(unknown.isEmpty(), qPrintable(unknown.join(QStringLiteral("; "))));
    }
};

QTEST_MAIN(TestHelpPages)
#include "test_help_pages.moc"
