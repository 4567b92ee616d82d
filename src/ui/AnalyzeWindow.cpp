#include "ui/AnalyzeWindow.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

#include "editors/AnalyzeTool.h"
#include "model/Records.h"
#include "ui/QtText.h"

namespace quorl {

AnalyzeWindow::AnalyzeWindow(Session& s) : session(s) {
    setWindowTitle(QStringLiteral("Analyze"));
    AnalyzeRadioGroup = new QGroupBox(QStringLiteral("Fields"), this);
    fieldButtons = new QButtonGroup(this);
    auto* grid = new QGridLayout(AnalyzeRadioGroup);
    for (int i = 0; i < kBuiltInFields; ++i) {
        auto* r = new QRadioButton(ToQt(FieldNames[i]), AnalyzeRadioGroup);
        fieldButtons->addButton(r, i);
        grid->addWidget(r, i % 15, i / 15);
    }
    AnalyzeRadioGroup->setGeometry(8, 8, 360, 420);
    Button1 = new QPushButton(QStringLiteral("Analyze"), this);
    Button1->setGeometry(96, 440, 84, 28);
    Button2 = new QPushButton(QStringLiteral("Cancel"), this);
    Button2->setGeometry(196, 440, 84, 28);
    connect(Button1, &QPushButton::clicked, this, &AnalyzeWindow::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &AnalyzeWindow::Button2Click);
    setFixedSize(376, 480);
}

int AnalyzeWindow::ItemIndex() const { return fieldButtons->checkedId(); }

void AnalyzeWindow::SetItemIndex(int index) {
    if (QAbstractButton* b = fieldButtons->button(index)) b->setChecked(true);
}

void AnalyzeWindow::Button1Click() {
    hide();
    AnalyzeField(session, ItemIndex());
}

void AnalyzeWindow::Button2Click() {
    CancelAnalyze(session);
    hide();
}

void AnalyzeWindow::closeEvent(QCloseEvent* event) {
    CancelAnalyze(session);
    event->accept();
}

}  // namespace quorl
