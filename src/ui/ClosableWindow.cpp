#include "ui/ClosableWindow.h"

#include <QPushButton>

namespace quorl {

ClosableWindow::ClosableWindow(const QString& title, int width, int height, const QString& closeCaption) {
    setWindowTitle(title);
    resize(width, height);
    CloseButton = new QPushButton(closeCaption, this);
    CloseButton->setGeometry(width - 100, height - 40, 84, 28);
    connect(CloseButton, &QPushButton::clicked, this, &QWidget::hide);
}

}  // namespace quorl
