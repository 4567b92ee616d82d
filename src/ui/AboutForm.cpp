#include "ui/AboutForm.h"

#include <QLabel>
#include <QPushButton>

#include "ui/QtText.h"

namespace quorl {

namespace {
QLabel* CentredLabel(QWidget* parent, const QString& text, int top) {
    auto* l = new QLabel(text, parent);
    l->adjustSize();
    l->move(parent->width() / 2 - l->width() / 2, top);
    return l;
}
}  // namespace

TAboutForm::TAboutForm() {
    setWindowTitle(QStringLiteral("About QUORL"));
    setFixedSize(320, 230);
    QLabel* product = CentredLabel(this, QStringLiteral("QUORL"), 20);
    QFont f = product->font();
    f.setPixelSize(28);
    f.setBold(true);
    product->setFont(f);
    product->adjustSize();
    product->move(width() / 2 - product->width() / 2, 16);
    VersionLabel = CentredLabel(this, QStringLiteral("Version"), 70);
    CreditLabel = CentredLabel(this, QString(), 100);
    CentredLabel(this, QStringLiteral("Tesseract OCR Functions"), 130);
    Button1 = new QPushButton(QStringLiteral("OK"), this);
    Button1->setGeometry(width() / 2 - 40, 180, 80, 28);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
}

void TAboutForm::ShowAbout(const std::string& version) {
    VersionLabel->setText(ToQt("Version " + version));
    VersionLabel->adjustSize();
    VersionLabel->move(width() / 2 - VersionLabel->width() / 2, VersionLabel->y());
    CreditLabel->setText(QStringLiteral("Developed for herbarium label digitisation"));
    CreditLabel->adjustSize();
    CreditLabel->move(width() / 2 - CreditLabel->width() / 2, CreditLabel->y());
    exec();
}

}  // namespace quorl
