#pragma once
// The tips window "Quorl Tips": a borderless window with tips for the main window in a text box and
// a Close button, centred on the main window.
#include <QWidget>

class QPlainTextEdit;
class QPushButton;

namespace quorl {

class TipsWindow : public QWidget {
    Q_OBJECT
public:
    explicit TipsWindow(QWidget* mainWindow);

    // Centres the window on the main window and shows it.
    void ShowCentred();

    QPlainTextEdit* Memo1;
    QPushButton* CloseButton;

private:
    QWidget* mainWindow_;
};

}  // namespace quorl
