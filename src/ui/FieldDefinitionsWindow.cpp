#include "ui/FieldDefinitionsWindow.h"

namespace quorl {

FieldDefinitionsWindow::FieldDefinitionsWindow(Session& s)
    : ClosableWindow(QStringLiteral("QUORL Field Definitions"), 760, 520, QStringLiteral("Cancel")), session(s) {}

}  // namespace quorl
