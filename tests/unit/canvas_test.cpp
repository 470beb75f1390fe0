#include "toolkit/canvas.h"

#include <gtest/gtest.h>

#include <set>

#include "picture/pixel_reader.h"

namespace qirvo {
namespace {

const ColourValue kRed = makeColour(255, 0, 0);
const ColourValue kBlue = makeColour(0, 0, 255);

TEST(Canvas, ResizeKeepsTopLeftAndShowsBackgroundInNewArea) {
  Canvas c(100, 100, Persistence::Persistent);
  c.setBackgroundColour(kBlue);
  c.drawPoint(10, 10, kRed);
  c.drawPoint(60, 60, kRed);
  c.setSize(53, 53);
  EXPECT_EQ(c.pixel(10, 10), kRed);
  c.setSize(100, 100);
  EXPECT_EQ(c.pixel(10, 10), kRed);
  EXPECT_EQ(c.pixel(60, 60), kBlue);  // cut off, then grown back as background
  PixelReader r;
  ASSERT_TRUE(r.load(c.getPicture()));
  EXPECT_EQ(r.getPixel(10, 10), kRed);
  EXPECT_EQ(r.getPixel(99, 99), kBlue);
}

TEST(Canvas, BackgroundColourRules) {
  Canvas c(20, 20, Persistence::Persistent);
  c.drawPoint(5, 5, kRed);
  c.setBackgroundColour(kBlack);  // unchanged: drawing stays
  EXPECT_EQ(c.pixel(5, 5), kRed);
  c.setBackgroundColour(kWhite);  // changed: plain in the new colour
  EXPECT_EQ(c.pixel(5, 5), kWhite);
  c.drawPoint(7, 7, kRed);
  c.clear();
  EXPECT_EQ(c.pixel(7, 7), kWhite);
}

TEST(Canvas, BackgroundPictureOverColourAndTransientReads) {
  Raster pic(3, 2, kRed);
  Canvas transient(5, 4, Persistence::Transient);
  transient.setBackgroundColour(kBlue);
  transient.setBackgroundPicture(encodePicture(pic));
  EXPECT_EQ(transient.pixel(2, 1), kRed);
  EXPECT_EQ(transient.pixel(3, 1), kBlue);
  EXPECT_EQ(transient.pixel(5, 0), kBlack);  // outside the canvas
  transient.drawPoint(0, 0, kWhite);         // on the screen only
  PixelReader r;
  ASSERT_TRUE(r.load(transient.getPicture()));
  EXPECT_EQ(r.getPixel(0, 0), kRed);
  transient.setSize(0, 4);
  EXPECT_TRUE(transient.getPicture().empty());

  Canvas tiled(7, 5, Persistence::Persistent, BackgroundPlacement::Tiled);
  Raster two(2, 2, kBlue);
  two.set(0, 0, kRed);
  tiled.setBackgroundPicture(encodePicture(two));
  EXPECT_EQ(tiled.pixel(4, 2), kRed);
  EXPECT_EQ(tiled.pixel(5, 2), kBlue);
}

TEST(Canvas, PersistentImageIsAtLeastOnePixel) {
  Canvas c(0, 0, Persistence::Persistent);
  PictureBytes p = c.getPicture();
  EXPECT_EQ(readLe32(p, 18), 1);
  EXPECT_EQ(readLe32(p, 22), 1);
}

// Set of pixels equal to `colour` as "x,y" strings, for compact expectations.
std::set<std::pair<int, int>> pixelsOf(const Canvas& c, ColourValue colour) {
  std::set<std::pair<int, int>> out;
  for (int y = 0; y < c.height(); ++y)
    for (int x = 0; x < c.width(); ++x)
      if (c.pixel(x, y) == colour) out.insert({x, y});
  return out;
}

TEST(Canvas, RectangleFollowsWin32PixelRules) {
  struct Case {
    int x1, y1, x2, y2;
    BrushStyle brush;
    int outline;  // pixels in the pen colour
    int filled;   // pixels in the brush colour
  };
  for (const Case& t :
       {Case{10, 10, 20, 20, BrushStyle::Hollow, 36, 0},
        Case{20, 20, 10, 10, BrushStyle::Hollow, 36, 0},
        Case{10, 10, 20, 20, BrushStyle::Solid, 36, 64},
        Case{8, 8, 12, 12, BrushStyle::Solid, 12, 4}, Case{5, 5, 5, 9, BrushStyle::Solid, 0, 0},
        Case{-2, -2, 2, 2, BrushStyle::Solid, 3, 1}}) {
    Canvas c(40, 40, Persistence::Persistent);
    c.setPenColour(kRed);
    c.setBrushColour(kBlue);
    c.setBrushStyle(t.brush);
    c.drawRectangle(t.x1, t.y1, t.x2, t.y2);
    EXPECT_EQ(pixelsOf(c, kRed).size(), static_cast<std::size_t>(t.outline)) << t.x1 << "," << t.y1;
    EXPECT_EQ(pixelsOf(c, kBlue).size(), static_cast<std::size_t>(t.filled)) << t.x1 << "," << t.y1;
  }
  Canvas c(40, 40, Persistence::Persistent);
  c.setPenColour(kRed);
  c.drawRectangle(10, 10, 20, 20);
  EXPECT_EQ(c.pixel(10, 19), kRed);
  EXPECT_EQ(c.pixel(19, 10), kRed);
  EXPECT_EQ(c.pixel(20, 10), kBlack);
  EXPECT_EQ(c.pixel(10, 20), kBlack);
}

TEST(Canvas, CopyBlockAndClearRestoresOnlyTheBackground) {
  Canvas clean(30, 30, Persistence::Persistent);
  clean.setBackgroundColour(kWhite);
  Canvas overlay(30, 30, Persistence::Persistent);
  overlay.setBackgroundColour(kBlue);
  overlay.copyBlockFrom(clean, 11, 11, 8, 8, 11, 11);
  EXPECT_EQ(overlay.pixel(11, 11), kWhite);
  EXPECT_EQ(overlay.pixel(18, 18), kWhite);
  EXPECT_EQ(overlay.pixel(19, 19), kBlue);
  overlay.copyBlockFrom(clean, 0, 0, 0, 5, 0, 0);  // no area: nothing
  EXPECT_EQ(overlay.pixel(0, 0), kBlue);
  overlay.clear();
  EXPECT_EQ(overlay.pixel(11, 11), kBlue);
  EXPECT_TRUE(pixelsOf(overlay, kWhite).empty());
}

TEST(Canvas, DirtyAreaCoversChanges) {
  Canvas c(50, 50, Persistence::Persistent);
  c.takeDirty();
  c.drawPoint(3, 4, kRed);
  c.drawPoint(10, 12, kRed);
  EXPECT_EQ(c.takeDirty(), (Rect{3, 4, 11, 13}));
  EXPECT_TRUE(c.takeDirty().isEmpty());
  c.clear();
  EXPECT_EQ(c.takeDirty(), (Rect{3, 4, 11, 13}));
}

}  // namespace
}  // namespace qirvo
