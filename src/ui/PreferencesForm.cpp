#include "ui/PreferencesForm.h"

namespace quorl {

TPreferencesForm::TPreferencesForm(Session& s)
    : TClosableWindow(QStringLiteral("QUORL Preferences"), 520, 480, QStringLiteral("Cancel")), session(s) {}

}  // namespace quorl
