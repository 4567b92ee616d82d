#pragma once
// The user's input while a long step runs on the GUI thread. The step lets the windows paint now
// and then; a click or key given meanwhile is dropped, not carried out when the step ends (a second
// click of a double click would start the step again). Everything else goes on: painting, exposes,
// timers, window closes, and the input to a message box that the step itself asks.
#include <QObject>
#include <QPointer>

class QWidget;

namespace quorl {

class StepInput : public QObject {
public:
    // From now on the user's input is dropped (again: no change).
    void Drop();
    // Drops the input given until now, also what the window system has not handed over yet, then
    // lets input through again.
    void Deliver();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool dropping_ = false;
    // The modal window (if any) in front when the step started: the step's own questions come
    // in front of it.
    QPointer<QWidget> modalBefore_;
};

}  // namespace quorl
