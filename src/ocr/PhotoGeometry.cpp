#include "ocr/PhotoGeometry.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace quorl {

namespace {
// The scale is a ratio of whole numbers held inexactly: without this slack the whole display
// area would mean the picture without its last column.
constexpr double kRoundingSlack = 1e-6;
}  // namespace

double DisplayScaleFor(int w, int h, int iw, int ih) {
    if (w <= 0 || h <= 0 || iw <= 0 || ih <= 0) return 1.0;
    const double byHeight = static_cast<double>(ih) / h;
    const double byWidth = static_cast<double>(iw) / w;
    return static_cast<double>(h) / ih >= static_cast<double>(w) / iw ? byHeight : byWidth;
}

PixelRect DrawnPictureRect(int w, int h, double scale) {
    return {0, 0, static_cast<int>(w * scale + kRoundingSlack), static_cast<int>(h * scale + kRoundingSlack)};
}

void SelectionBox::Press(Point p, const DisplayArea& area) {
    dragging_ = true;
    first = second = {p.x + area.left, p.y + area.top};
}

void SelectionBox::Move(Point p, const DisplayArea& area, const PixelRect& drawn) {
    if (!dragging_) return;
    // Kept on the drawn picture on every side, so that the box never reaches outside it.
    p.x = std::clamp(p.x, 0, std::max(drawn.right, 0));
    p.y = std::clamp(p.y, 0, std::max(drawn.bottom, 0));
    second = {p.x + area.left, p.y + area.top};
}

void SelectionBox::Release() {
    dragging_ = false;
    if (second.x < first.x) std::swap(first.x, second.x);
    if (second.y < first.y) std::swap(first.y, second.y);
}

bool SelectionBox::Shift(Nudge d, const DisplayArea& a) {
    if (!Exists()) return false;
    int dx = 0, dy = 0;
    switch (d) {
        case Nudge::Up:
            if (a.top < first.y && a.top < second.y) dy = -1;
            break;
        case Nudge::Down:
            if (a.top + a.height > first.y && a.top + a.height > second.y) dy = 1;
            break;
        case Nudge::Left:
            if (a.left < first.x && a.left < second.x) dx = -1;
            break;
        case Nudge::Right:
            if (a.left + a.width > first.x && a.left + a.width > second.x) dx = 1;
            break;
    }
    if (dx == 0 && dy == 0) return false;
    first = {first.x + dx, first.y + dy};
    second = {second.x + dx, second.y + dy};
    return true;
}

namespace {
int Scaled(int v, double factor) { return static_cast<int>(std::lround(v * factor)); }
}  // namespace

void SelectionBox::Rescale(double factor, const DisplayArea& a) {
    if (!Exists()) return;
    for (Point* p : {&first, &second}) *p = {a.left + Scaled(p->x - a.left, factor), a.top + Scaled(p->y - a.top, factor)};
}

PixelRect ScaledDisplayRect(const PixelRect& r, double factor) {
    return {Scaled(r.left, factor), Scaled(r.top, factor), Scaled(r.right, factor), Scaled(r.bottom, factor)};
}

PixelRect SelectedDisplayRect(const SelectionBox& box, const DisplayArea& area) {
    if (!box.Exists()) return {0, 0, area.width, area.height};
    return {box.first.x - area.left, box.first.y - area.top, box.second.x - area.left, box.second.y - area.top};
}

PixelRect PictureRectFor(const PixelRect& d, double scale, int w, int h) {
    if (scale <= 0) return {};
    auto unscale = [scale](int v) { return static_cast<int>(std::floor(v / scale + kRoundingSlack)); };
    PixelRect r{unscale(d.left), unscale(d.top), unscale(d.right), unscale(d.bottom)};
    r.left = std::clamp(r.left, 0, w);
    r.top = std::clamp(r.top, 0, h);
    r.right = std::clamp(r.right, 0, w);
    r.bottom = std::clamp(r.bottom, 0, h);
    if (r.Empty()) return {};
    return r;
}

}  // namespace quorl
