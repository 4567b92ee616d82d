#include "ui/PhotoWindow.h"

namespace quorl {

PhotoWindow::PhotoWindow(Session& s)
    : ClosableWindow(QStringLiteral("QUORL Photo"), 800, 600, QStringLiteral("Close")), session(s) {}

}  // namespace quorl
