#include "ui/QtDialogs.h"

#include <QApplication>
#include <QClipboard>
#include <QEventLoop>
#include <QFileDialog>
#include <QTimer>
#include <QMessageBox>
#include <algorithm>
#include <cstdlib>

#include "ui/AskingWindow.h"
#include "ui/MessageBox.h"
#include "ui/QtText.h"

namespace quorl {

namespace {
QMessageBox::StandardButton ToQt(DialogButton b) {
    switch (b) {
        case DialogButton::Ok: return QMessageBox::Ok;
        case DialogButton::Cancel: return QMessageBox::Cancel;
        case DialogButton::Yes: return QMessageBox::Yes;
        case DialogButton::No: return QMessageBox::No;
        case DialogButton::Ignore: return QMessageBox::Ignore;
        case DialogButton::Abort: return QMessageBox::Abort;
        case DialogButton::Retry: return QMessageBox::Retry;
    }
    return QMessageBox::Ok;
}
}  // namespace

void QtDialogs::ShowMessage(const std::string& text) {
    const AskingScope asking(parent);
    ExecMessageBox(asking.Owner(), QMessageBox::NoIcon, QApplication::applicationName(), ToQtLines(text),
                   QMessageBox::Ok);
}

DialogButton QtDialogs::Ask(const std::string& text, DialogKind kind, const std::vector<DialogButton>& buttons) {
    QMessageBox::Icon icon = QMessageBox::Information;
    if (kind == DialogKind::Warning) icon = QMessageBox::Warning;
    if (kind == DialogKind::Error) icon = QMessageBox::Critical;
    if (kind == DialogKind::Confirmation) icon = QMessageBox::Question;
    QMessageBox::StandardButtons set;
    for (DialogButton b : buttons) set |= ToQt(b);
    const AskingScope asking(parent);
    const int r = ExecMessageBox(asking.Owner(), icon, QApplication::applicationName(), ToQtLines(text), set);
    for (DialogButton b : buttons)
        if (ToQt(b) == r) return b;
    return buttons.empty() ? DialogButton::Ok : buttons.back();
}

bool QtDialogs::InputBox(const std::string& caption, const std::string& prompt, std::string& value) {
    QString text = quorl::ToQt(value);
    const AskingScope asking(parent);
    if (!ExecInputBox(asking.Owner(), quorl::ToQt(caption), quorl::ToQt(prompt), text)) return false;
    value = FromQt(text);
    return true;
}

void QtDialogs::ShowBusy(const std::string& title, const std::string& message) {
    if (showBusy) showBusy(title, message);
}

void QtDialogs::HideBusy() {
    if (hideBusy) hideBusy();
}

void QtDialogs::BusyProgress(int position, int maximum) {
    if (busyProgress) busyProgress(position, maximum);
}

void QtDialogs::ShowTrace(const std::string& text) {
    if (showTrace) showTrace(text);
    else ShowMessage(text);
}

void QtDialogs::EndProgram(int exitCode) { std::exit(exitCode); }

bool QtDialogs::ChooseFile(const std::string& filter, const std::filesystem::path& folder,
                           std::filesystem::path& chosen) {
    // "Text Files|*.txt;*.rtf" becomes "Text Files (*.txt *.rtf)".
    QString name = quorl::ToQt(filter), patterns;
    if (int bar = name.indexOf(QLatin1Char('|')); bar >= 0) {
        patterns = name.mid(bar + 1).replace(QLatin1Char(';'), QLatin1Char(' '));
        name = name.left(bar) + QStringLiteral(" (") + patterns + QLatin1Char(')');
    }
    const AskingScope asking(parent);
    QString file = QFileDialog::getOpenFileName(asking.Owner(), QStringLiteral("Open"),
                                                QString::fromStdString(folder.string()), name);
    if (file.isEmpty()) return false;
    chosen = std::filesystem::path(file.toStdString());
    return true;
}

std::string QtDialogs::ClipboardText() {
    QString text = QGuiApplication::clipboard()->text();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return FromQtLines(text);
}

bool QtDialogs::Pause(int milliseconds) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible()) w->repaint();
    // The loop also ends early when the application is asked to quit (the main window closed).
    QEventLoop loop;
    bool waited = false;
    QTimer::singleShot(std::max(0, milliseconds), &loop, [&] {
        waited = true;
        loop.quit();
    });
    loop.exec();
    return waited;
}

}  // namespace quorl
