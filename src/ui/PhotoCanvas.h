#pragma once
// The picture area of the Photo window (Image1): the label picture drawn from the top-left corner
// at the display scale on white, the black and white preview of the last OCR over its area, and
// the selection box. Mouse presses, moves and releases go to the window's handlers.
#include <QImage>
#include <QRect>
#include <QWidget>
#include <functional>

namespace quorl {

class PhotoCanvas : public QWidget {
public:
    explicit PhotoCanvas(QWidget* parent);

    // The picture and the rectangle it is drawn into; a null picture leaves the area white.
    void SetPicture(const QImage& picture, const QRect& drawn);
    // Where the picture is drawn, for the same picture.
    void SetPictureArea(const QRect& drawn);
    // The preview drawn stretched into area; a null preview removes it.
    void SetPreview(const QImage& preview, const QRect& area);
    void SetPreviewArea(const QRect& area);
    bool PreviewVisible() const { return !preview_.isNull(); }
    // The selection box in this widget's coordinates; an empty rectangle draws none.
    void SetSelection(const QRect& box);
    QRect Selection() const { return selection_; }

    std::function<void(QPoint)> onPress, onMove, onRelease;
    // Runs when the area's size has changed (the window was resized).
    std::function<void()> onResize;

    QSize sizeHint() const override { return {760, 570}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QImage picture_;
    QRect drawn_;
    QImage preview_;
    QRect previewArea_;
    QRect selection_;
};

}  // namespace quorl
