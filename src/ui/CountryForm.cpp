#include "ui/CountryForm.h"

namespace quorl {

TCountryForm::TCountryForm(Session& s)
    : TClosableWindow(QStringLiteral("Country Definitions"), 720, 480, QStringLiteral("Close")), session(s) {}

}  // namespace quorl
