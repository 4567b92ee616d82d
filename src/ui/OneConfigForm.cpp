#include "ui/OneConfigForm.h"

namespace quorl {

TOneConfigForm::TOneConfigForm() {
    setWindowTitle(QStringLiteral("QUORL Field Definition"));
    resize(520, 420);
}

}  // namespace quorl
