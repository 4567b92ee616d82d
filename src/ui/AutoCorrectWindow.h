#pragma once
// The modal window "QUORL - Add to AutoCorrect": the replacement for the text selected in the label
// window, with its two switches; saving adds it to the user's list and corrects the label window.
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

    // "Add to AutoCorrect" of the label window: asks for the replacement of the selection, modally.
    // True when an entry was added.
    bool Open();
    // "Save": adds the entry; the window closes only when it was taken.
    void Button1Click();

    Session& session;
    QLabel* Label1;
    QLineEdit* ToEdit;
    QCheckBox* CaseCheckBox;
    QCheckBox* CheckBox1;
    QPushButton* Button1;
    QPushButton* Button2;
};

}  // namespace quorl
