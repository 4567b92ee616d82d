#include "ui/ConfigListForm.h"

namespace quorl {

TConfigListForm::TConfigListForm(Session& s)
    : TClosableWindow(QStringLiteral("QUORL Field Definitions"), 760, 520, QStringLiteral("Cancel")), session(s) {}

}  // namespace quorl
