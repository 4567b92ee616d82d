#pragma once
// The busy window "QUORL": a title and a message shown while a long operation runs.
#include <QString>
#include <QWidget>
#include <string>

class QLabel;
class QProgressBar;

namespace quorl {

class BusyWindow : public QWidget {
    Q_OBJECT
public:
    // mainWindow: the window the busy window is centred on (may be nullptr).
    explicit BusyWindow(QWidget* mainWindow);

    // An empty title keeps the last one. The window is as wide as its texts need (within the
    // screen), both labels are centred, the progress bar starts over hidden, and the window is
    // centred on the main window, shown without blocking and painted before this returns (also
    // under a window manager that maps it late).
    void ShowBusy(const std::string& title, const std::string& message);
    // Shows the progress bar at position of maximum, painted before this returns.
    void ShowProgress(int position, int maximum);
    // Hides the window and its progress bar.
    void HideBusy();

    QLabel* Label1;
    QLabel* Label2;
    QProgressBar* ProgressBar1;

private:
    QWidget* mainWindow_;
    QString title_;  // the whole title (Label1 may show it shortened)
};

}  // namespace quorl
