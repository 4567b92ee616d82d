#include "ui/ProgramHelp.h"

#include <QApplication>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLocale>
#include <QWidget>
#include <QtWebEngineCore/qtwebenginecoreversion.h>

#include "help/HelpHook.h"
#include "model/Log.h"
#include "model/Session.h"
#include "ui/HelpContext.h"
#include "ui/QtHelpViewer.h"

namespace quorl {

namespace {

std::string Std(const QString& s) { return s.toStdString(); }

}  // namespace

HelpEnvironment DescribeHelpEnvironment(bool helpLoaded) {
    HelpEnvironment env;
    env.modulePath = Std(QCoreApplication::applicationFilePath());
    const QStringList args = QCoreApplication::arguments();
    for (qsizetype i = 1; i < args.size(); ++i) env.arguments.push_back(Std(args[i]));
    DescribeOperatingSystem(env);
    const QLocale locale = QLocale::system();
    env.localeName = Std(locale.name());
    env.localeDescription = Std(QLocale::languageToString(locale.language()) + QStringLiteral(" (") +
                                QLocale::territoryToString(locale.territory()) + QStringLiteral(")"));
    env.languageCode = Std(locale.name().section(QLatin1Char('_'), 0, 0));
    env.languageName = Std(QLocale::languageToString(locale.language()));
    env.territoryCode = Std(locale.name().section(QLatin1Char('_'), 1, 1));
    env.territoryName = Std(QLocale::territoryToString(locale.territory()));
    env.decimalSeparator = Std(locale.decimalPoint());
    env.programVersion = GetFileVersion();
    env.toolkitVersion = qVersion();
    env.helpInstalled = helpLoaded;
    env.helpVersion = QT_VERSION_STR;  // Qt Help comes with the toolkit
    env.helpFriendlyVersion = std::string("Qt Help ") + QT_VERSION_STR;
    env.webInstalled = true;
    env.webVersion = QTWEBENGINECORE_VERSION_STR;
    env.webFriendlyVersion = std::string("Qt WebEngine ") + QTWEBENGINECORE_VERSION_STR;
    return env;
}

ProgramHelp::ProgramHelp(Session& s, const QString& collectionFile) : session_(s) {
    const std::filesystem::path program = Std(QCoreApplication::applicationFilePath());
    std::vector<std::string> args;
    const QStringList qargs = QCoreApplication::arguments();
    for (qsizetype i = 1; i < qargs.size(); ++i) args.push_back(Std(qargs[i]));
    const bool debug = HelpDebugMode(program.parent_path(), args);
    log_ = HelpDebugLog(HelpLogFolder(program.parent_path()) / "HHDebug.txt", debug);
    viewer_ = std::make_unique<QtHelpViewer>(collectionFile);
    log_.WriteHeader(DescribeHelpEnvironment(viewer_->Loaded()));
    hook_ = std::make_unique<THookHelpSystem>(*viewer_, s.dialogs, log_, Std(QFileInfo(collectionFile).fileName()),
                                              "", htHHAPI);
    session_.HelpSystem = hook_.get();
    if (!viewer_->Loaded()) s.dialogs.ShowMessage("HTML Help not loaded");
    qApp->installEventFilter(this);
}

ProgramHelp::~ProgramHelp() {
    qApp->removeEventFilter(this);
    if (session_.HelpSystem == hook_.get()) session_.HelpSystem = nullptr;
    hook_.reset();
}

bool ProgramHelp::Loaded() const { return viewer_->Loaded(); }

bool ProgramHelp::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_F1 ||
        static_cast<QKeyEvent*>(event)->modifiers() != Qt::NoModifier)
        return false;
    QWidget* from = QApplication::focusWidget();
    if (RequestMenuItemHelp(session_, from) || RequestMenuItemHelp(session_, watched)) return true;
    if (!from) from = qobject_cast<QWidget*>(watched);
    return RequestHelpFor(session_, from);
}

}  // namespace quorl
