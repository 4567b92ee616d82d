#include "ui/PhotoCanvas.h"

#include <QMouseEvent>
#include <QPainter>

namespace quorl {

PhotoCanvas::PhotoCanvas(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::CrossCursor);
}

void PhotoCanvas::SetPicture(const QImage& picture, const QRect& drawn) {
    picture_ = picture;
    drawn_ = drawn;
    update();
}

void PhotoCanvas::SetPictureArea(const QRect& drawn) {
    drawn_ = drawn;
    update();
}

void PhotoCanvas::SetPreviewArea(const QRect& area) {
    previewArea_ = area;
    update();
}

void PhotoCanvas::SetPreview(const QImage& preview, const QRect& area) {
    preview_ = preview;
    previewArea_ = area;
    update();
}

void PhotoCanvas::SetSelection(const QRect& box) {
    selection_ = box;
    update();
}

void PhotoCanvas::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!picture_.isNull()) p.drawImage(drawn_, picture_);
    if (!preview_.isNull()) p.drawImage(previewArea_, preview_);
    if (!selection_.isEmpty()) {
        // Drawn so that it shows on light and dark parts of the picture alike.
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(QPen(Qt::white, 1));
        p.drawRect(selection_);
        p.setPen(QPen(Qt::black, 1, Qt::DashLine));
        p.drawRect(selection_);
    }
}

void PhotoCanvas::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && onPress) onPress(e->position().toPoint());
}

void PhotoCanvas::mouseMoveEvent(QMouseEvent* e) {
    if (onMove) onMove(e->position().toPoint());
}

void PhotoCanvas::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && onRelease) onRelease(e->position().toPoint());
}

void PhotoCanvas::resizeEvent(QResizeEvent*) {
    if (onResize) onResize();
}

}  // namespace quorl
