#include "ui/BusyWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QProgressBar>
#include <QThread>
#include <QWindow>
#include <algorithm>

#include "ui/AskingWindow.h"
#include "ui/QtText.h"
#include "ui/ScreenFit.h"
#include "ui/WindowPlacement.h"

namespace quorl {

namespace {

constexpr int kDesignWidth = 340;
constexpr int kHeight = 120;
constexpr int kMargin = 20;
// How long a newly shown window may take to be mapped by the window manager.
constexpr int kExposeWaitMs = 1000;
// How often a running step lets the windows be painted.
constexpr int kKeepPaintedMs = 100;

// Shows the text, shortened in its middle when even the widest window the screen allows cannot
// hold it (the whole text is then its tooltip).
void SetFittedText(QLabel* label, const QString& text, int room) {
    const QFontMetrics fm = label->fontMetrics();
    const QString shown = fm.horizontalAdvance(text) <= room ? text : fm.elidedText(text, Qt::ElideMiddle, room);
    label->setText(shown);
    label->setToolTip(shown == text ? QString() : text);
}

// The long step runs on the GUI thread and processes no events: the window must be on the screen
// and painted before it goes on. A window manager maps a shown window a while later, and what is
// painted before that is lost; so wait (the user's input dropped meanwhile) until it is mapped.
void PaintNow(QWidget* window) {
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        QCoreApplication::processEvents();
        if (window->testAttribute(Qt::WA_Mapped) || waited.elapsed() >= kExposeWaitMs) break;
        QThread::msleep(5);
    }
    window->repaint();
    QCoreApplication::processEvents();
}

}  // namespace

BusyWindow::BusyWindow(QWidget* mainWindow)
    // A dialog: the window manager keeps it in front of the window it belongs to.
    : QWidget(nullptr, Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint), mainWindow_(mainWindow) {
    setWindowTitle(QStringLiteral("QUORL"));
    setFixedSize(kDesignWidth, kHeight);
    Label1 = new QLabel(QStringLiteral("Please Wait..."), this);
    QFont big = Label1->font();
    big.setPixelSize(20);
    Label1->setFont(big);
    Label1->move(kMargin, 16);
    Label1->adjustSize();
    title_ = Label1->text();
    Label2 = new QLabel(this);
    QFont bold = Label2->font();
    bold.setBold(true);
    Label2->setFont(bold);
    Label2->move(kMargin, 58);
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setGeometry(kMargin, 88, kDesignWidth - 2 * kMargin, 16);
    ProgressBar1->hide();
}

void BusyWindow::ShowBusy(const std::string& title, const std::string& message) {
    if (!title.empty()) title_ = ToQtLines(title);
    const QString text = ToQtLines(message);
    // The window is as wide as its longer text needs, within the screen.
    const int need = std::max(Label1->fontMetrics().horizontalAdvance(title_), Label2->fontMetrics().horizontalAdvance(text));
    const int width = std::clamp(need + 2 * kMargin, kDesignWidth, std::max(kDesignWidth, ScreenRoom(this).width()));
    setFixedSize(width, kHeight);
    SetFittedText(Label1, title_, width - 2 * kMargin);
    FitAndCentre(Label1, Label1->y());
    SetFittedText(Label2, text, width - 2 * kMargin);
    FitAndCentre(Label2, Label2->y());
    // A new step starts without the progress of the one before.
    ProgressBar1->reset();
    ProgressBar1->hide();
    ProgressBar1->setGeometry(kMargin, ProgressBar1->y(), width - 2 * kMargin, ProgressBar1->height());
    CentreOn(this, mainWindow_);
    if (!isVisible()) {
        // The window manager keeps a window in front of the one it belongs to.
        QWidget* owner = AskingWindow(mainWindow_);
        winId();
        windowHandle()->setTransientParent(owner ? owner->windowHandle() : nullptr);
    }
    input_.Drop();
    show();
    raise();
    PaintNow(this);
    painted_.start();
}

void BusyWindow::ShowProgress(int position, int maximum) {
    // The bar repaints itself when what it shows changes; a bar just shown is painted at once.
    const bool appears = ProgressBar1->isHidden();
    ProgressBar1->show();
    ProgressBar1->setRange(0, maximum);
    ProgressBar1->setValue(position);
    if (!isVisible()) return;
    if (appears) {
        PaintNow(this);
        painted_.start();
    } else {
        KeepPainted();
    }
}

void BusyWindow::KeepPainted() {
    if (painted_.isValid() && !painted_.hasExpired(kKeepPaintedMs)) return;
    QCoreApplication::processEvents();
    painted_.start();
}

void BusyWindow::HideBusy() {
    // The input given while the window was up is dropped before it disappears: a click the moment
    // after is the user's next command.
    input_.Deliver();
    ProgressBar1->hide();
    hide();
}

}  // namespace quorl
