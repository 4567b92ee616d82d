#include "ui/TipsWindow.h"

#include <QPlainTextEdit>
#include <QPushButton>

#include "ui/WindowPlacement.h"

namespace quorl {

namespace {

const char* const kTips =
    "Select text in the label window and press the small button beside a field: the selection goes into "
    "that field.\n\n"
    "Right-click a field to insert the selection at its beginning, overwrite it, or append it, and to "
    "mark the field Preserve (it keeps its value for the next label) or Warn if Empty.\n\n"
    "Choose the family first: the genus list then offers only its genera, and the species list only the "
    "species of the genus. Country, state and county work the same way.\n\n"
    "Correct a misread word once with right-click > Add to AutoCorrect in the label window, and it is "
    "corrected in every label from then on.\n\n"
    "Tools > Analyze Parse shows why a field was filled as it was.\n\n"
    "Press F1 in any window for help on the control you are in.";

}  // namespace

TipsWindow::TipsWindow(QWidget* mainWindow) : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), mainWindow_(mainWindow) {
    setWindowTitle(QStringLiteral("Quorl Tips"));
    setFixedSize(434, 302);
    Memo1 = new QPlainTextEdit(this);
    Memo1->setReadOnly(true);
    Memo1->setGeometry(8, 8, 417, 257);
    Memo1->setPlainText(QString::fromUtf8(kTips));
    CloseButton = new QPushButton(QStringLiteral("Close"), this);
    CloseButton->setGeometry(434 / 2 - 40, 269, 80, 28);
    connect(CloseButton, &QPushButton::clicked, this, &QWidget::hide);
}

void TipsWindow::ShowCentred() {
    CentreOn(this, mainWindow_);
    show();
}

}  // namespace quorl
