#include "ui/WordStatsWindow.h"

namespace quorl {

WordStatsWindow::WordStatsWindow(Session& s)
    : ClosableWindow(QStringLiteral("Word Stats"), 520, 520, QStringLiteral("Cancel")), session(s) {}

}  // namespace quorl
