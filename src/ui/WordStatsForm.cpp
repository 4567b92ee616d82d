#include "ui/WordStatsForm.h"

#include <QPushButton>

namespace quorl {

TWordStatsForm::TWordStatsForm(Session& s) : session(s) {
    setWindowTitle(QStringLiteral("Word Stats"));
    resize(520, 520);
    CloseButton = new QPushButton(QStringLiteral("Cancel"), this);
    CloseButton->setGeometry(520 - 100, 520 - 40, 84, 28);
    connect(CloseButton, &QPushButton::clicked, this, &QWidget::hide);
}

}  // namespace quorl
