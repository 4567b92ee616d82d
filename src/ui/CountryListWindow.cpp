#include "ui/CountryListWindow.h"

namespace quorl {

CountryListWindow::CountryListWindow(Session& s)
    : ClosableWindow(QStringLiteral("Country Definitions"), 720, 480, QStringLiteral("Close")), session(s) {}

}  // namespace quorl
