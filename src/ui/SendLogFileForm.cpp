#include "ui/SendLogFileForm.h"

namespace quorl {

TSendLogFileForm::TSendLogFileForm(Session& s)
    : TClosableWindow(QStringLiteral("Send Log File"), 420, 360, QStringLiteral("Cancel")), session(s) {}

}  // namespace quorl
