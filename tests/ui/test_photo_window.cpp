// The Photo window driven through its widgets: a JPEG label photo chosen with the open dialog,
// a box dragged around its text and nudged, the OCR on the real engine filling the main window,
// the zoom and its undoing, the text commands, and the refusals (broken file, empty box).
#include <QAction>
#include <QButtonGroup>
#include <QFont>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <QStatusBar>
#include <QTest>
#include <QTextEdit>
#include <algorithm>

#include "JpegTestFiles.h"
#include "UiTestSupport.h"
#include "help/HelpHook.h"
#include "ui/MainWindow.h"
#include "ui/PhotoCanvas.h"
#include "ui/PhotoWindow.h"

using namespace quorl;
using namespace quorl::testing;
namespace fs = std::filesystem;

namespace {

// A label photo: five lines of 12-point text at 300 dpi on grey paper, with a dark frame around
// the picture that is not part of the label.
fs::path WriteLabelPhoto(const fs::path& folder) {
    QImage img(2000, 1200, QImage::Format_RGB32);
    img.fill(QColor(60, 60, 60));
    QPainter p(&img);
    p.fillRect(QRect(200, 150, 1600, 800), QColor(232, 228, 220));
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPixelSize(50);
    p.setFont(font);
    p.setPen(Qt::black);
    const char* lines[] = {"LICHENS OF NEW YORK STATE", "Rockland County: Harriman State Park",
                           "on granite boulders", "19 April 1998", "Richard C. Harris 42164"};
    int y = 300;
    for (const char* line : lines) {
        p.drawText(260, y, QString::fromLatin1(line));
        y += 130;
    }
    p.end();
    img.setDotsPerMeterX(11811);
    img.setDotsPerMeterY(11811);
    const fs::path file = folder / "label.jpg";
    img.save(QString::fromStdString(file.string()), "JPG", 92);
    return file;
}

}  // namespace

class TestPhotoWindow : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ProgramFolder> program_;
    using Started = StartedWindow<ScriptedDialogs>;

    static void Drag(PhotoWindow& w, QPoint from, QPoint to) {
        QTest::mousePress(w.Image1, Qt::LeftButton, {}, from);
        QTest::mouseMove(w.Image1, (from + to) / 2);
        QTest::mouseMove(w.Image1, to);
        QTest::mouseRelease(w.Image1, Qt::LeftButton, {}, to);
    }

    // Resizes the window so that its picture area gets the given size.
    static void SetPictureArea(PhotoWindow& w, QSize area) {
        w.show();
        w.resize(w.size() + area - w.Image1->size());
        QTRY_COMPARE(w.Image1->size(), area);
    }

    // A Photo window whose picture area is 760 x 570.
    template <class S>
    static std::unique_ptr<PhotoWindow> Photo(S& s) {
        auto w = std::make_unique<PhotoWindow>(s.session);
        w->mainWindow = s.window.get();
        SetPictureArea(*w, QSize(760, 570));
        return w;
    }

    static void Load(Started& s, PhotoWindow& photo, const fs::path& file) {
        s.dialogs.files.push_back(file);
        photo.PhotoFromFileButtonClick();
    }

private slots:
    void init() { program_ = std::make_unique<ProgramFolder>(); }
    void cleanup() { program_.reset(); }

    void loadDragNudgeAndParse() {
        auto s = StartWindow();
        auto photo = Photo(*s);
        const fs::path file = WriteLabelPhoto(program_->path);
        s->dialogs.files.push_back(file);
        photo->PhotoFromFileButtonClick();
        QVERIFY(photo->isVisible());
        QCOMPARE(s->form().Get("ImageLabel").text, std::string("label.jpg"));
        QCOMPARE(photo->ImageNameLabel->text(), QStringLiteral("label.jpg"));
        QCOMPARE(photo->LabelPicture().width, 2000);
        // 2000 x 1200 into 760 x 570: the width decides.
        QCOMPARE(photo->DisplayScale, 0.38);

        // A drag from the label's bottom right to its top left, ending in order.
        const DisplayArea a = photo->Image1Area();
        Drag(*photo, QPoint(690, 370), QPoint(80, 60));
        QCOMPARE(photo->SelectionRect.first, (Point{80 + a.left, 60 + a.top}));
        QCOMPARE(photo->SelectionRect.second, (Point{690 + a.left, 370 + a.top}));
        QVERIFY(!photo->Image1->Selection().isEmpty());
        QTest::mouseClick(photo->RightButton, Qt::LeftButton);
        QTest::mouseClick(photo->DownButton, Qt::LeftButton);
        QCOMPARE(photo->SelectionRect.first, (Point{81 + a.left, 61 + a.top}));
        QCOMPARE(photo->SelectionRect.second, (Point{691 + a.left, 371 + a.top}));

        QTest::mouseClick(photo->OCRAndParseButton, Qt::LeftButton);
        QVERIFY2(s->dialogs.messages.empty(), s->dialogs.messages.empty() ? "" : s->dialogs.messages[0].c_str());
        const std::string label = s->form().Get("RichEdit1").text;
        QVERIFY2(label.find("Harriman State Park") != std::string::npos, label.c_str());
        QCOMPARE(s->form().Get("CollectorEdit").text, std::string("Richard C. Harris"));
        QCOMPARE(s->form().Get("NumberEdit").text, std::string("42164"));
        QVERIFY(!s->dialogs.busyVisible);
        // The area read is shown black and white, the track bar at the threshold used.
        QVERIFY(photo->Image1->PreviewVisible());
        QCOMPARE(photo->PictureRect, (PixelRect{213, 160, 1818, 976}));
        QCOMPARE(photo->ThresholdLabel->text(), QString::number(photo->ThresholdTrackbar->value()));

        // "Parse" parses the Photo window's own text.
        photo->RichEdit1->setPlainText(QStringLiteral("LICHENS OF OHIO\n\nOn bark of oak\n\n3 May 2001\n\nAlan B. Smith 77"));
        QTest::mouseClick(photo->ParseOnlyButton, Qt::LeftButton);
        QCOMPARE(s->form().Get("CollectorEdit").text, std::string("Alan B. Smith"));
        QCOMPARE(s->form().Get("NumberEdit").text, std::string());  // the fields were cleared first
        QCOMPARE(s->form().Get("RichEdit1").text,
                 std::string("LICHENS OF OHIO\r\n\r\nOn bark of oak\r\n\r\n3 May 2001\r\n\r\nAlan B. Smith 77"));
    }

    // A second click on OCR & Parse while the label is read is dropped: one OCR and one parse.
    void aSecondClickDuringTheOcrIsDropped() {
        auto s = StartWindow<BusyScriptedDialogs>();
        BusyWindow busy(s->window.get());
        s->dialogs.busy = &busy;
        auto photo = Photo(*s);
        s->dialogs.files.push_back(WriteLabelPhoto(program_->path));
        photo->PhotoFromFileButtonClick();
        Drag(*photo, QPoint(690, 370), QPoint(80, 60));
        int reads = 0;
        s->dialogs.onShow = [&] {
            if (s->dialogs.busyMessage == "Performing OCR" && ++reads == 1) PostClick(photo->OCRAndParseButton);
        };
        QTest::mouseClick(photo->OCRAndParseButton, Qt::LeftButton);
        QTest::qWait(50);
        QCOMPARE(reads, 1);
        QCOMPARE(std::ranges::count(s->dialogs.shown, std::string("busy: Please Wait... / Parsing Information")), 1);
        QCOMPARE(s->form().Get("CollectorEdit").text, std::string("Richard C. Harris"));
    }

    void ocrOnlyAppendsInRedAndZoomIsUndoneByTheTrackBar() {
        auto s = StartWindow();
        auto photo = Photo(*s);
        s->dialogs.files.push_back(WriteLabelPhoto(program_->path));
        photo->PhotoFromFileButtonClick();
        photo->RichEdit1->setPlainText(QStringLiteral("earlier"));
        Drag(*photo, QPoint(80, 60), QPoint(690, 200));
        QTest::mouseClick(photo->OCRAndAddButton, Qt::LeftButton);
        const QString text = photo->RichEdit1->toPlainText();
        QVERIFY2(text.startsWith(QStringLiteral("earlier")) && text.contains(QStringLiteral("LICHENS OF NEW YORK")),
                 qPrintable(text));
        QTextCursor end(photo->RichEdit1->document());
        end.movePosition(QTextCursor::End);
        QCOMPARE(end.charFormat().foreground().color(), QColor(255, 0, 0));
        QTextCursor start(photo->RichEdit1->document());
        start.movePosition(QTextCursor::Right);
        QCOMPARE(start.charFormat().foreground().color(), QColor(Qt::black));
        QCOMPARE(s->form().Get("RichEdit1").text, std::string());  // no parse

        // Zoom into the box: the part fills the window; a key on the track bar brings the file back.
        Drag(*photo, QPoint(76, 57), QPoint(456, 342));
        QTest::mouseClick(photo->Button2, Qt::LeftButton);
        QCOMPARE(photo->LabelPicture().width, 1000);
        QVERIFY(!photo->SelectionRect.Exists());
        photo->RadioGroup1->button(1)->click();
        QVERIFY(photo->ThresholdTrackbar->isEnabled());
        QTest::keyClick(photo->ThresholdTrackbar, Qt::Key_Right);
        QCOMPARE(photo->LabelPicture().width, 2000);
    }

    void refusalsLeaveThingsAsTheyWere() {
        auto s = StartWindow();
        auto photo = Photo(*s);
        // Nothing loaded: nothing to read.
        QTest::mouseClick(photo->OCRAndParseButton, Qt::LeftButton);
        QCOMPARE(s->dialogs.messages.size(), size_t(1));

        s->dialogs.files.push_back(WriteLabelPhoto(program_->path));
        photo->PhotoFromFileButtonClick();
        const fs::path broken = program_->path / "broken.jpg";
        WriteAll(broken, "not a picture");
        s->dialogs.files.push_back(broken);
        photo->PhotoFromFileButtonClick();
        QVERIFY(s->dialogs.messages.back().rfind("Error loading " + broken.string() + "\r\nNot a JPEG file", 0) == 0);
        QCOMPARE(photo->LabelPicture().width, 2000);
        QCOMPARE(photo->DisplayScale, 0.38);
        // A few hundred bytes that declare 60000 x 60000 pixels are refused from their header.
        const fs::path huge = program_->path / "huge.jpg";
        WriteAll(huge, WithDeclaredSize(MakeGreyJpeg(16, 16), 60000, 60000));
        s->dialogs.files.push_back(huge);
        photo->PhotoFromFileButtonClick();
        QCOMPARE(s->dialogs.messages.back(), "Error loading " + huge.string() + "\r\nPicture too large: 60000 x 60000");
        QCOMPARE(photo->LabelPicture().width, 2000);

        // A click without a drag is a box of no size: refused, the engine is not started.
        s->form().SetText("RichEdit1", "kept");
        QTest::mouseClick(photo->Image1, Qt::LeftButton, {}, QPoint(100, 100));
        QVERIFY(photo->SelectionRect.Exists());
        const size_t before = s->dialogs.messages.size();
        QTest::mouseClick(photo->OCRAndParseButton, Qt::LeftButton);
        QCOMPARE(s->dialogs.messages.size(), before + 1);
        QCOMPARE(s->form().Get("RichEdit1").text, std::string("kept"));

        // One language at a time.
        photo->findChild<QAction*>(QStringLiteral("Spanish1"))->trigger();
        QCOMPARE(s->session.OcrLanguage, std::string("spa"));
        QVERIFY(!photo->findChild<QAction*>(QStringLiteral("English1"))->isChecked());
        photo->findChild<QAction*>(QStringLiteral("Dutch1"))->trigger();
        QCOMPARE(s->session.OcrLanguage, std::string("nld"));
        QVERIFY(!photo->findChild<QAction*>(QStringLiteral("Spanish1"))->isChecked());

        // A photo cut short is shown as far as it goes, and the user hears that it is incomplete.
        const fs::path whole = WriteLabelPhoto(program_->path);
        const std::string bytes = ReadAll(whole);
        const fs::path cut = program_->path / "cut.jpg";
        WriteAll(cut, bytes.substr(0, bytes.size() * 2 / 3));
        s->dialogs.files.push_back(cut);
        photo->PhotoFromFileButtonClick();
        QCOMPARE(photo->LabelPicture().width, 2000);
        QVERIFY(s->dialogs.messages.back().find("The picture is incomplete") != std::string::npos);
    }

    void pictureAreaFollowsTheWindowAndTheBoxStaysOnThePicture() {
        auto s = StartWindow();
        auto photo = Photo(*s);
        Load(*s, *photo, WriteLabelPhoto(program_->path));
        Drag(*photo, QPoint(80, 60), QPoint(690, 370));
        const DisplayArea a = photo->Image1Area();
        // A smaller area: a smaller scale, the box on the same part of the picture.
        SetPictureArea(*photo, QSize(456, 300));
        QCOMPARE(photo->DisplayScale, 0.228);
        QCOMPARE(photo->Image1Area().left, a.left);
        QCOMPARE(photo->SelectionRect.first, (Point{48 + a.left, 36 + a.top}));
        QCOMPARE(photo->SelectionRect.second, (Point{414 + a.left, 222 + a.top}));
        QCOMPARE(photo->Image1->Selection(), QRect(QPoint(48, 36), QPoint(414, 222)));
        // A taller area: the width still decides.
        SetPictureArea(*photo, QSize(500, 600));
        QCOMPARE(photo->DisplayScale, 0.25);
        QCOMPARE(photo->SelectionRect.second, (Point{454 + a.left, 243 + a.top}));
    }

    void panelTextStaysWhenAMenuItemIsHovered() {
        auto s = StartWindow();
        auto photo = Photo(*s);
        const QString text = QStringLiteral("Select region with text to OCR");
        auto shown = [&] {
            if (photo->statusBar()->currentMessage() == text) return true;
            for (QLabel* l : photo->statusBar()->findChildren<QLabel*>())
                if (l->isVisible() && l->text() == text) return true;
            return false;
        };
        QVERIFY(shown());
        for (QAction* item : {photo->Exit1, photo->View1, photo->Help1}) {
            item->showStatusText(photo.get());  // what a menu does while the mouse is over an item
            QVERIFY(shown());
        }
    }

    void openDialogStartsWhereTheLastPictureWas() {
        auto s = StartWindow();
        auto photo = Photo(*s);
        const fs::path pictures = program_->path / "pictures";
        fs::create_directories(pictures);
        fs::rename(WriteLabelPhoto(program_->path), pictures / "label.jpg");
        Load(*s, *photo, pictures / "label.jpg");
        s->form().SetText("ImageLabel", "notes.txt");  // a text file opened since
        photo->PhotoFromFileButtonClick();  // cancelled: the picture stays, nothing is renamed
        QCOMPARE(s->dialogs.fileFolders, (std::vector<fs::path>{program_->path, pictures}));
        QCOMPARE(photo->LabelPicture().width, 2000);
        QCOMPARE(s->form().Get("ImageLabel").text, std::string("notes.txt"));
    }

    // A preview drawn by "OCR Only" gives way to the picture at the next press on it; one drawn
    // by "OCR && Parse" stays.
    void previewAfterOcrOnlyGoesAtTheNextPress() {
        auto s = StartWindow();
        auto photo = Photo(*s);
        Load(*s, *photo, WriteLabelPhoto(program_->path));
        Drag(*photo, QPoint(80, 60), QPoint(690, 200));
        QTest::mouseClick(photo->OCRAndAddButton, Qt::LeftButton);
        QVERIFY(photo->Image1->PreviewVisible());
        QTest::mousePress(photo->Image1, Qt::LeftButton, {}, QPoint(100, 100));
        QTest::mouseRelease(photo->Image1, Qt::LeftButton, {}, QPoint(100, 100));
        QVERIFY(!photo->Image1->PreviewVisible());

        Drag(*photo, QPoint(80, 60), QPoint(690, 370));
        QTest::mouseClick(photo->OCRAndParseButton, Qt::LeftButton);
        QVERIFY(photo->Image1->PreviewVisible());
        QTest::mousePress(photo->Image1, Qt::LeftButton, {}, QPoint(100, 100));
        QTest::mouseRelease(photo->Image1, Qt::LeftButton, {}, QPoint(100, 100));
        QVERIFY(photo->Image1->PreviewVisible());
    }

    void menuItemsExitMainFormAndHelp() {
        auto s = StartWindow();
        auto photo = Photo(*s);
        std::vector<int> asked;
        s->session.HelpSystem->onContext = [&](int id) { asked.push_back(id); };
        photo->Help1->trigger();
        QCOMPARE(asked, std::vector<int>{4});
        s->session.HelpSystem->onContext = nullptr;

        s->window->hide();
        photo->View1->trigger();
        QVERIFY(s->window->isVisible());
        QVERIFY(photo->isVisible());
        photo->Exit1->trigger();
        QVERIFY(!photo->isVisible());
        QVERIFY(s->window->isVisible());
    }

    // The main window keeps its "Photo from File" button and "View Image" item hidden.
    void mainWindowKeepsThePhotoPathHidden() {
        auto s = StartWindow();
        QWidget* button = W(*s, "PhotoFromFileButton");
        QVERIFY(button && !button->isVisible() && !button->isEnabled());
        QAction* view = s->window->MenuItem("ViewImage1");
        QVERIFY(view && !view->isVisible());
    }
};

QTEST_MAIN(TestPhotoWindow)
#include "test_photo_window.moc"
