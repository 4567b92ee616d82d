#include "ui/SendLogFileWindow.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "help/SendLogFile.h"
#include "ui/QtText.h"

namespace quorl {

SendLogFileWindow::SendLogFileWindow(Session& s) : session(s) {
    setWindowTitle(QStringLiteral("Send Log File"));
    resize(420, 360);
    NameEdit = new QLineEdit(this);
    InstitutionEdit = new QLineEdit(this);
    CommentsMemo = new QPlainTextEdit(this);
    SendButton = new QPushButton(QStringLiteral("Send"), this);
    CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("Your name:"), NameEdit);
    fields->addRow(QStringLiteral("Your Institution:"), InstitutionEdit);
    fields->addRow(QStringLiteral("Comments:"), CommentsMemo);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(SendButton);
    buttons->addWidget(CancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);
    connect(SendButton, &QPushButton::clicked, this, &SendLogFileWindow::SendButtonClick);
    connect(CancelButton, &QPushButton::clicked, this, &SendLogFileWindow::CancelButtonClick);
}

void SendLogFileWindow::FillAndShow() {
    std::string name, institution = FromQt(InstitutionEdit->text()), comments;
    FillLogMailForm(session, name, institution, comments);
    NameEdit->setText(ToQt(name));
    InstitutionEdit->setText(ToQt(institution));
    CommentsMemo->setPlainText(ToQtLines(comments));
    show();
    raise();
    activateWindow();
}

void SendLogFileWindow::SendButtonClick() {
    if (SendLogFile(session, FromQt(NameEdit->text()), FromQt(InstitutionEdit->text()),
                    FromQtLines(CommentsMemo->toPlainText())))
        hide();
}

void SendLogFileWindow::CancelButtonClick() {
    hide();
    CancelLogFile(session);
}

}  // namespace quorl
