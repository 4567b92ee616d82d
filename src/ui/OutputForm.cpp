#include "ui/OutputForm.h"

namespace quorl {

TOutputForm::TOutputForm(Session& s) : session(s) {
    setWindowTitle(QStringLiteral("QUORL Format Output"));
    resize(520, 650);
}

}  // namespace quorl
