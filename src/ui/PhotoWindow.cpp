#include "ui/PhotoWindow.h"

#include <QActionGroup>
#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStatusBar>
#include <QTextEdit>
#include <QVBoxLayout>

#include "model/Log.h"
#include "model/Session.h"
#include "ocr/JpegDecode.h"
#include "ocr/PhotoCommands.h"
#include "ui/HelpContext.h"
#include "ui/PhotoCanvas.h"
#include "ui/QtText.h"
#include "ui/ScreenFit.h"

namespace quorl {

namespace {

constexpr int kPhotoHelpContext = 4;
constexpr QSize kDesignSize(1060, 860);
constexpr QSize kMinimumPictureArea(240, 180);
constexpr const char* kNothingSelected = "Select a region of the picture with text to OCR.";
constexpr const char* kNoPicture = "Load a label picture first.";

struct LanguageItem {
    const char* menuName;
    const char* caption;
    const char* code;
};
constexpr LanguageItem kLanguages[] = {
    {"Dutch1", "Dutch", "nld"},           {"English1", "English", "eng"}, {"French1", "French", "fra"},
    {"German1", "German", "deu"},         {"Portuguese1", "Portuguese", "por"},
    {"Spanish1", "Spanish", "spa"},
};

// A null image when the picture is empty or there is no memory for its copy.
QImage ToQImage(const GreyImage& g) {
    if (g.Empty()) return {};
    QImage img(g.width, g.height, QImage::Format_Grayscale8);
    if (img.isNull()) return {};
    for (int y = 0; y < g.height; ++y) std::copy_n(g.Row(y), g.width, img.scanLine(y));
    return img;
}

QRect ToQRect(const PixelRect& r) { return QRect(r.left, r.top, r.Width(), r.Height()); }

// A button of a fixed size; placed at (x, y) when it does not go into a layout.
QPushButton* Button(QWidget* parent, const QString& caption, int w, int h, int x = 0, int y = 0) {
    auto* b = new QPushButton(caption, parent);
    b->setFixedSize(w, h);
    b->move(x, y);
    return b;
}

QLabel* Label(QWidget* parent, const QString& caption, int x, int y, int w, int h) {
    auto* l = new QLabel(caption, parent);
    l->setGeometry(x, y, w, h);
    return l;
}

}  // namespace

PhotoWindow::PhotoWindow(Session& s) : session(s) {
    setWindowTitle(QStringLiteral("QUORL Photo"));
    auto* client = new QWidget(this);
    setCentralWidget(client);
    BuildControls(client);
    BuildMenu();
    // The bottom panel's text stays: no menu hint replaces it.
    auto* panelText = new QLabel(QStringLiteral("Select region with text to OCR"), this);
    panelText->setObjectName(QStringLiteral("PanelText"));
    statusBar()->addPermanentWidget(panelText, 1);
    statusBar()->setSizeGripEnabled(false);
    resize(FitToScreen(this, kDesignSize));
    RichEdit1->clear();
}

PhotoWindow::~PhotoWindow() = default;

void PhotoWindow::BuildControls(QWidget* c) {
    // The picture area takes whatever room the window has; the text box, the text commands under
    // it and the panel of settings on the right keep their size, so that every control stays
    // reachable down to a window that fits a 1366 x 768 screen.
    auto* columns = new QHBoxLayout(c);
    columns->setContentsMargins(8, 8, 16, 8);
    columns->setSpacing(16);
    auto* left = new QVBoxLayout;
    left->setSpacing(10);
    columns->addLayout(left, 1);

    Image1 = new PhotoCanvas(c);
    Image1->setMinimumSize(kMinimumPictureArea);
    Image1->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    Image1->onPress = [this](QPoint p) { Image1MouseDown(p); };
    Image1->onMove = [this](QPoint p) { Image1MouseMove(p); };
    Image1->onRelease = [this](QPoint p) { Image1MouseUp(p); };
    Image1->onResize = [this] { Image1Resize(); };
    left->addWidget(Image1, 1);

    RichEdit1 = new QTextEdit(c);
    RichEdit1->setAcceptRichText(false);
    RichEdit1->setFixedHeight(180);
    left->addWidget(RichEdit1);

    auto* commands = new QHBoxLayout;
    commands->setSpacing(8);
    OCRAndParseButton = Button(c, QStringLiteral("OCR && Parse"), 120, 30);
    ParseOnlyButton = Button(c, QStringLiteral("Parse"), 100, 30);
    OCRAndAddButton = Button(c, QStringLiteral("OCR Only"), 100, 30);
    Button1 = Button(c, QStringLiteral("Clear Text"), 100, 30);
    for (QPushButton* b : {OCRAndParseButton, ParseOnlyButton, OCRAndAddButton, Button1}) commands->addWidget(b);
    commands->addStretch(1);
    left->addLayout(commands);
    connect(OCRAndParseButton, &QPushButton::clicked, this, &PhotoWindow::OCRAndParseButtonClick);
    connect(ParseOnlyButton, &QPushButton::clicked, this, &PhotoWindow::ParseOnlyButtonClick);
    connect(OCRAndAddButton, &QPushButton::clicked, this, &PhotoWindow::OCRAndAddButtonClick);
    connect(Button1, &QPushButton::clicked, this, &PhotoWindow::Button1Click);

    // The settings panel: its controls keep their places within it.
    auto* panel = new QWidget(c);
    panel->setFixedSize(260, 420);
    auto* right = new QVBoxLayout;
    right->addWidget(panel);
    right->addStretch(1);
    columns->addLayout(right);

    auto* group = new QGroupBox(QStringLiteral("Threshold"), panel);
    group->setGeometry(0, 0, 260, 100);
    group->setToolTip(QStringLiteral("Image theshold automatic or manual"));
    auto* column = new QVBoxLayout(group);
    RadioGroup1 = new QButtonGroup(this);
    const char* modes[] = {"Automatic", "Manual", "Analyze"};
    for (int i = 0; i < 3; ++i) {
        auto* r = new QRadioButton(QString::fromLatin1(modes[i]), group);
        column->addWidget(r);
        RadioGroup1->addButton(r, i);
    }
    RadioGroup1->button(0)->setChecked(true);
    connect(RadioGroup1, &QButtonGroup::idClicked, this, [this](int) { RadioGroup1Click(); });

    ThresholdTrackbar = new QSlider(Qt::Horizontal, panel);
    ThresholdTrackbar->setGeometry(0, 132, 260, 24);
    ThresholdTrackbar->setRange(0, 250);
    ThresholdTrackbar->setValue(100);
    ThresholdTrackbar->setEnabled(false);
    ThresholdTrackbar->setToolTip(QStringLiteral("Adjust threshold lower or higher"));
    ThresholdTrackbar->installEventFilter(this);
    connect(ThresholdTrackbar, &QSlider::valueChanged, this, [this](int) { ThresholdTrackbarChange(); });
    Label(panel, QStringLiteral("Lower"), 0, 110, 60, 18)->setToolTip(QStringLiteral("Lower threshold makes more white areas"));
    Label(panel, QStringLiteral("Higher"), 200, 110, 60, 18)->setToolTip(QStringLiteral("Higher threshold makes more dark areas"));
    ThresholdLabel = Label(panel, QStringLiteral("100"), 110, 110, 40, 18);
    ThresholdLabel->setAlignment(Qt::AlignCenter);

    // The nudge buttons, as a cross.
    Upbutton = Button(panel, QStringLiteral("U"), 32, 28, 50, 172);
    LeftButton = Button(panel, QStringLiteral("L"), 32, 28, 14, 204);
    RightButton = Button(panel, QStringLiteral("R"), 32, 28, 86, 204);
    DownButton = Button(panel, QStringLiteral("D"), 32, 28, 50, 236);
    connect(Upbutton, &QPushButton::clicked, this, &PhotoWindow::UpbuttonClick);
    connect(DownButton, &QPushButton::clicked, this, &PhotoWindow::DownButtonClick);
    connect(LeftButton, &QPushButton::clicked, this, &PhotoWindow::LeftButtonClick);
    connect(RightButton, &QPushButton::clicked, this, &PhotoWindow::RightButtonClick);
    Button2 = Button(panel, QStringLiteral("Zoom in"), 100, 28, 150, 204);
    connect(Button2, &QPushButton::clicked, this, &PhotoWindow::Button2Click);

    GetBarcodeCheckBox = new QCheckBox(QStringLiteral("Get Barcode"), panel);
    GetBarcodeCheckBox->setGeometry(0, 282, 160, 22);
    BarCodeImage = new QLabel(panel);
    BarCodeImage->setGeometry(0, 308, 145, 67);
    BarCodeImage->setFrameShape(QFrame::Box);
    BarCodeImage->setScaledContents(true);
    ImageNameLabel = Label(panel, QString(), 0, 388, 260, 18);
}

void PhotoWindow::BuildMenu() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("File"));
    Exit1 = file->addAction(QStringLiteral("Exit"), this, [this] { hide(); });
    View1 = menuBar()->addAction(QStringLiteral("Main Form"), this, [this] { FocusMainWindow(); });
    QMenu* language = menuBar()->addMenu(QStringLiteral("Language"));
    auto* exclusive = new QActionGroup(this);
    for (const LanguageItem& item : kLanguages) {
        QAction* a = language->addAction(QString::fromLatin1(item.caption));
        a->setObjectName(QString::fromLatin1(item.menuName));
        a->setCheckable(true);
        a->setChecked(std::string(item.code) == "eng");
        exclusive->addAction(a);
        const std::string code = item.code;
        connect(a, &QAction::triggered, this, [this, code] { SetLanguage(code); });
    }
    Help1 = menuBar()->addAction(QStringLiteral("Help"), this, [this] { RequestHelp(session, kPhotoHelpContext); });
}

DisplayArea PhotoWindow::Image1Area() const {
    return {Image1->x(), Image1->y(), Image1->width(), Image1->height()};
}

void PhotoWindow::PhotoFromFileButtonClick() {
    std::filesystem::path chosen;
    // The dialog starts in the folder of the picture it opened last. Cancelled, it loads nothing
    // and changes nothing: the picture shown and the name the main window shows stay.
    const std::filesystem::path folder = LabelImagePath.empty() ? session.ProgramFolder : LabelImagePath.parent_path();
    if (!session.dialogs.ChooseFile("JPEG|*.jpg", folder, chosen)) return;
    LabelImagePath = chosen;
    PreviewShown = false;
    SelectionRect.Clear();
    const std::string name = LabelImagePath.filename().string();
    session.form.SetText("ImageLabel", name);
    WriteToLog(session, "Image: " + LabelImagePath.string());
    ImageNameLabel->setText(ToQt(name));
    RichEdit1->clear();
    LoadLabelImage();
}

void PhotoWindow::LoadLabelImage() {
    std::string warning;
    try {
        labelPicture_ = LoadJpegGrey(LabelImagePath, &warning);
    } catch (const JpegError& e) {
        show();
        WriteToLog(session, "Error loading " + LabelImagePath.string() + ": " + e.what());
        session.dialogs.ShowMessage("Error loading " + LabelImagePath.string() + "\r\n" + e.what());
        session.dialogs.HideBusy();
        return;
    }
    Image1->SetPreview({}, {});
    ShowLabelImage();
    session.dialogs.HideBusy();
    if (!warning.empty()) {
        WriteToLog(session, LabelImagePath.string() + ": " + warning);
        session.dialogs.ShowMessage(LabelImagePath.string() + "\r\n" + warning);
    }
}

void PhotoWindow::ShowLabelImage() {
    show();
    DisplayScale = DisplayScaleFor(labelPicture_.width, labelPicture_.height, Image1->width(), Image1->height());
    const PixelRect drawn = DrawnPictureRect(labelPicture_.width, labelPicture_.height, DisplayScale);
    const QImage shown = ToQImage(labelPicture_);
    if (shown.isNull() && !labelPicture_.Empty())
        session.dialogs.ShowMessage("Not enough memory to show the picture (" + std::to_string(labelPicture_.width) +
                                    " x " + std::to_string(labelPicture_.height) + ").");
    Image1->SetPicture(shown, ToQRect(drawn));
    ThresholdLabel->setText(QString::number(ThresholdTrackbar->value()));
    SelectionRect.Clear();
    ShowSelection();
}

void PhotoWindow::Image1Resize() {
    if (labelPicture_.Empty()) return;
    const double before = DisplayScale;
    DisplayScale = DisplayScaleFor(labelPicture_.width, labelPicture_.height, Image1->width(), Image1->height());
    if (DisplayScale == before) return;
    const double factor = DisplayScale / before;
    Image1->SetPictureArea(ToQRect(DrawnPictureRect(labelPicture_.width, labelPicture_.height, DisplayScale)));
    DisplayRect = ScaledDisplayRect(DisplayRect, factor);
    Image1->SetPreviewArea(ToQRect(DisplayRect));
    SelectionRect.Rescale(factor, Image1Area());
    ShowSelection();
}

void PhotoWindow::ShowSelection() {
    if (!SelectionRect.Exists()) {
        Image1->SetSelection({});
        return;
    }
    const DisplayArea a = Image1Area();
    Image1->SetSelection(QRect(QPoint(SelectionRect.first.x - a.left, SelectionRect.first.y - a.top),
                               QPoint(SelectionRect.second.x - a.left, SelectionRect.second.y - a.top)));
}

void PhotoWindow::RestoreOcrRegion() {
    if (PreviewShown) {
        Image1->SetPreview({}, {});
        PreviewShown = false;
    } else {
        PreviewShown = true;
    }
}

void PhotoWindow::Image1MouseDown(QPoint p) {
    if (PreviewShown) RestoreOcrRegion();
    SelectionRect.Press({p.x(), p.y()}, Image1Area());
    ShowSelection();
}

void PhotoWindow::Image1MouseMove(QPoint p) {
    if (!SelectionRect.Dragging()) return;
    SelectionRect.Move({p.x(), p.y()}, Image1Area(),
                       DrawnPictureRect(labelPicture_.width, labelPicture_.height, DisplayScale));
    ShowSelection();
}

void PhotoWindow::Image1MouseUp(QPoint) {
    SelectionRect.Release();
    ShowSelection();
}

void PhotoWindow::Nudge(quorl::Nudge direction) {
    if (SelectionRect.Shift(direction, Image1Area())) ShowSelection();
}

void PhotoWindow::UpbuttonClick() { Nudge(Nudge::Up); }
void PhotoWindow::DownButtonClick() { Nudge(Nudge::Down); }
void PhotoWindow::LeftButtonClick() { Nudge(Nudge::Left); }
void PhotoWindow::RightButtonClick() { Nudge(Nudge::Right); }

void PhotoWindow::RadioGroup1Click() { ThresholdTrackbar->setEnabled(RadioGroup1->checkedId() != 0); }

void PhotoWindow::ThresholdTrackbarChange() { ThresholdLabel->setText(QString::number(ThresholdTrackbar->value())); }

void PhotoWindow::SetLanguage(const std::string& code) {
    session.OcrLanguage = code;
    for (const LanguageItem& item : kLanguages)
        if (QAction* a = findChild<QAction*>(QString::fromLatin1(item.menuName))) a->setChecked(code == item.code);
}

bool PhotoWindow::eventFilter(QObject* watched, QEvent* event) {
    // Releasing a key on the track bar reloads the picture from its file: preview, zoom and
    // selection are gone.
    if (watched == ThresholdTrackbar && event->type() == QEvent::KeyRelease && !LabelImagePath.empty()) LoadLabelImage();
    return QMainWindow::eventFilter(watched, event);
}

void PhotoWindow::Button1Click() { RichEdit1->clear(); }

PixelRect PhotoWindow::SelectedPictureRect() {
    if (labelPicture_.Empty()) {
        session.dialogs.ShowMessage(kNoPicture);
        return {};
    }
    DisplayRect = SelectedDisplayRect(SelectionRect, Image1Area());
    const PixelRect r = PictureRectFor(DisplayRect, DisplayScale, labelPicture_.width, labelPicture_.height);
    if (r.Empty()) session.dialogs.ShowMessage(kNothingSelected);
    return r;
}

void PhotoWindow::Button2Click() {
    const PixelRect r = SelectedPictureRect();
    if (r.Empty()) return;
    PictureRect = r;
    labelPicture_ = CropImage(labelPicture_, r);
    Image1->SetPreview({}, {});
    ShowLabelImage();
}

bool PhotoWindow::RunOcr(OcrRun& run) {
    const PixelRect r = SelectedPictureRect();
    if (r.Empty()) return false;
    PictureRect = r;
    OcrSettings settings;
    settings.mode = static_cast<ThresholdMode>(RadioGroup1->checkedId());
    settings.manualThreshold = ThresholdTrackbar->value();
    settings.getBarcode = GetBarcodeCheckBox->isChecked();
    settings.language = session.OcrLanguage.empty() ? "eng" : session.OcrLanguage;
    run = OcrSelection(session, labelPicture_, r, settings);
    if (!run.engineReady) {
        session.dialogs.HideBusy();
        return false;
    }
    ThresholdTrackbar->setValue(run.threshold);
    ThresholdLabel->setText(QString::number(run.threshold));
    if (!run.preview.Empty()) Image1->SetPreview(ToQImage(run.preview), ToQRect(DisplayRect));
    if (!run.barcodeImage.Empty()) BarCodeImage->setPixmap(QPixmap::fromImage(ToQImage(run.barcodeImage)));
    return true;
}

void PhotoWindow::OCRAndParseButtonClick() {
    OcrRun run;
    if (!RunOcr(run)) return;
    ParseOcrText(session, run.text);
    session.dialogs.HideBusy();
    FocusMainWindow();
}

void PhotoWindow::OCRAndAddButtonClick() {
    RestoreOcrRegion();
    OcrRun run;
    if (!RunOcr(run)) return;
    session.dialogs.HideBusy();
    QTextCharFormat black;
    black.setForeground(Qt::black);
    QTextCursor all(RichEdit1->document());
    all.select(QTextCursor::Document);
    all.mergeCharFormat(black);
    QTextCharFormat red;
    red.setForeground(QColor(255, 0, 0));
    QTextCursor end(RichEdit1->document());
    end.movePosition(QTextCursor::End);
    end.insertText(ToQtLines(PrepareOcrText(session, run.text)), red);
}

void PhotoWindow::ParseOnlyButtonClick() {
    ParsePhotoText(session, FromQtLines(RichEdit1->toPlainText()));
    FocusMainWindow();
}

void PhotoWindow::FocusMainWindow() {
    if (!mainWindow) return;
    mainWindow->show();
    mainWindow->raise();
    mainWindow->activateWindow();
}

}  // namespace quorl
