// The OCR run on the real engine, with label text drawn at 300 dpi, and JPEG decoding of files
// written by Qt.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <algorithm>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "base/ScriptedDialogs.h"
#include "base/Text.h"
#include "model/Session.h"
#include "ocr/JpegDecode.h"
#include "ocr/OcrSelection.h"
#include "ocr/TessDLL.h"

namespace quorl {
namespace {

GreyImage ToGrey(const QImage& picture, int dpi) {
    const QImage g = picture.convertToFormat(QImage::Format_Grayscale8);
    GreyImage out(g.width(), g.height());
    out.dpi = dpi;
    for (int y = 0; y < g.height(); ++y) std::copy_n(g.constScanLine(y), g.width(), out.Row(y));
    return out;
}

// Lines of text drawn black on white in a 12-point serif face at 300 dpi.
QImage DrawnLabel(const std::vector<QString>& lines, int paper = 255) {
    QImage img(1800, 140 + 90 * static_cast<int>(lines.size()), QImage::Format_RGB32);
    img.fill(QColor(paper, paper, paper));
    QPainter p(&img);
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPixelSize(50);
    p.setFont(font);
    p.setPen(Qt::black);
    int y = 100;
    for (const QString& line : lines) {
        p.drawText(80, y, line);
        y += 90;
    }
    return img;
}

std::vector<std::string> NonEmptyLines(const std::string& text) {
    std::vector<std::string> out;
    for (const std::string& l : SplitLines(text))
        if (!Trim(l).empty()) out.push_back(Trim(l));
    return out;
}

// Keeps where the busy window's bar was last under each message.
struct BarDialogs : ScriptedDialogs {
    std::map<std::string, std::pair<int, int>> bar;  // position and maximum
    void BusyProgress(int position, int maximum) override {
        ScriptedDialogs::BusyProgress(position, maximum);
        bar[busyMessage] = {position, maximum};
    }
};

struct OcrFixture : ::testing::Test {
    BarDialogs dialogs;
    Session session{dialogs};
    OcrFixture() { session.Debug = false; }

    OcrRun Read(const GreyImage& picture, OcrSettings settings) {
        return OcrSelection(session, picture, {0, 0, picture.width, picture.height}, settings);
    }
};

const std::vector<std::string> kLabelLines = {
    "LICHENS OF NEW YORK STATE", "Harriman State Park, along Woodtown Road", "on granite boulders, ca. 240 m",
    "19 April 1998", "Richard C. Harris 42164"};
const std::vector<QString> kLabel = [] {
    std::vector<QString> lines;
    for (const std::string& l : kLabelLines) lines.push_back(QString::fromStdString(l));
    return lines;
}();

TEST_F(OcrFixture, AutomaticReadsADrawnLabelLineByLine) {
    const OcrRun run = Read(ToGrey(DrawnLabel(kLabel, 235), 300), {});
    EXPECT_TRUE(run.engineReady);
    EXPECT_EQ(run.passes, 1);
    EXPECT_EQ(NonEmptyLines(run.text), kLabelLines) << run.text;
    EXPECT_TRUE(dialogs.messages.empty());
    // The kept pass's black and white picture comes back for the preview.
    EXPECT_EQ(run.preview.width, 1800);
    EXPECT_TRUE(std::all_of(run.preview.pixels.begin(), run.preview.pixels.end(), [](uint8_t v) { return v == 0 || v == 255; }));
    EXPECT_EQ(dialogs.busyMessage, "Performing OCR");
    // The busy window's bar followed the rows of the picture down to its last one, then the
    // engine through the page.
    EXPECT_EQ(dialogs.bar["Processing Image"], std::make_pair(run.preview.height - 1, run.preview.height - 1));
    EXPECT_EQ(dialogs.bar["Performing OCR"].second, 100);
    EXPECT_GT(dialogs.bar["Performing OCR"].first, 0);

    // With Get Barcode on and no barcode on the label, the whole label is read, without a word.
    OcrSettings barcode;
    barcode.getBarcode = true;
    const OcrRun withoutBarcode = Read(ToGrey(DrawnLabel(kLabel, 235), 300), barcode);
    EXPECT_EQ(NonEmptyLines(withoutBarcode.text), kLabelLines) << withoutBarcode.text;
    EXPECT_TRUE(withoutBarcode.barcodeImage.Empty());
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(OcrFixture, AnalyzeTriesFiveThresholdsAndKeepsTheOneWithKnownWords) {
    for (const char* w : {"lichens", "harriman", "state", "park,", "along", "granite", "boulders,", "april"})
        session.WordStats.push_back(BayesClass{w, 1, {}, {}});
    OcrSettings settings;
    settings.mode = ThresholdMode::Analyze;
    const GreyImage picture = ToGrey(DrawnLabel(kLabel, 235), 300);
    const OcrRun automatic = Read(picture, {});
    const OcrRun run = Read(picture, settings);
    EXPECT_EQ(run.passes, 5);
    EXPECT_EQ(NonEmptyLines(run.text), kLabelLines) << run.text;
    EXPECT_EQ((run.threshold - automatic.threshold) % 15, 0);
    EXPECT_LE(std::abs(run.threshold - automatic.threshold), 30);
}

// A label with a barcode: the herbarium's name above the bars, the digits under them, then two
// lines of label text.
QImage BarcodeLabel() {
    QImage img(1800, 800, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(40);
    p.setFont(font);
    p.drawText(100, 80, QStringLiteral("NYBG"));  // above the bars: not part of the label text
    for (int b = 0; b < 50; ++b) p.fillRect(100 + 8 * b, 150, 4, 70, Qt::black);
    p.drawText(180, 272, QStringLiteral("01075759"));
    font.setPixelSize(50);
    p.setFont(font);
    p.drawText(100, 420, QStringLiteral("Collected near the river"));
    p.drawText(100, 560, QStringLiteral("12 May 1998"));
    p.end();
    return img;
}

TEST_F(OcrFixture, BarcodeDigitsComeFirstAndTheLabelFromBelowTheBarcode) {
    OcrSettings settings;
    settings.getBarcode = true;
    const OcrRun run = Read(ToGrey(BarcodeLabel(), 300), settings);
    EXPECT_EQ(run.text.rfind("Barcode: 01075759\r\n", 0), 0u) << run.text;
    EXPECT_EQ(std::count(run.text.begin(), run.text.end(), 'B'), 1) << run.text;
    EXPECT_EQ(run.text.find("NYBG"), std::string::npos) << run.text;
    const std::vector<std::string> lines = NonEmptyLines(run.text);
    ASSERT_EQ(lines.size(), 3u) << run.text;
    EXPECT_EQ(lines[1], "Collected near the river");
    EXPECT_EQ(lines[2], "12 May 1998");
    EXPECT_EQ(run.barcodeImage.width, 396);
    EXPECT_EQ(run.barcodeImage.height, 70);
}

TEST_F(OcrFixture, SpanishKeepsItsAccents) {
    OcrSettings settings;
    settings.language = "spa";
    const OcrRun run = Read(ToGrey(DrawnLabel({QStringLiteral("Año 1985, cerca del río")}), 300), settings);
    EXPECT_EQ(NonEmptyLines(run.text), std::vector<std::string>{"A\xC3\xB1o 1985, cerca del r\xC3\xADo"}) << run.text;
}

TEST_F(OcrFixture, MissingEngineEntryPointOrLanguageDataIsToldWithItsPackage) {
    const GreyImage picture = ToGrey(DrawnLabel(kLabel), 300);
    OcrSettings settings;
    settings.engineLibrary = "libquorl-no-such-engine.so.5";
    EXPECT_EQ(Read(picture, settings).text, "");
    // A library that is there but is no OCR engine lacks the entry points.
    settings.engineLibrary = "libjpeg.so.62";
    EXPECT_FALSE(Read(picture, settings).engineReady);
    QTemporaryDir empty;
    OcrSettings noData;
    noData.language = "por";
    noData.engineDataPath = empty.path().toStdString();
    const OcrRun run = Read(picture, noData);
    EXPECT_FALSE(run.engineReady);
    EXPECT_EQ(run.text, "");
    EXPECT_EQ(run.passes, 0);
    ASSERT_EQ(dialogs.messages.size(), 3u);
    EXPECT_NE(dialogs.messages[0].find("not found"), std::string::npos);
    EXPECT_NE(dialogs.messages[0].find("libtesseract5"), std::string::npos);
    EXPECT_NE(dialogs.messages[1].find("TessBaseAPICreate"), std::string::npos) << dialogs.messages[1];
    EXPECT_NE(dialogs.messages[2].find("tesseract-ocr-por"), std::string::npos) << dialogs.messages[2];
}

TEST_F(OcrFixture, AnEngineThatFailsOnAPageIsToldForTheLabelAndForTheBarcode) {
    using Messages = std::vector<std::string>;
    OcrSettings settings;
    settings.engineLibrary = QUORL_FAILING_ENGINE;
    OcrRun run = Read(ToGrey(DrawnLabel(kLabel), 300), settings);
    EXPECT_TRUE(run.engineReady);
    EXPECT_EQ(run.text, "");
    EXPECT_EQ(dialogs.messages, Messages{"Error in Label OCR!"});

    dialogs.messages.clear();
    settings.getBarcode = true;
    run = Read(ToGrey(BarcodeLabel(), 300), settings);
    EXPECT_FALSE(run.barcodeImage.Empty());
    EXPECT_EQ(run.text, "");
    EXPECT_EQ(dialogs.messages, (Messages{"Error in Label OCR!", "Error in Barcode OCR!"}));
}

TEST(TessDLL, PagesThatCannotBeginAreNeverRecognised) {
    TessDLL engine;
    ASSERT_TRUE(engine.loaded) << engine.Problem();
    GreyImage none;
    EXPECT_FALSE(engine.TessDllBeginPageLangBPP({none.pixels.data(), 0, 0, 0, 8, 300}, "eng"));
    EXPECT_EQ(engine.TessDllRecognize_all_Words(), nullptr);
    engine.TessDllEndPage();

    // A page with two lines: each line's last character ends it, the last one also the paragraph.
    const GreyImage two = ToGrey(DrawnLabel({QStringLiteral("First line"), QStringLiteral("Second one")}), 300);
    ASSERT_TRUE(engine.TessDllBeginPageLangBPP({two.pixels.data(), two.width, two.height, two.width, 8, 300}, "eng"));
    const OcrResult* result = engine.TessDllRecognize_all_Words();
    ASSERT_NE(result, nullptr);
    const std::string text = OcrResultToText(result);
    EXPECT_EQ(NonEmptyLines(text), (std::vector<std::string>{"First line", "Second one"}));
    EXPECT_EQ(text.substr(0, 12), "First line\r\n");
    EXPECT_EQ(text.substr(text.size() - 14), "Second one\r\n\r\n");
    engine.TessDllEndPage();
    EXPECT_EQ(engine.TessDllRecognize_all_Words(), nullptr);  // the page has ended

    // What the progress report throws stops the page and comes out of the recognition.
    engine.onProgress = [](int) { throw std::runtime_error("stopped"); };
    ASSERT_TRUE(engine.TessDllBeginPageLangBPP({two.pixels.data(), two.width, two.height, two.width, 8, 300}, "eng"));
    EXPECT_THROW(engine.TessDllRecognize_all_Words(), std::runtime_error);
    engine.TessDllEndPage();

    TessDLL unloaded("libquorl-no-such-engine.so.5");
    EXPECT_FALSE(unloaded.loaded);
    EXPECT_FALSE(unloaded.TessDllBeginPageLangBPP({two.pixels.data(), two.width, two.height, two.width, 8, 300}, "eng"));
}

std::string JpegBytes(const QImage& img, int quality = 95) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    img.save(&buffer, "JPG", quality);
    return bytes.toStdString();
}

TEST(JpegDecode, GreyAndColourFilesDecodeToGreyWithTheirResolution) {
    QImage grey(64, 32, QImage::Format_Grayscale8);
    grey.fill(200);
    for (int x = 0; x < 32; ++x)
        for (int y = 0; y < 32; ++y) grey.setPixel(x, y, qRgb(10, 10, 10));
    grey.setDotsPerMeterX(7874);  // 200 dpi
    grey.setDotsPerMeterY(7874);
    const GreyImage g = DecodeJpegGrey(JpegBytes(grey));
    EXPECT_EQ(g.width, 64);
    EXPECT_EQ(g.height, 32);
    EXPECT_EQ(g.dpi, 200);
    EXPECT_NEAR(g.At(5, 5), 10, 4);
    EXPECT_NEAR(g.At(60, 20), 200, 4);

    QImage colour(16, 16, QImage::Format_RGB32);
    colour.fill(QColor(255, 0, 0));
    const GreyImage c = DecodeJpegGrey(JpegBytes(colour));
    EXPECT_NEAR(c.At(8, 8), 76, 6);  // the luminance of pure red
}

TEST(JpegDecode, BrokenFilesAreErrors) {
    EXPECT_THROW(DecodeJpegGrey(""), JpegError);
    EXPECT_THROW(DecodeJpegGrey("Collector: A. Smith\r\n"), JpegError);
    std::string cut = JpegBytes(DrawnLabel(kLabel)).substr(0, 200);
    EXPECT_THROW(DecodeJpegGrey(cut), JpegError);
    EXPECT_THROW(LoadJpegGrey("no-such-picture.jpg"), JpegError);
}

}  // namespace
}  // namespace quorl

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
