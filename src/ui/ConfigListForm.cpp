#include "ui/ConfigListForm.h"

#include <QPushButton>

namespace quorl {

TConfigListForm::TConfigListForm(Session& s) : session(s) {
    setWindowTitle(QStringLiteral("QUORL Field Definitions"));
    resize(760, 520);
    CloseButton = new QPushButton(QStringLiteral("Cancel"), this);
    CloseButton->setGeometry(760 - 100, 520 - 40, 84, 28);
    connect(CloseButton, &QPushButton::clicked, this, &QWidget::hide);
}

}  // namespace quorl
