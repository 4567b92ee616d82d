#include "ui/AboutWindow.h"

#include <QLabel>
#include <QPushButton>

#include "ui/QtText.h"
#include "ui/WindowPlacement.h"

namespace quorl {

namespace {
QLabel* CentredLabel(QWidget* parent, const QString& text, int top) {
    auto* l = new QLabel(text, parent);
    FitAndCentre(l, top);
    return l;
}
}  // namespace

AboutWindow::AboutWindow() {
    setWindowTitle(QStringLiteral("About QUORL"));
    setFixedSize(320, 230);
    QLabel* product = CentredLabel(this, QStringLiteral("QUORL"), 20);
    QFont f = product->font();
    f.setPixelSize(28);
    f.setBold(true);
    product->setFont(f);
    FitAndCentre(product, 16);
    VersionLabel = CentredLabel(this, QStringLiteral("Version"), 70);
    CreditLabel = CentredLabel(this, QString(), 100);
    CentredLabel(this, QStringLiteral("Tesseract OCR Functions"), 130);
    Button1 = new QPushButton(QStringLiteral("OK"), this);
    Button1->setGeometry(width() / 2 - 40, 180, 80, 28);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
}

void AboutWindow::ShowAbout(const std::string& version) {
    VersionLabel->setText(ToQt("Version " + version));
    FitAndCentre(VersionLabel, VersionLabel->y());
    CreditLabel->setText(QStringLiteral("Developed for herbarium label digitisation"));
    FitAndCentre(CreditLabel, CreditLabel->y());
    exec();
}

}  // namespace quorl
