#include "ui/SendLogFileForm.h"

#include <QPushButton>

namespace quorl {

TSendLogFileForm::TSendLogFileForm(Session& s) : session(s) {
    setWindowTitle(QStringLiteral("Send Log File"));
    resize(420, 360);
    CloseButton = new QPushButton(QStringLiteral("Cancel"), this);
    CloseButton->setGeometry(420 - 100, 360 - 40, 84, 28);
    connect(CloseButton, &QPushButton::clicked, this, &QWidget::hide);
}

}  // namespace quorl
