#include "ui/PhotoForm.h"

#include <QPushButton>

namespace quorl {

TPhotoForm::TPhotoForm(Session& s) : session(s) {
    setWindowTitle(QStringLiteral("QUORL Photo"));
    resize(800, 600);
    CloseButton = new QPushButton(QStringLiteral("Close"), this);
    CloseButton->setGeometry(800 - 100, 600 - 40, 84, 28);
    connect(CloseButton, &QPushButton::clicked, this, &QWidget::hide);
}

}  // namespace quorl
