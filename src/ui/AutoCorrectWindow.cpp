#include "ui/AutoCorrectWindow.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "commands/MainCommands.h"
#include "fields/FieldEntryTools.h"
#include "editors/AutoCorrectEntry.h"
#include "ui/QtText.h"

namespace quorl {

AutoCorrectWindow::AutoCorrectWindow(Session& s) : session(s) {
    setWindowTitle(QStringLiteral("QUORL - Add to AutoCorrect"));
    setFixedSize(360, 170);
    Label1 = new QLabel(this);
    Label1->setGeometry(16, 12, 328, 20);
    ToEdit = new QLineEdit(this);
    ToEdit->setGeometry(16, 38, 328, 24);
    CaseCheckBox = new QCheckBox(QStringLiteral("Case Sensitive"), this);
    CaseCheckBox->setGeometry(16, 74, 160, 22);
    CheckBox1 = new QCheckBox(QStringLiteral("Whole Words Only"), this);
    CheckBox1->setGeometry(184, 74, 160, 22);
    CheckBox1->setToolTip(QStringLiteral("Only replace if whole word,"));
    Button1 = new QPushButton(QStringLiteral("Save"), this);
    Button1->setGeometry(90, 122, 84, 28);
    Button2 = new QPushButton(QStringLiteral("Cancel"), this);
    Button2->setGeometry(186, 122, 84, 28);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    connect(Button1, &QPushButton::clicked, this, &AutoCorrectWindow::Button1Click);
    Button1->setDefault(true);
}

bool AutoCorrectWindow::Open() {
    Label1->setText(ToQt(AutoCorrectCaption(session)));
    return exec() == QDialog::Accepted;
}

void AutoCorrectWindow::Button1Click() {
    if (AddAutoCorrectEntry(session, LabelWindowSelection(session), FromQt(ToEdit->text()), CaseCheckBox->isChecked(),
                            CheckBox1->isChecked()))
        accept();
}

}  // namespace quorl
