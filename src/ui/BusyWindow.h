#pragma once
// The busy window "QUORL": a title and a message shown while a long operation runs.
#include <QElapsedTimer>
#include <QString>
#include <QWidget>
#include <string>

#include "ui/StepInput.h"

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
    // centred on the main window, shown without blocking in front of the window whose command
    // started the step (the active one), and painted before this returns (also under a window
    // manager that maps it late).
    void ShowBusy(const std::string& title, const std::string& message);
    // Shows the progress bar at position of maximum, painted before this returns. The step runs on
    // the GUI thread: now and then this also does what the window system asks of the windows (to
    // paint what was uncovered). From ShowBusy to HideBusy the user's input is dropped (StepInput).
    void ShowProgress(int position, int maximum);
    // Hides the window and its progress bar.
    void HideBusy();

    QLabel* Label1;
    QLabel* Label2;
    QProgressBar* ProgressBar1;

private:
    void KeepPainted();

    QWidget* mainWindow_;
    QString title_;          // the whole title (Label1 may show it shortened)
    QElapsedTimer painted_;  // since the windows were last brought up to date
    StepInput input_;
};

}  // namespace quorl
