#pragma once
// The small window "Analyze": one of the 30 built-in fields to explain the parse of.
#include <QWidget>

class QButtonGroup;
class QGroupBox;
class QPushButton;

namespace quorl {

class Session;

class AnalyzeWindow : public QWidget {
    Q_OBJECT
public:
    explicit AnalyzeWindow(Session& s);

    // Index of the chosen field (the field number), -1 when none.
    int ItemIndex() const;
    void SetItemIndex(int index);

    Session& session;
    QGroupBox* AnalyzeRadioGroup;
    QButtonGroup* fieldButtons;
    QPushButton* Button1;
    QPushButton* Button2;
};

}  // namespace quorl
