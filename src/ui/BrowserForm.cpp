#include "ui/BrowserForm.h"

#include <QPushButton>

namespace quorl {

TBrowserForm::TBrowserForm(Session& s) : session(s) {
    setWindowTitle(QStringLiteral("QUORL Browser"));
    resize(742, 471);
}

}  // namespace quorl
