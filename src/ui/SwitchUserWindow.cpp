#include "ui/SwitchUserWindow.h"

#include <QListWidget>
#include <QPushButton>
#include <QWindow>

#include "model/Session.h"
#include "model/UserSwitch.h"
#include "records/RecordTakenOut.h"
#include "records/RecordTakenOutCopy.h"
#include "ui/QtText.h"

namespace quorl {

SwitchUserWindow::SwitchUserWindow(Session& s, QWidget* mainWindow) : QWidget(nullptr, Qt::Dialog), session(s) {
    setWindowTitle(QStringLiteral("QUORL -- Switch User"));
    if (mainWindow) {
        winId();
        windowHandle()->setTransientParent(mainWindow->windowHandle());
    }
    setFixedSize(280, 300);
    ListBox1 = new QListWidget(this);
    ListBox1->setGeometry(12, 12, 256, 232);
    Button1 = new QPushButton(QStringLiteral("Select"), this);
    Button1->setGeometry(12, 256, 78, 28);
    AddUserButton = new QPushButton(QStringLiteral("Add"), this);
    AddUserButton->setGeometry(101, 256, 78, 28);
    Button3 = new QPushButton(QStringLiteral("Cancel"), this);
    Button3->setGeometry(190, 256, 78, 28);
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, [this] { Button1Click(); });
    connect(AddUserButton, &QPushButton::clicked, this, [this] { AddUserButtonClick(); });
    connect(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });

    DialogButton answer = session.dialogs.Ask("Keep Current User as: " + session.CurrentUserName + "?",
                                              DialogKind::Confirmation, {DialogButton::Yes, DialogButton::No});
    if (answer == DialogButton::No) FillAndShow();
}

void SwitchUserWindow::FillAndShow() {
    ListBox1->clear();
    ListBox1->addItem(QStringLiteral("Default"));
    const std::vector<std::string> names = UserFolderNames(session);
    for (const std::string& name : names) ListBox1->addItem(ToQt(name));
    ShowInFront();
    if (names.empty()) {
        StartFirstUser(session);
        ShowInFront();  // the message box had the front
    }
}

void SwitchUserWindow::ShowInFront() {
    show();
    raise();
    activateWindow();
}

void SwitchUserWindow::Button1Click() {
    QListWidgetItem* item = ListBox1->currentItem();
    if (!item || !item->isSelected()) {
        session.dialogs.ShowMessage("Nothing Selected");
        return;
    }
    // Another user's output format and record file would take the record taken out.
    if (!OfferRecordTakenOutBack(session)) return;
    if (!SwitchToUser(session, FromQt(item->text()))) return;
    hide();
    // That user's record left out by an earlier run; the fields may hold other work now.
    OfferRecordTakenOutCopy(session, false);
}

void SwitchUserWindow::AddUserButtonClick() {
    if (!OfferRecordTakenOutBack(session)) return;
    if (AddUser(session)) hide();
}

void SwitchUserWindow::Button3Click() { hide(); }

}  // namespace quorl
