// The picture fitted into the Photo window, the selection box and the area it means.
#include <gtest/gtest.h>

#include "ocr/PhotoGeometry.h"

namespace quorl {
namespace {

TEST(PhotoGeometry, PictureFitsTheDisplayAreaByItsLargerSide) {
    const double wide = DisplayScaleFor(2000, 1000, 800, 600);
    EXPECT_DOUBLE_EQ(wide, 0.4);
    EXPECT_EQ(DrawnPictureRect(2000, 1000, wide), (PixelRect{0, 0, 800, 400}));
    const double tall = DisplayScaleFor(1000, 3000, 800, 600);
    EXPECT_DOUBLE_EQ(tall, 0.2);
    EXPECT_EQ(DrawnPictureRect(1000, 3000, tall), (PixelRect{0, 0, 200, 600}));
    EXPECT_DOUBLE_EQ(DisplayScaleFor(400, 300, 800, 600), 2.0);
}

const DisplayArea kArea{10, 20, 800, 600};
const PixelRect kDrawn{0, 0, 800, 400};

TEST(PhotoGeometry, DragEndsWithOrderedCornersOnThePicture) {
    SelectionBox box;
    EXPECT_FALSE(box.Exists());
    box.Press({300, 200}, kArea);
    EXPECT_TRUE(box.Dragging());
    box.Move({100, 50}, kArea, kDrawn);
    box.Release();
    EXPECT_FALSE(box.Dragging());
    EXPECT_EQ(box.first, (Point{110, 70}));
    EXPECT_EQ(box.second, (Point{310, 220}));

    // Beyond the drawn picture the corner stays at its edge, on every side.
    box.Press({700, 300}, kArea);
    box.Move({950, 550}, kArea, kDrawn);
    EXPECT_EQ(box.second, (Point{810, 420}));
    box.Move({-40, -9}, kArea, kDrawn);
    box.Release();
    EXPECT_EQ(box.first, (Point{10, 20}));
    EXPECT_EQ(box.second, (Point{710, 320}));

    // Moves without a press do nothing.
    SelectionBox idle;
    idle.Move({5, 5}, kArea, kDrawn);
    EXPECT_FALSE(idle.Exists());
}

TEST(PhotoGeometry, NudgesStopAtTheDisplayAreaEdges) {
    SelectionBox box;
    EXPECT_FALSE(box.Shift(Nudge::Down, kArea));  // no box, nothing to move
    box.Press({2, 5}, kArea);
    box.Move({40, 30}, kArea, kDrawn);
    box.Release();
    EXPECT_TRUE(box.Shift(Nudge::Left, kArea));
    EXPECT_EQ(box.first, (Point{11, 25}));
    EXPECT_TRUE(box.Shift(Nudge::Left, kArea));
    EXPECT_FALSE(box.Shift(Nudge::Left, kArea));  // the left corner reached the area's edge
    EXPECT_EQ(box.first.x, 10);
    EXPECT_TRUE(box.Shift(Nudge::Up, kArea));
    EXPECT_EQ(box.first, (Point{10, 24}));
    EXPECT_EQ(box.second, (Point{48, 49}));
    EXPECT_TRUE(box.Shift(Nudge::Right, kArea));
    EXPECT_TRUE(box.Shift(Nudge::Down, kArea));
    EXPECT_EQ(box.second, (Point{49, 50}));

    SelectionBox top;
    top.Press({50, 40}, kArea);
    top.Move({90, 0}, kArea, kDrawn);
    top.Release();
    EXPECT_FALSE(top.Shift(Nudge::Up, kArea));  // the top corner is on the area's top edge
    EXPECT_EQ(top.first, (Point{60, 20}));

    SelectionBox edge;
    edge.Press({760, 560}, kArea);
    edge.Move({799, 599}, kArea, {0, 0, 800, 600});
    edge.Release();
    EXPECT_TRUE(edge.Shift(Nudge::Right, kArea));
    EXPECT_FALSE(edge.Shift(Nudge::Right, kArea));
    EXPECT_TRUE(edge.Shift(Nudge::Down, kArea));
    EXPECT_FALSE(edge.Shift(Nudge::Down, kArea));
}

TEST(PhotoGeometry, SelectionMeansPicturePixelsClampedToThePicture) {
    SelectionBox box;
    EXPECT_EQ(SelectedDisplayRect(box, kArea), (PixelRect{0, 0, 800, 600}));
    // No box: the whole display area, clamped to the 2000 x 1000 picture.
    EXPECT_EQ(PictureRectFor(SelectedDisplayRect(box, kArea), 0.4, 2000, 1000), (PixelRect{0, 0, 2000, 1000}));
    box.Press({100, 40}, kArea);
    box.Move({301, 141}, kArea, kDrawn);
    box.Release();
    const PixelRect display = SelectedDisplayRect(box, kArea);
    EXPECT_EQ(display, (PixelRect{100, 40, 301, 141}));
    EXPECT_EQ(PictureRectFor(display, 0.4, 2000, 1000), (PixelRect{250, 100, 752, 352}));
    // A click without a drag holds no pixel: nothing to read.
    box.Press({100, 40}, kArea);
    box.Release();
    EXPECT_TRUE(PictureRectFor(SelectedDisplayRect(box, kArea), 0.4, 2000, 1000).Empty());
    EXPECT_TRUE(PictureRectFor({900, 0, 950, 50}, 1.0, 800, 600).Empty());
}

TEST(PhotoGeometry, ABoxStaysOnItsPartOfThePictureWhenTheAreaIsResized) {
    SelectionBox none;
    none.Rescale(2.0, kArea);
    EXPECT_FALSE(none.Exists());

    SelectionBox box;
    box.Press({100, 40}, kArea);
    box.Move({301, 141}, kArea, kDrawn);
    box.Release();
    // The area's own corner stays where it is; what lies inside scales about it.
    box.Rescale(0.5, kArea);
    EXPECT_EQ(SelectedDisplayRect(box, kArea), (PixelRect{50, 20, 151, 71}));
    box.Rescale(2.0, kArea);
    EXPECT_EQ(SelectedDisplayRect(box, kArea), (PixelRect{100, 40, 302, 142}));
    EXPECT_EQ(ScaledDisplayRect({100, 40, 301, 141}, 1.5), (PixelRect{150, 60, 452, 212}));
}

}  // namespace
}  // namespace quorl
