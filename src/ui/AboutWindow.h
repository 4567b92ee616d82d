#pragma once
// The About window "About QUORL": product name, version, credits and an OK button.
#include <QDialog>
#include <string>

class QLabel;
class QPushButton;

namespace quorl {

class AboutWindow : public QDialog {
    Q_OBJECT
public:
    AboutWindow();

    // Puts "Version " + version centred into VersionLabel, sets the credit line and shows the
    // window modally.
    void ShowAbout(const std::string& version);

    QLabel* VersionLabel;
    QLabel* CreditLabel;
    QPushButton* Button1;
};

}  // namespace quorl
