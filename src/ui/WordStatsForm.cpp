#include "ui/WordStatsForm.h"

namespace quorl {

TWordStatsForm::TWordStatsForm(Session& s)
    : TClosableWindow(QStringLiteral("Word Stats"), 520, 520, QStringLiteral("Cancel")), session(s) {}

}  // namespace quorl
