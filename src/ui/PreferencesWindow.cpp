#include "ui/PreferencesWindow.h"

namespace quorl {

PreferencesWindow::PreferencesWindow(Session& s)
    : ClosableWindow(QStringLiteral("QUORL Preferences"), 520, 480, QStringLiteral("Cancel")), session(s) {}

}  // namespace quorl
