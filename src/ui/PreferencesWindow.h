#pragma once
// The window "QUORL Preferences": the current user's preferences as controls, saved into the
// session and Preferences.txt on "Save"; "Clear Stats" throws the learnt words away.
#include <QWidget>

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace quorl {

class Session;
struct PreferenceControls;

class PreferencesWindow : public QWidget {
    Q_OBJECT
public:
    explicit PreferencesWindow(Session& s);

    // "Preferences" of the main menu: the controls from the session's preferences, then shown.
    void Open();
    // The controls from and into the core's values.
    void PreferencesToForm(const PreferenceControls& c);
    PreferenceControls FormToPreferences() const;

    void SaveButtonClick();
    void CancelButtonClick();
    void ClearStatsButtonClick();

    Session& session;
    QButtonGroup* OutputRadio;
    QCheckBox* DoubleSpaceCheckBox;
    QCheckBox* LearnCheckBox;
    QCheckBox* ApplyLearnCheckBox;
    QCheckBox* SplitLinesCheckBox;
    QCheckBox* AutoSplitCheckBox;
    QSpinBox* MinElevUpDown;
    QCheckBox* FeetToMetersCheckBox;
    QCheckBox* DateFormatCheckBox;
    QCheckBox* AutoCorrectCheckBox;
    QCheckBox* ReplaceNumeralsCheckBox;
    QCheckBox* BarcodeFormatCheckBox;
    QLineEdit* BarcodeFormatEdit;
    QPushButton* SaveButton;
    QPushButton* CancelButton;
    QPushButton* ClearStatsButton;
};

}  // namespace quorl
