#include "ui/BusyWindow.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>

#include "ui/QtText.h"
#include "ui/WindowPlacement.h"

namespace quorl {

BusyWindow::BusyWindow(QWidget* mainWindow)
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::CustomizeWindowHint), mainWindow_(mainWindow) {
    setWindowTitle(QStringLiteral("QUORL"));
    setFixedSize(340, 120);
    Label1 = new QLabel(QStringLiteral("Please Wait..."), this);
    QFont big = Label1->font();
    big.setPixelSize(20);
    Label1->setFont(big);
    Label1->move(20, 16);
    Label1->adjustSize();
    Label2 = new QLabel(this);
    QFont bold = Label2->font();
    bold.setBold(true);
    Label2->setFont(bold);
    Label2->move(20, 58);
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setGeometry(20, 88, 300, 16);
    ProgressBar1->hide();
}

void BusyWindow::ShowBusy(const std::string& title, const std::string& message) {
    if (!title.empty()) Label1->setText(ToQtLines(title));
    FitAndCentre(Label1, Label1->y());
    Label2->setText(ToQtLines(message));
    FitAndCentre(Label2, Label2->y());
    CentreOn(this, mainWindow_);
    show();
    raise();
    repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void BusyWindow::ShowProgress(int position, int maximum) {
    ProgressBar1->setRange(0, maximum);
    ProgressBar1->setValue(position);
    ProgressBar1->show();
}

void BusyWindow::HideBusy() {
    ProgressBar1->hide();
    hide();
}

}  // namespace quorl
