#pragma once
// The Photo window "QUORL Photo": the label photograph with a selection box drawn around the text
// to read, nudged pixel by pixel or zoomed into; the threshold mode and level, the OCR language,
// the barcode option, and the three text commands (OCR && Parse, OCR Only, Parse).
#include <QMainWindow>
#include <filesystem>
#include <string>

#include "ocr/GreyImage.h"
#include "ocr/OcrSelection.h"
#include "ocr/PhotoGeometry.h"

class QAction;
class QButtonGroup;
class QCheckBox;
class QLabel;
class QPushButton;
class QSlider;
class QTextEdit;

namespace quorl {

class PhotoCanvas;
class Session;

class PhotoWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit PhotoWindow(Session& s);
    ~PhotoWindow() override;

    Session& session;
    // The window that "Main Form" and the parse commands bring to the front (may be nullptr).
    QWidget* mainWindow = nullptr;

    // The main window's "Photo from File": a JPEG chosen with the open dialog is shown (cancelling
    // the dialog shows the last one again).
    void PhotoFromFileButtonClick();
    // Loads LabelImagePath and shows it; a file that cannot be decoded is said ("Error loading "
    // and the path) and the picture shown before stays.
    void LoadLabelImage();

    // Handlers of the window's controls.
    void OCRAndParseButtonClick();
    void OCRAndAddButtonClick();
    void ParseOnlyButtonClick();
    void Button1Click();  // Clear Text
    void Button2Click();  // Zoom in
    void UpbuttonClick();
    void DownButtonClick();
    void LeftButtonClick();
    void RightButtonClick();
    void RadioGroup1Click();
    void ThresholdTrackbarChange();
    void SetLanguage(const std::string& code);

    // State of the picture and the selection.
    std::filesystem::path LabelImagePath;
    double DisplayScale = 1.0;
    SelectionBox SelectionRect;
    bool PreviewShown = false;
    PixelRect DisplayRect;
    PixelRect PictureRect;
    const GreyImage& LabelPicture() const { return labelPicture_; }
    // Where Image1 lies in the window's client area.
    DisplayArea Image1Area() const;

    PhotoCanvas* Image1;
    QSlider* ThresholdTrackbar;
    QLabel* ThresholdLabel;
    QButtonGroup* RadioGroup1;
    QPushButton* Upbutton;
    QPushButton* DownButton;
    QPushButton* LeftButton;
    QPushButton* RightButton;
    QLabel* ImageNameLabel;
    QLabel* BarCodeImage;
    QTextEdit* RichEdit1;
    QPushButton* OCRAndParseButton;
    QPushButton* ParseOnlyButton;
    QPushButton* OCRAndAddButton;
    QPushButton* Button1;
    QPushButton* Button2;
    QCheckBox* GetBarcodeCheckBox;
    QAction* Exit1;
    QAction* View1;
    QAction* Help1;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls(QWidget* client);
    void BuildMenu();
    void ShowLabelImage();
    void RestoreOcrRegion();
    void Image1MouseDown(QPoint p);
    void Image1MouseMove(QPoint p);
    void Image1MouseUp(QPoint p);
    // The picture area follows the window: the picture is fitted to its new size and the
    // selection and preview stay on their part of the picture.
    void Image1Resize();
    void Nudge(quorl::Nudge direction);
    void ShowSelection();
    // The selected part of the picture, or an empty rectangle after telling the user why.
    PixelRect SelectedPictureRect();
    // Runs the OCR over the selection; false when there was nothing to read or no engine.
    bool RunOcr(OcrRun& run);
    void FocusMainWindow();

    GreyImage labelPicture_;
};

}  // namespace quorl
