#include "ui/PreferencesWindow.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "editors/PreferencesEditor.h"
#include "model/Session.h"
#include "ui/HelpContext.h"
#include "ui/QtText.h"

namespace quorl {

namespace {

// The up-down's own range; a value from the file outside it is kept rather than cut to fit.
constexpr int kMinElevationLow = 0;
constexpr int kMinElevationHigh = 100;

QCheckBox* AddCheck(QWidget* parent, QLayout* layout, const char* name, const QString& caption, const QString& hint,
                    int helpContext) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setToolTip(hint);
    if (helpContext) SetHelpContext(box, helpContext);
    layout->addWidget(box);
    return box;
}

QGroupBox* Group(QWidget* parent, const QString& caption) {
    auto* g = new QGroupBox(caption, parent);
    new QVBoxLayout(g);
    return g;
}

}  // namespace

PreferencesWindow::PreferencesWindow(Session& s) : session(s) {
    setWindowTitle(QStringLiteral("QUORL Preferences"));
    auto* columns = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    auto* right = new QVBoxLayout;
    columns->addLayout(left);
    columns->addLayout(right);

    auto* output = Group(this, QStringLiteral("Default Output Format"));
    output->setObjectName(QStringLiteral("OutputRadio"));
    SetHelpContext(output, 1006);
    OutputRadio = new QButtonGroup(this);
    const QString outputs[] = {QStringLiteral("Tab Separated (tsv)"), QStringLiteral("Darwin Core XML"),
                               QStringLiteral("Darwin Core CSV")};
    for (int i = 0; i < 3; ++i) {
        auto* r = new QRadioButton(outputs[i], output);
        SetHelpContext(r, 1006);
        OutputRadio->addButton(r, i);
        output->layout()->addWidget(r);
    }
    left->addWidget(output);

    auto* labelWindow = Group(this, QStringLiteral("Label Window"));
    DoubleSpaceCheckBox = AddCheck(labelWindow, labelWindow->layout(), "DoubleSpaceCheckBox",
                                   QStringLiteral("Force double spacing in Label Window"),
                                   QStringLiteral("Makes it easier to discriminate lines"), 1013);
    left->addWidget(labelWindow);

    auto* learning = Group(this, QStringLiteral("Auto Learning"));
    QLayout* l = learning->layout();
    LearnCheckBox = AddCheck(learning, l, "LearnCheckBox", QStringLiteral("Learn from labels"),
                             QStringLiteral("Collect word statistics data from labels"), 1009);
    ApplyLearnCheckBox = AddCheck(learning, l, "ApplyLearnCheckBox", QStringLiteral("Apply Learning to labels"),
                                  QStringLiteral("Use word statistics to categorize fields"), 1009);
    SplitLinesCheckBox = AddCheck(learning, l, "SplitLinesCheckBox", QStringLiteral("Assume one field per line on parse"),
                                  QStringLiteral("Use only (1 or more) full lines for  each field"), 1015);
    AutoSplitCheckBox = AddCheck(learning, l, "AutoSplitCheckBox", QStringLiteral("Auto-split lines on paste"),
                                 QStringLiteral("Let the system evaluate and split lines when pasting to Label Window"),
                                 1015);
    left->addWidget(learning);

    auto* misc = Group(this, QStringLiteral("Misc"));
    auto* elevation = new QHBoxLayout;
    auto* elevationLabel = new QLabel(QStringLiteral("Minimum Elev (m)"), misc);
    MinElevUpDown = new QSpinBox(misc);
    MinElevUpDown->setObjectName(QStringLiteral("MinElevUpDown"));
    MinElevUpDown->setRange(kMinElevationLow, kMinElevationHigh);
    MinElevUpDown->setSingleStep(5);
    MinElevUpDown->setValue(10);
    MinElevUpDown->setToolTip(QStringLiteral("Elevation not this high is assumed to be plant height."));
    SetHelpContext(MinElevUpDown, 1016);
    elevationLabel->setBuddy(MinElevUpDown);
    elevation->addWidget(elevationLabel);
    elevation->addWidget(MinElevUpDown);
    elevation->addStretch();
    static_cast<QVBoxLayout*>(misc->layout())->addLayout(elevation);
    FeetToMetersCheckBox = AddCheck(misc, misc->layout(), "FeetToMetersCheckBox",
                                    QStringLiteral("Fill Meters Elev from Feet"), {}, 1017);
    DateFormatCheckBox = AddCheck(misc, misc->layout(), "DateFormatCheckBox",
                                  QStringLiteral("Date Format:    1 Jan 2005"),
                                  QStringLiteral("Raise error if Date not in this format"), 1018);
    right->addWidget(misc);

    auto* correction = Group(this, QStringLiteral("Auto Correction"));
    AutoCorrectCheckBox = AddCheck(correction, correction->layout(), "AutoCorrectCheckBox",
                                   QStringLiteral("Apply Auto Word Replacements"),
                                   QStringLiteral("Make known corrections to text before displaying"), 1010);
    ReplaceNumeralsCheckBox = AddCheck(correction, correction->layout(), "ReplaceNumeralsCheckBox",
                                       QStringLiteral("Correct Missing Numerals"),
                                       QStringLiteral("Change alpha next to numeral into numeral"), 1010);
    right->addWidget(correction);

    auto* barcode = new QGroupBox(QStringLiteral("Restrict Bar Code"), this);
    auto* barcodeGrid = new QGridLayout(barcode);
    BarcodeFormatCheckBox = new QCheckBox(QStringLiteral("Enabled"), barcode);
    BarcodeFormatCheckBox->setObjectName(QStringLiteral("BarcodeFormatCheckBox"));
    BarcodeFormatEdit = new QLineEdit(QStringLiteral("QZV#######"), barcode);
    BarcodeFormatEdit->setObjectName(QStringLiteral("BarcodeFormatEdit"));
    BarcodeFormatEdit->setToolTip(QStringLiteral("# = numeral, @ = letter"));
    auto* formatLabel = new QLabel(QStringLiteral("Format:"), barcode);
    formatLabel->setBuddy(BarcodeFormatEdit);
    barcodeGrid->addWidget(BarcodeFormatCheckBox, 0, 0, 1, 2);
    barcodeGrid->addWidget(formatLabel, 1, 0);
    barcodeGrid->addWidget(BarcodeFormatEdit, 1, 1);
    right->addWidget(barcode);
    right->addStretch();

    auto* buttons = new QHBoxLayout;
    SaveButton = new QPushButton(QStringLiteral("Save"), this);
    CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    ClearStatsButton = new QPushButton(QStringLiteral("Clear Stats"), this);
    ClearStatsButton->setToolTip(QStringLiteral("Erase all the learned words"));
    SetHelpContext(ClearStatsButton, 1009);
    buttons->addStretch();
    for (QPushButton* b : {SaveButton, CancelButton, ClearStatsButton}) buttons->addWidget(b);
    buttons->addStretch();

    auto* outer = new QVBoxLayout(this);
    outer->addLayout(columns);
    outer->addLayout(buttons);

    // The design states, until the first opening shows the user's values.
    for (QCheckBox* b : {LearnCheckBox, ApplyLearnCheckBox, SplitLinesCheckBox, AutoSplitCheckBox, AutoCorrectCheckBox,
                         ReplaceNumeralsCheckBox, BarcodeFormatCheckBox})
        b->setChecked(true);
    OutputRadio->button(0)->setChecked(true);

    connect(BarcodeFormatCheckBox, &QCheckBox::toggled, BarcodeFormatEdit, &QWidget::setEnabled);
    connect(SaveButton, &QPushButton::clicked, this, &PreferencesWindow::SaveButtonClick);
    connect(CancelButton, &QPushButton::clicked, this, &PreferencesWindow::CancelButtonClick);
    connect(ClearStatsButton, &QPushButton::clicked, this, &PreferencesWindow::ClearStatsButtonClick);
}

void PreferencesWindow::PreferencesToForm(const PreferenceControls& c) {
    if (QAbstractButton* b = OutputRadio->button(c.outputType)) b->setChecked(true);
    MinElevUpDown->setRange(std::min(kMinElevationLow, c.minElevation), std::max(kMinElevationHigh, c.minElevation));
    MinElevUpDown->setValue(c.minElevation);
    DoubleSpaceCheckBox->setChecked(c.doubleSpace);
    LearnCheckBox->setChecked(c.learnFromLabels);
    ApplyLearnCheckBox->setChecked(c.applyLearning);
    SplitLinesCheckBox->setChecked(c.dontSplitLines);
    AutoSplitCheckBox->setChecked(c.autoSplit);
    FeetToMetersCheckBox->setChecked(c.fillMeters);
    DateFormatCheckBox->setChecked(c.dateFormatCheck);
    AutoCorrectCheckBox->setChecked(c.autoCorrect);
    ReplaceNumeralsCheckBox->setChecked(c.replaceNumerals);
    BarcodeFormatCheckBox->setChecked(c.barcodeFormatCheck);
    BarcodeFormatEdit->setText(ToQt(c.barcodeFormatTemplate));
    BarcodeFormatEdit->setEnabled(c.barcodeFormatCheck);
}

PreferenceControls PreferencesWindow::FormToPreferences() const {
    PreferenceControls c;
    c.outputType = OutputRadio->checkedId() < 0 ? 0 : OutputRadio->checkedId();
    c.minElevation = MinElevUpDown->value();
    c.doubleSpace = DoubleSpaceCheckBox->isChecked();
    c.learnFromLabels = LearnCheckBox->isChecked();
    c.applyLearning = ApplyLearnCheckBox->isChecked();
    c.dontSplitLines = SplitLinesCheckBox->isChecked();
    c.autoSplit = AutoSplitCheckBox->isChecked();
    c.fillMeters = FeetToMetersCheckBox->isChecked();
    c.dateFormatCheck = DateFormatCheckBox->isChecked();
    c.autoCorrect = AutoCorrectCheckBox->isChecked();
    c.replaceNumerals = ReplaceNumeralsCheckBox->isChecked();
    c.barcodeFormatCheck = BarcodeFormatCheckBox->isChecked();
    c.barcodeFormatTemplate = FromQt(BarcodeFormatEdit->text());
    return c;
}

void PreferencesWindow::Open() {
    PreferencesToForm(quorl::PreferencesToForm(session));
    show();
    raise();
    activateWindow();
}

void PreferencesWindow::SaveButtonClick() {
    // A save that failed has been reported: the window stays open with the user's values.
    if (SavePreferencesFromForm(session, FormToPreferences())) hide();
}

void PreferencesWindow::CancelButtonClick() { hide(); }

void PreferencesWindow::ClearStatsButtonClick() { ClearStats(session); }

}  // namespace quorl
