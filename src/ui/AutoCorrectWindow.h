#pragma once
// The modal window "QUORL - Add to AutoCorrect": the replacement for the text selected in the label
// window, with its two switches.
#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace quorl {

class Session;

class AutoCorrectWindow : public QDialog {
    Q_OBJECT
public:
    explicit AutoCorrectWindow(Session& s);

    Session& session;
    QLabel* Label1;
    QLineEdit* ToEdit;
    QCheckBox* CaseCheckBox;
    QCheckBox* CheckBox1;
    QPushButton* Button1;
    QPushButton* Button2;
};

}  // namespace quorl
