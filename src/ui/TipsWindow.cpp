#include "ui/TipsWindow.h"

#include <QPlainTextEdit>
#include <QPushButton>

#include "ui/WindowPlacement.h"

namespace quorl {

TipsWindow::TipsWindow(QWidget* mainWindow) : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), mainWindow_(mainWindow) {
    setWindowTitle(QStringLiteral("Quorl Tips"));
    setFixedSize(434, 302);
    Memo1 = new QPlainTextEdit(this);
    Memo1->setReadOnly(true);
    Memo1->setGeometry(8, 8, 418, 246);
    CloseButton = new QPushButton(QStringLiteral("Close"), this);
    CloseButton->setGeometry(434 / 2 - 40, 264, 80, 28);
    connect(CloseButton, &QPushButton::clicked, this, &QWidget::hide);
}

void TipsWindow::ShowCentred() {
    CentreOn(this, mainWindow_);
    show();
}

}  // namespace quorl
