#include "ui/PreferencesForm.h"

#include <QPushButton>

namespace quorl {

TPreferencesForm::TPreferencesForm(Session& s) : session(s) {
    setWindowTitle(QStringLiteral("QUORL Preferences"));
    resize(520, 480);
    CloseButton = new QPushButton(QStringLiteral("Cancel"), this);
    CloseButton->setGeometry(520 - 100, 480 - 40, 84, 28);
    connect(CloseButton, &QPushButton::clicked, this, &QWidget::hide);
}

}  // namespace quorl
