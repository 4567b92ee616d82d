#pragma once
// Geometry of the Photo window: the picture fitted into its display area, the selection box drawn
// over it (in window coordinates), nudging the box, and the area of the picture a selection means.
#include "ocr/GreyImage.h"

namespace quorl {

struct Point {
    int x = 0, y = 0;
    bool operator==(const Point&) const = default;
};

// Where the picture's display area (Image1) lies in the window, and its size.
struct DisplayArea {
    int left = 0, top = 0, width = 0, height = 0;
};

// The larger picture side decides: the smaller of height/areaHeight and width/areaWidth scales.
double DisplayScaleFor(int pictureWidth, int pictureHeight, int areaWidth, int areaHeight);

// The drawn picture in display-area coordinates: (0, 0, trunc(w * scale), trunc(h * scale)).
PixelRect DrawnPictureRect(int pictureWidth, int pictureHeight, double scale);

enum class Nudge { Up, Down, Left, Right };

// The selection box: two corners in window coordinates; a second corner of (0, 0) means none.
class SelectionBox {
public:
    Point first, second;

    bool Exists() const { return !(second == Point{}); }
    void Clear() { first = second = {}; }
    // A press on the display area at p (display-area coordinates) starts a new box there.
    void Press(Point p, const DisplayArea& area);
    // A move to p (display-area coordinates), kept on the drawn picture, moves the second corner.
    void Move(Point p, const DisplayArea& area, const PixelRect& drawn);
    // The release puts the corners in top-left, bottom-right order.
    void Release();
    bool Dragging() const { return dragging_; }
    // Moves both corners by one pixel while both stay inside the display area; true when moved.
    bool Shift(Nudge direction, const DisplayArea& area);
    // Keeps the box on the same part of the picture when the picture is drawn factor times as
    // large in the display area.
    void Rescale(double factor, const DisplayArea& area);

private:
    bool dragging_ = false;
};

// A rectangle of the display area when the picture is drawn factor times as large.
PixelRect ScaledDisplayRect(const PixelRect& r, double factor);

// The area an OCR or a zoom works on, in display-area coordinates: the box, or the whole display
// area when there is none.
PixelRect SelectedDisplayRect(const SelectionBox& box, const DisplayArea& area);

// The same area in picture pixels: divided by the scale and truncated, clamped to the picture.
// Empty when it holds no pixel of the picture.
PixelRect PictureRectFor(const PixelRect& display, double scale, int pictureWidth, int pictureHeight);

}  // namespace quorl
