#include "ui/PhotoForm.h"

namespace quorl {

TPhotoForm::TPhotoForm(Session& s)
    : TClosableWindow(QStringLiteral("QUORL Photo"), 800, 600, QStringLiteral("Close")), session(s) {}

}  // namespace quorl
