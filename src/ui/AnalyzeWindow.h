#pragma once
// The small window "Analyze": one of the 30 built-in fields to explain the parse of, and the parse
// that explains it.
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

    // "Analyze": hides the window and parses the label window explaining the chosen field.
    void Button1Click();
    // "Cancel": no explanation; the window hides.
    void Button2Click();

    Session& session;
    QGroupBox* AnalyzeRadioGroup;
    QButtonGroup* fieldButtons;
    QPushButton* Button1;
    QPushButton* Button2;

protected:
    // Closing by the frame is a Cancel: trace mode does not outlive the window.
    void closeEvent(QCloseEvent* event) override;
};

}  // namespace quorl
