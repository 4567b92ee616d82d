#include "ui/CountryForm.h"

#include <QPushButton>

namespace quorl {

TCountryForm::TCountryForm(Session& s) : session(s) {
    setWindowTitle(QStringLiteral("Country Definitions"));
    resize(720, 480);
    CloseButton = new QPushButton(QStringLiteral("Close"), this);
    CloseButton->setGeometry(720 - 100, 480 - 40, 84, 28);
    connect(CloseButton, &QPushButton::clicked, this, &QWidget::hide);
}

}  // namespace quorl
