#include "capture/selection_drawing.h"

#include <gtest/gtest.h>

#include <vector>

namespace qirvo {
namespace {

const ColourValue kPaper = makeColour(200, 200, 200);
const ColourValue kOutlineInk = makeColour(255, 0, 0);
const ColourValue kHandleInk = makeColour(0, 0, 255);
const ColourValue kCleanInk = makeColour(0, 255, 0);

struct Block {
  int left, top, right, bottom;  // inclusive
  bool has(int x, int y) const { return x >= left && x <= right && y >= top && y <= bottom; }
};

// An overlay and a clean canvas of distinct plain colours, so every pixel tells which
// operation left it.
struct Canvases {
  Canvas overlay{40, 40, Persistence::Persistent};
  Canvas clean{40, 40, Persistence::Persistent};
  Canvases() {
    overlay.setBackgroundColour(kPaper);
    clean.setBackgroundColour(kCleanInk);
  }
  void draw(SelectionRect s) {
    drawSelection(overlay, s.left, s.top, s.right, s.bottom, kOutlineInk, kHandleInk);
    copyCleanInterior(clean, overlay, s);
  }
};

TEST(SelectionDrawing, TenByTenSelectionPixelForPixel) {
  Canvases c;
  c.draw({10, 10, 20, 20});
  const std::vector<Block> handles = {
      {8, 8, 11, 11},   {13, 8, 16, 11}, {18, 8, 21, 11},  {8, 13, 11, 16},
      {18, 13, 21, 16}, {8, 18, 11, 21}, {13, 18, 16, 21}, {18, 18, 21, 21},
  };
  const Block interior{11, 11, 18, 18};
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < 40; ++x) {
      ColourValue expected = kPaper;
      const bool onOutline = ((x == 10 || x == 19) && y >= 10 && y <= 19) ||
                             ((y == 10 || y == 19) && x >= 10 && x <= 19);
      if (onOutline) expected = kOutlineInk;
      for (const Block& b : handles)
        if (b.has(x, y)) expected = kHandleInk;
      if (interior.has(x, y)) expected = kCleanInk;
      ASSERT_EQ(c.overlay.pixel(x, y), expected) << "(" << x << ", " << y << ")";
    }
  }
  EXPECT_EQ(c.overlay.pixel(11, 11), kCleanInk);  // inner corner of the top-left handle
  EXPECT_EQ(c.overlay.pixel(10, 11), kHandleInk);
  EXPECT_EQ(c.overlay.pixel(12, 10), kOutlineInk);
}

TEST(SelectionDrawing, OddSpansDropTheHalfPixel) {
  Canvases c;
  drawSelection(c.overlay, 10, 10, 21, 30, kOutlineInk, kHandleInk);
  // mx1 = 13, mx2 = 17: the top-middle handle covers columns 13..16.
  EXPECT_EQ(c.overlay.pixel(13, 8), kHandleInk);
  EXPECT_EQ(c.overlay.pixel(16, 8), kHandleInk);
  EXPECT_EQ(c.overlay.pixel(12, 8), kPaper);
  EXPECT_EQ(c.overlay.pixel(17, 8), kPaper);
  // my1 = 18, my2 = 22: the left-middle handle covers rows 18..21.
  EXPECT_EQ(c.overlay.pixel(8, 18), kHandleInk);
  EXPECT_EQ(c.overlay.pixel(8, 21), kHandleInk);
  EXPECT_EQ(c.overlay.pixel(8, 17), kPaper);
  EXPECT_EQ(c.overlay.pixel(8, 22), kPaper);
}

TEST(SelectionDrawing, ReversedCornersDrawTheSamePixels) {
  Canvases a;
  Canvases b;
  drawSelection(a.overlay, 10, 20, 30, 38, kOutlineInk, kHandleInk);
  drawSelection(b.overlay, 30, 38, 10, 20, kOutlineInk, kHandleInk);
  EXPECT_EQ(a.overlay.getPicture(), b.overlay.getPicture());
}

TEST(SelectionDrawing, NarrowInteriorsAndTheCanvasCorner) {
  {
    Canvases c;  // two wide: outline and handles, nothing copied
    c.draw({10, 10, 12, 30});
    for (int y = 0; y < 40; ++y)
      for (int x = 0; x < 40; ++x) ASSERT_NE(c.overlay.pixel(x, y), kCleanInk);
  }
  {
    Canvases c;  // three wide: one clean column, rows 11..28
    c.draw({10, 10, 13, 30});
    EXPECT_EQ(c.overlay.pixel(11, 11), kCleanInk);
    EXPECT_EQ(c.overlay.pixel(11, 28), kCleanInk);
    EXPECT_NE(c.overlay.pixel(11, 29), kCleanInk);
    EXPECT_NE(c.overlay.pixel(12, 20), kCleanInk);
  }
  {
    Canvases c;  // at the canvas's corner only 2 x 2 of the top-left handle shows
    c.draw({0, 0, 10, 10});
    EXPECT_EQ(c.overlay.pixel(0, 0), kHandleInk);
    EXPECT_EQ(c.overlay.pixel(1, 0), kHandleInk);
    EXPECT_EQ(c.overlay.pixel(0, 1), kHandleInk);
    EXPECT_EQ(c.overlay.pixel(1, 1), kCleanInk);
  }
  {
    Canvases c;  // nothing selected yet: eight handles on one spot
    c.draw({0, 0, 0, 0});
    for (int y = 0; y < 4; ++y)
      for (int x = 0; x < 4; ++x)
        EXPECT_EQ(c.overlay.pixel(x, y), x < 2 && y < 2 ? kHandleInk : kPaper) << x << "," << y;
  }
}

}  // namespace
}  // namespace qirvo
