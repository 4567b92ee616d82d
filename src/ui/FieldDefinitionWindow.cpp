#include "ui/FieldDefinitionWindow.h"

namespace quorl {

FieldDefinitionWindow::FieldDefinitionWindow() {
    setWindowTitle(QStringLiteral("QUORL Field Definition"));
    resize(520, 420);
}

}  // namespace quorl
