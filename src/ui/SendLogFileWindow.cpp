#include "ui/SendLogFileWindow.h"

namespace quorl {

SendLogFileWindow::SendLogFileWindow(Session& s)
    : ClosableWindow(QStringLiteral("Send Log File"), 420, 360, QStringLiteral("Cancel")), session(s) {}

}  // namespace quorl
