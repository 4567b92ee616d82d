#pragma once
// The Photo window: the label photograph, the selection box and the OCR commands.
#include <QWidget>

class QPushButton;

namespace quorl {

class Session;

class TPhotoForm : public QWidget {
    Q_OBJECT
public:
    explicit TPhotoForm(Session& s);

    Session& session;
    QPushButton* CloseButton;
};

}  // namespace quorl
