#pragma once
// The modal dialog "QUORL Field Definition" that edits one row of the field definitions editor.
#include <QDialog>

namespace quorl {

class FieldDefinitionWindow : public QDialog {
    Q_OBJECT
public:
    FieldDefinitionWindow();
};

}  // namespace quorl
